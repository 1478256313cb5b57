// Replay of a flown path: entered from the menu after a short flight, played
// back with the panel's buttons, frame by frame.
#include "controls_support.h"

#include "flight/cockpit_calls.h"
#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "shell/DO_APP.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"

#include <cmath>

namespace {
// Frames of replay in the mode of the panel button at x, until playback runs
// off the recording and pauses; a bound stops a replay that never ends.
int play_until_paused(float button_x)
{
    manage_das(button_x, 550);
    int frames = 0;
    while (set.replay_mode != 3 && frames < 100000) {
        replay_step();
        ++frames;
    }
    return frames;
}
} // namespace

TEST_F(TrainerFlight, ReplayAfterAShortFlightPlaysBackToItsStartAndForward)
{
    for (float prd : {0.005f, 0.05f}) {   // some 200 and 20 frames a second
        SetUp();
        start_in_air(300, 90, 1.6f * msc.est_Vs);
        for (int e = 0; e < 4; ++e) flt.throrqst[e] = flt.thro[e] = 0.6f;
        msc.prd = prd;
        const int first = (pat.cntr_record + 1) % PATH_SAMPLES;
        fly(4);
        const int newest = pat.cntr_record;
        const float* a = pat.xyztppt[first];
        const float* b = pat.xyztppt[newest];
        const float flown = b[6] - a[6];
        ASSERT_GT(flown, 3.5f) << prd;
        ASSERT_GT(std::fabs(b[0] - a[0]), 50) << prd;   // it went somewhere

        APPLICATION_handlemenu(527);
        ASSERT_EQ(set.replay_mode, 3);
        replay_step();   // paused on the newest sample
        EXPECT_NEAR(flt.X, b[0], 0.01) << prd;
        EXPECT_NEAR(flt.Z, b[2], 0.01) << prd;

        // Back to where the flight began, in the time it took.
        int frames = play_until_paused(382);
        EXPECT_NEAR(frames * msc.prd, flown, 0.1f) << prd;
        EXPECT_NEAR(flt.X, a[0], 1) << prd;
        EXPECT_NEAR(flt.Z, a[2], 1) << prd;
        EXPECT_NEAR(flt.psi, a[4], 0.5f) << prd;

        // Fast forward to the newest sample again.
        frames = play_until_paused(443);
        EXPECT_NEAR(frames * msc.prd * 5, flown, 0.5f) << prd;
        EXPECT_NEAR(flt.X, b[0], 5) << prd;
        EXPECT_NEAR(flt.Z, b[2], 5) << prd;

        APPLICATION_handlemenu(528);
        EXPECT_EQ(set.replay_mode, 0);
    }
}
