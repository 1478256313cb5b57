#include "ship_decks.h"

#include "INITNAV.h"
#include "records/world_state.h"
#include "records/cockpit_state.h"
#include "coordinates.h"
#include "records/flight_state.h"
#include "star_and_ship_shapes.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/terrain_helpers.h"

#include <cmath>
#include <cstring>

namespace {
// Carrier: the axial deck, the angled deck beside it and the sponson under the island.
const int CARR_AXIAL[] = {12, 13, 14, 15, 16, 17, 18};
const int CARR_ANGLED[] = {18, 19, 20, 13, 18};
const int CARR_SPONSON[] = {16, 22, 23, 21, 16};
const int FRIG_FLIGHT_DECK[] = {2, 3, 9, 10, 2};
const int OILR_HELIDECK[] = {0, 1, 2, 3, 0};

template <int N>
int inside(const float (*shape)[2][3], const int (&ring)[N], float xc, float zc, float x, float z)
{
    return inside_deck(shape, ring, N, xc, zc, x, z);
}

// The wire area, clockwise, relative to the carrier's reference point.
const float WIRE_AREA[5][3] = {{-16, 0, 136}, {-23, 0, 80}, {5, 0, 76}, {13, 0, 131}, {-16, 0, 136}};

int inside_wire_area(float xc, float zc, float x, float z)
{
    for (int k = 0; k < 4; ++k)
        if (!inside_cw_reg(xc + WIRE_AREA[k][0], zc + WIRE_AREA[k][2], xc + WIRE_AREA[k + 1][0],
                           zc + WIRE_AREA[k + 1][2], x, z, DECK_EDGE_MARGIN))
            return 0;
    return 1;
}

void put_beacon(int n, int type, int course, float lat, float lon, float h)
{
    nav_type[n] = type;
    nav_lat[n] = lat;
    nav_lon[n] = lon;
    nav_h[n] = h;
    nav_f12[n] = 10800;   // 108.00 MHz
    nav_hdng[n] = course;
    nav_inreg[n] = 1;
    std::strcpy(nav_id[n], "----");
    std::strcpy(nav_name[n], "USS Enterprise");
}
} // namespace

int inside_deck(const float (*shape)[2][3], const int* ring, int n, float xc, float zc, float x, float z)
{
    for (int k = 0; k + 1 < n; ++k) {
        const float* a = shape[ring[k]][1];
        const float* b = shape[ring[k + 1]][1];
        if (!inside_cw_reg(xc + a[0], zc + a[2], xc + b[0], zc + b[2], x, z, DECK_EDGE_MARGIN)) return 0;
    }
    return 1;
}

int over_carr_deck(float xc, float zc, float x, float z)
{
    return inside(carr_pxyz, CARR_AXIAL, xc, zc, x, z) || inside(carr_pxyz, CARR_ANGLED, xc, zc, x, z) ||
           inside(carr_pxyz, CARR_SPONSON, xc, zc, x, z);
}

int over_frig_deck(float xc, float zc, float x, float z)
{
    return inside(frig_pxyz, FRIG_FLIGHT_DECK, xc, zc, x, z);
}

int over_oilr_deck(float xc, float zc, float x, float z)
{
    return inside(oilr_pxyz, OILR_HELIDECK, xc, zc, x, z);
}

void set_ship_reference(float xc, float yc, float zc, float the, float phi)
{
    con.BOAT_loc_X = xc;
    con.BOAT_loc_Y = yc;
    con.BOAT_loc_Z = zc;
    con.sinBOATthe = std::sin(the * con.degtorad);
    con.cosBOATthe = std::cos(the * con.degtorad);
    con.sinBOATphi = std::sin(phi * con.degtorad);
    con.cosBOATphi = std::cos(phi * con.degtorad);
    con.sinBOATpsi = 0;
    con.cosBOATpsi = 1;
}

void carr_wires(float xc, float zc)
{
    if (flt.wired) {
        // Rolled back past the wire: let go.
        if (std::fabs(flt.Beta) > 90) flt.wired = 0;
        return;
    }
    if (ins.hook_down && flt.onground && std::fabs(flt.Beta) < 90 && flt.vind > 10 &&
        inside_wire_area(xc, zc, (float)flt.X, (float)flt.Z)) {
        flt.wired = 1;
        // Stops the aircraft in about 100 m.
        flt.trap_accel = sqr(0.5f * flt.v) * 2 / 100;
    }
}

int ball_light(const float* d)
{
    // atan2 so that straight above the aid shows the highest light, not a division by zero.
    float angle = std::atan2(d[1], pythag(d[0], d[2])) * con.radtodeg;
    return 72 + intlim(round(angle - 3.5f), -2, 2);
}

int ball_colour(int light)
{
    return light == 70 ? 44 : 41;
}

void carr_beacons(float x, float y, float z)
{
    int n = env.navmax;
    if (n < 1 || n >= NAV_CAP) return;
    float lat = lat_with_z(z), lon = lon_with_xz(x, z);
    put_beacon(n - 1, 4, 352, lat, lon, y);
    put_beacon(n, 6, 4, lat, lon, y);
}

void carr_contact(float xc, float yc, float zc)
{
    float x = (float)flt.X, z = (float)flt.Z;
    if (over_carr_deck(xc, zc, x, z)) {
        env.surf_type = 27;
        env.over_carr = 1;
        set_ship_reference(xc, yc, zc, env.carr_the, env.carr_phi);
    }
    carr_wires(xc, zc);
    const float* aid = carr_lxyz[66];
    float px = xc + aid[0], py = yc + aid[1], pz = zc + aid[2];
    atc.cardxyz[0] = x - px;
    atc.cardxyz[1] = (float)flt.Y - py;
    atc.cardxyz[2] = z - pz;
    carr_beacons(px, py, pz);
}

void frig_contact(float xc, float yc, float zc)
{
    if (!over_frig_deck(xc, zc, (float)flt.X, (float)flt.Z)) return;
    env.surf_type = 27;
    env.over_frig = 1;
    set_ship_reference(xc, yc, zc, env.frig_the, env.frig_phi);
}

void oilr_contact(float xc, float yc, float zc)
{
    if (!over_oilr_deck(xc, zc, (float)flt.X, (float)flt.Z)) return;
    env.surf_type = 27;
    env.over_obs = 1;
    env.obj_height = yc + OILRIG_DECK_H;
}
