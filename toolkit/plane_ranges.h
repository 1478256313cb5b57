// The range every numeric field of the aircraft file can sensibly hold.
#pragma once

// Checks the aircraft record as read from its file (file units, before any
// derivation). Returns 0 when every value is a finite number in its range,
// else the reason the design is refused, naming the field and its value.
const char* plane_range_fault();
