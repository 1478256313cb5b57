// The bundled terrain: shoreline levels on a hand-made bin and on GSHHG, and
// the squares the build made.
#include "world_fixture.h"

#include "world/coordinates.h"
#include "records/flight_state.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/terrain_helpers.h"
#include "world/INITNAV.h"
#include "world/terrain_grid.h"
#include "records/world_state.h"
#include "world/world_services.h"
#include "world_data/terrain_build.h"

#include <cstring>
#include <filesystem>

namespace {
// One bin with an island (level 1) holding a lake (level 2).
gshhg_bins island_bin(int* bin)
{
    gshhg_bins g;
    int n = g.bins_lon * g.bins_lat;
    g.first_seg.assign(n, 0);
    g.n_seg.assign(n, 0);
    g.corner_levels.assign(n, 0);
    double x, y;
    *bin = gshhg_bin_of(g, 34.5, -117.5, &x, &y);
    g.first_seg[*bin] = 0;
    g.n_seg[*bin] = 2;
    auto ring = [&](int lo, int hi, int level) {
        g.seg_first.push_back((int)g.dlon.size());
        g.seg_info.push_back((4 << 9) | (level << 6) | (4 << 3) | 4);
        const int pts[4][2] = {{lo, lo}, {lo, hi}, {hi, hi}, {hi, lo}};
        for (auto& p : pts) g.dlon.push_back((uint16_t)p[0]), g.dlat.push_back((uint16_t)p[1]);
    };
    ring(10000, 50000, 1);
    ring(20000, 30000, 2);
    return g;
}

// A point of the bin at offsets (x, y) in units of 2/65535 degree.
int level_at(const gshhg_bins& g, int bin, double x, double y)
{
    int row = bin / g.bins_lon, col = bin % g.bins_lon;
    double lat = 90 - 2.0 * (row + 1) + y * 2 / 65535, lon = 2.0 * col + x * 2 / 65535;
    return gshhg_level(g, lat, lon > 180 ? lon - 360 : lon);
}

class BundledTerrain : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        copy_bounded(app_path, PROGRAM_DIR "/", 400);
        fill_constants();
        fill_trig_tables();
        done_initing = 1;
        init_country_data();
    }
    static int airport(const char* id)
    {
        for (int a = 0; a <= env.aptmax; ++a)
            if (strncmp(apt_id[a], id, 4) == 0) return a;
        return -1;
    }
};
} // namespace

TEST(ShorelineLevels, HandMadeBinIslandWithALake)
{
    int bin;
    gshhg_bins g = island_bin(&bin);
    struct {
        double x, y;
        int level;
    } cases[] = {{5000, 5000, 0},   {15000, 15000, 1}, {25000, 25000, 2}, {40000, 45000, 1}, {60000, 60000, 0},
                 {0, 0, 0},         {30000, 10000, 0} /* on the island's south edge: the sea outside */,
                 {25000, 20000, 1} /* on the lake's south edge: the land outside */};
    for (auto& c : cases) EXPECT_EQ(level_at(g, bin, c.x, c.y), c.level) << c.x << ", " << c.y;
    // The bin's corner level starts the count: an inland bin is land.
    g.corner_levels[bin] = 1 << 9;
    EXPECT_EQ(level_at(g, bin, 5000, 5000), 1);
    EXPECT_EQ(level_at(g, bin, 15000, 15000), 0);
}

TEST(ShorelineLevels, GshhgAtKnownPlaces)
{
    static gshhg_bins g;
    if (!std::filesystem::exists(GSHHG_FILE)) GTEST_SKIP() << "no " << GSHHG_FILE;
    ASSERT_EQ(gshhg_load(GSHHG_FILE, &g), 1);
    struct {
        const char* place;
        double lat, lon;
        int level;
    } cases[] = {{"KSBD", 34.0954, -117.2348, 1},           {"Santa Monica Bay", 33.90, -118.60, 0},
                 {"Catalina", 33.39, -118.42, 1},             {"Salton Sea", 33.30, -115.85, 2},
                 {"Kansas", 38.50, -98.00, 1},                {"Pacific off Oahu", 21.0, -158.5, 0},
                 {"Oahu", 21.45, -157.95, 1},                 {"London", 51.47, -0.45, 1}};
    for (auto& c : cases) EXPECT_EQ(gshhg_level(g, c.lat, c.lon), c.level) << c.place;
}

TEST_F(BundledTerrain, KsbdSquareIsEmptyOfObstaclesAndFlatOnTheRunway)
{
    char path[400];
    snprintf(path, sizeof path, "%s/additional nav data/+030-120/+034-118.env", PROGRAM_DIR);
    EXPECT_EQ(file_bytes(path).size(), 76809u);
    int a = airport("KSBD");
    ASSERT_GE(a, 0);
    env.lat_sou = round(apt_lat[a][0] - 1);
    env.lon_wes = round(apt_lon[a][0] - 1.5f);
    flt.Y = 0;
    load_region();
    int i = 0, j = 0;
    for (int r = 0; r < 3; ++r) {
        if (apt_len[a][r] <= 0) continue;
        float h = find_local_h(X_with_latlon(apt_lat[a][r], apt_lon[a][r]), Z_with_lat(apt_lat[a][r]), &i, &j, 0);
        EXPECT_NEAR(h, apt_h[a] - 0.2f, 0.01) << r;
    }
    // Sea and islands to the south-west.
    EXPECT_EQ(on_water[5][5], 1);
    EXPECT_GT(env.max_h, 300);
}

TEST_F(BundledTerrain, SquaresAreRebuiltByteForByte)
{
    static gshhg_bins g;
    if (!std::filesystem::exists(GSHHG_FILE)) GTEST_SKIP() << "no " << GSHHG_FILE;
    ASSERT_EQ(gshhg_load(GSHHG_FILE, &g), 1);
    std::vector<height_point> heights;
    std::vector<runway_flat> runways;
    ASSERT_EQ(database_heights(WORLD_SOURCE_DIR "/runways.csv", &heights, &runways), 1);
    static env_grid grid;
    std::vector<height_point> shore;
    char dir[] = "/tmp/korvan_terrain_XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    std::string one = std::string(dir) + "/one.env", two = std::string(dir) + "/two.env";
    build_square(g, 33, -119, heights, runways, &grid, &shore);
    ASSERT_EQ(env_write(one.c_str(), &grid, nullptr, 0, 33, -119), 1);
    EXPECT_GT(shore.size(), 100u);
    EXPECT_LE(shore.size(), 3000u);
    build_square(g, 33, -119, heights, runways, &grid, &shore);
    ASSERT_EQ(env_write(two.c_str(), &grid, nullptr, 0, 33, -119), 1);
    EXPECT_TRUE(file_bytes(one) == file_bytes(two));
    EXPECT_TRUE(file_bytes(one) == file_bytes(PROGRAM_DIR "/additional nav data/+030-120/+033-119.env"));
    if (!HasFailure()) std::filesystem::remove_all(dir);
}
