// The world window: 3 x 2 one-degree terrain squares around the aircraft,
// built whole by load_region and slid one degree at a time.
#pragma once

// Squares of the window (west to east, south to north) and grid steps per degree.
const int SQ_COLS = 3, SQ_ROWS = 2;
const int STEPS_I = 59, STEPS_J = 79;

// Slides of drop_old_quadrants.
enum { SHIFT_WEST = 2, SHIFT_EAST = 3, SHIFT_NORTH = 4, SHIFT_SOUTH = 5 };

void load_region();
void read_quadrant(int lat, int lon, int quadrant);
void drop_old_quadrants(int type_shift);
void shift_geo(int i1, int i2, int j1, int j2, int deli, int delj);
void shift_ref(int i1, int j1, int i2, int j2);
void finish_nav_readin();

// The grid cell (clamped) that holds world point (x, z), found by linear
// interpolation between the window's corner points.
void cell_of_xz(float x, float z, int* i, int* j);

// The flattened box of a runway centred at (cx, cz) m: half a width to one
// side of the centre line, four and a half to the other, turned by the heading.
void runway_box(float cx, float cz, int width, int len, int hdng, float* xlo, float* xhi, float* zlo, float* zhi);
// 1 when the intervals overlap, ends included.
int overlaps(float lo1, float hi1, float lo2, float hi2);
