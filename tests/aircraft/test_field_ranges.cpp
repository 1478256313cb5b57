// Aircraft files whose values are read well but cannot fly: refused at load
// with the loader's own alert, before anything is derived from them.
#include "aircraft_fixture.h"

#include "aircraft_editor/default_plane.h"
#include "cockpit/P_INIT.h"
#include "flight/INITPLN.h"
#include "toolkit/plane_ranges.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <limits>

namespace {
using FieldRanges = AircraftTest;

const char* const UNFLYABLE = "This aircraft has an unflyable design!";

struct FieldCase {
    const char* what;
    std::function<void()> change;
    const char* reason;
};

TEST_F(FieldRanges, SingleFieldsThatWouldFlyAsNaNAreRefused)
{
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    std::vector<FieldCase> cases = {
        {"numblades +inf", [=] { pln.numblades[0] = inf; }, "Its numblades\\[0\\] of inf lies outside 0 to 20\\."},
        {"anginc NaN", [=] { pln.anginc[10][1] = nan; }, "Its anginc\\[10\\]\\[1\\] of nan lies outside"},
        {"Xarm -inf", [=] { pln.Xarm[4] = -inf; }, "Its Xarm\\[4\\] of -inf lies outside"},
        {"Vne NaN", [=] { pln.Vne = nan; }, "Its Vne of nan is neither 0 nor between 10 and 5000\\."},
        {"Vne 1.3e-44", [] { pln.Vne = 1.3e-44f; }, "Its Vne of 1\\.2.*e-44 is neither 0 nor"},
        {"engine figure 1e30", [] { pln.pmax = 1e30f; }, "Its pmax of 1e\\+30 lies outside"},
        {"body point", [] { pln.body_Z[18][3][5] = 1e9f; }, "Its body_Z\\[18\\]\\[3\\]\\[5\\] of 1e\\+09"},
        // Divisors of the flight: a ratio of 1e-30 turned the engine to NaN in its first second.
        {"gear ratio 1e-30", [] { pln.gearrat = 1e-30f; }, "Its gearrat of 1e-30 is neither 0 nor between 0\\.01 and 100\\."},
        {"chord 1e-30", [] { pln.Croot[4] = 1e-30f; }, "Its Croot\\[4\\] of 1e-30 is neither 0 nor"},
        {"empty mass 1e-30", [] { pln.m_empty = 1e-30f; }, "Its m_empty of 1e-30 is neither 0 nor"},
        {"engine kind 9", [] { pln.entype = 9; }, "Its entype of 9 lies outside 0 to 5\\."},
        // Accepted by each field alone, yet the flight swings without bound within a second.
        {"Vne 1 kt", [] { pln.Vne = 1; }, "Its Vne of 1 is neither 0 nor between 10 and 5000\\."},
        {"chord 10000 ft", [] { pln.Croot[4] = 10000; }, "Its Croot\\[4\\] of 10000 is neither 0 nor between 0\\.01 and 200\\."},
        {"power 100000 hp", [] { pln.pmax = 100000; },
         "Its power of 100000 hp per engine is more than 0\\.5 hp per pound of its empty mass\\."},
        {"gear ratio 100", [] { pln.gearrat = 100; }, "Its propeller turns at 27 rpm at full power, outside 300 to 30000\\."},
        {"engine 100000 rpm", [] { pln.omegamax = 100000; }, "Its propeller turns at 100000 rpm"},
        {"propeller radius 100 ft", [] { pln.semilen[0] = 100; }, "Its propeller 1 has a radius of 100 ft, outside 1 to 60\\."},
        {"blade chord 20 ft", [] { pln.Ctip[0] = 20; }, "Its propeller 1 has a blade chord beyond 10 ft\\."},
    };
    for (const auto& c : cases) {
        trainer();
        c.change();
        EXPECT_TRUE(refused_at_start_up([this] { load(); }, std::string(UNFLYABLE) + "(.|\n)*" + c.reason)) << c.what;
    }
}

TEST_F(FieldRanges, ZeroSpeedsStillReachTheirOwnChecks)
{
    trainer();
    pln.Vne = 0;
    EXPECT_TRUE(refused_at_start_up([this] { load(); }, "You entered a Vne of zero!"));
}

TEST_F(FieldRanges, TheTrainerAndTheEditorsDefaultPass)
{
    trainer();
    load();
    EXPECT_TRUE(caught_alerts.empty());
    EXPECT_GT(pln.miprop[0], 0);
    for (int heli : {0, 1}) {
        pln.is_heli = heli;
        fabrex::setup_baseplane("Untitled.acf", "Untitled.acf");
        const char* why = plane_range_fault();
        EXPECT_EQ(why, nullptr) << heli << ": " << why;
    }
}

// The gauge scales take what they are given without an int out of range.
TEST_F(FieldRanges, GaugeScalesLimitWhatTheyAreGiven)
{
    EXPECT_EQ(gage_me(std::nanf("")), 10);
    EXPECT_GT(gage_me(1e30f), 0);
    EXPECT_LT(gage_me(-1e30f), 0);
}

// The damaged files kept beside the clone (xz-compressed aircraft files).
TEST_F(FieldRanges, BadInputAircraftFilesAreRefused)
{
    namespace fs = std::filesystem;
    if (!fs::is_directory(BAD_INPUT_DIR)) GTEST_SKIP() << "no " << BAD_INPUT_DIR;
    int seen = 0;
    for (const auto& f : fs::directory_iterator(BAD_INPUT_DIR)) {
        std::string name = f.path().filename().string();
        if (name.rfind("aircraft-", 0) != 0 || f.path().extension() != ".xz") continue;
        ++seen;
        std::string plain = name.substr(0, name.size() - 3);
        std::string path = dir + "/" + plain;
        std::string cmd = "xz -dc '" + f.path().string() + "' > '" + path + "'";
        ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
        copy_bounded(pln.C_file, plain.c_str(), 400);
        copy_bounded(pln.C_path, path.c_str(), 400);
        EXPECT_TRUE(refused_at_start_up(load_plane, UNFLYABLE)) << name;
    }
    EXPECT_GE(seen, 3);
}
} // namespace
