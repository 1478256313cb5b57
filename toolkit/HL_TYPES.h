// The toolkit's shared records, tables, streams, paths and flags.
#pragma once

#include <fstream>

struct menuwindowstruct {
    void* wind;
    int topwin;
    int menu_up;
    float x, y, dx, dy;
    float XRES, YRES;
    float XRAT, YRAT;
    float help_x1, help_y2;
    char help_message[400];
    char menu_name[315][40];
    int menu_prnt[315];
    char item_name[315][100][40];
    char item_help[15][100][400];
    float menux1[315], menuy1[315], menux2[315], menuy2[315];
    float itemx1[315][100], itemy1[315][100], itemx2[315][100], itemy2[315][100];
    float mx, my;
    int mouse_clicked;
    int mouse_lifted;
    int now_dragging;
    int delay_dragging;
    float time_elapsed;
    int draw_wire;
};

struct constantstruct {
    float muearth, rearth, rhoSL, pSL, muair, gammaairM1, pi, pim2, pid2, R, e, g, rho_h20;
    float lbstokgs, kgstolbs, fttomtrs, mtrstoft, hptowatt, watttohp, dgrtodgk, dgktodgr;
    float radtodeg, degtorad, ktstomsc, msctokts, rpmtorsc, rsctorpm, fpmtomsc, msctofpm;
    float nmtomtrs, mtrstonm, sftosmtr, smtrtosf, lbstontn, ntntolbs, ftlbtonm, nmtoftlb;
    float endtomed, medtoend, enptomep, meptoenp, enItomtI, mtltoenl, nm_to_sm, sm_to_nm;
    float mtrtoplt, plttomtr;
    float mtrtonrt, nrttomtr;
    float VIEW_xyz[3];
    float PLAN_loc_X, PLAN_loc_Z, PLAN_loc_Y;
    float sinPLANpsi, sinPLANthe, sinPLANphi, cosPLANpsi, cosPLANthe, cosPLANphi;
    float BOAT_loc_X, BOAT_loc_Y, BOAT_loc_Z;
    float sinBOATpsi, sinBOATthe, sinBOATphi, cosBOATpsi, cosBOATthe, cosBOATphi;
    float HUD_lft, HUD_top, HUD_rgt, HUD_bot;
    float cntrx, cntry;
};

extern menuwindowstruct mnw;
extern constantstruct con;
extern float lookup_sin[361];
extern float lookup_cos[361];
extern float col_rgb[80][3];

// Shared streams: input through the header routines, "Error.out", "Korvan.out".
extern std::ifstream inf1, inf2;
extern std::ofstream ouf, err, trk;
extern int inf_use;

// Program folder (with trailing "/"), its copy, and the two settings files.
extern char app_path[400];
extern char wrk_path[400];
extern char prf_path[400];
extern char res_path[400];

extern int gdone;
extern int ogl_ready;
extern int is_3dfx;
extern int done_initing;
extern int return_hit;
extern int got_event;
extern int up_handled;
extern int to_array;
extern int select_ctr;
extern int select_ind;
extern char g_cs1[400], g_cs2[400], g_cs3[400], g_cs4[400];

// The shared 400-character scratch string.
extern char C_s[400];

// Bounded copy into a fixed array: never writes past dim, always terminated.
void copy_bounded(char* dst, const char* src, int dim);
