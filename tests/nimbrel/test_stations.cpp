#include "nimbrel_app.h"
#include "nimbrel_fixture.h"
#include "platform/window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace nimbrel;

TEST(NimbrelStations, DepartureTimeRunsTwentyMinutesPastTheLastReport)
{
    fill_constants();
    struct {
        float report_sec, hhmm;
    } cases[] = {
        {9 * 3600 + 5 * 60, 925},
        {12 * 3600 + 50 * 60, 1310},
        {0, 20},                      // no timed report
        {23 * 3600 + 45 * 60, 5},     // into the next day
    };
    for (auto& c : cases) EXPECT_FLOAT_EQ(departure_ztime(c.report_sec), c.hhmm) << c.report_sec;
}

TEST(NimbrelStations, CruiseSpeedByEngineType)
{
    const float factor[6] = {0.75f, 0.825f, 0.825f, 1.125f, 1.5f, 1.5f};
    for (int e = 0; e < 6; ++e) EXPECT_NEAR(cruise_speed(200, e), 200 * factor[e], 1e-3) << e;
    EXPECT_NEAR(cruise_speed(200, 7), 150, 1e-3);
}

TEST(NimbrelStations, KeepsStationsAtAirportsFirstMatchAndLastTime)
{
    west_coast_airports();
    set_airport(4, "KSFO", "Second SFO", 10, 10);   // a later duplicate never wins
    apt_apt_max = 5;
    bri.dep_ztime = 0;
    std::string long_tail(600, 'X');
    ASSERT_EQ(load_text("KSFO SA 1156 CLR 10 61/50/2719/992\r\n"
                        "KLAX SA 1150 25 OVC 5 62/52/2011G25/001\n"
                        "XXXX SA 1310 CLR 10 60/50/1805/990\r"
                        "KOAK SA 1200 CLR 10 60/50/0000/990 " + long_tail + "\n"
                        "KSJC\n"),
              1);
    ASSERT_EQ(wxr_apt_max, 4);
    EXPECT_STREQ(wxr_id[0], "KSFO");
    EXPECT_STREQ(wxr_name[0], "San Francisco Intl");
    EXPECT_FLOAT_EQ(wxr_lat[0], 37.62f);
    EXPECT_FLOAT_EQ(wxr_z_time[0], 1156);
    EXPECT_STREQ(wxr_id[1], "KLAX");
    EXPECT_STREQ(wxr_id[2], "KOAK");   // the unmatched line's slot was reused
    EXPECT_STREQ(wxr_id[3], "KSJC");   // the long line skipped its rest
    EXPECT_FLOAT_EQ(wxr_z_time[3], -1);
    EXPECT_EQ(wxr_obs_vis[3], -99);
    // The dropped station still set the time; the next timed one came later in the file.
    EXPECT_FLOAT_EQ(bri.dep_ztime, 12 * 3600);
    // Gust 25 over 11 kt: speed and excess kept in m/s.
    EXPECT_NEAR(wxr_wnd_spd[1], 11 * con.ktstomsc, 1e-4);
    EXPECT_NEAR(wxr_wnd_gus[1], 14 * con.ktstomsc, 1e-4);
    EXPECT_FLOAT_EQ(wxr_wnd_dir[0], 270);
    EXPECT_NEAR(wxr_baro[0], 29.92f, 1e-4);
}

TEST(NimbrelStations, FullTableIsRefused)
{
    west_coast_airports();
    std::string text;
    for (int i = 0; i < WXR_MAX + 1; ++i) text += "KLAX SA 1200 CLR 10\n";
    EXPECT_EQ(load_text(text), 0);
}

namespace {
// A text matched as it stands by the death test's regular expression.
std::string literal(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (std::strchr(".[]()*+?{}|^$\\", c)) out += '\\';
        out += c;
    }
    return out;
}
} // namespace

TEST(NimbrelStations, MissingWeatherFileNamesTheFolderItSearched)
{
    namespace fs = std::filesystem;
    fs::path dir = fs::path(::testing::TempDir()) / ("nimbrel_no_rwk_" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "additional nav data");
    std::ofstream(dir / "additional nav data" / "apt_dat") << "I\n354 version\n354 version code 2\n99\n";
    std::string folder = fs::canonical(dir).string() + "/";
    EXPECT_EXIT(
        {
            fs::current_path(dir);
            plat_set_message_box_handler([](const char*, const char* text) { fprintf(stderr, "%s\n", text); });
            nimbrel_start();
        },
        ::testing::ExitedWithCode(1), "I am searching:\n\n" + literal(folder) + "\n\n");
    fs::remove_all(dir);
}
