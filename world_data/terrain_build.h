// The bundled terrain squares: land and water from the GSHHG coastlines,
// heights through the bundled airports and navaids, runways flattened.
#pragma once

#include "toolkit/env_file.h"

#include <cstdint>
#include <vector>

// GSHHG binned shorelines: 2-degree bins, 180 x 90, row 0 at 88..90 N,
// column 0 at 0..2 E; point offsets from the bin's south-west corner in
// units of 2/65535 degrees.
struct gshhg_bins {
    int bins_lon = 180, bins_lat = 90;
    std::vector<int> first_seg;       // per bin
    std::vector<int> n_seg;           // per bin
    std::vector<int> corner_levels;   // per bin: NW, NE, SE, SW, 3 bits each from the low bits
    std::vector<int> seg_info;        // (points << 9) | (level << 6) | (exit << 3) | entry
    std::vector<int> seg_first;       // first point of each segment
    std::vector<uint16_t> dlon, dlat; // per point
};

// Reads binned_GSHHS_h.nc; 1 on success.
int gshhg_load(const char* path, gshhg_bins* g);
// The bin holding (lat, lon) and the point's offsets in it.
int gshhg_bin_of(const gshhg_bins& g, double lat, double lon, double* x, double* y);
// Shoreline level at a point: even water, odd land; 0 the open sea.
int gshhg_level(const gshhg_bins& g, double lat, double lon);

// A point of known height (m).
struct height_point {
    double lat, lon;
    float h;
};

// A runway flattened to its airport's elevation (m).
struct runway_flat {
    double lat, lon;
    int width, len, hdng;
    float h;
};

// The height points (airports and navaids of the loaded navigation database,
// runway ends of runways_csv) and the database's runways; 1 on success.
int database_heights(const char* runways_csv, std::vector<height_point>* heights, std::vector<runway_flat>* runways);

// Builds one square: grid, water flags, heights; shore receives the square's
// sea-shoreline points, at most 3000.
void build_square(const gshhg_bins& g, int lat, int lon, const std::vector<height_point>& heights,
                  const std::vector<runway_flat>& runways, env_grid* grid, std::vector<height_point>* shore);
