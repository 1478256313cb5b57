// The panel's drawing primitives: dial marks, faces, scales and lever slots
// painted once into the backdrop, and the needles, lamps, tapes and handles
// drawn every frame over it. Panel units, y up; dial angles whole degrees
// clockwise from straight up.
#pragma once

// Sine and cosine of a whole-degree dial angle of any size, wrapped fully
// into the tables (a non-finite angle reads as 0).
int dial_degree(float angle);
// A whole-degree angle of any size, truncated and wrapped fully into 0..359
// (a non-finite angle gives 0: callers that must draw nothing test first).
int wrap_degrees(double angle);
float dial_sin(float angle);
float dial_cos(float angle);

// Set-up, drawn into the backdrop.
void init_tickmark(float x, float y, float r1, float r2, int angle, int color);
void init_entick(float x, float y, int ctr, int val, int phi, int nummod);
void tape_arc(const char* string, float x, float y, int d1, int d2, int del, int labelrat, float conv, int mod);
void tape_arc_mark(int color, float x, float y, int r1, int r2, int a1, int a2, int offset);
void init_asi();
// The airspeed dial's angle of a speed (its unit as the caller chooses),
// unlimited; a speed below zero reads as zero.
float asi_angle(float v);
void init_vvi();
// The dial angle of a vertical speed c (hundreds of ft/min) on the face.
int vvi_face_angle(int c);
void init_handle(int p);

// Per frame.
void plot_needle(float x, float y, float angle, float l1, float l2, int color, int type);
void plot_pointer(float x, float y, int color);
void plot_gs(float x, float y);
void plot_efis_light(float x, float y, int on);
void plot_argus_button(float x, float y, int en);
void plot_marker(float x, float y, int en);
void plot_dg(float x, float y, int n_hdg, int rad);
// Vertices only: the caller has opened a line list.
void plot_hline(int ctr, float cx, float cy, const float* xlft, const float* xrgt, float tanphi_inv, int online1,
                int online2);
void plot_ahregion(float cx, float cy, int online1, int online2, float tanphi_inv, int full);
void plot_vtape(float x, float y, float fnum);
// The first strip row of each of the counter's four digits, 0..89.
void vtape_rows(float fnum, int first_row[4]);
void plot_tape_bug(int color, float x, float yctr, float dely, float dat);
void plot_glass_tape(int color, float x1, float x2, float yctr, float dely, float delyexc, float input, float modline,
                     int modnum, float pixrat, int dir);
// Vertices only: the caller has opened a quad list with texture 82 bound.
void plot_handle(float x, float y, float dx, float dy, int t);
// Texture corners of tile t for a handle dx x dy: s1, t1, s2, t2.
void handle_tex(int t, float dx, float dy, float st[4]);
