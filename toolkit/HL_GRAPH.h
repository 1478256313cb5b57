// Drawing in the 800 x 600 space: OpenGL or the software canvas.
#pragma once

extern unsigned char rgb_array[800 * 600 * 3];
extern unsigned char current_rgb[3];

void OGL_setstate(int fog, int tex, int lit, int dep);
void OGL_bindtex(int index);
void OGL_setcolor(int index);
void OGL_assigncolor(int index, float r, float g, float b);
void BUF_point(int x, int y);
void OGL_sbuf();
void OGL_line(int color, float x1, float y1, float x2, float y2);
void OGL_fillrect(int color, float x, float y, float dx, float dy);
void OGL_framerect(int color, float x, float y, float dx, float dy);
void OGL_plot_background();

// Textures and bitmaps.
int OGL_texbmp(int type, int p1, int p2, const char* name);
