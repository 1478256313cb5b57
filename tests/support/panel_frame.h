// Test support: the cockpit panel with nothing failed, and one real frame of
// it through the toolkit's event loop.
#pragma once

// Every system, engine and gear leg working.
void all_systems_working();
// Lays out the panel, opens window 0 and runs one frame with a paint event;
// returns up_handled (1 when the frame painted).
int panel_frame();
// Writes an 800 x 333 24-bit panel bitmap of one colour; 1 when written.
int write_one_colour_panel(const char* path, unsigned char r, unsigned char g, unsigned char b);
