// Services the settings windows call that belong to the moving map and to
// ATC; weak stand-ins in settings_standins.cpp hold their place until those land.
#pragma once

#include "moving_map.h"

// The airport's ATIS broadcast into text (400 characters).
void get_ATIS(int airport, int kind, char* text, int flag);
// The joystick window's captions of its 22 buttons (x 198, y 469 - 20 n)
// and of the 31 functions (x 280, y 474 - 15 k), until its frame carries them.
void draw_joystick_captions();
