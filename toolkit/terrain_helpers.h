// Geometry and terrain helpers: whole-degree rotations, the aircraft attitude
// transform, unit normals and the triangles of a terrain grid's cells. The
// simulator's own grid, its ground height and textures: world/terrain_grid.h.
#pragma once

#include "HL_FUNCT.h"

#include <cmath>

// Rotations by a whole-degree heading 0..360 through the sine/cosine tables.
float rx2d(float x, float y, int hdng);
float ry2d(float x, float y, int hdng);
float rx3d(float x, float z, int hdng);
float rz3d(float x, float z, int hdng);

// Rotates (xi, yi, zi) by the aircraft attitude in the con.*PLAN* slots:
// given (east, north, up), gives (right, forward, up) in the aircraft.
void xfrm_VVECT(float xi, float yi, float zi, float* xyzout);

// n = a x b normalised; (0, 1, 0) when a and b are parallel.
void find_normal_vects(float* a, float* b, float* n);

// Corners of triangle tri of cell (i, j) of the terrain grid.
// Inline: the ground height under every contact point takes it.
inline void convert_ij_dxy(int i, int j, int tri, int* i1, int* j1, int* i2, int* j2, int* i3, int* j3)
{
    if (tri == 0) {
        *i1 = i, *j1 = j + 1;
        *i2 = i + 1, *j2 = j + 1;
        *i3 = i, *j3 = j;
    } else {
        *i1 = i + 1, *j1 = j;
        *i2 = i, *j2 = j;
        *i3 = i + 1, *j3 = j + 1;
    }
}
// The same for a cell of di x dj points, cut along either diagonal.
void convert_ij_cw(int i, int j, int tri, int* i1, int* j1, int* i2, int* j2, int* i3, int* j3, int div, int di,
                   int dj);

// 1 when (x, z) lies on the clockwise side of the edge (x1, z1) -> (x2, z2),
// or within dis of it. Inline: the ground search tests every contact point.
inline int inside_cw_reg(float x1, float z1, float x2, float z2, float x, float z, float dis)
{
    if (std::fabs(x2 - x1) > std::fabs(z2 - z1)) {
        float zl = interp(x1, z1, x2, z2, x);
        return x2 < x1 ? z - dis < zl : z + dis > zl;
    }
    float xl = interp(z1, x1, z2, x2, z);
    return z2 < z1 ? x + dis > xl : x - dis < xl;
}
