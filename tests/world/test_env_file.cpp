// The one .env reader and writer: layout, versions, byte order, obstacles.
#include "world_fixture.h"

#include "toolkit/HL_FILE.h"
#include "toolkit/HL_TYPES.h"

#include <cstring>

using EnvFile = WorldFolder;

namespace {
env_obstacle obstacle(int type, float lat, float lon, float hddz, const char* name = "")
{
    env_obstacle o{};
    o.type = type;
    o.lat = lat, o.lon = lon, o.hddz = hddz;
    strncpy(o.name, name, sizeof o.name - 1);
    return o;
}

// Big-endian copy of a little-endian square file ("a" header).
std::string swapped(const std::string& le)
{
    std::string be = le;
    be[0] = 'a';
    for (size_t k = 1; k + 4 <= be.size(); k += 4) std::swap(be[k], be[k + 3]), std::swap(be[k + 1], be[k + 2]);
    return be;
}
} // namespace

TEST_F(EnvFile, EmptySquareIs76809BytesAndReadsBackBitForBit)
{
    static env_grid g, back;
    regular_square(&g, 34, -118, 0, 0);
    g.elev[3][7] = 123.456f;
    g.flags[5][5] = 2;   // either water bit reads as water; written as 6
    write_square(34, -118, g);
    std::string bytes = file_bytes(square_path(34, -118));
    ASSERT_EQ(bytes.size(), 76809u);
    EXPECT_EQ(bytes.substr(0, 5), std::string("i\x04\0\0\0", 5));
    EXPECT_EQ(bytes.substr(bytes.size() - 4), std::string("\x63\0\0\0", 4));

    ASSERT_EQ(env_open(square_path(34, -118).c_str()), 1);
    env_read_grid(&back, "f");
    env_obstacle o;
    EXPECT_EQ(env_read_obstacle(&o, "f"), 99);
    env_close();
    EXPECT_EQ(memcmp(back.lat, g.lat, sizeof g.lat), 0);
    EXPECT_EQ(memcmp(back.elev, g.elev, sizeof g.elev), 0);
    EXPECT_EQ(back.flags[5][5], 6);
    EXPECT_EQ(back.flags[0][0], 0);
}

TEST_F(EnvFile, ObstaclesInsideTheSquareEdgesIncludedInSlotOrder)
{
    static env_grid g;
    regular_square(&g, 34, -118, 0, 1);
    std::vector<env_obstacle> obs = {obstacle(3, 34.5f, -117.5f, 300), obstacle(0, 34.5f, -117.5f, 1),
                                     obstacle(8, 34.2f, -117.0f, 90, "hangar_big"),
                                     obstacle(5, 35.5f, -117.5f, 200), obstacle(6, 35.0f, -118.0f, 50)};
    write_square(34, -118, g, obs);
    EXPECT_EQ(file_bytes(square_path(34, -118)).size(), 76809u + 24 + 56 + 24);

    ASSERT_EQ(env_open(square_path(34, -118).c_str()), 1);
    env_read_grid(&g, "f");
    env_obstacle o;
    ASSERT_EQ(env_read_obstacle(&o, "f"), 3);
    EXPECT_EQ(o.hddz, 300);
    ASSERT_EQ(env_read_obstacle(&o, "f"), 8);
    EXPECT_STREQ(o.name, "hangar_big");
    EXPECT_EQ(o.lon, -117.0f);
    ASSERT_EQ(env_read_obstacle(&o, "f"), 6);
    EXPECT_EQ(env_read_obstacle(&o, "f"), 99);
    env_close();
}

TEST_F(EnvFile, VersionsThreeAndFourAndBothByteOrdersOpenOthersDoNot)
{
    static env_grid g, back;
    regular_square(&g, 34, -118, 250, 0);
    write_square(34, -118, g);
    std::string v4 = file_bytes(square_path(34, -118));
    std::string v3 = v4;
    v3[1] = 3;
    std::string v5 = v4;
    v5[1] = 5;
    struct {
        const char* name;
        std::string bytes;
        int opens;
    } cases[] = {{"v3", v3, 1}, {"v4", v4, 1}, {"v5", v5, 0}, {"big", swapped(v4), 1}, {"junk", "x" + v4, 0}};
    for (auto& c : cases) {
        put(c.name, c.bytes);
        std::string path = (dir / "additional nav data" / c.name).string();
        ASSERT_EQ(env_open(path.c_str()), c.opens) << c.name;
        if (!c.opens) continue;
        env_read_grid(&back, "f");
        EXPECT_EQ(back.elev[59][79], 250) << c.name;
        EXPECT_EQ(back.lon[59][0], -117.0f) << c.name;
        env_close();
    }
}
