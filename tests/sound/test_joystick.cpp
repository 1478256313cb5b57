// The joystick read from injected raw values: axes, null zones and curves,
// hat and buttons, button actions and their edges, and the force commands.
#include "records/flight_state.h"
#include "platform/joystick.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_JOY.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/plane_record.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {
const unsigned CENTRE = 32767;
const unsigned NO_HAT = 65535;

plat_joy_state stick;
int plugged_id;   // the id the fake stick answers to, -1 none
std::vector<std::string> notices;

int fake_stick(int id, plat_joy_state* out)
{
    if (id != plugged_id) return 0;
    *out = stick;
    return 1;
}

void record_notice(const char*, const char* text)
{
    notices.push_back(text);
}

struct Joystick : ::testing::Test {
    float ptch = 0, roll = 0, hdng = 0, thro = 0;

    void SetUp() override
    {
        plat_set_message_box_handler(record_notice);
        plat_joy_set_reader(fake_stick);
        notices.clear();
        memset(&set, 0, sizeof set);
        memset(&flt, 0, sizeof flt);
        memset(&msc, 0, sizeof msc);
        memset(&pln, 0, sizeof pln);
        memset(n_button_pressed, 0, sizeof n_button_pressed);
        memset(o_button_pressed, 0, sizeof o_button_pressed);
        stick = plat_joy_state{CENTRE, CENTRE, CENTRE, CENTRE, 0, NO_HAT};
        plugged_id = 0;
        set.controls_type = 15;
        set.eq_ped = 1;
        set.joy_rat_ptch = set.joy_rat_roll = set.joy_rat_hdng = 1;
        msc.prd = 0.01f;
    }

    void TearDown() override
    {
        plat_joy_set_reader(nullptr);
    }

    void frame(int mouse_key = 1)
    {
        JOY_get(&ptch, &roll, &hdng, &thro, mouse_key);
    }

    // Button n (1..16) held for the next frames.
    void hold(int n, bool down)
    {
        if (down) stick.buttons |= 1u << (n - 1);
        else stick.buttons &= ~(1u << (n - 1));
    }
};
} // namespace

TEST_F(Joystick, AxesFromRawValues)
{
    struct {
        unsigned raw;
        float axis, throttle;
    } cases[] = {
        {32767, 0, 0.5f},      // centre
        {0, -1, 1},            // throttle 1.1 clamped
        {65535, 1, -0.09996f}, // about +1 clamped; throttle saturates past idle
        {16383, -0.35356f, 0.8f},
    };
    for (auto& c : cases) {
        stick.x = stick.y = stick.r = stick.z = c.raw;
        frame();
        EXPECT_NEAR(ptch, c.axis, 1e-3) << c.raw;
        EXPECT_NEAR(roll, c.axis, 1e-3) << c.raw;
        EXPECT_NEAR(hdng, c.axis, 1e-3) << c.raw;
        EXPECT_NEAR(thro, c.throttle, 1e-3) << c.raw;
    }

    stick.y = stick.r = 0;
    set.joy_rat_ptch = 0.5f;
    set.eq_ped = 0;
    frame();
    EXPECT_NEAR(ptch, -0.5f, 1e-4) << "the axis ratio scales after the curve";
    EXPECT_EQ(hdng, 0) << "no pedals, no yaw";

    set.controls_type = -1;
    set.MK_ptch = 0.5f;
    frame();
    EXPECT_NEAR(ptch, 0.5f * std::pow(0.5f, 1.5f), 1e-4) << "without a stick only the keyboard yoke flies";
    EXPECT_EQ(thro, 0);
    frame(0);
    EXPECT_EQ(ptch, 0) << "the joystick window sees the stick alone";
}

TEST(JoyCurve, NullZoneComesOffTheTravel)
{
    struct {
        float in, nz, reduced, out;
    } cases[] = {
        {0.05f, 0.1f, 0, 0},
        {0.5f, 0.1f, 0.4f, 0.25298f},
        {1, 0.1f, 0.9f, 0.85381f},
        {-0.5f, 0.1f, -0.4f, -0.25298f},
        {-0.08f, 0.1f, 0, 0},
        {0.3f, 0, 0.3f, 0.16432f},
    };
    for (auto& c : cases) {
        float dat = c.in;
        EXPECT_NEAR(JOY_curve(&dat, c.nz), c.out, 1e-4) << c.in << " nz " << c.nz;
        EXPECT_NEAR(dat, c.reduced, 1e-6) << c.in << " nz " << c.nz;
    }
}

TEST_F(Joystick, ButtonsAndHatToLogicalButtons)
{
    struct {
        unsigned buttons, pov;
        std::vector<int> pressed;
    } cases[] = {
        {0x0001, NO_HAT, {4}},
        {0x0002, NO_HAT, {5}},
        {0x0008, NO_HAT, {7}},
        {0x0003, NO_HAT, {}},      // 1 and 2 together: neither alone
        {0x0044, NO_HAT, {6, 10}}, // 3 alone and 7
        {0x0010, NO_HAT, {8}},
        {0x8000, NO_HAT, {19}},
        {0, 0, {0}},
        {0, 18000, {1}},
        {0, 27000, {2}},
        {0, 9000, {3}},
        {0, 4500, {}},             // forward-right is no direction
    };
    for (auto& c : cases) {
        stick.buttons = c.buttons;
        stick.pov = c.pov;
        frame();
        std::vector<int> got;
        for (int i = 0; i < JOY_BUTTONS; ++i)
            if (n_button_pressed[i]) got.push_back(i);
        EXPECT_EQ(got, c.pressed) << "buttons " << c.buttons << " hat " << c.pov;
    }
}

TEST_F(Joystick, PressReleaseAndHeldActions)
{
    set.joy_response[8] = 20;   // button 5: parking brake while held
    set.joy_response[9] = 21;   // button 6: speed brake toggle

    hold(5, true);
    frame();
    EXPECT_EQ(set.parkbrake, 1);
    set.parkbrake = 0.3f;   // the tail-wheel brake eases it
    frame();
    EXPECT_FLOAT_EQ(set.parkbrake, 0.3f) << "set on the press only";
    hold(5, false);
    frame();
    EXPECT_EQ(set.parkbrake, 0) << "let go on release";

    hold(6, true);
    for (int i = 0; i < 5; ++i) frame();
    EXPECT_EQ(flt.sbrk, 2) << "one toggle per press, however long held";
    hold(6, false);
    frame();
    hold(6, true);
    frame();
    EXPECT_EQ(flt.sbrk, 0);

    hold(6, false);
    frame();
    hold(6, true);
    frame(0);
    EXPECT_EQ(flt.sbrk, 0) << "the joystick window runs no actions";
}

TEST_F(Joystick, ThrustVectorMovesAtAnyFrameRate)
{
    pln.vectEQ = 1;
    pln.varsweepEQ[6] = 1;
    set.joy_response[8] = 18;   // up while held
    set.joy_response[9] = 17;   // down while held
    flt.vectrqst = 50;

    struct {
        int button;
        float prd;
        int frames, vect;
        float sweep;
    } steps[] = {
        {5, 0.01f, 100, 80, 0.5f},    // 100 frames a second: 0.3 a frame
        {5, 0.001f, 1000, 110, 1.0f}, // 1000 frames a second: 0.03 a frame
        {5, 0.05f, 100, 120, 1.0f},   // held against the stop
        {6, 0.004f, 250, 90, 0.5f},
    };
    for (auto& s : steps) {
        msc.prd = s.prd;
        hold(s.button, true);
        for (int i = 0; i < s.frames; ++i) frame();
        hold(s.button, false);
        frame();
        EXPECT_NEAR(flt.vectrqst, s.vect, 1) << "prd " << s.prd;
        EXPECT_NEAR(flt.sweerqst, s.sweep, 0.01) << "prd " << s.prd;
    }
}

TEST_F(Joystick, UnpluggedStickLetsGoOfEveryButton)
{
    pln.vectEQ = 1;
    set.joy_response[8] = 20;
    set.joy_response[9] = 18;
    stick.y = 0;
    hold(5, true);
    hold(6, true);
    frame();
    ASSERT_EQ(set.parkbrake, 1);

    plugged_id = -1;
    frame();
    EXPECT_EQ(set.parkbrake, 0);
    int vect = flt.vectrqst;
    for (int i = 0; i < 200; ++i) frame();
    EXPECT_EQ(flt.vectrqst, vect) << "nothing repeats while the stick is gone";
    EXPECT_NEAR(ptch, -1, 1e-4) << "the axes keep their last reading";
}

TEST_F(Joystick, HelicopterThrottleButtons)
{
    pln.is_heli = 1;
    pln.entype = 1;
    set.eq_col = 1;
    set.joy_response[6] = 20;   // button 3 alone would set the brake, but it is the throttle here
    flt.throrqst[0] = 0.5f;

    struct {
        unsigned buttons;
        float throttle;
    } piston[] = {
        {0x8, 0.6f}, {0x8, 0.6f}, {0x0, 0.6f}, {0x4, 0.5f}, {0x0, 0.5f}, {0x6, 0.0f}, {0xA, 1.0f}, {0x8, 1.0f},
    };
    for (auto& p : piston) {
        stick.buttons = p.buttons;
        frame();
        EXPECT_NEAR(flt.throrqst[0], p.throttle, 1e-5) << "buttons " << p.buttons;
        EXPECT_EQ(flt.throrqst[1], flt.throrqst[0]);
    }
    EXPECT_EQ(set.parkbrake, 0);

    pln.entype = 3;
    stick.buttons = 0x6;
    frame();
    EXPECT_EQ(set.fadec_on, 0);
    stick.buttons = 0xA;
    frame();
    EXPECT_EQ(set.fadec_on, 1);
}

TEST_F(Joystick, InitFindsTheFirstStickThatAnswers)
{
    plugged_id = 1;
    EXPECT_EQ(JOY_init(), 1);
    EXPECT_EQ(set.controls_type, 16);
    EXPECT_TRUE(notices.empty());

    plugged_id = -1;
    EXPECT_EQ(JOY_init(), 0);
    EXPECT_EQ(set.controls_type, -1);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_NE(notices[0].find("Flight control will therefore be with the mouse."), std::string::npos);
    frame();
    EXPECT_EQ(ptch, 0);
    JOY_close();
}

TEST(JoyForce, CodesBecomeEffects)
{
    JOY_force(27, 0, 0, 0);
    struct Expect {
        int effect, active, level, centre, period, direction, length;
    };
    struct {
        int type, a1, a2, a3;
        std::vector<Expect> after;
    } steps[] = {
        {26, 50, 370, 3000, {{PLAT_FF_JOLT, 1, 16383, 0, 0, 1000, 2500}}},
        {26, 150, -90, -5, {{PLAT_FF_JOLT, 1, 32767, 0, 0, 27000, 0}}},
        {19, 150, -40, 120, {{PLAT_FF_X_SPRING, 1, 32767, 32767, 0, 0, 0}, {PLAT_FF_Y_SPRING, 1, 32767, -13106, 0, 0, 0}}},
        {20, 50, 80, 0, {{PLAT_FF_X_VIBRATION, 1, 16383, 0, 20, 0, 0}}},
        {21, 100, 10, 0, {{PLAT_FF_Y_VIBRATION, 1, 32767, 0, 100, 0, 0}}},
        {22, 0, 0, 0, {{PLAT_FF_X_VIBRATION, 0, 16383, 0, 20, 0, 0}, {PLAT_FF_Y_VIBRATION, 1, 32767, 0, 100, 0, 0}}},
        {23, 0, 0, 0, {{PLAT_FF_Y_VIBRATION, 0, 32767, 0, 100, 0, 0}}},
        {24, 70, 0, 0, {{PLAT_FF_BUFFETING, 1, 22936, 0, 83, 0, 0}}},
        {99, 1, 1, 1, {{PLAT_FF_BUFFETING, 1, 22936, 0, 83, 0, 0}}},
        {25, 0, 0, 0, {{PLAT_FF_BUFFETING, 0, 22936, 0, 83, 0, 0}, {PLAT_FF_X_SPRING, 1, 32767, 32767, 0, 0, 0}}},
        {27, 0, 0, 0, {{PLAT_FF_X_SPRING, 0, 32767, 32767, 0, 0, 0}, {PLAT_FF_Y_SPRING, 0, 32767, -13106, 0, 0, 0}}},
    };
    for (auto& s : steps) {
        JOY_force(s.type, s.a1, s.a2, s.a3);
        for (auto& e : s.after) {
            plat_ff_effect got;
            plat_ff_effect_of(e.effect, &got);
            std::string at = "JOY_force(" + std::to_string(s.type) + ") effect " + std::to_string(e.effect);
            EXPECT_EQ(got.active, e.active) << at;
            EXPECT_EQ(got.level, e.level) << at;
            EXPECT_EQ(got.centre, e.centre) << at;
            EXPECT_EQ(got.period_ms, e.period) << at;
            EXPECT_EQ(got.direction, e.direction) << at;
            EXPECT_EQ(got.length_ms, e.length) << at;
        }
    }
}
