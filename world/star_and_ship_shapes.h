// The shapes the scene draws: the stars, the ships and the oil rig.
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

// The ship and oil-rig shapes and the carrier's lights (part of initgen).
void fill_ship_shapes();
void load_geo(float x, float y, float z, float* destination);
