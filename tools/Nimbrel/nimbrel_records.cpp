#include "nimbrel_records.h"

namespace nimbrel {

briefstruct bri;

float apt_lat[APT_MAX][3], apt_lon[APT_MAX][3];
int apt_num[APT_MAX][3];
char apt_lr[APT_MAX][3];
int apt_hdng[APT_MAX][3], apt_len[APT_MAX][3], apt_width[APT_MAX][3], apt_lite[APT_MAX][3];
float apt_h[APT_MAX];
int apt_twr[APT_MAX];
char apt_id[APT_MAX][5];
char apt_name[APT_MAX][40];
int apt_apt_max;

char wxr_id[WXR_MAX][5];
char wxr_name[WXR_MAX][40];
float wxr_lat[WXR_MAX], wxr_lon[WXR_MAX], wxr_z_time[WXR_MAX];
int wxr_cld_type[WXR_MAX];
float wxr_cld_base[WXR_MAX], wxr_cld_tops[WXR_MAX], wxr_vis[WXR_MAX];
int wxr_obs_vis[WXR_MAX], wxr_obs_den[WXR_MAX];
float wxr_temp[WXR_MAX], wxr_dewp[WXR_MAX], wxr_wnd_dir[WXR_MAX], wxr_wnd_spd[WXR_MAX], wxr_wnd_gus[WXR_MAX];
float wxr_baro[WXR_MAX];
int wxr_apt_max;

int rnd1 = 1, rnd2 = 1, rnd3 = 1, rnd4 = 1, rnd5 = 1, rnd6 = 1, rnd7 = 1, rnd8 = 1;

} // namespace nimbrel
