// One-time set-up of the simulator's tables and defaults.
#pragma once

// Stars on a sphere of 1000 m, ship and oil-rig shapes (ship frame, m).
extern float star_xyz[2000][3];
extern float carr_pxyz[52][2][3];
extern float frig_pxyz[41][2][3];
extern float oilr_pxyz[16][2][3];
extern float carr_lxyz[75][3];
extern float vasi_x, vasi_y, vasi_z;

// Deck heights the start placement relies on, m.
const float CARRIER_DECK_H = 21.0f;
const float FRIGATE_DECK_H = 7.0f;
const float OILRIG_DECK_H = 62.0f;

void initgen();
// The ship and oil-rig shapes and the carrier's lights (part of initgen).
void fill_ship_shapes();
int initspeechsynth();
void assign_hr(int row, float kft, float slug_ft3);
// The density-by-height table of the atmosphere (22 rows to 259,000 ft).
void init_density_table();
void init_tape(int* tape, int width, int height, int centre, int top, int digit);
void init_nav_pic(int symbol, const char* const rows[10]);
void init_nav_pic_line(int symbol, int y, const char* row);
void load_geo(float x, float y, float z, float* destination);
void rway_to_cs(int number, char suffix, int helipad, char* output);
