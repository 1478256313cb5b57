// Finding the stick at start-up, its force feedback and closing it.
#include "HL_JOY.h"

#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "platform/joystick.h"
#include "shell/shell_records.h"

#include <cstring>

joyinfostruct joyinfoex;
int n_button_pressed[JOY_BUTTONS];
int o_button_pressed[JOY_BUTTONS];

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

void JOY_force(int type, int a1, int a2, int a3)
{
    switch (type) {
    case 19:
        plat_ff_spring(0, intlim(a1, -100, 100), intlim(a3, 0, 100));
        plat_ff_spring(1, intlim(a2, -100, 100), intlim(a3, 0, 100));
        break;
    case 20: plat_ff_vibration(0, intlim(a1, 0, 100), intlim(a2, 0, 50)); break;
    case 21: plat_ff_vibration(1, intlim(a1, 0, 100), intlim(a2, 0, 50)); break;
    case 22: plat_ff_vibration_clear(0); break;
    case 23: plat_ff_vibration_clear(1); break;
    case 24: plat_ff_buffeting(intlim(a1, 0, 100)); break;
    case 25: plat_ff_buffeting_clear(); break;
    case 26: plat_ff_jolt(intlim(a1, 0, 100), intwrap(a2, 0, 359), intlim(a3, 0, 2500)); break;
    case 27: plat_ff_clear(); break;
    default: break;
    }
}

void JOY_close()
{
    plat_ff_close();
    plat_joy_close();
}
