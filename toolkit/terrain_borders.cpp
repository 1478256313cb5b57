#include "terrain_borders.h"

#include "HL_FUNCT.h"

namespace {
const int NONE = -1;

// The cell kind and its six border pieces of the last border_pass.
int region_tex[7] = {NONE, NONE, NONE, NONE, NONE, NONE, NONE};

// Corner coordinates s00, s01, s11, s10, t00, t01, t11, t10 of the four turns.
const int TURN_ST[4][8] = {
    {1, 1, 0, 0, 1, 0, 0, 1},
    {1, 0, 0, 1, 0, 0, 1, 1},
    {0, 0, 1, 1, 0, 1, 1, 0},
    {0, 1, 1, 0, 1, 1, 0, 0},
};

int on_grid(const terrain_cells& g, int i, int j)
{
    return i >= 0 && i < g.ni && j >= 0 && j < g.nj;
}

int is(const terrain_cells& g, int i, int j, int t)
{
    return t != NONE && on_grid(g, i, j) && g.tex(i, j) == t;
}
} // namespace

void orient_cell(const terrain_cells& g, int i, int j, int o, int tex)
{
    if (!on_grid(g, i, j)) return;
    g.set(i, j, tex, TURN_ST[o >= 1 && o <= 3 ? o - 1 : 3]);
}

int coast_cell(const terrain_cells& g, int i, int j)
{
    for (int t : region_tex)
        if (is(g, i, j, t)) return 1;
    return 0;
}

void border_pass(const terrain_cells& g, int t_mod, int t_adj1, int t_adj2, int t_lin_h1, int t_ins_c1, int t_out_c1,
                 int t_lin_h2, int t_ins_c2, int t_out_c2, int id, int jd)
{
    int regions[7] = {t_mod, t_lin_h1, t_ins_c1, t_out_c1, t_lin_h2, t_ins_c2, t_out_c2};
    for (int k = 0; k < 7; ++k) region_tex[k] = regions[k];
    id = intlim(id, 0, g.ni);
    jd = intlim(jd, 0, g.nj);
    auto coast = [&](int i, int j) { return coast_cell(g, i, j); };
    auto adjacent = [&](int i, int j) { return is(g, i, j, t_adj1) || is(g, i, j, t_adj2); };
    auto orient = [&](int i, int j, int o, int tex) { orient_cell(g, i, j, o, tex); };
    for (int i = 1; i <= id - 2; ++i) {
        for (int j = 1; j <= jd - 2; ++j) {
            if (!is(g, i, j, t_mod)) continue;
            if (is(g, i + 1, j, t_adj1)) {
                if (coast(i, j - 1) && coast(i, j + 1)) orient(i, j, 1, t_lin_h1);
                if (adjacent(i, j + 1)) orient(i, j, 2, t_ins_c1);
                if (adjacent(i, j - 1)) orient(i, j, 1, t_ins_c1);
            }
            if (is(g, i - 1, j, t_adj1)) {
                if (coast(i, j - 1) && coast(i, j + 1)) orient(i, j, 3, t_lin_h1);
                if (adjacent(i, j + 1)) orient(i, j, 3, t_ins_c1);
                if (adjacent(i, j - 1)) orient(i, j, 4, t_ins_c1);
            }
            if (is(g, i, j + 1, t_adj1)) {
                if (coast(i - 1, j) && coast(i + 1, j)) orient(i, j, 2, t_lin_h1);
                if (adjacent(i + 1, j)) orient(i, j, 2, t_ins_c1);
                if (adjacent(i - 1, j)) orient(i, j, 3, t_ins_c1);
            }
            if (is(g, i, j - 1, t_adj1)) {
                if (coast(i - 1, j) && coast(i + 1, j)) orient(i, j, 4, t_lin_h1);
                if (adjacent(i + 1, j)) orient(i, j, 1, t_ins_c1);
                if (adjacent(i - 1, j)) orient(i, j, 4, t_ins_c1);
            }
            if (is(g, i - 1, j - 1, t_adj1) && coast(i - 1, j) && coast(i, j - 1)) orient(i, j, 2, t_out_c1);
            if (is(g, i - 1, j + 1, t_adj1) && coast(i - 1, j) && coast(i, j + 1)) orient(i, j, 1, t_out_c1);
            if (is(g, i + 1, j - 1, t_adj1) && coast(i + 1, j) && coast(i, j - 1)) orient(i, j, 3, t_out_c1);
            if (is(g, i + 1, j + 1, t_adj1) && coast(i + 1, j) && coast(i, j + 1)) orient(i, j, 4, t_out_c1);
        }
    }
}

void terrain_borders(const terrain_cells& g, int water, int flat, int steep, int id, int jd)
{
    id = intlim(id, 0, g.ni);
    jd = intlim(jd, 0, g.nj);
    auto mixed = [&](int a, int b) { return (a == flat && b == steep) || (a == steep && b == flat); };
    for (int i = 0; i < id - 1; ++i)
        for (int j = 0; j + 1 < jd - 1; j += 2)
            if (mixed(g.tex(i, j), g.tex(i, j + 1))) g.set(i, j + 1, g.tex(i, j), nullptr);
    for (int j = 0; j < jd - 1; ++j)
        for (int i = 0; i + 1 < id - 1; i += 2)
            if (mixed(g.tex(i, j), g.tex(i + 1, j))) g.set(i + 1, j, g.tex(i, j), nullptr);

    border_pass(g, steep, flat, NONE, 20, 21, 22, NONE, NONE, NONE, id, jd);
    border_pass(g, water, flat, steep, 16, 17, 18, 24, 25, 26, id, jd);
    border_pass(g, water, steep, flat, 24, 25, 26, 16, 17, 18, id, jd);
}
