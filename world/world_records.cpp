#include "world_records.h"

environmentstruct env;
scenerystruct scn;
atmospherestruct atm;
float traf_xyzvh[10][5];
