// The instrument panel's layout and gauge scales, laid out once per aircraft
// load from the panel choices the aircraft file carries.
#pragma once

// init_panel_layout (declared where load_plane calls it) places the
// instruments, the engine gauges and levers and the glide-slope box, sets the
// dial scales and the attitude-indicator rows. Runs inside load_plane on the
// converted record; more than three wide instruments in a row end the program.
#include "flight/cockpit_calls.h"

// A gauge maximum rounded up to a full-scale value (2700 -> 3000).
int gage_me(float data);
// Tick spacing, number spacing and label ratio of a gauge of full scale data.
void set_mod(int data, int* tickmod, int* numbmod, int* labelrat);

// Full scales of the engine gauges: propeller rpm, N1 and torque in per
// cent, manifold pressure as stored, fuel flow in lb/h.
float tac_max();
float n1__max();
float mpr_max();
float trq_max();
float ff__max();
