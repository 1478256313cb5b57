// The active runway from wind and localizers, its spoken designation, and the
// ATIS text, with the real-weather file present or missing.
#include "atc_fixture.h"

#include "cockpit/atc.h"
#include "records/flight_state.h"
#include "toolkit/HL_TYPES.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {
struct RunwayAtis : AtcWorld {
    std::filesystem::path dir;

    void TearDown() override
    {
        if (!dir.empty()) std::filesystem::remove_all(dir);
        nav_type[3] = nav_type[4] = 0;
        AtcWorld::TearDown();
    }

    // A program folder with this "world.rwk" (any case matches).
    void weather_file(const std::string& lines)
    {
        char pattern[] = "/tmp/korvan_atc_XXXXXX";
        dir = mkdtemp(pattern);
        std::ofstream(dir / "world.rwk") << lines;
        copy_bounded(app_path, (dir.string() + "/").c_str(), 400);
    }

    std::string runway(int a)
    {
        char s[400] = "";
        app_current_rway_string(s, a);
        return s;
    }

    std::string atis(int a, char info, int flag)
    {
        char s[400];
        get_ATIS(a, info, s, flag);
        return s;
    }
};
} // namespace

TEST_F(RunwayAtis, WindPicksTheRunwayEnd)
{
    atm.wnddir = 270;
    atm.wndspd = 10;
    EXPECT_EQ(runway(0), "runway 27");
    apt_lr[0][0] = 'L';
    EXPECT_EQ(runway(0), "runway 27 right") << "a left runway used the other way is the right one";
    atm.wnddir = 90;
    EXPECT_EQ(runway(0), "runway 9 left");
    atm.wnddir = 270;
    atm.wndspd = 5;
    EXPECT_EQ(runway(0), "runway 9 left") << "5 kt is calm: the runway's own direction";
}

TEST_F(RunwayAtis, CalmWindTakesTheLongestRunwayLowerIndexOnTies)
{
    int r, dir, found, ils;
    apt_len[0][1] = 3000, apt_num[0][1] = 18, apt_hdng[0][1] = 180;
    get_active_rway(0, &r, &dir, &found, &ils);
    EXPECT_EQ(r, 1);
    EXPECT_EQ(dir, 1);
    EXPECT_EQ(found, 0);
    apt_len[0][1] = 2000;
    get_active_rway(0, &r, &dir, &found, &ils);
    EXPECT_EQ(r, 0);
}

TEST_F(RunwayAtis, TheLocalizerBestAlignedWithTheWindDecides)
{
    apt_num[0][0] = 16, apt_hdng[0][0] = 160;
    nav_type[3] = 4, nav_hdng[3] = 160, nav_lat[3] = 40.51f, nav_lon[3] = -99.0f;
    nav_type[4] = 5, nav_hdng[4] = 340, nav_lat[4] = 40.49f, nav_lon[4] = -99.0f;
    env.navmax = 4;
    atm.wnddir = 330;
    atm.wndspd = 1;   // the wind's speed does not matter to the localizer choice
    int r, dir, found, ils;
    get_active_rway(0, &r, &dir, &found, &ils);
    EXPECT_EQ(found, 1);
    EXPECT_EQ(ils, 4);
    EXPECT_EQ(dir, 2);
    EXPECT_EQ(runway(0), "runway 34");
    nav_lat[4] = 40.6f;   // 6 nm away: no longer the airport's
    get_active_rway(0, &r, &dir, &found, &ils);
    EXPECT_EQ(ils, 3);
    EXPECT_EQ(runway(0), "runway 16");
}

TEST_F(RunwayAtis, ReportWindOverridesAndTheFileIsReadOnceASecond)
{
    EXPECT_EQ(runway(0), "runway 9") << "no file: the current calm wind";
    weather_file("KARR SA 1755 25 SCT 40 OVC 7 R- 50/45/0910/992\nKDEP SA 1755 25 SCT 40 OVC 7 R- 50/45/2710/992\n");
    msc.elap_time += 1;
    EXPECT_EQ(runway(0), "runway 27");
    std::ofstream(dir / "world.rwk") << "KDEP SA 1755 25 SCT 40 OVC 7 R- 50/45/0910/992\n";
    msc.elap_time += 0.5f;
    EXPECT_EQ(runway(0), "runway 27") << "within the second the kept report answers";
    msc.elap_time += 0.6f;
    EXPECT_EQ(runway(0), "runway 9");
}

TEST_F(RunwayAtis, NoAirportChosenGivesNoText)
{
    EXPECT_EQ(atis(-1, 'A', 0), "");
    EXPECT_EQ(runway(7), "") << "beyond the database";
}

TEST_F(RunwayAtis, CeilingsAndRunwayVisualRange)
{
    atm.cld_type = 1;
    struct {
        float agl_ft;
        const char* want;
    } cases[] = {{10249, "Measured ceiling 10000 overcast "},
                 {1049, "Measured ceiling 1000 overcast "},
                 {1051, "Measured ceiling 1100 overcast "},
                 {990, "Measured ceiling 1000 overcast "}};
    for (auto& c : cases) {
        atm.baseMSL = apt_h[0] + c.agl_ft * con.fttomtrs;
        EXPECT_NE(atis(0, 'A', 0).find(c.want), std::string::npos) << c.agl_ft;
    }
    atm.vis_rep = 0.5f * con.nmtomtrs;
    EXPECT_NE(atis(0, 'A', 0).find("overcast R V R 3000. "), std::string::npos);
}

TEST_F(RunwayAtis, WholeBroadcasts)
{
    msc.zulu_time = 17 * 3600 + 55 * 60;
    atm.vis_rep = 10 * con.nmtomtrs;
    atm.dewp_SL = 50;
    atm.wnddir = 270;
    atm.wndspd = 10;
    EXPECT_EQ(atis(0, 'C', 0),
              "Departure Field information charlie. 17 hundred zooloo weather. Sky clear visibility 10. Temperature 59 "
              "dewpoint 50. Wind is 2 7 0 at 10, altimeter 29.92. Arriving and departing runway 27. Advise on initial "
              "contact you have charlie.");

    weather_file("KDEP SA 0905 25 SCT 40 OVC 7 R- 30/28/0910G18/995\n");
    msc.elap_time += 1;
    EXPECT_EQ(atis(0, 'Z', 1),
              "Departure Field information zooloo. 9 hundred zooloo weather. Measured ceiling 4000 overcast "
              "visibility 7, snow. Temperature 30 dewpoint 28. Wind shear alert. Wind is 0 9 0 at 10 gust 18, "
              "altimeter 29.95. Arriving and departing runway 9. Advise on initial contact you have zooloo.");
    EXPECT_NE(atis(0, 'Z', 0).find(". 17 hundred zooloo weather. Sky clear visibility 10. "), std::string::npos)
        << "flag 0: the current weather";
}
