// The flight model's records: flight state, run state, autopilot, failures.
#pragma once

struct flightstruct {
    double X, Y, Z;   // world frame, m
    int over_vne;
};

struct miscstruct {
    int typestart;
    char apt_id_req[5];
    float rtrat;
    int sound_avail;
    int speech_avail;
    float est_Vs;    // estimated stall speed, m/s
};

struct ottostruct {
    int on;
};

struct relstruct {
    float ins_fail_rat, eq1_fail_rat, eq2_fail_rat;
    int fail_type[32];
    float fail_time_max[32];
};

extern flightstruct flt;
extern miscstruct msc;
extern ottostruct ott;
extern relstruct rel;
