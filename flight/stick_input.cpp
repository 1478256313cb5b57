// The simulator's stick: found at start-up, then read once a frame: axes
// shaped by null zone and curve, hat and buttons turned into the actions the
// user gave them. The toolkit keeps only the force commands and the close.
#include "toolkit/HL_JOY.h"

#include "cockpit_calls.h"
#include "records/flight_state.h"
#include "platform/joystick.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/plane_record.h"

#include <cmath>
#include <cstring>

namespace {
const unsigned POV_CENTRED = 65535;

// Buttons 1..4 of the last frame, for the helicopter throttle presses.
int o_but_1, o_but_2, o_but_3, o_but_4;
// The part of a thrust-vector step that the whole-number request cannot hold
// yet, so that slow steps at high frame rates still add up.
float vect_carry;

// Reads the stick into joyinfoex; a failed read keeps the axes but lets go of
// every button, so that nothing held repeats while the stick is unplugged.
void read_stick()
{
    plat_joy_state s;
    if (plat_joy_read(JOY_stick_id(), &s)) {
        joyinfoex.dwXpos = s.x;
        joyinfoex.dwYpos = s.y;
        joyinfoex.dwZpos = s.z;
        joyinfoex.dwRpos = s.r;
        joyinfoex.dwButtons = s.buttons;
        joyinfoex.dwPOV = s.pov;
    } else {
        joyinfoex.dwButtons = 0;
        joyinfoex.dwPOV = POV_CENTRED;
    }
}

int button(int n)
{
    return (joyinfoex.dwButtons >> (n - 1)) & 1;
}

void decode_buttons()
{
    int b1 = button(1), b2 = button(2), b3 = button(3), b4 = button(4);
    n_button_pressed[0] = joyinfoex.dwPOV == 0;
    n_button_pressed[1] = joyinfoex.dwPOV == 18000;
    n_button_pressed[2] = joyinfoex.dwPOV == 27000;
    n_button_pressed[3] = joyinfoex.dwPOV == 9000;
    n_button_pressed[4] = b1 && !b2 && !b3 && !b4;
    n_button_pressed[5] = b2 && !b1 && !b3 && !b4;
    n_button_pressed[6] = b3 && !b1 && !b2 && !b4;
    n_button_pressed[7] = b4 && !b1 && !b2 && !b3;
    for (int i = 8; i < 20; ++i) n_button_pressed[i] = button(i - 3);
    n_button_pressed[20] = n_button_pressed[21] = 0;
}

void helicopter_throttle_buttons()
{
    int b2 = button(2), b3 = button(3), b4 = button(4);
    if (pln.is_heli && set.eq_col) {
        if (pln.entype == 1 || pln.entype == 2) {
            if (b3 && !o_but_3) flt.throrqst[0] -= 0.1f;
            if (b4 && !o_but_4) flt.throrqst[0] += 0.1f;
            if (b2 && b3) flt.throrqst[0] = 0;
            if (b2 && b4) flt.throrqst[0] = 1;
            flt.throrqst[0] = flt.throrqst[1] = fltlim(flt.throrqst[0], 0, 1);
        }
        if (pln.entype == 3) {
            if (b2 && b3) set.fadec_on = 0;
            if (b2 && b4) set.fadec_on = 1;
        }
        n_button_pressed[5] = n_button_pressed[6] = n_button_pressed[7] = 0;
    }
    o_but_1 = button(1);
    o_but_2 = b2;
    o_but_3 = b3;
    o_but_4 = b4;
}

// Thrust vector and wing sweep, down (-1) or up (+1), at a rate per second.
void step_vector_and_sweep(float sign)
{
    if (pln.vectEQ) {
        float v = fltlim((float)flt.vectrqst + vect_carry + sign * 30.0f * msc.prd, 0, 120);
        flt.vectrqst = (int)v;
        vect_carry = v - (float)flt.vectrqst;
    }
    if (pln.varsweepEQ[4] || pln.varsweepEQ[6] || pln.varsweepEQ[8] || pln.varsweepEQ[10])
        flt.sweerqst = fltlim(flt.sweerqst + sign * 0.5f * msc.prd, 0, 1);
}

void held_action(int code)
{
    switch (code) {
    case 1: APPLICATION_handlekey(']'); break;
    case 2: APPLICATION_handlekey('['); break;
    case 3: APPLICATION_handlekey('9'); break;
    case 4: APPLICATION_handlekey('0'); break;
    case 5: APPLICATION_handlekey('7'); break;
    case 6: APPLICATION_handlekey('8'); break;
    case 25:
    case 26:
    case 27:
    case 28: freeviews_keys(code); break;
    case 17: step_vector_and_sweep(-1); break;
    case 18: step_vector_and_sweep(1); break;
    default: break;
    }
}

void press_action(int code)
{
    switch (code) {
    case 7: yoke_key(5); break;
    case 8: yoke_key(6); break;
    case 9: APPLICATION_handlemenu(500); break;
    case 10: APPLICATION_handlemenu(502); break;
    case 11: APPLICATION_handlemenu(506); break;
    case 12: APPLICATION_handlemenu(507); break;
    case 13: APPLICATION_handlekey('q'); break;
    case 14: APPLICATION_handlekey('e'); break;
    case 15: APPLICATION_handlekey('1'); break;
    case 16: APPLICATION_handlekey('2'); break;
    case 19: APPLICATION_handlekey('g'); break;
    case 20: set.parkbrake = 1; break;
    case 21: flt.sbrk = flt.sbrk > 0 ? 0 : 2; break;
    case 22: APPLICATION_handlekey('!'); break;
    case 23: APPLICATION_handlekey('.'); break;
    case 24: manage_das(636, 314); break;
    case 29: APPLICATION_handlekey(13); break;
    case 30: APPLICATION_handlekey(32); break;
    default: break;
    }
}

void release_action(int code)
{
    switch (code) {
    case 10:
    case 11:
    case 12: APPLICATION_handlemenu(500); break;
    case 20: set.parkbrake = 0; break;
    default: break;
    }
}

void button_actions()
{
    for (int i = 0; i < JOY_BUTTONS; ++i) {
        int code = set.joy_response[i];
        int now = n_button_pressed[i], before = o_button_pressed[i];
        if (now) held_action(code);
        if (now && !before) press_action(code);
        if (!now && before) release_action(code);
    }
}
} // namespace

int JOY_stick_id()
{
    return set.controls_type == 16 ? 1 : 0;
}

int JOY_init()
{
    set.controls_type = -1;
    int code = plat_joy_services() ? 1 : 2;
    memset(&joyinfoex, 0, sizeof joyinfoex);
    joyinfoex.dwSize = 52;
    joyinfoex.dwFlags = 255;
    plat_joy_state s;
    if (plat_joy_read(0, &s)) {
        set.controls_type = 15;
        code = 0;
    } else if (plat_joy_read(1, &s)) {
        set.controls_type = 16;
        code = 0;
    }
    if (code == 0) {
        plat_ff_open(JOY_stick_id());
        return 1;
    }
    if (code == 2)
        MACIBM_alert("My system-checking indicates that Windows is NOT set up to handle any joysticks!",
                     "The problem is in the Windows CONTROL PANEL folder, JOYSTICK control panel.",
                     "Flight control will therefore be with the mouse.",
                     "Click the mouse in the center of the windshield to toggle between flight-control and regular mouse mode.",
                     ALERT_NOTICE);
    else
        MACIBM_alert("My system-checking indicates that there are no joysticks on this computer",
                     "See 'My Computer:Control Panel:Game Devices' if you have a joystick plugged in.",
                     "Flight control will therefore be with the mouse.",
                     "Click the mouse in the center of the windshield to toggle between flight-control and regular mouse mode.",
                     ALERT_NOTICE);
    return 0;
}

float JOY_curve(float* dat, float nz)
{
    if (*dat < 0) *dat = fltmin2(*dat + nz, 0);
    else if (*dat > 0) *dat = fltmax2(*dat - nz, 0);
    float mag = std::pow(std::fabs(*dat), 1.5f);
    return *dat < 0 ? -mag : mag;
}

void JOY_get(float* joy_ptch, float* joy_roll, float* joy_hdng, float* joy_thro, int mouse_key)
{
    float ptch = 0, roll = 0, hdng = 0, thro = 0;
    if (set.controls_type == 15 || set.controls_type == 16) {
        read_stick();
        ptch = (float)joyinfoex.dwYpos / 32767.0f - 1.0f;
        roll = (float)joyinfoex.dwXpos / 32767.0f - 1.0f;
        hdng = (float)joyinfoex.dwRpos / 32767.0f - 1.0f;
        thro = 1.1f - ((float)joyinfoex.dwZpos / 65537.0f) * 1.2f;
        decode_buttons();
        helicopter_throttle_buttons();
    }
    if (set.controls_type == -1) ptch = roll = hdng = 0;
    if (!set.eq_ped) hdng = 0;
    if (mouse_key) {
        ptch += set.MK_ptch;
        roll += set.MK_roll;
        hdng += set.MK_hdng;
    }
    *joy_ptch = fltlim(JOY_curve(&ptch, set.NZptch) * set.joy_rat_ptch, -1, 1);
    *joy_roll = fltlim(JOY_curve(&roll, set.NZroll) * set.joy_rat_roll, -1, 1);
    *joy_hdng = fltlim(JOY_curve(&hdng, 0) * set.joy_rat_hdng, -1, 1);
    *joy_thro = fltlim(thro, -1, 1);
    if (mouse_key) button_actions();
    memcpy(o_button_pressed, n_button_pressed, sizeof o_button_pressed);
}
