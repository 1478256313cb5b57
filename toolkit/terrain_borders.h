// The terrain textures' border passes on a grid of cells: flat and steep
// ground evened out in pairs of cells, then the transition pieces between
// water, flat and steep. The simulator's world grid and the scenery editor's
// square share them; each keeps its own arrays and reaches them through a
// terrain_cells.
#pragma once

struct terrain_cells {
    int ni, nj;   // the grid's size: cells (i, j) with 0 <= i < ni, 0 <= j < nj
    // The texture number of cell (i, j) on the grid.
    int (*tex)(int i, int j);
    // Sets the texture number of cell (i, j) on the grid and, unless st is
    // null, its corner coordinates s00, s01, s11, s10, t00, t01, t11, t10.
    void (*set)(int i, int j, int tex, const int* st);
};

// Cell (i, j), when on the grid, gets tex in turn o: 1, 2, 4 or 3, the plain one.
void orient_cell(const terrain_cells& g, int i, int j, int o, int tex);
// 1 when cell (i, j) has the kind or a border piece of the last border_pass.
int coast_cell(const terrain_cells& g, int i, int j);
// Over id x jd points, cells of kind t_mod bordering kind t_adj1 become
// straight pieces t_lin_h1, inner corners t_ins_c1 (also where t_adj2 lies
// beside) and outer corners t_out_c1, turned toward that neighbour. The
// second set of pieces counts as coast. -1 stands for no texture.
void border_pass(const terrain_cells& g, int t_mod, int t_adj1, int t_adj2, int t_lin_h1, int t_ins_c1, int t_out_c1,
                 int t_lin_h2, int t_ins_c2, int t_out_c2, int id, int jd);
// After each cell of the id x jd points holds water, flat or steep: flat and
// steep come in pairs of cells, first along j, then along i; then the borders
// of steep by flat, and of water by flat and by steep.
void terrain_borders(const terrain_cells& g, int water, int flat, int steep, int id, int jd);
