#include "panel_frame.h"

#include "cockpit/P_INIT.h"
#include "records/flight_state.h"
#include "platform/window.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"

#include <cstdio>
#include <vector>

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

int write_one_colour_panel(const char* path, unsigned char r, unsigned char g, unsigned char b)
{
    FILE* f = fopen(path, "wb");
    if (!f) return 0;
    const int w = 800, h = 333, row = w * 3;
    unsigned char head[54] = {'B', 'M'};
    auto put32 = [&](int off, int v) {
        for (int k = 0; k < 4; ++k) head[off + k] = (unsigned char)(v >> (8 * k));
    };
    put32(2, 54 + row * h);
    put32(10, 54);
    put32(14, 40);
    put32(18, w);
    put32(22, h);
    head[26] = 1;
    head[28] = 24;
    fwrite(head, 1, 54, f);
    std::vector<unsigned char> line(row);
    for (int x = 0; x < w; ++x) {
        line[3 * x] = b;
        line[3 * x + 1] = g;
        line[3 * x + 2] = r;
    }
    for (int y = 0; y < h; ++y) fwrite(line.data(), 1, row, f);
    return fclose(f) == 0;
}
