// Stand-ins for the world until the world issues land: a flat 3 x 2-degree
// window of ground at the chosen airport's elevation, its south-west corner at
// x = 0, z = 0.
#include "world_services.h"

#include "INITNAV.h"
#include "world_records.h"
#include "flight/flight_records.h"
#include "toolkit/HL_MNW.h"
#include "cockpit/P_UPDATE.h"
#include "shell/shell_records.h"

#include <GL/gl.h>

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

void load_region()
{
    int a = msc.loc_apt_wrl;
    flat_window(a >= 0 && a <= env.aptmax && a < APT_CAP ? apt_h[a] : 0.0f);
    if (env.dz > 0) {
        con.mtrtonrt = 494 / env.dz;
        con.nrttomtr = 1 / con.mtrtonrt;
    }
    // What lies in the window: the menus list these airports and navaids.
    for (int n = 0; n <= env.aptmax && n < APT_CAP; ++n)
        apt_inreg[n] = apt_lat[n][0] >= env.lat_sou && apt_lat[n][0] <= env.lat_sou + 2 &&
                       apt_lon[n][0] >= env.lon_wes && apt_lon[n][0] <= env.lon_wes + 3;
    for (int n = 0; n <= env.navmax && n < NAV_CAP; ++n)
        nav_inreg[n] = nav_lat[n] >= env.lat_sou && nav_lat[n] <= env.lat_sou + 2 && nav_lon[n] >= env.lon_wes &&
                       nav_lon[n] <= env.lon_wes + 3;
    env.apt_list_max = -1;
    APPLICATION_setupmenus();
}

// Until the scene is drawn: the 800 x 600 projection over the black scene
// and the panel on it.
void update_scenery()
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 800, 0, 600, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    if (!set.view_is_fullscreen) update_panel();
}

void build_apt(int, int)
{
}

void gen_wx_for_sec(int)
{
}
