// The drawers the scene frame calls in its 3-D pass: sky and terrain, runways and their lights,
// obstacles and buildings. Each reads the world records and draws with the current render state.
#pragma once

void plot_stars(float base_r, float base_g, float base_b, float x1, float y1, float x2, float y2);
void plot_clouds();
void plot_terrain();
void plot_city_lights();
void plot_trees();
void plot_lightning();
void plot_fires();

void plot_pavement(int apt_reg, int rway, int m, float ar, int t);
void plot_runway(int apt_reg, int apt_wrl, int rway, float ar);
void plot_windsock(int apt_reg, int rway, int s);
void plot_rway_lights();

void plot_obstacles();
