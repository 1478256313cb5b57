// Stand-ins for the world until the world issues land: an empty database and a
// flat 3 x 2-degree window of sea-level ground around the chosen corner.
#include "world_services.h"

#include "world_records.h"
#include "toolkit/HL_MNW.h"

void init_country_data()
{
    env.aptmax = -1;
    env.navmax = -1;
}

void load_region()
{
    const float half_x = 3 * 60 * 1852 * 0.5f * 0.75f;
    const float half_z = 2 * 60 * 1852 * 0.5f;
    env.lox = -half_x;
    env.hix = half_x;
    env.loz = -half_z;
    env.hiz = half_z;
    env.dx = env.hix - env.lox;
    env.dz = env.hiz - env.loz;
    if (env.dz > 0) {
        con.mtrtonrt = 494 / env.dz;
        con.nrttomtr = 1 / con.mtrtonrt;
    }
    env.apt_list_max = -1;
    APPLICATION_setupmenus();
}

void update_scenery()
{
}

void build_apt(int, int)
{
}

void gen_wx_for_sec(int)
{
}
