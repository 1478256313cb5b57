// Calls to other traffic and the carrier's landing signal officer.
#include "atc_fixture.h"

#include "cockpit/atc.h"
#include "records/cockpit_state.h"
#include "records/flight_state.h"
#include "toolkit/HL_TYPES.h"

#include <cmath>

using TrafficCalls = AtcWorld;

namespace {
const std::string TRAFFIC = "november zero zero zero zero alpha ";
}

TEST_F(TrafficCalls, EachKind)
{
    struct {
        float alt_ft;
        int can_be_us, can_change_frq;
        std::deque<int> ints;
        std::deque<float> flts;
        const char* want;   // nullptr: silent
        int result, waiting;
        bool ours;
    } cases[] = {
        {5000, 1, 1, {1}, {}, "squawk 1 2 0 0 good day.", 0, 0, false},
        {5000, 1, 1, {2, 1, 1, 1, 1, 11, 3, 1, 4, 1}, {}, " reset transponder squawk 3 1 4 1.", 0, 0, false},
        {5000, 1, 1, {3, 1, 1, 1, 1, 11, 121, 18}, {}, "contact me on 1 2 1 point 9 0 please.", 0, 0, false},
        {5000, 1, 1, {4, 1, 1, 1, 1, 11, 2}, {}, "you have traffic at your 12 o-clock, should be no factor.", 0, 0,
         false},
        {5000, 1, 1, {5, 35, 1}, {0.05f}, "turn right heading 1 4 0 vectors around a Cessna 172 at your 11 o-clock.",
         1, 0, true},
        {5000, 0, 0, {6, 1, 1, 1, 1, 11, -10, 0}, {},
         "turn left heading 0 8 0 vectors around a Cessna 152 at your 1 o-clock.", 0, 0, false},
        {5000, 1, 1, {6, 1, 1, 1, 1, 11, -40, 0}, {0.5f},
         "turn left heading 0 6 0 vectors around a Cessna 152 at your 12 o-clock.", 0, 0, false},
        {25000, 1, 1, {5}, {}, nullptr, 0, 0, false},
        {25000, 1, 1, {6}, {}, nullptr, 0, 0, false},
        {5000, 1, 1, {7}, {0.05f}, "contact center on 1 1 8 point 0 0.", 0, 1, true},
        {5000, 1, 0, {8}, {}, "contact center on 1 1 8 point 0 0.", 0, 0, false},
    };
    for (auto& c : cases) {
        spoken.clear();
        atc.waiting_new_frq = 0;
        flt.Y = c.alt_ft * con.fttomtrs;
        flt.magpsi = 100;
        int_draws = c.ints;
        flt_draws = c.flts;
        int result = make_random_call(c.can_be_us, c.can_change_frq);
        SCOPED_TRACE(c.ints.front());
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(atc.waiting_new_frq, c.waiting);
        if (!c.want) {
            EXPECT_TRUE(spoken.empty());
            continue;
        }
        ASSERT_EQ(spoken.size(), 1u);
        EXPECT_EQ(spoken[0], (c.ours ? CALL : TRAFFIC) + c.want);
        EXPECT_TRUE(int_draws.empty());
    }
}

namespace {
// The aircraft dist_nm from the deck's reference point, on bearing 352 + db
// to it, glide angle glide degrees.
void approach(float dist_nm, float glide, float db)
{
    float h = dist_nm * con.nmtomtrs, b = (352 + db) * con.degtorad;
    atc.cardxyz[0] = -std::sin(b) * h;
    atc.cardxyz[2] = std::cos(b) * h;
    atc.cardxyz[1] = std::tan(glide * con.degtorad) * h;
}
} // namespace

TEST_F(TrafficCalls, LandingSignalOfficer)
{
    atc.cardxyz[0] = atc.cardxyz[1] = atc.cardxyz[2] = 9.9e9f;
    flt.psi = 352;
    flt.Alpha = 8;
    LSO_respond();
    EXPECT_TRUE(spoken.empty()) << "no carrier drawn";

    approach(2, 3, 0);
    LSO_respond();
    LSO_respond();
    ASSERT_EQ(spoken, std::vector<std::string>{"Call the ball."}) << "once, then all flags clear";

    struct {
        float dist, glide, db, alpha;
        const char* want;
    } cases[] = {
        {0.3f, 6, 0, 8, "Wave Off!"},         {0.3f, 0.5f, 0, 8, "Wave Off!"},  {0.3f, 3, 0, 14, "Attitude!"},
        {0.3f, 3, 5, 8, nullptr},             {2, 6, 0, 5, "Power Off"},        {2, 6, 0, 13, "Power On"},
        {2, 0.5f, 0, 5, "Power"},             {2, 0.5f, 0, 13, "Power"},        {2, 6, 0, 8, "Power Off"},
        {2, 0.5f, 0, 8, "Power"},             {2, 3, 0, 5, "Power Off"},        {2, 3, 0, 13, "Power"},
        {2, 3, 5, 8, "Right for lineup"},     {2, 3, -5, 8, "Come left"},       {6, 3, 0, 8, nullptr},
        {2, 3, 12, 8, nullptr},
    };
    for (auto& c : cases) {
        spoken.clear();
        approach(c.dist, c.glide, c.db);
        flt.Alpha = c.alpha;
        LSO_respond();
        SCOPED_TRACE(testing::Message() << c.dist << " nm " << c.glide << " deg db " << c.db << " aoa " << c.alpha);
        if (c.want) EXPECT_EQ(spoken, std::vector<std::string>{c.want});
        else EXPECT_TRUE(spoken.empty());
    }

    // Turning off the deck course inside the window breaks the approach off.
    spoken.clear();
    approach(2, 3, 0);
    flt.psi = 5;
    LSO_respond();
    flt.psi = 350;
    LSO_respond();
    EXPECT_EQ(spoken, std::vector<std::string>{"Call the ball."});
}
