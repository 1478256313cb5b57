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

namespace {
// The map's start is one the loaded aircraft flies: the last quit keeps its
// altitude only when it was in flight (a quit on the runway kept the field's
// height), and a speed below a flying one, or the general default that
// outruns a trainer's redline, gives way to what a start over a navaid gets.
void map_start_in_the_air(int first_run, float default_Y)
{
    const float flying = AIR_START_SPEED * msc.est_Vs;
    if (!first_run && set.cus_v < msc.est_Vs) set.cus_Y = default_Y;
    if (first_run || set.cus_v < flying) set.cus_v = flying;
}
} // namespace

void korvan_startup()
{
    clear_global_state();
    MACIBM_init();
    initgen();
    init_country_data();
    const float default_Y = set.cus_Y;
    const int first_run = !start_prefs(prf_path);
    if (first_run) hardprefs();
    clear_graph();
    load_region();
    load_plane();
    map_start_in_the_air(first_run, default_Y);
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
