// Test support: one slide of the world window as the scenery update makes it.
#pragma once

// type: SHIFT_WEST, SHIFT_EAST, SHIFT_NORTH or SHIFT_SOUTH.
void slide_window(int type);
