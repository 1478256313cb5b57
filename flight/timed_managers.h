// Work on ticks of simulated time: the event tick (about every 0.1 s) and the
// second tick (every tenth event tick).
#pragma once

void mod_evt();
void mod_sec();
// Ends the identifier being keyed, so that after a pause it starts again
// from its first letter instead of sounding every element that fell due.
void end_morse_id();

// 1 when failure item w (0..31) fails now, by its mode in rel.fail_type.
int failme(int w);
