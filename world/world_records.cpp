#include "world_records.h"

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
