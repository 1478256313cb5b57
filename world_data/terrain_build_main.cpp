// Writes the bundled terrain squares at build time:
//   terrain_build <binned_GSHHS_h.nc> <runways.csv> <regions.txt> <program folder>
// The database is read from the program folder's "additional nav data"; the
// squares and their coastline files go there too. Existing squares are kept.
#include "terrain_build.h"
#include "world_import.h"

#include "platform/window.h"
#include "toolkit/HL_FILE.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/codes.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <utility>

namespace {
const int MAX_SQUARES = 400;

void quiet_box(const char*, const char* text)
{
    fprintf(stderr, "terrain build: %s\n", text);
}

int find_airport(const char* id)
{
    for (int a = 0; a <= env.aptmax && a < APT_CAP; ++a)
        if (strncmp(apt_id[a], id, 4) == 0) return a;
    return -1;
}

int write_coastline(const char* path, const std::vector<height_point>& shore)
{
    if (!ouf_open(path, 206, 1)) return 0;
    char line[64];
    for (const height_point& p : shore) {
        snprintf(line, sizeof line, "%.5f %.5f\n", p.lat, p.lon);
        ouf << line;
    }
    return ouf_close();
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 5) {
        fprintf(stderr, "usage: terrain_build <binned_GSHHS_h.nc> <runways.csv> <regions.txt> <program folder>\n");
        return 2;
    }
    plat_set_message_box_handler(quiet_box);
    fill_constants();
    fill_trig_tables();
    done_initing = 1;
    std::string prog = std::string(argv[4]) + "/";
    copy_bounded(app_path, prog.c_str(), 400);
    init_country_data();

    // The squares: each home's window widened by its margin.
    std::set<std::pair<int, int>> squares;
    std::vector<home_region> homes;
    if (!read_home_regions(argv[3], &homes)) return 1;
    for (const home_region& h : homes) {
        int a = find_airport(h.id.c_str());
        if (a < 0) {
            fprintf(stderr, "terrain build: home airport %s is not in the database\n", h.id.c_str());
            return 1;
        }
        home_squares(apt_lat[a][0], apt_lon[a][0], h.margin, &squares);
    }
    if ((int)squares.size() > MAX_SQUARES) {
        fprintf(stderr, "terrain build: %d squares asked for, at most %d are made\n", (int)squares.size(), MAX_SQUARES);
        return 1;
    }

    gshhg_bins g;
    if (!gshhg_load(argv[1], &g)) {
        fprintf(stderr, "terrain build: cannot read the shorelines %s\n", argv[1]);
        return 1;
    }
    std::vector<height_point> heights;
    std::vector<runway_flat> runways;
    if (!database_heights(argv[2], &heights, &runways)) return 1;

    std::string nav_dir = prog + "additional nav data";
    std::filesystem::create_directories(nav_dir + "/coastlines");
    static env_grid grid;
    std::vector<height_point> shore;
    int made = 0;
    for (const auto& sq : squares) {
        char name[40], coast_name[40];
        return_latlon_str_ENV(sq.first, sq.second, name, 1);
        return_latlon_str_COAST((float)sq.first, (float)sq.second, coast_name);
        std::string path = nav_dir + "/" + name, coast_path = nav_dir + "/coastlines/" + coast_name;
        // A square saved with the scenery editor is never replaced.
        if (std::filesystem::exists(path)) continue;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        build_square(g, sq.first, sq.second, heights, runways, &grid, &shore);
        if (!env_write(path.c_str(), &grid, nullptr, 0, sq.first, sq.second)) return 1;
        if (!std::filesystem::exists(coast_path) && !write_coastline(coast_path.c_str(), shore)) return 1;
        ++made;
    }
    printf("Terrain: %d squares, %d made now\n", (int)squares.size(), made);
    return 0;
}
