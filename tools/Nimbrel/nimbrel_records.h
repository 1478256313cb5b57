// The briefing tool's own records: the flight request, its airport database
// and the table of stations placed at an airport.
#pragma once

namespace nimbrel {

struct briefstruct {
    int dep, arr;       // indices into the airport arrays
    float alt;          // ft
    float Vcruise;      // kt
    float dep_ztime;    // hhmm zulu (seconds of the last report while loading)
};
extern briefstruct bri;

const int APT_MAX = 15000;
extern float apt_lat[APT_MAX][3], apt_lon[APT_MAX][3];
extern int apt_num[APT_MAX][3];
extern char apt_lr[APT_MAX][3];
extern int apt_hdng[APT_MAX][3], apt_len[APT_MAX][3], apt_width[APT_MAX][3], apt_lite[APT_MAX][3];
extern float apt_h[APT_MAX];
extern int apt_twr[APT_MAX];
extern char apt_id[APT_MAX][5];
extern char apt_name[APT_MAX][40];
extern int apt_apt_max;

const int WXR_MAX = 2000;
extern char wxr_id[WXR_MAX][5];
extern char wxr_name[WXR_MAX][40];
extern float wxr_lat[WXR_MAX], wxr_lon[WXR_MAX], wxr_z_time[WXR_MAX];
extern int wxr_cld_type[WXR_MAX];
extern float wxr_cld_base[WXR_MAX], wxr_cld_tops[WXR_MAX], wxr_vis[WXR_MAX];
extern int wxr_obs_vis[WXR_MAX], wxr_obs_den[WXR_MAX];
extern float wxr_temp[WXR_MAX], wxr_dewp[WXR_MAX], wxr_wnd_dir[WXR_MAX], wxr_wnd_spd[WXR_MAX], wxr_wnd_gus[WXR_MAX];
extern float wxr_baro[WXR_MAX];
extern int wxr_apt_max;

// The phrase choices of the briefing.
extern int rnd1, rnd2, rnd3, rnd4, rnd5, rnd6, rnd7, rnd8;

} // namespace nimbrel
