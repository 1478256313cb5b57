#include "startup.h"

#include "INITGEN.h"
#include "records/cockpit_state.h"
#include "cockpit/cockpit_services.h"
#include "flight/INITPLN.h"
#include "records/flight_state.h"
#include "flight/start_placement.h"
#include "shell/data_graph.h"
#include "shell/prefs.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_JOY.h"
#include "toolkit/HL_MNW.h"
#include "records/world_state.h"
#include "world/world_services.h"

#include <cstring>

void clear_global_state()
{
    memset(&ott, 0, sizeof ott);
    memset(&flt, 0, sizeof flt);
    memset(&ins, 0, sizeof ins);
    memset(&set, 0, sizeof set);
    memset(&msc, 0, sizeof msc);
    memset(&scn, 0, sizeof scn);
    memset(&nav, 0, sizeof nav);
    memset(&atm, 0, sizeof atm);
    memset(&env, 0, sizeof env);
    memset(&grf, 0, sizeof grf);
    memset(&pat, 0, sizeof pat);
    memset(&rel, 0, sizeof rel);
}

void korvan_startup()
{
    clear_global_state();
    MACIBM_init();
    initgen();
    init_country_data();
    const int first_run = !start_prefs(prf_path);
    if (first_run) hardprefs();
    clear_graph();
    load_region();
    load_plane();
    // The map's start speed is one the chosen aircraft can fly, as a start
    // over a navaid gives; the general default outruns a trainer's redline.
    if (first_run) set.cus_v = 1.5f * msc.est_Vs;
    set_fltvars(9);
    speakstring(" ");
    JOY_init();
    done_initing = 1;
}

int korvan_main()
{
    korvan_startup();
    while (!gdone) MACIBM_event_proc();
    MACIBM_finishup();
    return 0;
}
