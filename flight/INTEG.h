// The integrator: one half-step of the flight state.
#pragma once

// Magnetic variation, radians, positive east: [latitude -60 + 30 i][longitude -180 + 10 j].
extern const float mag_var[5][37];

// Advances flt by msc.prd seconds (the flight step passes half its period)
// from the accelerations set_a has just left in flt.
void integ_vx();
