// The importer of the bundled world database: reads the public world data
// (airports.json, runways.csv, navaids.csv) and writes "apt_dat", "nav_dat"
// and "fix_dat" through the toolkit's record-line writers, exactly as the
// scenery editor saves them.
#pragma once

#include <vector>

// The airport the first run starts at; the importer always keeps it.
extern const char* const FIRST_RUN_AIRPORT;

struct import_counts {
    int airports;       // written to apt_dat
    int navaids;        // written to nav_dat
    int vors, ndbs;
    int first_run_airport_kept;
};

// Reads the three source files from source_dir and writes the three database
// files into out_dir. Returns 1 on success; on failure it says why on stderr.
int import_world(const char* source_dir, const char* out_dir, import_counts* counts);

// A runway end of the source data with a position and an elevation.
struct runway_end_height {
    double lat, lon;   // degrees
    double elev_ft;
};
// The runway ends of runways.csv (closed runways left out) that carry both.
// Returns 1 when the file was read; on failure it says why on stderr.
int read_runway_end_heights(const char* runways_csv, std::vector<runway_end_height>* out);
