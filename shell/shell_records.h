// The shell's records: user settings, the recorded path, the data graph.
#pragma once

struct settingstruct {
    float cus_Y;   // custom start height, m
    float cus_v;   // custom start speed, m/s
    int serout;
    int view_is_fullscreen;
};

struct pathstruct {
    int count;
};

struct graphstruct {
    int count;
};

extern settingstruct set;
extern pathstruct pat;
extern graphstruct grf;
