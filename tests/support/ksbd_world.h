// Test and benchmark support: the simulator in its window at KSBD over the
// bundled world, as a first run leaves it.
#pragma once

// Once per program: the window, the trainer, the database and the region
// round KSBD; settings go to a scratch folder.
void start_at_ksbd();
// The default weather, on the runway, paused, cockpit view.
void park_at_ksbd();
