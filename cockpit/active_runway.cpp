// The runway in use at an airport and its ATIS broadcast, from the real-weather
// report of the nearest station when "WORLD.RWK" has one, else the simulator's
// own weather.
#include "atc.h"
#include "records/cockpit_state.h"

#include "records/flight_state.h"
#include "toolkit/HL_FILE.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/weather_reports.h"
#include "world/real_weather.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {
int valid_apt(int a)
{
    return a >= 0 && a <= intlim(env.aptmax, -1, APT_CAP - 1);
}

int wrap180(int d)
{
    return intwrap(d, -179, 180);
}

// The report of the station nearest airport a, if the file has one. The
// weather window asks every frame: the file is read at most once a second
// per airport and the answer kept meanwhile.
int rwk_report(int a, char* wxr, float* z_report)
{
    static int cached_apt = -1, cached_found = 0;
    static float cached_time = 0, cached_z = 0;
    static char cached_wxr[400];
    float now = msc.elap_time;
    if (a != cached_apt || now < cached_time || now - cached_time >= 1) {
        cached_apt = a;
        cached_time = now;
        cached_found = 0;
        char folder[400], path[400];
        copy_bounded(folder, app_path, sizeof folder);
        size_t n = strlen(folder);
        if (n > 1 && folder[n - 1] == '/') folder[n - 1] = 0;
        find_data_file(folder, "WORLD.RWK", path, sizeof path);
        inf1.close();
        inf1.clear();
        inf1.open(path, std::ios::binary);
        if (inf1.is_open()) {
            cached_found = get_wxr_str(cached_wxr, &cached_z, apt_lat[a][0], apt_lon[a][0]);
            inf1.close();
        }
        inf1.clear();
    }
    if (!cached_found) return 0;
    copy_bounded(wxr, cached_wxr, 400);
    *z_report = cached_z;
    return 1;
}

struct weather {
    float z_report, time;
    int cld_type;
    float base, tops, vis;
    int obs_vis, obs_den;
    float temp, dewp, wnd_dir, wnd_spd, wnd_gus, baro;
};

// The current weather, replaced by the report's when allowed and found.
weather airport_weather(int a, int use_report)
{
    weather w{};
    w.z_report = apt_h[a];
    w.time = msc.zulu_time;
    w.cld_type = atm.cld_type;
    w.base = atm.baseMSL;
    w.tops = atm.topsMSL;
    w.vis = atm.vis_rep;
    w.temp = atm.temp_SL;
    w.dewp = atm.dewp_SL;
    w.wnd_dir = atm.wnddir;
    w.wnd_spd = atm.wndspd;
    w.wnd_gus = atm.shrspd;
    w.baro = atm.baro;
    char wxr[400];
    float z;
    if (use_report && rwk_report(a, wxr, &z)) {
        w.z_report = z;
        decode_wxr(wxr, z, &w.time, &w.cld_type, &w.base, &w.tops, &w.vis, &w.obs_vis, &w.obs_den, &w.temp, &w.dewp,
                   &w.wnd_dir, &w.wnd_spd, &w.wnd_gus, &w.baro);
    }
    return w;
}

// The runway end best aligned with a course: candidates (0, 1), (0, 2),
// (1, 1) ... in order, the earlier one on ties. Directions 2 add 180 before
// the difference is truncated.
void best_end(int a, float course, int* rway, int* direction)
{
    int best = 999;
    for (int r = 0; r < 3; ++r) {
        if (r > 0 && apt_len[a][r] <= 1) continue;
        for (int dir = 1; dir <= 2; ++dir) {
            int d = std::abs(wrap180((int)(course - apt_hdng[a][r] + (dir == 2 ? 180 : 0))));
            if (d < best) {
                best = d;
                *rway = r;
                *direction = dir;
            }
        }
    }
}
} // namespace

void get_active_rway(int apt_to_check, int* rway, int* direction, int* ils_loc_found, int* ILS_to_use)
{
    int a = apt_to_check;
    *rway = 0;
    *direction = 1;
    *ils_loc_found = 0;
    *ILS_to_use = -1;
    if (!valid_apt(a)) return;
    weather w = airport_weather(a, 1);
    for (int r = 1; r < 3; ++r)
        if (apt_len[a][r] > apt_len[a][*rway]) *rway = r;

    int best = 999;
    int last = intlim(env.navmax, -1, NAV_CAP - 1);
    for (int n = 0; n <= last; ++n) {
        if (nav_type[n] != 4 && nav_type[n] != 5) continue;
        if (pythag(nav_lat[n] - apt_lat[a][0], nav_lon[n] - apt_lon[a][0]) * 60 >= 5) continue;
        int d = std::abs(wrap180((int)(w.wnd_dir - nav_hdng[n])));
        if (d < best) {
            best = d;
            *ILS_to_use = n;
            *ils_loc_found = 1;
            best_end(a, (float)nav_hdng[n], rway, direction);
        }
    }
    if (!*ils_loc_found && w.wnd_spd > 5) best_end(a, w.wnd_dir, rway, direction);
}

void app_current_rway_string(char* string, int apt)
{
    if (!valid_apt(apt)) return;
    int r, dir, found, ils;
    get_active_rway(apt, &r, &dir, &found, &ils);
    int num = apt_num[apt][r];
    if (dir == 2) num = intwrap(num + 18, 1, 36);
    app_C(string, "runway ");
    app_int(string, num);
    char lr = apt_lr[apt][r];
    if (lr == 'L') app_C(string, dir == 1 ? " left" : " right");
    if (lr == 'R') app_C(string, dir == 1 ? " right" : " left");
}

void get_ATIS(int n, char info, char* atis_str, int flag)
{
    atis_str[0] = 0;
    if (!valid_apt(n)) return;   // no airport chosen yet
    weather w = airport_weather(n, flag);
    char word[16];
    get_phonetic(info, word);
    int hrs, min;
    sec_to_hrs_min(w.time, &hrs, &min);

    atis_str[0] = 0;
    app_C(atis_str, apt_name[n]);
    app_C(atis_str, " information ");
    app_C(atis_str, word);
    app_C(atis_str, ". ");
    app_int(atis_str, hrs);
    app_C(atis_str, " hundred zooloo weather. ");

    if (w.cld_type == 0) {
        app_C(atis_str, "Sky clear ");
    } else {
        int ceiling = round((w.base - w.z_report) * con.mtrstoft);
        if (ceiling > 10000) ceiling = intnear(ceiling, 500);
        else if (ceiling > 1000) ceiling = intnear(ceiling, 100);
        else ceiling = intnear(ceiling, 50);
        app_C(atis_str, "Measured ceiling ");
        app_int(atis_str, ceiling);
        app_C(atis_str, " overcast ");
    }
    float vis_nm = w.vis * con.mtrstonm;
    if (vis_nm > 0.9f) {
        app_C(atis_str, "visibility ");
        app_int(atis_str, round(vis_nm));
    } else {
        app_C(atis_str, "R V R ");
        app_int(atis_str, intnear(round(w.vis * con.mtrstoft), 100));
    }
    if (w.obs_vis > 0) app_C(atis_str, w.temp > 32 ? ", rain. " : ", snow. ");
    else app_C(atis_str, ". ");
    app_C(atis_str, "Temperature ");
    app_int(atis_str, (int)w.temp);
    app_C(atis_str, " dewpoint ");
    app_int(atis_str, (int)w.dewp);
    app_C(atis_str, ". ");
    app_wind_string(atis_str, (int)w.wnd_dir, (int)w.wnd_spd, 0, (int)w.wnd_gus);
    app_C(atis_str, ", ");
    app_altimeter_string(atis_str, w.baro);
    app_C(atis_str, ". Arriving and departing ");
    app_current_rway_string(atis_str, n);
    app_C(atis_str, ". Advise on initial contact you have ");
    app_C(atis_str, word);
    app_C(atis_str, ".");
}
