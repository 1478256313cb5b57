// Ground contact points one at a time: spring and damper, friction by
// surface, brakes, steering, decks, and the touch-down sounds and jolts.
#include "contact_fixture.h"

#include "flight/contact.h"
#include "records/flight_state.h"
#include "platform/joystick.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <cmath>

namespace {
// Arms of the fixture's wheels.
const float NOSE[3] = {0, -1, -1.5f};
const float LEFT[3] = {-1.2f, -1, 0.5f};
const float RIGHT[3] = {1.2f, -1, 0.5f};

struct Ground : ContactTest {
    float rolling = 0, braking = 0, side = 0;

    void SetUp() override
    {
        ContactTest::SetUp();
        surface_friction(27, &rolling, &braking, &side);
    }

    // Wheel at arms a pressed d metres into the ground (the aircraft level).
    int wheel(int w, const float* a, float d, float fco1 = 0.04f, float fco2 = 0.8f)
    {
        flt.Y = -a[1] - d;
        return handle_contact_point(w, a[0], a[1], a[2], 40000, 4000, fco1, fco2);
    }

    // Moving over the ground at east and north speeds (m/s).
    void moving(float east, float north)
    {
        flt.vX = east;
        flt.vZ = -north;
        flt.v = std::sqrt(east * east + north * north);
    }
};
} // namespace

TEST_F(Ground, WheelAtRestPushesWithItsSpringAlone)
{
    struct {
        float d, k;
    } cases[] = {{0.05f, 40000}, {0.1f, 20000}, {0.002f, 150000}};
    for (auto c : cases) {
        SCOPED_TRACE(c.d);
        clear_forces();
        flt.Y = 1 - c.d;
        EXPECT_EQ(handle_contact_point(1, LEFT[0], LEFT[1], LEFT[2], c.k, 4000, 0.04f, 0.8f), 1);
        EXPECT_NEAR(pln.condef[1], c.d, 1e-5f);
        EXPECT_NEAR(flt.fnrmlgear, c.d * c.k, c.d * c.k * 1e-4f);
        EXPECT_FLOAT_EQ(flt.faxilgear, 0);
        EXPECT_FLOAT_EQ(flt.fsidegear, 0);
        // Pushing up under the left wing rolls right and, behind the CG, pitches down.
        EXPECT_NEAR(flt.L, 1.2f * flt.fnrmlgear, 1);
        EXPECT_NEAR(flt.M, -0.5f * flt.fnrmlgear, 1);
        EXPECT_EQ(flt.onground, 1);
    }
}

TEST_F(Ground, TheGroundNeverPulls)
{
    // Clear of the ground: nothing, and no deflection left behind.
    pln.condef[1] = 0.3f;
    EXPECT_EQ(wheel(1, LEFT, -0.01f), 0);
    EXPECT_FLOAT_EQ(pln.condef[1], 0);

    // In the ground but leaving faster than the spring pushes.
    flt.vY = 1;
    EXPECT_EQ(wheel(1, LEFT, 0.01f), 0);
    EXPECT_FLOAT_EQ(flt.fnrmlgear, 0);
    EXPECT_FLOAT_EQ(flt.L, 0);
    EXPECT_EQ(flt.onground, 0);

    // Just at the surface counts as touching.
    flt.vY = 0;
    EXPECT_EQ(wheel(1, LEFT, 0), 1);
}

TEST_F(Ground, ADeepFallPushesAtMostFiveTimesTheWeight)
{
    flt.vY = -30;
    EXPECT_EQ(wheel(1, LEFT, 0.8f), 1);
    EXPECT_NEAR(flt.fnrmlgear, 5 * 1000 * con.g, 1);
}

TEST_F(Ground, FrictionBySurface)
{
    atm.rway_fric_rat = 0.7f;
    struct {
        int surf;
        float rolling, braking, side;
    } cases[] = {
        {27, 0.04f, 0.56f, 0.28f}, {28, 0.04f, 0.56f, 0.28f}, {29, 0.08f, 0.28f, 0.14f},
        {30, 0.16f, 0.28f, 0.56f}, {31, 0.16f, 0.28f, 0.56f}, {32, 0.16f, 0.28f, 0.56f},
        {0, 0.16f, 0.28f, 0.56f},  // no surface recorded: open terrain
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.surf);
        float r, b, s;
        surface_friction(c.surf, &r, &b, &s);
        EXPECT_NEAR(r, c.rolling, 1e-6f);
        EXPECT_NEAR(b, c.braking, 1e-6f);
        EXPECT_NEAR(s, c.side, 1e-6f);
    }
}

TEST_F(Ground, BumpsBySurface)
{
    struct {
        int surf;
        float x, z, bump;
    } cases[] = {
        {27, 0.4f, 0.3f, 0},
        {28, 0.4f, 0.3f, 0},
        {29, 0, 0, 0.02f},  // cos 0 + sin 0 + sin 0 + cos 0
        {29, 0.4f, 0.3f, 0.01f * (std::cos(1.2f) + std::sin(1.6f) + std::sin(0.4f) + std::cos(0.3f))},
        {30, 0.4f, 0.3f, 0.02f * (std::cos(1.2f) + std::sin(1.6f) + std::sin(0.8f) + std::cos(0.6f))},
        {31, 0.4f, 0.3f, 0.02f * (std::sin(1.6f) + std::cos(1.2f))},
        {32, 0.4f, 0.3f, 0.04f * (std::cos(1.2f) + std::sin(1.6f) + std::sin(0.4f) + std::cos(0.3f))},
        {32, 0, 0, 0.08f},
        {0, 0, 0, 0.08f},   // nothing drawn under the aircraft: open terrain
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.surf);
        EXPECT_NEAR(surface_bump(c.surf, c.x, c.z), c.bump, 1e-6f);
    }
}

TEST_F(Ground, TheWheelRidesTheBumpWhereItStands)
{
    // Heading east, the left wheel (1.2 m left, 0.5 m aft) stands 0.5 m west
    // and 1.2 m north of the centre of gravity.
    env.surf_type = 32;
    flt.psi = 90;
    flt.sinpsi = 1;
    flt.cospsi = 0;
    float x, z;
    contact_world_xz(LEFT[0], LEFT[2], &x, &z);
    EXPECT_NEAR(x, x0 - 0.5, 1e-2);
    EXPECT_NEAR(z, z0 - 1.2, 1e-2);
    wheel(1, LEFT, 0.1f);
    EXPECT_NEAR(pln.condef[1], 0.1f + surface_bump(32, x, z), 1e-4f);
}

TEST_F(Ground, FrictionFadesInOverTheFirstMetrePerSecond)
{
    struct {
        float east, north;
        float axial, side;   // as shares of the normal force
    } cases[] = {
        {0, 0, 0, 0},
        {0, 0.5f, -0.04f * 0.5f, 0},
        {0, 5, -0.04f, 0},
        {0, -3, 0.04f, 0},                     // rolling backwards
        {0.5f, 0, -0.04f * 0.5f, -0.8f * 0.5f},  // sliding right
        {-4, 0, -0.04f, 0.8f},                 // sliding left, fully
    };
    for (auto c : cases) {
        SCOPED_TRACE(testing::Message() << c.east << ", " << c.north);
        clear_forces();
        moving(c.east, c.north);
        ASSERT_EQ(wheel(1, LEFT, 0.05f), 1);
        float n = flt.fnrmlgear;
        EXPECT_NEAR(flt.faxilgear, c.axial * n, 0.5f);
        EXPECT_NEAR(flt.fsidegear, c.side * n, 0.5f);
    }
}

TEST_F(Ground, BrakesAndDifferentialBraking)
{
    struct {
        float nwsteer;
        int eq_ped;
        float yk_roll, yk_hdng, parkbrake;
        float left, right;   // axial coefficient of each main wheel
    } cases[] = {
        {10, 0, 0, 0, 0, 0.04f, 0.04f},
        {10, 0, 0, 0, 1, 0.8f, 0.8f},
        {10, 0, 1, 0, 0, 0.04f, 0.04f},   // a steerable nose wheel: no differential braking
        {0, 0, 1, 0, 0, 0.04f, 0.42f},    // right stick brakes the right wheel
        {0, 0, -1, 0, 0.5f, 0.8f, 0.04f},
        {0, 1, 1, 0, 0, 0.04f, 0.04f},    // with pedals the stick does not brake
        {0, 1, 0, 1, 0, 0.04f, 0.42f},
        {0, 1, 0, 1, 1, 0.42f, 0.8f},
    };
    for (auto c : cases) {
        SCOPED_TRACE(testing::Message() << c.nwsteer << " " << c.eq_ped << " " << c.yk_roll << " " << c.yk_hdng
                                        << " " << c.parkbrake);
        pln.nwsteer = c.nwsteer;
        set.eq_ped = c.eq_ped;
        set.YK_roll = c.yk_roll;
        set.YK_hdng = c.yk_hdng;
        set.parkbrake = c.parkbrake;
        moving(0, 5);
        clear_forces();
        ASSERT_EQ(wheel(1, LEFT, 0.05f, rolling, braking), 1);
        EXPECT_NEAR(flt.faxilgear, -c.left * flt.fnrmlgear, 0.5f);
        clear_forces();
        ASSERT_EQ(wheel(2, RIGHT, 0.05f, rolling, braking), 1);
        EXPECT_NEAR(flt.faxilgear, -c.right * flt.fnrmlgear, 0.5f);
    }
}

TEST_F(Ground, SideForceOfNoseWheelsAndTailDraggerMains)
{
    moving(2, 0);   // sliding right
    struct {
        const char* gear;
        float ngearZ, mgearZ, nwsteer;
        int w;
        float share;   // of the full side friction
    } cases[] = {
        {"steered nose wheel", -1.5f, 0.5f, 10, 0, 1},
        {"castering nose wheel", -1.5f, 0.5f, 0, 0, 0},
        {"tricycle main", -1.5f, 0.5f, 0, 2, 1},
        {"tail-dragger main", 4, -0.3f, -10, 2, 0.5f},
        {"tail wheel", 4, -0.3f, -10, 0, 1},
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.gear);
        pln.ngearZ = c.ngearZ;
        pln.mgearZ = c.mgearZ;
        pln.nwsteer = c.nwsteer;
        clear_forces();
        const float* a = c.w == 0 ? NOSE : RIGHT;
        ASSERT_EQ(wheel(c.w, a, 0.05f), 1);
        EXPECT_NEAR(flt.fsidegear, -0.8f * c.share * flt.fnrmlgear, 0.5f);
        flt.R = flt.Rrad = 0;
    }
}

TEST_F(Ground, NoseWheelSteeringGains)
{
    // 10 degrees of steering over a 2 m wheelbase; R in degrees per second.
    struct {
        float input, speed, joy_rat;
        int backwards;
        float R;
    } cases[] = {
        {0.5f, 10, 1, 0, 25},      // half input, from 10 m/s: both gains 1
        {0.25f, 20, 1, 0, 25},
        {1, 10, 1, 0, 250},        // full input: input gain 5
        {0.75f, 5, 1, 0, 168.75f}, // input gain 3, speed gain 3
        {1, 0.5f, 1, 0, 60},       // speed gain 4.8 near rest
        {-0.5f, 10, 1, 0, -25},
        {0.25f, 10, 0.5f, 0, 25},  // the joystick's yaw ratio is taken back out
        {0.5f, 10, 1, 1, -25},     // rolling backwards
    };
    set.eq_ped = 1;
    for (auto c : cases) {
        SCOPED_TRACE(testing::Message() << c.input << " at " << c.speed);
        set.YK_hdng = c.input;
        set.joy_rat_hdng = c.joy_rat;
        moving(0, c.backwards ? -c.speed : c.speed);
        flt.R = flt.Rrad = 0;
        clear_forces();
        ASSERT_EQ(wheel(0, NOSE, 0.05f), 1);
        EXPECT_NEAR(flt.R, c.R, std::fabs(c.R) * 1e-4f);
        EXPECT_NEAR(flt.Rrad, c.R * con.degtorad, std::fabs(c.R) * 1e-6f);
    }
}

TEST_F(Ground, ATailWheelSteersTheSameWayAsANoseWheel)
{
    // The loader turns a tail wheel's steering negative.
    pln.ngearZ = 4;
    pln.mgearZ = -0.3f;
    pln.nwsteer = -10;
    set.eq_ped = 1;
    set.YK_hdng = 0.5f;
    moving(0, 10);
    const float tail[3] = {0, -1, 4};
    ASSERT_EQ(wheel(0, tail, 0.05f), 1);
    EXPECT_NEAR(flt.R, 10 * 0.5f * 10 / 4.3f, 1e-3f);
    EXPECT_NEAR(flt.Rrad, flt.R * con.degtorad, 1e-6f);
}

TEST_F(Ground, WithoutSteeringTheYawStopsBelowOneMetrePerSecond)
{
    pln.nwsteer = 0;
    struct {
        float speed, R;
    } cases[] = {{0.5f, 0}, {0.99f, 0}, {2, 7}};
    for (auto c : cases) {
        SCOPED_TRACE(c.speed);
        flt.R = 7;
        flt.Rrad = 7 * con.degtorad;
        moving(0, c.speed);
        ASSERT_EQ(wheel(0, NOSE, 0.05f), 1);
        EXPECT_FLOAT_EQ(flt.R, c.R);
        EXPECT_FLOAT_EQ(flt.Rrad, c.R * con.degtorad);
    }
}

TEST_F(Ground, SkidsHoldTheYaw)
{
    flt.Rdot = 20;
    flt.R = 3;
    const float skid[3] = {-1, -1, -0.5f};
    flt.Y = 1.01;
    ASSERT_EQ(handle_contact_point(3, skid[0], skid[1], skid[2], 60000, 3000, side, side), 0);
    flt.Y = 0.95;
    ASSERT_EQ(handle_contact_point(3, skid[0], skid[1], skid[2], 60000, 3000, side, side), 1);
    EXPECT_FLOAT_EQ(flt.R, -20 * 0.05f);
    EXPECT_FLOAT_EQ(flt.Rrad, -20 * 0.05f * con.degtorad);
}

TEST_F(Ground, FrictionActsOnTheSpeedOverTheDeck)
{
    // A level deck at the ground's height, rolling at 10 deg/s and pitching at 5 deg/s.
    con.BOAT_loc_X = (float)x0;
    con.BOAT_loc_Z = (float)z0;
    con.cosBOATphi = con.cosBOATthe = 1;
    con.sinBOATphi = con.sinBOATthe = 0;
    env.carr_phi_dot = env.frig_phi_dot = 10;
    env.carr_the_dot = env.frig_the_dot = 5;
    float r10 = 10 * con.degtorad, r5 = 5 * con.degtorad;
    struct {
        int carr, frig;
        float deck;
        float vX, vZ;   // the deck's own motion: no friction
    } cases[] = {
        {1, 0, 21, 21 * r10, 21 * r5},
        {0, 1, 7, 7 * r10, 7 * r5},
        {1, 1, 21, 21 * r10, 21 * r5},   // the carrier wins
    };
    for (auto c : cases) {
        SCOPED_TRACE(testing::Message() << c.carr << c.frig);
        env.over_carr = c.carr;
        env.over_frig = c.frig;
        con.BOAT_loc_Y = -c.deck;
        flt.vX = c.vX;
        flt.vZ = c.vZ;
        flt.v = std::sqrt(c.vX * c.vX + c.vZ * c.vZ);
        clear_forces();
        ASSERT_EQ(wheel(1, LEFT, 0.05f), 1);
        EXPECT_NEAR(flt.faxilgear, 0, 1e-2f);
        EXPECT_NEAR(flt.fsidegear, 0, 1e-2f);
    }
    // The same motion over plain ground rubs.
    env.over_carr = env.over_frig = 0;
    clear_forces();
    ASSERT_EQ(wheel(1, LEFT, 0.05f), 1);
    EXPECT_LT(flt.fsidegear, -100);
}

TEST_F(Ground, TouchDownSoundsBySinkRateAndSurface)
{
    struct {
        int surf;
        float vY;
        int slot;
    } cases[] = {
        {27, -1, 7}, {28, -2.5f, 7}, {29, -1, 8}, {31, -1, 8}, {32, -2, 8},
        {0, -1, 8}, {27, -3, 10}, {30, -2.6f, 10}, {32, -3, 10},
    };
    for (auto c : cases) {
        SCOPED_TRACE(testing::Message() << c.surf << " at " << c.vY);
        quiet();
        memset(o_down, 0, sizeof o_down);
        env.surf_type = c.surf;
        place(0.8);   // deeper than any bump
        flt.vY = c.vY;
        clear_forces();
        contact_phase();
        EXPECT_EQ(o_down[0] + o_down[1] + o_down[2], 3);
        EXPECT_EQ(sounding(), std::vector<int>{c.slot});
        // Still down on the next call: no new sound.
        quiet();
        contact_phase();
        EXPECT_TRUE(sounding().empty());
    }
}

TEST_F(Ground, WheelJoltGrowsWithTheDeflection)
{
    pln.gear_stat[0] = pln.gear_stat[2] = 0;
    struct {
        float d, wheelrad;
        int magnitude;
    } cases[] = {
        {0.0405f, 0.3f, 40},
        {0.0055f, 0.3f, 5},
        {0.2f, 0.3f, 100},   // 200, as much as the stick gives
        {0.01f, 0, 100},     // no wheel size known: a full jolt
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.d);
        memset(o_down, 0, sizeof o_down);
        pln.wheelrad = c.wheelrad;
        place(1 - c.d);
        plat_ff_clear();
        clear_forces();
        contact_phase();
        plat_ff_effect e;
        plat_ff_effect_of(PLAT_FF_JOLT, &e);
        EXPECT_EQ(e.active, 1);
        EXPECT_EQ(e.level, c.magnitude * 32767 / 100);
        EXPECT_EQ(e.direction, 0);
        EXPECT_EQ(e.length_ms, 300);
    }
}

TEST_F(Ground, ABodyOrWingTipTouchJoltsFully)
{
    // Retracted gear: the belly and a low wing tip meet the ground.
    pln.gear_stat[0] = pln.gear_stat[1] = pln.gear_stat[2] = 0;
    for (int s = 0; s < 11; ++s) {
        pln.body_Y[18][s][8] = -0.5f;
        pln.body_Z[18][s][8] = s - 5.0f;
    }
    place(0.45);
    contact_phase();
    EXPECT_EQ(o_down[7], 1);
    EXPECT_EQ(sounding(), std::vector<int>{10});
    plat_ff_effect e;
    plat_ff_effect_of(PLAT_FF_JOLT, &e);
    EXPECT_EQ(e.level, 32767);
    EXPECT_EQ(e.length_ms, 250);
}

TEST_F(Ground, NothingHappensFiftyMetresUp)
{
    o_down[1] = 1;
    place(50);
    contact_phase();
    EXPECT_EQ(flt.onground, 0);
    EXPECT_EQ(o_down[1], 1);
    EXPECT_TRUE(sounding().empty());
}
