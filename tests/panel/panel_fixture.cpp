#include "panel_fixture.h"

#include "tests/support/toolkit_state.h"
#include "tests/support/trainer.h"

#include "cockpit/P_INIT.h"
#include "cockpit/P_UPDATE.h"
#include "cockpit/cockpit_records.h"
#include "flight/flight_records.h"
#include "shell/shell_records.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "world/world_records.h"

#include <cstring>

void PanelFixture::SetUp()
{
    reset_full_screen_state();
    load_bundled_trainer();
    standard_day();
    memset(&flt, 0, sizeof flt);
    memset(&set, 0, sizeof set);
    memset(&ott, 0, sizeof ott);
    int* flags[] = {&rel.vacuum, &rel.ss_asi, &rel.ss_ahz, &rel.ss_alt, &rel.ss_tsi, &rel.ss_dgy, &rel.ss_vvi,
                    &rel.efis_1, &rel.efis_2, &rel.radios, &rel.esystem, &rel.hydsys, &rel.fc_ail, &rel.fc_elv,
                    &rel.fc_rud, &rel.fc_flp, &rel.fc_slt, &rel.fc_thr, &rel.stbaug, &rel.symflp, &rel.sttrim,
                    &rel.antice};
    for (int* f : flags) *f = 1;
    for (int e = 0; e < 4; ++e) rel.engine[e] = rel.oilpmp[e] = rel.revlok[e] = 1;
    for (int g = 0; g < 3; ++g) rel.lagear[g] = 1;
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
