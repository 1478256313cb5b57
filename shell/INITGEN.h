// One-time set-up of the simulator's tables and defaults.
#pragma once

#include "world/star_and_ship_shapes.h"

void initgen();
int initspeechsynth();
void assign_hr(int row, float kft, float slug_ft3);
// The density-by-height table of the atmosphere (22 rows to 259,000 ft).
void init_density_table();
void init_tape(int* tape, int width, int height, int centre, int top, int digit);
void init_nav_pic(int symbol, const char* const rows[10]);
void init_nav_pic_line(int symbol, int y, const char* row);
void rway_to_cs(int number, char suffix, int helipad, char* output);
