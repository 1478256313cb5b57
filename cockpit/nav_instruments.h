// The navigation instruments (drawers declared in P_UPDATE.h) and the numbers
// they are made of, kept apart so that they can be checked headless.
#pragma once

// DME smoothing: the last smoothed distance (nm), its time and the last speed.
struct dme_state {
    float dist, time, speed;
};
// One reading: smooths the distance into st and gives the distance, the speed
// (knots) and the minutes to the station, each 0..999. A step with no
// elapsed time keeps the last speed.
void dme_step(dme_state* st, float distance_nm, float now, float* d, float* s, int* minutes);

// GPS minutes to the target at speed v (m/s), 0..999; 0 when standing.
int gps_minutes(float dis_m, float v);

// ADF needle: one frame's turn from adf toward the bearing b at 90 degrees
// a second at most; 0..359.
int adf_step(int adf, int b, float prd);

// Radar altimeter dial angle of a height in feet.
float radalt_angle(float feet);
// 1 on the frame the height falls below the decision height; keeps *below.
int radalt_call(float h, float dh, int* below);

// Variometer needle angle from one frame's specific-energy change; keeps *e_o.
int vari_step(float* e_o, double y, float av, float prd);

// The lightning detector's ring of 30 strikes, each shown for 60 s.
struct strike_ring {
    float x[30], z[30], t_exp[30];
    int next, o_inprog;
};
// Records a strike on the frame one starts (stop time ahead of now).
void strike_ring_update(strike_ring* ring, float stop_time, float now, float sx, float sz);
// Display radius (2.5 units per nm) and bearing from the nose of slot k, or
// 0 when it has expired or lies 17.6 nm or more away.
int strike_position(const strike_ring* ring, int k, float now, float* r, int* c);
