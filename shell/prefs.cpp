// The preferences and situation files, first-run defaults and the output
// channel choices.
#include "prefs.h"

#include "records/cockpit_state.h"
#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FILE.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TEXTURE.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>

int ogl_trees;

namespace {
const int PREFS_VERSION = 466;

// Everything the file holds, in file order. Reading fills one of these
// first, so a damaged file changes nothing.
struct prefs_image {
    char file[400], path[400];
    int apt, rway;
    float locl_time, temp_SL, ins_baro, atm_baro, rain_tstm, wind_tbl, burst_prob;
    int cld_type;
    float topsMSL, baseMSL, vis_rep, wnddir, wndspd, shrdir, shrspd, tbl, wave_amp, wave_length, wave_speed;
    float wave_dir;
    int meteorite_code;
    float rway_fric_rat;
    int sound_on, voice_out, text_out, warn_frame, warn_overspeed, warn_flaps, warn_bb;
    int Bdsk[60], Brlt[60], Bgrf[60];
    int serout;
    float damp, joy_rat_ptch, joy_rat_hdng, joy_rat_roll;
    int eq_ped, eq_avi, eq_thr, eq_col;
    float NZptch, NZroll;
    int joy_response[22];
    int nf[2], cf[2];
    float obs[2];
    int adff, dmesel;
    int gps_index_mode, gps_index, gps_apt_index, gps_vor_index, gps_ndb_index;
    int gps_id[4];
    float prd;
    int logtime;
    float total_fail_entry;
    int ogl_res, ogl_trees;
    double X, Z;
    float psi;
    double Y;
    float v;
};

prefs_image img;

int last_airport_with_id(const char* id)
{
    int found = -1;
    for (int a = 0; a <= env.aptmax && a < APT_CAP; ++a)
        if (strncmp(apt_id[a], id, 4) == 0) found = a;
    return found;
}

// The region around the chosen airport, and the reference for nearest-field searches.
void region_from_airport(int a)
{
    env.lat_sou = round(apt_lat[a][0] - 1);
    env.lon_wes = round(apt_lon[a][0] - 1.5f);
    flt.lat = (float)env.lat_sou;
    flt.lon = (float)env.lon_wes;
}

int is_set(int v)
{
    return v ? 1 : 0;
}

void collect(prefs_image& p)
{
    copy_bounded(p.file, pln.C_file, 400);
    copy_bounded(p.path, pln.C_path, 400);
    p.apt = msc.loc_apt_wrl;
    p.rway = msc.rway_sel;
    p.locl_time = msc.locl_time;
    p.temp_SL = atm.temp_SL;
    p.ins_baro = ins.baro;
    p.atm_baro = atm.baro;
    p.rain_tstm = atm.rain_tstm;
    p.wind_tbl = atm.wind_tbl;
    p.burst_prob = atm.burst_prob;
    p.cld_type = atm.cld_type;
    p.topsMSL = atm.topsMSL;
    p.baseMSL = atm.baseMSL;
    p.vis_rep = atm.vis_rep;
    p.wnddir = atm.wnddir;
    p.wndspd = atm.wndspd;
    p.shrdir = atm.shrdir;
    p.shrspd = atm.shrspd;
    p.tbl = atm.tbl;
    p.wave_amp = atm.wave_amp;
    p.wave_length = atm.wave_length;
    p.wave_speed = atm.wave_speed;
    p.wave_dir = (float)atm.wave_dir;
    p.meteorite_code = atm.meteorite_code;
    p.rway_fric_rat = atm.rway_fric_rat;
    p.sound_on = msc.sound_on;
    p.voice_out = set.voice_out;
    p.text_out = set.text_out;
    p.warn_frame = msc.warn_frame;
    p.warn_overspeed = msc.warn_overspeed;
    p.warn_flaps = msc.warn_flaps;
    p.warn_bb = msc.warn_bb;
    for (int i = 0; i < 60; ++i) {
        p.Bdsk[i] = set.Bdsk[i];
        p.Brlt[i] = set.Brlt[i];
        p.Bgrf[i] = set.Bgrf[i];
    }
    p.serout = set.serout;
    p.damp = set.damp;
    p.joy_rat_ptch = set.joy_rat_ptch;
    p.joy_rat_hdng = set.joy_rat_hdng;
    p.joy_rat_roll = set.joy_rat_roll;
    p.eq_ped = set.eq_ped;
    p.eq_avi = set.eq_avi;
    p.eq_thr = set.eq_thr;
    p.eq_col = set.eq_col;
    p.NZptch = set.NZptch;
    p.NZroll = set.NZroll;
    for (int i = 0; i < 22; ++i) p.joy_response[i] = set.joy_response[i];
    for (int i = 0; i < 2; ++i) {
        p.nf[i] = nav.nf[i];
        p.cf[i] = nav.cf[i];
        p.obs[i] = nav.obs[i];
    }
    p.adff = nav.adff;
    p.dmesel = nav.dmesel;
    p.gps_index_mode = nav.gps_index_mode;
    p.gps_index = nav.gps_index;
    p.gps_apt_index = nav.gps_apt_index;
    p.gps_vor_index = nav.gps_vor_index;
    p.gps_ndb_index = nav.gps_ndb_index;
    for (int i = 0; i < 4; ++i) p.gps_id[i] = nav.gps_id[i];
    p.prd = msc.prd;
    p.logtime = msc.logtime;
    p.total_fail_entry = rel.total_fail_entry;
    p.ogl_res = ogl_res;
    p.ogl_trees = ogl_trees;
    p.X = flt.X - env.lox;
    p.Z = flt.Z - env.hiz;
    p.psi = flt.psi;
    p.Y = flt.Y;
    p.v = flt.v;
}

void write_image(const prefs_image& p)
{
    const char n = '\n';
    ouf << p.file << n << p.path << n << p.apt << n << p.rway << n;
    ouf << p.locl_time << n << p.temp_SL << n << p.ins_baro << n << p.atm_baro << n;
    ouf << p.rain_tstm << n << p.wind_tbl << n << p.burst_prob << n << p.cld_type << n;
    ouf << p.topsMSL << n << p.baseMSL << n << p.vis_rep << n;
    ouf << p.wnddir << n << p.wndspd << n << p.shrdir << n << p.shrspd << n << p.tbl << n;
    ouf << p.wave_amp << n << p.wave_length << n << p.wave_speed << n << (int)p.wave_dir << n;
    ouf << p.meteorite_code << n << p.rway_fric_rat << n;
    for (int b : {p.sound_on, p.voice_out, p.text_out, p.warn_frame, p.warn_overspeed, p.warn_flaps, p.warn_bb})
        ouf << is_set(b) << n;
    for (int i = 0; i < 60; ++i)
        ouf << is_set(p.Bdsk[i]) << ' ' << is_set(p.Brlt[i]) << ' ' << is_set(p.Bgrf[i]) << n;
    ouf << p.serout << n << p.damp << n;
    ouf << p.joy_rat_ptch << n << p.joy_rat_hdng << n << p.joy_rat_roll << n;
    for (int b : {p.eq_ped, p.eq_avi, p.eq_thr, p.eq_col}) ouf << is_set(b) << n;
    ouf << p.NZptch << n << p.NZroll << n;
    for (int r : p.joy_response) ouf << r << n;
    ouf << p.nf[0] << n << p.nf[1] << n << p.cf[0] << n << p.cf[1] << n;
    ouf << p.obs[0] << n << p.obs[1] << n << p.adff << n << p.dmesel << n;
    ouf << p.gps_index_mode << n << p.gps_index << n << p.gps_apt_index << n << p.gps_vor_index << n
        << p.gps_ndb_index << n;
    for (int c : p.gps_id) ouf << c << n;
    ouf << p.prd << n << is_set(p.logtime) << n << p.total_fail_entry << n << p.ogl_res << n << p.ogl_trees << n;
    ouf << p.X << n << p.Z << n << p.psi << n << p.Y << n << p.v << n;
}

void read_text_line(char* out, const char* label)
{
    char line[401];
    strscan(line, label, 401);
    copy_bounded(out, line, 400);
}

void read_image(prefs_image& p, const char* label)
{
    read_text_line(p.file, label);
    read_text_line(p.path, label);
    p.apt = intscan(label);
    p.rway = intscan(label);
    p.locl_time = fltscan(label);
    p.temp_SL = fltscan(label);
    p.ins_baro = fltscan(label);
    p.atm_baro = fltscan(label);
    p.rain_tstm = fltscan(label);
    p.wind_tbl = fltscan(label);
    p.burst_prob = fltscan(label);
    p.cld_type = intscan(label);
    p.topsMSL = fltscan(label);
    p.baseMSL = fltscan(label);
    p.vis_rep = fltscan(label);
    p.wnddir = fltscan(label);
    p.wndspd = fltscan(label);
    p.shrdir = fltscan(label);
    p.shrspd = fltscan(label);
    p.tbl = fltscan(label);
    p.wave_amp = fltscan(label);
    p.wave_length = fltscan(label);
    p.wave_speed = fltscan(label);
    p.wave_dir = fltscan(label);
    p.meteorite_code = intscan(label);
    p.rway_fric_rat = fltscan(label);
    for (int* b : {&p.sound_on, &p.voice_out, &p.text_out, &p.warn_frame, &p.warn_overspeed, &p.warn_flaps,
                   &p.warn_bb})
        *b = bolscan(label);
    for (int i = 0; i < 60; ++i) {
        p.Bdsk[i] = intscanNOSN(label);
        p.Brlt[i] = intscanNOSN(label);
        p.Bgrf[i] = intscan(label);
    }
    p.serout = intscan(label);
    p.damp = fltscan(label);
    p.joy_rat_ptch = fltscan(label);
    p.joy_rat_hdng = fltscan(label);
    p.joy_rat_roll = fltscan(label);
    for (int* b : {&p.eq_ped, &p.eq_avi, &p.eq_thr, &p.eq_col}) *b = bolscan(label);
    p.NZptch = fltscan(label);
    p.NZroll = fltscan(label);
    for (int& r : p.joy_response) r = intscan(label);
    p.nf[0] = intscan(label);
    p.nf[1] = intscan(label);
    p.cf[0] = intscan(label);
    p.cf[1] = intscan(label);
    p.obs[0] = fltscan(label);
    p.obs[1] = fltscan(label);
    p.adff = intscan(label);
    p.dmesel = intscan(label);
    p.gps_index_mode = intscan(label);
    p.gps_index = intscan(label);
    p.gps_apt_index = intscan(label);
    p.gps_vor_index = intscan(label);
    p.gps_ndb_index = intscan(label);
    for (int& c : p.gps_id) c = intscan(label);
    p.prd = fltscan(label);
    p.logtime = bolscan(label);
    p.total_fail_entry = fltscan(label);
    p.ogl_res = intscan(label);
    p.ogl_trees = intscan(label);
    p.X = fltscan(label);
    p.Z = fltscan(label);
    p.psi = fltscan(label);
    p.Y = fltscan(label);
    p.v = fltscan(label);
}

// A direction from the file in whole degrees 0..359; what is not a number is 0.
int wrapped_direction(float deg)
{
    if (!std::isfinite(deg)) return 0;
    double d = std::fmod((double)deg, 360.0);
    if (d < 0) d += 360;
    return flt_to_int(d) % 360;
}

// The range of every number a file can carry: what its settings window or
// the simulator itself keeps (the weather limits of the timed managers, the
// radios' bands). A value outside, or not a number, marks the file damaged:
// limited, it would fly another situation than the one saved.
enum { FLT, DBL, INT };
struct line_range {
    int line, kind;
    size_t at;   // place of the value in the image
    double lo, hi;
};

#define IMG(kind, f) kind, offsetof(prefs_image, f)
const float FT = 0.3048f, DEG = 360;
// The start position: within reach of its region's corner, below space.
const double REACH = 1e6, LOWEST = -1000, HIGHEST = 1e5;
const double MAX_EAS = 300;   // m/s
const line_range line_ranges[] = {
    {5, IMG(FLT, locl_time), 0, 86400}, {6, IMG(FLT, temp_SL), -150, 150}, {7, IMG(FLT, ins_baro), 25, 35},
    {8, IMG(FLT, atm_baro), 25, 35}, {9, IMG(FLT, rain_tstm), 1, 5}, {10, IMG(FLT, wind_tbl), 1, 5},
    {11, IMG(FLT, burst_prob), 1, 5}, {12, IMG(INT, cld_type), 0, 1}, {13, IMG(FLT, topsMSL), -1000, 99999 * FT},
    {14, IMG(FLT, baseMSL), -1000, 98999 * FT}, {15, IMG(FLT, vis_rep), 0, 37040},
    // The wind as the weather window's turbulence leaves it, a second
    // before the timed managers limit it again.
    {16, IMG(FLT, wnddir), -DEG, 2 * DEG}, {17, IMG(FLT, wndspd), 0, 99}, {18, IMG(FLT, shrdir), 0, 180},
    {19, IMG(FLT, shrspd), 0, 99}, {20, IMG(FLT, tbl), 0, 15}, {21, IMG(FLT, wave_amp), 0, 1000},
    {22, IMG(FLT, wave_length), 0.1f, 1000}, {23, IMG(FLT, wave_speed), 0, 1000}, {25, IMG(INT, meteorite_code), 0, 4},
    {26, IMG(FLT, rway_fric_rat), 0.399f, 1.001f}, {95, IMG(FLT, damp), 0, 1}, {96, IMG(FLT, joy_rat_ptch), 0, 1},
    {97, IMG(FLT, joy_rat_hdng), 0, 1}, {98, IMG(FLT, joy_rat_roll), 0, 1}, {103, IMG(FLT, NZptch), 0, 1},
    {104, IMG(FLT, NZroll), 0, 1}, {127, IMG(INT, nf[0]), 10800, 11799}, {128, IMG(INT, nf[1]), 10800, 11799},
    {129, IMG(INT, cf[0]), 11800, 13699}, {130, IMG(INT, cf[1]), 11800, 13699}, {131, IMG(FLT, obs[0]), 0, DEG},
    {132, IMG(FLT, obs[1]), 0, DEG}, {133, IMG(INT, adff), 0, 999}, {135, IMG(INT, gps_index_mode), 1, 3},
    {140, IMG(INT, gps_id[0]), 0, 36}, {141, IMG(INT, gps_id[1]), 0, 36}, {142, IMG(INT, gps_id[2]), 0, 36},
    {143, IMG(INT, gps_id[3]), 0, 36}, {144, IMG(FLT, prd), -1e6f, 1e6f}, {146, IMG(FLT, total_fail_entry), 0, 9},
    {149, IMG(DBL, X), -REACH, REACH}, {150, IMG(DBL, Z), -REACH, REACH}, {151, IMG(FLT, psi), -DEG, 2 * DEG},
    {152, IMG(DBL, Y), LOWEST, HIGHEST}, {153, IMG(FLT, v), 0, 1000},
};
#undef IMG

int position_in_reach(double X, double Z, double Y)
{
    return std::fabs(X) <= REACH && std::fabs(Z) <= REACH && Y >= LOWEST && Y <= HIGHEST;
}

// The aircraft's place as the file keeps it, when it is out of reach (a
// world window gone off the earth): the saved airport, where the reader puts
// the region, seen from that region's south-west corner.
void position_at_airport(prefs_image& p)
{
    int last = intmin2(env.aptmax, APT_CAP - 1);
    int a = last > 0 ? intlim(p.apt, 0, last) : 0;
    float lat = apt_lat[a][0], lon = apt_lon[a][0];
    if (!std::isfinite(lat) || !std::isfinite(lon)) lat = lon = 0;
    double mtrs = 60 * con.nmtomtrs;
    p.X = (lon - round(lon - 1.5f)) * mtrs * std::cos(lat * con.degtorad);
    p.Z = -(lat - round(lat - 1)) * mtrs;
    p.Y = apt_h[a];
    if (!position_in_reach(p.X, p.Z, p.Y)) p.X = p.Z = p.Y = 0;
}

// Checks every number against its range; with `limit` set, brings each one
// inside instead (what is not a number goes to the low end), so a file the
// writer makes is always one the reader takes. 1 when all were inside.
int fit_ranges(prefs_image& p, int limit)
{
    int inside = 1, placed = 1;
    for (const line_range& r : line_ranges) {
        char* at = (char*)&p + r.at;
        double v = r.kind == FLT ? *(float*)at : r.kind == DBL ? *(double*)at : *(int*)at;
        if (v >= r.lo && v <= r.hi) continue;
        inside = 0;
        // The position is put right as a whole, below.
        if (r.kind == DBL) placed = 0;
        if (!limit || r.kind == DBL) continue;
        double fit = v > r.hi ? r.hi : r.lo;
        if (r.kind == FLT) *(float*)at = (float)fit;
        else *(int*)at = (int)fit;
    }
    if (limit && !placed) position_at_airport(p);
    return inside;
}

// The fastest start at height y: an equivalent airspeed (the speed at sea
// level of the same dynamic pressure, in a plain exponential atmosphere) of
// MAX_EAS. Faster, the aerodynamic moments swing the aircraft without bound
// within a second; the file keeps what was saved, the start is limited.
float flyable_start_speed(float v, double y)
{
    double sigma = std::exp(-std::fmax(y, 0.0) / 9000);
    return (float)std::fmin((double)v, MAX_EAS / std::sqrt(sigma));
}

// An index from the file, kept only when it points at something.
int checked(int v, int lo, int hi, int fallback)
{
    return v >= lo && v <= hi ? v : fallback;
}

void apply(const prefs_image& p)
{
    copy_bounded(pln.C_file, p.file, 400);
    copy_bounded(pln.C_path, p.path, 400);
    msc.loc_apt_wrl = checked(p.apt, 0, intmin2(env.aptmax, APT_CAP - 1), 0);
    region_from_airport(msc.loc_apt_wrl);
    msc.rway_sel = checked(p.rway, 0, 5, 0);
    msc.locl_time = p.locl_time;
    atm.temp_SL = p.temp_SL;
    ins.baro = p.ins_baro;
    atm.baro = p.atm_baro;
    atm.rain_tstm = p.rain_tstm;
    atm.wind_tbl = p.wind_tbl;
    atm.burst_prob = p.burst_prob;
    atm.cld_type = p.cld_type;
    atm.topsMSL = p.topsMSL;
    atm.baseMSL = p.baseMSL;
    atm.vis_rep = p.vis_rep;
    atm.wnddir = p.wnddir;
    atm.wndspd = p.wndspd;
    atm.shrdir = p.shrdir;
    atm.shrspd = p.shrspd;
    atm.tbl = p.tbl;
    atm.wave_amp = p.wave_amp;
    atm.wave_length = p.wave_length;
    atm.wave_speed = p.wave_speed;
    atm.wave_dir = wrapped_direction(p.wave_dir);
    atm.trml_prt = 0;
    atm.trml_vvi = 0;
    atm.meteorite_code = p.meteorite_code;
    atm.rway_fric_rat = p.rway_fric_rat;
    msc.sound_on = p.sound_on;
    set.voice_out = p.voice_out;
    set.text_out = p.text_out;
    msc.warn_frame = p.warn_frame;
    msc.warn_overspeed = p.warn_overspeed;
    msc.warn_flaps = p.warn_flaps;
    msc.warn_bb = p.warn_bb;
    // Disk output never starts from a saved file.
    for (int i = 0; i < 60; ++i) {
        set.Bdsk[i] = 0;
        set.Brlt[i] = is_set(p.Brlt[i]);
        set.Bgrf[i] = is_set(p.Bgrf[i]);
    }
    set.serout = checked(p.serout, 0, 5, 0);
    set.damp = p.damp;
    set.joy_rat_ptch = p.joy_rat_ptch;
    set.joy_rat_hdng = p.joy_rat_hdng;
    set.joy_rat_roll = p.joy_rat_roll;
    set.eq_ped = p.eq_ped;
    set.eq_avi = p.eq_avi;
    set.eq_thr = p.eq_thr;
    set.eq_col = p.eq_col;
    set.NZptch = p.NZptch;
    set.NZroll = p.NZroll;
    for (int i = 0; i < 22; ++i) set.joy_response[i] = checked(p.joy_response[i], 0, 30, 0);
    for (int i = 0; i < 2; ++i) {
        nav.nf[i] = p.nf[i];
        nav.cf[i] = p.cf[i];
        nav.obs[i] = p.obs[i];
    }
    nav.adff = p.adff;
    nav.dmesel = checked(p.dmesel, 0, 1, 0);
    nav.gps_index_mode = p.gps_index_mode;
    // GPS targets only within the tables loaded.
    int last_apt = intmin2(env.aptmax, APT_CAP - 1), last_nav = intmin2(env.navmax, NAV_CAP - 1);
    nav.gps_apt_index = checked(p.gps_apt_index, 0, last_apt, 0);
    nav.gps_vor_index = checked(p.gps_vor_index, 0, last_nav, 0);
    nav.gps_ndb_index = checked(p.gps_ndb_index, 0, last_nav, 0);
    nav.gps_index = checked(p.gps_index, 0, p.gps_index_mode == 1 ? last_apt : last_nav, 0);
    for (int i = 0; i < 4; ++i) nav.gps_id[i] = p.gps_id[i];
    msc.prd = fltlim(p.prd, 0.01f, 0.1f);
    msc.logtime = p.logtime;
    rel.total_fail_entry = p.total_fail_entry;
    ogl_res = checked(p.ogl_res, 1, 5, 2);
    ogl_trees = is_set(p.ogl_trees);
    set.cus_X = (float)p.X;
    set.cus_Z = (float)p.Z;
    set.cus_psi = p.psi;
    set.cus_Y = (float)p.Y;
    set.cus_v = flyable_start_speed(p.v, p.Y);
    if (set.eq_avi) {
        nav.nf[0] = nav.nf[1] = 11170;
        nav.cf[0] = nav.cf[1] = 12100;
        nav.adff = 210;
    }
}

// Reads and applies the file: 1 read, 0 missing or not ours, -1 damaged
// (nothing applied).
int read_prefs_file(const char* path, int ftype, int alert)
{
    int saved_use = inf_use;
    inf_use = 1;
    // A damaged file must not end the program: read softly, then judge.
    scan_soft = 1;
    scan_failed = 0;
    int opened = inf_open(path, ftype, PREFS_VERSION, alert);
    if (opened) read_image(img, path);
    int damaged = scan_failed || (!opened && inf1.is_open() && inf1.fail()) || (opened && !fit_ranges(img, 0));
    scan_soft = 0;
    scan_failed = 0;
    inf1.close();
    inf1.clear();
    inf_use = saved_use;
    if (damaged) return -1;
    if (!opened) return 0;
    apply(img);
    set_rlt_grf_choices();
    return 1;
}

int file_is_there(const char* path)
{
    std::FILE* f = std::fopen(path, "rb");
    if (f) std::fclose(f);
    return f != nullptr;
}

// "Reset Preferences and Exit" leaves a file of version -1 on purpose.
int reset_on_purpose(const char* path)
{
    std::FILE* f = std::fopen(path, "rb");
    if (!f) return 0;
    char head[16] = "";
    size_t n = std::fread(head, 1, sizeof head - 1, f);
    std::fclose(f);
    head[n] = 0;
    for (const char* mark : {"I\n-1 version", "I\r\n-1 version"})
        if (strncmp(head, mark, strlen(mark)) == 0) return 1;
    return 0;
}

// Moves the file to the first free name beside it; 1 when it moved.
int keep_aside(const char* path, char* kept, int dim)
{
    for (int k = 1; k < 100; ++k) {
        if (k == 1) snprintf(kept, dim, "%s.unread", path);
        else snprintf(kept, dim, "%s.unread%d", path, k);
        if (file_is_there(kept)) continue;
        return std::rename(path, kept) == 0;
    }
    return 0;
}
} // namespace

int grab_prefs(const char* path, int ftype, int alert)
{
    int got = read_prefs_file(path, ftype, alert);
    if (got < 0)
        MACIBM_alert("The following file is damaged or incomplete, so I could not read it:", path,
                     ftype == 206 ? "I will start you off with the first-run settings instead."
                                  : "Nothing has been changed.",
                     "", ALERT_NOTICE);
    return got == 1;
}

int start_prefs(const char* path)
{
    if (read_prefs_file(path, 206, 0) == 1) return 1;
    if (!file_is_there(path) || reset_on_purpose(path)) return 0;
    char kept[420];
    if (keep_aside(path, kept, sizeof kept))
        MACIBM_alert("I could not read your preferences file (it is damaged, or from another version of Korvan).",
                     "I have kept it under another name:", kept,
                     "I will start you off with the first-run settings instead.", ALERT_NOTICE);
    else
        MACIBM_alert("I could not read your preferences file (it is damaged, or from another version of Korvan),",
                     "and I could not keep it under another name:", path,
                     "The first-run settings will take its place when you quit.", ALERT_NOTICE);
    return 0;
}

int situation_line_range(int i, int* line, double* lo, double* hi)
{
    if (i < 0 || i >= (int)(sizeof line_ranges / sizeof line_ranges[0])) return 0;
    *line = line_ranges[i].line;
    *lo = line_ranges[i].lo;
    *hi = line_ranges[i].hi;
    return 1;
}

int dump_prefs(const char* path, int ftype)
{
    collect(img);
    fit_ranges(img, 1);
    if (!ouf_open(path, ftype, PREFS_VERSION)) return 0;
    write_image(img);
    return ouf_close();
}

void hardprefs()
{
    MACIBM_alert("Welcome to Korvan for Macintosh/Windows.",
                 "Since you have never flown with us before, you will now select an aircraft to start your flying in Korvan.",
                 "", "", ALERT_NOTICE);
    copy_bounded(pln.C_file, "Untitled.acf", 400);
    // The chooser opens where the bundled aircraft lie, so the first run offers them.
    chooser_start_folder(203);
    // Closing the program while the chooser is open is not a refusal: the
    // program is ending anyway, and no alert could be answered.
    if (!MACIBM_open(203, pln.C_file, pln.C_path) && !gdone)
        MACIBM_alert("I did not get a valid aircraft from you.",
                     "If you want to try again, navigate to the same folder that this program is in.",
                     "Then select an aircraft file.", "Aircraft files have a '.acf' suffix.", ALERT_FATAL);
    first_run_defaults();
}

void first_run_defaults()
{
    int home = last_airport_with_id("KSBD");
    msc.loc_apt_wrl = home < 0 ? 0 : home;
    region_from_airport(msc.loc_apt_wrl);
    msc.rway_sel = 0;

    msc.locl_time = 57600;
    atm.temp_SL = 59;
    ins.baro = atm.baro = 29.92f;
    atm.rain_tstm = atm.wind_tbl = atm.burst_prob = 1;
    atm.cld_type = 1;
    atm.topsMSL = 5000 * con.fttomtrs;
    atm.baseMSL = 4000 * con.fttomtrs;
    atm.vis_rep = 7 * con.nmtomtrs;
    atm.tbl = atm.shrspd = atm.shrdir = atm.wndspd = atm.wnddir = 0;
    atm.wave_amp = 1;
    atm.wave_length = 10;
    atm.wave_speed = 2;
    atm.wave_dir = 0;
    atm.trml_prt = atm.trml_vvi = 0;
    atm.meteorite_code = 2;
    atm.rway_fric_rat = 1;
    msc.sound_on = set.voice_out = set.text_out = 1;
    msc.warn_frame = msc.warn_overspeed = msc.warn_bb = 1;
    msc.warn_flaps = 0;
    for (int i = 0; i < 60; ++i) set.Bdsk[i] = set.Brlt[i] = set.Bgrf[i] = 0;
    set.serout = 0;
    set.damp = 0;
    set.joy_rat_ptch = set.joy_rat_hdng = set.joy_rat_roll = 1;
    set.eq_ped = set.eq_avi = set.eq_thr = set.eq_col = 0;
    set.NZptch = set.NZroll = 0.01f;
    static const int buttons[16] = {2, 1, 5, 6, 22, 21, 19, 20, 15, 16, 11, 12, 10, 9, 17, 18};
    for (int i = 0; i < 16; ++i) set.joy_response[i] = buttons[i];
    nav.nf[0] = nav.nf[1] = 11170;
    nav.cf[0] = nav.cf[1] = 12100;
    nav.obs[0] = nav.obs[1] = 0;
    nav.adff = 210;
    nav.dmesel = 0;
    nav.gps_index_mode = 1;
    nav.gps_index = nav.gps_apt_index = 1600;
    nav.gps_vor_index = 2100;
    nav.gps_ndb_index = 700;
    for (int i = 0; i < 4; ++i) nav.gps_id[i] = 11;
    msc.prd = 0.05f;
    rel.total_fail_entry = 1;
    ogl_res = 2;
    ogl_trees = 0;
    // No channel chosen: the choices read "none", not channel 0.
    set_rlt_grf_choices();
}

void set_rlt_grf_choices()
{
    for (int k = 0; k < 10; ++k) set.rltsel[k] = -1;
    for (int k = 0; k < 4; ++k) set.grfsel[k] = -1;
    int nr = 0, ng = 0;
    int any_dsk = 0, any_rlt = 0, any_grf = 0;
    for (int j = 0; j < 60; ++j) {
        if (set.Brlt[j] && nr < 10) set.rltsel[nr++] = j;
        if (set.Bgrf[j] && ng < 4) set.grfsel[ng++] = j;
        any_dsk |= is_set(set.Bdsk[j]);
        any_rlt |= is_set(set.Brlt[j]);
        any_grf |= is_set(set.Bgrf[j]);
    }
    for (int g = 0; g < 4; ++g)
        for (int c = 0; c < 4; ++c)
            for (int s = 0; s < 1800; ++s) grf.data[g][c][s] = -999;
    grf.cntr = -1;
    set.dskout = any_dsk;
    set.rltout = any_rlt;
    set.grfout = any_grf;
    flt.dist = 0;
}

void cus_to_region()
{
    set.cus_X += env.lox;
    set.cus_Z += env.hiz;
}
