// The platform layer, frame loop, menus, menu windows and alerts.
#pragma once

#include "platform/window.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/program_variant.h"

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
// Screen of w x h pixels: the drawing space scaled to fit with its aspect
// kept, centred between black borders (mnw.XRES/YRES/XRAT/YRAT and the
// offsets that the viewport and the mouse use).
void fit_drawing_space(int w, int h);
// Reads "VidRes.prf" into mnw.XRES/YRES; implausible values give 800 x 600.
void read_resolution_file();

// Menu windows and alerts.
// The program's window opener: each program has its own, built from the pieces below.
void MACIBM_startwind(int index);
// Kind ALERT_NUMBER shows the fourth line as given; a number goes through MACIBM_alert_number.
void MACIBM_alert(const char* C_string1, const char* C_string2, const char* C_string3, const char* C_string4, int type);
// The fatal alert whose fourth line is a whole number (kind ALERT_NUMBER).
void MACIBM_alert_number(const char* C_string1, const char* C_string2, const char* C_string3, int number);
// "Save changes to " name " first?": 1 Save, 2 Don't Save, 3 Cancel.
int MACIBM_nuke_alert(const char* name);
// What one frame's input does to the open alert (996) or save-changes prompt
// (997); their modal loops call these after every frame. The prompt's answer
// is 0 while it stays open, else as MACIBM_nuke_alert's.
void alert_take_input();
int nuke_alert_take_input();

// Pieces of a window opener.
// Title and size of the toolkit's windows 0 and 996-999; 0 for any other number.
int toolkit_window(int index, const char** title, float* dx, float* dy);
// Hands the open window to process_zap (unless the new one is the alert or a
// repaint of the same one), centres the new one, resets the click and
// selection, clears the canvas and turns drawing to it.
void open_window_begin(int index, float dx, float dy);
// Cuts the canvas into the backdrop tiles and turns drawing back to the GL.
void open_window_end();
// The menu bar strip across the top of window 0 and black below it.
void draw_menu_bar();
// Frame, centred title with engraved stripes and, when asked, the two close
// boxes, in window coordinates.
void draw_window_frame(const char* title, float dx, float dy, int close_boxes);
// The static contents of the toolkit's windows 996-999.
void draw_toolkit_window(int index);
// The 35 backdrop textures 500 + i + 7 j from the canvas.
void cut_backdrop_tiles();

// Menus and keyboard.
// 1 when the press was the menus' or a close box's: it is used up.
int MACIBM_handleclick();
void MACIBM_handlekey(int key);
void MACIBM_draw_menu();
void MACIBM_draw_help();

// File chooser.
void OPENSAVE_update();

// Menus: up to 315 menus of 100 items; a pick reaches the program as
// APPLICATION_handlemenu(menu x 100 + item). Texts longer than their arrays
// are cut; a menu with an empty title does not exist.
const int MENU_COUNT = 315;
const int MENU_ITEMS = 100;
// Menus 0 to 14 keep help texts.
const int MENU_HELP_COUNT = 15;
// i < 0: a bar menu (declare them left to right from menu 0); else the code
// parent x 100 + item of the item the submenu opens from.
void MACIBM_create_menu(int m, int i, const char* C_string);
// Empties every menu and item, their corners at -9999, before a rebuild.
void clear_menus();
// Item i - 100 m of menu m (i is the item's full code), then the menu's
// layout again. "-" begins a separator.
void MACIBM_append_menu(int m, int i, const char* C_string, const char* help);
// The bar menus' titles, drawn by the window opener over the bar strip of window 0.
void MACIBM_draw_menubar();
// 1 when (x, y) of window 0 lies on the bar strip: a click there belongs to
// the menus, not to what the program shows below them.
int on_menu_bar(float x, float y);
// The box of the pulled-down menu: left, bottom, right, top.
extern int m_x1, m_y1, m_x2, m_y2;

// File chooser (windows 998 "OPEN" and 999 "SAVE"). file and path hold 400
// characters. 1 when a file was chosen or a name confirmed, 0 when closed.
int MACIBM_open(int file_type, char* file, char* path);
// Points the chooser at the program folder's folder of file_type ("airfoils",
// "flaps", "Aircraft") when it has one and the chooser is not inside it already.
void chooser_start_folder(int file_type);
// Around a file button's chooser: it browses a folder of its own, starting in
// the program folder's folder of file_type, and the shared folder where Open
// and Save As start stays where it was.
void file_button_folder_begin(int file_type);
void file_button_folder_end();
int MACIBM_save(int file_type, char* file, char* path);
// Lists wrk_path into g_name, g_path, g_is_folder, sorted by name ignoring
// case, at most CHOOSER_ROWS entries; returns the number kept.
int GetDirItems(int file_type);
// 1 if the entry belongs in the list of file_type.
int takeit(const char* name, int file_type, int is_folder);
const int CHOOSER_ROWS = 50;
extern char g_name[CHOOSER_ROWS][256];   // whole names; the list shows 31 characters
extern char g_path[CHOOSER_ROWS][400];   // wrk_path + name; empty when it would not fit
extern int g_is_folder[CHOOSER_ROWS];
extern int number_items;
extern int g_file_type;
