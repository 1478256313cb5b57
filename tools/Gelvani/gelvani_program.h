// The scenery editor's program: start-up, menus, keys, edit modes, saving,
// quitting and its preferences file "Gelvani.prf".
#pragma once

namespace gelvani {

// The defaults of msc.
void set_defaults();
// Reads "Gelvani.prf"; values out of range are replaced by the defaults'.
void read_prefs();
// 1 when written.
int write_prefs();
// Start-up steps 3 to 9 (after MACIBM_init).
void load_everything();
// Saves the terrain square (200), airports (202) or navaids (203); 1 on success.
int writeout(int type, int unused);
// 0 when the user chose Cancel (or a save failed), else 1.
int handle_save(int mode, int mod);
// The save-changes prompt; tests answer it themselves.
extern int (*ask_save_changes)(const char* name);
// Menu item 104.
void quit_program();
// Texture choices of the grid's cells (the scenery editor's form).
void assign_terrain_texes(int id, int jd);
// The edit screens, once a frame in their mode.
void handle_map();
void handle_obs();
void handle_apt();
void handle_nav();
// The backdrop bitmap of the current edit mode.
const char* backdrop_name();
// The whole program; returns its exit code.
int gelvani_main();

} // namespace gelvani
