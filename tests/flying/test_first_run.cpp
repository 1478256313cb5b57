// A first run as a new user makes it, without a screen: the start-up finds
// no preferences, the chooser answers with the bundled trainer, and the
// moving map's first click places it in flight; and the run after it, from
// the preferences the first one's Quit wrote.
#include "start_support.h"

#include "flight/FLTCALC.h"
#include "records/flight_state.h"
#include "shell/MENUS.h"
#include "shell/moving_map.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

// On a first run the map's fields start at a speed the chosen aircraft can
// fly: its first click on the map starts a flight below the redline that
// keeps every surface on through the next seconds.
TEST(FirstRun, MapStartFliesBelowTheTrainersRedline)
{
    start_fresh();
    ASSERT_TRUE(any_notice("never flown with us before"));
    ASSERT_EQ(std::string(pln.C_file), "Trainer.acf");
    ASSERT_GT(pln.Vne, 0);
    // The altitude field keeps its general default.
    EXPECT_NEAR(set.cus_Y * con.mtrstoft, 5000, 0.5f);

    to_array = 1;
    APPLICATION_handlemenu(402);   // Output: Low Enroute
    ASSERT_EQ(mnw.topwin, 3);
    mnw.mx = 300;
    mnw.my = 300;
    mnw.mouse_clicked = 1;
    manage_map();
    to_array = 0;
    mnw.mouse_clicked = 0;
    ASSERT_EQ(mnw.topwin, 0) << "the click did not place the aircraft";
    EXPECT_GT(flt.v * con.msctokts, 1.2f * msc.est_Vs * con.msctokts);
    EXPECT_LT(flt.v * con.msctokts, pln.Vne);

    // Three seconds of flight at 20 frames a second of real time.
    notices.clear();
    msc.prd = 0.05f;
    for (int k = 0; k < 60; ++k) {
        mnw.time_elapsed += 0.05f;
        update_flight();
    }
    EXPECT_EQ(flt.over_vne, 0);
    EXPECT_FALSE(any_notice("redline"));
    EXPECT_LT(flt.vind, pln.Vne);
}

// The run after a quit on the runway keeps the aircraft and its place, but
// not the runway's height and standstill for the map's start: a click
// anywhere on the map, over the sea or over the land, starts a flight that
// flies on, clear of the ground and above the stall.
TEST(LaterRun, MapStartAfterAQuitOnTheRunwayFlies)
{
    start_fresh();
    ASSERT_EQ(std::string(pln.C_file), "Trainer.acf");
    ASSERT_LT(flt.v, 1) << "the first run starts at rest on the runway";
    APPLICATION_handlemenu(105);   // File: Quit

    start_again();
    ASSERT_FALSE(any_notice("never flown with us before"));
    ASSERT_EQ(std::string(pln.C_file), "Trainer.acf");

    for (float mx : {100.0f, 300.0f, 500.0f}) {
        for (float my : {150.0f, 300.0f, 450.0f}) {
            SCOPED_TRACE("click at " + std::to_string((int)mx) + ", " + std::to_string((int)my));
            to_array = 1;
            APPLICATION_handlemenu(402);   // Output: Low Enroute
            ASSERT_EQ(mnw.topwin, 3);
            mnw.mx = mx;
            mnw.my = my;
            mnw.mouse_clicked = 1;
            manage_map();
            to_array = 0;
            mnw.mouse_clicked = 0;
            ASSERT_EQ(mnw.topwin, 0) << "the click did not place the aircraft";
            EXPECT_GE(flt.v, 1.5f * msc.est_Vs - 0.01f);
            EXPECT_EQ(set.parkbrake, 0);

            // Ten seconds of flight at 20 frames a second of real time: no
            // crash, which would put the trainer back on the runway.
            msc.prd = 0.05f;
            float lowest = 9.9e9f;
            for (int k = 0; k < 200; ++k) {
                mnw.time_elapsed += 0.05f;
                update_flight();
                lowest = std::min(lowest, (float)flt.Y - env.localh_cg);
            }
            EXPECT_EQ(flt.onground, 0);
            EXPECT_GT(lowest * con.mtrstoft, 500);
            EXPECT_GT(flt.vind * con.ktstomsc, msc.est_Vs);
            EXPECT_LT(flt.vind, pln.Vne);
        }
    }
}
