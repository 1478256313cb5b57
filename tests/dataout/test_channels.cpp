// Channel values and labels as they reach the data file, the graph ring and
// the engine-count rules.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>

#include "records/flight_state.h"
#include "flight/data_channels.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

namespace {

std::string path_of_out() { return testing::TempDir() + "dataout_channels_" + std::to_string(getpid()) + ".out"; }

class Channels : public testing::Test {
protected:
    void SetUp() override
    {
        fill_constants();
        std::memset(&flt, 0, sizeof flt);
        std::memset(&msc, 0, sizeof msc);
        std::memset(&set, 0, sizeof set);
        std::memset(&grf, 0, sizeof grf);
        pln.numen = 4;
        pln.is_heli = 0;
        if (trk.is_open()) trk.close();
        trk.open(path_of_out(), std::ios::trunc);
    }
    void TearDown() override
    {
        trk.close();
        std::remove(path_of_out().c_str());
    }
    std::string written()
    {
        trk.flush();
        std::ifstream in(path_of_out());
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
};

TEST_F(Channels, FileValuesTable)
{
    struct Case {
        int ch;
        void (*setup)();
        const char* text;
    };
    const Case cases[] = {
        {1, [] { msc.elap_time = 20; }, "    20.00 | "},
        {1, [] { msc.elap_time = std::numeric_limits<float>::infinity(); }, "9900000256.00 | "},
        {1, [] { msc.elap_time = -std::numeric_limits<float>::infinity(); }, "-9900000256.00 | "},
        // the gear and speed-brake values only; both brakes are absent
        {14, [] { set.gear_handle = 1; flt.sbrk = 1; }, "     1.00 |      1.00 | "},
        // a zero divisor writes 0, never a NaN
        {40, [] { flt.fnrmlaero = 100; flt.faxilaero = 0; }, "     0.00 | "},
        {40, [] { flt.fnrmlaero = 100; flt.faxilaero = -10; }, "    10.00 | "},
        {7, [] { flt.vpath = 270; }, "   -90.00 | "},
        {50, [] { msc.elap_time = 1; }, ""},
        {-1, [] { msc.elap_time = 1; }, ""},
    };
    for (const Case& c : cases) {
        SetUp();
        c.setup();
        out_dat(6, c.ch, 0);
        EXPECT_EQ(written(), c.text) << "channel " << c.ch;
    }
}

TEST_F(Channels, EngineCountRules)
{
    struct Case {
        int ch, numen, heli;
        const char* text;
    };
    const Case cases[] = {
        {29, 1, 0, "    10.00 | "},
        {29, 1, 1, "    10.00 |     10.00 | "},   // a helicopter keeps both rotors
        {29, 4, 0, "    10.00 |     10.00 |     10.00 |     10.00 | "},
        {8, 2, 1, "     1.00 |      1.00 | "},
        {41, 1, 0, "     0.00 | "},             // no power: 0, not NaN
    };
    for (const Case& c : cases) {
        SetUp();
        pln.numen = c.numen;
        pln.is_heli = c.heli;
        for (int k = 0; k < 4; ++k) {
            flt.thrust[k] = 10 / con.ntntolbs;
            flt.thro[k] = 0.995f;
        }
        out_dat(6, c.ch, 0);
        EXPECT_EQ(written(), c.text) << "channel " << c.ch << " engines " << c.numen;
    }
}

TEST_F(Channels, FileLabels)
{
    const struct {
        int ch;
        const char* text;
    } cases[] = {
        {17, "MACH,___# | ___G,unit | "},
        {1, "TIME,_sec | "},
        {29, "THST,1,lb | "},   // only the engines the aircraft has
        {14, "GEAR,_0/1 | SBRK,1012 | "},   // the brakes have no values
        {50, ""},
        {-3, ""},
    };
    for (const auto& c : cases) {
        SetUp();
        pln.numen = 1;
        out_label(6, c.ch, 0);
        EXPECT_EQ(written(), c.text) << "channel " << c.ch;
    }
}

// A file of every channel: each line holds as many values as its label line
// names, whatever the engines.
TEST_F(Channels, EveryLineHasOneValuePerLabel)
{
    const struct {
        int numen, heli;
    } aircraft[] = {{1, 0}, {1, 1}, {2, 0}, {3, 0}, {4, 0}, {0, 0}};
    for (const auto& a : aircraft) {
        SetUp();
        pln.numen = a.numen;
        pln.is_heli = a.heli;
        for (int k = 0; k < 4; ++k) flt.thrust[k] = flt.power[k] = 1000;
        set.dskout = 1;
        for (int c = 0; c < 60; ++c) set.Bdsk[c] = 1;
        for (int tick = 0; tick < 12; ++tick) {
            msc.cntr10 = tick % 10;
            data_file_output();
        }
        std::istringstream in(written());
        std::string line;
        int labels = -1, lines = 0;
        while (std::getline(in, line)) {
            if (line.empty()) continue;
            int fields = 0;
            for (size_t at = line.find(" | "); at != std::string::npos; at = line.find(" | ", at + 3)) ++fields;
            if (line.find(',') != std::string::npos) {   // the label line
                labels = fields;
                EXPECT_EQ(line.find("RPM2") != std::string::npos, a.heli || a.numen >= 2) << a.numen;
                continue;
            }
            ++lines;
            EXPECT_EQ(fields, labels) << a.numen << " engines, heli " << a.heli << ": " << line;
        }
        EXPECT_EQ(lines, 12);
    }
}

TEST_F(Channels, LabelLineEveryTenthTick)
{
    set.dskout = 1;
    set.Bdsk[1] = set.Bdsk[5] = 1;
    set.Bdsk[55] = 1;   // slots past 49 hold no channel
    msc.elap_time = 2;
    flt.Alpha = 3;
    flt.Beta = -1;
    for (int tick = 0; tick < 12; ++tick) {
        msc.cntr10 = tick % 10;
        data_file_output();
    }
    const std::string label = "\nTIME,_sec | ALPH,_deg | BETA,_deg | \n";
    const std::string line = "     2.00 |      3.00 |     -1.00 | \n";
    std::string expect = label;
    for (int i = 0; i < 10; ++i) expect += line;
    expect += label + line + line;
    EXPECT_EQ(written(), expect);

    SetUp();
    set.dskout = 0;
    set.Bdsk[1] = 1;
    data_file_output();
    EXPECT_EQ(written(), "");
}

TEST_F(Channels, GraphRingKeepsAbsentValues)
{
    grf.cntr = 17;
    flt.Alpha = 4;
    flt.Beta = 2;
    out_dat(7, 5, 2);
    EXPECT_FLOAT_EQ(grf.data[2][0][17], 4);
    EXPECT_FLOAT_EQ(grf.data[2][1][17], 2);
    EXPECT_FLOAT_EQ(grf.data[2][2][17], -999);
    EXPECT_FLOAT_EQ(grf.data[2][3][17], -999);
    out_dat(7, 5, 4);   // no graph 4: nothing written anywhere
    EXPECT_EQ(written(), "");
}

TEST(DigDec, TableAndRange)
{
    int t[4] = {-1, -1, -1, -1}, d[4] = {-1, -1, -1, -1};
    set_dig_dec(14, &t[0], &t[1], &t[2], &t[3], &d[0], &d[1], &d[2], &d[3]);
    EXPECT_EQ(t[0], 1); EXPECT_EQ(d[0], 1);
    EXPECT_EQ(t[1], 3); EXPECT_EQ(d[1], 2);
    EXPECT_EQ(t[3], 1); EXPECT_EQ(d[3], 1);
    set_dig_dec(41, &t[0], &t[1], &t[2], &t[3], &d[0], &d[1], &d[2], &d[3]);
    EXPECT_EQ(t[2], 4); EXPECT_EQ(d[2], 4);
    set_dig_dec(24, &t[0], &t[1], &t[2], &t[3], &d[0], &d[1], &d[2], &d[3]);
    EXPECT_EQ(t[2], 2); EXPECT_EQ(d[2], 0);
    int before = t[0];
    set_dig_dec(50, &t[0], &t[1], &t[2], &t[3], &d[0], &d[1], &d[2], &d[3]);
    EXPECT_EQ(t[0], before);
    for (int ch = 0; ch < 50; ++ch) EXPECT_EQ(std::strlen(channel_label(ch)), 39u) << ch;
}

// The data-output window's one-line labels: names and units where they fit
// the room, else the names alone; fields without a value are left out.
TEST(ChannelCaption, NamesAndUnitsOrNamesAlone)
{
    const struct {
        int ch, room;
        const char* caption;
    } cases[] = {
        {15, 26, "Vtru ktas Vind kias"}, {1, 26, "TIME sec"},          {17, 26, "MACH # G unit"},
        {8, 26, "THT1 THT2 THT3 THT4"},  {20, 20, "M ftlb L ftlb N ftlb"}, {20, 19, "M L N"},
        {49, 19, "EMPT lb GROS lb"},     {14, 40, "GEAR 0/1 LBRK part RBRK part SBRK 1012"},
        {14, 20, "GEAR LBRK RBRK SBRK"}, {50, 26, ""},                  {-1, 26, ""},
    };
    char out[48];
    for (const auto& c : cases) {
        channel_caption(c.ch, c.room, out, sizeof out);
        EXPECT_STREQ(out, c.caption) << c.ch << " in " << c.room;
    }
}

}  // namespace
