// A whole IFR flight with the controller, second by second as the
// once-a-second tick drives it: every phrase compared exactly, in order.
#include "atc_fixture.h"

#include "cockpit/atc.h"
#include "records/cockpit_state.h"
#include "cockpit/cockpit_services.h"
#include "records/flight_state.h"
#include "shell/DO_APP.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "records/world_state.h"

#include <cstring>

namespace {
struct AtcFlight : AtcWorld {
    size_t heard = 0;

    // What the flight model's second tick does for ATC.
    void tick()
    {
        msc.elap_time += 1;
        if (fpl.onfile && fpl.activated) handle_plan(0);
        if (atc.ils_vec_in_progress) controller_respond(atc.ils_command);
    }

    // Ticks until the controller speaks; the number of ticks it took.
    int ticks_until_spoken(int limit = 100)
    {
        for (int n = 1; n <= limit; ++n) {
            tick();
            if (spoken.size() > heard) return n;
        }
        return -1;
    }

    // The pilot picks main-list row j with the mouse.
    void pick(int j)
    {
        atc.menu_up = 1;
        atc.menu_level = 0;
        mnw.mx = 100;
        mnw.my = 547 - 10 * j - 5;
        plot_atc_options(1);
    }

    // The one new phrase since the last check.
    std::string said()
    {
        EXPECT_EQ(spoken.size(), heard + 1) << "exactly one new phrase";
        heard = spoken.size();
        return spoken.empty() ? "" : spoken.back();
    }

    void silent()
    {
        EXPECT_EQ(spoken.size(), heard) << (spoken.empty() ? "" : spoken.back());
        heard = spoken.size();
    }

    void place(float x, float z)
    {
        flt.X = x;
        flt.Z = z;
    }
};

const float FT = 0.3048f;
} // namespace

TEST_F(AtcFlight, FromClearanceToTheRamp)
{
    float nm = con.nmtomtrs;
    // On the ground at the towered departure airport, the plan filed.
    flt.onground = 1;
    place(apt_x(0), apt_z(0));
    flt.Y = env.localh_cg = 300;
    flt.lat = 40.5f, flt.lon = -99.0f;
    msc.zulu_time = 12 * 3600;
    fpl.ifr = 1, fpl.mr = 1, fpl.cruise_alt = 6000;
    strcpy(fpl.arr_id_str, "KARR");
    process_zap(25);
    ASSERT_EQ(fpl.onfile, 1);
    ASSERT_EQ(atc.plan_index, 1);
    silent();

    pick(4);
    silent();
    tick();
    EXPECT_EQ(said(), CALL + "cleared as filed maintain at or below 3000 expect 6000 10 minutes after departure. "
                             "Departure will be on 1 1 8 point 0 0 squawk 0 0 0 0 advise when ready to taxi.");
    EXPECT_EQ(atc.plan_phase, 3);
    pick(9);
    EXPECT_EQ(said(), CALL + "taxi runway 9.");
    pick(10);
    EXPECT_EQ(said(), CALL + "fly runway heading cleared for take off runway 9.");

    // Airborne: departure below 200 m above the ground says nothing yet.
    flt.onground = 0;
    flt.Y = 300 + 150;
    tick();
    silent();
    flt.Y = 300 + 201;
    tick();
    EXPECT_EQ(said(), CALL + "contact departure.");
    pick(6);
    EXPECT_EQ(said(), CALL + "radar contact. Climb to 6000 approved, proceed on course to Arrival Field.");
    EXPECT_EQ(ticks_until_spoken(), 46);
    EXPECT_EQ(said(), CALL + "contact center 1 1 8 point 0 0.");
    pick(6);
    EXPECT_EQ(said(), CALL + "roger proceed on course to Arrival Field altimeter 29.92. ");

    // En route 41 nm out at 6000 ft: outside the 40 nm descent distance; 300 ft
    // high but descending draws no altitude call, so other traffic is called.
    env.localh_cg = 0;
    flt.Y = 6000 * FT;
    flt.hind = 6300 * FT;
    flt.vY = -3;
    flt.vind = 150;
    place(apt_x(1), apt_z(1) + 41 * nm);
    EXPECT_EQ(ticks_until_spoken(), 46);
    EXPECT_EQ(said(), "november zero zero zero zero alpha squawk 1 2 0 0 good day.");
    place(apt_x(1), apt_z(1) + 39 * nm);
    EXPECT_EQ(ticks_until_spoken(), 31);
    EXPECT_EQ(said(), CALL + "contact Arrival Field approach on 1 1 8 point 0 0");
    EXPECT_EQ(atc.plan_phase, 6);
    tick();
    silent();

    // Approach check-in: north of the turn circle (radius 3 nm at 150 kt,
    // centre 3.3 nm north of the gate 9 nm out), 6 nm from its centre.
    float gx = nav_x(0) + 9 * nm, gz = nav_z(0);
    env.localh_cg = 200;
    flt.hind = 6000 * FT;
    flt.vY = 0;
    flt.magpsi = flt.psi = 180;
    place(gx, gz - 9.3f * nm);
    pick(6);
    EXPECT_EQ(said(), CALL + "turn left heading 1 5 0 descend and maintain 3700 feet vectors Arrival ILS, if you "
                             "would like another approach instead just tell me.");
    EXPECT_EQ(atc.ils_vec_in_progress, 1);
    EXPECT_STREQ(atc.ils_command, "request I L S Arrival ILS");

    // East of the circle's centre: the next vector, 30 s later.
    flt.hind = 3700 * FT;
    flt.magpsi = flt.psi = 150;
    place(gx + 6 * nm, gz - 3.3f * nm);
    EXPECT_EQ(ticks_until_spoken(), 30);
    EXPECT_EQ(said(), CALL + "turn right heading 2 4 0 climb and maintain 5700 feet .");
    // Nothing changed: a traffic call instead of a vector.
    flt.hind = 5700 * FT;
    flt.magpsi = flt.psi = 240;
    EXPECT_EQ(ticks_until_spoken(), 30);
    EXPECT_EQ(said(), "november zero zero zero zero alpha squawk 1 2 0 0 good day.");

    // Established 12 nm out on the course: the intercept, then the tower.
    flt.magpsi = flt.psi = 268;
    place(nav_x(0) + 12 * nm, nav_z(0));
    tick();
    EXPECT_EQ(said(), CALL + "intercept localizer altimeter 29.92 cleared Arrival ILS contact tower.");
    EXPECT_EQ(atc.ils_vec_in_progress, 0);
    EXPECT_EQ(atc.plan_phase, 7);
    pick(6);
    EXPECT_EQ(said(), CALL + "Wind is calm, cleared to land runway 27 left Arrival Field.");

    // Landing, rolling out, clear of the runway.
    tick();
    silent();
    flt.onground = 1;
    flt.v = 20;
    tick();
    silent();
    flt.v = 5;
    tick();
    EXPECT_EQ(said(), CALL + "make next turn-off contact ground 1 2 1 point 0 0 when clear.");
    pick(6);
    EXPECT_EQ(said(), CALL + "taxi to the ramp.");
    EXPECT_EQ(fpl.onfile, 0);
    EXPECT_EQ(fpl.activated, 0);
    EXPECT_EQ(atc.menu_up, 0);
}
