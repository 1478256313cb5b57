#include "scenery_update.h"

#include <cmath>

#include "INITNAV.h"
#include "runways.h"
#include "weather_field.h"
#include "records/world_state.h"
#include "world_window.h"
#include "records/flight_state.h"
#include "region_lists.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"

int slide_type(float lat, float lon, int lat_sou, int lon_wes)
{
    if (lon < lon_wes + 0.95f) return SHIFT_WEST;
    if (lon > lon_wes + 3 - 0.95f) return SHIFT_EAST;
    if (lat < lat_sou + 0.45f) return SHIFT_SOUTH;
    if (lat > lat_sou + 2 - 0.45f) return SHIFT_NORTH;
    return 0;
}

void slide_window(int type)
{
    if (type == SHIFT_WEST) env.lon_wes--;
    else if (type == SHIFT_EAST) env.lon_wes++;
    else if (type == SHIFT_SOUTH) env.lat_sou--;
    else if (type == SHIFT_NORTH) env.lat_sou++;
    else return;

    drop_old_quadrants(type);
    const int s = env.lat_sou, w = env.lon_wes;
    if (type == SHIFT_WEST) {
        read_quadrant(s, w, 0);
        read_quadrant(s + 1, w, 3);
    } else if (type == SHIFT_EAST) {
        read_quadrant(s, w + 2, 2);
        read_quadrant(s + 1, w + 2, 5);
    } else {
        // a new row: the north one reads quadrants 3..5, the south one 0..2
        const int row = type == SHIFT_NORTH ? 1 : 0;
        for (int c = 0; c < SQ_COLS; c++) read_quadrant(s + row, w + c, 3 * row + c);
    }
    finish_nav_readin();

    if (type == SHIFT_WEST || type == SHIFT_EAST)
        for (int j = 0; j < 4; j++) fill_a_sector_with_ocast(type == SHIFT_WEST ? 0 : 4, j);
    else
        for (int i = 0; i < 5; i++) fill_a_sector_with_ocast(i, type == SHIFT_NORTH ? 3 : 0);
}

int eye_angles(int view, float t, float p, float f, float* sthe, float* spsi, float* sphi)
{
    // headings stay unwrapped: the frame's one-step wraps cover -180..540
    switch (view) {
    case 500: case 520: case 521: *sthe = t; *spsi = p; *sphi = f; return 1;
    case 501: *sthe = t - 4; *spsi = p; *sphi = f; return 1;
    case 502: *sthe = t - 8; *spsi = p; *sphi = f; return 1;
    case 504: *sthe = (t + f) / 2; *spsi = p - 45; *sphi = (f - t) / 2; return 1;
    case 505: *sthe = (t - f) / 2; *spsi = p + 45; *sphi = (f + t) / 2; return 1;
    case 506: *sthe = f; *spsi = p - 90; *sphi = -t; return 1;
    case 507: *sthe = -f; *spsi = p + 90; *sphi = t; return 1;
    case 508: *sthe = (-t + f) / 2; *spsi = p - 135; *sphi = (-f - t) / 2; return 1;
    case 509: *sthe = (-t - f) / 2; *spsi = p + 135; *sphi = (-f + t) / 2; return 1;
    case 511: *sthe = -t; *spsi = p + 180; *sphi = -f; return 1;
    default: return 0;
    }
}

static void set3(float v[3], double x, double y, double z)
{
    v[0] = (float)x;
    v[1] = (float)y;
    v[2] = (float)z;
}

// The flight path's direction for the chase camera. Below a walking pace the
// path of a near-zero velocity turns at random from frame to frame, so the
// last direction stays; before any, the aircraft's heading, level.
static const float* chase_line()
{
    float* w = scn.chase_dir;
    if (pythag3((float)flt.vX, (float)flt.vY, (float)flt.vZ) >= 1) {
        w[0] = flt.sinhpath, w[1] = flt.sinvpath, w[2] = flt.coshpath;
    } else if (w[0] == 0 && w[1] == 0 && w[2] == 0) {
        w[0] = std::sin(flt.psi * con.degtorad), w[2] = std::cos(flt.psi * con.degtorad);
    }
    return w;
}

int camera_target(int view, float target[3])
{
    const double lead = 1.0 - msc.prd;   // where the aircraft is about to be
    const double d = scn.dist;
    switch (view) {
    case 513: {
        const int reg = msc.loc_apt_reg, wrl = msc.loc_apt_wrl;
        if (reg < 0 || reg >= apt_listed || reg >= APT_REG_CAP || wrl < 0 || wrl >= APT_CAP) return 0;
        if (apt_twr[wrl]) {
            const float* v = obj_xyz[5 * reg + 4][3][0];
            set3(target, v[0], v[1], v[2]);
            return 1;
        }
        const int r = first_rway(wrl);
        if (r < 0) return 0;
        const float* v = scn.rwayxyz[reg][r][812];
        set3(target, v[0], v[1], v[2]);
        return 1;
    }
    case 514: set3(target, msc.runwayview_X, msc.runwayview_Y, msc.runwayview_Z); return 1;
    case 518: set3(target, msc.spotview_X, msc.spotview_Y, msc.spotview_Z); return 1;
    case 516: {
        const float* w = chase_line();
        set3(target, flt.X + lead * flt.vX - d * w[0], flt.Y + lead * flt.vY - d * w[1], flt.Z + lead * flt.vZ + d * w[2]);
        return 1;
    }
    case 517: {
        const double c = std::cos(msc.freeviewY);
        set3(target, flt.X + lead * flt.vX - d * c * std::sin(msc.freeviewXZ), flt.Y + lead * flt.vY + d * std::sin(msc.freeviewY),
             flt.Z + lead * flt.vZ + d * c * std::cos(msc.freeviewXZ));
        return 1;
    }
    default: return 0;
    }
}
