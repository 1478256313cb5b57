// The systems display's pages: fuel, flight controls, hydraulics, failures.
#pragma once

// Draws the page of ins.ecam_mode (4..7) over the engine area.
void update_ecam();
// The hydraulic pressure pointers' positions; below 0 until first shown.
extern float x_h1, x_h2;
// The systems page shown: ins.ecam_mode, with values outside 3..7 as 3.
int ecam_page();
