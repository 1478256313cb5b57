// The scenery editor's reading and writing of one terrain square file (".env"): the header ("i" and the version), the
// 60 x 80 grid from the south-west corner, row by row from the south and west
// to east within a row, then the obstacle records and the end mark 99.
// Versions 3 and 4 are read alike; 4 is written. A square without obstacles
// is 76809 bytes long. No program's records: callers pass plain values.
#pragma once

namespace gelvani {

const int ENV_COLS = 60;       // columns i, west to east
const int ENV_ROWS = 80;       // rows j, south to north
const int ENV_WRITE_VERSION = 4;
const int ENV_END = 99;
const int ENV_NAME_BYTES = 40; // the name of a custom obstacle (type 8)
// Grid flags: both water bits set for a water cell.
const int ENV_WATER_FLAGS = 6;

// Opens the temporary file beside path (ouf_open, kind 204, version 4); 1 when open.
int env_write_open(const char* path);
void env_write_point(float lat, float lon, float z, int flags);
// Types 1 to 6: lat, lon, height in feet and two zero words (24 bytes);
// type 8: lat, lon, heading and the 40 name bytes (56 bytes). Other types
// are not written.
void env_write_obstacle(int type, float lat, float lon, float hddz, const char* name);
// Writes the end mark and puts the file in place; 1 on success.
int env_write_close();

// Opens the square (version 3, else 4) with soft scanning; 1 when open.
int env_read_open(const char* path);
// 1 when the point was read whole.
int env_read_point(float* lat, float* lon, float* z, int* flags);
// The next record's type (its values read into the arguments; name gets 40
// bytes, zero-ended), ENV_END at the end mark, -1 when the file ends early.
// An unknown type is returned as it is and nothing after it is read.
int env_read_obstacle(float* lat, float* lon, float* hddz, char* name);
void env_read_close();

} // namespace gelvani
