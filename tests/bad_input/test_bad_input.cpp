// Each damaged input beside the clone ends in its reader's refusal (or, where
// the value can be limited harmlessly, in a limited value): no crash, no hang,
// no allocation of what the file only claims to hold.
#include "media/media_files.h"
#include "platform/window.h"
#include "shell/prefs.h"
#include "toolkit/HL_FILE.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_SOUND.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/nav_lines.h"
#include "records/cockpit_state.h"
#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "world/INITNAV.h"
#include "world/scenery_objects.h"
#include "records/world_state.h"
#include "world/world_window.h"
#include "world_data/world_import.h"
#include "tests/support/scratch_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {
void quiet_box(const char*, const char* text)
{
    fprintf(stderr, "ALERT[%s]\n", text);
}

class BadInput : public ::testing::Test {
protected:
    fs::path dir;

    void SetUp() override
    {
        if (!fs::is_directory(BAD_INPUT_DIR)) GTEST_SKIP() << "no " << BAD_INPUT_DIR;
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        char pattern[] = "/tmp/korvan_bad_XXXXXX";
        dir = mkdtemp(pattern);
        remove_at_exit(dir);   // a death test's child leaves by exit(), not TearDown
        copy_bounded(app_path, (dir.string() + "/").c_str(), 400);
        plat_set_message_box_handler(quiet_box);
        fill_constants();
        ogl_ready = 0;
        done_initing = 1;
        inf_use = 1;
        scan_soft = 0;
        scan_failed = 0;
    }

    void TearDown() override
    {
        inf1.close();
        inf1.clear();
        std::error_code ec;
        if (!dir.empty()) fs::remove_all(dir, ec);
    }

    static std::string bad(const char* name)
    {
        return std::string(BAD_INPUT_DIR) + "/" + name;
    }

    // A copy of a damaged file under the name its reader looks for.
    void place(const char* name, const fs::path& to) const
    {
        fs::create_directories(to.parent_path());
        fs::copy_file(bad(name), to, fs::copy_options::overwrite_existing);
    }
};

TEST_F(BadInput, NavaidFrequencyBeyondAnyRadioIsAScanningError)
{
    inf1.open(bad("navaid-line-frequency-overflow.txt"), std::ios::in | std::ios::binary);
    ASSERT_TRUE(inf1.is_open());
    inf_is_bin = 0;
    x_eln = '\n';
    scan_soft = 1;
    int kind = intscanNOSN("nav_dat");
    float lat, lon, h;
    int f12, hdng;
    char id[5], name[40];
    scan_nav_line(kind, &lat, &lon, &h, &f12, &hdng, id, name);
    EXPECT_EQ(scan_failed, 1);
}

TEST_F(BadInput, FixAtAnImpossibleLatitudeEndsWithTheScanningError)
{
    fs::path nav = dir / "additional nav data";
    const char* empty = "I\n354 version\n354 version code 2\n99\n";
    fs::create_directories(nav);
    std::ofstream(nav / "apt_dat") << empty;
    std::ofstream(nav / "nav_dat") << empty;
    place("fix_dat-latitude-huge", nav / "fix_dat");
    EXPECT_EXIT(init_country_data(), ::testing::ExitedWithCode(1), "File-scanning error!(.|\n)*fix_dat");
}

TEST_F(BadInput, SoundDataLongerThanTheFileIsRefusedUnallocated)
{
    wav_format fmt;
    unsigned char* data = nullptr;
    uint32_t length = 1;
    const char* problem = read_wav(bad("wav-data-size-4GB.wav").c_str(), &fmt, &data, &length);
    ASSERT_NE(problem, nullptr);
    EXPECT_STREQ(problem, "Failed to read data chunk opening sound.");
    EXPECT_EQ(data, nullptr);
    EXPECT_EQ(length, 0u);
}

TEST_F(BadInput, GeneratorWavWithAWrappingChunkLengthEnds)
{
    std::vector<float> samples;
    int rate = 0;
    EXPECT_EQ(load_wav_mono(bad("wav-chunk-length-wraps.wav"), &samples, &rate), 0);
}

TEST_F(BadInput, WaveDirectionIsWrappedIntoACircle)
{
    EXPECT_EQ(grab_prefs(bad("prefs-wave-direction-huge.prf").c_str(), 206, 0), 1);
    EXPECT_GE(atm.wave_dir, 0);
    EXPECT_LT(atm.wave_dir, 360);
}

// The second round's situations: one weather, damping or position value out
// of its range each. Refused with the reader's message; the flight keeps its
// settings.
TEST_F(BadInput, SituationsWithAValueOutOfItsRangeAreRefused)
{
    std::vector<std::string> alerts;
    int seen = 0;
    for (const auto& f : fs::directory_iterator(bad("round2"))) {
        std::string name = f.path().filename().string();
        if (f.path().extension() != ".sit") continue;
        ++seen;
        atm.wndspd = 5, atm.wnddir = 90, atm.tbl = 1, set.damp = 0.25f, ins.baro = 29.92f, set.cus_Y = 300;
        testing::internal::CaptureStderr();
        EXPECT_EQ(grab_prefs(f.path().c_str(), 202, 1), 0) << name;
        EXPECT_NE(testing::internal::GetCapturedStderr().find("ALERT[The following file is damaged or incomplete"),
                  std::string::npos)
            << name;
        EXPECT_EQ(atm.wndspd, 5) << name;
        EXPECT_EQ(atm.wnddir, 90) << name;
        EXPECT_EQ(atm.tbl, 1) << name;
        EXPECT_EQ(set.damp, 0.25f) << name;
        EXPECT_EQ(ins.baro, 29.92f) << name;
        EXPECT_EQ(set.cus_Y, 300) << name;
    }
    EXPECT_EQ(seen, 6);
}

// The second round's squares, unpacked under the name of the square they
// describe (35 N 117 W): NaN elevations, a NaN latitude.
TEST_F(BadInput, SquaresWithNonFiniteValuesAreDamaged)
{
    for (const char* name : {"terrain-nan-elevations.env.xz", "terrain-nan-latitude.env.xz"}) {
        fs::path square = dir / "additional nav data" / "+030-120" / "+035-117.env";
        fs::create_directories(square.parent_path());
        std::string cmd = "xz -dc '" + bad((std::string("round2/") + name).c_str()) + "' > '" + square.string() + "'";
        ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
        env.lat_sou = 35;
        env.lon_wes = -117;
        flt.Y = 0;
        EXPECT_EXIT(load_region(), ::testing::ExitedWithCode(1), "Damaged environment file!") << name;
    }
}

TEST_F(BadInput, ObjectColourBeyondItsTwoDigitsEndsWithTheObjectsAlert)
{
    place("round2/object-colour-overflow.obj", dir / "additional nav data" / "objects" / "Overflow.OBJ");
    EXPECT_EXIT(make_an_obs(0, 0, 0, "Overflow", 8, 500), ::testing::ExitedWithCode(1),
                "The colour of a point or line of the object must be three numbers from 0 to 99!");
}

// The importer with the damaged source file and the other two harmless.
class BadWorld : public BadInput {
protected:
    int import_with(const char* damaged, const char* as)
    {
        fs::path src = dir / "world";
        fs::create_directories(src);
        std::ofstream(src / "airports.json")
            << "[{\"ident\":\"5A8\",\"type\":\"small_airport\",\"name\":\"Test Field\",\"latitude_deg\":\"47.5\","
               "\"longitude_deg\":\"-122.3\",\"elevation_ft\":\"100\",\"iso_country\":\"US\",\"gps_code\":\"K5A8\"}]";
        std::ofstream(src / "runways.csv") << "airport_ident,length_ft,le_ident\n";
        std::ofstream(src / "navaids.csv") << "ident,name,type\n";
        place(damaged, src / as);
        import_counts counts{};
        return import_world(src.string().c_str(), nullptr, dir.string().c_str(), &counts);
    }
};

TEST_F(BadWorld, RunwayLongerThanAnyRealOneIsDropped)
{
    ASSERT_EQ(import_with("world-runway-length-huge.csv", "runways.csv"), 1);
    std::ifstream apt(dir / "apt_dat");
    std::string text((std::istreambuf_iterator<char>(apt)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text.find("2147483"), std::string::npos);
    EXPECT_EQ(text.find("5A8"), std::string::npos);   // no usable runway left
}

TEST_F(BadWorld, DeeplyNestedAirportsAreRefused)
{
    EXPECT_EQ(import_with("world-airports-deep-nesting.json", "airports.json"), 0);
}
} // namespace
