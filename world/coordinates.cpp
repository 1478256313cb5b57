#include "coordinates.h"

#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "records/world_state.h"

#include <cmath>

// Each one-degree square converts longitude with the reference pair it was
// built with, so squares loaded at different times as the window slides agree
// with their own terrain.

namespace {
// Metres of one degree of latitude.
float degree_mtrs()
{
    return 60 * con.nmtomtrs;
}

// A position's square along one axis: f truncated and limited to 0..hi.
int square_of(float f, int hi)
{
    if (!(f > 0)) return 0;
    if (f >= hi) return hi;
    return (int)f;
}
} // namespace

float Z_with_lat(float lat)
{
    return env.hiz - (lat - env.lat_sou) * degree_mtrs();
}

float lat_with_z(float z)
{
    return env.lat_sou + (env.hiz - z) * con.mtrstonm / 60;
}

float X_with_latlon(float lat, float lon)
{
    int i = intlim(round(lon - 0.5f) - env.lon_wes, 0, 2);
    int j = intlim(round(lat - 0.5f) - env.lat_sou, 0, 1);
    return (lon - env.lonwes_ref[i][j]) * degree_mtrs() * std::cos(lat * con.degtorad) + env.planex_ref[i][j];
}

float lon_with_xz(float x, float z)
{
    int i = env.dx != 0 ? square_of((x - env.lox) / env.dx * 3, 2) : 0;
    int j = env.dz != 0 ? square_of((env.hiz - z) / env.dz * 2, 1) : 0;
    return (x - env.planex_ref[i][j]) / (degree_mtrs() * std::cos(lat_with_z(z) * con.degtorad)) +
           env.lonwes_ref[i][j];
}
