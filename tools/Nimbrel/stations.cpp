#include "stations.h"

#include "nimbrel_records.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/weather_reports.h"

#include <cmath>
#include <cstring>

namespace nimbrel {

namespace {

float hhmm(float sec)
{
    int hrs, min;
    sec_to_hrs_min(sec, &hrs, &min);
    return (float)(hrs * 100 + min);
}

// The rest of the line up to CR or LF, at most keep characters kept; a longer
// line skips its rest. 0 at the end of the file with nothing read.
int read_rest(std::FILE* f, char* text, int keep)
{
    int n = 0, got = 0;
    for (;;) {
        int c = std::fgetc(f);
        if (c == EOF) break;
        got = 1;
        if (c == '\n') break;
        if (c == '\r') {
            int d = std::fgetc(f);
            if (d != '\n' && d != EOF) std::ungetc(d, f);
            break;
        }
        if (n < keep) text[n++] = (char)c;
    }
    text[n] = 0;
    return got;
}

} // namespace

float decode_station(const char* text, int i)
{
    wxr_lat[i] = wxr_lon[i] = -99;
    wxr_z_time[i] = -99;
    wxr_cld_type[i] = -99;
    wxr_cld_base[i] = wxr_cld_tops[i] = wxr_vis[i] = -99;
    wxr_obs_vis[i] = wxr_obs_den[i] = -99;
    wxr_temp[i] = wxr_dewp[i] = wxr_wnd_dir[i] = wxr_wnd_spd[i] = wxr_wnd_gus[i] = wxr_baro[i] = -99;
    float spd_kt = -99, gus_kt = -99;
    decode_wxr(text, 0, &wxr_z_time[i], &wxr_cld_type[i], &wxr_cld_base[i], &wxr_cld_tops[i], &wxr_vis[i],
               &wxr_obs_vis[i], &wxr_obs_den[i], &wxr_temp[i], &wxr_dewp[i], &wxr_wnd_dir[i], &spd_kt, &gus_kt,
               &wxr_baro[i]);
    // The decoder gives knots and the gust's excess in knots.
    if (spd_kt != -99) wxr_wnd_spd[i] = spd_kt * con.ktstomsc;
    if (gus_kt != -99) wxr_wnd_gus[i] = (spd_kt != -99 ? spd_kt + gus_kt : gus_kt) * con.ktstomsc -
                                        (spd_kt != -99 ? wxr_wnd_spd[i] : 0);
    float sec = wxr_z_time[i];
    wxr_z_time[i] = hhmm(sec);   // no time (-99 s) gives -1
    return sec;
}

int load_stations(std::FILE* f)
{
    static char text[WXR_LINE_KEEP + 1];
    wxr_apt_max = 0;
    for (;;) {
        int s = wxr_apt_max;
        char id[5] = {0};
        int n = 0;
        while (n < 4) {
            int c = std::fgetc(f);
            if (c == EOF) break;
            id[n++] = (char)c;
        }
        if (n < 4) break;
        if (s >= WXR_MAX) return 0;
        memcpy(wxr_id[s], id, 5);
        read_rest(f, text, WXR_LINE_KEEP);
        // The blank after the id is no part of the report.
        float sec = decode_station(text[0] == ' ' ? text + 1 : text, s);
        if (sec > 0) bri.dep_ztime = sec;
        for (int a = 0; a < apt_apt_max; ++a) {
            if (memcmp(apt_id[a], wxr_id[s], 4) != 0) continue;
            wxr_lat[s] = apt_lat[a][0];
            wxr_lon[s] = apt_lon[a][0];
            memcpy(wxr_name[s], apt_name[a], 40);
            wxr_name[s][39] = 0;
            ++wxr_apt_max;
            break;
        }
    }
    return 1;
}

float departure_ztime(float last_report_sec)
{
    return hhmm(std::fmod(last_report_sec + 1200, 86400.0f));
}

float cruise_speed(float Vno, int entype)
{
    float v = Vno * 0.75f;
    if (entype == 1 || entype == 2) return v * 1.1f;
    if (entype == 3) return v * 1.5f;
    if (entype == 4 || entype == 5) return v * 2;
    return v;
}

} // namespace nimbrel
