// The joystick and flight-mode window (15): stick ratios, null zones from the
// largest deflection seen, damping, equipment and the buttons' functions.
#include "settings_windows.h"

#include "records/settings_and_recordings.h"
#include "toolkit/HL_BTN.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_JOY.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/HL_TYPES.h"

#include <cmath>

namespace {
// The stick's own deflection, -1..1, before the null zone and the response
// curve: the null zone is measured in these units.
float raw_axis(unsigned pos)
{
    return (float)pos / 32767.0f - 1.0f;
}
} // namespace

void manage_flt()
{
    util_scale(21, 404, 0, 0.5f, 1, &set.joy_rat_ptch);
    util_scale(55, 404, 0, 0.5f, 1, &set.joy_rat_roll);
    util_scale(89, 404, 0, 0.5f, 1, &set.joy_rat_hdng);

    if (mnw.mouse_clicked && fltbox(mnw.mx, mnw.my, 22, 350, 162, 370)) {
        nz_ptch_display = nz_roll_display = 0;
        set.NZptch = set.NZroll = 0;
    }
    if (mnw.mouse_clicked && fltbox(mnw.mx, mnw.my, 22, 320, 162, 340)) {
        set.NZptch = nz_ptch_display;
        set.NZroll = nz_roll_display;
    }
    float ptch, roll, hdng, thro;
    JOY_get(&ptch, &roll, &hdng, &thro, 0);
    if (set.controls_type == 15 || set.controls_type == 16) {
        nz_ptch_display = fltmax2(nz_ptch_display, std::fabs(raw_axis(joyinfoex.dwYpos)));
        nz_roll_display = fltmax2(nz_roll_display, std::fabs(raw_axis(joyinfoex.dwXpos)));
    }
    OGL_fillrect(47, 92 - nz_roll_display * 50, 253 - nz_ptch_display * 50, nz_roll_display * 100,
                 nz_ptch_display * 100);
    OGL_line(6, 87, 253, 97, 253);
    OGL_line(6, 92, 248, 92, 258);
    OGL_number(47, 42, 176, nz_roll_display * 100, 3, 0, 6, 0);
    OGL_number(47, 124, 176, nz_ptch_display * 100, 3, 0, 6, 0);

    util_scale(479, 432, 0, 1, 0, &set.damp);

    inboolbtn(475, 381, &set.eq_ped, "Do you have rudder pedals calibrated and plugged in? Say so here.");
    inboolbtn(475, 332, &set.eq_avi, "Do you have an avionics stack? Say so here.");
    inboolbtn(475, 282, &set.eq_thr, "Do you have a throttle quadrant to manipulate the throttles? Say so here.");
    inboolbtn(475, 222, &set.eq_col, "Do you have a collective stick for your helo flying? Say so here.");

    for (int n = 0; n < JOY_BUTTONS; ++n)
        if (n_button_pressed[n]) button_sel = n;
    button_sel = intlim(button_sel, 0, JOY_BUTTONS - 1);
    OGL_framerect(15, 198, 469 - 20.0f * button_sel, 71, 15);
    for (int k = 0; k <= 30; ++k) inonebool(280, 474 - 15.0f * k, &set.joy_response[button_sel], k);
}
