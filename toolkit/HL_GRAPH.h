// Drawing in the 800 x 600 space, y up, on two targets: the GL (immediate
// mode) and the software canvas rgb_array, chosen by to_array. Every 2-D
// primitive adds the open window's origin (mnw.x, mnw.y) once.
#pragma once

#include "HL_TEXTURE.h"

// The canvas: 800 x 600 pixels of red, green, blue, row 0 at the bottom;
// pixel (x, y) at byte (y * 800 + x) * 3.
const int CANVAS_W = 800;
const int CANVAS_H = 600;
extern unsigned char rgb_array[CANVAS_W * CANVAS_H * 3];
// The colour canvas drawing writes.
extern unsigned char current_rgb[3];

// The last fog, 2-D texture, lighting and depth-test states set, and the last
// texture bound (-1: none). Every enable, disable and bind of the suite goes
// through OGL_setstate and OGL_bindtex so that these stay true.
extern int o_fog, o_tex, o_lit, o_dep;
extern int o_index;

void OGL_setstate(int fog, int tex, int lit, int dep);
void OGL_bindtex(int index);
// Colour index 0..79; an index outside the table is fatal, as in OGL_assigncolor.
void OGL_setcolor(int index);
void OGL_assigncolor(int index, float r, float g, float b);
// One canvas pixel in current_rgb; points outside the canvas are dropped.
void BUF_point(int x, int y);
void OGL_sbuf();

void OGL_line(int color, float x1, float y1, float x2, float y2);
void OGL_fillrect(int color, float x, float y, float dx, float dy);
void OGL_framerect(int color, float x, float y, float dx, float dy);
void OGL_framecircle(int color, float x, float y, float r);
void OGL_fillcircle(int color, float x, float y, float r);
// Band of arcs from radius r1 to r2 between headings d1 and d2 (degrees,
// clockwise from straight up), one point per whole degree.
void OGL_arc(int color, float x, float y, float r1, float r2, float d1, float d2);
void OGL_2dquad(float s1, float t1, float s2, float t2, float s3, float t3, float s4, float t4,
                float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
// The two vertices of one segment of a line list the caller has opened.
void OGL_3dline(float x1, float y1, float z1, float x2, float y2, float z2);
void OGL_3dquad_st(const float* xyz1, const float* xyz2, const float* xyz3, const float* xyz4, int tex,
                   float s1, float t1, float s2, float t2);
void OGL_3dquad_flat(const float* xyz1, const float* xyz2, const float* xyz3, const float* xyz4, int tex,
                     float xmin, float zmin, float xrange, float zrange);
// Backdrop tile (i, j) over a rectangle of the drawing space (no window offset).
void tile(int i, int j, float x1, float y1, float x2, float y2, float s1, float t1, float s2, float t2);
// The backdrop of this frame, tinted by the panel light.
void OGL_plot_background();
