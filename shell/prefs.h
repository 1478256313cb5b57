// The preferences file "Korvan 4.prf" and situation files (".sit"): the same
// text file of 153 lines, written on Quit or from the File menu.
#pragma once

// The trees switch of the rendering options, kept in the preferences.
extern int ogl_trees;

// Reads a preferences (206) or situation (202) file; 1 when read. A missing,
// foreign or wrong-version file returns 0 and changes nothing (a wrong
// version is fatal when `alert` is set); so does a damaged or short file,
// after a notice.
int grab_prefs(const char* path, int ftype, int alert);
// Reads the preferences at the start; 1 when read. A file there that cannot
// be read is kept beside under another name, with a notice, so the quit
// does not write over it unseen.
int start_prefs(const char* path);
// The i-th numeric line whose range the reader checks (lines counted from
// the first after the header): 1 with its line and range, 0 past the last.
int situation_line_range(int i, int* line, double* lo, double* hi);
// Writes the file, every number within what the reader takes; 1 when it is
// in place.
int dump_prefs(const char* path, int ftype);
// First-run defaults: asks for an aircraft and starts at the home airport.
void hardprefs();
// The defaults of hardprefs, without the welcome and the aircraft choice.
void first_run_defaults();
// Rebuilds the cockpit and graph channel choices from the channel flags and
// clears the graph history.
void set_rlt_grf_choices();
// The start position of a read file is kept relative to its region's corner;
// once that region is loaded, this makes it absolute again (before a
// situation start uses it).
void cus_to_region();
