// The platform layer, frame loop, menus, menu windows and alerts.
#pragma once

#include "platform/window.h"
#include "toolkit/HL_TYPES.h"

// Alert kinds of MACIBM_alert.
enum {
    ALERT_ABOUT = 'T',   // 84
    ALERT_NOTICE = 'U',  // 85
    ALERT_NUMBER = 'V',  // 86: fourth argument is an int*, then fatal
    ALERT_FATAL = 'W'    // 87
};

// Callbacks every program supplies.
void APPLICATION_setupmenus();
void APPLICATION_update();
void APPLICATION_handlekey(char c);
void APPLICATION_handlemenu(int choice);
void process_zap(int old_window);

// Platform layer and frame loop.
void MACIBM_init();
void MACIBM_event_proc();
void MACIBM_finishup();
int MACIBM_setres(int init_call);
void MACIBM_showinit(int light);
void MACIBM_button(float x1, float y1, float x2, float y2, int convex);
void IBM_handlewin(const plat_event* ev);

// The start-up tables: constants, sine/cosine by degree, colours.
void fill_constants();
void fill_trig_tables();
void fill_colours();

// Index of the first mode of w x h in the list (any colour depth), -1 if none.
int match_display_mode(const plat_mode* modes, int count, int w, int h);
// Drawing-space mouse position from a raw pixel position: y up, relative to
// the open window's origin.
void mouse_from_pixels(int px, int py);
// Reads "VidRes.prf" into mnw.XRES/YRES; implausible values give 800 x 600.
void read_resolution_file();

// Menu windows and alerts.
void MACIBM_startwind(int index);
void MACIBM_alert(const char* C_string1, const char* C_string2, const char* C_string3, const char* C_string4, int type);
int MACIBM_nuke_alert(const char* name);

// Menus and keyboard.
void MACIBM_handleclick();
void MACIBM_handlekey(int key);
void MACIBM_draw_menu();
void MACIBM_draw_help();

// File chooser.
void OPENSAVE_update();
