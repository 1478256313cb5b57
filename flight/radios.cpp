// Radio tuning steps (each part of a frequency wraps without carrying) and
// the station search that locks each receiver on the nearest navaid heard.
#include "records/cockpit_state.h"
#include "radios.h"

#include "world/coordinates.h"
#include "records/flight_state.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {
void step_band(int* in, int inc, int lo_mhz, int hi_mhz)
{
    int mhz = *in / 100;
    int hundredths = *in % 100;
    if (std::abs(inc) == 1000) mhz = intwrap(mhz + (inc > 0 ? 1 : -1), lo_mhz, hi_mhz);
    else if (std::abs(inc) == 50) hundredths = intwrap(hundredths + (inc > 0 ? 5 : -5), 0, 99);
    else return;
    *in = mhz * 100 + hundredths;
}
} // namespace

void NAVinc(int* in, int inc)
{
    step_band(in, inc, 108, 117);
}

void COMinc(int* in, int inc)
{
    step_band(in, inc, 118, 136);
}

void ADFinc(int* in, int inc)
{
    int hundreds = *in / 100 % 10;
    int tens = *in / 10 % 10;
    int units = *in % 10;
    int d = inc > 0 ? 1 : -1;
    switch (std::abs(inc)) {
    case 100: hundreds = intwrap(hundreds + d, 0, 9); break;
    case 10: tens = intwrap(tens + d, 0, 9); break;
    case 1: units = intwrap(units + d, 0, 9); break;
    default: return;
    }
    *in = hundreds * 100 + tens * 10 + units;
}

void XPNinc(int* in, int inc)
{
    *in += inc;
    if (*in > 7) *in = 0;
    if (*in < 0) *in = 7;
}

// ---- station search ----

namespace {
// Usable ranges in degrees, growing with height along one straight line.
float range_at_height(float r0, float r1)
{
    return interp(0, r0, 30000, r1, (float)flt.Y * con.mtrstoft);
}

float wrap180(float a)
{
    a = std::fmod(a + 180, 360.0f);
    return a < 0 ? a + 180 : a - 180;
}

float bearing_to(float x, float z)
{
    return std::atan2(x - (float)flt.X, (float)flt.Z - z) * con.radtodeg;
}

// A localizer or glide slope is heard only from its approach side.
int on_approach_side(int n, float x, float z)
{
    return std::fabs(wrap180(bearing_to(x, z) - nav_hdng[n])) <= 90;
}

int last_navaid()
{
    return intlim(env.navmax, -1, NAV_CAP - 1);
}

void copy_id(int slot, int n)
{
    std::memcpy(nav.nav_id[slot], ::nav_id[n], 4);
}

void search_nav(int w)
{
    float ils_range = range_at_height(4.0f / 9, 14.0f / 9);
    float vor_range = range_at_height(8.0f / 9, 28.0f / 9);
    nav.goodnav[w] = 0;
    if (!rel.radios) return;
    int last = last_navaid();
    float minrange = 9.9e9f;
    for (int n = 0; n <= last; ++n) {
        if (nav_type[n] != 4 && nav_type[n] != 5) continue;
        float x = X_with_latlon(nav_lat[n], nav_lon[n]), z = Z_with_lat(nav_lat[n]);
        if (!on_approach_side(n, x, z) || !check_nav(n, nav.nf[w], &minrange, ils_range)) continue;
        nav.goodnav[w] = 1;
        nav.vorX[w] = x;
        nav.vorY[w] = nav_h[n];
        nav.vorZ[w] = z;
        nav.ilscrs[w] = (float)nav_hdng[n];
        nav.ilsgs[w] = 0;
        copy_id(w, n);
    }
    minrange = 9.9e9f;
    for (int n = 0; n <= last; ++n) {
        if (nav_type[n] != 6) continue;
        float x = X_with_latlon(nav_lat[n], nav_lon[n]), z = Z_with_lat(nav_lat[n]);
        if (!on_approach_side(n, x, z) || !check_nav(n, nav.nf[w], &minrange, ils_range)) continue;
        nav.gsX[w] = x;
        nav.gsY[w] = nav_h[n];
        nav.gsZ[w] = z;
        nav.ilsgs[w] = 3;
    }
    minrange = 9.9e9f;
    for (int n = 0; n <= last; ++n) {
        if (nav_type[n] != 3 || !check_nav(n, nav.nf[w], &minrange, vor_range)) continue;
        nav.goodnav[w] = 1;
        nav.vorX[w] = X_with_latlon(nav_lat[n], nav_lon[n]);
        nav.vorY[w] = nav_h[n];
        nav.vorZ[w] = Z_with_lat(nav_lat[n]);
        nav.ilsgs[w] = 9;
        copy_id(w, n);
    }
}

void search_adf()
{
    float ndb_range = range_at_height(4.0f / 9, 14.0f / 9);
    nav.goodnav[4] = 0;
    if (!rel.radios) return;
    float minrange = 9.9e9f;
    int last = last_navaid();
    for (int n = 0; n <= last; ++n) {
        if (nav_type[n] != 2 || !check_nav(n, nav.adff, &minrange, ndb_range)) continue;
        nav.goodnav[4] = 1;
        nav.adfX = X_with_latlon(nav_lat[n], nav_lon[n]);
        nav.adfZ = Z_with_lat(nav_lat[n]);
        copy_id(4, n);
    }
}

int gps_last_mode = -1, gps_last_index = -1;

void search_gps()
{
    // A target outside the loaded table (an empty one included) is no target.
    int airport = nav.gps_index_mode == 1;
    int last = airport ? intlim(env.aptmax, -1, APT_CAP - 1) : last_navaid();
    if (nav.gps_index < 0 || nav.gps_index > last) return;
    float lat = airport ? apt_lat[nav.gps_index][0] : nav_lat[nav.gps_index];
    float lon = airport ? apt_lon[nav.gps_index][0] : nav_lon[nav.gps_index];
    float dx = X_with_latlon(lat, lon) - (float)flt.X;
    float dz = (float)flt.Z - Z_with_lat(lat);
    nav.gps_dis = pythag(dx, dz);
    float crs = std::atan2(dx, dz) * con.radtodeg;
    nav.gps_crs = crs < 0 ? crs + 360 : crs;
    // Re-referenced before the deflection, so that a new target starts centred
    // instead of showing the old course's offset until the next search.
    if (nav.gps_index_mode != gps_last_mode || nav.gps_index != gps_last_index || msc.init_time < 5)
        nav.gps_lock_crs = nav.gps_crs;
    nav.hdef[0] = wrap180(nav.gps_crs - nav.gps_lock_crs) * nav.gps_dis * con.mtrstonm / 57.3f * 4;
    gps_last_mode = nav.gps_index_mode;
    gps_last_index = nav.gps_index;
}
} // namespace

int check_nav(int n, int f12, float* minrange, float max_usable_range)
{
    if (nav_f12[n] != f12) return 0;
    float range = pythag(nav_lat[n] - flt.lat, nav_lon[n] - flt.lon);
    if (range >= max_usable_range || range >= *minrange) return 0;
    *minrange = range;
    return 1;
}

void setnav(int w)
{
    if (w == 0 || w == 1) search_nav(w);
    else if (w == 4) search_adf();
    else if (w == 5) search_gps();
}
