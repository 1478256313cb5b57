// The square being edited: its grid, obstacles and coastline, loaded from
// and saved to its terrain square file in "additional nav data".
#pragma once

namespace gelvani {

// The square of (map_latfile, map_lonfile) as a flat sea.
void flat_sea();
// Every obstacle slot free: type 0, name "?", 100 ft.
void clear_obstacles();
// Full paths of the square's file and of its coastline file (char[400]).
void square_path(char* path);
void coast_path(char* path);
// Loads the square with its obstacles and coastline and resets the view.
// A missing file gives a flat sea; a damaged one a flat sea and a notice.
void read_terrain();
// Saves the square; 1 on success (map_dirty then cleared).
int write_terrain();

} // namespace gelvani
