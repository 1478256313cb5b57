// Weather of the world window: the precipitation field atm.wxr, the bumpy
// overcast deck mesh, and rain or snow on the windshield.
#pragma once

// The overcast mesh, 16 points a degree over the window and one degree
// beyond it: [0..80 west to east][0..64 south to north], x, bump y (0 down
// to -304.8 m), z; and its grey.
const int CLOUD_I = 81;
const int CLOUD_J = 65;
extern float cloudxyz[CLOUD_I][CLOUD_J][3];
extern float cloudrgb[CLOUD_I][CLOUD_J][3];

// Rain drops or snow flakes: screen x, y (800 x 600) and distance 10..100.
const int PREC_CAP = 200;
extern float prec_x[PREC_CAP], prec_y[PREC_CAP], prec_z[PREC_CAP];
extern int quickdrop;   // the one fast rain drop

// Brightness of terrain and panel, 0..1; the scene frame sets it each frame.
extern float ogl_brat_ter;

// Random midpoint displacement over the block (i1..i2, j1..j2) of a grid
// addressed z[(i * jdim + j) * tdim + t_os], levels level1..level2.
void fractalize(int i1_sec, int j1_sec, int i2_sec, int j2_sec, float* z, int jdim, int tdim, int t_os,
                float delzlo, float delzhi, int level1, int level2);
// Window square 0..5 (0..2 south row west to east, 3..5 north row).
void gen_wx_for_sec(int quadrant);
// Mesh sector isec 0..4 west to east, jsec 0..3 south to north.
void fill_a_sector_with_ocast(int isec, int jsec);
// Slides: blocks i1..i2, j1..j2 of 210 (field) or 16 (mesh) points move by
// (deli, delj) points.
void shift_weather(int i1, int i2, int j1, int j2, int deli, int delj);
void shift_cloud(int i1, int i2, int j1, int j2, int deli, int delj);

// Sets atm.prec_rat from the eye's place in the deck and the weather, and
// gives the last drop index to move (-1: none).
int set_prec_rat();
// Moves the drops or flakes one frame inside the rectangle; the ones to draw
// go into xy (two vertices per rain streak, one per flake). Gives the vertex
// count; *lines is 1 for rain.
int move_precip(float x1, float y1, float x2, float y2, float xy[][2], int* lines);
// Draws the windshield's rain or snow inside the rectangle (800 x 600 units).
void do_window_precip(float x1, float y1, float x2, float y2);
