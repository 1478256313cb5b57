// The head-up displays the scene frame draws: the flat one in the 2-D
// overlay, the 3-D one in the world's own projection.
#pragma once

void plot_nrml_hud();
void plot_cool_hud();
