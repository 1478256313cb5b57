// The cockpit's records: instruments, radios, ATC and the flight plan.
#pragma once

struct inststruct {
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
};

struct navstruct {
    int radout;
    int tran1, tran2, tran3, tran4;
};

struct atcstruct {
    int menu_up;
    char response[400];
};

struct flightplanstruct {
    int onfile;
};

extern inststruct ins;
extern navstruct nav;
extern atcstruct atc;
extern flightplanstruct fpl;
