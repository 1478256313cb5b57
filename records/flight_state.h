// The flight model's records: flight state, run state, autopilot, failures.
#pragma once

// The aircraft's flight state. Angles in degrees unless the name ends in rad;
// world frame: x east, y up (above sea level), z south, metres. [4] engines,
// [28] aircraft parts, [8] elements of a part.
struct flightstruct {
    // control state
    float slat;            // slat extension, 0..1
    int sbrk;              // speed-brake setting
    int vectrqst;          // requested thrust-vector setting
    float swee, sweerqst;  // wing sweep, actual and requested, ratio
    float flap, flaprqst;  // flap extension, actual and requested, 0..1
    float thro[4], throrqst[4];   // throttle, actual and requested, 0..1
    float prop[4];         // propeller lever
    float mixt[4];         // mixture lever, 0..1
    float heat;            // carburettor heat
    float ail_trim, rud_trim, elv_trim;
    // contact
    int onground;          // a contact point touches ground or water
    int wired;             // arresting wire caught
    int cat_stage;         // catapult: 3 held on it, 4 being launched
    float trap_accel;      // arresting deceleration, m/s^2
    // forces, N: propulsion, aerodynamic and gear, each axial, side, normal
    float faxilprop, fsideprop, fnrmlprop;
    float faxilaero, fsideaero, fnrmlaero;
    float faxilgear, fsidegear, fnrmlgear;
    // moments, N m: pitch, yaw, roll
    float M, N, L;
    // rotation
    float Pdot, Qdot, Rdot;      // roll, pitch, yaw acceleration, deg/s^2
    float P, Q, R;               // body rates, deg/s
    float Prad, Qrad, Rrad;      // the same in rad/s
    float thedot, psidot, phidot;
    float the, psi, phi;         // pitch -90..90, true heading 0..360, bank -180..180
    // translation
    float aX, aY, aZ;            // world frame, m/s^2
    double vX, vY, vZ;           // world frame, m/s
    float v;                     // speed over the world, m/s
    float av;                    // true airspeed, m/s
    float vaxial;                // airspeed along the body's axis, m/s
    float vind;                  // indicated airspeed, knots, never negative
    float machno;
    float Qstatic;               // dynamic pressure, Pa
    float Qratio;                // (vind / Vne)^2
    // position
    double X, Y, Z;              // world frame, m
    float lat, lon;              // degrees, north and east positive
    float magpsi;                // magnetic heading, 0..360
    float hind;                  // indicated altitude, m
    float dist;                  // distance flown through the air, m
    // path over the ground and through the air; the whole aircraft's angles
    float hpath, vpath;
    float ahpath, avpath;
    float Alpha, Beta;
    // sines and cosines; the _path pair is the bank of the flight path
    float sinphi, cosphi, sinphi_path, cosphi_path, sinthe, costhe, sinpsi, cospsi;
    float sinalph, cosalph, sinbeta, cosbeta, sinhpath, coshpath, sinvpath, cosvpath;
    float sinahpath, cosahpath, sinavpath, cosavpath;
    // per part
    float CDIgrndeffect[28], CL_grndeffect[28];   // ground-effect multipliers
    float DVinc[4], ringDVinc[4][8];              // propeller wash, m/s
    int stalled[28];
    float v_el[28][8], alpha[28][8], deldir[28][8], downwash[28][8];
    // surface deflections, degrees
    float lailndef, railndef, lsplrdef, rsplrdef, lhstbdef, rhstbdef, ldruddef, rdruddef, ruddef;
    // engines
    float sidecant[4], vertcant[4];   // thrust-vector angles, degrees
    int eng_running[4];
    float Dtq[4], power[4], thrust[4], proppitch[4];   // N m, W, N, degrees
    float mixt_powr_rat[4], mixt_temp_rat[4];         // mixture's effect on power and exhaust temperature
    float parteqlbmthrust[4];
    int revving_thrust[4], after_burning[4];
    float egt[4], tac[4], n1_[4], mpr[4], trq[4];      // tac: rotation rate, rad/s
    float omegadot[4];     // smoothed propeller acceleration, rad/s^2, each engine its own
    float ff_[4];                                      // fuel flow, kg/s
    // mass, kg
    float m_fixed, m_fuel, m_jettison, m_total;
    float jatoleft;              // rocket-assist burn time left, s
    // exceedances
    int over_vfe, over_vne;
};

struct miscstruct {
    float prd;       // frame period, s
    int typestart;   // 7 take-off, 8 VFR final, 9 ILS final
    char apt_id_req[5];
    float rtrat;     // real time over simulated time, 0.2..5
    float elap_time;   // s
    int sound_avail;
    int sound_on;      // the user's sound switch
    int speech_avail;
    float est_Vs;    // estimated stall speed, m/s
    // preferences file
    int loc_apt_wrl;   // selected airport, database index
    int rway_sel;      // 2k runway k, 2k + 1 its reciprocal end
    float locl_time;   // s of the local day
    int warn_frame, warn_overspeed, warn_flaps, warn_bb;   // warning switches
    int logtime;       // report the logged time on Quit
    int show_path;     // draw the recorded path in 3-D
    // clocks, s: in instrument conditions, at night, panel timer, universal time of day
    float aifr_time, nigt_time, timr_time, zulu_time;
    float init_time;   // simulated time since the start placement; moves the ships
    int cntr, cntr10;  // frame counter 0..30000, event-tick counter 0..9
    int timer_running;
    float frame_ice, carb_ice[4];   // airframe and carburettor ice, ratio
    char key_pressed;  // last key pressed
    int paused;
    float runwayview_X, runwayview_Y, runwayview_Z;   // the runway view point, m
    // the shell's view and map choices
    int mouse_is_joy;  // the mouse flies the aircraft
    int map_type;      // 402 low enroute, 403 local virtual world, 404 weather radar, 998 airport diagram
    int plate_index;   // airport of the diagram, database index
    float spotview_X, spotview_Y, spotview_Z;   // the spot view point, m
    float freeviewXZ, freeviewY;                // follow view's bearing and elevation, radians
    int loc_apt_reg;   // the nearest airport's slot among the listed ones
};

struct ottostruct {
    int on;
    int HDSLCT;        // heading select
    int NAV[2];        // track the course of receiver 0 or 1
    int ALHOLD, VVHOLD;
    int GS2;           // follow the glide slope of receiver 1
    int ASHOLD;        // autothrottle
    float al_hold;     // m, against flt.hind
    float vv_hold;     // m/s
    float as_hold;     // knots, against flt.vind
};

struct relstruct {
    float ins_fail_rat, eq1_fail_rat, eq2_fail_rat;
    int fail_type[32];
    float fail_time_max[32];
    // preferences file
    float total_fail_entry;   // random-failure level
    // 1 while the system works, 0 once it has failed
    int vacuum, ss_asi, ss_ahz, ss_alt, ss_tsi, ss_dgy, ss_vvi, efis_1, efis_2, radios;
    int engine[4];
    int fc_ail, fc_elv, fc_rud, fc_flp, fc_slt, fc_thr;
    int lagear[3];
    int esystem, hydsys;
    int thrgov[4];
    int stbaug, symflp, sttrim;
    int revlok[4];
    int antice;
    int oilpmp[4];
    int clights, otto, trotor;
    float oil_rat;     // oil pressure ratio, 0..1, applied after an oil-pump failure
    float hyd_rat;     // hydraulic pressure ratio, 0..1
    float vac_death_time;               // msc.elap_time when the vacuum failed, s
    float the_fail_err, phi_fail_err;   // the failed attitude indicator's errors, degrees
    int RAT_on;                         // the ram-air turbine is deployed
};

extern flightstruct flt;
extern miscstruct msc;
extern ottostruct ott;
extern relstruct rel;
