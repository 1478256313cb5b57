// The request menu: which rows are offered and suggested, what a pick does,
// the pick lists' columns, and where it all is drawn.
#include "atc_fixture.h"

#include "cockpit/atc.h"
#include "records/cockpit_state.h"
#include "records/settings_and_recordings.h"
#include "cockpit/cockpit_services.h"
#include "records/flight_state.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "world/INITNAV.h"
#include "records/world_state.h"
#include "shell/scene_frame.h"
#include "world/world_services.h"

#include <cstdio>
#include <cstring>

namespace {
struct AtcMenu : AtcWorld {
    void SetUp() override
    {
        AtcWorld::SetUp();
        flt.onground = 1;
        atc.menu_up = 1;
        // The mouse rests on the first row's left end.
        mnw.mx = 20, mnw.my = 542;
        plot_atc_options(0);
        texts.clear();
        frames.clear();
    }

    void TearDown() override
    {
        for (int a = 2; a < 45; ++a) apt_inreg[a] = 0;
        AtcWorld::TearDown();
    }

    // Main-list rows drawn: (colour, text) by row.
    std::vector<std::pair<int, std::string>> rows()
    {
        texts.clear();
        plot_atc_options(0);
        std::vector<std::pair<int, std::string>> out;
        for (auto& t : texts) {
            EXPECT_EQ(t.x, 12);
            EXPECT_EQ(t.width, 776);
            EXPECT_EQ(t.pitch, 6);
            out.push_back({(int)(540 - t.y) / 10 * 100 + t.colour, t.text});
        }
        return out;
    }

    void pick_row(int j)
    {
        atc.menu_up = 1;
        atc.sel_j = j;   // by the keys: the mouse stays put
        plot_atc_options(1);
    }
};
} // namespace

TEST_F(AtcMenu, RowsByState)
{
    using R = std::vector<std::pair<int, std::string>>;
    // row * 100 + colour
    EXPECT_EQ(rows(), (R{{56, "File flight plan"},
                         {247, "Get ATIS..."},
                         {947, "N738TK request taxi to active Departure Field"},
                         {1047, "N738TK request take off Departure Field"},
                         {1847, "N738TK Wind check please!"}}));
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].colour, 56);
    EXPECT_EQ(frames[0].x, 10);
    EXPECT_EQ(frames[0].y, 538);
    EXPECT_EQ(frames[0].dx, 400);
    EXPECT_EQ(frames[0].dy, 10);

    fpl.onfile = 1;
    atc.plan_index = 1;
    strcpy(atc.response, "x");
    EXPECT_EQ(rows(), (R{{147, "Amend flight plan"},
                         {247, "Get ATIS..."},
                         {456, "N738TK would like to pick up my flight plan."},
                         {747, "N738TK say again please."},
                         {947, "N738TK request taxi to active Departure Field"},
                         {1047, "N738TK request take off Departure Field"},
                         {1847, "N738TK Wind check please!"}}));

    fpl.activated = 1;
    atc.plan_phase = 3;
    flt.onground = 0;
    R airborne = rows();
    EXPECT_EQ(airborne[2], (std::pair<int, std::string>{547, "N738TK would like to close my flight plan."}));
    EXPECT_EQ(airborne[4].second, "N738TK request vectors...");
    EXPECT_EQ(airborne[8].second, "N738TK DECLARING AN EMERGENCY, REQUEST VECTORS NEAREST FIELD!");
    EXPECT_EQ(airborne.size(), 10u);

    atc.waiting_new_frq = 1;
    struct {
        int phase;
        const char* text;
    } checkins[] = {{4, "Departure Field departure N738TK with you."},
                    {5, "Center, N738TK with you."},
                    {6, "Arrival Field approach N738TK with you inbound."},
                    {7, "Arrival Field tower N738TK with you inbound."},
                    {9, "Arrival Field ground N738TK clear active."},
                    {8, "N738TK with you."}};
    for (auto& c : checkins) {
        atc.plan_phase = c.phase;
        R r = rows();
        EXPECT_EQ(r[3], (std::pair<int, std::string>{656, c.text}));
    }
}

TEST_F(AtcMenu, BlankAndHiddenRowsJustClose)
{
    for (int j : {3, 5, 8, 15, 17, 16}) {
        pick_row(j);
        EXPECT_EQ(atc.menu_up, 0) << j;
    }
    EXPECT_TRUE(spoken.empty());
    EXPECT_TRUE(windows_opened.empty());
    EXPECT_EQ(fpl.activated, 0);
}

TEST_F(AtcMenu, Picks)
{
    pick_row(0);
    EXPECT_STREQ(fpl.dep_id_str, "KDEP");
    EXPECT_EQ(windows_opened, std::vector<int>{25});
    EXPECT_EQ(atc.menu_up, 0);

    fpl.onfile = fpl.activated = atc.ils_vec_in_progress = 1;
    pick_row(5);
    EXPECT_EQ(spoken.back(), "N738TK flight plan closed. Squawk 1 2 0 0. Good day.");
    EXPECT_EQ(fpl.onfile + fpl.activated + atc.ils_vec_in_progress, 0);

    pick_row(7);
    EXPECT_EQ(spoken.back(), "N738TK flight plan closed. Squawk 1 2 0 0. Good day.") << "said again";
    pick_row(18);
    EXPECT_EQ(spoken.back(), CALL + "Wind is calm.");

    pick_row(2);
    EXPECT_EQ(atc.menu_up, 1);
    EXPECT_EQ(atc.menu_level, 1);

    flt.onground = 0;
    atc.menu_level = 0;
    pick_row(11);
    EXPECT_EQ(atc.menu_level, 4);
    EXPECT_EQ(atc.menu_up, 1);
    // Arrival Field is the second airport of the vectors list: column 0, row 1.
    flt.magpsi = 0;
    flt.X = AtcWorld::apt_x(1);
    flt.Z = AtcWorld::apt_z(1) + 20 * con.nmtomtrs;
    atc.sel_i = 0, atc.sel_j = 1;
    plot_atc_options(1);
    EXPECT_EQ(spoken.back(), CALL + "turn left heading 3 6 0 vectors Arrival Field. They are about 20 miles from "
                                    "your current position.");
    EXPECT_EQ(atc.menu_up, 0);
}

TEST_F(AtcMenu, FortyFiveTowersFillColumnsOfTwenty)
{
    for (int a = 2; a < 45; ++a) {
        snprintf(apt_name[a], 40, "Towered Field Number %02d Municipal", a);
        apt_lat[a][0] = 41, apt_lon[a][0] = -99;
        apt_twr[a] = apt_inreg[a] = 1;
        apt_h[a] = 0;
        apt_len[a][0] = 1000;
        apt_num[a][0] = 1;
    }
    env.aptmax = 44;
    atc.menu_level = 1;
    plot_atc_options(0);
    ASSERT_EQ(texts.size(), 45u);
    int per_column[3] = {0, 0, 0};
    for (auto& t : texts) {
        int col = (int)(t.x - 20) / 150;
        ASSERT_GE(col, 0);
        ASSERT_LT(col, 3);
        ++per_column[col];
        EXPECT_EQ(t.width, 999);
        EXPECT_LE(t.text.size(), 24u);
    }
    EXPECT_EQ(per_column[0], 20);
    EXPECT_EQ(per_column[1], 20);
    EXPECT_EQ(per_column[2], 5);
    EXPECT_EQ(texts[44].x, 320);
    EXPECT_EQ(texts[44].y, 500);
    EXPECT_EQ(texts[44].text, "Towered Field Number 44 ");
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].dx, 148);

    // The mouse moves onto the last name: the ATIS of that airport.
    mnw.mx = 17 + 150 * 2 + 30;
    mnw.my = 547 - 10 * 4 - 5;
    int_draws = {13};
    plot_atc_options(1);
    EXPECT_EQ(atc.sel_i, 2);
    EXPECT_EQ(atc.sel_j, 4);
    ASSERT_EQ(spoken.size(), 1u);
    EXPECT_EQ(spoken[0].rfind("Towered Field Number 44 Municipal information charlie. 0 hundred zooloo weather. ", 0), 0u)
        << spoken[0];
    EXPECT_EQ(atc.menu_up, 0);
}

TEST_F(AtcMenu, SelectionFollowsTheMouseOnlyWhenItMoves)
{
    atc.sel_j = 7;   // the keys
    mnw.mx += 0.4f;
    plot_atc_options(0);
    EXPECT_EQ(atc.sel_j, 7);
    mnw.my -= 30.6f;
    plot_atc_options(0);
    EXPECT_EQ(atc.sel_j, 3);
    EXPECT_EQ(atc.sel_i, 0);
}

TEST_F(AtcMenu, TheFrameShowsTheMenuElseTheLastPhraseWhileItLasts)
{
    scene_overlays();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].text, "File flight plan");

    atc.menu_up = 0;
    speakstring("Trainer taxi runway 9.");
    texts.clear();
    msc.elap_time += 2;
    scene_overlays();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].colour, 47);
    EXPECT_EQ(texts[0].x, 6);
    EXPECT_EQ(texts[0].y, 535);
    EXPECT_EQ(texts[0].text, "Trainer taxi runway 9.");
    EXPECT_EQ(texts[0].width, 635);
    EXPECT_EQ(texts[0].pitch, 6);
    msc.elap_time += 1;   // 2.2 s on screen have passed
    texts.clear();
    scene_overlays();
    EXPECT_TRUE(texts.empty());
}
