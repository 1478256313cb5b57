// The simulator's entry: clears the records, starts everything in order,
// runs frames until Quit and shuts down.
#pragma once

// Zeroes every global state record of the simulator, in its fixed order.
void clear_global_state();
// Start-up steps up to the run loop.
void korvan_startup();
// The whole program; returns the process exit status.
int korvan_main();
