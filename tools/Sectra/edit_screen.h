// The airfoil editor's screen: the digit buttons of the edited part, the
// plot of its curves with the cursor that follows the mouse, and the
// read-out of the cursor's step.
#pragma once

namespace sectra {

// Sweep step (0..400) under the plot cursor; 250 at start.
extern int mx;

// Horizontal plot position of sweep step x in the current view.
int fpx(int x);
// One point of a curve: column 250 + x, row 340 + y x 200, drawn only inside
// the plot box.
void elementpoint(int color, int x, float y);
// Buttons of the current device; 1 when any of them changed its value.
int edit_buttons();
// One frame of the edit screen.
void edit_screen();

} // namespace sectra
