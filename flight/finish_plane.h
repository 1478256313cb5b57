// Completion of a loaded aircraft: mass distribution, body areas, slats,
// flaps, gear springs and resting attitude, stall speed estimate, downwash
// and propwash maps, and the design checks that refuse what cannot fly.
#pragma once

#include "toolkit/part_geometry.h"

// The last stage of load_plane, on the record already in SI and centre-of-
// gravity coordinates with element areas and airfoils in place. Logs to trk;
// a failed design check refuses the aircraft (refuse_aircraft; the
// resting-attitude remark only warns).
void finishplane();

// Area of the triangle P1 P2 P3.
float findarea(float x1, float y1, float z1, float x2, float y2, float z2, float x3, float y3, float z3);

// Bilinear interpolation in a 3 x 3 table, z_ij at (x_i, y_j), with the y
// grid descending (y1 > y2 > y3); beyond the grid it extrapolates the edge
// cell.
float interp9(float x1, float x2, float x3, float y1, float y2, float y3, float z11, float z21, float z31,
              float z12, float z22, float z32, float z13, float z23, float z33, float x, float y);

// Downwash behind a lifting part, degrees per unit lift coefficient (times
// the cosine of its sweep), from the vertical and longitudinal separations in
// its semi-spans and its aspect and taper ratios.
float findspecwash(float hDs, float xDs, float AR, float TR);

