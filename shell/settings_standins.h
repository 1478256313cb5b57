// What the settings windows call that is not built yet; its stand-in is in
// settings_standins.cpp.
#pragma once

#include "moving_map.h"

// The joystick window's captions of its 22 buttons (x 198, y 469 - 20 n)
// and of the 31 functions (x 280, y 474 - 15 k), until its frame carries them.
void draw_joystick_captions();
