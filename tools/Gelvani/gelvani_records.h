// The scenery editor's state: its own `msc` (not the simulator's), the grid
// of the square being edited, its obstacles and coastline, and the airport
// and navaid databases of the whole world.
#pragma once

namespace gelvani {

struct miscstruct {
    int edit_mode;    // 200 terrain, 201 obstacles, 202 airports, 203 navaids
    int map_dirty;
    int apt_dirty;
    int nav_dirty;
    float map_latfile;  // south-west corner of the square, whole degrees
    float map_lonfile;
    float map_zoom;
    float map_os_lat;
    float map_os_lon;
    int map_mode;     // terrain tool 0..2
    int map_res;      // 4, 5, 16, 32, or 99 for no warp
    int map_coast_i;
    int map_ic_elev, map_jc_elev;
    int map_i1_elev, map_j1_elev;
    int map_i2_elev, map_j2_elev;
    int draw_tex;
    int obj_mode;
    int obj_index;
    int apt_index;
    int aptmax;
    int nav_index;
    int navmax;
};
extern miscstruct msc;

const int EDIT_TERRAIN = 200, EDIT_OBSTACLES = 201, EDIT_AIRPORTS = 202, EDIT_NAVAIDS = 203;

const int GRID_I = 60, GRID_J = 80;
extern float planelat[GRID_I][GRID_J];
extern float planelon[GRID_I][GRID_J];
extern float planez[GRID_I][GRID_J];
extern int on_water[GRID_I][GRID_J];
extern unsigned int planetex[GRID_I][GRID_J];
extern int planest[GRID_I][GRID_J][2][2][2];

const int COAST_MAX = 3000;
extern float coast_lat[COAST_MAX];
extern float coast_lon[COAST_MAX];

const int OBJ_SLOTS = 60000;
const int NAME_DIM = 40;
// The name of an obstacle not yet named: no file can be called that.
const char UNNAMED_OBSTACLE[] = "?";
extern int obj_type[OBJ_SLOTS];
extern float obj_lat[OBJ_SLOTS];
extern float obj_lon[OBJ_SLOTS];
extern float obj_hddz[OBJ_SLOTS];
extern char obj_name[OBJ_SLOTS][NAME_DIM];

const int APT_SLOTS = 15000;
extern float apt_lat[APT_SLOTS][3];
extern float apt_lon[APT_SLOTS][3];
extern int apt_num[APT_SLOTS][3];
extern int apt_hdng[APT_SLOTS][3];
extern int apt_len[APT_SLOTS][3];
extern int apt_width[APT_SLOTS][3];
extern int apt_lite[APT_SLOTS][3];
extern char apt_lr[APT_SLOTS][3];
extern float apt_h[APT_SLOTS];
extern int apt_twr[APT_SLOTS];
extern char apt_id[APT_SLOTS][5];
extern char apt_name[APT_SLOTS][NAME_DIM];

const int NAV_SLOTS = 20000;
const int NAV_LOAD_MAX = 19997;
extern int nav_type[NAV_SLOTS];
extern int nav_f12[NAV_SLOTS];
extern int nav_hdng[NAV_SLOTS];
extern int nav_inreg[NAV_SLOTS];
extern float nav_lat[NAV_SLOTS];
extern float nav_lon[NAV_SLOTS];
extern float nav_h[NAV_SLOTS];
extern char nav_id[NAV_SLOTS][5];
extern char nav_name[NAV_SLOTS][NAME_DIM];

extern char apt_path[400];
extern char nav_path[400];

} // namespace gelvani
