// Airfoil (".afl") and flap (".flp") files as the airfoil editor writes and
// reads them. The simulator and the aircraft editor read the tables by count,
// so the line layout here is binding, down to the empty lines.
#pragma once

namespace sectra {

// Writes the edited part to msc.C_path (airfoil or flap by msc.device) and
// clears msc.devicemod; 1 when the file is in place. A save that fails (a
// notice says why) or a part with a non-finite value writes nothing and
// leaves the part marked as changed, so no work is lost.
int writeoutpart();

// Reads the constants of the file at msc.C_path, switching device when the
// file holds the other kind, and regenerates the tables; 1 when read. A file
// that is missing, of another version or kind, or damaged is refused with a
// notice and leaves the part as it was.
int readinpart();

} // namespace sectra
