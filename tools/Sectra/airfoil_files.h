// Airfoil (".afl") and flap (".flp") files as the airfoil editor writes and
// reads them. The simulator and the aircraft editor read the tables by count,
// so the line layout here is binding, down to the empty lines.
#pragma once

namespace sectra {

// Writes the edited part to msc.C_path (airfoil or flap by msc.device) and
// clears msc.devicemod. A part with a non-finite value is not written: a
// notice says so and the part stays marked as changed.
void writeoutpart();

// Reads the constants of the file at msc.C_path, switching device when the
// file holds the other kind, and regenerates the tables. A missing file or an
// unknown device code is fatal.
void readinpart();

} // namespace sectra
