#include "panel_fixture.h"

#include "tests/support/panel_frame.h"
#include "tests/support/toolkit_state.h"
#include "tests/support/trainer.h"

#include "cockpit/P_INIT.h"
#include "cockpit/P_UPDATE.h"
#include "records/cockpit_state.h"
#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <cstring>

void PanelFixture::SetUp()
{
    reset_full_screen_state();
    load_bundled_trainer();
    standard_day();
    memset(&flt, 0, sizeof flt);
    memset(&set, 0, sizeof set);
    memset(&ott, 0, sizeof ott);
    all_systems_working();
    rel.vac_death_time = rel.the_fail_err = rel.phi_fail_err = 0;
    msc.prd = 0.05f;
    msc.paused = 0;
    msc.init_time = 100;
    msc.elap_time = 0;
    ins.ecam_mode = 3;
    ins.r_rat = ins.g_rat = ins.b_rat = 1;
    compass = 0;
    to_array = 0;
    done_initing = 1;
}

void PanelFixture::relayout()
{
    init_panel_layout();
}
