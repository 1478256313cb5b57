// Lighting codes, flag packing, identifier characters and position-keyed names.
#include "toolkit/codes.h"

#include <gtest/gtest.h>

#include <string>

TEST(Codes, LightingCodeUnpacks)
{
    struct Case { int code, typ, gls0, rwy0, app0, gls1, rwy1, app1; };
    const Case cases[] = {
        {3245136, 29, 2, 4, 5, 1, 3, 6},
        {0, 27, 1, 1, 1, 1, 1, 1},
        {5000000, 31, 1, 1, 1, 1, 1, 1},
        {1111111, 27, 1, 1, 1, 1, 1, 1},
        {60000, 27, 1, 1, 1, 1, 1, 1},     // a tens digit of 6 reads as 1 after 50 and 10
        {2123111, 28, 1, 2, 3, 1, 1, 1},
        {900, 27, 1, 1, 1, 1, 1, 1},       // every threshold of the cascade fits in turn
    };
    for (const Case& c : cases) {
        int typ, gls[2], rwy[2], app[2];
        code_to_lgts(&typ, gls, rwy, app, c.code);
        SCOPED_TRACE(c.code);
        EXPECT_EQ(typ, c.typ);
        EXPECT_EQ(gls[0], c.gls0); EXPECT_EQ(rwy[0], c.rwy0); EXPECT_EQ(app[0], c.app0);
        EXPECT_EQ(gls[1], c.gls1); EXPECT_EQ(rwy[1], c.rwy1); EXPECT_EQ(app[1], c.app1);
    }
}

TEST(Codes, LightingCodePacksAndRoundTrips)
{
    int gls[2] = {1, 1}, rwy[2] = {1, 1}, app[2] = {1, 1};
    EXPECT_EQ(lgts_to_code(27, gls, rwy, app), 1111111);
    int g2[2] = {2, 1}, r2[2] = {4, 3}, a2[2] = {5, 6};
    EXPECT_EQ(lgts_to_code(29, g2, r2, a2), 3245136);
    int bad[2] = {9, 0};
    EXPECT_EQ(lgts_to_code(40, bad, bad, bad), 0);  // out-of-range values add nothing
    for (int code : {1111111, 3245136, 5333356, 2123111}) {
        int typ, g[2], r[2], a[2];
        code_to_lgts(&typ, g, r, a, code);
        EXPECT_EQ(lgts_to_code(typ, g, r, a), code);
    }
}

TEST(Codes, FlagsAndCharacters)
{
    int b1, b2, b3, b4, b5;
    int_to_bol(&b1, &b2, &b3, &b4, &b5, 21);
    EXPECT_EQ(b1 + 2 * b2 + 4 * b3 + 8 * b4 + 16 * b5, 21);
    EXPECT_EQ(bol_to_int(b1, b2, b3, b4, b5), 21);
    EXPECT_EQ(bol_to_int(5, 0, -1, 0, 0), 5);
    for (int c = 0; c <= 36; ++c) EXPECT_EQ(char_to_code(code_to_char(c)), c);
    EXPECT_EQ(code_to_char(0), ' ');
    EXPECT_EQ(code_to_char(11), 'A');
    EXPECT_EQ(code_to_char(37), '0');
    EXPECT_EQ(code_to_char(-1), '0');
    EXPECT_EQ(char_to_code('a'), 1);
    EXPECT_EQ(char_to_code('-'), 1);
}

TEST(Codes, PositionKeyedNames)
{
    char name[40];
    struct Env { int lat, lon, fmt; const char* want; };
    const Env envs[] = {
        {45, -75, 1, "+040-080/+045-075.env"},
        {0, 0, 1, "+000+000/+000+000.env"},
        {-1, -1, 1, "-010-010/-001-001.env"},
        {33, -119, 1, "+030-120/+033-119.env"},
        {45, -75, 0, "United States/+045-075.env"},
    };
    for (const Env& e : envs) {
        return_latlon_str_ENV(e.lat, e.lon, name, e.fmt);
        EXPECT_EQ(std::string(name), e.want);
    }
    return_latlon_str_USGS(45, -75, name);
    EXPECT_EQ(std::string(name), "W075N45.DEM");
    return_latlon_str_USGS(0, 0, name);
    EXPECT_EQ(std::string(name), "W000S00.DEM");
    return_latlon_str_COAST(33.0f, -119.0f, name);
    EXPECT_EQ(std::string(name), "+033-119.cst");
}
