// The map of the square in the terrain and obstacle modes: its projection
// into the map area (x 168..795, y 5..555) and its drawing.
#pragma once

namespace gelvani {

float ret_x(float lon);
float ret_y(float lat);
float ret_lon(float x);
float ret_lat(float y);

extern float flt_plotx[60][80];
extern float flt_ploty[60][80];

void plot_terrain();

} // namespace gelvani
