#include "close_request.h"

#include "platform/window.h"
#include "toolkit/HL_TYPES.h"

void queue_close_and_answer(int answer)
{
    // The prompt, 300 x 100, stands centred on the 800 x 600 drawing space;
    // its buttons are 100 x 14.
    static const float button_x[4] = {0, 20, 20, 180}, button_y[4] = {0, 45, 15, 15};
    const float x = 250 + button_x[answer] + 50, y = 250 + button_y[answer] + 7;
    const plat_event close{PLAT_DESTROYED, 0, 0, 0};
    const plat_event none{PLAT_NONE, 0, 0, 0};
    const plat_event move{PLAT_MOUSE_MOVE, 0, (int)(x * mnw.XRAT), (int)(mnw.YRES - y * mnw.YRAT)};
    const plat_event down{PLAT_BUTTON_DOWN, 0, 0, 0};
    const plat_event up{PLAT_BUTTON_UP, 0, 0, 0};
    for (const plat_event& e : {close, none, move, down, none, up, none}) plat_inject_event(&e);
}
