// The terrain grid of the world window: the ground height under a point and
// the terrain textures of its cells.
#include "terrain_grid.h"

#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/terrain_borders.h"
#include "toolkit/terrain_helpers.h"
#include "records/world_state.h"

#include <cmath>

namespace {
// Highest cell indices of the terrain grid.
const int IMAX = GRID_I - 2;
const int JMAX = GRID_J - 2;

// Texture numbers of the terrain.
const int TEX_WATER = 15;
const int TEX_FLAT = 19;
const int TEX_STEEP = 23;

// Triangle 0 of a cell is (i, j), (i, j+1), (i+1, j+1); triangle 1 is
// (i, j), (i+1, j+1), (i+1, j); each corner list runs clockwise.
int in_triangle(int i, int j, int tri, float x, float z)
{
    const float* a = planexyz[i][j];
    const float* b = tri == 0 ? planexyz[i][j + 1] : planexyz[i + 1][j + 1];
    const float* c = tri == 0 ? planexyz[i + 1][j + 1] : planexyz[i + 1][j];
    const float tol = 1.0f;
    // A point well outside the triangle's bounds fails an edge test anyway:
    // the bounds test only saves the three divisions (grid triangles have no
    // angle sharp enough for the edge tolerance to reach past this margin).
    const float margin = 10 * tol;
    if (x < fltmin3(a[0], b[0], c[0]) - margin || x > fltmax3(a[0], b[0], c[0]) + margin ||
        z < fltmin3(a[2], b[2], c[2]) - margin || z > fltmax3(a[2], b[2], c[2]) + margin)
        return 0;
    return inside_cw_reg(a[0], a[2], b[0], b[2], x, z, tol) && inside_cw_reg(b[0], b[2], c[0], c[2], x, z, tol) &&
           inside_cw_reg(c[0], c[2], a[0], a[2], x, z, tol);
}

// Cell (i, j) holds (x, z): 1 with the triangle in *tri.
int in_cell(int i, int j, float x, float z, int* tri)
{
    for (int t = 0; t < 2; ++t) {
        if (in_triangle(i, j, t, x, z)) {
            *tri = t;
            return 1;
        }
    }
    return 0;
}

// Height of the plane through triangle tri of cell (i, j) at (x, z). A
// triangle with no extent in x or z has no slope to give: its first corner's
// height stands.
float plane_height(int i, int j, int tri, float x, float z)
{
    int i1, j1, i2, j2, i3, j3;
    convert_ij_dxy(i, j, tri, &i1, &j1, &i2, &j2, &i3, &j3);
    const float* p1 = planexyz[i1][j1];
    const float* p2 = planexyz[i2][j2];
    const float* p3 = planexyz[i3][j3];
    float dx12 = p2[0] - p1[0], dz12 = p2[2] - p1[2];
    float dx13 = p3[0] - p1[0], dz13 = p3[2] - p1[2];
    float dy12 = p2[1] - p1[1], dy13 = p3[1] - p1[1];
    float den_x = dx13 * dz12 - dx12 * dz13;
    float den_z = dz13 * dx12 - dz12 * dx13;
    if (den_x == 0 || den_z == 0) return p1[1];
    float mx = (dy13 * dz12 - dy12 * dz13) / den_x;
    float mz = (dy13 * dx12 - dy12 * dx13) / den_z;
    return p1[1] + (x - p1[0]) * mx + (z - p1[2]) * mz;
}

// Deck height of a ship whose deck lies `deck` metres above its reference
// point, from the ship transform the scene drawing left in con.
float deck_height(float x, float z, float deck)
{
    float tan_roll = con.sinBOATphi / con.cosBOATphi;
    float tan_pitch = con.sinBOATthe / con.cosBOATthe;
    return con.BOAT_loc_Y + deck * con.cosBOATphi * con.cosBOATthe - (x - con.BOAT_loc_X) * tan_roll -
           (z - con.BOAT_loc_Z) * tan_pitch;
}

// The world grid's cells for the border passes.
const terrain_cells grid = {
    GRID_I,
    GRID_J,
    [](int i, int j) { return planetex[i][j]; },
    [](int i, int j, int tex, const int* st) {
        if (st) set_st(i, j, st[0], st[1], st[2], st[3], st[4], st[5], st[6], st[7], tex);
        else planetex[i][j] = tex;
    },
};
} // namespace

float find_local_h(float x, float z, int* i, int* j, int us)
{
    int i0 = intlim(*i, 0, IMAX);
    int j0 = intlim(*j, 0, JMAX);
    int fi = i0, fj = j0, tri = 0;

    // Rings of cells around the start cell, nearest first. The ring that
    // takes in the whole grid is searched too, so that no cell of the grid
    // goes unfound however far the start cell lies from it.
    int found = 0;
    for (int r = 0; !found; ++r) {
        int ilo = i0 - r, ihi = i0 + r, jlo = j0 - r, jhi = j0 + r;
        for (int ci = intmax2(ilo, 0); ci <= intmin2(ihi, IMAX) && !found; ++ci) {
            if (ci == ilo || ci == ihi) {
                for (int cj = intmax2(jlo, 0); cj <= intmin2(jhi, JMAX) && !found; ++cj)
                    if (in_cell(ci, cj, x, z, &tri)) fi = ci, fj = cj, found = 1;
            } else {
                // Inner cells of the ring were searched by the smaller rings.
                if (jlo >= 0 && in_cell(ci, jlo, x, z, &tri)) fi = ci, fj = jlo, found = 1;
                else if (jhi <= JMAX && jhi != jlo && in_cell(ci, jhi, x, z, &tri)) fi = ci, fj = jhi, found = 1;
            }
        }
        if (ilo <= 0 && ihi >= IMAX && jlo <= 0 && jhi >= JMAX) break;
    }
    if (!found) tri = 0;
    *i = fi;
    *j = fj;

    if (us) {
        if (env.over_carr) return deck_height(x, z, 21);
        if (env.over_frig) return deck_height(x, z, 7);
        if (env.over_obs) return env.obj_height;
    }
    return plane_height(fi, fj, tri, x, z);
}

void set_st(int i, int j, float s00, float s01, float s11, float s10, float t00, float t01, float t11, float t10,
            int tex)
{
    if (i < 0 || i >= GRID_I || j < 0 || j >= GRID_J) return;
    planetex[i][j] = tex;
    float(*c)[2][2] = planest[i][j];
    c[0][0][0] = s00, c[0][0][1] = t00;
    c[0][1][0] = s01, c[0][1][1] = t01;
    c[1][1][0] = s11, c[1][1][1] = t11;
    c[1][0][0] = s10, c[1][0][1] = t10;
}

int coast(int i, int j)
{
    return coast_cell(grid, i, j);
}

void new_border(int t_mod, int t_adj1, int t_adj2, int t_lin_h1, int t_ins_c1, int t_out_c1, int t_lin_h2,
                int t_ins_c2, int t_out_c2, int id, int jd)
{
    border_pass(grid, t_mod, t_adj1, t_adj2, t_lin_h1, t_ins_c1, t_out_c1, t_lin_h2, t_ins_c2, t_out_c2, id, jd);
}

void assign_terrain_texes(int id, int jd)
{
    id = intlim(id, 0, GRID_I);
    jd = intlim(jd, 0, GRID_J);

    for (int i = 0; i < id - 1; ++i) {
        for (int j = 0; j < jd - 1; ++j) {
            int tex = TEX_WATER;
            if (!on_water[i][j]) {
                const float* p = planexyz[i][j];
                const float* pi = planexyz[i + 1][j];
                const float* pj = planexyz[i][j + 1];
                float slope = std::fabs((pi[1] - p[1]) / (pi[0] - p[0])) + std::fabs((pj[1] - p[1]) / (pj[2] - p[2]));
                tex = slope < 0.05f ? TEX_FLAT : TEX_STEEP;
                if (tex == TEX_STEEP) city_on_poly[i][j] = 0;
            }
            orient_cell(grid, i, j, 3, tex);
        }
    }
    terrain_borders(grid, TEX_WATER, TEX_FLAT, TEX_STEEP, id, jd);
}
