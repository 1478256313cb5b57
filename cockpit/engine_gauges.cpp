// Engine gauges: scales painted into the backdrop, needles, readouts and
// tape bars every frame.
#include "engine_gauges.h"

#include "P_INIT.h"
#include "records/cockpit_state.h"
#include "instrument_primitives.h"
#include "records/flight_state.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/HL_TEXTURE.h"
#include "toolkit/plane_record.h"

#include <cmath>

namespace {
bool plain_face()
{
    return !pln.ecam && !pln.cp;
}

void dial_face(float x, float y)
{
    if (plain_face()) OGL_texbmp(BMP_TO_CANVAS, (int)(x - 38), (int)(y - 38), "eng_in");
}

int dial_offset()
{
    return pln.tape == 1 ? 0 : 180;
}

void scale_from_set_mod(const char* title, float x, float y, int full, float conv)
{
    int tick = 2, numb = 10, label = 1;
    set_mod(full, &tick, &numb, &label);
    tape_arc(title, x, y, 0, full, tick, label, conv, numb);
}

// The needle (or tape bar) of an indication n in scale units.
void draw_indication(int n, float x, float y, int type)
{
    if (pln.tape == 1) {
        OGL_fillrect(47, x - 2, y, 5, (float)n);
        return;
    }
    plot_needle(x, y, (float)(n + 180), 0, 19, pln.paneltype == 2 ? 38 : 0, type);
}

int scale_units(float v)
{
    if (!std::isfinite(v)) return 0;
    return round(fltlim(v, -1e6f, 1e6f));
}
} // namespace

void init_egt(float x, float y)
{
    if (plain_face()) OGL_texbmp(BMP_TO_CANVAS, (int)(x - 28), (int)y, "egt");
}

void init_tac(float x, float y)
{
    dial_face(x, y);
    scale_from_set_mod("RPM", x, y, (int)tac_max(), ins.tactoINS);
    auto p = [](float w) { return w * con.rsctorpm * ins.tactoINS * pln.gearrat; };
    int off = dial_offset();
    if (pln.is_heli) {
        for (float w : {pln.omegamingreen, pln.omegamaxgreen})
            tape_arc_mark(8, x, y, 22, 25, (int)(p(w) - 4), (int)(p(w) + 4), off);
    } else {
        tape_arc_mark(8, x, y, 22, 25, (int)(p(pln.omegamax) - 4), (int)(p(pln.omegamax) + 4), off);
    }
    tape_arc_mark(7, x, y, 22, 23, (int)p(pln.omegamingreen), (int)p(pln.omegamaxgreen), off);
}

void init_n1_(float x, float y)
{
    dial_face(x, y);
    tape_arc("N1", x, y, 0, 100, 2, 1, ins.n1_toINS, 10);
    int red = round(100 * ins.n1_toINS);
    tape_arc_mark(8, x, y, 22, 25, red - 5, red + 5, dial_offset());
}

void init_mpr(float x, float y)
{
    dial_face(x, y);
    tape_arc("MP", x, y, 0, (int)mpr_max(), 1, 1, ins.mprtoINS, 5);
}

void init_trq(float x, float y)
{
    dial_face(x, y);
    scale_from_set_mod("TRQ", x, y, (int)trq_max(), ins.trqtoINS);
}

void init_ff_(float x, float y)
{
    dial_face(x, y);
    scale_from_set_mod("FF", x, y, (int)ff__max(), ins.ff_toINS);
}

void update_egt(int eng, float x, float y)
{
    if (pln.ecam) return;
    flt.egt[eng] += (flt.mixt_temp_rat[eng] - flt.egt[eng]) * msc.prd;
    float m = x - 8 + 30 * flt.egt[eng];
    if (!std::isfinite(m)) return;
    m = (float)(int)fltlim(m, -1e6f, 1e6f);
    OGL_line(3, m, y + 8, m, y + 12);
}

void update_tac(int eng, float x, float y, int type)
{
    if (pln.ecam && !pln.tape) OGL_number(47, x - 7, y - 9, flt.tac[eng] * con.rsctorpm, 4, 0, 6, 0);
    draw_indication(scale_units(flt.tac[eng] * pln.gearrat * con.rsctorpm * ins.tactoINS), x, y, type);
}

void update_n1_(int eng, float x, float y, int type)
{
    if (pln.ecam && !pln.tape) OGL_number(47, x - 7, y - 9, flt.n1_[eng], 3, 0, 6, 0);
    draw_indication(scale_units(flt.n1_[eng] * ins.n1_toINS), x, y, type);
}

void update_mpr(int eng, float x, float y, int type)
{
    if (pln.ecam && !pln.tape) OGL_number(47, x - 7, y - 9, flt.mpr[eng], 4, 1, 6, 1);
    draw_indication(scale_units(flt.mpr[eng] * ins.mprtoINS), x, y, type);
}

float torque_percent(int eng)
{
    if (pln.pmax <= 0 || pln.omegamax <= 0) return 0;
    return flt.trq[eng] / (pln.pmax / pln.omegamax) * 100;
}

void update_trq(int eng, float x, float y, int type)
{
    float pct = torque_percent(eng);
    if (pln.ecam && !pln.tape) OGL_number(47, x - 10, y - 9, pct, 5, 0, 6, 1);
    draw_indication(scale_units(pct * ins.trqtoINS), x, y, type);
}

void update_ff_(int eng, float x, float y, int type)
{
    float ff = fltlim(flt.ff_[eng] * con.kgstolbs * 3600, 0, ff__max());
    draw_indication(scale_units(ff * ins.ff_toINS), x, y, type);
}
