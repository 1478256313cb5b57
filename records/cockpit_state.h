// The cockpit's records: instruments, radios, ATC and the flight plan.
#pragma once

struct inststruct {
    float reply_time1, reply_time2;   // transponder reply-light times, msc.elap_time scale
    int HUD_on, HOOP_on;
    int map_mode, arg_mode;
    float map_range, arg_range, rad_range;
    float hud_brt;
    float r_rat, g_rat, b_rat;   // panel-light tint, 1 = none
    int v_tape_col[5][90];
    int h_tape_col0[200][12];
    int h_tape_col1[360][12];
    int h_tape_col2[360][12];
    int nav_pic[4][10][10];
    // panel layout, rewritten by every aircraft load
    float indtoASI, msctoVVI;      // dial degrees per unit of speed^ASpwr; per m/s of climb
    float tactoINS, n1_toINS, mprtoINS, trqtoINS, ff_toINS;   // gauge deflection per unit
    int avail[11];                 // per instrument kind 1..10: on the panel
    float x_loc[11], y_loc[11];    // per instrument kind: centre, panel pixels
    // preferences file
    float baro;                    // altimeter setting, inHg
    // switches and display modes
    int jato_on, chute_on, hook_down, antiice_on;
    int EFIS_wxr, EFIS_tcas, ecam_mode;   // ecam_mode: systems page 3..7
    int adf_card;                  // ADF card rotation, degrees
    float radalt_ft;               // radar-altimeter decision height, ft
    // gyro outputs as the instruments show them, degrees
    float the180, phi180;          // pitch and roll, -180..180
    float psimag;                  // directional gyro, 0..360
};

struct navstruct {
    // tuned stations, local metres
    float vorX[2], vorY[2], vorZ[2];   // VOR or localizer antenna
    float gsX[2], gsY[2], gsZ[2];      // glide-slope transmitter
    float adfX, adfZ;                  // NDB
    int ntf[2];                        // to/from flag: 0 off, 1 TO, 2 FROM
    float gps_crs;                     // GPS bearing to the target, degrees true
    float gps_dis;                     // GPS distance to the target, m
    int overOM, overMM, overIM;        // over a marker beacon
    int goodnav[5];                    // receiver 0, 1 or the ADF (4) locked on a station
    char nav_id[5][4];                 // identifier of the locked station, no terminator
    int gps_scroll_mode;
    int radout;
    int tran1, tran2, tran3, tran4;
    // preferences file
    int nf[2], cf[2];              // NAV and COM frequencies, units of 10 kHz
    float obs[2];                  // course selectors, degrees magnetic
    int adff;                      // ADF frequency, kHz
    int dmesel;                    // NAV receiver feeding the DME
    int gps_index_mode, gps_index, gps_apt_index, gps_vor_index, gps_ndb_index;
    int gps_id[4];                 // GPS identifier, character codes
    // what the autopilot steers by
    int hdsel;                     // selected heading, degrees
    float gps_lock_crs;            // GPS course to the active waypoint, degrees
    float ilscrs[2];               // localizer course, true degrees
    int ilsgs[2];                  // 9 a VOR, else the glide-slope angle (0 a localizer alone)
    float hdef[2], vdef[2];        // needle deflections, dots
};

struct atcstruct {
    int menu_up;
    char response[400];
    float response_timeout;   // the phrase shows until this time of msc.elap_time
    int plan_index;           // destination airport of the filed plan
    int ils_vec_in_progress;  // radar vectors to the ILS under way
    int menu_level;           // 0 the main list, 1 ATIS, 4..7 vectors, landing, ILS, localizer pick lists
    int sel_i, sel_j;         // highlighted column and row
    char ils_command[400];    // the request the vectoring serves, repeated each second
    int plan_phase;           // 0 clearance, 3 departure .. 9 ground
    int waiting_new_frq;      // sent to a new frequency, the pilot has not checked in
    float cardxyz[3];         // offset from the carrier's landing reference point, m
};

struct flightplanstruct {
    int onfile;
    int activated;
    int ifr, vfr, dvfr;       // flight rules, one set
    int mr, mrs;              // the pilot's form of address, at most one set
    char dep_id_str[400];     // departure identifier (first four characters used)
    char arr_id_str[400];     // destination identifier (first four characters used)
    int init_alt, cruise_alt; // feet
};

extern inststruct ins;
extern navstruct nav;
extern atcstruct atc;
extern flightplanstruct fpl;

// Panel positions laid out at every aircraft load (panel pixels): radio-stack
// and engine-area shifts, engine-gauge rows, and the engine levers.
extern float osrad, oseng;
extern float en_x[3][4], en_y[3];
extern float thro_x[4], prop_x[4], mixt_x[4];
