// The aircraft editor's default aircraft, propeller design and airfoil
// thickness.
#include "aircraft_fixture.h"

#include "aircraft_editor/default_plane.h"
#include "aircraft_editor/fabrex_records.h"
#include "aircraft_editor/prop_design.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/airfoil_record.h"
#include "toolkit/plane_record.h"

#include <cctype>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>

namespace {
using DefaultPlane = AircraftTest;

int is_tail_number(const char* t)
{
    if (strlen(t) != 6 || t[0] != 'N') return 0;
    for (int k = 1; k <= 3; ++k)
        if (!isdigit((unsigned char)t[k])) return 0;
    for (int k = 4; k <= 5; ++k)
        if (!isupper((unsigned char)t[k])) return 0;
    return 1;
}

TEST_F(DefaultPlane, AFreshAircraftIsReadyToEdit)
{
    fabrex::msc.planemod = fabrex::msc.planenamed = 1;
    fabrex::msc.xos = fabrex::msc.yos = 3;
    fabrex::msc.psi = 250;
    pln.is_heli = 0;
    pln.Vne = 200;   // anything of the last aircraft goes
    fabrex::setup_baseplane("Untitled.acf", "Untitled.acf");

    EXPECT_EQ(fabrex::msc.planemod, 0);
    EXPECT_EQ(fabrex::msc.planenamed, 0);
    EXPECT_FLOAT_EQ(fabrex::msc.xos, 0);
    EXPECT_FLOAT_EQ(fabrex::msc.psi, 250);
    EXPECT_STREQ(pln.C_file, "Untitled.acf");
    EXPECT_STREQ(pln.C_path, "Untitled.acf");
    EXPECT_TRUE(is_tail_number(pln.tailnum)) << pln.tailnum;
    EXPECT_FLOAT_EQ(pln.Vne, 0);

    EXPECT_EQ(pln.asi_units, 2);
    for (int v : {pln.paneltype, pln.radiotype, pln.AStype, pln.supptype, pln.HUDtype, pln.VVItype}) EXPECT_EQ(v, 1);
    for (int c = 0; c <= 8; ++c) EXPECT_EQ(pln.ins_of_loc[c], c);
    EXPECT_EQ(pln.entype, 1);
    EXPECT_EQ(pln.numen, 1);
    EXPECT_FLOAT_EQ(pln.gearrat, 1);
    EXPECT_EQ(pln.con_smooth, 2);
    EXPECT_EQ(pln.gear_type, 3);
    EXPECT_EQ(pln.gear_stat[2], 1);

    const int els[18] = {8, 8, 8, 8, 6, 6, 6, 6, 6, 6, 4, 4, 4, 4, 1, 1, 1, 1};
    for (int p = 0; p < 18; ++p) EXPECT_EQ(pln.els[p], els[p]) << p;
    for (int p = 0; p < 28; ++p) EXPECT_FLOAT_EQ(pln.dihed[p], p >= 12 && p <= 17 ? 90 : 0) << p;
    EXPECT_FLOAT_EQ(pln.numblades[3], 2);
    EXPECT_FLOAT_EQ(pln.vertcant[0], 0);

    EXPECT_STREQ(pln.Tafl1[2], "Clark-Y (good propeller).afl");
    EXPECT_STREQ(pln.Rafl0[9], "NACA 2412 (popular).afl");
    EXPECT_STREQ(pln.Rafl1[17], "NACA 0009 (symmetrical).afl");
    EXPECT_STREQ(pln.flap_str, "plain flap.flp");
    EXPECT_EQ(pln.Rafl0[18][0], 0);
    EXPECT_NEAR(afl.trat[0][0], 0.117f, 1e-6);
    EXPECT_NEAR(afl.trat[4][1], 0.12f, 1e-6);
    EXPECT_NEAR(afl.trat[17][0], 0.09f, 1e-6);
    EXPECT_TRUE(caught_alerts.empty());
}

TEST_F(DefaultPlane, BodiesAreRoundGridsOfTheirSize)
{
    fabrex::setup_baseplane("Untitled.acf", "Untitled.acf");
    struct Case {
        int body, stations, points;
        float radius;
    } cases[] = {{18, 11, 16, 3}, {19, 7, 16, 2}, {24, 7, 16, 2}, {25, 7, 8, 1}, {27, 7, 8, 1}};
    for (const auto& c : cases) {
        EXPECT_FLOAT_EQ(pln.body_r[c.body], c.radius);
        for (int s = 0; s < c.stations; ++s) {
            float z = c.body == 25 ? 0.5f * s - 1.5f : 2.0f * s;
            // Top, right side, bottom.
            EXPECT_FLOAT_EQ(pln.body_Z[c.body][s][0], z);
            EXPECT_NEAR(pln.body_Y[c.body][s][0], c.radius, 1e-6);
            EXPECT_NEAR(pln.body_X[c.body][s][c.points / 4], c.radius, 1e-6);
            EXPECT_NEAR(pln.body_Y[c.body][s][c.points / 2], -c.radius, 1e-6);
        }
        // Nothing beyond the body's own grid.
        EXPECT_FLOAT_EQ(pln.body_Z[c.body][c.stations][0], 0);
        if (c.points < 16) EXPECT_FLOAT_EQ(pln.body_X[c.body][0][c.points], 0);
    }
}

TEST_F(DefaultPlane, AHelicopterDiffersOnlyInItsRotorAndKind)
{
    pln.is_heli = 0;
    fabrex::setup_baseplane("Untitled.acf", "Untitled.acf");
    auto airplane = std::make_unique<planestruct>();
    memcpy(airplane.get(), &pln, sizeof pln);
    pln.is_heli = 1;
    fabrex::setup_baseplane("Untitled.acf", "Untitled.acf");
    EXPECT_EQ(pln.is_heli, 1);
    EXPECT_FLOAT_EQ(pln.vertcant[0], 90);
    pln.is_heli = 0;
    pln.vertcant[0] = 0;
    copy_bounded(pln.tailnum, airplane->tailnum, 400);
    EXPECT_EQ(memcmp(&pln, airplane.get(), sizeof pln), 0);
}

TEST_F(DefaultPlane, EachNewAircraftDrawsItsOwnTailNumber)
{
    std::set<std::string> seen;
    for (int k = 0; k < 8; ++k) {
        fabrex::setup_baseplane("Untitled.acf", "Untitled.acf");
        EXPECT_TRUE(is_tail_number(pln.tailnum)) << pln.tailnum;
        seen.insert(pln.tailnum);
    }
    EXPECT_GT(seen.size(), 1u);
}

TEST_F(DefaultPlane, AirfoilThicknessFromTheFileOrZero)
{
    std::string program = own_program_folder();
    fabrex::assign_foil_thickness("NACA 0009 (symmetrical).afl", 7, 1);
    EXPECT_NEAR(afl.trat[7][1], 0.09f, 1e-6);

    // Missing: zero, and nothing said.
    afl.trat[7][1] = 5;
    fabrex::assign_foil_thickness("No Such Foil.afl", 7, 1);
    EXPECT_FLOAT_EQ(afl.trat[7][1], 0);
    EXPECT_TRUE(caught_alerts.empty());

    // A flap file picked as an airfoil.
    std::ofstream(program + "/airfoils/Flap Here.afl") << "I\n363 version\n2345 device type code\n";
    afl.trat[7][1] = 5;
    fabrex::assign_foil_thickness("Flap Here.afl", 7, 1);
    EXPECT_FLOAT_EQ(afl.trat[7][1], 0);
    ASSERT_EQ(caught_alerts.size(), 1u);
    EXPECT_EQ(caught_alerts[0], alert_text({"You didn't select a foil!", program + "/airfoils/Flap Here.afl", "", ""}));

    // An airfoil of an older version: a notice, not the end of the program.
    std::ofstream(program + "/airfoils/Old Foil.afl") << "I\n362 version\n1234 device type code\n";
    afl.trat[7][1] = 5;
    fabrex::assign_foil_thickness("Old Foil.afl", 7, 1);
    EXPECT_FLOAT_EQ(afl.trat[7][1], 0);
    ASSERT_EQ(caught_alerts.size(), 2u);
    EXPECT_NE(caught_alerts[1].find("wrong version"), std::string::npos);
    EXPECT_NE(caught_alerts[1].find(program + "/airfoils/Old Foil.afl"), std::string::npos);
}

TEST_F(DefaultPlane, DefaultAirfoilsMissingLeaveZeroThickness)
{
    std::string empty = dir + "/empty/";
    std::filesystem::create_directories(empty);
    copy_bounded(app_path, empty.c_str(), 400);
    fabrex::setup_baseplane("Untitled.acf", "Untitled.acf");
    EXPECT_FLOAT_EQ(afl.trat[4][0], 0);
    EXPECT_TRUE(caught_alerts.empty());
}

class PropDesign : public AircraftTest {
protected:
    void SetUp() override
    {
        AircraftTest::SetUp();
        fabrex::setup_baseplane("Untitled.acf", "Untitled.acf");
        pln.semilen[0] = 3;
        pln.els[0] = 8;
        pln.des_adv[0] = 60;
        pln.des_rpm[0] = 2400;
    }
};

TEST_F(PropDesign, FromTheAdvancePerTurn)
{
    fabrex::design_prop(0, 0);
    EXPECT_NEAR(pln.anginc[0][0], 76.74f, 0.01f);
    EXPECT_NEAR(pln.anginc[0][7], 15.80f, 0.01f);
    EXPECT_NEAR(pln.des_vel[0], 118.5f, 0.05f);
    // A fixed-pitch propeller keeps its pitch range.
    EXPECT_FLOAT_EQ(pln.maxpitch[0], 0);
}

TEST_F(PropDesign, VariablePitchIsRelativeToTheTip)
{
    pln.varpitchEQ = 1;
    fabrex::design_prop(0, 0);
    float tip = std::atan(60 * 0.3048f / 12 / (2 * con.pi * 3 * 0.3048f)) * 180 / con.pi;
    EXPECT_NEAR(tip, 14.86f, 0.01f);
    EXPECT_NEAR(pln.anginc[0][7], 15.80f - tip, 0.01f);
    EXPECT_NEAR(pln.anginc[0][7], 0.94f, 0.01f);
    EXPECT_FLOAT_EQ(pln.minpitch[0], 0);
    EXPECT_NEAR(pln.maxpitch[0], tip + 10, 1e-4);

    // A helicopter's rotor keeps its pitch range.
    pln.is_heli = 1;
    pln.maxpitch[0] = 12;
    fabrex::design_prop(0, 0);
    EXPECT_FLOAT_EQ(pln.maxpitch[0], 12);
}

TEST_F(PropDesign, FromTheSpeedAndRpm)
{
    pln.des_vel[0] = 118.5f;
    pln.des_adv[0] = 0;
    fabrex::design_prop(0, 1);
    EXPECT_NEAR(pln.des_adv[0], 60, 0.05f);
    EXPECT_NEAR(pln.anginc[0][0], 76.74f, 0.02f);
    // No rotation, no design point: the blades stay as they were.
    pln.des_rpm[0] = 0;
    pln.anginc[0][3] = 33;
    fabrex::design_prop(0, 1);
    EXPECT_FLOAT_EQ(pln.anginc[0][3], 33);
    EXPECT_NEAR(pln.des_adv[0], 60, 0.05f);
}
} // namespace
