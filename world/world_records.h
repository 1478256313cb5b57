// The world window, scene and atmosphere records and the other traffic.
#pragma once

struct environmentstruct {
    int lat_sou, lon_wes;
    float lox, hix, loz, hiz, dx, dz;
    int aptmax, navmax;
    int apt_list_max, vor_list_max, ndb_list_max;
    int i_aircraft, j_aircraft;
};

struct scenerystruct {
    float zoom;
};

struct atmospherestruct {
    float hr[22][2];   // height m, density kg/m^3
    float vis_mult;
    float rate_change;
};

extern environmentstruct env;
extern scenerystruct scn;
extern atmospherestruct atm;

// Other traffic: x, y, z (m), speed (m/s), heading (degrees).
extern float traf_xyzvh[10][5];
