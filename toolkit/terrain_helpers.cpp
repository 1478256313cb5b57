#include "terrain_helpers.h"

#include "HL_FUNCT.h"
#include "HL_TYPES.h"

#include <cmath>

namespace {
// Any whole degree to a table index 0..359 (the tables agree at 360).
int deg_index(int hdng)
{
    return ((hdng % 360) + 360) % 360;
}
} // namespace

float rx2d(float x, float y, int hdng)
{
    int h = deg_index(hdng);
    return lookup_cos[h] * x + lookup_sin[h] * y;
}

float ry2d(float x, float y, int hdng)
{
    int h = deg_index(hdng);
    return lookup_cos[h] * y - lookup_sin[h] * x;
}

float rx3d(float x, float z, int hdng)
{
    int h = deg_index(hdng);
    return lookup_cos[h] * x - lookup_sin[h] * z;
}

float rz3d(float x, float z, int hdng)
{
    int h = deg_index(hdng);
    return lookup_cos[h] * z + lookup_sin[h] * x;
}

void xfrm_VVECT(float xi, float yi, float zi, float* xyzout)
{
    float xh = xi * con.cosPLANpsi - yi * con.sinPLANpsi;
    float yh = yi * con.cosPLANpsi + xi * con.sinPLANpsi;
    float zp = zi * con.cosPLANthe - yh * con.sinPLANthe;
    xyzout[0] = xh * con.cosPLANphi - zp * con.sinPLANphi;
    xyzout[1] = yh * con.cosPLANthe + zi * con.sinPLANthe;
    xyzout[2] = zp * con.cosPLANphi + xh * con.sinPLANphi;
}

void find_normal_vects(float* a, float* b, float* n)
{
    double x = (double)a[1] * b[2] - (double)a[2] * b[1];
    double y = (double)a[2] * b[0] - (double)a[0] * b[2];
    double z = (double)a[0] * b[1] - (double)a[1] * b[0];
    double len = std::sqrt(x * x + y * y + z * z);
    if (len == 0) {
        n[0] = 0;
        n[1] = 1;
        n[2] = 0;
        return;
    }
    n[0] = (float)(x / len);
    n[1] = (float)(y / len);
    n[2] = (float)(z / len);
}

void convert_ij_cw(int i, int j, int tri, int* i1, int* j1, int* i2, int* j2, int* i3, int* j3, int div, int di,
                   int dj)
{
    if (div) {
        if (tri == 0) {
            *i1 = i + di, *j1 = j + dj;
            *i2 = i, *j2 = j;
            *i3 = i, *j3 = j + dj;
        } else {
            *i1 = i, *j1 = j;
            *i2 = i + di, *j2 = j + dj;
            *i3 = i + di, *j3 = j;
        }
    } else {
        if (tri == 0) {
            *i1 = i, *j1 = j + dj;
            *i2 = i + di, *j2 = j;
            *i3 = i, *j3 = j;
        } else {
            *i1 = i + di, *j1 = j;
            *i2 = i, *j2 = j + dj;
            *i3 = i + di, *j3 = j + dj;
        }
    }
}

