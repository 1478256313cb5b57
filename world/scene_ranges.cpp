#include "scene_ranges.h"

#include "toolkit/terrain_helpers.h"

int ter_inrange[178][159];
int obj_inrange_xyz[3000];
int obj_inrange[3000];
int apt_inrange_xyz[90];
int apt_inrange[90];
float x0, z0, x1, z1, x2, z2;
float lite_r = 1, lite_g = 1, lite_b = 1;

int incone(float x, float z, float dxz)
{
    return inside_cw_reg(x0, z0, x1, z1, x, z, dxz) && inside_cw_reg(x1, z1, x2, z2, x, z, dxz) &&
           inside_cw_reg(x2, z2, x0, z0, x, z, dxz);
}
