// Life on the frequency: the controller's calls to other traffic (and now and
// then to the pilot), and the carrier's landing signal officer.
#include "atc.h"
#include "records/cockpit_state.h"
#include "cockpit_services.h"

#include "records/flight_state.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"

#include <cmath>

namespace {
const float DECK_COURSE = 352;
int inloop = 0;   // "Call the ball." said for this approach

float wrap_deg(float d)
{
    while (d > 180) d -= 360;
    while (d < -180) d += 360;
    return d;
}
} // namespace

void reset_LSO()
{
    inloop = 0;
}

int make_random_call(int can_be_us, int can_change_frq)
{
    static const char* const CLOCK[5] = {"10 o-clock,", "11 o-clock,", "12 o-clock,", "1 o-clock,", "2 o-clock,"};
    char s[400];
    int k = intrand(1, 8);
    switch (k) {
    case 1:
        start_command_string(s, 0);
        app_C(s, "squawk 1 2 0 0 good day.");
        break;
    case 2:
        start_command_string(s, 0);
        app_C(s, " reset transponder squawk ");
        app_squawk(s);
        app_C(s, ".");
        break;
    case 3:
        start_command_string(s, 0);
        app_C(s, "contact me on ");
        app_rand_freq(s);
        app_C(s, " please.");
        break;
    case 4:
        start_command_string(s, 0);
        app_C(s, "you have traffic at your ");
        app_C(s, CLOCK[intlim(intrand(0, 4), 0, 4)]);
        app_C(s, " should be no factor.");
        break;
    case 5:
    case 6: {
        float alt_ft = (float)flt.Y * con.mtrstoft;
        if (alt_ft >= 20000) return 0;
        int us = can_be_us && fltrand(0, 1) < 0.1f;
        start_command_string(s, us);
        int delta = (int)fallout((float)intrand(-45, 45), -20, 20);
        app_turn_string(s, (int)(flt.magpsi + delta), 10);
        app_C(s, " vectors around a ");
        app_rand_plane(s, alt_ft);
        app_C(s, delta < -30  ? " at your 12 o-clock."
                 : delta < 0  ? " at your 1 o-clock."
                 : delta < 30 ? " at your 10 o-clock."
                              : " at your 11 o-clock.");
        speakstring(s);
        return us;
    }
    default: {
        int us = can_be_us && can_change_frq && fltrand(0, 1) < 0.1f;
        start_command_string(s, us);
        app_C(s, "contact center on ");
        app_rand_freq(s);
        app_C(s, ".");
        if (us) atc.waiting_new_frq = 1;
        break;
    }
    }
    speakstring(s);
    return 0;
}

void LSO_respond()
{
    float x = atc.cardxyz[0], y = atc.cardxyz[1], z = atc.cardxyz[2];
    float horiz = pythag(x, z);
    float d = horiz * con.mtrstonm;
    float b = std::atan2(-x, z) * con.radtodeg;
    float g = std::atan2(y, horiz) * con.radtodeg;
    float db = wrap_deg(b - DECK_COURSE);
    float dpsi = wrap_deg(flt.psi - DECK_COURSE);
    if (!(d < 5) || !(std::fabs(db) < 10)) return;
    if (std::fabs(dpsi) >= 10) {
        inloop = 0;
        return;
    }
    if (!inloop) {
        speakstring("Call the ball.");
        inloop = 1;
        return;
    }
    int close = d < 0.5f, fast = flt.Alpha < 6, slow = flt.Alpha > 12;
    int left = db > 3, right = db < -3, low = g < 1, high = g > 5;
    const char* call = nullptr;
    if (close) {
        if (high || low) call = "Wave Off!";
        else if (fast || slow) call = "Attitude!";
    } else if (high && fast) call = "Power Off";
    else if (high && slow) call = "Power On";
    else if (low && (fast || slow)) call = "Power";
    else if (high) call = "Power Off";
    else if (low) call = "Power";
    else if (fast) call = "Power Off";
    else if (slow) call = "Power";
    else if (left) call = "Right for lineup";
    else if (right) call = "Come left";
    if (call) speakstring(call);
}
