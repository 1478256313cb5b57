// The simulator's keys: character commands, panel-click keys, radios,
// the arrow keys, function keys and the keypad yoke.
#include "commands_support.h"

#include "shell/EVENT.h"
#include "shell/key_help.h"

#include "records/cockpit_state.h"
#include "cockpit/cockpit_services.h"
#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <functional>

namespace {
void keys(const char* s)
{
    for (; *s; ++s) APPLICATION_handlekey(*s);
}

std::vector<int> views_after(const char* presses)
{
    std::vector<int> seen;
    for (; *presses; ++presses) {
        APPLICATION_handlekey(*presses);
        seen.push_back(set.view_type);
    }
    return seen;
}
} // namespace

TEST_F(CommandsTest, ViewRings)
{
    set.view_type = 500;
    EXPECT_EQ(views_after("qqqqqqqq"), (std::vector<int>{504, 506, 508, 511, 509, 507, 505, 500}));
    set.view_type = 500;
    EXPECT_EQ(views_after("eeeeeeee"), (std::vector<int>{505, 507, 509, 511, 508, 506, 504, 500}));
    set.view_type = 516;
    EXPECT_EQ(views_after("q"), (std::vector<int>{504}));
    set.view_type = 513;
    EXPECT_EQ(views_after("e"), (std::vector<int>{505}));
}

TEST_F(CommandsTest, ViewKeys)
{
    const struct {
        char key;
        int view;
    } table[] = {{'w', 500}, {'s', 501}, {'x', 502}, {'z', 511}, {'t', 513}, {'#', 514},
                 {'a', 516}, {'|', 517}, {'@', 518}, {'_', 520}, {'+', 521}};
    for (const auto& t : table) {
        APPLICATION_handlekey(t.key);
        EXPECT_EQ(set.view_type, t.view) << t.key;
        EXPECT_EQ(msc.key_pressed, t.key);
    }
    set.view_type = 500;
    keys("===");
    EXPECT_EQ(scn.zoom, 8);
    keys("-");
    EXPECT_EQ(scn.zoom, 4);
    keys("d");
    EXPECT_EQ(msc.map_type, 402);
    EXPECT_EQ(requested('w'), (std::vector<float>{3}));
}

TEST_F(CommandsTest, FlapsHeatAndSpeedBrakes)
{
    keys("1");
    EXPECT_EQ(flt.flaprqst, 0);
    keys("2222");
    EXPECT_EQ(flt.flaprqst, 1);
    keys("21");
    EXPECT_EQ(flt.flaprqst, 0.75f);

    keys("4");
    EXPECT_EQ(flt.heat, 1);
    keys("3");
    EXPECT_EQ(flt.heat, 0);

    keys("5");
    EXPECT_EQ(flt.sbrk, 0);
    keys("666");
    EXPECT_EQ(flt.sbrk, 2);
    pln.autosbrkEQ = 1;
    flt.sbrk = 0;
    keys("5");
    EXPECT_EQ(flt.sbrk, -1);
    keys("5");
    EXPECT_EQ(flt.sbrk, -1);
}

TEST_F(CommandsTest, SpaceCutsOneEngineIfThereIsOne)
{
    for (int numen : {0, 1, 2, 4}) {
        pln.numen = numen;
        for (int e = 0; e < 4; ++e) flt.mixt[e] = 1;
        keys(" ");
        int cut = 0;
        for (int e = 0; e < 4; ++e) {
            if (flt.mixt[e] == 0) {
                ++cut;
                EXPECT_LT(e, numen);
            }
        }
        EXPECT_EQ(cut, numen ? 1 : 0) << numen;
    }
}

TEST_F(CommandsTest, ThrustReversers)
{
    keys(".");
    EXPECT_EQ(flt.throrqst[0], 0);
    EXPECT_EQ(flt.revving_thrust[0], 0);

    pln.revthrustEQ = 1;
    set.thro_pot = 1;
    keys(".");
    EXPECT_EQ(set.thro_pot, 0);
    for (int e = 0; e < 4; ++e) {
        EXPECT_EQ(flt.throrqst[e], 1);
        EXPECT_EQ(flt.revving_thrust[e], 1);
    }
    keys(".");
    EXPECT_FLOAT_EQ(flt.throrqst[2], 0.01f);
    EXPECT_EQ(flt.revving_thrust[2], 0);
}

TEST_F(CommandsTest, AutopilotKeySwitchesEveryModeOff)
{
    osrad = 12;
    ott.NAV[1] = ott.ALHOLD = ott.VVHOLD = ott.GS2 = ott.ASHOLD = 1;
    keys("!");
    EXPECT_EQ(ott.HDSLCT + ott.NAV[0] + ott.NAV[1] + ott.ALHOLD + ott.VVHOLD + ott.GS2 + ott.ASHOLD, 0);
    EXPECT_EQ(requests, (std::vector<request>{{'c', 506, 90}}));

    // On the real panel, whatever was on and whether or not the mouse is
    // held down over the window, which keeps the button's click from counting.
    clicks_reach_panel = 1;
    int* modes[] = {&ott.HDSLCT, &ott.NAV[0], &ott.NAV[1], &ott.ALHOLD, &ott.VVHOLD, &ott.GS2, &ott.ASHOLD};
    for (int held : {0, 1}) {
        for (int* on : modes) {
            ott = ottostruct{};
            *on = 1;
            ott.HDSLCT = 1;
            mnw.delay_dragging = held;
            mnw.mouse_clicked = 0;
            keys("!");
            for (int* m : modes) EXPECT_EQ(*m, 0) << "mouse held " << held;
        }
    }
    mnw.delay_dragging = 0;

    // The caution tone only with spoken warnings fitted and switched on.
    requests.clear();
    pln.bitchinbettyEQ = 1;
    keys("!");
    EXPECT_TRUE(requested('b').empty());
    msc.warn_bb = 1;
    keys("!");
    EXPECT_EQ(requested('b'), (std::vector<float>{17}));
}

// Each autopilot key, pressed on the real panel from every mode off, leaves
// engaged the mode that the instructions promise for it, and that mode alone
// (the autopilot-off key none), on both radio stacks.
TEST_F(CommandsTest, AutopilotKeysEngageTheModeTheInstructionsName)
{
    clicks_reach_panel = 1;
    const struct {
        char key;
        int* mode;
        const char* named;   // as the instructions file names it
    } table[] = {
        {'!', nullptr, "autopilot off"},     {'$', &ott.NAV[0], "NAV 1"},         {'%', &ott.NAV[1], "NAV 2"},
        {'^', &ott.ALHOLD, "altitude hold"},  {'&', &ott.VVHOLD, "vertical-speed hold"}, {'*', &ott.ASHOLD, "airspeed hold"},
    };
    int* modes[] = {&ott.HDSLCT, &ott.NAV[0], &ott.NAV[1], &ott.ALHOLD, &ott.VVHOLD, &ott.GS2, &ott.ASHOLD};
    for (float stack : {0.0f, 156.0f}) {
        for (const auto& t : table) {
            osrad = stack;
            ott = ottostruct{};
            flt.vY = 3;   // climbing at about 590 ft/min
            ott.vv_hold = -4;
            APPLICATION_handlekey(t.key);
            for (int* m : modes) EXPECT_EQ(*m, m == t.mode ? 1 : 0) << t.key << " on the stack at " << stack;
            // Vertical-speed hold takes the present climb; altitude hold keeps a set rate.
            EXPECT_FLOAT_EQ(ott.vv_hold, t.key == '&' ? 3.0f : -4.0f) << t.key;

            bool promised = false;
            for (int k = 0; k < key_help_rows; ++k)
                if (std::string(key_help[k].chars).find(t.key) != std::string::npos)
                    promised = std::string(key_help[k].what).find(t.named) != std::string::npos;
            EXPECT_TRUE(promised) << t.key << " is not listed as " << t.named;
        }
    }
}

TEST_F(CommandsTest, PanelClickKeys)
{
    osrad = 10;
    oseng = 20;
    ins.x_loc[6] = 300;
    ins.y_loc[6] = 100;
    ins.x_loc[10] = 500;
    ins.y_loc[10] = 60;
    ins.x_loc[4] = 400;
    ins.y_loc[4] = 200;
    const struct {
        char key;
        float x, y;
    } table[] = {
        {'$', 537, 90}, {'%', 557, 90}, {'^', 580, 90}, {'&', 600, 90}, {'*', 640, 90}, {'b', 530, 10},
        {'g', 635, 30}, {'7', 590, 40}, {'8', 600, 40}, {'9', 590, 20}, {'0', 600, 20}, {'[', 807, 122},
        {']', 807, 81}, {'p', 760, 314}, {'n', 250, 50}, {'m', 275, 50}, {'y', 335, 50}, {'u', 360, 50},
        {'i', 500, 50}, {'o', 500, 70}, {'h', 362, 160}, {'j', 382, 160}, {'k', 360, 165}, {'l', 360, 155},
    };
    for (const auto& t : table) {
        requests.clear();
        APPLICATION_handlekey(t.key);
        EXPECT_EQ(requests, (std::vector<request>{{'c', t.x, t.y}})) << t.key;
    }
    // The glass panel's HSI knobs sit higher.
    pln.paneltype = 2;
    requests.clear();
    keys("n");
    EXPECT_EQ(requests, (std::vector<request>{{'c', 250, 70}}));
}

TEST_F(CommandsTest, RadioKeys)
{
    struct radio_case {
        char key;
        int* frequency;
        void (*inc)(int*, int);
        int step;
        int needs_support;   // only with support type 1 or 7
    };
    const radio_case table[] = {
        {'Q', &nav.cf[0], COMinc, -1000, 1}, {'W', &nav.cf[0], COMinc, 1000, 1}, {'E', &nav.cf[0], COMinc, -50, 1},
        {'R', &nav.cf[0], COMinc, 50, 1},    {'T', &nav.nf[0], NAVinc, -1000, 1}, {'Y', &nav.nf[0], NAVinc, 1000, 1},
        {'U', &nav.nf[0], NAVinc, -50, 1},   {'I', &nav.nf[0], NAVinc, 50, 1},    {'A', &nav.cf[1], COMinc, -1000, 0},
        {'S', &nav.cf[1], COMinc, 1000, 0},  {'D', &nav.cf[1], COMinc, -50, 0},   {'F', &nav.cf[1], COMinc, 50, 0},
        {'G', &nav.nf[1], NAVinc, -1000, 0}, {'H', &nav.nf[1], NAVinc, 1000, 0},  {'J', &nav.nf[1], NAVinc, -50, 0},
        {'K', &nav.nf[1], NAVinc, 50, 0},    {'O', &nav.adff, ADFinc, -100, 0},   {'P', &nav.adff, ADFinc, 100, 0},
        {'L', &nav.adff, ADFinc, -10, 0},    {':', &nav.adff, ADFinc, 10, 0},     {'>', &nav.adff, ADFinc, -1, 0},
        {'?', &nav.adff, ADFinc, 1, 0},      {'Z', &nav.tran1, XPNinc, -1, 0},    {'X', &nav.tran1, XPNinc, 1, 0},
        {'C', &nav.tran2, XPNinc, -1, 0},    {'V', &nav.tran2, XPNinc, 1, 0},     {'B', &nav.tran3, XPNinc, -1, 0},
        {'N', &nav.tran3, XPNinc, 1, 0},     {'M', &nav.tran4, XPNinc, -1, 0},    {'<', &nav.tran4, XPNinc, 1, 0},
    };
    for (int supptype : {1, 7, 2}) {
        for (const radio_case& c : table) {
            nav.cf[0] = nav.cf[1] = 12100;
            nav.nf[0] = nav.nf[1] = 11170;
            nav.adff = 210;
            nav.tran1 = nav.tran2 = nav.tran3 = nav.tran4 = 1;
            pln.supptype = supptype;
            navstruct before = nav;
            int expected = *c.frequency;
            if (!c.needs_support || supptype != 2) c.inc(&expected, c.step);
            APPLICATION_handlekey(c.key);
            EXPECT_EQ(*c.frequency, expected) << c.key << " on support type " << supptype;
            // Nothing else moved.
            int* fields[] = {&nav.cf[0], &nav.cf[1], &nav.nf[0], &nav.nf[1], &nav.adff,
                             &nav.tran1, &nav.tran2, &nav.tran3, &nav.tran4};
            const int* was[] = {&before.cf[0], &before.cf[1], &before.nf[0], &before.nf[1], &before.adff,
                                &before.tran1, &before.tran2, &before.tran3, &before.tran4};
            for (int f = 0; f < 9; ++f) {
                if (fields[f] == c.frequency) continue;
                EXPECT_EQ(*fields[f], *was[f]) << c.key << " moved field " << f;
            }
        }
    }
}

TEST_F(CommandsTest, EnterOpensTheControllersMenuThenPicks)
{
    atc.menu_level = 4;
    keys("\r");
    EXPECT_EQ(atc.menu_up, 1);
    EXPECT_EQ(atc.menu_level, 0);
    EXPECT_TRUE(requests.empty());
    keys("\r");
    EXPECT_EQ(requests, (std::vector<request>{{'a', 1, 0}}));
}

TEST_F(CommandsTest, ArrowKeysTurnTheViewsAndMoveTheSpot)
{
    msc.prd = 0.1f;
    msc.freeviewXZ = 6.25f;
    msc.freeviewY = 1.5f;
    scn.psi = 90;
    scn.the = 30;
    msc.spotview_X = msc.spotview_Y = msc.spotview_Z = 0;

    freeviews_keys(25);
    EXPECT_NEAR(msc.freeviewXZ, 6.35f - 2 * M_PI, 1e-5);
    EXPECT_NEAR(msc.spotview_X, 0, 1e-3);
    EXPECT_NEAR(msc.spotview_Z, -100, 1e-3);
    freeviews_keys(26);
    freeviews_keys(26);
    EXPECT_NEAR(msc.freeviewXZ, 6.15f, 1e-5);
    EXPECT_NEAR(msc.spotview_Z, 100, 1e-3);

    freeviews_keys(27);
    EXPECT_NEAR(msc.freeviewY, M_PI / 2, 1e-6);
    EXPECT_NEAR(msc.spotview_X, 100 * std::cos(M_PI / 6), 1e-3);
    EXPECT_NEAR(msc.spotview_Y, 50, 1e-3);
    freeviews_keys(28);
    freeviews_keys(28);
    EXPECT_NEAR(msc.freeviewY, M_PI / 2 - 0.2, 1e-5);
    EXPECT_NEAR(msc.spotview_Y, -50, 1e-3);
    EXPECT_NEAR(msc.spotview_Z, 100, 1e-3);
}

// The controller's menu highlight moves only while the menu is up, and
// stays on its list.
TEST_F(CommandsTest, ArrowKeysMoveTheControllersHighlight)
{
    freeviews_keys(26);
    freeviews_keys(28);
    EXPECT_EQ(atc.sel_i, 0);
    EXPECT_EQ(atc.sel_j, 0);

    atc.menu_up = 1;
    freeviews_keys(25);
    freeviews_keys(27);
    EXPECT_EQ(atc.sel_i, 0);
    EXPECT_EQ(atc.sel_j, 0);
    for (int n = 0; n < 30; ++n) {
        freeviews_keys(26);
        freeviews_keys(28);
    }
    EXPECT_EQ(atc.sel_i, 4);
    EXPECT_EQ(atc.sel_j, 18);
    atc.menu_level = 1;
    freeviews_keys(28);
    freeviews_keys(28);
    EXPECT_EQ(atc.sel_j, 19);
    freeviews_keys(27);
    EXPECT_EQ(atc.sel_j, 18);
}

TEST_F(CommandsTest, KeypadYoke)
{
    const struct {
        int code;
        float ptch, roll, hdng;
    } table[] = {{1, 0.05f, 0, 0}, {2, -0.05f, 0, 0}, {3, 0, -0.1f, 0}, {4, 0, 0.1f, 0}, {5, 0, 0, -0.1f}, {6, 0, 0, 0.1f}};
    for (const auto& t : table) {
        set.MK_ptch = set.MK_roll = set.MK_hdng = 0;
        yoke_key(t.code);
        EXPECT_FLOAT_EQ(set.MK_ptch, t.ptch) << t.code;
        EXPECT_FLOAT_EQ(set.MK_roll, t.roll) << t.code;
        EXPECT_FLOAT_EQ(set.MK_hdng, t.hdng) << t.code;
    }
    for (int n = 0; n < 30; ++n) {
        yoke_key(1);
        yoke_key(4);
        yoke_key(5);
    }
    EXPECT_EQ(set.MK_ptch, 1);
    EXPECT_EQ(set.MK_roll, 1);
    EXPECT_EQ(set.MK_hdng, -1);
    yoke_key(0);
    EXPECT_EQ(set.MK_ptch, 1);
    EXPECT_EQ(set.MK_roll, 0);
    EXPECT_EQ(set.MK_hdng, 0);
}

TEST_F(CommandsTest, FunctionKeysWorkTheEngineLevers)
{
    pln.omegamingreen = 100;
    pln.omegamax = 300;
    auto levers = [] {
        for (int e = 0; e < 4; ++e) {
            flt.throrqst[e] = 0.5f;
            flt.prop[e] = 200;
            flt.mixt[e] = 0.5f;
        }
        set.thro_pot = 1;
    };
    // One set of levers: F2 opens all four throttles, F5/F6 propellers, F9 and
    // Backspace mixtures; the rest do nothing.
    levers();
    function_key(29);
    for (int e = 0; e < 4; ++e) EXPECT_FLOAT_EQ(flt.throrqst[e], 0.55f);
    EXPECT_EQ(set.thro_pot, 0);
    function_key(32);
    function_key(37);
    for (int e = 0; e < 4; ++e) {
        EXPECT_FLOAT_EQ(flt.prop[e], 190);
        EXPECT_FLOAT_EQ(flt.mixt[e], 0.55f);
    }
    levers();
    for (int code : {30, 31, 34, 35, 38, 39, 40, 45, 51}) function_key(code);
    EXPECT_EQ(flt.throrqst[3], 0.5f);
    EXPECT_EQ(flt.prop[1], 200);
    EXPECT_EQ(flt.mixt[3], 0.5f);
    EXPECT_EQ(set.thro_pot, 1);
    for (int n = 0; n < 30; ++n) {
        function_key(28);
        function_key(33);
        function_key(37);
    }
    EXPECT_EQ(flt.throrqst[2], 0);
    EXPECT_EQ(flt.prop[2], 300);
    EXPECT_EQ(flt.mixt[2], 1);

    // Separate levers: each engine its own key.
    set.eq_thr = 1;
    levers();
    function_key(30);
    function_key(43);
    function_key(45);
    function_key(34);
    function_key(51);
    function_key(36);
    EXPECT_FLOAT_EQ(flt.throrqst[2], 0.45f);
    EXPECT_FLOAT_EQ(flt.throrqst[3], 0.55f);
    EXPECT_FLOAT_EQ(flt.throrqst[0], 0.5f);
    EXPECT_EQ(set.thro_pot, 0);
    EXPECT_FLOAT_EQ(flt.prop[1], 210);
    EXPECT_FLOAT_EQ(flt.prop[2], 190);
    EXPECT_FLOAT_EQ(flt.mixt[3], 0.55f);
    EXPECT_FLOAT_EQ(flt.mixt[0], 0.45f);
    EXPECT_FLOAT_EQ(flt.mixt[1], 0.5f);
}

namespace {
// The records a key can change, with the key's own echo left out.
std::string command_state()
{
    char echo = msc.key_pressed;
    msc.key_pressed = 0;
    std::string s;
    for (auto [p, n] : {std::pair<const void*, size_t>{&set, sizeof set}, {&flt, sizeof flt}, {&nav, sizeof nav},
                        {&ott, sizeof ott}, {&atc, sizeof atc}, {&msc, sizeof msc}, {&scn, sizeof scn},
                        {&ins, sizeof ins}})
        s.append((const char*)p, n);
    msc.key_pressed = echo;
    return s;
}

// Every command with room to act: controls mid-travel, every radio mid-band,
// an aircraft with reversers and the support radios, a view no key leads to,
// a zoom that can go either way.
void room_to_act()
{
    pln.supptype = 1;
    pln.revthrustEQ = 1;
    pln.numen = 1;
    flt.mixt[0] = 1;
    flt.flaprqst = 0.5f;
    flt.heat = 0.5f;
    flt.sbrk = 1;
    nav.cf[0] = nav.cf[1] = 12000;
    nav.nf[0] = nav.nf[1] = 11000;
    nav.adff = 500;
    nav.tran1 = nav.tran2 = nav.tran3 = nav.tran4 = 3;
    set.view_type = 519;
    scn.zoom = 2;
}
} // namespace

// "Korvan Instructions.txt" is the key table as written, and lists exactly
// the characters that the keyboard commands act on.
TEST_F(CommandsTest, InstructionsListEveryKeyThatActsAndNoOther)
{
    std::ifstream shipped(PROGRAM_DIR "/Korvan Instructions.txt", std::ios::binary);
    ASSERT_TRUE(shipped.good());
    std::string file((std::istreambuf_iterator<char>(shipped)), std::istreambuf_iterator<char>());
    std::ostringstream made;
    write_instructions(made);
    EXPECT_EQ(file, made.str());

    std::string listed;
    for (int k = 0; k < key_help_rows; ++k) {
        listed += key_help[k].chars;
        for (const char* c = key_help[k].chars; *c; ++c)
            EXPECT_NE(file.find(key_help[k].keys), std::string::npos) << *c;
    }
    for (int c = 1; c < 128; ++c) {
        SetUp();
        room_to_act();
        std::string before = command_state();
        APPLICATION_handlekey((char)c);
        bool acted = !requests.empty() || command_state() != before;
        bool in_file = c != 0 && listed.find((char)c) != std::string::npos;
        EXPECT_EQ(acted, in_file) << "key " << c << " '" << (char)c << "'";
    }
}
