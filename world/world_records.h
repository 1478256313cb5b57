// The world window, scene and atmosphere records and the other traffic.
#pragma once

struct environmentstruct {
    int lat_sou, lon_wes;
    float lox, hix, loz, hiz, dx, dz;
    int aptmax, navmax;
    int apt_list_max, vor_list_max, ndb_list_max;
    int i_aircraft, j_aircraft;
    // the window's terrain heights and, per one-degree square [column from the
    // west][row from the south], the west longitude and west-edge x it was built with
    float min_h, max_h;
    float lonwes_ref[3][2], planex_ref[3][2];
    // under the aircraft
    float localh_cg;               // terrain height under the centre of gravity, m
    float mvar;                    // magnetic variation, degrees, west positive
    int surf_type;                 // 27..31 runway surfaces 1..5 (27 also decks and roofs), 32 open terrain
    int over_carr, over_frig, over_obs;   // the last drawn frame found the deck or a runway, roof or platform
    float obj_height;              // height of that surface, m
    // ship decks: pitch and roll (degrees) and their rates (degrees/s)
    float frig_the, frig_phi, carr_the, carr_phi;
    float frig_the_dot, frig_phi_dot, carr_the_dot, carr_phi_dot;
    // the map view, reset at every window opening
    float zoom_rat;
    float os_X_plan, os_Z_plan, os_X_gs;   // plan offsets, m
};

struct scenerystruct {
    float zoom;
    int abovetops;   // the viewpoint is above the cloud tops
    int belowbases;  // the viewpoint is below the cloud bases
    float rb_cycle;  // rotating-beacon phase, 0..2 pi
    float firexyz[10][3];   // the forest fire: its centre, then its line of flames
    float dist, mindist;    // chase and follow distance and its least value, m
    float the, psi, phi;    // camera pitch, heading and roll, degrees
};

struct atmospherestruct {
    float hr[22][2];   // height m, density kg/m^3
    float vis_mult;
    float rate_change;
    float rain_tstm;   // precipitation and thunderstorm level 1..5
    float temp_SL;     // sea-level temperature, degrees F
    float prec_rat;    // precipitation ratio 0..1 around the eye
    // preferences file
    float baro;                    // barometric pressure, inHg
    float wind_tbl, burst_prob;
    int cld_type;                  // 1 a cloud layer between baseMSL and topsMSL
    float topsMSL, baseMSL;        // m
    float vis_rep;                 // reported visibility, m
    float wnddir, wndspd, shrdir, shrspd, tbl;
    float wave_amp, wave_length, wave_speed;   // m, m, m/s
    int wave_dir;                  // whole degrees
    int meteorite_code;
    float rway_fric_rat;           // runway friction ratio
    float trml_prt, trml_vvi;      // thermal share and rate
    // the atmosphere at the aircraft
    float T;                       // temperature, K
    float a;                       // speed of sound, m/s
    float rho;                     // density, kg/m^3
    float crtsig;                  // density ratio to sea level
    float g;                       // gravity, m/s^2
    float wind_X, wind_Y, wind_Z;  // wind in the world frame, m/s
    int therm_on_poly[178][159];   // a thermal in the terrain cell
};

extern environmentstruct env;
extern scenerystruct scn;
extern atmospherestruct atm;

// Other traffic: x, y, z (m), speed (m/s), heading (degrees).
extern float traf_xyzvh[10][5];

// Per database airport and navaid: 1 while it lies in the loaded window.
extern int apt_inreg[15000];
extern int nav_inreg[20000];

// The terrain grid of the loaded 3 x 2-degree window: points [column west to
// east][row south to north] with x east, height, z south (m); per cell its
// texture, its corners' texture coordinates [a][b] = corner (i + a, j + b),
// s then t, and what lies in it.
const int GRID_I = 178;
const int GRID_J = 159;
extern float planexyz[GRID_I][GRID_J][3];
extern int planetex[GRID_I][GRID_J];
extern float planest[GRID_I][GRID_J][2][2][2];
extern int on_water[GRID_I][GRID_J];
extern int city_on_poly[GRID_I][GRID_J];
extern int carr_on_poly[GRID_I][GRID_J];
extern int frig_on_poly[GRID_I][GRID_J];
extern int oilr_on_poly[GRID_I][GRID_J];

// Scenery objects: kind and up to 50 polygons of 4 vertices (x, y, z, m); the
// first vertex is the object's position.
const int OBJ_CAP = 3000;
extern int obj_type[OBJ_CAP];
extern float obj_xyz[OBJ_CAP][50][4][3];
