// Saves the pattern square as the scenery editor saves any square, into the
// program folder argv[1]; the simulator's test then loads it from there.
#include "tests/support/square_pattern.h"

#include "tools/Gelvani/gelvani_program.h"
#include "tools/Gelvani/gelvani_records.h"
#include "tools/Gelvani/terrain_square.h"
#include "toolkit/HL_TYPES.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

using namespace gelvani;

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: save_pattern_square <program folder>\n");
        return 2;
    }
    std::string dir = std::string(argv[1]) + "/";
    std::filesystem::create_directories(dir + "additional nav data");
    snprintf(app_path, sizeof app_path, "%s", dir.c_str());
    snprintf(prf_path, sizeof prf_path, "%sGelvani.prf", dir.c_str());

    set_defaults();
    msc.map_latfile = PATTERN_LAT;
    msc.map_lonfile = PATTERN_LON;
    clear_obstacles();
    flat_sea();
    for (int i = 0; i < GRID_I; ++i)
        for (int j = 0; j < GRID_J; ++j) {
            planez[i][j] = pattern_height(i, j);
            on_water[i][j] = pattern_water(i, j);
        }
    obj_type[0] = PATTERN_OBSTACLE_TYPE;
    obj_lat[0] = PATTERN_OBSTACLE_LAT;
    obj_lon[0] = PATTERN_OBSTACLE_LON;
    obj_hddz[0] = PATTERN_OBSTACLE_FEET;
    strcpy(obj_name[0], "MAST");

    char path[400];
    square_path(path);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    if (!write_terrain()) {
        fprintf(stderr, "save_pattern_square: could not save %s\n", path);
        return 1;
    }
    printf("saved %s\n", path);
    return 0;
}
