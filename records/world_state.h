// The world window, scene and atmosphere records and the other traffic.
#pragma once

// Airports built at once: local slots 0..89 of the window's airport list.
const int APT_REG_CAP = 90;

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

    // --- Airports built from the database: per local airport [90] and runway [3] ---
    int rwaymax[APT_REG_CAP];     // highest runway that counts, -1 for none
    // last index of the left and right edge rows, the two taxiway rows and the centre line
    int rwaymax1[APT_REG_CAP][3], rwaymax2[APT_REG_CAP][3];
    int twaymax1[APT_REG_CAP][3], twaymax2[APT_REG_CAP][3];
    int RCLSmax[APT_REG_CAP][3];
    // where the edge rows turn amber and the centre line alternates and turns red
    int amber1[APT_REG_CAP][3], amber2[APT_REG_CAP][3], amber3[APT_REG_CAP][3], amber4[APT_REG_CAP][3];
    int red1[APT_REG_CAP][3], red2[APT_REG_CAP][3], altred1[APT_REG_CAP][3], altred2[APT_REG_CAP][3];
    int tway[APT_REG_CAP][3];     // 1: a parallel taxiway
    int rwy_typ[APT_REG_CAP][3];  // surface code 27..31
    // per runway end: glide-slope, runway and approach light types
    int lgt_gls[APT_REG_CAP][3][2], lgt_rwy[APT_REG_CAP][3][2], lgt_app[APT_REG_CAP][3][2];
    // --- end of the airports block ---
    // --- world window: the eye's cell, moved with the grid on slides like i_aircraft, j_aircraft
    int i_viewpoint, j_viewpoint;
    // --- end of the world window's fields
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
    // the chase camera's line: sine of the path's heading, of its climb, cosine
    // of its heading; kept while the aircraft is all but at rest (all 0: none yet)
    float chase_dir[3];
    // --- world window: which of the ten fire points burn
    int fire_on[10];
    // --- end of the world window's fields
    float the, psi, phi;    // camera pitch, heading and roll, degrees
    // --- scene frame: lights on this frame and the terrain and cloud plot bounds (inclusive)
    int city_lites_on;
    int rway_lites_on;      // runway, deck and platform lights lit this frame
    int i1_plot_bound_ter, i2_plot_bound_ter, j1_plot_bound_ter, j2_plot_bound_ter;
    int i1_plot_bound_cld, i2_plot_bound_cld, j1_plot_bound_cld, j2_plot_bound_cld;
    // --- end of the scene frame's fields

    // --- Airports built from the database: per local airport [90] and runway [3] ---
    // light points in world metres (see world/runways.h for the layout)
    float rwayxyz[APT_REG_CAP][3][813][3];
    // pavement quads: 0 runway, 1 parallel taxiway, 2..4 connectors, 5 apron
    float markxyz[APT_REG_CAP][3][6][4][3];
    float sockinit[APT_REG_CAP][3][2];   // 1 windsock shown, 0 hidden
    float sockxyz[APT_REG_CAP][3][2][3];
    // per runway end: the sequenced flashers' start point and step
    float rabbitsX[APT_REG_CAP][3][2], rabbitsY[APT_REG_CAP][3][2], rabbitsZ[APT_REG_CAP][3][2];
    float rabbitdX[APT_REG_CAP][3][2], rabbitdZ[APT_REG_CAP][3][2];
    // --- end of the airports block ---
};

struct atmospherestruct {
    float hr[22][2];   // height m, density kg/m^3
    float vis_mult;
    float rate_change;
    float rain_tstm;   // precipitation and thunderstorm level 1..5
    float temp_SL;     // sea-level temperature, degrees F
    float dewp_SL;     // sea-level dew point, degrees F
    float baseAGL;     // cloud base above the terrain, m
    float vis_eff;     // effective visibility, m
    int inshear;       // in a wind shear
    float strike_stop_time;      // msc.elap_time when the lightning flash ends
    float strike_distance;       // nm
    float lightXYZ[4][20][3];    // four lightning bolts of 20 points, world frame
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

    // --- The precipitation field ---
    float level;                   // weather severity 0..4
    // rain intensity 0..1, 210 points a degree: [from the west edge][from the NORTH edge]
    float wxr[631][421];
    // --- end of the precipitation block ---
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

// ---------------------------------------------------------------------------
// The world window's terrain squares and scenery objects.

// Unit normal per grid point (heights weighed ten times), trees per cell, and
// per cell and triangle five city light points and three trees (foot, top).
extern float planenrml[GRID_I][GRID_J][3];
extern int tree_on_poly[GRID_I][GRID_J];
extern float city_xyz[GRID_I][GRID_J][2][5][3];
extern float tree_xyz[GRID_I][GRID_J][2][3][2][3];

// The runway boxes of the square being read: [local airport][runway]; an
// elevation of -999 marks an unused entry.
const int RWAY_BOX_APTS = 90;
extern float rway_elev[RWAY_BOX_APTS][3];
extern float r_x_min[RWAY_BOX_APTS][3], r_x_max[RWAY_BOX_APTS][3];
extern float r_z_min[RWAY_BOX_APTS][3], r_z_max[RWAY_BOX_APTS][3];

// Slots 0..449 hold the airports' buildings; the squares' objects take the
// rest round-robin, the counter lasting the whole run.
const int OBJ_FIRST_SQUARE_SLOT = 450;
extern int obj_counter;
// Custom objects: per element its normal, vertex count and texture 1000 + k
// or colour r * 10000 + g * 100 + b; the texture names loaded so far.
const int OBJ_ELEMENTS = 50;
const int OBJ_TEX_CAP = 100;
extern float obj_nrml[OBJ_CAP][50][3];
extern int obj_poltyp[OBJ_CAP][50];
extern int obj_texrgb[OBJ_CAP][50];
extern char objtex_name[OBJ_TEX_CAP][40];
extern int current_tex_numb;
