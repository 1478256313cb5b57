// Flight data out through serial port 1 (GPS sentences, float records, the
// motion seat), by the mode set.serout.
#pragma once

// Once a flight step: opens, re-opens or closes the port when the mode has
// changed, then sends what is due. A port that cannot be opened, set or
// written gives its notice and turns serial output off.
void serial_output();

// The two GPS sentences as sent (line feed included), from flt and env.
void nmea_fix_sentence(char* out, int size);
void nmea_course_sentence(char* out, int size);

// Writes the first dim floats of serial_dat to the port; 0 after a short write.
int serial_out(int dim);
extern float serial_dat[20];
