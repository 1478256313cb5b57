// Loading an aircraft file: the log, conversion, finite-wing factors,
// propeller discs, and nothing carried over from the file or the last load.
#include "aircraft_fixture.h"

#include "records/cockpit_state.h"
#include "flight/INITPLN.h"
#include "records/flight_state.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/airfoil_record.h"
#include "toolkit/part_geometry.h"
#include "toolkit/plane_file.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace {
using LoadPlane = AircraftTest;

std::string fmt(const char* format, double v)
{
    char s[100];
    snprintf(s, sizeof s, format, v);
    return s;
}

TEST_F(LoadPlane, LogStartsWithTheBannerAndTheAxes)
{
    trainer();
    load("Log Test.acf");
    auto lines = log_lines();
    ASSERT_GE(lines.size(), 14u);
    std::string banner(100, (char)0xA5);
    EXPECT_EQ(lines[0], banner);
    EXPECT_EQ(lines[1], "Simulating Log Test.acf");
    EXPECT_EQ(lines[2], banner);
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "x location positive aft      x force positive forwards    pitch/alpha pos nose up");
    EXPECT_EQ(lines[6], "z location positive up       z force positive up          yaw/beta pos nose right");
    EXPECT_EQ(lines[8], "elevator, aileron, spoiler   positive control surface up      ");
    EXPECT_EQ(lines[12], "roll  cyclic prop pitch      positive request nose right      ");
    EXPECT_EQ(lines[13], "");
    EXPECT_EQ(lines[14], "Finite-Wing & Element Build-Up for propeller 1:");
    EXPECT_TRUE(caught_alerts.empty());
}

TEST_F(LoadPlane, ConvertsToSIAndToTheCentreOfGravity)
{
    trainer();
    load();
    const float ft = 0.3048f;
    EXPECT_NEAR(pln.m_max, 2300 * 0.4535925f, 1e-2);
    EXPECT_NEAR(pln.pmax, 160 * 745.7f, 1e-1);
    EXPECT_NEAR(pln.omegamax, 2700 * con.rpmtorsc, 1e-3);
    // Z and Y from the centre of gravity (37 in aft of the datum, 3.6 ft up);
    // X stays as it was.
    EXPECT_NEAR(pln.ngearZ, (-0.55f - 37.0f / 12) * ft, 1e-5);
    EXPECT_NEAR(pln.Zarm[10], (19.5f - 37.0f / 12) * ft, 1e-5);
    EXPECT_NEAR(pln.Yarm[0], (4.0f - 3.6f) * ft, 1e-5);
    EXPECT_NEAR(pln.body_Z[18][0][0], (-3.3f - 37.0f / 12) * ft, 1e-5);
    EXPECT_NEAR(pln.mgearX, 4.125f * ft, 1e-5);
    // Nacelle and other bodies keep their own origin.
    EXPECT_NEAR(pln.body_Z[19][1][0], 2 * ft, 1e-6);
    EXPECT_EQ(pln.propdir[0], 1);
    EXPECT_EQ(pln.flapEQ, 1);
    EXPECT_EQ(pln.slatEQ, 0);
    EXPECT_NEAR(pln.sweepnow[12], 31.05f, 0.05f);   // the fin's 35-degree leading edge
    // The flap tables came from the flap file.
    EXPECT_GT(pln.clflap[50], 0.5f);
}

TEST_F(LoadPlane, RectangularWingFactorsAndLogLines)
{
    rectangular_wing();
    load();
    // 10 ft by 5 ft a side: aspect ratio 4, no sweep, no taper.
    EXPECT_FLOAT_EQ(pln.AR[4], 4);
    EXPECT_NEAR(pln.e[4], 0.93440f, 1e-4);
    EXPECT_FLOAT_EQ(pln.delta_fac[4], 0);
    float a0 = (afl.clM[4][0][0] + afl.clM[4][0][1] + afl.clM[4][1][0] + afl.clM[4][1][1]) / 4 * 180 / con.pi;
    float R = 1 / (1 + a0 / (con.pi * 0.93440f * 4));
    EXPECT_NEAR(pln.al_D_al0[4], 1 - 0.68f * (1 - R), 1e-4);
    EXPECT_NEAR(pln.cl_D_cl0[4], 1 - 0.32f * (1 - R), 1e-4);
    EXPECT_NEAR(pln.cm_D_cm0[4], 4.0f / 6, 1e-6);
    // Six strips of 1.524 m chord over 3.048 m.
    for (int e = 0; e < 6; ++e) {
        EXPECT_NEAR(pln.s[4][e], 1.524f * 3.048f / 6, 1e-5);
        EXPECT_NEAR(pln.mac[4][e], 1.524f, 1e-5);
    }
    EXPECT_TRUE(log_has("Finite-Wing & Element Build-Up for left wing 1:"));
    EXPECT_TRUE(log_has("   el #5: s=  0.77 sqr mtrs, mac=  1.52 mtrs."));
    EXPECT_TRUE(log_has("   Oswalds efficiency factor based on AR (4.00) and sweep (0.0 deg) is 0.93."));
    EXPECT_TRUE(log_has("   Thoretical lift-slope reduction is to " + fmt("%2.0f", 100 * R) + "% of the 2-D value."));
    EXPECT_TRUE(log_has("      using coefficient data at an angle of attack that is " +
                        fmt("%3.0f", 100 * pln.al_D_al0[4]) + "% of actual (alphamax=" +
                        fmt("%3.1f", pln.alpha_max[4]) + "),"));
    EXPECT_TRUE(log_has("      Based on AR and sweep, cm change is to                67% of it's 2-D value."));
    EXPECT_TRUE(log_has("      Based on AR and TR, aerodynamic center is moved        0% of the way from the the 25% chord to the 50% chord."));
    // Its stall angle: the mean of the four tables' over the angle factor.
    EXPECT_NEAR(pln.alpha_max[4], (15.5f + 16.5f) / 2 / pln.al_D_al0[4], 1e-3);
    EXPECT_TRUE(log_has("   root lo Re: alphamax=15.5 deg, trat=0.12, Re= 3.10 meg for " + std::string(PROGRAM_DIR) +
                        "/airfoils/NACA 2412 (popular).afl."));
}

TEST_F(LoadPlane, OswaldEfficiencyBySweepAndAspectRatio)
{
    struct Case {
        float sweep, semilen_ft, chord_ft;
        float AR, e;
    } cases[] = {
        {0, 10, 5, 4.0f, 0.93440f},
        // Swept formula alone from 30 degrees on.
        {45, 10, 5, 2.82843f, 0.87709f},
        // Half way between the straight and the swept formula at 15.
        {15, 10, 5, 3.86370f, 0.92090f},
        // A very slender wing is held at the lower bound.
        {0, 50, 3.333333f, 30.0f, 0.5f},
    };
    for (const auto& c : cases) {
        rectangular_wing();
        for (int p : {4, 5}) {
            pln.sweep1[p] = c.sweep;
            pln.semilen[p] = c.semilen_ft;
            pln.Croot[p] = pln.Ctip[p] = c.chord_ft;
        }
        load();
        SCOPED_TRACE(c.sweep);
        EXPECT_NEAR(pln.AR[4], c.AR, 1e-3);
        EXPECT_NEAR(pln.e[4], c.e, 2e-4);
    }
}

TEST_F(LoadPlane, JoinedPanelsFlyAsOneWing)
{
    trainer();
    load();
    EXPECT_TRUE(log_has("   !!!Note: I am joining left wing 1 to left wing 2 to form one continuous wing!!!"));
    EXPECT_TRUE(log_has("   !!!Note: I am joining left wing 2 to left wing 1 to form one continuous wing!!!"));
    // Summed span, inner root chord to outer tip chord, span-weighted sweep.
    float b = 36.0f / 2 * 0.3048f;
    float L = pln.sweep1[6] * pln.semilen[6] / b * con.degtorad;
    float AR = 2 * b * std::cos(L) / ((5.3f + 3.7f) / 2 * 0.3048f);
    for (int p = 4; p <= 7; ++p) EXPECT_NEAR(pln.AR[p], AR, 1e-3) << p;
    EXPECT_FLOAT_EQ(pln.e[4], pln.e[6]);
}

TEST_F(LoadPlane, StackedWingsTakeTheBiplaneEfficiency)
{
    rectangular_wing();
    // A second, equal wing 5 ft above the first: gap 0.25 of the summed span.
    for (int p : {6, 7}) {
        pln.semilen[p] = 10;
        pln.Croot[p] = pln.Ctip[p] = 5;
        pln.sweep1[p] = pln.dihed[p] = 0;
        pln.Xarm[p] = 0;
        pln.Yarm[p] = pln.Yarm[4] + 5;
        pln.Zarm[p] = pln.Zarm[4];
    }
    load();
    float g = 0.25f;
    float sigma = 0.9962f - 4.896f * g + 17.98f * g * g - 37.8f * g * g * g + 31 * g * g * g * g;
    EXPECT_NEAR(pln.e[4], 2 / (2 + 2 * sigma), 1e-4);
    EXPECT_NEAR(pln.e[4], 0.70105f, 1e-4);
    EXPECT_NEAR(pln.e[7], 0.70105f, 1e-4);
}

TEST_F(LoadPlane, OneAirfoilForBothReynoldsNumbersActsAsOne)
{
    trainer();
    for (int p : {4, 5}) copy_bounded(pln.Rafl1[p], pln.Rafl0[p], 400);
    load();
    EXPECT_FLOAT_EQ(afl.Re[4][0][0], 0);
    EXPECT_FLOAT_EQ(afl.Re[4][0][1], 99.9f);
    // The tip keeps its two numbers.
    EXPECT_FLOAT_EQ(afl.Re[4][1][0], 3.1f);
    EXPECT_TRUE(log_has("   root hi Re: alphamax=15.5 deg, trat=0.12, Re=99.90 meg for " + std::string(PROGRAM_DIR) +
                        "/airfoils/NACA 2412 (popular).afl."));
}

TEST_F(LoadPlane, PropellerRingsDiscAndInertia)
{
    trainer();
    load();
    // A 75 in propeller in 8 rings.
    EXPECT_NEAR(pln.ringarea[0][0], 0.044535f, 1e-5);
    EXPECT_NEAR(pln.ringarea[0][7], 15 * 0.044535f, 1e-4);
    EXPECT_NEAR(pln.discarea[0], 2.85023f, 1e-4);
    // Two blades tapering from 0.5 to 0.29 ft chord, airplane factor 1.5.
    EXPECT_NEAR(pln.miprop[0], 0.33820f, 1e-4);
    EXPECT_TRUE(log_has("The propeller 1 DISC AREA is broken down into rings for propwash distribution as follows:"));
    EXPECT_TRUE(log_has("   element number 1 (lat arm= 0.06 mtrs):   ring area=  0.04 square meters."));
    EXPECT_TRUE(log_has("                                      TOTAL DISC AREA=  2.85 square meters."));
}

TEST_F(LoadPlane, AGliderHasNoEngineTypeAndNoDisc)
{
    trainer();
    pln.numen = 0;
    pln.fusewash = 0;
    load();
    EXPECT_EQ(pln.entype, 0);
    EXPECT_EQ(have_this_part(0), 0);
    EXPECT_FLOAT_EQ(pln.discarea[0], 0);
    for (const auto& l : log_lines()) EXPECT_EQ(l.find("DISC AREA"), std::string::npos);
}

TEST_F(LoadPlane, EquipmentFlagsAndTailWheelSteering)
{
    trainer();
    pln.jatodur = 3;
    pln.chute_area = 20;
    pln.puffN = 100;
    pln.ASloV = 80;
    pln.AShiV = 60;
    pln.nwsteer = 10;
    load();
    EXPECT_EQ(pln.jatoEQ, 1);
    EXPECT_EQ(pln.chuteEQ, 1);
    EXPECT_EQ(pln.fbrkEQ, 0);
    EXPECT_EQ(pln.puffEQ, 1);
    EXPECT_EQ(pln.collectEQ, 0);
    EXPECT_FLOAT_EQ(pln.AShiV, 81);
    EXPECT_FLOAT_EQ(pln.nwsteer, 10);
    EXPECT_EQ(pln.us_alt, 0);

    // A tail wheel steers the other way; a window over the United States
    // gives its altimeter conventions.
    trainer();
    pln.ngearZ = 18;
    pln.ngearY = 1.5f;
    pln.mgearZ = 2.5f;
    pln.nwsteer = 10;
    env.lat_sou = 33;
    env.lon_wes = -118;
    load();
    EXPECT_FLOAT_EQ(pln.nwsteer, -10);
    EXPECT_EQ(pln.us_alt, 1);
}

TEST_F(LoadPlane, TheOtherByteOrderLoadsLikeItsNativeTwin)
{
    trainer();
    load("Native.acf");
    auto native = std::make_unique<planestruct>();
    memcpy(native.get(), &pln, sizeof pln);

    trainer();
    copy_bounded(pln.C_file, "Native.acf", 400);
    rev_pln_bytes();
    std::string path = dir + "/other/Native.acf";
    std::filesystem::create_directories(dir + "/other");
    ASSERT_EQ(write_plane_file(path.c_str()), 1);
    copy_bounded(pln.C_file, "Native.acf", 400);
    copy_bounded(pln.C_path, path.c_str(), 400);
    load_plane();
    memcpy(pln.C_path, native->C_path, 400);
    // Run-time gear state is no stored number: the reversal leaves it as it is.
    memcpy(pln.gear_stat, native->gear_stat, sizeof pln.gear_stat);
    const unsigned char* a = (const unsigned char*)&pln;
    const unsigned char* b = (const unsigned char*)native.get();
    for (size_t k = 0; k < sizeof pln; ++k)
        if (a[k] != b[k]) {
            ADD_FAILURE() << "first difference at record offset " << k;
            break;
        }
}

TEST_F(LoadPlane, NothingCarriesOverFromTheFileOrTheLastAircraft)
{
    trainer();
    load("First.acf");
    ASSERT_TRUE(caught_alerts.empty());
    flt.over_vne = 1;   // the last flight lost its right wing

    // A file with stale derived values, without an outer wing, with four
    // engines' gauges.
    trainer();
    for (int p : {6, 7}) pln.semilen[p] = 0;
    for (int w = 0; w < 28; ++w)
        for (int j = 0; j < 8; ++j) pln.in_downwash[10][w][j] = 1;
    pln.slat_effect[4] = 7;
    pln.Jxx_unitmass = 1e6f;
    pln.ahx1_roll[57] = 123;
    load("Second.acf");
    EXPECT_EQ(flt.over_vne, 0);
    EXPECT_EQ(have_this_part(5), 1);
    EXPECT_EQ(pln.in_downwash[10][6][0], 0);
    EXPECT_FLOAT_EQ(pln.slat_effect[4], 1);
    EXPECT_LT(pln.Jxx_unitmass, 100);
    EXPECT_NEAR(pln.ahx1_roll[57], 195 - std::sqrt(57.5f * 57.5f - 0.25f), 1e-3);
    // The outer panels' airfoil tables are not the first aircraft's.
    EXPECT_FLOAT_EQ(afl.clM[6][0][0], 0);
    EXPECT_FLOAT_EQ(afl.cdpos[6][1][1][100], 0);
}
} // namespace

// The file chooser, replaced through the linker: it hands back the file set
// here, or is cancelled by the program ending when none is set.
std::string chooser_gives;
int chooser_opened = 0;

extern "C" int __wrap__Z11MACIBM_openiPcS_(int, char* file, char* path)
{
    ++chooser_opened;
    if (chooser_gives.empty()) {
        gdone = 1;
        return 0;
    }
    copy_bounded(path, chooser_gives.c_str(), 400);
    copy_bounded(file, std::filesystem::path(chooser_gives).filename().c_str(), 400);
    return 1;
}

namespace {
TEST_F(LoadPlane, DamagedFileAtStartUpOpensTheChooserAndMidFlightKeepsTheAircraft)
{
    trainer();
    load("Good.acf");
    ASSERT_TRUE(caught_alerts.empty());
    std::string good = dir + "/Good.acf", bad = dir + "/Bad.acf";
    std::filesystem::copy_file(good, bad);
    std::filesystem::resize_file(bad, std::filesystem::file_size(bad) / 2);
    chooser_opened = 0;

    // Start-up: the damage is reported and the chooser opens, as for a
    // missing file; the aircraft chosen there is the one that flies.
    done_initing = 0;
    copy_bounded(pln.C_file, "Bad.acf", 400);
    copy_bounded(pln.C_path, bad.c_str(), 400);
    chooser_gives = good;
    load_plane();
    EXPECT_EQ(chooser_opened, 1);
    EXPECT_EQ(plane_refused, 0);
    EXPECT_STREQ(pln.C_file, "Good.acf");
    ASSERT_EQ(caught_alerts.size(), 1u);
    EXPECT_NE(caught_alerts[0].find("An error occurred during read-in of the aircraft file."), std::string::npos);
    EXPECT_NE(caught_alerts[0].find(bad), std::string::npos);

    // In flight: the damage is reported, no chooser, and the aircraft flying
    // stays whole.
    done_initing = 1;
    copy_bounded(pln.C_file, "Bad.acf", 400);
    copy_bounded(pln.C_path, bad.c_str(), 400);
    auto before = std::make_unique<planestruct>(pln);
    chooser_gives.clear();
    load_plane();
    done_initing = 0;
    EXPECT_EQ(chooser_opened, 1);
    EXPECT_EQ(plane_refused, 1);
    EXPECT_EQ(gdone, 0);
    EXPECT_EQ(caught_alerts.size(), 2u);
    EXPECT_EQ(std::memcmp(&pln, before.get(), sizeof pln), 0);
}
} // namespace
