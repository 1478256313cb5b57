// The obstacle, airport and navaid screens (handle_obs, handle_apt and
// handle_nav are declared with the program) and the table edits behind their
// buttons, which run without a screen.
#pragma once

namespace gelvani {

// Obstacles: the one of type 1..8 inside the square nearest (lat, lon) in
// plain degrees, a later slot winning only when strictly nearer; -1 if none.
int nearest_obstacle(float lat, float lon);
// A new obstacle of type 2..6 or 8 at (lat, lon) in the lowest free slot,
// selected; a standard one takes the height of the obstacle selected before.
// The slot, or -1 when every slot is in use.
int place_obstacle(int type, float lat, float lon);

// Airports: the selected one removed, the later ones moved down. New appends
// "Untitled" and selects it; 0 (with a notice) when the table is full.
void delete_airport();
int new_airport();

// Navaids: the navaid type the screen shows (2..9, not saved).
extern int selected_type;
// First and last slot holding a navaid of type; 0 when there is none.
int navaid_type_range(int type, int* first, int* last);
// The selected slot removed, the later ones moved down, the last slot freed.
void delete_navaid();
// A new navaid of selected_type right after the last of its type (after the
// last used slot when there is none), selected; 0 (with a notice) when the
// table's last slot is in use.
int new_navaid();

// The view buttons of the map, shared by the terrain and obstacle screens.
void map_view_buttons();
// 1 when (x, y) lies in the map area, edges included.
int in_map_area(float x, float y);

} // namespace gelvani
