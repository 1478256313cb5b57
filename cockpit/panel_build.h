// The panel backdrop, painted into the canvas whenever window 0 opens.
#pragma once

void build_panel();
// The custom panel bitmap's path for an aircraft file (its extension cut,
// " panl" added) into out[400]; 0 when the path is too short to have one.
int custom_panel_path(const char* c_path, char* out);
// The compass card (81) and the handle atlas (82), once the GL is up; the
// handles are drawn only when their atlas loaded.
void load_panel_textures();
extern int hand_texture_loaded;
