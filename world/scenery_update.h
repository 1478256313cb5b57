// What the frame asks of the world before it draws: the world window's slides
// and the camera of the current view.
#pragma once

// The slide the aircraft at (lat, lon) asks of the window whose south-west
// corner is (lat_sou, lon_wes): 0 none, else SHIFT_WEST/EAST/SOUTH/NORTH.
int slide_type(float lat, float lon, int lat_sou, int lon_wes);
// Moves the window reference one degree that way, reads the new squares and
// fills the new cloud sectors.
void slide_window(int type);
// Camera pitch, heading and roll of a pilot's-eye view from the aircraft's
// attitude; 0 for a view that is not the pilot's eye.
int eye_angles(int view, float the, float psi, float phi, float* sthe, float* spsi, float* sphi);
// Where an external view's camera heads this frame; 0 when the view has no
// target (not external, or the tower view with no airport to stand at).
int camera_target(int view, float target[3]);
