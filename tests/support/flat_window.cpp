#include "flat_window.h"

#include "toolkit/HL_TYPES.h"
#include "records/world_state.h"

#include <cmath>

void flat_window(float h)
{
    float degree = 60 * con.nmtomtrs;
    float coslat = std::cos((env.lat_sou + 1.0f) * con.degtorad);
    env.lox = 0;
    env.hix = 3 * degree * coslat;
    env.hiz = 0;
    env.loz = -2 * degree;
    env.dx = env.hix - env.lox;
    env.dz = env.hiz - env.loz;
    for (int c = 0; c < 3; ++c) {
        for (int r = 0; r < 2; ++r) {
            env.lonwes_ref[c][r] = (float)(env.lon_wes + c);
            env.planex_ref[c][r] = c * degree * coslat;
        }
    }
    env.min_h = env.max_h = h;
    for (int i = 0; i < GRID_I; ++i) {
        for (int j = 0; j < GRID_J; ++j) {
            planexyz[i][j][0] = env.dx * i / (GRID_I - 1);
            planexyz[i][j][1] = h;
            planexyz[i][j][2] = -env.dz * j / (GRID_J - 1);
        }
    }
}
