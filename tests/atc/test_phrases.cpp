// Phrase builders: the spoken forms of frequencies, headings, turns,
// altimeter settings, winds, call signs and aircraft types.
#include "atc_fixture.h"

#include "cockpit/atc.h"
#include "cockpit/cockpit_services.h"
#include "records/flight_state.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/plane_record.h"

#include <cstring>
#include <functional>

using Phrases = AtcWorld;

namespace {
std::string built(const std::function<void(char*)>& build)
{
    char s[400] = "";
    build(s);
    return s;
}
} // namespace

TEST_F(Phrases, NumbersAreSpokenDigitByDigit)
{
    struct {
        std::function<void(char*)> build;
        const char* want;
    } cases[] = {
        {[](char* s) { app_freq(s, 121, 90); }, "1 2 1 point 9 0"},
        {[](char* s) { app_freq(s, 118, 5); }, "1 1 8 point 0 5"},
        {[](char* s) { app_heading_string(s, 0, 1); }, "3 6 0"},
        {[](char* s) { app_heading_string(s, 358, 5); }, "3 6 0"},
        {[](char* s) { app_heading_string(s, 92, 10); }, "0 9 0"},
        {[](char* s) { app_heading_string(s, -10, 10); }, "3 5 0"},
        {[](char* s) { app_altimeter_string(s, 29.92f); }, "altimeter 29.92"},
        {[](char* s) { app_altimeter_string(s, 30.01f); }, "altimeter 30.01"},
    };
    for (auto& c : cases) EXPECT_EQ(built(c.build), c.want);
    pln.us_alt = 0;
    EXPECT_EQ(built([](char* s) { app_altimeter_string(s, 29.92f); }), "area QNH 1013");
    int_draws = {7, 0, 3, 5};
    EXPECT_EQ(built(app_squawk), "7 0 3 5");
}

TEST_F(Phrases, TurnsGoTheShortWayAndTheReciprocalTurnsRight)
{
    struct {
        float magpsi;
        int h;
        const char* want;
    } cases[] = {
        {350, 10, "turn right heading 0 1 0"},
        {10, 190, "turn right heading 1 9 0"},   // +180
        {190, 10, "turn right heading 0 1 0"},   // -180 wraps to +180
        {90, 90, "turn left heading 0 9 0"},     // no change
        {10, 350, "turn left heading 3 5 0"},
    };
    for (auto& c : cases) {
        flt.magpsi = c.magpsi;
        EXPECT_EQ(built([&](char* s) { app_turn_string(s, c.h, 10); }), c.want) << c.magpsi << " to " << c.h;
    }
}

TEST_F(Phrases, Winds)
{
    struct {
        int dir, spd, shr_dir, shr_spd;
        const char* want;
    } cases[] = {
        {270, 0, 0, 0, "Wind is calm"},
        {270, 4, 0, 0, "Wind is light and variable"},
        {270, 3, 0, 3, "Wind is 2 7 0 at 3"},
        {270, 20, 0, 8, "Wind shear alert. Wind is 2 7 0 at 20 gust 28"},
        {270, 10, 30, 0, "Wind is 2 7 0 at 10 variable 2 4 0 to 3 0 0"},
        {5, 12, 20, 0, "Wind is 0 1 0 at 12 variable 3 5 0 to 0 3 0"},
    };
    for (auto& c : cases)
        EXPECT_EQ(built([&](char* s) { app_wind_string(s, c.dir, c.spd, c.shr_dir, c.shr_spd); }), c.want);
}

TEST_F(Phrases, CallSignsAndAircraftTypes)
{
    EXPECT_EQ(built([](char* s) { start_command_string(s, 1); }), CALL);
    int_draws = {8, 4, 10, 36, 11};
    EXPECT_EQ(built([](char* s) { start_command_string(s, 0); }), "november seven three niner zooloo alpha ");
    int_draws = {9, 25, 30};
    EXPECT_EQ(built([](char* s) { app_rand_plane(s, 5000); }), "Glasair");
    EXPECT_EQ(built([](char* s) { app_rand_plane(s, 20000); }), "Airbus A-300");
    EXPECT_EQ(built([](char* s) { app_rand_plane(s, 20000); }), "") << "an index off the table appends nothing";
    char w[16];
    for (auto c : {std::make_pair('9', "niner"), std::make_pair('L', "leema"), std::make_pair('X', "x ray"),
                   std::make_pair('Z', "zooloo"), std::make_pair('-', "")}) {
        get_phonetic(c.first, w);
        EXPECT_STREQ(w, c.second);
    }
}

TEST_F(Phrases, BuildersNeverWritePastTheBuffer)
{
    struct {
        char s[400];
        char guard[32];
    } b;
    memset(&b, 'g', sizeof b);
    memset(b.s, 'a', 390);
    b.s[390] = 0;
    app_wind_string(b.s, 270, 20, 30, 8);
    EXPECT_EQ(strlen(b.s), 399u);
    app_freq(b.s, 121, 90);
    app_C(b.s, std::string(450, 'x').c_str());
    EXPECT_EQ(strlen(b.s), 399u);
    for (char g : b.guard) EXPECT_EQ(g, 'g');

    memset(b.s, 0, sizeof b.s);
    memset(pln.tailnum, 'N', 399);
    pln.tailnum[399] = 0;
    start_command_string(b.s, 1);
    EXPECT_EQ(strlen(b.s), 399u) << "a long tail number is cut, not overrun";
    for (char g : b.guard) EXPECT_EQ(g, 'g');
}
