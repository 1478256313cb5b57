// What the scene frame decides each frame for the drawers: which terrain
// cells, objects and airports are drawn, the view wedge, and the light colour.
#pragma once

extern int ter_inrange[178][159];
extern int obj_inrange_xyz[3000];
extern int obj_inrange[3000];
extern int apt_inrange_xyz[90];
extern int apt_inrange[90];
// Corners of the view wedge (m): the eye, then the two far corners.
extern float x0, z0, x1, z1, x2, z2;
// Colour of light 0 (ambient and diffuse).
extern float lite_r, lite_g, lite_b;

// 1 when the ground point (x, z) lies inside the view wedge widened by dxz (m).
int incone(float x, float z, float dxz);
