// The terrain screen: the square entries, zoom and pan, the three terrain
// tools and the warp of the grid inside the control box.
#pragma once

namespace gelvani {

// Block size in grid steps: 1 at resolution 99, else 59 / res and 79 / res.
float dfi();
float dfj();
// The node nearest the screen point (x, y) among those whose box lies in
// the grid, and that box; 0 when there is none.
int nearest_node(float x, float y, int* ic, int* jc, int* i1, int* j1, int* i2, int* j2);
// Flips the water of the block or blocks under (x, y), then the textures.
void flip_water(float x, float y);
// Mode 3 moves (ic, jc) to the point (mx, my) and warps latitude and
// longitude in the box; mode 4 warps elevation. The box edges never move.
void interp_points(int ic, int jc, int i1, int j1, int i2, int j2, float mx, float my, int mode);

} // namespace gelvani
