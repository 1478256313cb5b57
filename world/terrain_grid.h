// The world window's terrain grid: the ground height under a point and the
// terrain textures of its cells.
#pragma once

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
