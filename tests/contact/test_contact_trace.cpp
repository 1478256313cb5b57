// The contact lines of the one-cycle force trace in "Korvan.out".
#include "contact_fixture.h"

#include "flight/contact.h"
#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {
const std::string YEN(1, (char)0xA5);

std::string yen_line(const std::string& title)
{
    std::string s = YEN + YEN + YEN + title;
    while (s.size() < 100) s += YEN;
    return s;
}

struct Trace : ContactTest {
    std::string path;

    void SetUp() override
    {
        ContactTest::SetUp();
        path = "/tmp/korvan_contact_trace_" + std::to_string(getpid()) + ".out";
        trk.open(path, std::ios::out | std::ios::trunc);
        trk.setf(std::ios::fixed, std::ios::floatfield);
    }

    void TearDown() override
    {
        trk.close();
        trk.clear();
        std::remove(path.c_str());
        ContactTest::TearDown();
    }

    std::vector<std::string> lines()
    {
        trk.flush();
        std::ifstream in(path, std::ios::binary);
        std::vector<std::string> out;
        std::string line;
        while (std::getline(in, line)) out.push_back(line);
        return out;
    }
};
} // namespace

TEST_F(Trace, OnlyTouchingPointsAreTracedAndOnlyWhenAsked)
{
    pln.gear_stat[0] = pln.gear_stat[2] = 0;
    place(0.95);
    contact_phase();
    EXPECT_TRUE(lines().empty());

    set.cycout = 1;
    contact_phase();
    auto l = lines();
    ASSERT_EQ(l.size(), 5u);
    EXPECT_EQ(l[0], yen_line("CONTACT #1:"));
    ASSERT_EQ(l[1].rfind("   deflection=", 0), 0u);
    EXPECT_NEAR(std::stof(l[1].substr(14)), 0.05f, 0.001f);
    EXPECT_EQ(l[1].substr(l[1].size() - 3), " m.");
    EXPECT_EQ(l[2].rfind("   axilforce =", 0), 0u);
    EXPECT_EQ(l[3].rfind("   sideforce =", 0), 0u);
    ASSERT_EQ(l[4].rfind("   nrmlforce =", 0), 0u);
    EXPECT_NEAR(std::stof(l[4].substr(14)), 2000, 0.01f);
    EXPECT_EQ(l[4].substr(l[4].size() - 3), " N.");
}

TEST_F(Trace, WaterContactNamesTheBodiesAndEveryWetPoint)
{
    flat_world(0, 1);
    pln.misc_eq = 1;
    for (int s = 0; s < 7; ++s) {
        pln.body_Y[23][s][8] = -1;
        pln.body_Z[23][s][8] = (float)s;
    }
    place(0.95);
    set.cycout = 1;
    contact_phase();
    auto l = lines();
    ASSERT_GE(l.size(), 11u);
    EXPECT_EQ(l[0], "");
    EXPECT_EQ(l[1], yen_line(""));
    EXPECT_EQ(l[2], yen_line("FLOATS/FUEL TANKS FOR WATER CONTACT"));
    EXPECT_EQ(l[3], yen_line(""));
    EXPECT_EQ(l[4].rfind("v   =", 0), 0u);
    EXPECT_EQ(l[10].rfind("Rrad=", 0), 0u);
    EXPECT_EQ(l[11], yen_line(""));
    EXPECT_EQ(l[12], yen_line("FUSE WATER-CONTACT"));
    EXPECT_EQ(l[14], yen_line(""));
    EXPECT_EQ(l[15], yen_line("LEFT FLOAT WATER CONTACT"));
    // Seven keel points of the float are wet, twelve lines each.
    ASSERT_EQ(l.size(), 17u + 7 * 12);
    EXPECT_EQ(l[17], "[23][0][8],  z =0.000  x =0.000  y =-1.000.");
    EXPECT_EQ(l[17 + 11].rfind("sideforce  =", 0), 0u);
}
