// What each program supplies to the toolkit besides its five callbacks
// (HL_MNW.h). The toolkit's shared code reads no program's records: where
// the programs differ it asks through these. See toolkit/README.md.
#pragma once

// Alert kinds of MACIBM_alert, the program's own numbers: the about box, a
// notice that returns, a notice whose fourth line is a number and then ends
// the program, and a fatal alert. Any other number behaves as a notice.
extern const int ALERT_ABOUT;
extern const int ALERT_NOTICE;
extern const int ALERT_NUMBER;
extern const int ALERT_FATAL;

// The program's name: its bitmap folder "bitmaps/<name>/".
extern const char* const program_name;
// Its preferences file in the settings folder; "" when it has none.
extern const char* const program_prefs_file;
// 1 when MACIBM_setres keeps a desktop already larger than the wanted size.
extern const int program_keeps_larger_desktop;
// The about box's four lines.
extern const char* about_lines[4];

// MACIBM_init: after the GL defaults are set (before the menus), and last,
// the start-up textures (the letters among them).
void program_gl_ready();
void program_load_textures();
// MACIBM_finishup: what the program releases besides the window and files
// (sound, joystick forces, serial port).
void program_finishup();

// Modulation of colours 0..37 and of the backdrop, 1 each for none.
void program_tint(float* r, float* g, float* b);
// The backdrop while no window is open: 0 whole, 1 with the cockpit view
// cut out above the panel, 2 the menu strip only.
int program_backdrop_layout();
// 1 when the pull-down shows a check mark beside item code (menu x 100 + item).
int program_item_checked(int code);

// OGL_texbmp of a named texture (kind -100): appends the folder and file
// name, without ".BMP", to path (which holds the program folder).
void program_texture_path(int number, const char* name, char* path);
// The down-scaling divisor of a texture number (before any doubling for the
// GL's largest texture size).
int texture_divisor(int number);

// The sound device is open, and sound is switched on.
int program_sound_avail();
int program_sound_on();

// 1 when the aircraft has lost part en in flight (have_this_part then says 0).
int program_part_lost(int en);

// plot_plane's view: the distance (m) beyond which the aircraft is not drawn,
// the view's zoom, and the flashing lights' phase 0..1.
float program_view_range();
float program_view_zoom();
float program_light_pulse();
// 1 when plot_plane draws the aircraft's own lights (the simulator); the
// editor marks its points in its own way instead.
int program_plane_lights();
// Optional: what closing the window from the desktop does once any menu
// window is closed; the toolkit's default ends the frame loop.
void program_window_closed();
// Optional: shows the program's own save-failure notice for path and returns
// 1; the toolkit's default returns 0 and the toolkit's wording is shown.
int program_save_notice(const char* path);
