// Texture choices of the square's cells, as the simulator will show them:
// water or grass by cell, then the transition textures along the borders.
#include "gelvani_program.h"

#include "gelvani_records.h"

#include "toolkit/HL_FUNCT.h"

namespace gelvani {

namespace {
const int TEX_WATER = 15, TEX_GRASS = 19, TEX_MOUNTAIN = 23;
const int NONE = -1;

// The cell kind and its six border pieces of the last new_border pass.
int region_tex[7] = {NONE, NONE, NONE, NONE, NONE, NONE, NONE};

void set_st(int i, int j, int s00, int s01, int s11, int s10, int t00, int t01, int t11, int t10, int tex)
{
    if (i < 0 || i >= GRID_I || j < 0 || j >= GRID_J) return;
    planetex[i][j] = tex;
    int(*c)[2][2] = planest[i][j];
    c[0][0][0] = s00, c[0][0][1] = t00;
    c[0][1][0] = s01, c[0][1][1] = t01;
    c[1][1][0] = s11, c[1][1][1] = t11;
    c[1][0][0] = s10, c[1][0][1] = t10;
}

// The four turns of a cell texture; 3 is the plain one.
void orient(int i, int j, int o, int tex)
{
    switch (o) {
    case 1: set_st(i, j, 1, 1, 0, 0, 1, 0, 0, 1, tex); break;
    case 2: set_st(i, j, 1, 0, 0, 1, 0, 0, 1, 1, tex); break;
    case 3: set_st(i, j, 0, 0, 1, 1, 0, 1, 1, 0, tex); break;
    default: set_st(i, j, 0, 1, 1, 0, 1, 1, 0, 0, tex); break;
    }
}

int is(int i, int j, int t)
{
    return t != NONE && i >= 0 && i < GRID_I && j >= 0 && j < GRID_J && planetex[i][j] == (unsigned)t;
}

// Cell (i, j) has the kind or a border piece of the pass under way.
int coast(int i, int j)
{
    for (int t : region_tex)
        if (is(i, j, t)) return 1;
    return 0;
}

// Cells of kind t_mod bordering kind t_adj1 become straight pieces, inner
// and outer corners turned toward that neighbour.
void new_border(int t_mod, int t_adj1, int t_adj2, int t_lin_h1, int t_ins_c1, int t_out_c1, int t_lin_h2,
                int t_ins_c2, int t_out_c2, int id, int jd)
{
    int regions[7] = {t_mod, t_lin_h1, t_ins_c1, t_out_c1, t_lin_h2, t_ins_c2, t_out_c2};
    for (int k = 0; k < 7; ++k) region_tex[k] = regions[k];
    auto adjacent = [&](int i, int j) { return is(i, j, t_adj1) || is(i, j, t_adj2); };
    for (int i = 1; i <= id - 2; ++i)
        for (int j = 1; j <= jd - 2; ++j) {
            if (!is(i, j, t_mod)) continue;
            if (is(i + 1, j, t_adj1)) {
                if (coast(i, j - 1) && coast(i, j + 1)) orient(i, j, 1, t_lin_h1);
                if (adjacent(i, j + 1)) orient(i, j, 2, t_ins_c1);
                if (adjacent(i, j - 1)) orient(i, j, 1, t_ins_c1);
            }
            if (is(i - 1, j, t_adj1)) {
                if (coast(i, j - 1) && coast(i, j + 1)) orient(i, j, 3, t_lin_h1);
                if (adjacent(i, j + 1)) orient(i, j, 3, t_ins_c1);
                if (adjacent(i, j - 1)) orient(i, j, 4, t_ins_c1);
            }
            if (is(i, j + 1, t_adj1)) {
                if (coast(i - 1, j) && coast(i + 1, j)) orient(i, j, 2, t_lin_h1);
                if (adjacent(i + 1, j)) orient(i, j, 2, t_ins_c1);
                if (adjacent(i - 1, j)) orient(i, j, 3, t_ins_c1);
            }
            if (is(i, j - 1, t_adj1)) {
                if (coast(i - 1, j) && coast(i + 1, j)) orient(i, j, 4, t_lin_h1);
                if (adjacent(i + 1, j)) orient(i, j, 1, t_ins_c1);
                if (adjacent(i - 1, j)) orient(i, j, 4, t_ins_c1);
            }
            if (is(i - 1, j - 1, t_adj1) && coast(i - 1, j) && coast(i, j - 1)) orient(i, j, 2, t_out_c1);
            if (is(i - 1, j + 1, t_adj1) && coast(i - 1, j) && coast(i, j + 1)) orient(i, j, 1, t_out_c1);
            if (is(i + 1, j - 1, t_adj1) && coast(i + 1, j) && coast(i, j - 1)) orient(i, j, 3, t_out_c1);
            if (is(i + 1, j + 1, t_adj1) && coast(i + 1, j) && coast(i, j + 1)) orient(i, j, 4, t_out_c1);
        }
}

int mixed(unsigned a, unsigned b)
{
    return (a == TEX_GRASS && b == TEX_MOUNTAIN) || (a == TEX_MOUNTAIN && b == TEX_GRASS);
}
} // namespace

void assign_terrain_texes(int id, int jd)
{
    id = intlim(id, 0, GRID_I);
    jd = intlim(jd, 0, GRID_J);
    // The editor shows no slopes: land is grass wherever it stands.
    for (int i = 0; i < id - 1; ++i)
        for (int j = 0; j < jd - 1; ++j) orient(i, j, 3, on_water[i][j] ? TEX_WATER : TEX_GRASS);

    for (int i = 0; i < id - 1; ++i)
        for (int j = 0; j + 1 < jd - 1; j += 2)
            if (mixed(planetex[i][j], planetex[i][j + 1])) planetex[i][j + 1] = planetex[i][j];
    for (int j = 0; j < jd - 1; ++j)
        for (int i = 0; i + 1 < id - 1; i += 2)
            if (mixed(planetex[i][j], planetex[i + 1][j])) planetex[i + 1][j] = planetex[i][j];

    new_border(TEX_MOUNTAIN, TEX_GRASS, NONE, 20, 21, 22, NONE, NONE, NONE, id, jd);
    new_border(TEX_WATER, TEX_GRASS, TEX_MOUNTAIN, 16, 17, 18, 24, 25, 26, id, jd);
    new_border(TEX_WATER, TEX_MOUNTAIN, TEX_GRASS, 24, 25, 26, 16, 17, 18, id, jd);
}

} // namespace gelvani
