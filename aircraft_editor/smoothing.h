// The body cross-section editor and the two smoothings.
#pragma once

namespace fabrex {

// Smooths body b: total 0 pulls every section toward an ellipse; total 1
// first blends each station toward its neighbours, then pulls, then scales
// back to the mean radius it had.
void smoothit(int b, int total);
// Mean height of station s's first rdim points.
float ret_y_center(int b, int s, int rdim);
// Mean distance of the inner stations' points from their own centres,
// limited to 0.01 .. 9.9e9.
float ret_ave_rad(int b, int sdim, int rdim);

// End states of the grid editor, shared by all bodies: 0 OPEN, 1 CLOSED.
extern int nosetype, tailtype;

// The grid editor of body b with its centre line at yref, one frame.
void edit_body_grid(int b, float yref);

} // namespace fabrex
