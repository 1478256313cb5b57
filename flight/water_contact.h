// Water contact: the bottoms of the fuselage, nacelles and floats against a
// travelling wave.
#pragma once

// The water branch of the contact phase: the three bottom-line points of
// every station of every body that exists. 1 when any point is immersed.
int water_contact();

// Height of the water at world (x east, z south) now: the surface under the
// aircraft plus the wave; flat water when the wave length is not positive.
float water_height(float x, float z);

// One body point: part en (18..24), station s, radial point r, arms in
// metres (aircraft axes), the water height over it. 1 when the point is in
// the water (at the surface counts): buoyancy, damping, planing, friction and
// side forces are added and flt.onground is set.
int handle_float_point(int en, int s, int r, float x, float y, float z, float water_h);
