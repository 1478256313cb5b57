// The head-up displays over the out-of-the-window view, called by the scene
// frame: the flat display in its 2-D overlay, the 3-D one in the world's own
// projection. Both draw in the box con.HUD_lft..HUD_rgt x HUD_bot..HUD_top.
#pragma once

void plot_nrml_hud();
void plot_cool_hud();

// The flat display's flight-path box (its centre) and view offset.
float hud_view_offset(int view_type);
void hud_flight_path(float alpha, float beta, int view_type, float* x, float* y);
// The k-th approach hoop (0..7): its distance from the runway end (m) and its
// centre on a 3-degree path back along course h (whole degrees true).
float hoop_distance(int k);
void hoop_centre(int k, const float end[3], int h, float out[3]);
