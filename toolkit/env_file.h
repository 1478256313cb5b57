// Terrain square files (".env"): one square degree of grid points and the
// obstacles standing in it. One reader and one writer, shared by the simulator
// and the scenery editor; they know nothing of either program's records.
#pragma once

// Grid points per square: columns west to east, rows south to north; the
// first and last of each lie on the square's edges.
const int ENV_COLS = 60;
const int ENV_ROWS = 80;
// Flags of a water point as written (both water bits); a reader takes either bit.
const int ENV_WATER_FLAGS = 6;

struct env_grid {
    float lat[ENV_COLS][ENV_ROWS];    // degrees
    float lon[ENV_COLS][ENV_ROWS];    // degrees
    float elev[ENV_COLS][ENV_ROWS];   // metres
    int flags[ENV_COLS][ENV_ROWS];
};

// Obstacle types 1..6 carry a height in feet, type 8 a heading in degrees and
// a name; 99 ends the list.
struct env_obstacle {
    int type;
    float lat, lon, hddz;
    char name[40];
};

// 1 when the point's flags mark water (bit 2 or bit 4).
int env_is_water(int flags);

// The highest and lowest elevation a square can hold (m): the scenery
// editor's five digits of feet.
const float ENV_ELEV_LIMIT = 99999 * 0.3048f;

// 1 when a grid point read from the square at (lat, lon) lies in it (within
// 0.001 degrees) at a finite elevation within the limit.
int env_point_sound(float plat, float plon, float elev, int lat, int lon);
// 1 when an obstacle read from the square at (lat, lon) is finite and within a
// degree of the square; an end mark or an unknown type is sound.
int env_obstacle_sound(const env_obstacle* o, int lat, int lon);

// Opens the square file on the first input stream, version 3 or 4, without
// complaint; 1 when open.
int env_open(const char* path);
// The 4800 grid records, in file order.
void env_read_grid(env_grid* g, const char* path);
// The next obstacle record; returns its type (99 at the end). Types 1..6 and 8
// fill o; any other type reads nothing more.
int env_read_obstacle(env_obstacle* o, const char* path);
void env_close();

// Writes version 4: the grid, then every obstacle of type 1..6 or 8 that lies
// in the square (lat_file, lon_file) with its edges, then the end mark. Goes
// through the toolkit's safe save; 1 on success.
int env_write(const char* path, const env_grid* g, const env_obstacle* obs, int n_obs, int lat_file, int lon_file);
