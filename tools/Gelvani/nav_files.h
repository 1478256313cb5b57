// The airport and navaid databases "apt_dat" and "nav_dat" in
// "additional nav data": loaded at start-up, saved on request.
#pragma once

namespace gelvani {

// apt_path and nav_path from the program folder.
void set_nav_paths();
// Each loads its whole table; a missing file or too many records is fatal.
void load_airports();
void load_navaids();
// 1 on success (the dirty flag then cleared).
int write_airports();
int write_navaids();

} // namespace gelvani
