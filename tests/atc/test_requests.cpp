// Clearances, en-route checks, approach clearances and the replies to single
// requests, each against the fixture's two airports.
#include "atc_fixture.h"

#include "cockpit/atc.h"
#include "records/cockpit_state.h"
#include "records/flight_state.h"
#include "toolkit/HL_TYPES.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <cstring>

namespace {
struct Requests : AtcWorld {
    void SetUp() override
    {
        AtcWorld::SetUp();
        fpl.onfile = fpl.activated = 1;
        atc.plan_index = 1;
        flt.X = apt_x(0);
        flt.Z = apt_z(0);
        flt.lat = 40.5f, flt.lon = -99.0f;
    }

    std::string reply(const std::string& request)
    {
        spoken.clear();
        controller_respond(request.c_str());
        EXPECT_LE(spoken.size(), 1u);
        return spoken.empty() ? "" : spoken[0];
    }
};
const float FT = 0.3048f;
} // namespace

TEST_F(Requests, Clearances)
{
    struct {
        int onground, towered, ifr;
        float elev_ft, zulu;
        int cruise;
        std::deque<int> ints;
        std::string want;
        int phase, waiting, init_alt;
    } cases[] = {
        {1, 1, 0, 1800, 0, 3000, {},
         "you are cleared as filed maintain at or below 2500 initially, expect higher after that. Departure will be "
         "on 1 1 8 point 0 0 squawk 0 0 0 0 advise when ready to taxi.",
         3, 0, 2500},
        {1, 0, 1, 984, 23 * 3600 + 55 * 60, 6000, {},
         "cleared as filed maintain at or below 3000 expect 6000 10 minutes after that. Contact center on 1 1 8 "
         "point 0 0 when airborne, squawk 0 0 0 0 time now 23 55 Z, clearance void if not off by 0 5 Z.",
         5, 1, 3000},
        {1, 0, 0, 984, 0, 6000, {123, 9, 1, 2, 3, 4},
         "cleared as filed. Contact center on 1 2 3 point 4 5 when airborne. Squawk 1 2 3 4.", 5, 1, 3000},
        {0, 1, 1, 984, 0, 6000, {123, 9}, "cleared as filed contact center 1 2 3 point 4 5.", 5, 1, 3000},
    };
    for (auto& c : cases) {
        spoken.clear();
        flt.onground = c.onground;
        apt_twr[0] = c.towered;
        fpl.ifr = c.ifr;
        apt_h[0] = c.elev_ft * FT;
        msc.zulu_time = c.zulu;
        fpl.cruise_alt = c.cruise;
        atc.plan_phase = 0;
        atc.waiting_new_frq = 0;
        int_draws = c.ints;
        handle_plan(0);
        ASSERT_EQ(spoken.size(), 1u);
        EXPECT_EQ(spoken[0], CALL + c.want);
        EXPECT_EQ(atc.plan_phase, c.phase);
        EXPECT_EQ(atc.waiting_new_frq, c.waiting);
        EXPECT_EQ(fpl.init_alt, c.init_alt);
    }
}

TEST_F(Requests, EnRouteChecksInOrder)
{
    struct {
        float y_ft, hind_ft, vy, vind, out_nm;
        int mr, mrs;
        std::string want;
        int phase;
    } cases[] = {
        {30000, 30000, 0, 300, 119, 0, 0, "contact Arrival Field approach on 1 1 8 point 0 0", 6},
        {30000, 30000, 0, 300, 121, 0, 0, "", 5},
        {15000, 15000, 0, 200, 69, 0, 0, "contact Arrival Field approach on 1 1 8 point 0 0", 6},
        {4000, 4000, 0, 120, 60, 0, 0,
         "your flight plan calls for 15000 feet while enroute. I will need you to climb and maintain that altitude. "
         "You may amend your plan if you want a different altitude.",
         5},
        {4000, 15300, -3, 120, 60, 0, 1, "", 5},
        {4000, 15300, 0, 120, 60, 0, 1,
         "your flight plan calls for 15000 feet while enroute, Madam. I will need you to descend and maintain that "
         "altitude. You may amend your plan if you want a different altitude.",
         5},
        {9000, 14900, 0, 260, 60, 1, 0, "I will need you to stay below 2 5 0 knots while below ten thousand feet.", 5},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.want);
        spoken.clear();
        fpl.cruise_alt = c.y_ft > 20000 ? 30000 : 15000;
        fpl.mr = c.mr, fpl.mrs = c.mrs;
        atc.plan_phase = 5;
        atc.waiting_new_frq = 0;
        flt.Y = c.y_ft * FT;
        flt.hind = c.hind_ft * FT;
        flt.vY = c.vy;
        flt.vind = c.vind;
        flt.X = apt_x(1);
        flt.Z = apt_z(1) + c.out_nm * con.nmtomtrs;
        flt_draws = {0.9f};   // no new squawk at the check-in
        handle_plan(1);
        spoken.clear();
        msc.elap_time += 46;
        if (c.want.empty()) int_draws = {1};
        handle_plan(0);
        ASSERT_EQ(spoken.size(), 1u);
        if (c.want.empty()) EXPECT_EQ(spoken[0], "november zero zero zero zero alpha squawk 1 2 0 0 good day.");
        else EXPECT_EQ(spoken[0], CALL + c.want);
        EXPECT_EQ(atc.plan_phase, c.phase);
    }
}

TEST_F(Requests, ApproachWithoutALocalizerClosesThePlan)
{
    atc.plan_index = 0;   // no ILS at the departure field
    flt.X = apt_x(1), flt.Z = apt_z(1);
    for (int ifr : {1, 0}) {
        fpl.onfile = fpl.activated = 1;
        fpl.ifr = ifr;
        atc.plan_phase = 6;
        spoken.clear();
        handle_plan(1);
        ASSERT_EQ(spoken.size(), 1u);
        EXPECT_EQ(spoken[0], CALL + (ifr ? "cleared full approach of your choice." : "cleared visual approach of your choice."));
        EXPECT_EQ(fpl.onfile + fpl.activated, 0);
    }
}

TEST_F(Requests, Replies)
{
    flt.onground = 0;
    flt.magpsi = 0;
    EXPECT_EQ(reply("wind check"), CALL + "Wind is calm.");
    fpl.onfile = 0;
    atm.wnddir = 200, atm.wndspd = 12;
    EXPECT_EQ(reply("wind check"), CALL + "Wind is 2 0 0 at 12.") << "with no plan as well";
    atm.wndspd = 0;
    EXPECT_EQ(reply("request landing Arrival Field"), CALL + "Wind is calm, cleared to land runway 27 left Arrival Field.");
    EXPECT_EQ(reply("request taxi Departure Field."), CALL + "taxi runway 9.");
    EXPECT_EQ(reply("request fuel"), CALL + "say again please");
    EXPECT_EQ(reply("please request"), CALL + "say again please") << "the search stops at the text's end";
    EXPECT_EQ(reply("hello"), "");
    EXPECT_EQ(reply("request taxi Nowhere."), "") << "no such airport";
    EXPECT_EQ(reply("request taxi"), "") << "no name";
    EXPECT_EQ(reply(std::string(260, 'x') + "request taxi Departure Field."), "") << "beyond 256 characters";

    // 30 nm south of the arrival field.
    flt.X = apt_x(1), flt.Z = apt_z(1) + 30 * con.nmtomtrs;
    flt.lat = 41.0f, flt.lon = -98.0f;
    fpl.activated = 1;
    atc.plan_phase = 5;
    const std::string emergency = CALL + "squawk 7 7 0 0 turn left heading 3 6 0 vectors Arrival Field, they are "
                                         "about 30 miles from your current position.";
    EXPECT_EQ(reply("declaring an emergency"), emergency);
    EXPECT_EQ(fpl.activated + atc.plan_phase, 0);
    apt_inreg[0] = apt_inreg[1] = 0;
    EXPECT_EQ(reply("declaring an emergency"), emergency) << "none in the region: the database's nearest";
    env.aptmax = -1;
    EXPECT_EQ(reply("declaring an emergency"), "") << "no airport at all";
}

TEST_F(Requests, VectoringFromTheCircleCentreAtAStandstill)
{
    // 0 kt: the turn circle keeps half a mile; the aircraft sits on its centre.
    float nm = con.nmtomtrs;
    flt.vind = 0;
    flt.X = nav_x(0) + 9 * nm;
    flt.Z = nav_z(0) - 0.55f * nm;
    std::string said = reply("request localizer Arrival ILS");
    EXPECT_EQ(said.rfind(CALL + "turn ", 0), 0u) << said;
    EXPECT_NE(said.find("feet vectors Arrival ILS, if you would like"), std::string::npos) << said;
    EXPECT_EQ(atc.ils_vec_in_progress, 1);
}
