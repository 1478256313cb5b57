// The simulator's one-time tables and defaults.
#include "records/cockpit_state.h"
#include "records/flight_state.h"
#include "shell/INITGEN.h"
#include "records/settings_and_recordings.h"
#include "shell/startup.h"
#include "toolkit/HL_MNW.h"
#include "records/world_state.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
void quiet_box(const char*, const char*) {}

struct Initgen : ::testing::Test {
    static void SetUpTestSuite()
    {
        plat_set_message_box_handler(quiet_box);
        clear_global_state();
        fill_constants();
        fill_trig_tables();
        fill_colours();
        initgen();
    }
};
} // namespace

TEST_F(Initgen, DensityTableEndsAtZero)
{
    EXPECT_FLOAT_EQ(atm.hr[0][0], 0);
    EXPECT_NEAR(atm.hr[0][1], 1.225f, 0.002f);
    EXPECT_NEAR(atm.hr[1][0], 3048, 0.01f);
    EXPECT_NEAR(atm.hr[21][0], 259000 * 0.3048f, 0.1f);
    EXPECT_EQ(atm.hr[21][1], 0);
    for (int i = 1; i < 22; ++i) EXPECT_LT(atm.hr[i][1], atm.hr[i - 1][1]);
}

TEST_F(Initgen, HeadingTapesWrapAndLabel)
{
    // "0" at n = 0 is centred on column 0: its left half wraps to the far end.
    EXPECT_EQ(ins.h_tape_col1[359][4], 0);
    EXPECT_EQ(ins.h_tape_col1[358][4], 22);
    EXPECT_EQ(ins.h_tape_col1[0][4], 0);
    EXPECT_EQ(ins.h_tape_col1[0][5], 22);   // the inside of the 0
    // Short ticks everywhere, a longer one between labels on the first tape only.
    EXPECT_EQ(ins.h_tape_col1[10][0], 0);
    EXPECT_EQ(ins.h_tape_col1[10][4], 0);
    EXPECT_EQ(ins.h_tape_col2[10][4], 22);
    // "33" at n = 3 on the second tape: tens digit centred on 27, units on 33.
    EXPECT_EQ(ins.h_tape_col2[26][4], 0);   // top bar of a 3
    EXPECT_EQ(ins.h_tape_col2[25][4], 22);
    EXPECT_EQ(ins.h_tape_col2[32][4], 0);
    // Vertical drum: digit 1's stem at column 2.
    EXPECT_EQ(ins.v_tape_col[2][9 - 3 + 3], 0);
    // Scale: ticks every 10 columns, labels every 20.
    EXPECT_EQ(ins.h_tape_col0[10][10], 0);
    EXPECT_EQ(ins.h_tape_col0[10][7], 0);
    EXPECT_EQ(ins.h_tape_col0[20][7], 22);
}

TEST_F(Initgen, NavaidSymbolsFromTheirDigitRows)
{
    // Ring, row 0 "1111221111".
    for (int x = 0; x < 10; ++x) EXPECT_EQ(ins.nav_pic[1][x][0], x == 4 || x == 5) << x;
    EXPECT_EQ(ins.nav_pic[2][0][3], 1);  // dotted ring row 3 "2111221211"
    EXPECT_EQ(ins.nav_pic[3][0][2], 0);  // third symbol row 2 "1222222222"
    EXPECT_EQ(ins.nav_pic[3][9][2], 1);
    EXPECT_EQ(ins.nav_pic[0][5][5], 0);
}

TEST_F(Initgen, StarsShipsAndRig)
{
    for (const auto& s : star_xyz) {
        EXPECT_NEAR(std::sqrt(s[0] * s[0] + s[1] * s[1] + s[2] * s[2]), 1000, 0.1);
        EXPECT_GE(s[1], -1000 * std::sin(20 * con.degtorad) - 0.1);
    }
    EXPECT_FLOAT_EQ(carr_lxyz[0][2], 158.73f);
    EXPECT_FLOAT_EQ(carr_lxyz[19][0], -35);
    EXPECT_FLOAT_EQ(carr_lxyz[40][2], -58.5f);
    EXPECT_FLOAT_EQ(carr_lxyz[62][0], -18.39f);
    EXPECT_FLOAT_EQ(carr_lxyz[66][0], -35);
    EXPECT_FLOAT_EQ(carr_lxyz[72][1], 23);
    EXPECT_FLOAT_EQ(carr_lxyz[74][1], 26);
    for (int i = 0; i < 63; ++i) EXPECT_EQ(carr_lxyz[i][1], CARRIER_DECK_H);
    // The island's top level is a mast 30 m above the deck.
    EXPECT_FLOAT_EQ(carr_pxyz[48][0][1], 51);
    // Rig helideck corners at 62 m, lower ends at 60 m.
    EXPECT_FLOAT_EQ(oilr_pxyz[0][1][1], OILRIG_DECK_H);
    EXPECT_FLOAT_EQ(oilr_pxyz[0][0][1], 60);
    EXPECT_FLOAT_EQ(oilr_pxyz[5][1][0], -60);
    float top = 0;
    for (const auto& seg : frig_pxyz) top = std::fmax(top, std::fmax(seg[0][1], seg[1][1]));
    EXPECT_GT(top, FRIGATE_DECK_H);
}

TEST_F(Initgen, Defaults)
{
    EXPECT_EQ(msc.typestart, 7);
    EXPECT_STREQ(msc.apt_id_req, "KAAA");
    EXPECT_NEAR(set.cus_Y, 1524, 0.01);
    EXPECT_NEAR(set.cus_v, 102.889, 0.01);
    EXPECT_EQ(env.i_aircraft, 89);
    EXPECT_EQ(env.j_aircraft, 79);
    EXPECT_EQ(env.apt_list_max, -999);
    EXPECT_EQ(rel.fail_type[31], 1);
    EXPECT_EQ(rel.fail_time_max[0], 10);
    EXPECT_EQ(nav.tran1 * 1000 + nav.tran2 * 100 + nav.tran3 * 10 + nav.tran4, 1200);
    EXPECT_EQ(ins.map_range, 30);
    EXPECT_EQ(msc.rtrat, 1);
}

TEST(RunwayCaption, NumberSuffixAndPad)
{
    struct { int n; char s; int pad; const char* out; } cases[] = {
        {9, 'L', 0, "Rwy 09L"}, {27, 'x', 0, "Rwy 27"}, {36, 'R', 0, "Rwy 36R"}, {1, 'x', 1, "Pad 01"}, {18, 'C', 0, "Rwy 18C"}};
    char buf[400];
    for (auto c : cases) {
        rway_to_cs(c.n, c.s, c.pad, buf);
        EXPECT_STREQ(buf, c.out);
    }
}
