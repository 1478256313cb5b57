#include "scene_range.h"

#include "INITNAV.h"
#include "runways.h"
#include "weather_field.h"
#include "records/flight_state.h"
#include "region_lists.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/terrain_helpers.h"

#include <cmath>

int ter_inrange[GRID_I][GRID_J];
int obj_inrange_xyz[OBJ_CAP];
int obj_inrange[OBJ_CAP];
int apt_inrange_xyz[APT_REG_CAP];
int apt_inrange[APT_REG_CAP];
float x0, z0, x1, z1, x2, z2;
int old_i_view, old_j_view, old_vis_nm, old_view_oct;

int view_octant(int psi)
{
    for (int o = 1; o < 8; o++)
        if (psi < 45 * o) return o;
    return 8;
}

int octant_heading(int view, float flt_psi, float scn_psi)
{
    switch (view) {
    case 504: return intwrap((int)flt_psi - 45, 0, 359);
    case 505: return intwrap((int)flt_psi + 45, 0, 359);
    case 506: return intwrap((int)flt_psi - 90, 0, 359);
    case 507: return intwrap((int)flt_psi + 90, 0, 359);
    case 508: return intwrap((int)flt_psi - 135, 0, 359);
    case 509: return intwrap((int)flt_psi + 135, 0, 359);
    case 511: return intwrap((int)flt_psi + 180, 0, 359);
    case 513: case 514: case 517: case 518: return intwrap(round(scn_psi), 0, 359);
    default: return (int)flt_psi;
    }
}

int range_rebuild_due(int i_view, int j_view, int vis_nm, int oct, int typeshift)
{
    return typeshift != 0 || i_view != old_i_view || j_view != old_j_view || vis_nm != old_vis_nm ||
           oct != old_view_oct;
}

void make_range_box(float ex, float ez, float vis, int oct, range_box* b)
{
    b->xlo = ex - vis;
    b->xhi = ex + vis;
    b->zlo = ez - vis;
    b->zhi = ez + vis;
    // nothing behind the view is drawn
    if (oct == 2 || oct == 3) b->xlo = ex;
    else if (oct == 4 || oct == 5) b->zlo = ez;
    else if (oct == 6 || oct == 7) b->xhi = ex;
    else b->zhi = ez;
}

// Mesh index of a coordinate: v0 at index 0, vn at index n; an unbuilt mesh
// (both ends alike) spans it all.
static float mesh_index(float v, float v0, float vn, int n, float if_flat)
{
    if (v0 == vn) return if_flat;
    return interp(v0, 0, vn, (float)n, v);
}

void cloud_bounds(const range_box& b)
{
    const float xa = cloudxyz[0][0][0], xb = cloudxyz[CLOUD_I - 1][0][0];
    const float za = cloudxyz[0][0][2], zb = cloudxyz[0][CLOUD_J - 1][2];
    // the mesh has 81 x 65 points: the last column and row are 80 and 64
    scn.i1_plot_bound_cld = intlim(flt_to_int(mesh_index(b.xlo, xa, xb, CLOUD_I - 1, 0) - 1), 0, CLOUD_I - 1);
    scn.i2_plot_bound_cld = intlim(flt_to_int(mesh_index(b.xhi, xa, xb, CLOUD_I - 1, CLOUD_I) + 1), 0, CLOUD_I - 1);
    scn.j1_plot_bound_cld = intlim(flt_to_int(mesh_index(b.zhi, za, zb, CLOUD_J - 1, 0) - 1), 0, CLOUD_J - 1);
    scn.j2_plot_bound_cld = intlim(flt_to_int(mesh_index(b.zlo, za, zb, CLOUD_J - 1, CLOUD_J) + 1), 0, CLOUD_J - 1);
}

void terrain_bounds(const range_box& b)
{
    int i1 = 9999, i2 = 0, j1 = 9999, j2 = 0;
    for (int i = 1; i < GRID_I; i++) {
        for (int j = 1; j < GRID_J; j++) {
            const float x = planexyz[i][j][0], z = planexyz[i][j][2];
            if (x < b.xlo || x > b.xhi || z < b.zlo || z > b.zhi) continue;
            i1 = intmin2(i1, i);
            i2 = intmax2(i2, i);
            j1 = intmin2(j1, j);
            j2 = intmax2(j2, j);
        }
    }
    scn.i1_plot_bound_ter = intlim(i1 - 2, 0, GRID_I - 2);
    scn.i2_plot_bound_ter = intlim(i2 + 1, 0, GRID_I - 2);
    scn.j1_plot_bound_ter = intlim(j1 - 2, 0, GRID_J - 2);
    scn.j2_plot_bound_ter = intlim(j2 + 1, 0, GRID_J - 2);
}

static int in_box(const range_box& b, float x, float z, float m)
{
    return x >= b.xlo - m && x <= b.xhi + m && z >= b.zlo - m && z <= b.zhi + m;
}

int airport_point(int a, float* x, float* z)
{
    if (a < 0 || a >= APT_REG_CAP || a >= apt_listed) return 0;
    const int r = first_rway(apt_to_index[a]);
    if (r < 0) return 0;
    *x = scn.markxyz[a][r][0][0][0];
    *z = scn.markxyz[a][r][0][0][2];
    return 1;
}

void range_objects(const range_box& b)
{
    for (int c = 0; c < OBJ_CAP; c++)
        obj_inrange_xyz[c] = obj_type[c] != 0 && in_box(b, obj_xyz[c][0][0][0], obj_xyz[c][0][0][2], 1000);
    for (int a = 0; a < APT_REG_CAP; a++) {
        float x, z;
        apt_inrange_xyz[a] = airport_point(a, &x, &z) && in_box(b, x, z, 5000);
    }
}

int nearest_airport(float lat, float lon)
{
    int best = -1;
    float best_d = 0;
    for (int a = 0; a < apt_listed && a < REGION_LIST_CAP; a++) {
        const int w = apt_to_index[a];
        if (w < 0 || w >= APT_CAP || !apt_inreg[w]) continue;
        const float d = std::sqrt(sqr(apt_lat[w][0] - lat) + sqr(apt_lon[w][0] - lon));
        if (best < 0 || d < best_d) {   // a tie keeps the earlier one
            best = a;
            best_d = d;
        }
    }
    return best;
}

void rebuild_range(float ex, float ez, float vis, int oct)
{
    range_box b;
    make_range_box(ex, ez, vis, oct, &b);
    cloud_bounds(b);
    terrain_bounds(b);
    range_objects(b);
    const int a = nearest_airport(flt.lat, flt.lon);
    if (a >= 0) {
        msc.loc_apt_reg = a;
        msc.loc_apt_wrl = apt_to_index[a];
    }
}

void set_wedge(float ex, float ez, float psi, float vis)
{
    const float b = vis * 1.4142f;
    const int p1 = intwrap(intwrap(flt_to_int(psi) - 45, 0, 359), 0, 359);
    const int p2 = intwrap(intwrap(flt_to_int(psi) + 45, 0, 359), 0, 359);
    x0 = ex;
    z0 = ez;
    x1 = ex + b * lookup_sin[p1];
    z1 = ez - b * lookup_cos[p1];
    x2 = ex + b * lookup_sin[p2];
    z2 = ez - b * lookup_cos[p2];
}

int incone(float x, float z, float dxz)
{
    return inside_cw_reg(x0, z0, x1, z1, x, z, dxz) && inside_cw_reg(x1, z1, x2, z2, x, z, dxz) &&
           inside_cw_reg(x2, z2, x0, z0, x, z, dxz);
}

void wedge_ranges(float the, int abovetops, float tops)
{
    for (int c = 0; c < OBJ_CAP; c++)
        obj_inrange[c] = obj_inrange_xyz[c] && incone(obj_xyz[c][0][0][0], obj_xyz[c][0][0][2], 1000);
    for (int a = 0; a < APT_REG_CAP; a++) {
        float x, z;
        apt_inrange[a] = apt_inrange_xyz[a] && airport_point(a, &x, &z) && incone(x, z, 5000);
    }
    if (the < -30) {
        // looking steeply down: the wedge says nothing of what lies below
        for (int i = 0; i < GRID_I; i++)
            for (int j = 0; j < GRID_J; j++) ter_inrange[i][j] = 1;
    } else {
        for (int i = scn.i1_plot_bound_ter; i <= scn.i2_plot_bound_ter; i++)
            for (int j = scn.j1_plot_bound_ter; j <= scn.j2_plot_bound_ter; j++)
                ter_inrange[i][j] = incone(planexyz[i][j][0], planexyz[i][j][2], 5000);
    }
    if (!abovetops) return;
    for (int i = scn.i1_plot_bound_ter; i <= scn.i2_plot_bound_ter; i++)
        for (int j = scn.j1_plot_bound_ter; j <= scn.j2_plot_bound_ter; j++)
            if (planexyz[i][j][1] < tops && planexyz[i][j + 1][1] < tops && planexyz[i + 1][j][1] < tops &&
                planexyz[i + 1][j + 1][1] < tops)
                ter_inrange[i][j] = 0;
}
