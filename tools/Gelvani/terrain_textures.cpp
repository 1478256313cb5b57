// Texture choices of the square's cells, as the simulator will show them:
// water or grass by cell, then the transition textures along the borders.
#include "gelvani_program.h"

#include "gelvani_records.h"

#include "toolkit/HL_FUNCT.h"
#include "toolkit/terrain_borders.h"

namespace gelvani {

namespace {
const int TEX_WATER = 15, TEX_GRASS = 19, TEX_MOUNTAIN = 23;

// The square's cells for the border passes.
const terrain_cells grid = {
    GRID_I,
    GRID_J,
    [](int i, int j) { return (int)planetex[i][j]; },
    [](int i, int j, int tex, const int* st) {
        planetex[i][j] = tex;
        if (!st) return;
        int(*c)[2][2] = planest[i][j];
        c[0][0][0] = st[0], c[0][1][0] = st[1], c[1][1][0] = st[2], c[1][0][0] = st[3];
        c[0][0][1] = st[4], c[0][1][1] = st[5], c[1][1][1] = st[6], c[1][0][1] = st[7];
    },
};
} // namespace

void assign_terrain_texes(int id, int jd)
{
    id = intlim(id, 0, GRID_I);
    jd = intlim(jd, 0, GRID_J);
    // The editor shows no slopes: land is grass wherever it stands.
    for (int i = 0; i < id - 1; ++i)
        for (int j = 0; j < jd - 1; ++j) orient_cell(grid, i, j, 3, on_water[i][j] ? TEX_WATER : TEX_GRASS);
    terrain_borders(grid, TEX_WATER, TEX_GRASS, TEX_MOUNTAIN, id, jd);
}

} // namespace gelvani
