// The engine gauges: RPM, N1, manifold pressure, torque, fuel flow and
// exhaust temperature, as round dials, small dials with readouts on a
// systems-display panel, or tapes with more than two engines.
#pragma once

void init_egt(float x, float y);
void init_tac(float x, float y);
void init_n1_(float x, float y);
void init_mpr(float x, float y);
void init_trq(float x, float y);
void init_ff_(float x, float y);

void update_egt(int eng, float x, float y);
void update_tac(int eng, float x, float y, int type);
void update_n1_(int eng, float x, float y, int type);
void update_mpr(int eng, float x, float y, int type);
void update_trq(int eng, float x, float y, int type);
void update_ff_(int eng, float x, float y, int type);

// Torque in per cent of pmax / omegamax; 0 when either is not positive.
float torque_percent(int eng);
