// Geometry and terrain helpers: whole-degree rotations, the aircraft attitude
// transform, unit normals, the terrain grid's triangles, the ground height
// under a point and the terrain textures.
#pragma once

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
void convert_ij_dxy(int i, int j, int tri, int* i1, int* j1, int* i2, int* j2, int* i3, int* j3);
// The same for a cell of di x dj points, cut along either diagonal.
void convert_ij_cw(int i, int j, int tri, int* i1, int* j1, int* i2, int* j2, int* i3, int* j3, int div, int di,
                   int dj);

// 1 when (x, z) lies on the clockwise side of the edge (x1, z1) -> (x2, z2),
// or within dis of it.
int inside_cw_reg(float x1, float z1, float x2, float z2, float x, float z, float dis);

// Height of the surface under (x, z). *i, *j: the cell to search from; they
// receive the cell found. With us set, a carrier or frigate deck or a drawn
// runway, roof or platform under the aircraft comes first.
float find_local_h(float x, float z, int* i, int* j, int us);

// Texture number and corner texture coordinates of cell (i, j).
void set_st(int i, int j, float s00, float s01, float s11, float s10, float t00, float t01, float t11, float t10,
            int tex);
// 1 when cell (i, j) has the kind or a border piece of the last new_border.
int coast(int i, int j);
// Turns cells of kind t_mod that border kind t_adj1 into border pieces.
void new_border(int t_mod, int t_adj1, int t_adj2, int t_lin_h1, int t_ins_c1, int t_out_c1, int t_lin_h2,
                int t_ins_c2, int t_out_c2, int id, int jd);
// Water, flat and steep textures and the borders between them over id x jd points.
void assign_terrain_texes(int id, int jd);
