// Scenery objects: one slot filled with a built-in shape or a custom ".OBJ" object.
#pragma once

// (x, z): ground position (m); hddh: height (m) of a built-in shape or
// heading (degrees) of a custom object (type 8), whose file name without
// extension is name.
void make_an_obs(float x, float z, float hddh, const char* name, int type, int o);
