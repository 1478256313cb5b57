// The simulator's station look-up in "WORLD.RWK".
#pragma once

// Reads every line of the file open on inf1. Returns 1 with the report of the
// nearest in-region airport's station (without its identifier; wxr_str holds
// at least 400 characters) and that airport's elevation (m); else 0 and
// leaves both untouched.
int get_wxr_str(char* wxr_str, float* z_report, float lat, float lon);
