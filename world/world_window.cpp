#include "world_window.h"

#include "INITNAV.h"
#include "scenery_objects.h"
#include "terrain_grid.h"
#include "records/world_state.h"
#include "world_services.h"
#include "records/flight_state.h"
#include "toolkit/HL_FILE.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/codes.h"
#include "toolkit/env_file.h"
#include "toolkit/terrain_helpers.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {
// Every x of a square read between two loads comes from one reference pair
// (the west longitude and x of the load), so squares read by different slides
// meet without a step at their shared edge.
int ref_lon_wes;
float ref_x;

// The square file being read: static, nothing is allocated per read.
env_grid square;

float degree_mtrs()
{
    return 60 * con.nmtomtrs;
}

float x_of(float lat, float lon)
{
    return ref_x + (lon - ref_lon_wes) * degree_mtrs() * std::cos(lat * con.degtorad);
}

float z_of(float lat, float z0)
{
    return z0 - (lat - env.lat_sou) * degree_mtrs();
}

void runway_boxes(int lat, int lon, float z0)
{
    for (int a = 0; a < RWAY_BOX_APTS; ++a)
        for (int r = 0; r < 3; ++r) rway_elev[a][r] = -999;
    int l = -1;
    int last = intmin2(env.aptmax, APT_CAP - 1);
    for (int w = 0; w <= last; ++w) {
        if (!(apt_lat[w][0] >= lat - 0.1f && apt_lat[w][0] <= lat + 1.1f && apt_lon[w][0] >= lon - 0.1f &&
              apt_lon[w][0] <= lon + 1.1f))
            continue;
        l = intmin2(l + 1, RWAY_BOX_APTS - 1);
        for (int r = 0; r < 3; ++r) {
            if (apt_len[w][r] <= 0) continue;
            float cx = x_of(apt_lat[w][r], apt_lon[w][r]);
            float cz = z_of(apt_lat[w][r], z0);
            runway_box(cx, cz, apt_width[w][r], apt_len[w][r], apt_hdng[w][r], &r_x_min[l][r], &r_x_max[l][r],
                       &r_z_min[l][r], &r_z_max[l][r]);
            rway_elev[l][r] = apt_h[w];
        }
    }
}

void damaged(const char* path)
{
    MACIBM_alert("Damaged environment file!", path, "You should delete, replace, or fix this env file!", "",
                 ALERT_FATAL);
}

// Grid points of the square, from the file or as open water.
void read_grid(int lat, int lon, int i0, int j0, int from_file, const char* path, float z0)
{
    for (int j = 0; j <= STEPS_J; ++j) {
        for (int i = 0; i <= STEPS_I; ++i) {
            float plat, plon, elev;
            int water;
            if (from_file) {
                plat = square.lat[i][j];
                plon = square.lon[i][j];
                elev = square.elev[i][j];
                water = env_is_water(square.flags[i][j]);
                if (!env_point_sound(plat, plon, elev, lat, lon)) damaged(path);
            } else {
                plat = lat + (float)j / STEPS_J;
                plon = lon + (float)i / STEPS_I;
                elev = 0;
                water = 1;
            }
            float* p = planexyz[i0 + i][j0 + j];
            p[0] = x_of(plat, plon);
            p[1] = elev;
            p[2] = z_of(plat, z0);
            if (i < STEPS_I && j < STEPS_J) on_water[i0 + i][j0 + j] = water;
        }
    }
}

void flatten_runways(int i0, int j0)
{
    for (int i = i0; i < i0 + STEPS_I; ++i) {
        for (int j = j0; j < j0 + STEPS_J; ++j) {
            tree_on_poly[i][j] = !on_water[i][j];
            city_on_poly[i][j] = !on_water[i][j] && intrand(1, 10) == 1;
            float xlo = fltmin2(planexyz[i][j][0], planexyz[i][j + 1][0]);
            float xhi = fltmax2(planexyz[i + 1][j][0], planexyz[i + 1][j + 1][0]);
            float zlo = fltmin2(planexyz[i][j + 1][2], planexyz[i + 1][j + 1][2]);
            float zhi = fltmax2(planexyz[i][j][2], planexyz[i + 1][j][2]);
            for (int a = 0; a < RWAY_BOX_APTS; ++a) {
                for (int r = 0; r < 3; ++r) {
                    if (rway_elev[a][r] <= -998) continue;
                    if (!overlaps(xlo, xhi, r_x_min[a][r], r_x_max[a][r])) continue;
                    if (!overlaps(zlo, zhi, r_z_min[a][r], r_z_max[a][r])) continue;
                    float h = rway_elev[a][r] - 0.2f;
                    planexyz[i][j][1] = planexyz[i + 1][j][1] = h;
                    planexyz[i][j + 1][1] = planexyz[i + 1][j + 1][1] = h;
                    tree_on_poly[i][j] = 0;
                }
            }
        }
    }
}

// City lights round an object: the 3 x 3 block on its own cell, when that cell is land.
void mark_city_block(float x, float z)
{
    int ci, cj;
    cell_of_xz(x, z, &ci, &cj);
    if (on_water[ci][cj]) return;
    for (int i = intmax2(ci - 1, 0); i <= intmin2(ci + 1, GRID_I - 2); ++i)
        for (int j = intmax2(cj - 1, 0); j <= intmin2(cj + 1, GRID_J - 2); ++j) city_on_poly[i][j] = 1;
}

void read_objects(int lat, int lon, const char* path, float z0)
{
    env_obstacle o;
    for (;;) {
        int type = env_read_obstacle(&o, path);
        if (!env_obstacle_sound(&o, lat, lon)) damaged(path);
        obj_counter = obj_counter >= OBJ_CAP - 1 ? OBJ_FIRST_SQUARE_SLOT : obj_counter + 1;
        int slot = obj_counter;
        int positioned = (type >= 1 && type <= 6) || type == 8;
        float x = positioned ? x_of(o.lat, o.lon) : 0;
        float z = positioned ? z_of(o.lat, z0) : 0;
        if (type >= 2 && type <= 6) {
            float h = o.hddz * con.fttomtrs;
            int kind = type == 2 && h >= 130 ? intrand(90, 93) : type;
            make_an_obs(x, z, h, "", kind, slot);
        } else if (type == 8) {
            make_an_obs(x, z, o.hddz, o.name, 8, slot);
        }
        if (positioned) mark_city_block(x, z);
        // A record of another type has no fields and is passed over; a
        // stream that can give no more ends the list as 99 does.
        if (type == 99 || inf1.fail()) break;
    }
}

// A point at fraction r2 from the third corner toward the point at fraction
// r1 from the first corner to the second.
void point_in_triangle(const float* c1, const float* c2, const float* c3, float* out)
{
    float r1 = fltrand(0.01f, 0.99f), r2 = fltrand(0.01f, 0.99f);
    for (int k = 0; k < 3; ++k) {
        float p = c1[k] + r1 * (c2[k] - c1[k]);
        out[k] = c3[k] + r2 * (p - c3[k]);
    }
}

void lights_and_trees(int i0, int j0)
{
    for (int i = i0; i < i0 + STEPS_I; ++i) {
        for (int j = j0; j < j0 + STEPS_J; ++j) {
            for (int tri = 0; tri < 2; ++tri) {
                int i1, j1, i2, j2, i3, j3;
                convert_ij_dxy(i, j, tri, &i1, &j1, &i2, &j2, &i3, &j3);
                const float *c1 = planexyz[i1][j1], *c2 = planexyz[i2][j2], *c3 = planexyz[i3][j3];
                if (city_on_poly[i][j]) {
                    for (int l = 0; l < 5; ++l) {
                        float* p = city_xyz[i][j][tri][l];
                        point_in_triangle(c1, c2, c3, p);
                        p[1] += 3;
                    }
                }
                if (tree_on_poly[i][j]) {
                    for (int t = 0; t < 3; ++t) {
                        float(*tr)[3] = tree_xyz[i][j][tri][t];
                        point_in_triangle(c1, c2, c3, tr[0]);
                        tr[1][0] = tr[0][0], tr[1][1] = tr[0][1] + 20, tr[1][2] = tr[0][2];
                    }
                }
            }
        }
    }
}

int holds_vessel(int i, int j)
{
    return frig_on_poly[i][j] || carr_on_poly[i][j] || oilr_on_poly[i][j];
}

void place_ships(int i0, int j0, int from_file)
{
    for (int i = i0; i <= i0 + STEPS_I; ++i)
        for (int j = j0; j <= j0 + STEPS_J; ++j) frig_on_poly[i][j] = carr_on_poly[i][j] = oilr_on_poly[i][j] = 0;
    if (!from_file) return;
    int hits = 0;
    for (int i = 12; i <= 45; ++i) {
        for (int j = 12; j <= 65; ++j) {
            int I = i0 + i, J = j0 + j;
            // A vessel floats: its own cell is water.
            if (!on_water[I][J]) continue;
            int count = 0;
            for (int k = -4; k <= 4; ++k)
                if (on_water[I][J + k] == 0 || on_water[I + k][J] == 0) ++count;
            for (int a = intmax2(I - 12, 0); a <= intmin2(I + 12, GRID_I - 1); ++a)
                for (int b = intmax2(J - 12, 0); b <= intmin2(J + 12, GRID_J - 1); ++b)
                    if (holds_vessel(a, b)) count += 2;
            if (count != 1) continue;
            ++hits;
            if (hits == 1) frig_on_poly[I][J] = 1;
            if (hits == 2) carr_on_poly[I][J] = 1;
            if (hits == 3) oilr_on_poly[I][J] = 1;
        }
    }
}
} // namespace

int overlaps(float lo1, float hi1, float lo2, float hi2)
{
    return (lo1 >= lo2 && lo1 <= hi2) || (hi1 >= lo2 && hi1 <= hi2) || (lo2 >= lo1 && lo2 <= hi1) ||
           (hi2 >= lo1 && hi2 <= hi1);
}

void runway_box(float cx, float cz, int width, int len, int hdng, float* xlo, float* xhi, float* zlo, float* zhi)
{
    const float as[2] = {-0.5f * width, 4.5f * width}, bs[2] = {-0.5f * len, 0.5f * len};
    *xlo = *zlo = 9e30f;
    *xhi = *zhi = -9e30f;
    for (float a : as) {
        for (float b : bs) {
            float x = cx + rx3d(a, b, hdng), z = cz + rz3d(a, b, hdng);
            *xlo = fltmin2(*xlo, x), *xhi = fltmax2(*xhi, x);
            *zlo = fltmin2(*zlo, z), *zhi = fltmax2(*zhi, z);
        }
    }
}

void cell_of_xz(float x, float z, int* i, int* j)
{
    float x0 = planexyz[0][0][0], x1 = planexyz[GRID_I - 1][0][0];
    float z0 = planexyz[0][0][2], z1 = planexyz[0][GRID_J - 1][2];
    float fi = x1 != x0 ? (x - x0) / (x1 - x0) * (GRID_I - 1) : 0;
    float fj = z1 != z0 ? (z - z0) / (z1 - z0) * (GRID_J - 1) : 0;
    *i = intlim((int)fltlim(fi, -1, GRID_I), 0, GRID_I - 2);
    *j = intlim((int)fltlim(fj, -1, GRID_J), 0, GRID_J - 2);
}

void load_region()
{
    planexyz[0][0][0] = 0;
    planexyz[0][0][2] = 0;
    ref_lon_wes = env.lon_wes;
    ref_x = 0;
    memset(obj_type, 0, sizeof obj_type);
    for (int q = 0; q < SQ_COLS * SQ_ROWS; ++q) read_quadrant(env.lat_sou + q / SQ_COLS, env.lon_wes + q % SQ_COLS, q);
    finish_nav_readin();
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 4; ++j) fill_a_sector_with_ocast(i, j);
}

void read_quadrant(int lat, int lon, int quadrant)
{
    float z0 = planexyz[0][0][2];
    runway_boxes(lat, lon, z0);
    for (int k = 0; k < 10; ++k) MACIBM_showinit(1);

    int ci = intlim(lon - env.lon_wes, 0, SQ_COLS - 1), cj = intlim(lat - env.lat_sou, 0, SQ_ROWS - 1);
    env.lonwes_ref[ci][cj] = (float)ref_lon_wes;
    env.planex_ref[ci][cj] = ref_x;

    static char path[400];
    int from_file = 0;
    if (flt.Y < 100000 * con.fttomtrs) {
        char name[40];
        return_latlon_str_ENV(lat, lon, name, 1);
        snprintf(path, sizeof path, "%s", name);
        ap_dir("additional nav data", path);
        from_file = env_open(path);
    }
    if (from_file) env_read_grid(&square, path);

    int i0 = (quadrant % SQ_COLS) * STEPS_I, j0 = (quadrant / SQ_COLS) * STEPS_J;
    read_grid(lat, lon, i0, j0, from_file, path, z0);
    flatten_runways(i0, j0);

    if (from_file) {
        planexyz[GRID_I - 1][0][0] =
            ref_x + (env.lon_wes + SQ_COLS - ref_lon_wes) * degree_mtrs() * std::cos(env.lat_sou * con.degtorad);
        planexyz[0][GRID_J - 1][2] = z0 - SQ_ROWS * degree_mtrs();
        read_objects(lat, lon, path, z0);
        env_close();
        lights_and_trees(i0, j0);
    }
    place_ships(i0, j0, from_file);
    if (from_file) gen_wx_for_sec(quadrant);
}

void shift_geo(int i1, int i2, int j1, int j2, int deli, int delj)
{
    int ilo = i1 * STEPS_I, ihi = i2 * STEPS_I, jlo = j1 * STEPS_J, jhi = j2 * STEPS_J;
    // Run against the shift so that nothing is overwritten before it moves.
    int istep = deli > 0 ? -1 : 1, jstep = delj > 0 ? -1 : 1;
    for (int i = deli > 0 ? ihi : ilo; i >= ilo && i <= ihi; i += istep) {
        for (int j = delj > 0 ? jhi : jlo; j >= jlo && j <= jhi; j += jstep) {
            int ni = i + deli, nj = j + delj;
            if (ni < 0 || ni >= GRID_I || nj < 0 || nj >= GRID_J) continue;
            memcpy(planexyz[ni][nj], planexyz[i][j], sizeof planexyz[0][0]);
            frig_on_poly[ni][nj] = frig_on_poly[i][j];
            carr_on_poly[ni][nj] = carr_on_poly[i][j];
            oilr_on_poly[ni][nj] = oilr_on_poly[i][j];
            on_water[ni][nj] = on_water[i][j];
            city_on_poly[ni][nj] = city_on_poly[i][j];
            tree_on_poly[ni][nj] = tree_on_poly[i][j];
            atm.therm_on_poly[ni][nj] = atm.therm_on_poly[i][j];
            memcpy(city_xyz[ni][nj], city_xyz[i][j], sizeof city_xyz[0][0]);
            memcpy(tree_xyz[ni][nj], tree_xyz[i][j], sizeof tree_xyz[0][0]);
        }
    }
    env.i_aircraft += deli;
    env.i_viewpoint += deli;
    env.j_aircraft += delj;
    env.j_viewpoint += delj;
}

void shift_ref(int i1, int j1, int i2, int j2)
{
    env.lonwes_ref[i2][j2] = env.lonwes_ref[i1][j1];
    env.planex_ref[i2][j2] = env.planex_ref[i1][j1];
}

void drop_old_quadrants(int type_shift)
{
    // East and west slides keep the x origin: every x comes from the load's
    // reference pair. South slides move z.
    if (type_shift == SHIFT_SOUTH)
        for (int i = 0; i < GRID_I - 1; i += STEPS_I) planexyz[i][0][2] += degree_mtrs();

    // Each grid has its own blocks: the rain field counts its rows from the
    // north, the cloud mesh reaches a degree beyond the window (5 x 4 blocks).
    struct slide {
        int i1, i2, j1, j2, deli, delj;
    };
    struct slides {
        int type;
        slide geo, field, mesh;
    };
    static const slides table[] = {
        {SHIFT_WEST, {0, 2, 0, 2, STEPS_I, 0}, {0, 2, 0, 2, 210, 0}, {0, 4, 0, 4, 16, 0}},
        {SHIFT_EAST, {1, 3, 0, 2, -STEPS_I, 0}, {1, 3, 0, 2, -210, 0}, {1, 5, 0, 4, -16, 0}},
        {SHIFT_SOUTH, {0, 3, 0, 1, 0, STEPS_J}, {0, 3, 1, 2, 0, -210}, {0, 5, 0, 3, 0, 16}},
        {SHIFT_NORTH, {0, 3, 1, 2, 0, -STEPS_J}, {0, 3, 0, 1, 0, 210}, {0, 5, 1, 4, 0, -16}},
    };
    const slides* t = nullptr;
    for (const slides& c : table)
        if (c.type == type_shift) t = &c;
    if (!t) return;
    shift_geo(t->geo.i1, t->geo.i2, t->geo.j1, t->geo.j2, t->geo.deli, t->geo.delj);
    shift_weather(t->field.i1, t->field.i2, t->field.j1, t->field.j2, t->field.deli, t->field.delj);
    shift_cloud(t->mesh.i1, t->mesh.i2, t->mesh.j1, t->mesh.j2, t->mesh.deli, t->mesh.delj);

    float east = planexyz[GRID_I - 1][GRID_J - 1][0], west = planexyz[0][0][0];
    float south = planexyz[GRID_I - 1][GRID_J - 1][2], north = planexyz[0][0][2];
    for (int o = 0; o < OBJ_CAP; ++o) {
        float x = obj_xyz[o][0][0][0], z = obj_xyz[o][0][0][2];
        if ((type_shift == SHIFT_WEST && x > east) || (type_shift == SHIFT_EAST && x < west) ||
            (type_shift == SHIFT_SOUTH && z < south) || (type_shift == SHIFT_NORTH && z > north))
            obj_type[o] = 0;
    }

    if (type_shift == SHIFT_WEST) {
        shift_ref(1, 0, 2, 0), shift_ref(1, 1, 2, 1), shift_ref(0, 0, 1, 0), shift_ref(0, 1, 1, 1);
    } else if (type_shift == SHIFT_EAST) {
        shift_ref(1, 0, 0, 0), shift_ref(1, 1, 0, 1), shift_ref(2, 0, 1, 0), shift_ref(2, 1, 1, 1);
    } else if (type_shift == SHIFT_NORTH) {
        shift_ref(0, 1, 0, 0), shift_ref(1, 1, 1, 0), shift_ref(2, 1, 2, 0);
    } else {
        shift_ref(0, 0, 0, 1), shift_ref(1, 0, 1, 1), shift_ref(2, 0, 2, 1);
    }
}

void finish_nav_readin()
{
    env.lox = planexyz[0][0][0];
    env.hix = planexyz[GRID_I - 1][GRID_J - 1][0];
    env.hiz = planexyz[0][0][2];
    env.loz = planexyz[GRID_I - 1][GRID_J - 1][2];
    env.dx = env.hix - env.lox;
    env.dz = env.hiz - env.loz;
    if (env.dz != 0) {
        con.mtrtonrt = 494 / env.dz;
        con.nrttomtr = 1 / con.mtrtonrt;
    }

    int last_apt = intmin2(env.aptmax, APT_CAP - 1);
    for (int n = 0; n <= last_apt; ++n)
        apt_inreg[n] = apt_lat[n][0] >= env.lat_sou && apt_lat[n][0] <= env.lat_sou + SQ_ROWS &&
                       apt_lon[n][0] >= env.lon_wes && apt_lon[n][0] <= env.lon_wes + SQ_COLS;
    int last_nav = intmin2(env.navmax, NAV_CAP - 1);
    for (int n = 0; n <= last_nav; ++n)
        nav_inreg[n] = nav_lat[n] >= env.lat_sou && nav_lat[n] <= env.lat_sou + SQ_ROWS && nav_lon[n] >= env.lon_wes &&
                       nav_lon[n] <= env.lon_wes + SQ_COLS;

    for (int o = 0; o < OBJ_FIRST_SQUARE_SLOT; ++o) obj_type[o] = 0;
    APPLICATION_setupmenus();

    for (int i = 0; i < GRID_I; ++i) {
        for (int j = 0; j < GRID_J; ++j) {
            const float* ie = planexyz[intmin2(i + 1, GRID_I - 1)][j];
            const float* iw = planexyz[intmax2(i - 1, 0)][j];
            const float* jn = planexyz[i][intmin2(j + 1, GRID_J - 1)];
            const float* js = planexyz[i][intmax2(j - 1, 0)];
            float e[3] = {ie[0] - iw[0], (ie[1] - iw[1]) * 10, ie[2] - iw[2]};
            float n[3] = {jn[0] - js[0], (jn[1] - js[1]) * 10, jn[2] - js[2]};
            find_normal_vects(e, n, planenrml[i][j]);
        }
    }

    env.min_h = env.max_h = 0;
    for (int i = 0; i < GRID_I; ++i) {
        for (int j = 0; j < GRID_J; ++j) {
            env.min_h = fltmin2(env.min_h, planexyz[i][j][1]);
            env.max_h = fltmax2(env.max_h, planexyz[i][j][1]);
        }
    }

    assign_terrain_texes(GRID_I, GRID_J);

    float fx1 = planexyz[20][20][0], fx2 = planexyz[158][139][0];
    float fz1 = planexyz[20][20][2], fz2 = planexyz[158][139][2];
    for (int f = 0; f < 10; ++f) {
        float x = scn.firexyz[f][0], z = scn.firexyz[f][2];
        if (scn.fire_on[f] && x >= fltmin2(fx1, fx2) && x <= fltmax2(fx1, fx2) && z >= fltmin2(fz1, fz2) &&
            z <= fltmax2(fz1, fz2))
            return;
    }
    for (int i = 0; i < GRID_I - 1; ++i) {
        for (int j = 0; j < GRID_J - 1; ++j) {
            if (i < 20 || i > 158 || j < 20 || j > 139 || planetex[i][j] != 23) continue;
            if (fltrand(0, 1) >= 0.001f) continue;
            for (int f = 0; f < 10; ++f) {
                scn.firexyz[f][0] = planexyz[i][j][0];
                scn.firexyz[f][1] = planexyz[i][j][1];   // on the ground of its new place
                scn.firexyz[f][2] = planexyz[i][j][2];
                scn.fire_on[f] = 1;
            }
        }
    }
}
