// The event tick (every 0.1 s of simulated time) and the second tick (every
// tenth event tick): slow work of the flight that need not run every frame.
#include "timed_managers.h"

#include "aircraft_sounds.h"
#include "records/flight_state.h"
#include "force_accumulators.h"
#include "cockpit_calls.h"
#include "records/cockpit_state.h"
#include "morse.h"
#include "radios.h"
#include "data_channels.h"
#include "records/settings_and_recordings.h"
#include "toolkit/DRPLANE.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_JOY.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_SOUND.h"
#include "toolkit/HL_TEXTURE.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/part_geometry.h"
#include "toolkit/plane_record.h"
#include "toolkit/weather_reports.h"
#include "world/real_weather.h"
#include "world/INITNAV.h"
#include "records/world_state.h"
#include "world/world_services.h"

#include <cmath>
#include <cstring>

namespace {

const int WXR_I = 631, WXR_J = 421;

// Sound slots.
enum {
    SND_RAIN = 2, SND_STALL = 3, SND_FLAP = 4, SND_THUNDER = 5, SND_SINK = 11, SND_PULL = 12, SND_GEAR = 13,
    SND_GLIDE = 14, SND_SHEAR = 16, SND_CAUTION = 17, SND_50FT = 18, SND_25FT = 19, SND_10FT = 20, SND_DOT = 21,
    SND_DASH = 22
};

// Event-tick state.
int old_warn, old_full;
int morse_on;
float morse_start;
// Slots of kind 2 are gaps or already played.
int morse_type[MORSE_SLOTS];
float morse_time[MORSE_SLOTS];
int flap_sound;
int gs_established;
float gs_next_warn;
float wind_target[3];
int shear_kind;
float shear_start, shear_stop, shear_speed, shear_vspeed;

// Second-tick state.
float next_callout;
int below10, below25, below50;
int old_freeze = -1, old_tropic = -1, old_res = -99;
char old_path[400];
int sec_count;
int rwk_first = 1, rwk_found, rwk_noticed;
float rwk_base, rwk_tops, rwk_vis, rwk_rain;
int last_lat = -999, last_lon = -999, rwk_secs;
int slow_secs, slow_warned;
int old_raining;
float last_burn_time;
float hyd_fail_time, oil_fail_time;

float wrap360(float a)
{
    a = std::fmod(a, 360.0f);
    return a < 0 ? a + 360 : a;
}

float wrap180(float a)
{
    a = wrap360(a + 180) - 180;
    return a;
}

float sin_deg(int d)
{
    return lookup_sin[intwrap(d, 0, 359)];
}

float cos_deg(int d)
{
    return lookup_cos[intwrap(d, 0, 359)];
}

float agl()
{
    return (float)flt.Y - env.localh_cg;
}

int bb_warnings()
{
    return pln.bitchinbettyEQ && msc.warn_bb;
}

int in_cloud_layer()
{
    return atm.cld_type == 1 && flt.Y > atm.baseMSL && flt.Y < atm.topsMSL;
}

// Precipitation at a world point; the cell is kept inside the field.
float wxr_at_cell(int i, int j)
{
    return atm.wxr[intlim(i, 0, WXR_I - 1)][intlim(j, 0, WXR_J - 1)];
}

void wxr_cell(float x, float z, int* i, int* j)
{
    float fx = env.hix != env.lox ? (x - env.lox) / (env.hix - env.lox) : 0;
    float fz = env.hiz != env.loz ? (z - env.loz) / (env.hiz - env.loz) : 0;
    *i = (int)fltlim(fx * (WXR_I - 1), -1, WXR_I);
    *j = (int)fltlim(fz * (WXR_J - 1), -1, WXR_J);
}

void stall_warning()
{
    if (!rel.esystem) return;
    int warn = 0, full = flt.stalled[4];
    if (flt.vind > 0.3f * msc.est_Vs * con.msctokts)
        for (int p : {4, 6, 8})
            if (have_this_part(p) && flt.alpha[p][0] > pln.alpha_max[p] - 3) warn = 1;
    if (warn != old_warn) {
        if (warn) {
            play_buffer(SND_STALL, 1);
            if (pln.ff_stickshaker) JOY_force(21, 100, 10, 0);
        } else {
            stop_buffer(SND_STALL);
            if (pln.ff_stickshaker) JOY_force(23, 0, 0, 0);
        }
    }
    if (!pln.ff_hydraulic && !pln.ff_stickshaker && full != old_full) {
        if (full) JOY_force(21, flt_to_int(flt.Qratio * 500), 5, 0);
        else JOY_force(23, 0, 0, 0);
    }
    old_warn = warn;
    old_full = full;
}

void marker_tones()
{
    int c = msc.cntr10;
    if (nav.overOM && c == 0) play_buffer(SND_DASH, 0);
    if (nav.overMM && c == 0) play_buffer(SND_DOT, 0);
    if (nav.overMM && c == 4) play_buffer(SND_DASH, 0);
    if (nav.overIM && (c == 0 || c == 3 || c == 6)) play_buffer(SND_DOT, 0);
}

void morse_player()
{
    float now = msc.elap_time;
    // Ten seconds after it began the identifier starts again while still heard.
    if (morse_on && now - morse_start >= 10) morse_on = 0;
    if (!morse_on) {
        for (int r : {0, 1, 4}) {
            if (!nav.goodnav[r] || nav.radout != r) continue;
            morse_on = 1;
            morse_start = now;
            for (int k = 0; k < MORSE_SLOTS; ++k) morse_type[k] = 2;
            morse_time[0] = now;
            int n = 0;
            for (int l = 0; l < 4; ++l) build_morse_id(nav.nav_id[r][l], morse_type, morse_time, &n);
            break;
        }
        return;
    }
    for (int k = 0; k < MORSE_SLOTS; ++k) {
        if (morse_type[k] == 2 || morse_time[k] >= now) continue;
        play_buffer(morse_type[k] == 3 ? SND_DOT : SND_DASH, 0);
        morse_type[k] = 2;
    }
}

void record_path()
{
    int n = pat.cntr_record + 1;
    if (n >= PATH_SAMPLES || n < 0) n = 0;
    pat.cntr_record = n;
    float* s = pat.xyztppt[n];
    s[0] = (float)flt.X;
    s[1] = (float)flt.Y;
    s[2] = (float)flt.Z;
    s[3] = flt.the;
    s[4] = flt.psi;
    s[5] = flt.phi;
    s[6] = msc.elap_time;
    pat.inited[n] = 1;
    pat.inited[n + 1 < PATH_SAMPLES ? n + 1 : 0] = 0;
}

void storm_level()
{
    atm.level = 0;
    int i, j;
    wxr_cell((float)flt.X, (float)flt.Z, &i, &j);
    if (flt.Y <= atm.topsMSL)
        for (int a = -2; a <= 2; ++a)
            for (int b = -2; b <= 2; ++b) atm.level += (atm.rain_tstm - 1) * wxr_at_cell(i + a, j + b) / 25;
    float mid = (atm.baseMSL + atm.topsMSL) / 2;
    float f = atm.topsMSL != mid ? interp(mid, 1, atm.topsMSL, 0, con.VIEW_xyz[1]) : 0;
    atm.level *= fltlim(f, 0, 1);
}

void glide_slope_warning(int r, float hdef, float vdef)
{
    float h = std::fabs(wrap180(flt.psi - nav.ilscrs[r]));
    float vy = (float)flt.vY * con.msctofpm;
    float dist = pythag(nav.vorX[r] - (float)flt.X, nav.vorZ[r] - (float)flt.Z) * con.mtrstonm;
    if (std::fabs(hdef) < 2.5f && std::fabs(vdef) < 2.5f && h < 10 && vy < 100 && dist < 10) gs_established = 1;
    if (vy > 1000 || flt.onground || h > 45) gs_established = 0;
    if (gs_established && flt.Y * con.mtrstoft < 1000 && vdef < -1 && msc.elap_time >= gs_next_warn) {
        play_buffer(SND_GLIDE, 0);
        gs_next_warn = msc.elap_time + 2;
    }
}

void needles(int r)
{
    nav.hdef[r] = nav.vdef[r] = 0;
    nav.ntf[r] = 0;
    if (!nav.goodnav[r]) return;
    float b = std::atan2(nav.vorX[r] - (float)flt.X, (float)flt.Z - nav.vorZ[r]) * con.radtodeg;
    if (nav.ilsgs[r] == 9) {
        float hdef = wrap180(b - (nav.obs[r] - env.mvar));
        if (std::fabs(hdef) <= 90) nav.ntf[r] = 1;
        else {
            nav.ntf[r] = 2;
            hdef = -wrap180(hdef + 180);
        }
        nav.hdef[r] = fltlim(0.5f * hdef, -5, 5);
        return;
    }
    float hdef = wrap180(b - nav.ilscrs[r]), vdef = 0;
    if (nav.ilsgs[r] != 0) {
        float d = pythag((float)flt.X - nav.gsX[r], (float)flt.Z - nav.gsZ[r]);
        vdef = std::atan2((float)flt.Y - nav.gsY[r], d) * con.radtodeg - nav.ilsgs[r];
    }
    if (std::fabs(hdef) <= 90) {
        nav.ntf[r] = 1;
        if (nav.ilsgs[r] != 0 && bb_warnings()) glide_slope_warning(r, hdef, vdef);
    }
    nav.hdef[r] = fltlim(2 * hdef, -5, 5);
    nav.vdef[r] = fltlim(2 * vdef, -5, 5);
}

void wing_sweep()
{
    if (!(pln.varsweepEQ[4] || pln.varsweepEQ[6] || pln.varsweepEQ[8] || pln.varsweepEQ[10])) return;
    float d = flt.sweerqst - flt.swee;
    if (std::fabs(d) > 0.001f) {
        if (std::fabs(d) <= 0.02f + 1e-5f) flt.swee = flt.sweerqst;
        else flt.swee += d > 0 ? 0.02f : -0.02f;
    }
    for (int p = 4; p <= 11; ++p)
        pln.sweepnow[p] = pln.varsweepEQ[p] ? interp(0, pln.sweep1[p], 1, pln.sweep2[p], flt.swee) : pln.sweep1[p];
}

void thrust_vectoring()
{
    if (pln.is_heli || !pln.vectEQ) return;
    float req = (float)flt.vectrqst, v = pln.vertcant[0];
    if (std::fabs(v - req) <= 3) v = req;
    else v += v < req ? 3 : -3;
    for (int e = 0; e < 4; ++e) pln.vertcant[e] = v;
}

void flaps_and_slats()
{
    if (!pln.flapEQ && !pln.slatEQ) return;
    float d = flt.flaprqst - flt.flap;
    if (std::fabs(d) > 0.01f) {
        if (pln.flapEQ && rel.fc_flp) {
            flt.flap = fltlim(flt.flap + fltlim(d, -0.025f, 0.025f), 0, 1);
            if (!flap_sound) play_buffer(SND_FLAP, 1);
            flap_sound = 1;
        }
        if (pln.slatEQ && rel.fc_slt) flt.slat = fltlim(4 * flt.flap, 0, 1);
    } else if (flap_sound) {
        stop_buffer(SND_FLAP);
        flap_sound = 0;
    }
}

void new_wind_target()
{
    float h = agl();
    float s_alt = fltlim(interp(0, 1, 3000, 2, h), 1, 10);
    float d_alt = fltlim(interp(0, 1, 1500, 0.5f, h), 0, 1);
    float speed = (atm.wndspd * s_alt + fltrand(-1, 1) * atm.shrspd) * con.ktstomsc;
    int dir = intwrap(flt_to_int(atm.wnddir - env.mvar + fltrand(-1, 1) * atm.shrdir * d_alt), 0, 359);
    dir = (int)wrap360((float)dir);
    int ci = intlim(env.i_aircraft, 0, GRID_I - 1), cj = intlim(env.j_aircraft, 0, GRID_J - 1);
    float basic[3] = {-speed * sin_deg(dir), atm.therm_on_poly[ci][cj] ? atm.trml_vvi * con.fpmtomsc : 0,
                      speed * cos_deg(dir)};
    float gust = 10 * atm.level + 1.5f * atm.tbl;
    float fxz = fltlim(h / 20, 0.5f, 1), fy = fltlim(h / 100, 0, 1);
    wind_target[0] = (fltrand(-1, 1) * gust + basic[0]) * fxz;
    wind_target[1] = (fltrand(-1, 1) * gust + basic[1]) * fy;
    wind_target[2] = (fltrand(-1, 1) * gust + basic[2]) * fxz;
}

void wind_shear(float* shear)
{
    float now = msc.elap_time;
    atm.inshear = 0;
    shear[0] = shear[1] = shear[2] = 0;
    if (shear_kind == 0) {
        float interval = interp(1, 300, 5, 60, atm.burst_prob);
        if (atm.burst_prob > 1 && agl() < 300 && fltrand(0, interval) <= 0.1f) {
            shear_kind = intrand(1, 3);
            shear_start = now;
            shear_stop = now + fltrand(10, 20);
            shear_speed = fltrand(30, 90) * con.ktstomsc;
            shear_vspeed = fltrand(2000, 8000) * con.fpmtomsc;
            if (bb_warnings()) play_buffer(SND_SHEAR, 0);
        }
        return;
    }
    if (now > shear_stop || now < shear_start) {
        shear_kind = 0;
        return;
    }
    float p = interp(shear_start, 0, shear_stop, 1, now);
    float a = 0, vf = 0;
    if (shear_kind == 1) a = std::sin(p * con.pi);
    if (shear_kind == 2) a = -std::sin(p * con.pi);
    if (shear_kind == 3) {
        a = std::sin(2 * p * con.pi);
        vf = (std::cos(2 * p * con.pi) - 1) / 2;
    }
    shear[0] = -shear_speed * a * flt.sinpsi;
    shear[1] = shear_vspeed * vf;
    shear[2] = shear_speed * a * flt.cospsi;
    atm.inshear = 1;
}

void gear_motion()
{
    if (!pln.gear_retract) return;
    for (int g = 0; g < 3; ++g)
        if (pln.gear_stat[g] != set.gear_handle && msc.elap_time >= set.gear_time[g]) pln.gear_stat[g] = set.gear_handle;
}

// ---- second tick ----

void marker_beacons()
{
    nav.overOM = nav.overMM = nav.overIM = 0;
    if (flt.onground || !rel.radios) return;
    int last = intlim(env.navmax, -1, NAV_CAP - 1);
    for (int n = 0; n <= last; ++n) {
        if (!nav_inreg[n]) continue;
        int t = nav_type[n];
        if (t < 7 || t > 9) continue;
        float lim = t == 7 ? 0.004f : t == 8 ? 0.003f : 0.002f;
        if (std::fabs(nav_lat[n] - flt.lat) < lim && std::fabs(nav_lon[n] - flt.lon) < lim) {
            if (t == 7) nav.overOM = 1;
            if (t == 8) nav.overMM = 1;
            if (t == 9) nav.overIM = 1;
        }
    }
}

void callouts()
{
    if (!rel.esystem || !bb_warnings()) return;
    float h = ((float)flt.Y - env.localh_cg - pln.mgearZ * flt.sinthe + pln.mgearY * flt.costhe) * con.mtrstoft;
    if (msc.elap_time >= next_callout && h < 2500) {
        float v = (float)flt.vY * con.msctofpm;
        int snd = -1;
        if (v < interp(0, -1500, 2500, -7000, h)) snd = SND_PULL;
        else if (v < interp(0, -1000, 2500, -5000, h)) snd = SND_SINK;
        else if (!set.gear_handle && h < 500 && v < 0 && flt.vind < pln.Vfe) snd = SND_GEAR;
        if (snd >= 0) {
            play_buffer(snd, 0);
            next_callout = msc.elap_time + 2;
        }
    }
    if (flt.onground) return;
    struct { float ft; int* below; int snd; } heights[3] = {{10, &below10, SND_10FT}, {25, &below25, SND_25FT},
                                                              {50, &below50, SND_50FT}};
    for (auto& c : heights) {
        if (h < c.ft && !*c.below) play_buffer(c.snd, 0);
        *c.below = h < c.ft;
    }
}

struct tex_load {
    int number;
    const char* name;
    int code;
};
const tex_load terrain_textures[] = {
    {15, "wat", -104},       {16, "grs_wat_h", -104}, {17, "grs_wat_c", -104}, {18, "wat_grs_c", -104},
    {19, "grs", -104},       {20, "grs_mnt_h", -104}, {21, "grs_mnt_c", -104}, {22, "mnt_grs_c", -104},
    {23, "mnt", -104},       {24, "mnt_wat_h", -104}, {25, "mnt_wat_c", -104}, {26, "wat_mnt_c", -104},
};
const tex_load other_textures[] = {
    {33, "rway_0L", 0},      {34, "rway_1L", 0},     {35, "rway_2L", 0},       {36, "rway_3L", 0},
    {37, "rway_0R", 0},      {38, "rway_1R", 0},     {39, "rway_2R", 0},       {40, "rway_3R", 0},
    {41, "rway_4R", 0},      {42, "rway_5R", 0},     {43, "rway_6R", 0},       {44, "rway_7R", 0},
    {45, "rway_8R", 0},      {46, "rway_9R", 0},     {47, "rway_turn", 0},     {48, "rway_pave", 0},
    {49, "rway_disp", 0},    {50, "rway_thld", 0},   {51, "rway_tdzm", 0},     {52, "rway_fdmk", 0},
    {53, "rway_line", 0},    {54, "deck", 0},        {14, "metal", 0},         {55, "dirty", 0},
    {56, "pad", 0},          {57, "tower", 0},       {58, "hull", 0},          {59, "bld_block", 0},
    {60, "bld_nartop", 0},   {61, "bld_tapered", 0}, {62, "bld_narbot", 0},    {63, "bld_avon", 0},
    {64, "bld_contow", 0},   {78, "windsock", 0},    {29, "rway_gras", -105},  {30, "rway_dirt", -105},
    {31, "rway_grav", -105}, {66, "fire1", -105},    {67, "fire2", -105},      {68, "fire3", -105},
    {69, "fire4", -105},     {70, "fire5", -105},    {71, "fire6", -105},      {72, "fire7", -105},
    {73, "fire8", -105},     {74, "fire9", -105},    {75, "fire10", -105},     {76, "fire11", -105},
    {77, "fire12", -105},    {65, "smoke", -106},
};

void reload_textures()
{
    int freeze = terrain_snowy(atm.temp_SL), tropic = terrain_tropical(flt.lat);
    int path_changed = strcmp(old_path, pln.C_path) != 0, res_changed = ogl_res != old_res;
    if (freeze == old_freeze && tropic == old_tropic && !res_changed && !path_changed) return;
    if (res_changed || path_changed) load_plane_geo(1, 0);
    // Without a GL context there is nothing to load the images into.
    if (ogl_ready) {
        if (freeze != old_freeze || tropic != old_tropic || res_changed)
            for (const tex_load& t : terrain_textures) OGL_texbmp(TEX_FROM_FOLDER, t.number, t.code, t.name);
        if (res_changed)
            for (const tex_load& t : other_textures) OGL_texbmp(TEX_FROM_FOLDER, t.number, t.code, t.name);
    }
    old_freeze = freeze;
    old_tropic = tropic;
    old_res = ogl_res;
    copy_bounded(old_path, pln.C_path, sizeof old_path);
}

void atc_and_receivers()
{
    ++sec_count;
    if (fpl.onfile && fpl.activated) handle_plan(0);
    if (atc.ils_vec_in_progress) controller_respond(atc.ils_command);
    if (sec_count % 4 == 0) LSO_respond();
    if (sec_count % 5 == 0) {
        int own_nav0 = pln.supptype == 1 || pln.supptype == 7;
        if (own_nav0) setnav(0);
        setnav(1);
        setnav(4);
        if (!own_nav0) setnav(5);
    }
}

void read_real_weather()
{
    char path[400];
    C_plus_C(app_path, "WORLD.RWK", path);
    inf1.close();
    inf1.clear();
    inf1.open(path, std::ios::binary);
    if (!inf1.is_open()) {
        inf1.clear();
        return;
    }
    static char report[WXR_FIELD_LEN];
    float z_report = 0;
    int found = get_wxr_str(report, &z_report, flt.lat, flt.lon);
    inf1.close();
    inf1.clear();
    atm.rate_change = 0;
    if (!found) return;
    rwk_found = 1;
    int obs_vis = 0, obs_den = 0;
    decode_wxr(report, z_report, &msc.zulu_time, &atm.cld_type, &rwk_base, &rwk_tops, &rwk_vis, &obs_vis, &obs_den,
               &atm.temp_SL, &atm.dewp_SL, &atm.wnddir, &atm.wndspd, &atm.shrspd, &atm.baro);
    atm.burst_prob = 1;
    rwk_rain = 1;
    if (obs_vis == 1 && obs_den >= 1 && obs_den <= 3) atm.burst_prob = rwk_rain = (float)(obs_den + 2);
    if (obs_vis >= 2 && obs_vis <= 4 && obs_den >= 1 && obs_den <= 3) rwk_rain = obs_den == 1 ? 2 : obs_den == 2 ? 3.5f : 5;
    if (!rwk_noticed) {
        rwk_noticed = 1;
        MACIBM_alert("I have detected the file 'WORLD.RWK' in the Korvan folder.",
                     "I shall therefore use that file to set the TIME and WEATHER conditions, though you can over-ride "
                     "the TIME setting.",
                     "You can over-ride the WEATHER settings in the 'Set Weather' window as well, but REAL conditions "
                     "will soon over-ride YOUR settings!",
                     "For complete weather CONTROL, rather than using REAL weather, remove the file 'WORLD.RWK' from "
                     "the Korvan folder.",
                     ALERT_NOTICE);
        float t = std::fmod(msc.zulu_time + (flt.lon / 15 + 3) * 3600, 86400.0f);
        msc.locl_time = t < 0 ? t + 86400 : t;
    }
    atm.wind_tbl = 1;
    atm.shrdir = 2 * atm.shrspd;
    atm.tbl = 0.2f * atm.shrspd + 0.1f * atm.wndspd;
}

void real_weather()
{
    if (rwk_first) {
        rwk_first = 0;
        rwk_base = atm.baseMSL;
        rwk_tops = atm.topsMSL;
        rwk_vis = atm.vis_rep;
        rwk_rain = atm.rain_tstm;
    }
    int la = flt_to_int(std::floor(flt.lat)), lo = flt_to_int(std::floor(flt.lon));
    if (++rwk_secs >= 60 || la != last_lat || lo != last_lon) {
        rwk_secs = 0;
        last_lat = la;
        last_lon = lo;
        read_real_weather();
    }
    if (!rwk_found) return;
    atm.vis_rep += 0.01f * (rwk_vis - atm.vis_rep);
    atm.baseMSL += 0.01f * (rwk_base - atm.baseMSL);
    atm.topsMSL += 0.01f * (rwk_tops - atm.topsMSL);
    atm.rain_tstm += 0.01f * (rwk_rain - atm.rain_tstm);
    if (atm.rain_tstm < 1.5f && rwk_rain < 1.5f) atm.rain_tstm = 1;
}

void frame_rate_watch()
{
    if (mnw.topwin != 0 || in_cloud_layer()) return;
    float limit = atm.cld_type == 1 && flt.Y > atm.topsMSL ? 0.05f : 1.0f / 11;
    if (msc.prd > limit) {
        ++slow_secs;
        if (atm.vis_mult > 0.15f) atm.vis_mult *= 0.96f;
    } else if (msc.prd < 0.75f * limit) {
        slow_secs = 0;
        if (atm.vis_mult < 0.99f) atm.vis_mult *= 1.02f;
    }
    if (slow_secs > 10 && !slow_warned && msc.warn_frame) {
        slow_warned = 1;
        MACIBM_alert("Warning: The simulator is running too slow for smooth animation and accurate flight dynamics. "
                     "You should lower the graphics load in the 'Set Rendering Options' window.",
                     "The simulator will maintain smooth animation by reducing the visibility, allowing a higher frame "
                     "rate for smoother animation.",
                     "Remember, it is possible to set the visibility too high for almost ANY CPU... this insures that "
                     "you can ask for all the visibility that YOUR CPU can handle!",
                     "To avoid this warning again, reduce the visibility, or go to the 'Warnings' item in the "
                     "'Settings' menu.",
                     ALERT_NOTICE);
    }
}

void weather_drift()
{
    if (std::fabs(atm.rate_change) <= 0.01f) return;
    float c = atm.rate_change;
    const int bad[5] = {atm.rain_tstm > 2, atm.wind_tbl > 2, atm.burst_prob > 2, atm.baseMSL - env.localh_cg < 300,
                        atm.vis_rep < 10000};
    for (int b : bad)
        if (c < 0 && b) c = fltrand(-1, 1);
    atm.topsMSL *= (500 - c) / 500;
    atm.baseMSL *= (500 + c) / 500;
    atm.vis_rep *= (500 + c) / 500;
    for (float* v : {&atm.rain_tstm, &atm.wind_tbl, &atm.burst_prob})
        if (std::fabs(c) > fltrand(0, 1)) *v = fltlim(*v - 0.01f * c, 1, 5);
    assign_wind_tbl(0.05f);
}

void rain_sound()
{
    int raining = scn.abovetops == 0 && atm.temp_SL > 32 && atm.rain_tstm > 1;
    if (raining != old_raining) {
        if (raining) play_buffer(SND_RAIN, 1);
        else stop_buffer(SND_RAIN);
    }
    old_raining = raining;
    if (atm.rain_tstm > 1.5f) atm.cld_type = 1;
}

void weather_limits()
{
    float ft = con.fttomtrs;
    atm.baseMSL = fltlim(atm.baseMSL, env.localh_cg + 50, 98999 * ft);
    atm.topsMSL = fltlim(atm.topsMSL, atm.baseMSL + 1000 * ft, 99999 * ft);
    atm.baseAGL = atm.baseMSL - env.localh_cg;
    atm.vis_rep = fltlim(atm.vis_rep, 185.2f, 37040);
    atm.rain_tstm = fltlim(atm.rain_tstm, 1, 5);
    atm.wind_tbl = fltlim(atm.wind_tbl, 1, 5);
    atm.burst_prob = fltlim(atm.burst_prob, 1, 5);
    atm.wnddir = wrap360(atm.wnddir);
    atm.shrdir = fltlim(atm.shrdir, 0, 180);
    atm.wndspd = fltlim(atm.wndspd, 0, 99);
    atm.shrspd = fltlim(atm.shrspd, 0, 99);
    atm.tbl = fltlim(atm.tbl, 0, 9);
}

float engine_speed_ratio(int e)
{
    return pln.omegamax > 0 ? flt.tac[e] / pln.omegamax : 0;
}

void stick_forces()
{
    float k = pln.is_heli ? (pln.ff_hydraulic ? 0 : 0.25f * sqr(engine_speed_ratio(0))) : 0.75f * flt.Qratio;
    JOY_force(19, 0, 0, flt_to_int(100 * k));
    if (pln.numen < 1 || pln.entype == 4 || pln.entype == 5) return;
    float w = pln.is_heli || pln.numen == 1 ? flt.tac[0] : (flt.tac[0] + flt.tac[1]) / 2;
    int m = pln.omegamax > 0 ? flt_to_int(20 * w / pln.omegamax) : 0;
    int f = flt_to_int(w / con.pim2);
    if (pln.is_heli) m = pln.ff_hydraulic ? 0 : m;
    else m = m / 2 + 10;
    JOY_force(20, m, f, 0);
}

void fuel_and_engines()
{
    float dt = msc.elap_time - last_burn_time;
    last_burn_time = msc.elap_time;
    if (dt < 0) dt = 0;   // the clock went back with a new flight
    for (int e = 0; e < pln.numen && e < 4; ++e) flt.m_fuel -= flt.ff_[e] * dt;
    for (int e = 0; e < 4; ++e)
        flt.eng_running[e] = e < pln.numen && flt.m_fuel > 0.01f && flt.mixt_powr_rat[e] > 0.01f && rel.engine[e];
    flt.m_fuel = fltlim(flt.m_fuel, 0, pln.m_fuel);
}

void ice()
{
    float T = atm.T - 273.15f;
    if (in_cloud_layer() && T > -20 && T < 0) msc.frame_ice += 0.00333f;
    if (T > 0) msc.frame_ice -= 0.000333f * T;
    if (ins.antiice_on && rel.antice) msc.frame_ice -= 0.01f;
    if (msc.frame_ice < 0) msc.frame_ice = 0;

    if (pln.entype != 1) return;
    for (int e = 0; e < pln.numen && e < 4; ++e) {
        if (flt.heat > 0.5f) msc.carb_ice[e] -= 0.2f;
        else if (!flt.onground && T > -5 && T < 25) {
            float green = pln.omegamingreen;
            if (flt.tac[e] > green / 2 && flt.tac[e] < green) msc.carb_ice[e] += 0.005f;
            if (flt.tac[e] > green) msc.carb_ice[e] -= 0.01f;
        }
        msc.carb_ice[e] = fltlim(msc.carb_ice[e], 0, 1);
    }
}

int all_work(const int* flags)
{
    for (int e = 0; e < pln.numen && e < 4; ++e)
        if (!flags[e]) return 0;
    return 1;
}

// One failure item: draws it while its flag is up and its condition holds.
int draw_failure(int w, int* flag, int condition)
{
    if (!*flag || !condition || !failme(w)) return 0;
    *flag = 0;
    return 1;
}

void failures()
{
    int e = pln.numen > 0 ? intrand(0, intlim(pln.numen, 1, 4) - 1) : 0;
    int engines = pln.numen > 0;
    float now = msc.elap_time;
    int caution = 0;
    if (draw_failure(0, &rel.vacuum, pln.paneltype == 1)) {
        rel.vac_death_time = now;
        rel.the_fail_err = fallout(fltrand(-40, 40), -10, 10);
        rel.phi_fail_err = fallout(fltrand(-20, 20), -10, 10);
        caution = 1;
    }
    int* instruments[6] = {&rel.ss_asi, &rel.ss_ahz, &rel.ss_alt, &rel.ss_tsi, &rel.ss_dgy, &rel.ss_vvi};
    for (int k = 0; k < 6; ++k) draw_failure(1 + k, instruments[k], 1);
    draw_failure(7, &rel.efis_1, pln.paneltype == 2);
    draw_failure(8, &rel.efis_2, pln.paneltype == 2);
    draw_failure(9, &rel.radios, 1);
    caution |= draw_failure(10, &rel.engine[e], engines && all_work(rel.engine));
    caution |= draw_failure(11, &rel.fc_ail, 1);
    caution |= draw_failure(12, &rel.fc_elv, 1);
    caution |= draw_failure(13, &rel.fc_rud, 1);
    caution |= draw_failure(14, &rel.fc_flp, pln.flapEQ);
    caution |= draw_failure(15, &rel.fc_slt, pln.slatEQ);
    caution |= draw_failure(16, &rel.fc_thr, engines);
    for (int g = 0; g < 3; ++g) caution |= draw_failure(17 + g, &rel.lagear[g], pln.gear_type == 2);
    if (draw_failure(20, &rel.esystem, 1)) rel.clights = rel.radios = rel.efis_2 = rel.efis_1 = 0;
    if (draw_failure(21, &rel.hydsys, pln.ff_hydraulic)) {
        hyd_fail_time = now;
        caution = 1;
    }
    caution |= draw_failure(22, &rel.thrgov[e], engines && all_work(rel.thrgov));
    caution |= draw_failure(23, &rel.stbaug, 1);
    caution |= draw_failure(24, &rel.symflp, pln.flapEQ);
    caution |= draw_failure(25, &rel.sttrim, 1);
    caution |= draw_failure(26, &rel.revlok[e], engines && pln.revthrustEQ && all_work(rel.revlok));
    caution |= draw_failure(27, &rel.antice, pln.antiiceEQ);
    if (draw_failure(28, &rel.oilpmp[e], engines && all_work(rel.oilpmp))) {
        oil_fail_time = now;
        caution = 1;
    }
    draw_failure(29, &rel.clights, 1);
    draw_failure(30, &rel.otto, 1);
    draw_failure(31, &rel.trotor, pln.is_heli);
    if (caution && pln.ecam) {
        play_buffer(SND_CAUTION, 0);
        ins.ecam_mode = 7;
    }
}

void hydraulics_and_oil()
{
    float now = msc.elap_time;
    rel.hyd_rat = 1;
    if (pln.ff_hydraulic) {
        if (pln.is_heli) rel.hyd_rat = engine_speed_ratio(0);
        else if (pln.numen > 0) {
            int n = intlim(pln.numen, 1, 4), running = 0;
            float sum = 0;
            for (int e = 0; e < n; ++e) {
                sum += pln.entype == 4 || pln.entype == 5 ? flt.n1_[e] / 100 : engine_speed_ratio(e);
                running |= flt.eng_running[e];
            }
            rel.hyd_rat = 0.9f + 0.1f * sum / n;
            if (!running && !flt.onground) {
                rel.RAT_on = 1;
                rel.hyd_rat = pln.Vne > 0 ? flt.vind / pln.Vne : 0;
            }
        }
        if (flt.Y > 20000) rel.hyd_rat = 1;
        if (!rel.hydsys) rel.hyd_rat = fltlim(0.9f * (1 - (now - hyd_fail_time) / 180), 0, 0.9f);
        rel.hyd_rat = fltlim(rel.hyd_rat, 0, 1);
    }
    rel.oil_rat = 1;
    for (int e = 0; e < 4; ++e)
        if (!rel.oilpmp[e]) rel.oil_rat = 1 - fltlim((now - oil_fail_time) / 300, 0, 1);
}

void lightning()
{
    if (atm.rain_tstm <= 1 || atm.temp_SL <= 32) return;
    float d = fltrand(0, 30);
    int b = intrand(0, 359);
    float sx = (float)flt.X + sin_deg(b) * d * con.nmtomtrs;
    float sz = (float)flt.Z - cos_deg(b) * d * con.nmtomtrs;
    int i, j;
    wxr_cell(sx, sz, &i, &j);
    if (wxr_at_cell(i, j) * atm.rain_tstm <= 2 || flt.Y >= atm.topsMSL) return;
    float start[3] = {sx, env.localh_cg + 3000, sz};
    for (int k = 0; k < 4; ++k) {
        if (k > 0)
            for (int a = 0; a < 3; ++a) start[a] = atm.lightXYZ[k - 1][13][a];
        float step = 0.05f * (start[1] - env.localh_cg);
        for (int a = 0; a < 3; ++a) atm.lightXYZ[k][0][a] = start[a];
        for (int p = 1; p < 20; ++p) {
            atm.lightXYZ[k][p][0] = atm.lightXYZ[k][p - 1][0] + fltrand(-0.5f, 0.5f) * step;
            atm.lightXYZ[k][p][1] = atm.lightXYZ[k][p - 1][1] - fltrand(0.5f, 1.5f) * step;
            atm.lightXYZ[k][p][2] = atm.lightXYZ[k][p - 1][2] + fltrand(-0.5f, 0.5f) * step;
        }
    }
    atm.strike_stop_time = msc.elap_time + fltrand(0.2f, 0.6f);
    atm.strike_distance = d;
    float v = 5 / fltmax2(d, 0.01f);
    if (v > 0.3f) {
        set_frq_vol(fltlim(v, 0.3f, 1), fltlim(v, 0, 1), 0, 1, SND_THUNDER);
        play_buffer(SND_THUNDER, 0);
    }
}

void overspeed()
{
    if (pln.is_heli) return;
    // Indicated airspeed and the aircraft's limits are both in knots.
    float v = flt.vind;
    if (v > 1.1f * pln.Vne && !flt.over_vne && msc.warn_overspeed) {
        MACIBM_alert("You just busted the redline speed.", "I shall now remove a critical flying surface.",
                     "Enjoy the ride down.",
                     "(To avoid this occurrence again, you can fly more slowly or select the 'Warnings' item in the "
                     "'Settings' menu).",
                     ALERT_NOTICE);
        flt.over_vne = 1;
    }
    if (v > pln.Vfe && flt.flaprqst > 0.01f && !flt.over_vfe && msc.warn_flaps) {
        MACIBM_alert("You just extended the flaps above Vfe.", "", "",
                     "(To avoid this occurrence again, you can fly right or go to the 'Warnings' item in the "
                     "'Settings' menu.",
                     ALERT_NOTICE);
        flt.over_vfe = 1;
    }
    if (flt.flaprqst < 0.01f) flt.over_vfe = 0;
}

} // namespace

// A uniform number in [0, 1) of 45 bits from three draws, so that a mean time
// to failure of any length keeps its odds.
static double fine_uniform()
{
    double u = 0;
    for (int k = 0; k < 3; ++k) u = (u + (toolkit_rand() & 32767)) / 32768.0;
    return u;
}

int failme(int w)
{
    if (w < 0 || w >= 32) return 0;
    if (rel.fail_type[w] == 1)
        return fltrand(0, 400) < rel.total_fail_entry && fltrand(0, 400) < rel.total_fail_entry;
    if (rel.fail_type[w] == 2) {
        double seconds = (double)rel.fail_time_max[w] * 3600;
        return seconds <= 1 || fine_uniform() < 1 / seconds;
    }
    return 1;
}

void end_morse_id()
{
    morse_on = 0;
}

void mod_evt()
{
    if (pln.entype != 0) maintain_engine_sound();
    maintain_windrain_sound();
    stall_warning();
    marker_tones();
    morse_player();
    record_path();
    storm_level();
    if (pln.supptype == 1 || pln.supptype == 7) needles(0);
    needles(1);
    wing_sweep();
    thrust_vectoring();
    flaps_and_slats();
    if (pln.autosweepEQ) flt.sweerqst = 1 - std::sqrt(fltmax2(flt.flap, 0));
    if (msc.cntr10 == 0) new_wind_target();
    float shear[3];
    wind_shear(shear);
    atm.wind_X = 0.9f * atm.wind_X + 0.1f * (wind_target[0] + shear[0]);
    atm.wind_Y = 0.9f * atm.wind_Y + 0.1f * (wind_target[1] + shear[1]);
    atm.wind_Z = 0.9f * atm.wind_Z + 0.1f * (wind_target[2] + shear[2]);
    gear_motion();
    move_rabbits(msc.cntr10 == 0);
    if (flt.onground && pln.ngearZ > 0 && flt.the < fltwrap(pln.the_eqlbm, -180, 180) - 2) set.parkbrake *= 0.95f;
    if (fltrand(0, 1) < 0.1f) {
        ins.reply_time1 = msc.elap_time;
        ins.reply_time2 = msc.elap_time + fltrand(0.1f, 0.3f);
    }
    data_file_output();
}

void mod_sec()
{
    marker_beacons();
    callouts();
    reload_textures();
    atc_and_receivers();
    real_weather();
    frame_rate_watch();
    weather_drift();
    rain_sound();
    weather_limits();
    stick_forces();
    fuel_and_engines();
    ice();
    failures();
    hydraulics_and_oil();
    lightning();
    double r = (double)con.rearth + flt.Y;
    atm.g = (float)(con.muearth / (r * r));
    overspeed();
}
