// Stand-ins until the scene's drawers land: the frame runs and draws nothing of the world.
#include "scene_drawing.h"

void plot_stars(float, float, float, float, float, float, float) {}
void plot_clouds() {}
void plot_terrain() {}
void plot_city_lights() {}
void plot_trees() {}
void plot_lightning() {}
void plot_fires() {}
void plot_pavement(int, int, int, float, int) {}
void plot_runway(int, int, int, float) {}
void plot_windsock(int, int, int) {}
void plot_rway_lights() {}
void plot_obstacles() {}
