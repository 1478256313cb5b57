// The moving map: charts, local map, weather radar and airport diagram.
#pragma once

// Per-frame handler of the map windows (3 place on map, 24 airport diagram).
void manage_map();
// Draws the whole map.
void plot_map();

// Map position in pixels of a world point (m east, m south).
float pixelxfinder(float simx);
float pixelyfinder(float simz);

// The view's steps, as the map's buttons make them: zoom by 1.5 about the
// centre (1 to 50), pan by 0.2 of the span in the direction (dx, dy) of the
// screen, the aircraft in the middle, and the view held inside the world window.
void map_zoom_in();
void map_zoom_out();
void map_pan(int dx, int dy);
void map_centre_on_aircraft();
void map_hold_in_window();
// The world point (m) under a map pixel.
void map_world_at(float x, float y, float* simx, float* simz);

// One step of the path trail: a two-pixel line from the previous point to
// (x1, y1) when samples c - 1 and c are both recorded; first starts a trail.
void plot_path(int first, float x1, float y1, int c);
// The aircraft icon at (x, y) pointing along heading h, flashing.
void flashplane(float x, float y, float h);
void plot_icon(float x, float y, int col, const char* str);
