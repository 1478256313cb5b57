// The edit screen of the airfoil editor.
#include "edit_screen.h"

#include "airfoil_model.h"
#include "tools/tool_helpers.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/airfoil_record.h"

namespace sectra {

int mx = 250;

namespace {
// The plot box, edges included.
const float BOX_X1 = 250, BOX_Y1 = 140, BOX_X2 = 650, BOX_Y2 = 540;

const char* const h1 =
    "Reynolds number basically is equal to the CHORD (size) of the wing times the SPEED of the airplane times a "
    "constant. Light planes may have a Reynolds number of about 9 million.";
const char* const h2 =
    "Thickness ratio is the ratio of how THICK the airfoil is at it's thickest point to it's CHORD (from leading "
    "edge to trailing edge). Typical thickness ratios go from about 0.08 (for a thin, low-drag airfoil) to 0.16 "
    "(for a thick, hi-lift airfoil).";
const char* const h3 =
    "The lift intercept is the amount of lift the foil puts out at zero degrees angle of attack. This is the lift "
    "when the wing is aimed straight into the wind, and is not pitched up at all. 0.20 is a typical value.";
const char* const h4 =
    "The lift slope is the amount of lift the airfoil puts out for each degree angle of attack the wing has on the "
    "air. Airfoils almost always have a lift slope of very close to 0.1.";
const char* const h5 = "Tune this number so the lift curve transitions smoothly into the stall.";
const char* const h6 = "This is the maximum coefficient of lift that the airfoil can put out. 1.6 is common.";
const char* const h7 =
    "This is an indication of how sharp the stall is... a foil with a sharper stall will lose lift more abruptly "
    "when the wing goes to too high an angle of attack. A larger number here will result in a more sudden stall "
    "with a sharper drop of the airplane in flight.";
const char* const h8 = "Tune this number so the lift curve transitions smoothly after the stall.";
const char* const h9 =
    "This is an indication of how much lift is lost after the stall... thick and suercritical airfoils lose little "
    "lift, but thin low-drag airfoils lose a lot of lift here.";
const char* const h10 =
    "This is the minimum parasite drag coefficient of the airfoil. It probably occurs at an angle of attack close "
    "to zero degrees.";
const char* const h11 =
    "This is the coefficient of lift at which the minimum drag coefficient is achieved. It is probably close to the "
    "lift intercept value you entered above.";
const char* const h12 = "This is the parasite drag coefficient of the airfoil at an angle of attack of 10 degrees.";
const char* const h13 = "This number is theoretically close to 2.0, but you can tune it to fit actual data.";
const char* const h14 =
    "Some airfoils have a certain angle of attack range where the airflow is laminar, resulting in very low drag. "
    "This is the lift coefficient of the laminar flow low-drag bucket, if any.";
const char* const h15 =
    "This is how wide the low-drag laminar flow bucket is, in terms of lift coefficient. It is the lift coefficient "
    "range across which dragis reduced by laminar flow.";
const char* const h16 = "This is how much the coefficient of drag is reduced by laminar flow (if any).";
const char* const h17 =
    "This is the power of curvature of the low-drag laminar flow bucket... 2.0 might be good guess.";
const char* const h18 =
    "This is the angle of attack at which the airfoil pitching-moment changes... it is almost always the same as "
    "the stalling angle of attack, entered below.";
const char* const h19 =
    "This is the coefficient of pitching moment at -20 degrees angle of attack. The pitch moment is an indication "
    "of how much the airfoil tends to twist UP. Since airfoils almost always pitch DOWN, this number is almost "
    "always negative.";
const char* const h20 =
    "This is the coefficient of pitching moment at the pitch-moment change entered above. The pitch moment is an "
    "indication of how much the airfoil tends to twist UP. Since airfoils almost always pitch DOWN, this number is "
    "almost always negative.";
const char* const h21 =
    "This is the coefficient of pitching moment at  20 degrees angle of attack. The pitch moment is an indication "
    "of how much the airfoil tends to twist UP. Since airfoils almost always pitch DOWN, this number is almost "
    "always negative.";
const char* const h22 =
    "This is the negative angle of attack at which the airfoil stalls. The stall is the point at which the airfoil "
    "cannot put out any more lift and (usually abrubtly) throws in the towel and loses lift.";
const char* const h23 =
    "This is the positive angle of attack at which the airfoil stalls. The stall is the point at which the airfoil "
    "cannot put out any more lift and (usually abrubtly) throws in the towel and loses lift.";
const char* const h24 =
    "The lift coefficient is an indication of the amount of lift the flap adds to the wing when the flaps are "
    "deployed. This number will basically always be positive. (flaps add lift) The right-hand side of this graph "
    "applies to full flap deflection, however many degrees that may be.";
const char* const h25 =
    "The drag coefficient is an indication of the amount of drag the flap adds to the wing when the flaps are "
    "deployed. This number will basically always be positive. (flaps add drag) The right-hand side of this graph "
    "applies to full flap deflection, however many degrees that may be.";
const char* const h26 =
    "The moment coefficient is an indication of the amount of pitching moment the flap adds to the wing when the "
    "flaps are deployed. This number will basically always be negative. (flaps make the wing pitch down) The "
    "right-hand side of this graph applies to full flap deflection, however many degrees that may be.";

// Four digits after the point, signed: the range the digits can show.
const float C4 = 9.9999f;

struct digit_button {
    float* field;
    int color;
    float x, y;
    int dig, dec;
    float lo, hi;
    const char* help;
};

const digit_button airfoil_buttons[] = {
    {&afl.Re[0][0][0], 1, 152, 540, 3, 1, 0, 99.9f, h1},
    {&afl.trat[0][0], 1, 184, 502, 3, 2, 0, 9.99f, h2},
    {&afl.clB[0][0][0], 1, 9, 454, 5, 4, -C4, C4, h3},
    {&afl.clM[0][0][0], 1, 70, 454, 5, 4, -C4, C4, h4},
    {&afl.Lpow, 1, 131, 454, 5, 4, -C4, C4, h5},
    {&afl.Lstall, 1, 192, 454, 5, 4, -C4, C4, h6},
    {&afl.Ldrop1, 1, 9, 401, 5, 4, -C4, C4, h7},
    {&afl.Lpowstl, 1, 70, 401, 5, 4, -C4, C4, h8},
    {&afl.Ldrop2, 1, 131, 401, 5, 4, -C4, C4, h9},
    {&afl.Dmin, 2, 9, 348, 5, 4, -C4, C4, h10},
    {&afl.DminCL, 2, 70, 348, 5, 4, -C4, C4, h11},
    {&afl.Dal10, 2, 131, 348, 5, 4, -C4, C4, h12},
    {&afl.Dpow, 2, 192, 348, 5, 4, -C4, C4, h13},
    {&afl.Bloc, 2, 9, 295, 5, 4, -C4, C4, h14},
    {&afl.Bwidth, 2, 70, 295, 5, 4, -C4, C4, h15},
    {&afl.Bdepth, 2, 131, 295, 5, 4, -C4, C4, h16},
    {&afl.Bpower, 2, 192, 295, 5, 4, -C4, C4, h17},
    {&afl.cmal2[0][0][0], 3, 70, 242, 5, 3, -99.999f, 99.999f, h18},
    {&afl.cmal3[0][0][0], 3, 131, 242, 5, 3, -99.999f, 99.999f, h18},
    {&afl.cm1[0][0][0], 3, 9, 189, 5, 4, -C4, C4, h19},
    {&afl.cm2[0][0][0], 3, 70, 189, 5, 4, -C4, C4, h20},
    {&afl.cm3[0][0][0], 3, 131, 189, 5, 4, -C4, C4, h20},
    {&afl.cm4[0][0][0], 3, 192, 189, 5, 4, -C4, C4, h21},
    // The stall angles stay outside the straight part of the lift curve.
    {&afl.almin, 6, 70, 136, 5, 3, -20, -10.001f, h22},
    {&afl.almax, 6, 131, 136, 5, 3, 10.001f, 20, h23},
};

const digit_button flap_buttons[] = {
    {&afl.FLPlco1, 1, 9, 454, 5, 4, -C4, C4, h24},
    {&afl.FLPlco2, 1, 70, 454, 5, 4, -C4, C4, h24},
    {&afl.FLPlco3, 1, 131, 454, 5, 4, -C4, C4, h24},
    {&afl.FLPdco1, 2, 9, 401, 5, 4, -C4, C4, h25},
    {&afl.FLPdco2, 2, 70, 401, 5, 4, -C4, C4, h25},
    {&afl.FLPdco3, 2, 131, 401, 5, 4, -C4, C4, h25},
    {&afl.FLPmco1, 3, 9, 348, 5, 4, -C4, C4, h26},
    {&afl.FLPmco2, 3, 70, 348, 5, 4, -C4, C4, h26},
    {&afl.FLPmco3, 3, 131, 348, 5, 4, -C4, C4, h26},
};

int is_airfoil()
{
    return msc.device != DEVICE_FLAP;
}

// Table entry of sweep step x: an airfoil's steps start at -20 degrees.
int table_entry(int x)
{
    return is_airfoil() ? x + 70 : x;
}
} // namespace

int fpx(int x)
{
    if (msc.view != VIEW_POLAR) return x;
    if (!is_airfoil()) return flt_to_int(cl[intlim(x, 0, 400)] * 200);
    // Past the stall the points stand on the stall's lift, so the curve
    // does not fold back.
    float d = (float)(x - 200) / 10;
    if (d < afl.almin) x = flt_to_int(afl.almin * 10) + 200;
    if (d >= afl.almax) x = flt_to_int(afl.almax * 10) + 199;
    // Stall angles read from a file need not lie in the buttons' ranges.
    x = intlim(x, 0, 400);
    return flt_to_int(cl[x + 70] * 125) + 200;
}

void elementpoint(int color, int x, float y)
{
    float column = BOX_X1 + (float)x;
    float row = 340 + (float)flt_to_int(y * 200);
    if (fltrange(row, BOX_Y1, BOX_Y2)) OGL_line(color, column, row, column, row + 1);
}

int edit_buttons()
{
    const digit_button* b = is_airfoil() ? airfoil_buttons : flap_buttons;
    int n = is_airfoil() ? (int)(sizeof airfoil_buttons / sizeof *airfoil_buttons)
                         : (int)(sizeof flap_buttons / sizeof *flap_buttons);
    int changed = 0;
    for (int i = 0; i < n; ++i)
        changed |= tools::instdbtn_range(b[i].color, b[i].x, b[i].y, b[i].field, b[i].dig, b[i].dec, b[i].lo,
                                           b[i].hi, b[i].help);
    return changed;
}

void edit_screen()
{
    // The moment curve's fixed break angles beside cmal2 and cmal3.
    if (is_airfoil()) {
        OGL_number(3, 12, 242, -20, 5, 3, 6, 1);
        OGL_number(3, 195, 242, 20, 5, 3, 6, 1);
    }
    if (edit_buttons() && mnw.mouse_clicked) {
        generate();
        msc.devicemod = 1;
    }

    if (fltbox(mnw.mx, mnw.my, BOX_X1, BOX_Y1, BOX_X2, BOX_Y2)) mx = intlim(flt_to_int(mnw.mx - BOX_X1), 0, 400);
    float cursor = BOX_X1 + (float)fpx(mx);
    OGL_line(0, cursor, BOX_Y1, cursor, BOX_Y2);

    const int view_alpha = msc.view != VIEW_POLAR;
    for (int x = 0; x <= 400; ++x) {
        int px = fpx(x), k = table_entry(x);
        elementpoint(view_alpha ? 6 : 1, px, 0);
        if (view_alpha) elementpoint(1, px, cl[k] * cls);
        elementpoint(2, px, cd[k] * cds);
        elementpoint(3, px, cm[k] * cms);
    }

    int k = table_entry(mx);
    float abscissa = is_airfoil() ? (float)mx / 400 * 40 - 20 : (float)mx / 400;
    OGL_number(6, 33, 545, abscissa, 5, 3, 8, 1);
    OGL_number(1, 33, 530, cl[k], 5, 4, 8, 1);
    OGL_number(2, 33, 515, cd[k], 5, 4, 8, 1);
    OGL_number(3, 33, 500, cm[k], 5, 4, 8, 1);
}

} // namespace sectra
