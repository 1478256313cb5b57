// The shell's records: user settings, the recorded path, the data graph.
#pragma once

struct settingstruct {
    int controls_type;          // -1 no joystick, 15 joystick 1, 16 joystick 2
    float damp;                 // control damping
    int fcon_input_type;        // flight-control input type
    int thro_pot;               // 1 while a throttle potentiometer drives the throttle
    int fadec_on;
    int eq_ped, eq_avi, eq_thr, eq_col;   // rudder pedals, radio reset on load, separate levers, helicopter throttle buttons
    float joy_rat_ptch, joy_rat_hdng, joy_rat_roll;
    float NZptch, NZroll;       // null zones
    int use_buttons;            // joystick buttons in use
    int joy_response[22];       // action code of each logical button
    float MK_ptch, MK_roll, MK_hdng;   // mouse and keyboard yoke, -1..1
    float YK_ptch, YK_roll, YK_hdng;   // yoke input
    float FC_ptch, FC_roll, FC_hdng;   // resulting flight-control input
    int gear_handle;            // 1 down
    float gear_time[3];         // gear travel per leg
    float parkbrake;            // 0..1
    int serout;                 // serial output mode, 0 off
    int view_type;              // current view, a View-menu id
    int replay_mode;            // 0 flying, 1..5 replay
    int view_is_fullscreen;
    int cycout, cycoutwaiting;  // one-cycle dump request and state
    int dskout, rltout, grfout; // any channel chosen for disk, cockpit, graph
    int text_out, voice_out;    // ATC text on screen, ATC speech
    int Bdsk[60], Brlt[60], Bgrf[60];   // per data channel: to disk, cockpit, graph
    int rltsel[10];             // first 10 channels for the cockpit, -1 none
    int grfsel[4];              // first 4 channels for the graph, -1 none
    float cus_X, cus_Y, cus_Z;  // custom start position, m, local frame
    float cus_psi;              // custom start heading, deg
    float cus_v;                // custom start speed, m/s
    float ah_bar_adjust;        // artificial-horizon bar adjustment
};

// The recorded flight path: a ring of samples, each X, Y, Z (m), the, psi,
// phi (degrees) and msc.elap_time (s); the sample after the newest is always
// marked unrecorded, which ends the path.
const int PATH_SAMPLES = 6000;
struct pathstruct {
    int count;
    float time_play;            // replay clock, on the msc.elap_time scale
    int cntr_record;            // newest sample, 0..5999
    float xyztppt[PATH_SAMPLES][7];
    int inited[PATH_SAMPLES];   // 1 where the sample is recorded
};

const int GRAPH_SAMPLES = 1800;
struct graphstruct {
    float lefttime;             // s from the oldest sample at the graphs' left edge
    int cntr;                   // ring index of the newest sample
    int indexstart;             // ring index of the oldest sample
    int graphstruct_full;       // 1 once the ring has wrapped
    float period[GRAPH_SAMPLES];        // frame period per sample; 999 when cleared
    float data[4][4][GRAPH_SAMPLES];    // per graph, curve and sample; -999 absent
};

extern settingstruct set;
extern pathstruct pat;
extern graphstruct grf;
