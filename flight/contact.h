// Ground and water contact of the force build-up.
#pragma once

// Contact points: 0 nose (or tail) wheel, 1 and 2 left and right main wheels,
// 3 to 6 skid ends (left front, left rear, right front, right rear), 7 the
// body bottoms, 8 the wing tips. Points 7 and 8 stand for many points each.
const int CONTACT_POINTS = 9;

// Which points touched on the last call made within 50 m of the surface.
extern int o_down[CONTACT_POINTS];

// The contact phase of one half-step, run while the aircraft is within 50 m
// of the surface (above that it does nothing): over a water cell, unless a
// deck or drawn surface lies under the aircraft, the bodies meet the waves;
// otherwise the wheels, skids, wing tips and body bottoms meet the ground.
// Adds gear forces and moments, sets flt.onground on any touch, and plays
// the touch-down sounds and stick jolts of points that have just touched.
void contact_phase();

// One ground contact point: number w (0..8), arms in metres (aircraft axes),
// spring (N/m) and damper (N s/m), axial and side friction coefficients (for
// wheels: rolling and braking). 1 when the point touches and pushes; its
// deflection is left in pln.condef[w] (0 when clear of the ground).
int handle_contact_point(int w, float Xarm, float Yarm, float Zarm, float g_con, float g_dmp, float fco1,
                         float fco2);

// World x (east) and z (south) of the point at arms (X, Z) for the present
// heading; pitch and roll are ignored.
void contact_world_xz(float Xarm, float Zarm, float* x, float* z);

// Rolling, braking and side friction coefficients of a surface type (27..31
// runway surfaces, 32 open terrain; any other code counts as open terrain),
// with the runway friction setting applied.
void surface_friction(int surf_type, float* rolling, float* braking, float* side);
// Height (m) that the surface's bumps add to the ground at world (x, z).
float surface_bump(int surf_type, float x, float z);

// A banner line of the force trace in "Korvan.out": three yen signs, the
// title, then yen signs to 100 characters; an empty title is a rule line.
void contact_banner(const char* title);
