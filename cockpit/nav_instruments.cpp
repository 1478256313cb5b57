// Course indicator, DME and GPS readouts, ADF, RMI, radar altimeter,
// variometer and lightning detector.
#include "nav_instruments.h"

#include "P_UPDATE.h"
#include "records/cockpit_state.h"
#include "flight_instruments.h"
#include "instrument_primitives.h"
#include "records/flight_state.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_SOUND.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/codes.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <GL/gl.h>
#include <cmath>

namespace {
// Bearing from the aircraft to (x, z), degrees clockwise from north; NaN
// when the position is not finite.
double bearing_to(double x, double z)
{
    return std::atan2(x - flt.X, flt.Z - z) * 180.0 / M_PI;
}

void cross(int colour, float x, float y, float arm)
{
    OGL_line(colour, x - arm, y, x + arm, y);
    OGL_line(colour, x, y - arm, x, y + arm);
}
} // namespace

void dme_step(dme_state* st, float distance_nm, float now, float* d, float* s, int* minutes)
{
    float dist = fltlim(0.6f * st->dist + 0.4f * distance_nm, 0, 999);
    float dt = now - st->time;
    if (dt > 0) st->speed = fltlim(std::fabs(dist - st->dist) / dt * 3600, 0, 999);
    st->dist = dist;
    st->time = now;
    *d = dist;
    *s = st->speed;
    *minutes = st->speed > 0 ? intlim(round(60 * dist / st->speed), 0, 999) : 0;
}

int gps_minutes(float dis_m, float v)
{
    if (!(v > 0)) return 0;
    return intlim(round(dis_m / (60 * v)), 0, 999);
}

int adf_step(int adf, int b, float prd)
{
    int step = ((b - adf) % 360 + 360) % 360;
    if (step >= 180) step -= 360;
    int rate = round(90 * prd);
    step = intlim(step, -rate, rate);
    return wrap_degrees(adf + step);
}

float radalt_angle(float feet)
{
    return feet < 500 ? feet * 180 / 500 : 180 + (feet - 500) * 180 / 5000;
}

int radalt_call(float h, float dh, int* below)
{
    int now_below = h < dh;
    int call = now_below && !*below;
    *below = now_below;
    return call;
}

int vari_step(float* e_o, double y, float av, float prd)
{
    float e = (float)(con.g * y + 0.5f * av * av);
    float dedt = prd > 0 ? (e - *e_o) / prd : 0;
    *e_o = e;
    float fpm = dedt / con.g * con.mtrstoft * 60;
    return flt_to_int(fltlim(fpm * 128 / 400, -128, 128) - 90);
}

void strike_ring_update(strike_ring* ring, float stop_time, float now, float sx, float sz)
{
    int inprog = stop_time > now;
    if (inprog && !ring->o_inprog) {
        ring->next = (ring->next + 1) % 30;
        ring->x[ring->next] = sx;
        ring->z[ring->next] = sz;
        ring->t_exp[ring->next] = now + 60;
    }
    ring->o_inprog = inprog;
}

int strike_position(const strike_ring* ring, int k, float now, float* r, int* c)
{
    if (!(ring->t_exp[k] > now)) return 0;
    double dx = ring->x[k] - flt.X, dy = flt.Z - ring->z[k];
    *r = 2.5f * (float)std::sqrt(dx * dx + dy * dy) * con.mtrstonm;
    if (!(*r < 44)) return 0;
    double a = std::trunc(std::atan2(dx, dy) * 180.0 / M_PI) - flt.psi;
    if (!std::isfinite(a)) return 0;
    *c = wrap_degrees(a);
    return 1;
}

// ---------------------------------------------------------------------------

void update_VORandGS(int n_vor, int n_gls)
{
    float x = ins.x_loc[4], y = ins.y_loc[4];
    const char* flag = nav.ntf[0] == 1 ? "TO " : nav.ntf[0] == 2 ? "FRM" : "NAV";
    OGL_string(8, x + 27, y - 3, flag, 999, 6);
    plot_needle(x + n_vor, y + 23, 180, 0, 46, 0, 9);
    plot_needle(x - 23, y + n_gls, 90, 0, 46, 0, 9);
    int a = wrap_degrees(nav.obs[0]);
    strip_points(ins.h_tape_col1, 360, a, 17, x, y + 38.5f);
    strip_points(ins.h_tape_col2, 360, 180 - a, 17, x, y - 31.5f);
}

namespace {
dme_state dme = {0, 0, 0};
}

void update_DME()
{
    int w = intlim(nav.dmesel, 0, 1);
    float d, s;
    int minutes;
    dme_step(&dme, dme_distance_nm(w), msc.elap_time, &d, &s, &minutes);
    const float xs[3] = {osrad + 499, osrad + 532, osrad + 565};
    if (!nav.goodnav[w]) {
        for (float x : xs) OGL_string(47, x, 270, "---", 999, 6);
        return;
    }
    OGL_number(47, xs[0], 270, (float)round(d), 3, 0, 6, 0);
    OGL_number(47, xs[1], 270, (float)round(s), 3, 0, 6, 0);
    OGL_number(47, xs[2], 270, (float)minutes, 3, 0, 6, 0);
}

void update_GPS()
{
    OGL_fillrect(47, osrad + 584 + fltlim(3 * nav.hdef[0], -25, 25), 253, 3, 7);
    float crs = nav.gps_crs + env.mvar;
    OGL_number(47, osrad + 530, 253, std::isfinite(crs) ? (float)wrap_degrees(round(crs)) : 0, 3, 0, 6, 0);
    OGL_number(47, osrad + 498, 238, (float)intlim(round(nav.gps_dis * con.mtrstonm), 0, 9999), 4, 0, 6, 0);
    OGL_number(47, osrad + 538, 238, (float)intlim(round(flt.v * con.msctokts), 0, 9999), 4, 0, 6, 0);
    OGL_number(47, osrad + 577, 238, (float)gps_minutes(nav.gps_dis, flt.v), 3, 0, 6, 0);
    char name[20] = "";
    if (nav.gps_index_mode == 1) copy_bounded(name, apt_name[intlim(nav.gps_index, 0, intlim(env.aptmax, 0, APT_CAP - 1))], 20);
    else copy_bounded(name, ::nav_name[intlim(nav.gps_index, 0, intlim(env.navmax, 0, NAV_CAP - 1))], 20);
    OGL_string(47, osrad + 499, 268, name, 999, 6);
    char id[5];
    for (int k = 0; k < 4; ++k) id[k] = code_to_char(nav.gps_id[k]);
    id[4] = 0;
    OGL_string(47, osrad + 499, 253, id, 999, 6);
    OGL_line(nav.gps_scroll_mode == 0 ? 47 : 49, osrad + 499, 266, osrad + 503, 266);
    for (int k = 1; k <= 4; ++k) {
        float x = osrad + 499 + 6 * (k - 1);
        OGL_line(nav.gps_scroll_mode == k ? 47 : 49, x, 251, x + 4, 251);
    }
}

namespace {
int adf = 0;
}

void update_ADF()
{
    float x = ins.x_loc[8], y = ins.y_loc[8];
    double b = bearing_to(nav.adfX, nav.adfZ) - flt.psi + 720;
    if (rel.radios && std::isfinite(b) && std::isfinite(msc.prd)) adf = adf_step(adf, wrap_degrees(b), msc.prd);
    plot_dg(x, y, ins.adf_card, 45);
    float s = lookup_sin[adf], c = lookup_cos[adf];
    float tx = x + 30 * s, ty = y + 30 * c;
    glLineWidth(2);
    OGL_line(9, tx, ty, x - 30 * s, y - 30 * c);
    glLineWidth(1);
    plot_needle(tx, ty, (float)(adf + 150), 0, 7, 9, 10);
    plot_needle(tx, ty, (float)(adf + 210), 0, 7, 9, 10);
    int f = nav.adff;
    OGL_number(47, x - 13, y - 67, (float)(f / 100 % 10), 1, 0, 6, 0);
    OGL_number(47, x - 3, y - 67, (float)(f / 10 % 10), 1, 0, 6, 0);
    OGL_number(47, x + 7, y - 67, (float)(f % 10), 1, 0, 6, 0);
}

namespace {
int rmi_hdg = 0;
}

void update_RMI()
{
    float x = ins.x_loc[4], y = ins.y_loc[4];
    if (rel.ss_dgy && std::isfinite(ins.psimag)) rmi_hdg = flt_to_int(ins.psimag);
    plot_dg(x, y, rmi_hdg, 45);
    double n = std::trunc(bearing_to(nav.vorX[0], nav.vorZ[0]) + env.mvar);
    if (!std::isfinite(n)) return;
    plot_needle(x, y, (float)(wrap_degrees(n) - rmi_hdg), 0, 35, 9, 10);
}

namespace {
int below = 0;
}

void update_radalt()
{
    float x = ins.x_loc[4], y = ins.y_loc[4];
    float h = fltlim((float)((pln.mgearY + flt.Y - env.localh_cg) * con.mtrstoft), 0, 2500);
    plot_needle(x, y, (float)flt_to_int(radalt_angle(h)), 10, 26, 0, 10);
    plot_needle(x, y, (float)flt_to_int(radalt_angle(ins.radalt_ft)), 16, 26, 20, 10);
    if (radalt_call(h, ins.radalt_ft, &below)) play_buffer(15, 0);
}

namespace {
float e_o = 0;
}

void update_vari()
{
    float x = ins.x_loc[4], y = ins.y_loc[4];
    plot_needle(x, y, (float)vari_step(&e_o, flt.Y, flt.av, msc.prd), 0, 25, 0, 10);
}

namespace {
strike_ring strikes = {};
}

void update_stormscope()
{
    float x = ins.x_loc[4], y = ins.y_loc[4];
    strike_ring_update(&strikes, atm.strike_stop_time, msc.elap_time, atm.lightXYZ[0][0][0], atm.lightXYZ[0][0][2]);
    for (int k = 0; k < 30; ++k) {
        float r;
        int c;
        if (strike_position(&strikes, k, msc.elap_time, &r, &c)) cross(47, x + r * lookup_sin[c], y + r * lookup_cos[c], 2);
    }
}
