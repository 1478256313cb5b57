// The importer of the bundled world database: reads the public world data
// (airports.json, runways.csv, navaids.csv) and writes "apt_dat", "nav_dat"
// and "fix_dat" through the toolkit's record-line writers, exactly as the
// scenery editor saves them.
#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

// The airport the first run starts at; the importer always keeps it.
extern const char* const FIRST_RUN_AIRPORT;

struct import_counts {
    int airports;       // written to apt_dat
    int navaids;        // written to nav_dat
    int vors, ndbs;
    int ils;            // runway ends given an instrument landing system
    int ils_left_out;   // ends that wanted one and got none (no channel free)
    int first_run_airport_kept;
};

// Reads the three source files from source_dir and writes the three database
// files into out_dir, with the instrument landing systems made from the
// runways; regions (the home regions file, or null for none) adds the medium
// airports of the home regions to the large ones that get them. Returns 1 on
// success; on failure it says why on stderr.
int import_world(const char* source_dir, const char* regions, const char* out_dir, import_counts* counts);

// A line of the home regions file (data/terrain/regions.txt): an airport and
// the margin, in whole squares, by which its world window is widened.
struct home_region {
    std::string id;
    int margin;
};
int read_home_regions(const char* path, std::vector<home_region>* out);
// The squares (south-west corners) of the world window round a home airport's
// first runway, widened by margin squares on every side.
void home_squares(float lat, float lon, int margin, std::set<std::pair<int, int>>* squares);

// The point d feet from (lat, lon) along true heading h, on the flat of the
// starting latitude.
void move_along(double* lat, double* lon, double h, double d);

// A runway end of the source data with a position and an elevation.
struct runway_end_height {
    double lat, lon;   // degrees
    double elev_ft;
};
// The runway ends of runways.csv (closed runways left out) that carry both.
// Returns 1 when the file was read; on failure it says why on stderr.
int read_runway_end_heights(const char* runways_csv, std::vector<runway_end_height>* out);
