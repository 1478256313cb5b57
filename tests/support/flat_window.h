// Test support: a flat window of ground without terrain files.
#pragma once

// A flat window of ground at height h whose south-west corner is
// (env.lat_sou, env.lon_wes), at x = 0, z = 0.
void flat_window(float h);
