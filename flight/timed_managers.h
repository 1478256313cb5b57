// Work on ticks of simulated time: the event tick (about every 0.1 s) and the
// second tick (every tenth event tick).
#pragma once

void mod_evt();
void mod_sec();
