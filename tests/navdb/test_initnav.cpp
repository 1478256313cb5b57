// The navigation database loader: units, names, counts, fixes and every
// fatal way out.
#include "navdb_fixture.h"

#include <cstring>
#include <regex>

namespace {
std::string repeat(const std::string& line, int n)
{
    std::string out;
    out.reserve(line.size() * n);
    for (int i = 0; i < n; ++i) out += line;
    return out;
}

const std::string kFix = " 12.500000  -80.250000 ABCDE\n";
} // namespace

TEST_F(NavFolder, AirportUnitsNamesAndCount)
{
    put_database(apt_line("KSEA", "Seattle-Tacoma Intl") + apt_line("KXXX", "Short", 4999, 75, "-12") +
                     apt_line("K1", "Two Letters"),
                 "", "");
    init_country_data();
    ASSERT_EQ(env.aptmax, 2);
    EXPECT_EQ(apt_len[0][0], 1524);   // 5000 ft is 1524.0 m
    EXPECT_EQ(apt_len[1][0], 1523);   // 4999 ft truncates, not rounds
    EXPECT_EQ(apt_width[0][0], 45);   // 150 ft = 45.72 m
    EXPECT_EQ(apt_width[1][0], 22);   // 75 ft = 22.86 m
    EXPECT_FLOAT_EQ(apt_h[0], 304.8f);
    EXPECT_FLOAT_EQ(apt_h[1], -12 * 0.3048f);
    EXPECT_EQ(apt_len[0][1], 0);
    EXPECT_EQ(apt_num[0][0], 16);
    EXPECT_EQ(apt_lr[0][0], 'L');
    EXPECT_EQ(apt_hdng[0][0], 163);
    EXPECT_EQ(apt_lite[0][0], 1121121);
    EXPECT_EQ(apt_twr[0], 1);
    EXPECT_FLOAT_EQ(apt_lat[0][0], 47.449889f);
    EXPECT_FLOAT_EQ(apt_lon[0][0], -122.311778f);
    EXPECT_STREQ(apt_id[0], "KSEA");
    EXPECT_STREQ(apt_name[0], "Seattle Tacoma Intl");   // every '-' a blank
    EXPECT_STREQ(apt_id[2], "K1");
    EXPECT_STREQ(apt_name[2], "Two Letters");
}

TEST_F(NavFolder, NavaidNamesKeepDashesAndCountLeavesCarrierSlots)
{
    std::string navs;
    for (int i = 0; i < 9; ++i) navs += nav_line(" SEA", "Seattle");
    navs += nav_line("  AB", "Ab-Cd", 2, "373", "0");
    put_database(apt_line("KSEA", "Seattle"), navs, "");
    init_country_data();
    EXPECT_EQ(env.navmax, 11);   // 10 navaids read, then the carrier's two
    EXPECT_EQ(nav_type[0], 3);
    EXPECT_EQ(nav_f12[0], 11680);
    EXPECT_STREQ(nav_id[0], "SEA");
    EXPECT_FLOAT_EQ(nav_h[0], 354 * 0.3048f);
    EXPECT_EQ(nav_type[9], 2);
    EXPECT_EQ(nav_f12[9], 373);
    EXPECT_STREQ(nav_name[9], "Ab-Cd");
    EXPECT_EQ(nav_type[10], 99);   // the end mark stays in its slot
}

TEST_F(NavFolder, EmptyFilesGiveNoRecords)
{
    put_database("", "", "");
    init_country_data();
    EXPECT_EQ(env.aptmax, -1);
    EXPECT_EQ(env.navmax, 1);
    EXPECT_EQ(fix_lat[0], 99);
    EXPECT_EQ(fix_lat[1], -999);
    EXPECT_EQ(fix_lon[0], -999);
}

TEST_F(NavFolder, FixesTakeFiveCharactersAndStopAtTheEndMark)
{
    // Padded, dashed, short without its padding, blanks before the name, and
    // a longer name whose sixth character is dropped with the line end.
    put_database("", "",
                 kFix + "-33.9 151.2 AB   \n" + "10 20 A-B--\n" + "1 2 XY\n" + "3 4    QRSTU\n" + "5 6 LONGER\n" +
                     "98.6 0\n" + "7 8 NEVER\n");
    init_country_data();
    EXPECT_FLOAT_EQ(fix_lat[0], 12.5f);
    EXPECT_FLOAT_EQ(fix_lon[0], -80.25f);
    EXPECT_STREQ(fix_name[0], "ABCDE");
    EXPECT_STREQ(fix_name[1], "AB   ");
    EXPECT_STREQ(fix_name[2], "A-B--");
    EXPECT_STREQ(fix_name[3], "XY   ");   // not the next line's digits
    EXPECT_FLOAT_EQ(fix_lat[4], 3);
    EXPECT_STREQ(fix_name[4], "QRSTU");
    EXPECT_STREQ(fix_name[5], "LONGE");
    EXPECT_FLOAT_EQ(fix_lat[6], 98.6f);   // rounds to 99: the list ends here
    EXPECT_EQ(fix_lon[6], -999);
    EXPECT_EQ(fix_lat[7], -999);
}

TEST_F(NavFolder, CrlfFilesReadLikeLf)
{
    auto crlf = [](const std::string& s) { return std::regex_replace(s, std::regex("\n"), "\r\n"); };
    put("apt_dat", crlf(header() + apt_line("KSEA", "Seattle-Tacoma") + "99\n"));
    put("nav_dat", crlf(header() + nav_line(" SEA", "Seattle") + "99\n"));
    put("fix_dat", crlf(header() + kFix + "1 2 XY\n" + "3 4 FGHIJ\n" + "99\n"));
    init_country_data();
    EXPECT_EQ(env.aptmax, 0);
    EXPECT_STREQ(apt_name[0], "Seattle Tacoma");
    EXPECT_EQ(env.navmax, 2);
    EXPECT_STREQ(nav_name[0], "Seattle");
    EXPECT_STREQ(fix_name[0], "ABCDE");
    EXPECT_STREQ(fix_name[1], "XY   ");
    EXPECT_FLOAT_EQ(fix_lat[2], 3);
    EXPECT_STREQ(fix_name[2], "FGHIJ");
    EXPECT_EQ(fix_lat[3], 99);
}

TEST_F(NavFolder, LongAirportNameKeepsWhatTheArrayHolds)
{
    std::string name(50, 'N');
    put_database(apt_line("KSEA", name.c_str()), "", "");
    init_country_data();
    EXPECT_EQ(strlen(apt_name[0]), 38u);
}

TEST_F(NavFolder, FullCapacitiesLoad)
{
    put_database(repeat(apt_line("KSEA", "Seattle"), APT_CAP), repeat(nav_line(" SEA", "Seattle"), NAV_READ_CAP),
                 repeat(kFix, FIX_CAP - 1));
    init_country_data();
    EXPECT_EQ(env.aptmax, APT_CAP - 1);
    EXPECT_EQ(env.navmax, NAV_READ_CAP + 1);
    EXPECT_STREQ(fix_name[FIX_CAP - 2], "ABCDE");
    EXPECT_EQ(fix_lat[FIX_CAP - 1], 99);
}

TEST_F(NavFolder, FatalWaysOut)
{
    const std::string apts = apt_line("KSEA", "Seattle");
    const std::string navs = nav_line(" SEA", "Seattle");
    const std::string good_apt = header() + apts + "99\n";
    const std::string good_nav = header() + navs + "99\n";
    const std::string good_fix = header() + "99\n";
    const char* unable =
        "I am unable to access a nav, airport, or fix data file!.*The path I am looking at is as follows:.*"
        "additional nav data/";
    const char* unable_end = ".*Make sure the file listed above is available in the path listed above!";
    struct Case {
        const char* what;
        std::string apt, nav, fix;   // "-" leaves the file out
        std::string expected;
    } cases[] = {
        {"no apt_dat", "-", good_nav, good_fix, std::string(unable) + "apt_dat" + unable_end},
        {"no nav_dat", good_apt, "-", good_fix, std::string(unable) + "nav_dat" + unable_end},
        {"no fix_dat", good_apt, good_nav, "-", std::string(unable) + "fix_dat" + unable_end},
        {"not a text file", "x\n354 version\n99\n", good_nav, good_fix, std::string(unable) + "apt_dat"},
        {"wrong version", "I\n353 version\n353 version code 2\n99\n", good_nav, good_fix,
         "The following file is the wrong version for this version of Korvan:.*apt_dat"},
        {"ends after the header", good_apt, "I\n354 version", good_fix,
         "Error reading in global data file after version-scan!"},
        {"airports without end mark", header() + apts, good_nav, good_fix, "File-scanning error!.*file:.*apt_dat"},
        {"navaids without end mark", good_apt, header() + navs, good_fix, "File-scanning error!.*nav_dat"},
        {"fixes without end mark", good_apt, good_nav, header() + kFix, "File-scanning error!.*fix_dat"},
        {"fix cut inside its name", good_apt, good_nav, header() + " 1.0 2.0 AB", "File-scanning error!.*fix_dat"},
        {"too many airports", header() + repeat(apts, APT_CAP + 1) + "99\n", good_nav, good_fix,
         "Too many airports in world database!.*15000"},
        {"too many navaids", good_apt, header() + repeat(navs, NAV_READ_CAP + 1) + "99\n", good_fix,
         "Too many navs in world database!.*19997"},
        {"too many fixes", good_apt, good_nav, header() + repeat(kFix, FIX_CAP) + "99\n",
         "Too many fixes in world database!.*33999"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(dir / "additional nav data");
        std::filesystem::create_directory(dir / "additional nav data");
        if (c.apt != "-") put("apt_dat", c.apt);
        if (c.nav != "-") put("nav_dat", c.nav);
        if (c.fix != "-") put("fix_dat", c.fix);
        EXPECT_EXIT(init_country_data(), ::testing::ExitedWithCode(1), c.expected);
    }
}
