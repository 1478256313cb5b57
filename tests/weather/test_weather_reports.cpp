// The "WORLD.RWK" grammar: decoding reports and finding the nearest station.
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/weather_reports.h"
#include "world/real_weather.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

const float PRESET = -77;

struct Decoded {
    float z_time = PRESET, base = PRESET, tops = PRESET, vis = PRESET;
    int cld_type = -1, obs_vis = 0, obs_den = 0;
    float temp = PRESET, dewp = PRESET, dir = PRESET, spd = PRESET, gus = PRESET, baro = PRESET;
};

Decoded decode(const std::string& report, float z_report = 0)
{
    fill_constants();
    Decoded d;
    decode_wxr(report.c_str(), z_report, &d.z_time, &d.cld_type, &d.base, &d.tops, &d.vis, &d.obs_vis, &d.obs_den,
               &d.temp, &d.dewp, &d.dir, &d.spd, &d.gus, &d.baro);
    return d;
}

float ft(float f)
{
    return f * con.fttomtrs;
}

float miles(float m)
{
    return m * con.nmtomtrs;
}

} // namespace

TEST(WeatherReport, FullReportDecodes)
{
    Decoded d = decode("SA 1755 25 SCT 40 OVC 7 R- 50/45/2710G18/992", 100);
    EXPECT_FLOAT_EQ(d.z_time, 64500);
    EXPECT_EQ(d.cld_type, 1);
    EXPECT_NEAR(d.base, ft(4000) + 100, 0.01);
    EXPECT_NEAR(d.tops, ft(5000) + 100, 0.01);   // light rain raises the tops 1000 ft
    EXPECT_NEAR(d.vis, miles(7), 0.01);
    EXPECT_EQ(d.obs_vis, 2);
    EXPECT_EQ(d.obs_den, 1);
    EXPECT_FLOAT_EQ(d.temp, 50);
    EXPECT_FLOAT_EQ(d.dewp, 45);
    EXPECT_FLOAT_EQ(d.dir, 270);
    EXPECT_FLOAT_EQ(d.spd, 10);
    EXPECT_FLOAT_EQ(d.gus, 8);
    EXPECT_NEAR(d.baro, 29.92, 1e-4);
}

TEST(WeatherReport, FieldTable)
{
    struct Case {
        const char* report;
        int cld_type;
        float base_ft, tops_ft;   // PRESET: untouched
        float vis_miles;
        int obs_vis, obs_den;
        float temp, baro;
    };
    const Case cases[] = {
        // clear: ceiling type 0, base and tops kept
        {"SA 1200 CLR 10 60/50/1805/001", 0, PRESET, PRESET, 10, 0, 0, 60, 30.01f},
        // a scattered layer is data, not a ceiling
        {"SA 1200 30 SCT 15 60/50/1805/998", 0, PRESET, PRESET, 15, 0, 0, 60, 29.98f},
        // two ceilings: lowest is the base, highest the tops
        {"SA 1200 80 OVC 20 BKN 5 60/50/1805/012", 1, 2000, 8000, 5, 0, 0, 60, 30.12f},
        // whole and fraction, weather code between
        {"SA 1200 20 OVC 1 1/2 RF 40/38/0000/990", 1, 2000, 2000 + 2000, 1.5f, 3, 2, 40, 29.90f},
        // a fraction alone
        {"SA 1200 20 BKN 1/2 S+ 31/30/0310/975", 1, 2000, 2000 + 3000, 0.5f, 2, 3, 31, 29.75f},
        // thunderstorm raises the tops 30000 ft
        {"SA 1200 40 BKN 3 TRW+ 80/70/2525G40/985", 1, 4000, 4000 + 30000, 3, 1, 3, 80, 29.85f},
        // no time: the fields start one place earlier
        {"SA 25 OVC 4 RW 55/50/0905/999", 1, 2500, 2500 + 2000, 4, 4, 2, 55, 29.99f},
        // four slashes: the leading part is skipped
        {"SA 1200 CLR 10 M/45/40/0905/995", 0, PRESET, PRESET, 10, 0, 0, 45, 29.95f},
        // temperature 0 and a signed one are not taken
        {"SA 1200 CLR 10 0/-5/0905/995", 0, PRESET, PRESET, 10, 0, 0, PRESET, 29.95f},
        // the last field before the main group is not a known code
        {"SA 1200 20 OVC 2 XX 50/40/0905/995", 1, 2000, 2000, 2, 0, 0, 50, 29.95f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.report);
        Decoded d = decode(c.report);
        EXPECT_EQ(d.cld_type, c.cld_type);
        EXPECT_NEAR(d.base, c.base_ft == PRESET ? PRESET : ft(c.base_ft), 0.01);
        EXPECT_NEAR(d.tops, c.tops_ft == PRESET ? PRESET : ft(c.tops_ft), 0.01);
        EXPECT_NEAR(d.vis, miles(c.vis_miles), 0.01);
        EXPECT_EQ(d.obs_vis, c.obs_vis);
        EXPECT_EQ(d.obs_den, c.obs_den);
        EXPECT_FLOAT_EQ(d.temp, c.temp);
        EXPECT_NEAR(d.baro, c.baro, 1e-4);
    }
}

TEST(WeatherReport, WindForms)
{
    Decoded d = decode("SA 1200 CLR 10 60/50/1805/990");
    EXPECT_FLOAT_EQ(d.dir, 180);
    EXPECT_FLOAT_EQ(d.spd, 5);
    EXPECT_FLOAT_EQ(d.gus, 0);
    toolkit_srand(7);
    for (int i = 0; i < 50; ++i) {
        Decoded v = decode("SA 1200 CLR 10 60/50/VR05/990");
        EXPECT_FLOAT_EQ(v.spd, 5);
        EXPECT_GE(v.dir, 0);
        EXPECT_LE(v.dir, 350);
        EXPECT_FLOAT_EQ(std::fmod(v.dir, 10.0f), 0);
    }
    // wind parts of another length are ignored
    Decoded bad = decode("SA 1200 CLR 10 60/50/18050/990");
    EXPECT_FLOAT_EQ(bad.dir, PRESET);
    EXPECT_FLOAT_EQ(bad.spd, PRESET);
}

TEST(WeatherReport, ReportWithoutMainGroupOrTimeIsHarmless)
{
    Decoded d = decode("SA");
    EXPECT_FLOAT_EQ(d.z_time, PRESET);
    EXPECT_EQ(d.cld_type, -1);
    EXPECT_FLOAT_EQ(d.temp, PRESET);
    EXPECT_FLOAT_EQ(d.baro, PRESET);
    Decoded e = decode("");
    EXPECT_FLOAT_EQ(e.vis, PRESET);
}

TEST(WeatherReport, OverlongInputStaysInsideTheTables)
{
    // 60 fields, a field of 1000 characters, a main group of 8 parts.
    std::string many = "SA 1200";
    for (int i = 0; i < 60; ++i) many += " 20 OVC";
    many += " 5 60/50/1805/990";
    Decoded d = decode(many);
    EXPECT_FLOAT_EQ(d.z_time, 43200);
    EXPECT_FLOAT_EQ(d.temp, PRESET);      // the main group fell beyond the 40 fields
    EXPECT_EQ(d.cld_type, -1);

    Decoded l = decode("SA 1200 " + std::string(1000, '9') + " OVC 5 60/50/1805/990");
    EXPECT_FLOAT_EQ(l.temp, 60);
    EXPECT_NEAR(l.vis, miles(5), 0.01);

    Decoded p = decode("SA 1200 CLR 5 X/60/50/1805/990/1/2/3");
    EXPECT_FLOAT_EQ(p.temp, 60);
    EXPECT_FLOAT_EQ(p.spd, 5);
    EXPECT_NEAR(p.baro, 29.90, 1e-4);
    EXPECT_FLOAT_EQ(decode("SA 1200 CLR 5 60/50/1805/9").baro, PRESET);   // too short an altimeter
}

namespace {

class NearestStation : public ::testing::Test {
protected:
    std::string path;
    void SetUp() override
    {
        fill_constants();
        memset(apt_inreg, 0, sizeof apt_inreg);
        env.aptmax = 3;
        const char* ids[4] = {"KAAA", "KBBB", "KCCC", "KDDD"};
        const float lat[4] = {34.0f, 34.5f, 35.0f, 34.1f};
        for (int a = 0; a < 4; ++a) {
            strcpy(apt_id[a], ids[a]);
            apt_lat[a][0] = lat[a];
            apt_lon[a][0] = -118;
            apt_h[a] = 100.0f * (a + 1);
            apt_inreg[a] = a != 3;   // KDDD lies outside the window
        }
        path = testing::TempDir() + "world_rwk_test_" + std::to_string(getpid());
    }
    void TearDown() override
    {
        inf1.close();
        inf1.clear();
        std::remove(path.c_str());
    }
    int find(const std::string& text, char* out, float* z, float lat)
    {
        FILE* f = fopen(path.c_str(), "wb");
        fwrite(text.data(), 1, text.size(), f);
        fclose(f);
        inf1.close();
        inf1.clear();
        inf1.open(path, std::ios::binary);
        return get_wxr_str(out, z, lat, -118);
    }
};

} // namespace

TEST_F(NearestStation, NearestInRegionWinsWithAnyLineEnd)
{
    for (const char* eol : {"\n", "\r", "\r\n"}) {
        SCOPED_TRACE(eol[0] == '\n' ? "LF" : eol[1] ? "CRLF" : "CR");
        std::string text = std::string("KCCC SA 1200 CLR 10 60/50/1805/990") + eol + "KDDD SA 1200 CLR 1 60/50/1805/990" +
                           eol + "KBBB SA 1300 CLR 9 61/50/1805/990" + eol + "KAAA SA 1400 CLR 8 62/50/1805/990" + eol;
        char out[400] = "untouched";
        float z = -1;
        ASSERT_EQ(find(text, out, &z, 34.4f), 1);
        EXPECT_STREQ(out, "SA 1300 CLR 9 61/50/1805/990");
        EXPECT_FLOAT_EQ(z, 200);
    }
}

TEST_F(NearestStation, NoStationLeavesOutputs)
{
    char out[400] = "untouched";
    float z = -1;
    EXPECT_EQ(find("KDDD SA 1200 CLR 1 60/50/1805/990\nXXXX SA\n\n", out, &z, 34.1f), 0);
    EXPECT_STREQ(out, "untouched");
    EXPECT_FLOAT_EQ(z, -1);
    EXPECT_EQ(find("", out, &z, 34.1f), 0);
}

TEST_F(NearestStation, LongLineKeepsItsStart)
{
    std::string report = "SA 1200 CLR 10 60/50/1805/990 " + std::string(600, 'x');
    char out[400];
    float z;
    ASSERT_EQ(find("KAAA " + report + "\nKCCC SA\n", out, &z, 34.0f), 1);
    EXPECT_EQ(strlen(out), (size_t)WXR_LINE_KEEP);
    EXPECT_EQ(std::string(out), report.substr(0, WXR_LINE_KEEP));
}
