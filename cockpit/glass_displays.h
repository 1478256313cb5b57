// The map-like displays: the glass panel's electronic map (23), the moving
// map (24) and the weather radar (25), all drawn by update_glass.
#pragma once

// Where a display draws: its box, the aircraft's place in it, the map and
// symbol headings (whole degrees) and the scale (panel units per metre).
struct glass_view {
    int left, bot, w, h;
    float xa, ya;
    int map_hdg, sym_hdg;
    float scale;
};
void glass_view_for(int type, glass_view* v);
// A world offset from the aircraft (x east, z south, metres) on the display.
void glass_project(const glass_view* v, float dx, float dz, float* px, float* py);

// The radar picture, 128 x 128 RGB, rows from the bottom of the box; rebuilt
// by update_glass on every tenth frame while there is weather to show.
const int RADAR_SIDE = 128;
extern unsigned char radar_rgb[RADAR_SIDE * RADAR_SIDE * 3];
// The palette entry of a precipitation sample, 0..4.
int radar_index(float wxr, float rain_tstm);
// Fills radar_rgb for a view; samples off the weather grid are black.
void build_radar_picture(const glass_view* v);

// The 10 x 10 symbol of a navaid type (1 airport, 2 NDB, 3 VOR) as points
// in a list the caller has opened; an airport also gets its identifier.
void hs_plot_nav(int type, int n, float x, float y);
