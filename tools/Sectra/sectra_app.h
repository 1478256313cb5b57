// The airfoil editor's start-up and run.
#pragma once

namespace sectra {

// The background picture of the main screen: "AFL" or "FLP" by device.
const char* backdrop_name();
// The whole program after the single-instance check; returns its exit code.
int sectra_main();

} // namespace sectra
