// Panel layout and gauge scales.
#include "P_INIT.h"

#include "records/cockpit_state.h"
#include "flight/INITPLN.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"

#include <cmath>
#include <cstring>

float osrad, oseng;
float en_x[3][4], en_y[3];
float thro_x[4], prop_x[4], mixt_x[4];

float burnin_fuel(float pow_thr);

namespace {
const int ROW_TOP_Y = 222;
const int ROW_BOTTOM_Y = 84;

int is_wide(int kind)
{
    return (kind >= 1 && kind <= 3) || (kind >= 5 && kind <= 7);
}

// A slot naming no instrument we know is an empty space: the kind indexes
// the instrument arrays.
int kind_in_slot(int slot)
{
    int kind = pln.ins_of_loc[slot];
    return kind >= 0 && kind <= 8 ? kind : 0;
}

void clear_layout()
{
    // The panel fields of the record: ecam through the attitude-indicator rows.
    memset(&pln.ecam, 0, (char*)&pln.has_ins - (char*)&pln.ecam);
    ins.indtoASI = ins.msctoVVI = 0;
    ins.tactoINS = ins.n1_toINS = ins.mprtoINS = ins.trqtoINS = ins.ff_toINS = 0;
    memset(ins.avail, 0, sizeof ins.avail);
    memset(ins.x_loc, 0, sizeof ins.x_loc);
    memset(ins.y_loc, 0, sizeof ins.y_loc);
    osrad = oseng = 0;
    memset(en_x, 0, sizeof en_x);
    memset(en_y, 0, sizeof en_y);
    memset(thro_x, 0, sizeof thro_x);
    memset(prop_x, 0, sizeof prop_x);
    memset(mixt_x, 0, sizeof mixt_x);
}

void check_wide_rows()
{
    int top = 0, bottom = 0;
    for (int slot = 1; slot <= 8; ++slot) {
        if (is_wide(kind_in_slot(slot))) ++(slot <= 4 ? top : bottom);
        if (top > 3 || bottom > 3)
            MACIBM_alert("Invalid panel specification!",
                         "There can only be THREE WIDE INSTRUMENTS ON EACH ROW of the panel (the fourth must be narrow to fit!)",
                         "The WIDE instruments are the 'standard six', namely the airspeed, horizon, altimeter, turn-slip, HSI, and vertical speed.",
                         "Go into Fabrex and select only 3 WIDE instruments for each row of instruments.", ALERT_FATAL);
    }
}

void place_row(int first_slot, float y)
{
    float x = (is_wide(kind_in_slot(first_slot)) ? 64 : 50) + 2;
    for (int slot = first_slot; slot < first_slot + 4; ++slot) {
        if (slot > first_slot) x += ret_ins_sep(slot - 1, slot);
        int kind = kind_in_slot(slot);
        if (kind == 0) continue;
        ins.x_loc[kind] = x;
        ins.y_loc[kind] = y;
        ins.avail[kind] = 1;
    }
}

void place_glass_panel()
{
    static const struct {
        int avail;
        float x, y;
    } glass[10] = {{0, 0, 0},     {1, 11, 218}, {1, 92, 218}, {1, 159, 218}, {1, 439, 222},
                   {0, 65, 64},   {1, 92, 93},  {1, 189, 92}, {1, 439, 84},  {1, 0, 0}};
    for (int kind = 1; kind <= 9; ++kind) {
        ins.avail[kind] = glass[kind].avail;
        ins.x_loc[kind] = glass[kind].x;
        ins.y_loc[kind] = glass[kind].y;
    }
}

void set_airspeed_scale()
{
    if (pln.AStype == 1 || pln.AStype == 3) {
        pln.ASpwr = 1;
        pln.Vmin = pln.vectEQ ? 0 : fltnear(pln.Vso - 10, 10);
        pln.Vmax = fltnear(pln.Vne + 10, 10);
    } else if (pln.AStype == 2) {
        pln.ASpwr = 0.3f;
        pln.Vmin = 60;
        pln.Vmax = 449;
    }
    // A dial with no span would give an infinite needle: it stays at rest.
    float span = std::pow(pln.Vmax, pln.ASpwr) - std::pow(pln.Vmin, pln.ASpwr);
    ins.indtoASI = std::isfinite(span) && span != 0 ? 330 / span : 0;
}

float scale_to(float full_deflection, float full_scale)
{
    // A gauge without a full scale (no manifold pressure on a jet) stays at rest.
    return full_scale > 0 ? full_deflection / full_scale : 0;
}

void set_levers()
{
    static const float thro[4][4] = {{669}, {662, 676}, {655, 669, 683}, {648, 662, 676, 690}};
    static const float prop[4][4] = {{720}, {715, 725}, {710, 720, 730}, {705, 715, 725, 735}};
    static const float mixt[4][4] = {{761}, {756, 766}, {751, 761, 771}, {746, 756, 766, 776}};
    int n = pln.numen;
    if (n < 1 || n > 4) return;
    for (int e = 0; e < n; ++e) {
        thro_x[e] = thro[n - 1][e];
        prop_x[e] = prop[n - 1][e];
        mixt_x[e] = mixt[n - 1][e];
    }
}

void set_engine_gauges()
{
    if (pln.numen <= 2) {
        float d = pln.ecam ? -2.0f : 0.0f;
        for (int r = 0; r < 3; ++r) {
            en_x[r][0] = 684 + d;
            en_x[r][1] = 761 + d;
        }
        en_y[0] = 293;
        en_y[1] = 254 + (pln.ecam ? 17 : 0);
        en_y[2] = 177 + (pln.ecam ? 25 : 0);
        return;
    }
    for (int e = 0; e < 4; ++e) {
        en_x[1][e] = 685 + 10 * e;
        en_x[2][e] = 760 + 10 * e;
    }
    en_y[1] = en_y[2] = 171;
}

void set_glide_slope_box()
{
    int beside = 0, left = 0, width = 0;
    if (pln.paneltype == 1) {
        beside = 6;
        left = 59;
        width = 5;
    } else if (pln.paneltype == 2) {
        beside = 2;
        left = 57;
        width = 4;
    } else {
        return;
    }
    float x = ins.x_loc[beside], y = ins.y_loc[beside];
    pln.gsx1 = (int)(x - left);
    pln.gsx2 = (int)(x + 53);
    pln.gsy1 = (int)(y - 2);
    pln.gsyc = (int)y;
    pln.gsy2 = (int)(y + 2);
    pln.gsw = width;
}

void set_attitude_indicator()
{
    if (pln.paneltype == 1) {
        pln.ah_top_roll = 115;
        pln.ah_top_prim = 105;
        pln.ah_semidim_flt = 57.5f;
        pln.ah_dim_int = 115;
        pln.ah_bot_roll = 0;
        pln.ah_bot_prim = 10;
        pln.ah_semidim_int = 57;
    } else if (pln.paneltype == 2) {
        pln.ah_top_prim = 104;
        pln.ah_semidim_flt = 52;
        pln.ah_dim_int = 104;
        pln.ah_bot_prim = 0;
        pln.ah_semidim_int = 52;
    }

    float x_ah = ins.x_loc[2];
    float half = (pln.ah_top_prim - pln.ah_bot_prim) / 2.0f;
    float y = -half;
    for (int i = intlim(pln.ah_bot_prim, 0, 117); i <= intlim(pln.ah_top_prim, 0, 117); ++i) {
        if (pln.paneltype == 1) {
            work_down_circle(half, &y, &pln.ahx1_prim[i], &pln.ahx2_prim[i]);
        } else {
            pln.ahx1_prim[i] = (float)-pln.ah_semidim_int;
            pln.ahx2_prim[i] = (float)pln.ah_semidim_int;
        }
        pln.ahx1_prim[i] += x_ah;
        pln.ahx2_prim[i] += x_ah;
    }
    if (pln.paneltype != 1) return;
    y = -pln.ah_semidim_flt;
    for (int i = pln.ah_bot_roll; i <= pln.ah_top_roll; ++i) {
        work_down_circle(pln.ah_semidim_flt, &y, &pln.ahx1_roll[i], &pln.ahx2_roll[i]);
        pln.ahx1_roll[i] += x_ah;
        pln.ahx2_roll[i] += x_ah;
    }
}
} // namespace

void init_panel_layout()
{
    // Nothing of the last aircraft's panel carries over.
    clear_layout();

    pln.ecam = (pln.paneltype == 2 || pln.numen > 2) && !pln.is_heli;
    pln.tape = pln.numen > 2;

    check_wide_rows();
    place_row(1, ROW_TOP_Y);
    place_row(5, ROW_BOTTOM_Y);
    if (pln.paneltype == 2) place_glass_panel();

    if (pln.paneltype == 1) {
        ins.x_loc[10] = ins.x_loc[3] - 35;
        ins.y_loc[10] = ins.y_loc[3] - 45;
    } else {
        ins.x_loc[10] = ins.x_loc[9] + 175;
        ins.y_loc[10] = ins.y_loc[9] + 15;
    }
    ins.y_loc[4] += 15;
    ins.y_loc[8] += 15;

    set_airspeed_scale();

    if (pln.paneltype == 1) ins.msctoVVI = con.msctofpm * (pln.VVItype == 2 ? 0.032f : 0.08f);
    else if (pln.paneltype == 2) ins.msctoVVI = con.msctofpm * 0.02f;

    float sweep = pln.tape ? 100.0f : 270.0f;
    ins.tactoINS = scale_to(sweep, tac_max());
    ins.n1_toINS = scale_to(sweep, n1__max());
    ins.mprtoINS = scale_to(sweep, mpr_max());
    ins.trqtoINS = scale_to(sweep, trq_max());
    ins.ff_toINS = scale_to(sweep, ff__max());

    if (pln.radiotype == 1) {
        osrad = 0;
        oseng = 0;
    } else {
        osrad = 156;
        oseng = -155;
    }

    set_attitude_indicator();
    set_levers();
    set_engine_gauges();
    set_glide_slope_box();
}

int gage_me(float data)
{
    static const struct {
        float above, step;
    } bands[] = {{500000, 100000}, {250000, 50000}, {100000, 20000}, {50000, 10000}, {25000, 5000},
                 {10000, 2000},    {5000, 1000},    {2500, 500},     {1000, 200},    {500, 100},
                 {250, 50},        {100, 20}};
    // A scale beyond any real gauge's is limited, not turned into an int out of range.
    data = fltlim(data, -1e8f, 1e8f);
    float step = 10;
    for (const auto& b : bands) {
        if (data > b.above) {
            step = b.step;
            break;
        }
    }
    return intnear((int)(data + step), (int)step);
}

void set_mod(int data, int* tickmod, int* numbmod, int* labelrat)
{
    static const struct {
        int above, tick, numb, label;
    } bands[] = {{100, 5, 20, 1},          {250, 10, 50, 10},       {500, 20, 100, 10},
                 {1000, 50, 200, 100},     {2500, 100, 500, 100},   {5000, 200, 1000, 100},
                 {10000, 500, 2000, 100},  {25000, 1000, 5000, 1000}, {50000, 2000, 10000, 1000},
                 {100000, 5000, 20000, 1000}, {250000, 10000, 50000, 1000}, {500000, 20000, 100000, 1000}};
    *tickmod = 2;
    *numbmod = 10;
    *labelrat = 1;
    for (const auto& b : bands) {
        if (data <= b.above) continue;
        *tickmod = b.tick;
        *numbmod = b.numb;
        *labelrat = b.label;
    }
}

float tac_max()
{
    return (float)gage_me(pln.omegamax * con.rsctorpm * pln.gearrat);
}

float n1__max()
{
    return 100;
}

float mpr_max()
{
    return pln.mpmax;
}

float trq_max()
{
    return 100;
}

float ff__max()
{
    int jet = pln.entype == 4 || pln.entype == 5;
    float output = jet ? pln.tmax * (pln.burnerinc > 1 ? 3.0f : 1.0f) : pln.pmax;
    return (float)gage_me(burnin_fuel(output) * con.kgstolbs * 3600);
}
