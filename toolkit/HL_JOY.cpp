// The stick's force feedback and closing it.
#include "HL_JOY.h"

#include "HL_FUNCT.h"
#include "HL_MNW.h"
#include "platform/joystick.h"

#include <cstring>

joyinfostruct joyinfoex;
int n_button_pressed[JOY_BUTTONS];
int o_button_pressed[JOY_BUTTONS];

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
