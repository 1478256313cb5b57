// Test support: the toolkit as start-up leaves it on an 800 x 600 screen.
#pragma once

// Clears mnw to no window open on a full 800 x 600 screen and fills the
// constants, sine/cosine and colour tables.
void reset_full_screen_state();
