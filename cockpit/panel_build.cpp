// The panel build: bitmaps, blanks, faces, glass frames, gauge scales,
// systems-display labels, read-out units and lever slots, into the canvas.
#include "panel_build.h"

#include "P_INIT.h"
#include "records/cockpit_state.h"
#include "engine_gauges.h"
#include "instrument_primitives.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/HL_TEXTURE.h"
#include "toolkit/plane_record.h"

#include <cstring>

namespace {
bool dme_stack()
{
    return pln.supptype == 1 || pln.supptype == 7;
}

void bitmap(float x, float y, const char* name)
{
    OGL_texbmp(BMP_TO_CANVAS, (int)x, (int)y, name);
}

void switch_blanks()
{
    auto blank = [](float x, float w) { OGL_fillrect(26, x, 314, w, 15); };
    if (pln.HUDtype == 1) {
        blank(27, 38);
        blank(119, 14);
    }
    if (pln.HUDtype != 3) blank(73, 38);
    if (!pln.chuteEQ) blank(499, 38);
    if (!pln.arrestingEQ) blank(545, 38);
    if (!pln.antiiceEQ) blank(591, 38);
    if (!pln.jettisonEQ) blank(637, 38);
    if (!pln.jatoEQ) blank(683, 38);
    for (float y : {70.0f, 1.0f}) {
        OGL_fillrect(29, oseng + 645, y, 154, 68);
        OGL_framerect(0, oseng + 645, y, 154, 68);
    }
}

void faces()
{
    const float* x = ins.x_loc;
    const float* y = ins.y_loc;
    if (pln.paneltype != 2) {
        static const char* const names[8] = {nullptr, "pict_asi", "pict_ahz", "pict_alt", nullptr, "pict_tsi",
                                              "pict_hsi", "pict_vvi"};
        for (int k = 1; k <= 7; ++k)
            if (names[k] && ins.avail[k]) bitmap(x[k] - 64, y[k] - (k == 6 ? 65 : 64), names[k]);
    }
    if (ins.avail[8]) bitmap(x[8] - 50, y[8] - 97, "pict_adf");
    if (ins.avail[4]) {
        bitmap(x[4] - 50, y[4] - 80, "pict_tim");
        static const char* const supp[8] = {nullptr,    "pict_vor", "pict_str", "pict_arg",
                                            "pict_rlt", "pict_var", "pict_rad", "pict_str"};
        if (pln.supptype >= 1 && pln.supptype <= 7) bitmap(x[4] - 50, y[4] - 50, supp[pln.supptype]);
    }
}

void equipment_bitmaps()
{
    if (!dme_stack()) bitmap(osrad + 490, 209, "gps");
    if (pln.paneltype == 2) bitmap(ins.x_loc[9], ins.y_loc[9], "pict_efi");
    if (pln.gear_retract) bitmap(osrad + 608, 4, "b_gear");
    if (pln.ecam) bitmap(oseng + 644, 140, "ecam");
}

void framed(float x, float y, float w, float h, int fill)
{
    OGL_fillrect(fill, x, y, w, h);
    OGL_framerect(38, x, y, w, h);
}

void glass_frames()
{
    const float* x = ins.x_loc;
    const float* y = ins.y_loc;
    framed(x[1] - 3, y[1] - 52, 26, 105, 55);
    framed(x[1] - 3, y[1] - 5, 21, 10, 29);
    framed(x[3] - 9, y[3] - 52, 39, 105, 55);
    for (float dy : {40.0f, -5.0f, -50.0f}) {
        framed(x[3] - 2, y[3] + dy, 32, 10, 29);
        OGL_line(38, x[3] - 3, y[3] + dy + 4, x[3] - 3, y[3] + dy + 6);
        OGL_line(38, x[3] - 4, y[3] + dy + 5, x[3] - 4, y[3] + dy + 5);
    }
    OGL_line(38, (float)pln.gsx1, (float)pln.gsy1, (float)pln.gsx1 + 3, (float)pln.gsy1);
    OGL_line(38, (float)pln.gsx1, (float)pln.gsy2, (float)pln.gsx1 + 3, (float)pln.gsy2);
    OGL_line(38, (float)pln.gsx2, (float)pln.gsy1, (float)pln.gsx2 + 3, (float)pln.gsy1);
    OGL_line(38, (float)pln.gsx2, (float)pln.gsy2, (float)pln.gsx2 + 3, (float)pln.gsy2);
    OGL_line(42, x[9] + 200, y[9] + 47, x[9] + 379, y[9] + 47);
    OGL_line(42, x[9] + 200, y[9] + 45, x[9] + 379, y[9] + 45);
    for (float sx : {230.0f, 260.0f, 290.0f, 320.0f, 350.0f}) OGL_line(42, x[9] + sx, y[9] + 37, x[9] + sx, y[9] + 44);
    const struct {
        const char* s;
        float dx;
    } labels[6] = {{"z-  ", 211}, {"z+  ", 241}, {"enr ", 267}, {"arr ", 297}, {"wxr ", 327}, {"TCAS", 353}};
    for (const auto& l : labels) OGL_string(42, x[9] + l.dx, y[9] + 37, l.s, 999, 6);
    for (int c = -80; c <= 80; c += 20) {
        int a = c < 0 ? c + 360 : c;
        float cs = lookup_cos[a], sn = lookup_sin[a];
        OGL_line(39, x[7] - 25 * cs, y[7] + 25 * sn, x[7] - 28 * cs, y[7] + 28 * sn);
        int n = (c < 0 ? -c : c) / 20;
        OGL_number(39, x[7] - 34 * cs - 2, y[7] + 34 * sn - 3, (float)n, 1, 0, 6, 0);
    }
    OGL_string(42, x[1] + 10, y[1] - 90, "NAV 2", 999, 6);
    OGL_string(42, x[1] - 2, y[1] - 61, "M=", 999, 6);
}

void engine_scales()
{
    int n = (pln.tape == 1 || pln.is_heli) ? 1 : intlim(pln.numen, 0, 4);
    for (int e = 0; e < n; ++e) {
        float x0 = en_x[0][e] + oseng, x1 = en_x[1][e] + oseng, x2 = en_x[2][e] + oseng;
        switch (pln.entype) {
        case 1:
        case 2:
            init_egt(x0, en_y[0]);
            init_tac(x1, en_y[1]);
            if (pln.varpitchEQ) init_mpr(x2, en_y[2]);
            break;
        case 3:
            init_tac(x1, en_y[1]);
            init_trq(x2, en_y[2]);
            break;
        case 4:
        case 5:
            init_n1_(x1, en_y[1]);
            init_ff_(x2, en_y[2]);
            break;
        default: break;
        }
    }
}

void systems_labels()
{
    OGL_line(42, oseng + 648, 166, oseng + 795, 166);
    OGL_line(42, oseng + 648, 164, oseng + 795, 164);
    static const char* const pages[5] = {"ENGN", "FUEL", "FCON", "HYDR", "FAIL"};
    for (int k = 0; k < 5; ++k) OGL_string(42, oseng + 650 + 30.0f * k, 156, pages[k], 999, 6);
}

void readout_units()
{
    if (!dme_stack()) {
        for (float x : {560.0f, 585.0f, 610.0f}) OGL_line(47, osrad + x, 251, osrad + x, 262);
        OGL_line(47, osrad + 549, 257, osrad + 550, 257);
        OGL_line(47, osrad + 549, 260, osrad + 550, 260);
        OGL_line(47, osrad + 548, 258, osrad + 548, 259);
        OGL_line(47, osrad + 551, 258, osrad + 551, 259);
        OGL_string(47, osrad + 523, 238, "nm", 999, 6);
        OGL_string(47, osrad + 563, 238, "kt", 999, 6);
        OGL_string(47, osrad + 596, 238, "min", 999, 6);
    } else {
        OGL_string(47, osrad + 518, 270, "nm", 999, 6);
        OGL_string(47, osrad + 551, 270, "kt", 999, 6);
        OGL_string(47, osrad + 584, 270, "mn", 999, 6);
    }
}

void lever_slots()
{
    init_handle(8);
    if (pln.entype == 1) init_handle(23);
    if (pln.sbrkEQ || pln.fbrkEQ) init_handle(7);
    if (pln.varsweepEQ[4] || pln.varsweepEQ[6] || pln.varsweepEQ[8] || pln.varsweepEQ[10]) init_handle(9);
    if (pln.vectEQ) init_handle(10);
    if (pln.flapEQ || pln.slatEQ) init_handle(6);
    if (pln.entype == 0) return;
    int engines = intlim(pln.numen, 0, 4);
    if (pln.collectEQ) {
        init_handle(11);
    } else {
        for (int e = 0; e < engines; ++e) init_handle(11 + e);
        if (pln.varpitchEQ && pln.entype >= 1 && pln.entype <= 3)
            for (int e = 0; e < engines; ++e) init_handle(15 + e);
    }
    for (int e = 0; e < engines; ++e) init_handle(19 + e);
}
} // namespace

int hand_texture_loaded = 0;

void load_panel_textures()
{
    static int loaded = 0;
    if (loaded || !ogl_ready) return;
    loaded = 1;
    OGL_texbmp(TEX_FROM_FOLDER, 81, TEX_COLOUR_KEY, "dg");
    hand_texture_loaded = OGL_texbmp(TEX_FROM_FOLDER, 82, TEX_PLAIN, "hand");
}

int custom_panel_path(const char* c_path, char* out)
{
    out[0] = 0;
    size_t n = strnlen(c_path, 400);
    if (n < 4 || n - 4 + 5 >= 400) return 0;
    memcpy(out, c_path, n - 4);
    memcpy(out + n - 4, " panl", 6);
    return 1;
}

void build_panel()
{
    char path[400];
    pln.cp = 0;
    if (custom_panel_path(pln.C_path, path))
        pln.cp = OGL_texbmp(PANEL_TO_CANVAS, 0, 0, path);
    if (!pln.cp) bitmap(0, 0, "PANL");
    bitmap(0, 561, "statbar");
    if (!pln.cp) bitmap(osrad + 489, 0, "radios");
    OGL_string(9, 172, 319, pln.tailnum, 999, 6);
    if (!pln.cp) switch_blanks();
    plot_marker(osrad + 494, 292, 8);
    plot_marker(osrad + 510, 292, 10);
    plot_marker(osrad + 526, 292, 12);
    if (!pln.cp) faces();
    if (ins.avail[4]) OGL_string(47, ins.x_loc[4] + 17, ins.y_loc[4] - 69, ":", 999, 6);
    if (!pln.cp) equipment_bitmaps();
    if (pln.paneltype != 2) {
        if (ins.avail[1]) init_asi();
        if (ins.avail[7] && !pln.cp) init_vvi();
    } else {
        glass_frames();
    }
    engine_scales();
    if (pln.ecam) systems_labels();
    readout_units();
    if (!pln.cp) lever_slots();
}
