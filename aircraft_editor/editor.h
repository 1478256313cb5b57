// The aircraft editor program: file flow, menus, screens, the per-frame
// derivations and the preview.
#pragma once

namespace fabrex {

// The save-changes guard: 1 go on, 0 stop.
int do_new_thing();
// Saves the aircraft (asking for a name when it has none or save_as is 1):
// 1 when saved, 0 when the dialog was cancelled or the file not written.
int writeout(int save_as);
// Asks for an aircraft file and loads it.
void openplane();
// Loads the aircraft file at path (named file): 1 when it is now the edited
// aircraft; 0, after a notice, when it is damaged or out of the simulator's
// ranges, leaving the edited aircraft as it was.
int open_plane_file(const char* file, const char* path);
// After New or Open: the engine screen's remembered type follows the aircraft.
void remember_engine_type();

// The per-frame derivations of APPLICATION_update: the engine type's default
// fuel consumption, propeller copies, sweep, wheel radius, skid tube, mirror
// copies and pylon roots.
void derive_engine_sfc();
void derive_fields();
// Default fuel consumption of an engine type 1..5; 0 for another.
float default_sfc(int entype);

// Copies lifting surface e1 to e2, and body e1's points to body e2.
void copy_foil(int e1, int e2);
void copy_body(int e1, int e2);

// The preview distance, feet; draws the preview once; the 3-D spins.
float find_dis_to_plane();
void manage_plot();
void spin_preview(int code);
// The moving controls' deflections at elapsed time t, seconds.
void move_controls(float t);

// A count button at (x, y) kept in mindim..maxdim, stored truncated in *num,
// with a column per counted item: EN 0 counts engines and edits each one's
// location; another EN counts part EN's elements and edits each one's
// incidence and control boxes.
void insecbtn(int EN, int x, int y, int* num, int mindim, int maxdim);

// The editor's number button: like instdbtn_range, but the field is written
// only when a digit is clicked, so a screen looked at changes nothing (a
// value beyond the range shows held inside it). 1 when clicked.
int edit_number(float x, float y, float* var, int dig, int dec, float lo, float hi, const char* help);

// The chooser of panel slot c (1..8) at (x, y): a click on a kind puts it
// there and takes it out of every other slot.
void fiddle_ins_loc(int c, int x, int y);

// Location help texts: "This is how far ... the " + description + " is. ...",
// in a shared buffer valid until the next call.
const char* x_name(const char* description);
const char* y_name(const char* description);
const char* z_name(const char* description);

} // namespace fabrex

// Toolkit services the editor calls, built elsewhere.
void load_plane_geo(int new_tex, int dump_map);
void plot_plane(float x, float y, float z, float the, float psi, float phi);
