// The six primary flight instruments (drawers declared in P_UPDATE.h) and the
// numbers they are made of, kept apart so that they can be checked headless.
#pragma once

// Airspeed needle angle, 0..330, for a speed in the dial's unit.
int airspeed_needle(float v);
// A jet's maximum-speed needle, 0..350: Mmo at this speed of sound and
// density ratio, never past Vne (knots), in the dial's unit (mph unless
// asi_units is 2).
int mmo_needle(float a, float crtsig);

// One frame of the turn needle's lag toward 10 R (limited to +-55).
float turn_rate_step(float ts, float R, float prd);
// The ball's target: 4 atan(side / normal) in degrees, limited to +-15, with
// the normal force kept outside +-0.1.
float slip_target(float fside, float fnrml);

// Attitude picture: the horizon's inverse slope at roll r (0..359), limited
// to +-999; and the fill colours sky, ground, ring sky, ring ground.
float ah_inverse_slope(int r);
void ah_colours(int r, int glass, int out[4]);

// Altimeter: dial degrees of an altitude (360 per 1000 ft), its two needles
// and the rolling counter (hundreds of feet).
int alt_dial(float feet);
int alt_long_needle(int n_dat);
int alt_short_needle(int n_dat);
float alt_counter(int n_dat);

// Straight-line distance, nm, from the aircraft to what the DME of receiver
// w measures: the glide-slope transmitter of a full ILS, else the station.
float dme_distance_nm(int w);

// Points of a digit strip [len][12] seen through a window 2 half + 1 wide:
// column w shows strip entry offset + w (wrapped), rows downward from ytop.
void strip_points(const int (*strip)[12], int len, int offset, int half, float x, float ytop);
