#include "ship_fixture.h"

#include "tests/support/flat_window.h"

#include "records/flight_state.h"
#include "shell/INITGEN.h"
#include "shell/startup.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "records/world_state.h"

namespace {
outline_pts upper_ring(const char* name, const float (*shape)[2][3], std::vector<int> ring)
{
    outline_pts o{name, {}};
    for (int k : ring) o.xz.push_back({shape[k][1][0], shape[k][1][2]});
    o.xz.push_back(o.xz.front());
    return o;
}
} // namespace

void ship_world()
{
    clear_global_state();
    fill_constants();
    fill_trig_tables();
    fill_colours();
    fill_ship_shapes();
    env.lat_sou = 32;
    env.lon_wes = -119;
    flat_window(0);
    env.navmax = 100;
    reset_contact();
}

void place_aircraft(double x, double y, double z)
{
    flt.X = x;
    flt.Y = y;
    flt.Z = z;
}

void reset_contact()
{
    env.surf_type = 32;
    env.over_carr = env.over_frig = env.over_obs = 0;
    env.obj_height = 0;
}

outline_pts carrier_outline()
{
    // The deck's edge ring without its one zero-length side (18 is 12).
    return upper_ring("carrier", carr_pxyz, {12, 19, 20, 13, 14, 15, 16, 22, 23, 21, 17});
}

outline_pts frigate_outline()
{
    return upper_ring("frigate", frig_pxyz, {2, 3, 9, 10});
}

outline_pts rig_outline()
{
    return upper_ring("rig", oilr_pxyz, {0, 1, 2, 3});
}
