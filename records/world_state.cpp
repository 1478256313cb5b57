#include "world_state.h"

environmentstruct env;
scenerystruct scn;
atmospherestruct atm;
float traf_xyzvh[10][5];
int apt_inreg[15000];
int nav_inreg[20000];

float planexyz[GRID_I][GRID_J][3];
int planetex[GRID_I][GRID_J];
float planest[GRID_I][GRID_J][2][2][2];
int on_water[GRID_I][GRID_J];
int city_on_poly[GRID_I][GRID_J];
int carr_on_poly[GRID_I][GRID_J];
int frig_on_poly[GRID_I][GRID_J];
int oilr_on_poly[GRID_I][GRID_J];

int obj_type[OBJ_CAP];
float obj_xyz[OBJ_CAP][50][4][3];

float planenrml[GRID_I][GRID_J][3];
int tree_on_poly[GRID_I][GRID_J];
float city_xyz[GRID_I][GRID_J][2][5][3];
float tree_xyz[GRID_I][GRID_J][2][3][2][3];
float rway_elev[RWAY_BOX_APTS][3];
float r_x_min[RWAY_BOX_APTS][3], r_x_max[RWAY_BOX_APTS][3];
float r_z_min[RWAY_BOX_APTS][3], r_z_max[RWAY_BOX_APTS][3];
int obj_counter = OBJ_FIRST_SQUARE_SLOT;
float obj_nrml[OBJ_CAP][50][3];
int obj_poltyp[OBJ_CAP][50];
int obj_texrgb[OBJ_CAP][50];
char objtex_name[OBJ_TEX_CAP][40];
int current_tex_numb;
