// The scene frame: draws one frame of the world for the current view.
#pragma once

void scn2(int typeshift);

// The frame's closing steps, each on its own so it runs headless.
void scene_overlays();     // ATC phrase or data slots, catapult prompt
void scene_catapult();     // the launch ends once off the deck
void scene_panel_light();  // panel tint from the scene light and the cockpit lights

