#include "panel_frame.h"

#include "cockpit/P_INIT.h"
#include "flight/flight_records.h"
#include "platform/window.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"

void all_systems_working()
{
    int* flags[] = {&rel.vacuum, &rel.ss_asi, &rel.ss_ahz, &rel.ss_alt, &rel.ss_tsi, &rel.ss_dgy, &rel.ss_vvi,
                    &rel.efis_1, &rel.efis_2, &rel.radios, &rel.esystem, &rel.hydsys, &rel.fc_ail, &rel.fc_elv,
                    &rel.fc_rud, &rel.fc_flp, &rel.fc_slt, &rel.fc_thr, &rel.stbaug, &rel.symflp, &rel.sttrim,
                    &rel.antice};
    for (int* f : flags) *f = 1;
    for (int e = 0; e < 4; ++e) rel.engine[e] = rel.oilpmp[e] = rel.revlok[e] = 1;
    for (int g = 0; g < 3; ++g) rel.lagear[g] = 1;
}

int panel_frame()
{
    init_panel_layout();
    MACIBM_startwind(0);
    plat_event paint{PLAT_PAINT, 0, 0, 0};
    plat_inject_event(&paint);
    plat_event none{PLAT_NONE, 0, 0, 0};
    plat_inject_event(&none);
    MACIBM_event_proc();
    return up_handled;
}
