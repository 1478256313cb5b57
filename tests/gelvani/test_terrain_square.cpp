// Terrain square files as the editor writes and reads them.
#include "gelvani_fixture.h"

#include "tools/Gelvani/gelvani_records.h"
#include "tools/Gelvani/terrain_square.h"

#include <cstring>
#include <filesystem>

using namespace gelvani;

namespace {
int word_at(const std::vector<unsigned char>& b, size_t at)
{
    int v;
    memcpy(&v, b.data() + at, 4);
    return v;
}

float float_at(const std::vector<unsigned char>& b, size_t at)
{
    float v;
    memcpy(&v, b.data() + at, 4);
    return v;
}

// A grid no flat sea would give: uneven points, heights and a water pattern.
void fill_grid()
{
    for (int i = 0; i < GRID_I; ++i)
        for (int j = 0; j < GRID_J; ++j) {
            planelat[i][j] = 33 + j / 79.0f + 0.0001f * (float)(i % 3);
            planelon[i][j] = -119 + i / 59.0f - 0.0002f * (float)(j % 5);
            planez[i][j] = 0.37f * (float)(i * j) - 12.5f;
            on_water[i][j] = (i + 2 * j) % 7 == 0;
        }
}

void place(int slot, int type, float lat, float lon, float hddz, const char* name)
{
    obj_type[slot] = type;
    obj_lat[slot] = lat;
    obj_lon[slot] = lon;
    obj_hddz[slot] = hddz;
    memset(obj_name[slot], 0, NAME_DIM);
    strcpy(obj_name[slot], name);
}
} // namespace

TEST_F(GelvaniFolder, EmptyFlatSquareIsWrittenByteForByte)
{
    ASSERT_EQ(write_terrain(), 1);
    std::vector<unsigned char> b = read_bytes(square_file());
    ASSERT_EQ(b.size(), 76809u);
    EXPECT_EQ(b[0], 'i');
    EXPECT_EQ(word_at(b, 1), 4);
    // The south-west point first: 33 N, 119 W, sea level, both water bits.
    EXPECT_EQ(float_at(b, 5), 33.0f);
    EXPECT_EQ(float_at(b, 9), -119.0f);
    EXPECT_EQ(float_at(b, 13), 0.0f);
    EXPECT_EQ(word_at(b, 17), 6);
    // The second record is the next column east in the same row.
    EXPECT_EQ(float_at(b, 21), 33.0f);
    EXPECT_FLOAT_EQ(float_at(b, 25), -119.0f + 1.0f / 59.0f);
    // The north-east point last, then the end mark.
    EXPECT_FLOAT_EQ(float_at(b, 76789), 34.0f);
    EXPECT_FLOAT_EQ(float_at(b, 76793), -118.0f);
    EXPECT_EQ(b[76805], 99);
    EXPECT_EQ(b[76806], 0);
    EXPECT_EQ(b[76807], 0);
    EXPECT_EQ(b[76808], 0);
    EXPECT_EQ(msc.map_dirty, 0);
    EXPECT_FALSE(std::filesystem::exists(square_file() + ".tmp"));
}

TEST_F(GelvaniFolder, FileNamesFollowTheSquareAndItsTenDegreeBlock)
{
    struct {
        float lat, lon;
        const char* env;
        const char* cst;
    } cases[] = {
        {33, -119, "+030-120/+033-119.env", "coastlines/+033-119.cst"},
        {-5, 1, "-010+000/-005+001.env", "coastlines/-005+001.cst"},
        {0, 0, "+000+000/+000+000.env", "coastlines/+000+000.cst"},
        {-1, -1, "-010-010/-001-001.env", "coastlines/-001-001.cst"},
        {-65, 10, "-060+010/-065+010.env", "coastlines/-065+010.cst"},
        {89, 179, "+080+170/+089+179.env", "coastlines/+089+179.cst"},
    };
    for (const auto& c : cases) {
        msc.map_latfile = c.lat;
        msc.map_lonfile = c.lon;
        char env[400], cst[400];
        square_path(env);
        coast_path(cst);
        EXPECT_EQ(std::string(env), nav_dir() + c.env) << c.lat << " " << c.lon;
        EXPECT_EQ(std::string(cst), nav_dir() + c.cst) << c.lat << " " << c.lon;
    }
}

TEST_F(GelvaniFolder, GridAndObstaclesComeBackBitForBit)
{
    fill_grid();
    place(0, 2, 33.5f, -118.5f, 300, "?");
    place(3, 8, 33.25f, -118.75f, 270, "Lighthouse");
    place(7, 34, 33.5f, -118.5f, 100, "?");  // not an obstacle type
    place(9, 6, 35.0f, -118.5f, 120, "?");   // outside the square
    place(12, 1, 33.0f, -119.0f, 50, "?");   // south-west corner
    place(20, 5, 33.9f, -118.0f, 80, "?");   // east edge
    ASSERT_EQ(write_terrain(), 1);
    EXPECT_EQ(read_bytes(square_file()).size(), 76809u + 3 * 24 + 56);

    float lat[GRID_I][GRID_J], lon[GRID_I][GRID_J], z[GRID_I][GRID_J];
    int water[GRID_I][GRID_J];
    memcpy(lat, planelat, sizeof lat);
    memcpy(lon, planelon, sizeof lon);
    memcpy(z, planez, sizeof z);
    memcpy(water, on_water, sizeof water);
    flat_sea();
    msc.map_dirty = 1;
    read_terrain();
    EXPECT_EQ(memcmp(lat, planelat, sizeof lat), 0);
    EXPECT_EQ(memcmp(lon, planelon, sizeof lon), 0);
    EXPECT_EQ(memcmp(z, planez, sizeof z), 0);
    EXPECT_EQ(memcmp(water, on_water, sizeof water), 0);
    EXPECT_EQ(msc.map_dirty, 0);

    // In slot order, from slot 0; the rest of the slots are free.
    int types[] = {2, 8, 1, 5, 99};
    for (int k = 0; k < 5; ++k) EXPECT_EQ(obj_type[k], types[k]) << k;
    EXPECT_EQ(obj_type[5], 0);
    EXPECT_EQ(obj_hddz[0], 300);
    EXPECT_STREQ(obj_name[1], "Lighthouse");
    EXPECT_EQ(obj_hddz[1], 270);
    EXPECT_EQ(obj_lon[3], -118.0f);
    EXPECT_TRUE(alerts.empty());

    // The two words after a standard obstacle are zero.
    std::vector<unsigned char> b = read_bytes(square_file());
    EXPECT_EQ(word_at(b, 76805 + 16), 0);
    EXPECT_EQ(word_at(b, 76805 + 20), 0);

    // The obstacle on the east edge goes into the square to the east as well.
    clear_obstacles();
    place(20, 5, 33.9f, -118.0f, 80, "?");
    msc.map_lonfile = -118;
    ASSERT_EQ(write_terrain(), 1);
    clear_obstacles();
    read_terrain();
    EXPECT_EQ(obj_type[0], 5);
    EXPECT_EQ(obj_lon[0], -118.0f);
    EXPECT_EQ(obj_type[1], 99);
}

TEST_F(GelvaniFolder, VersionThreeIsReadAlikeAndSavedAsFour)
{
    fill_grid();
    place(0, 3, 33.5f, -118.5f, 200, "?");
    ASSERT_EQ(write_terrain(), 1);
    std::vector<unsigned char> b = read_bytes(square_file());
    b[1] = 3;
    write_bytes(square_file(), b);
    float z = planez[10][20];
    flat_sea();
    read_terrain();
    EXPECT_EQ(planez[10][20], z);
    EXPECT_EQ(obj_type[0], 3);
    ASSERT_EQ(write_terrain(), 1);
    std::vector<unsigned char> again = read_bytes(square_file());
    b[1] = 4;
    EXPECT_EQ(again, b);
}

TEST_F(GelvaniFolder, BigEndianSquareIsRead)
{
    fill_grid();
    ASSERT_EQ(write_terrain(), 1);
    std::vector<unsigned char> b = read_bytes(square_file());
    b[0] = 'a';
    for (size_t at = 1; at + 4 <= b.size(); at += 4) std::swap(b[at], b[at + 3]), std::swap(b[at + 1], b[at + 2]);
    write_bytes(square_file(), b);
    float z = planez[30][40];
    flat_sea();
    read_terrain();
    EXPECT_EQ(planez[30][40], z);
    EXPECT_TRUE(alerts.empty());
}

TEST_F(GelvaniFolder, MissingOrDamagedSquaresGiveTheFlatSea)
{
    struct {
        const char* what;
        int cut;          // bytes kept, 0 for all
        int bad_type;     // replaces the end mark
        int first_byte;
        int notice;
    } cases[] = {
        {"missing", -1, 0, 0, 0},
        {"unknown first byte", 0, 0, 'x', 0},
        {"ends inside the grid", 40000, 0, 0, 1},
        {"ends before the end mark", 76805, 0, 0, 1},
    };
    for (const auto& c : cases) {
        fill_grid();
        place(0, 2, 33.5f, -118.5f, 300, "?");
        ASSERT_EQ(write_terrain(), 1);
        std::vector<unsigned char> b = read_bytes(square_file());
        if (c.cut > 0) b.resize((size_t)c.cut);
        if (c.first_byte) b[0] = (unsigned char)c.first_byte;
        if (c.cut < 0) std::filesystem::remove(square_file());
        else write_bytes(square_file(), b);
        alerts.clear();
        place(5, 4, 33.5f, -118.5f, 300, "?");  // an obstacle of an earlier square
        read_terrain();
        EXPECT_EQ(planez[10][20], 0) << c.what;
        EXPECT_EQ(on_water[10][20], 1) << c.what;
        EXPECT_FLOAT_EQ(planelat[0][79], 34.0f) << c.what;
        EXPECT_EQ(obj_type[0], 0) << c.what;
        EXPECT_EQ(obj_type[5], 0) << c.what;
        EXPECT_EQ(alerts.size(), (size_t)c.notice) << c.what;
    }
}

TEST_F(GelvaniFolder, UnknownObstacleTypeStopsTheListWithANotice)
{
    place(0, 2, 33.5f, -118.5f, 300, "?");
    place(1, 3, 33.5f, -118.5f, 300, "?");
    ASSERT_EQ(write_terrain(), 1);
    std::vector<unsigned char> b = read_bytes(square_file());
    b[76805 + 24] = 7;  // the second record's type
    write_bytes(square_file(), b);
    read_terrain();
    EXPECT_EQ(obj_type[0], 2);
    EXPECT_EQ(obj_type[1], 0);
    ASSERT_EQ(alerts.size(), 1u);
    EXPECT_NE(alerts[0].find("unknown type"), std::string::npos);
}

TEST_F(GelvaniFolder, ObstaclesPastTheTableAreLeftOutWithANotice)
{
    for (int k = 0; k < OBJ_SLOTS; ++k) place(k, 2, 33.5f, -118.5f, 300, "?");
    ASSERT_EQ(write_terrain(), 1);
    read_terrain();   // a full table is no fault
    EXPECT_TRUE(alerts.empty());
    std::vector<unsigned char> b = read_bytes(square_file());
    // One record more than the table holds, before the end mark.
    b.insert(b.end() - 4, b.begin() + 76805, b.begin() + 76805 + 24);
    write_bytes(square_file(), b);
    read_terrain();
    EXPECT_EQ(obj_type[OBJ_SLOTS - 1], 2);
    ASSERT_EQ(alerts.size(), 1u);
    EXPECT_NE(alerts[0].find("more than 60000"), std::string::npos);
}

TEST_F(GelvaniFolder, CoastlineKeepsThePointsInsideTheSquare)
{
    write_text(nav_dir() + "coastlines/+033-119.cst",
               "I\r\n1 version\r\n33.5 -118.5\r\n40 -118.5\r\n34 -118\r\n33 -119\r\n32.9 -118.5\r\n33.2 -118.2\r\n");
    read_terrain();
    ASSERT_EQ(msc.map_coast_i, 4);
    EXPECT_EQ(coast_lat[0], 33.5f);
    EXPECT_EQ(coast_lon[1], -118.0f);
    EXPECT_EQ(coast_lat[2], 33.0f);
    EXPECT_EQ(coast_lon[3], -118.2f);

    // Past 3000 points a notice, the first 3000 kept.
    std::string many = "I\n1 version\n";
    for (int k = 0; k < 3005; ++k) many += "33.5 -118.5\n";
    write_text(nav_dir() + "coastlines/+033-119.cst", many);
    read_terrain();
    EXPECT_EQ(msc.map_coast_i, 3000);
    ASSERT_EQ(alerts.size(), 1u);
    EXPECT_NE(alerts[0].find("Too many coastline points!"), std::string::npos);
}

TEST_F(GelvaniFolder, SavingIntoAMissingBlockFolderFailsAndKeepsTheWork)
{
    msc.map_latfile = 45;
    msc.map_lonfile = 7;
    flat_sea();
    msc.map_dirty = 1;
    EXPECT_EQ(write_terrain(), 0);
    EXPECT_EQ(msc.map_dirty, 1);
    ASSERT_EQ(alerts.size(), 1u);
    EXPECT_NE(alerts[0].find("only use Gelvani to modify existing .env files"), std::string::npos);
}

// An obstacle written by another tool outside its square: the save would not
// write it back, so it is left out on reading with a count.
TEST_F(GelvaniFolder, ObstaclesOutsideTheSquareAreLeftOutWithACount)
{
    fill_grid();
    place(0, 3, 33.5f, -118.5f, 200, "?");
    place(1, 2, 33.6f, -118.6f, 100, "?");
    ASSERT_EQ(write_terrain(), 1);
    std::vector<unsigned char> b = read_bytes(square_file());
    float outside = 35.0f;
    memcpy(&b[76805 + 4], &outside, 4);   // the first obstacle's latitude
    write_bytes(square_file(), b);
    clear_obstacles();
    read_terrain();
    ASSERT_EQ(alerts.size(), 1u);
    EXPECT_NE(alerts[0].find("1 obstacles lying outside the square were left out."), std::string::npos) << alerts[0];
    EXPECT_EQ(obj_type[0], 2);
    EXPECT_EQ(obj_type[1], 99);
}
