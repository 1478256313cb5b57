// A new aircraft begun from the editor's default, given what its screens ask
// for, saved as the editor saves it, loads in the simulator with no alert
// and flies.
#include "flight_fixture.h"
#include "tests/support/new_aircraft.h"

#include "flight/INITPLN.h"
#include "records/flight_state.h"
#include "flight/start_placement.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

TEST_F(FlightTest, ANewAircraftFromTheDefaultLoadsAndFlies)
{
    copy_bounded(app_path, PROGRAM_DIR "/", 400);
    const std::string path = ::testing::TempDir() + "New_" + std::to_string(getpid()) + ".acf";
    ASSERT_EQ(save_new_aircraft(path.c_str()), 1);

    memset(&pln, 0, sizeof pln);
    copy_bounded(pln.C_file, "New.acf", 400);
    copy_bounded(pln.C_path, path.c_str(), 400);
    load_plane();
    std::remove(path.c_str());
    ASSERT_TRUE(flight_alerts.empty()) << flight_alerts[0];
    EXPECT_EQ(pln.semilen[4], pln.semilen[5]);   // the left wing came with it

    // Level at 100 knots, 3000 m up, full throttle, hands off: twenty seconds
    // later it still flies, neither stalled into the ground nor diverged.
    set.cus_X = 60000, set.cus_Z = -80000, set.cus_Y = 3000, set.cus_psi = 0;
    set.cus_v = 100 * con.ktstomsc;
    set_fltvars(10);
    for (int e = 0; e < 4; ++e) flt.throrqst[e] = 1;
    fly_frames(400);
    for (float f : {flt.Alpha, flt.Beta, flt.the, flt.phi, flt.psi, flt.v}) EXPECT_TRUE(std::isfinite(f));
    EXPECT_GT(flt.Y, 2500);
    EXPECT_GT(flt.v, 35 * con.ktstomsc);
    EXPECT_LT(flt.v, 200 * con.ktstomsc);
    EXPECT_LT(std::fabs(flt.phi), 60);
    EXPECT_GT(flt.thrust[0], 0);
    EXPECT_TRUE(flight_alerts.empty());
}
