#include "gelvani_records.h"

namespace gelvani {

miscstruct msc;

float planelat[GRID_I][GRID_J];
float planelon[GRID_I][GRID_J];
float planez[GRID_I][GRID_J];
int on_water[GRID_I][GRID_J];
unsigned int planetex[GRID_I][GRID_J];
int planest[GRID_I][GRID_J][2][2][2];

float coast_lat[COAST_MAX];
float coast_lon[COAST_MAX];

int obj_type[OBJ_SLOTS];
float obj_lat[OBJ_SLOTS];
float obj_lon[OBJ_SLOTS];
float obj_hddz[OBJ_SLOTS];
char obj_name[OBJ_SLOTS][NAME_DIM];

float apt_lat[APT_SLOTS][3];
float apt_lon[APT_SLOTS][3];
int apt_num[APT_SLOTS][3];
int apt_hdng[APT_SLOTS][3];
int apt_len[APT_SLOTS][3];
int apt_width[APT_SLOTS][3];
int apt_lite[APT_SLOTS][3];
char apt_lr[APT_SLOTS][3];
float apt_h[APT_SLOTS];
int apt_twr[APT_SLOTS];
char apt_id[APT_SLOTS][5];
char apt_name[APT_SLOTS][NAME_DIM];

int nav_type[NAV_SLOTS];
int nav_f12[NAV_SLOTS];
int nav_hdng[NAV_SLOTS];
int nav_inreg[NAV_SLOTS];
float nav_lat[NAV_SLOTS];
float nav_lon[NAV_SLOTS];
float nav_h[NAV_SLOTS];
char nav_id[NAV_SLOTS][5];
char nav_name[NAV_SLOTS][NAME_DIM];

char apt_path[400];
char nav_path[400];

} // namespace gelvani
