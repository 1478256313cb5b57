// What the simulator asks of the cockpit and ATC.
#pragma once

#include "flight/morse.h"
#include "flight/radios.h"
#include "flight/cockpit_calls.h"

void speakstring(const char* text);
// Starts a controller's phrase in `string` with a call sign: the player's
// (us 1) or another aircraft's (us 0).
void start_command_string(char* string, int us);
// The pilot's ATC request menu; 1 takes the highlighted entry.
void plot_atc_options(int is_clicked);
