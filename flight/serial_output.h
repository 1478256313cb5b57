// Flight data out through serial port 1 (GPS sentences, float records, the
// motion seat), by the mode set.serout.
#pragma once

// Once a flight step: opens, re-opens or closes the port when the mode has
// changed, then sends what is due.
void serial_output();
