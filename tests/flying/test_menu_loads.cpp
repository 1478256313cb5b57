// Loads from the File menu during a flight, with the chooser answered by the
// test: a situation loaded while paused, and aircraft the loader refuses.
#include "controls_support.h"

#include "records/cockpit_state.h"
#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "records/world_state.h"
#include "shell/prefs.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/airfoil_record.h"
#include "toolkit/plane_file.h"
#include "toolkit/plane_record.h"

#include "tests/support/scratch_files.h"

#include <cstring>
#include <string>
#include <vector>

// The file the chooser answers with, and the windows opened.
std::string chosen;
std::vector<int> windows_opened;
extern "C" {
int __wrap__Z11MACIBM_openiPcS_(int, char* file, char* path)
{
    if (chosen.empty()) return 0;
    copy_bounded(path, chosen.c_str(), 400);
    copy_bounded(file, chosen.substr(chosen.rfind('/') + 1).c_str(), 400);
    return 1;
}
void __wrap__Z16MACIBM_startwindi(int index)
{
    windows_opened.push_back(index);
}
}

namespace {
struct MenuLoads : TrainerFlight {
    void SetUp() override
    {
        TrainerFlight::SetUp();
        chosen.clear();
        windows_opened.clear();
        done_initing = 1;   // a flight under way
    }
    void TearDown() override { done_initing = 0; }
};

template <class T> std::vector<unsigned char> bytes(const T& record)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(&record);
    return std::vector<unsigned char>(p, p + sizeof record);
}
} // namespace

TEST_F(MenuLoads, APausedSituationLoadShowsTheLoadedFlight)
{
    int k;
    ASSERT_GE(start_at_bundled_runway("KLAX", 25, 'L', 9, &k), 0);   // on the glide path
    fly(1);
    const float knots = flt.vind, lat = flt.lat, lon = flt.lon, mass = flt.m_total, heading = flt.magpsi;
    ASSERT_GT(knots, 50);
    // The weather and radio settings a start-up gives, which the fixture lacks.
    atm.rain_tstm = atm.wind_tbl = atm.burst_prob = 1;
    atm.wave_length = 10;
    atm.rway_fric_rat = 1;
    nav.nf[0] = nav.nf[1] = 11000;
    nav.cf[0] = nav.cf[1] = 12100;
    nav.gps_index_mode = 1;
    chosen = testing::TempDir() + "paused_load.sit";
    remove_at_exit(chosen);
    ASSERT_TRUE(dump_prefs(chosen.c_str(), 202));

    // Standing on the runway, paused, the situation is loaded.
    ASSERT_GE(start_at_bundled_runway("KLAX", 25, 'L', 7, &k), 0);
    fly(0.5f);
    ASSERT_LT(flt.vind, 5);
    msc.paused = 1;
    APPLICATION_handlemenu(102);
    ASSERT_TRUE(control_notices.empty()) << control_notices[0];
    EXPECT_NEAR(flt.vind, knots, 3);
    EXPECT_NEAR(flt.m_total, mass, 1);
    EXPECT_NEAR(flt.lat, lat, 0.002);
    EXPECT_NEAR(flt.lon, lon, 0.002);
    EXPECT_NEAR(fltwrap(flt.magpsi - heading, -180, 180), 0, 1);
    msc.paused = 0;
}

TEST_F(MenuLoads, AnAircraftRefusedFromTheMenuLeavesTheFlightAsItWas)
{
    const struct {
        const char* name;
        void (*spoil)();
        const char* notice;
    } cases[] = {
        {"NoPower.acf", [] { pln.pmax = 0; },
         "You requested a reciprocating or turbine engine in Fabrex, but have entered an engine power of zero!"},
        {"NoChord.acf", [] { pln.Croot[0] = 0; }, "has a chord of zero."},
    };
    for (const auto& c : cases) {
        SetUp();
        start_in_air(300, 90, 1.6f * msc.est_Vs);
        fly(1);
        // The trainer's file, spoiled, in a scratch folder.
        const std::string trainer = pln.C_path;
        chosen = testing::TempDir() + c.name;
        remove_at_exit(chosen);
        planestruct flying = pln;
        ASSERT_EQ(read_plane_file("Trainer.acf", trainer.c_str()), 1);
        c.spoil();
        ASSERT_TRUE(write_plane_file(chosen.c_str()));
        pln = flying;

        const auto p = bytes(pln), a = bytes(afl), f = bytes(flt), i = bytes(ins);
        APPLICATION_handlemenu(100);
        ASSERT_FALSE(gdone) << c.name;
        ASSERT_EQ(control_notices.size(), 1u) << c.name;
        EXPECT_NE(control_notices[0].find(c.notice), std::string::npos) << control_notices[0];
        EXPECT_TRUE(bytes(pln) == p) << c.name;
        EXPECT_TRUE(bytes(afl) == a) << c.name;
        EXPECT_TRUE(bytes(flt) == f) << c.name;
        EXPECT_TRUE(bytes(ins) == i) << c.name;
        EXPECT_EQ(std::string(pln.C_path), trainer);

        // And it flies on.
        const double x = flt.X;
        fly(1);
        EXPECT_GT(flt.X - x, 20) << c.name;
        EXPECT_GT(flt.vind, 40) << c.name;
    }
}
