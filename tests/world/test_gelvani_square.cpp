// A square saved by the scenery editor, loaded into the simulator's world:
// the two programs share its file, so every point, its water and the
// obstacle must land where the editor put them.
#include "world_fixture.h"

#include "tests/support/square_pattern.h"

#include "world/coordinates.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "records/world_state.h"
#include "world/world_window.h"

#include <cmath>
#include <filesystem>

using GelvaniSquare = WorldFolder;

TEST_F(GelvaniSquare, PointsWaterAndObstacleLandWhereTheEditorPutThem)
{
    // Saved by save_pattern_square into SAVED_FOLDER before this test runs.
    const std::string saved = std::string(SAVED_FOLDER) + "/additional nav data/+030-120/+033-119.env";
    ASSERT_TRUE(std::filesystem::exists(saved)) << saved;
    std::filesystem::create_directories(std::filesystem::path(square_path(PATTERN_LAT, PATTERN_LON)).parent_path());
    std::filesystem::copy_file(saved, square_path(PATTERN_LAT, PATTERN_LON));

    env.lat_sou = PATTERN_LAT;
    env.lon_wes = PATTERN_LON;
    load_region();

    // The square is the window's south-west one; its east column and north
    // row are its neighbours' first ones, read after it.
    int wrong_height = 0, wrong_water = 0, wrong_place = 0;
    for (int i = 0; i < 59; ++i)
        for (int j = 0; j < 79; ++j) {
            wrong_height += planexyz[i][j][1] != pattern_height(i, j);
            wrong_water += on_water[i][j] != pattern_water(i, j);
            float lat = PATTERN_LAT + j / 79.0f, lon = PATTERN_LON + i / 59.0f;
            wrong_place += std::fabs(planexyz[i][j][0] - X_with_latlon(lat, lon)) > 1 ||
                           std::fabs(planexyz[i][j][2] - Z_with_lat(lat)) > 1;
        }
    EXPECT_EQ(wrong_height, 0);
    EXPECT_EQ(wrong_water, 0);
    EXPECT_EQ(wrong_place, 0);
    // The neighbours have no files: open water at sea level.
    EXPECT_EQ(planexyz[100][100][1], 0);

    // The obstacle in the first slot of the run, on the ground under it.
    ASSERT_EQ(obj_type[451], PATTERN_OBSTACLE_TYPE);
    double x = X_with_latlon(PATTERN_OBSTACLE_LAT, PATTERN_OBSTACLE_LON), z = Z_with_lat(PATTERN_OBSTACLE_LAT);
    EXPECT_NEAR(obj_xyz[451][0][0][0], x, 0.5);
    EXPECT_NEAR(obj_xyz[451][0][0][2], z, 0.5);
    int oi = (int)(0.3f * 59), oj = (int)(0.4f * 79);
    float lo = fltmin4(pattern_height(oi, oj), pattern_height(oi + 1, oj), pattern_height(oi, oj + 1),
                       pattern_height(oi + 1, oj + 1));
    float hi = fltmax4(pattern_height(oi, oj), pattern_height(oi + 1, oj), pattern_height(oi, oj + 1),
                       pattern_height(oi + 1, oj + 1));
    float top = obj_xyz[451][1][0][1] - PATTERN_OBSTACLE_FEET * con.fttomtrs;
    EXPECT_GE(top, lo - 0.01f);
    EXPECT_LE(top, hi + 0.01f);
}
