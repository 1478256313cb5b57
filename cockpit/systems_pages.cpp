// Systems-display pages, drawn over the engine area in place of the gauges.
#include "systems_pages.h"

#include "records/cockpit_state.h"
#include "instrument_primitives.h"
#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/plane_record.h"

#include <cmath>

float x_h1 = -1, x_h2 = -1;

namespace {
const int BLUE = 42, GREY = 40, RED = 44, YELLOW = 41, GREEN = 47, WHITE = 38;

void text(int c, float x, float y, const char* s)
{
    OGL_string(c, x + oseng, y, s, 999, 6);
}

void number(int c, float x, float y, float v, int dig, int dec = 0)
{
    OGL_number(c, x + oseng, y, v, dig, dec, 6, 0);
}

void frame(float x, float y, float w, float h)
{
    OGL_framerect(BLUE, x + oseng, y, w, h);
}

void fill(int c, float x, float y, float w, float h)
{
    OGL_fillrect(c, x + oseng, y, w, h);
}

void line(int c, float x1, float y1, float x2, float y2)
{
    OGL_line(c, x1 + oseng, y1, x2 + oseng, y2);
}

void fuel_page()
{
    text(BLUE, 660, 278, "FUEL L:         LB");
    text(BLUE, 660, 268, "FUEL R:         LB");
    text(BLUE, 660, 258, "FUEL TOT:       LB");
    static const char* const ff_labels[4] = {"FF #1:          PPH", "FF #2:          PPH", "FF #3:          PPH",
                                             "FF #4:          PPH"};
    int engines = pln.numen < 0 ? 0 : (pln.numen > 4 ? 4 : pln.numen);
    for (int e = 0; e < engines; ++e) text(BLUE, 660, 238 - 10 * e, ff_labels[e]);
    text(BLUE, 660, 198, "ENDURANCE:      HR");
    text(BLUE, 660, 188, "RANGE:          NM");
    if (engines < 1 || pln.entype == 0) return;
    float lbs = flt.m_fuel * con.kgstolbs;
    number(BLUE, 718, 278, lbs / 2, 6);
    number(BLUE, 718, 268, lbs / 2, 6);
    number(BLUE, 718, 258, lbs, 6);
    float flow = 0;
    for (int e = 0; e < engines; ++e) {
        number(BLUE, 718, 238 - 10 * e, flt.ff_[e] * con.kgstolbs * 3600, 6);
        flow += flt.ff_[e];
    }
    float hours = flt.m_fuel / fltmax2(flow, 0.000001f) / 3600;
    number(BLUE, 734, 198, hours, 3, 1);
    number(BLUE, 724, 188, hours * flt.v * con.msctokts, 5);
}

void controls_page()
{
    frame(658, 257, 63, 22);
    frame(724, 257, 63, 22);
    frame(660, 273, 57, 6);
    frame(727, 273, 57, 6);
    frame(673, 266, 19, 6);
    frame(752, 266, 19, 6);
    frame(673, 257, 47, 8);
    frame(724, 257, 47, 8);
    static const char* const names[3] = {"AILERON ", "RUDDER  ", "ELEVATOR"};
    for (int k = 0; k < 3; ++k) {
        float y = 235 - 22.0f * k;
        text(BLUE, 658, y - 10, names[k]);
        line(BLUE, 648, y, 795, y);
        line(BLUE, 715, y - 4, 775, y - 4);
        line(BLUE, 715, y - 6, 775, y - 6);
        for (float bx : {715.0f, 744.0f, 773.0f}) fill(BLUE, bx, y - 4, 3, 3);
    }
    if (pln.slatEQ && flt.slat > 0.01f) {
        int c = flt.slat < 0.99f ? YELLOW : GREEN;
        fill(c, 662, 275, 54, 3);
        fill(c, 729, 275, 54, 3);
    }
    if (pln.flapEQ && flt.flap > 0.01f) {
        int c = std::fabs(flt.flap - flt.flaprqst) > 0.01f ? YELLOW : GREEN;
        fill(c, 675, 259, 44, 5);
        fill(c, 726, 259, 44, 5);
    }
    if (pln.sbrkEQ && flt.sbrk > 0) {
        fill(GREEN, 675, 268, 16, 3);
        fill(GREEN, 754, 268, 16, 3);
    }
    plot_pointer(745 + 30 * set.FC_roll + oseng, 228, WHITE);
    plot_pointer(745 + 30 * set.FC_hdng + oseng, 206, WHITE);
    plot_pointer(745 + 30 * set.FC_ptch + oseng, 184, WHITE);
}

void hydraulics_page()
{
    for (float y : {222.0f, 204.0f}) {
        line(WHITE, 648, y, 795, y);
        line(WHITE, 648, y - 2, 795, y - 2);
        for (float r : {y - 4, y - 6}) {
            line(RED, 648 + 85, r, 648 + 145, r);
            line(YELLOW, 648 + 100, r, 648 + 140, r);
            line(GREEN, 648 + 115, r, 648 + 135, r);
        }
    }
    int pump1 = 1, pump2 = 1;
    if (pln.entype != 0) {
        pump1 = flt.eng_running[0];
        pump2 = pln.numen >= 2 ? flt.eng_running[1] : flt.eng_running[0];
    }
    text(pump1 ? GREY : RED, 657, 271, "HYDRAULIC PUMP 1");
    text(pump2 ? GREY : RED, 657, 261, "HYDRAULIC PUMP 2");
    text(rel.RAT_on ? YELLOW : GREY, 657, 244, "RAM AIR TURBINE ON");
    if (x_h1 < 0) x_h1 = x_h2 = 775;
    float target = 734 + 53 * rel.hyd_rat;
    x_h1 = (1 - msc.prd) * x_h1 + msc.prd * target;
    x_h2 = (1 - msc.prd) * x_h2 + msc.prd * target;
    plot_pointer(x_h1 + oseng, 212, WHITE);
    plot_pointer(x_h2 + oseng, 194, WHITE);
}

void failures_page()
{
    int reverser = 1;
    for (int e = 0; e < 4; ++e)
        if (!rel.revlok[e]) reverser = 0;
    const struct {
        const char* label;
        int works;
    } left[12] = {{"AILERONS", rel.fc_ail},   {"ELEVATORS", rel.fc_elv},  {"RUDDERS", rel.fc_rud},
                  {"SLATS", rel.fc_slt},      {"FLAP DISAG", rel.fc_flp}, {"THROTTLES", rel.fc_thr},
                  {"HYD SYSTEM", rel.hydsys}, {"S.A.S.", rel.stbaug},     {"ASSYM FLAP", rel.symflp},
                  {"STAB TRIM", rel.sttrim},  {"T. REVERSE", reverser},   {"ANTI-ICE", rel.antice}},
      right[11] = {{"ENGINE #1", rel.engine[0]}, {"ENGINE #2", rel.engine[1]},   {"ENGINE #3", rel.engine[2]},
                   {"ENGINE #4", rel.engine[3]}, {"OIL PRES #1", rel.oilpmp[0]}, {"OIL PRES #2", rel.oilpmp[1]},
                   {"OIL PRES #3", rel.oilpmp[2]}, {"OIL PRES #4", rel.oilpmp[3]}, {"NOSE GEAR", rel.lagear[0]},
                   {"LEFT GEAR", rel.lagear[1]}, {"RIGHT GEAR", rel.lagear[2]}};
    for (int k = 0; k < 12; ++k) text(left[k].works ? GREY : RED, 657, 280 - 10.0f * k, left[k].label);
    for (int k = 0; k < 11; ++k) text(right[k].works ? GREY : RED, 727, 280 - 10.0f * k, right[k].label);
}
} // namespace

int ecam_page()
{
    return ins.ecam_mode >= 3 && ins.ecam_mode <= 7 ? ins.ecam_mode : 3;
}

void update_ecam()
{
    int page = ecam_page();
    if (page == 3) return;
    fill(29, 648, 167, 149, 141);
    if (page == 4) fuel_page();
    else if (page == 5) controls_page();
    else if (page == 6) hydraulics_page();
    else failures_page();
}
