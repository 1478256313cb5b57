// The graph ring: recording, wrap-around and clearing.
#include <gtest/gtest.h>

#include <cstring>

#include "records/flight_state.h"
#include "shell/data_graph.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/plane_record.h"

namespace {

class GraphRing : public testing::Test {
protected:
    void SetUp() override
    {
        fill_constants();
        std::memset(&set, 0, sizeof set);
        std::memset(&msc, 0, sizeof msc);
        std::memset(&flt, 0, sizeof flt);
        for (int& g : set.grfsel) g = -1;
        grf.cntr = 0;
        clear_graph();
    }
};

TEST_F(GraphRing, ClearEmptiesEverySlotAndKeepsTheCounter)
{
    grf.cntr = 1234;
    grf.graphstruct_full = 1;
    grf.indexstart = 1235;
    grf.data[3][3][1799] = 5;
    grf.period[0] = 0.02f;
    clear_graph();
    EXPECT_EQ(grf.cntr, 1234);
    EXPECT_EQ(grf.indexstart, 0);
    EXPECT_EQ(grf.graphstruct_full, 0);
    EXPECT_FLOAT_EQ(grf.period[0], 999);
    EXPECT_FLOAT_EQ(grf.data[3][3][1799], -999);
    EXPECT_FLOAT_EQ(grf.data[0][0][0], -999);
}

TEST_F(GraphRing, RecordsChosenChannelsAndWraps)
{
    set.grfsel[0] = 1;    // time
    set.grfsel[2] = 5;    // alpha, beta
    msc.prd = 0.05f;
    for (int i = 1; i <= 1799; ++i) {
        msc.elap_time = (float)i;
        update_graph();
    }
    EXPECT_EQ(grf.cntr, 1799);
    EXPECT_EQ(grf.graphstruct_full, 0);
    EXPECT_EQ(grf.indexstart, 0);
    EXPECT_FLOAT_EQ(grf.data[0][0][1799], 1799);
    EXPECT_FLOAT_EQ(grf.data[0][1][1799], -999);   // one-value channel: curve 2 blank
    EXPECT_FLOAT_EQ(grf.data[1][0][1799], -999);   // no channel for graph 1
    EXPECT_FLOAT_EQ(grf.period[1799], 0.05f);

    msc.elap_time = 1800;
    update_graph();
    EXPECT_EQ(grf.cntr, 0);
    EXPECT_EQ(grf.graphstruct_full, 1);
    EXPECT_EQ(grf.indexstart, 1);    // the oldest is the one after the newest
    EXPECT_FLOAT_EQ(grf.data[0][0][0], 1800);

    msc.elap_time = 1801;
    update_graph();
    EXPECT_EQ(grf.cntr, 1);
    EXPECT_EQ(grf.indexstart, 2);
}

}  // namespace
