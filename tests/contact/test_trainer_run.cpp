// The bundled trainer on a flat world, flown frame by frame through the
// whole flight step: it sits, taxis, steers, brakes, takes off and lands; and
// a tail-wheel version of it turns on the ground.
#include "contact_fixture.h"

#include "records/cockpit_state.h"
#include "flight/FLTCALC.h"
#include "flight/INITPLN.h"
#include "records/flight_state.h"
#include "flight/start_placement.h"
#include "shell/INITGEN.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_file.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <unistd.h>

namespace {
const float FIELD_H = 100;   // m, the airport's elevation

struct TrainerRun : ::testing::Test {
    std::string out_path;
    double start_X = 0, start_Z = 0;
    int jumps = 0;   // frames in which the aircraft was put somewhere else (a crash)

    void SetUp() override
    {
        clear_contact_world();
        memset(&rel, 0, sizeof rel);
        for (int i = 0; i < 32; ++i) rel.fail_type[i] = 1;   // as the start-up leaves them: none fails
        memset(&ott, 0, sizeof ott);
        memset(&ins, 0, sizeof ins);
        memset(&nav, 0, sizeof nav);
        memset(&atc, 0, sizeof atc);
        memset(&fpl, 0, sizeof fpl);
        memset(&scn, 0, sizeof scn);
        memset(&pat, 0, sizeof pat);
        memset(traf_xyzvh, 0, sizeof traf_xyzvh);
        ogl_ready = 0;
        gdone = 0;
        flat_world(FIELD_H);
        atmosphere();
        airport();

        out_path = "/tmp/korvan_trainer_run_" + std::to_string(getpid()) + ".out";
        trk.open(out_path, std::ios::out | std::ios::trunc);
        trk.setf(std::ios::fixed, std::ios::floatfield);
        copy_bounded(app_path, PROGRAM_DIR "/", 400);
    }

    void TearDown() override
    {
        trk.close();
        trk.clear();
        std::remove(out_path.c_str());
    }

    // The density table of the start-up and a standard day.
    static void atmosphere()
    {
        init_density_table();
        atm.temp_SL = 59;
        atm.baro = ins.baro = 29.92f;
        atm.vis_mult = 1;
        atm.vis_rep = 7 * con.nmtomtrs;
        msc.locl_time = 43200;
    }

    // One paved runway heading north in the middle of the window.
    static void airport()
    {
        memset(apt_len, 0, sizeof apt_len);
        apt_lat[0][0] = 35;
        apt_lon[0][0] = -116.5f;
        apt_hdng[0][0] = 0;
        apt_len[0][0] = 3000;
        apt_width[0][0] = 45;
        apt_h[0] = FIELD_H;
        env.aptmax = 0;
        msc.loc_apt_wrl = 0;
        msc.rway_sel = 0;
    }

    void load(const char* path, const char* file)
    {
        copy_bounded(pln.C_path, path, 400);
        copy_bounded(pln.C_file, file, 400);
        load_plane();
    }

    // Ready for take-off at the threshold: engine at idle, parking brake set.
    void line_up()
    {
        msc.typestart = 7;
        set_fltvars(9);
        set.controls_type = -1;   // the keyboard yoke, no pedals
        set.eq_ped = 0;
        set.joy_rat_ptch = set.joy_rat_roll = set.joy_rat_hdng = 1;
        start_X = flt.X;
        start_Z = flt.Z;
        throttle(0);
    }

    static void throttle(float t)
    {
        for (int e = 0; e < 4; ++e) flt.throrqst[e] = t;
    }

    // Flies `seconds` of simulated time; `each` runs before every frame.
    void fly(float seconds, const std::function<void()>& each = nullptr)
    {
        for (float t = 0; t < seconds; t += msc.prd) {
            if (each) each();
            // The second tick keeps an engine with fuel and mixture running.
            for (int e = 0; e < pln.numen && e < 4; ++e) flt.eng_running[e] = 1;
            double x = flt.X, z = flt.Z;
            env.surf_type = 27;   // the runway the scene would report
            mnw.time_elapsed += msc.prd;
            update_flight();
            if (std::hypot(flt.X - x, flt.Z - z) > 30) ++jumps;
        }
    }

    // Pitch attitude held with the keyboard yoke.
    static void hold_pitch(float the)
    {
        set.MK_ptch = fltlim(0.08f * (the - flt.the) - 0.02f * flt.Q, -1, 1);
    }

    // Wings held level with the keyboard yoke.
    static void hold_wings_level()
    {
        set.MK_roll = fltlim(-0.05f * flt.phi - 0.01f * flt.P, -1, 1);
    }

    double height() const { return flt.Y - FIELD_H; }
    double travelled() const { return std::hypot(flt.X - start_X, flt.Z - start_Z); }
};

float heading_change(float from, float to)
{
    return fltwrap(to - from, -180, 180);
}
} // namespace

TEST_F(TrainerRun, SitsTaxisSteersBrakesTakesOffAndLands)
{
    load(PROGRAM_DIR "/Aircraft/Trainer.acf", "Trainer.acf");
    line_up();

    // Sitting at idle with the brakes set: it settles to its resting height
    // and attitude and stays there; the brakes hold it still at idle and at
    // full throttle alike.
    fly(10);
    double x = flt.X, z = flt.Z;
    fly(10);
    EXPECT_EQ(flt.onground, 1);
    EXPECT_NEAR(height(), pln.h_eqlbm, 0.05);
    EXPECT_NEAR(flt.the, fltwrap(pln.the_eqlbm, -180, 180), 0.5f);
    EXPECT_NEAR(flt.phi, 0, 0.2f);
    EXPECT_LT(std::hypot(flt.X - x, flt.Z - z), 0.01);
    EXPECT_LT(flt.v, 0.01f);
    // Full throttle with the yoke held back, as in a run-up.
    throttle(1);
    fly(15, [] { set.MK_ptch = 1; });
    set.MK_ptch = 0;
    EXPECT_LT(std::hypot(flt.X - x, flt.Z - z), 0.05);
    throttle(0);
    fly(3);

    // Taxiing straight ahead with a little power.
    set.parkbrake = 0;
    throttle(0.3f);
    fly(10);
    EXPECT_EQ(flt.onground, 1);
    EXPECT_GT(flt.v, 2);
    EXPECT_LT(flt.v, 15);
    EXPECT_NEAR(heading_change(0, flt.psi), 0, 3);

    // Steering right, then left.
    throttle(0.2f);
    float psi = flt.psi;
    fly(3, [] { set.MK_roll = 0.6f; });
    EXPECT_GT(heading_change(psi, flt.psi), 20);
    psi = flt.psi;
    fly(3, [] { set.MK_roll = -0.6f; });
    EXPECT_LT(heading_change(psi, flt.psi), -20);
    set.MK_roll = 0;
    EXPECT_EQ(flt.onground, 1);
    EXPECT_NEAR(flt.phi, 0, 5);

    // Braking to a stop.
    throttle(0);
    set.parkbrake = 1;
    fly(8);
    EXPECT_LT(flt.v, 0.1f);
    EXPECT_EQ(flt.onground, 1);

    // Full power and off: rotate at 55 knots.
    set.parkbrake = 0;
    throttle(1);
    float t_air = -1, t = 0;
    fly(40, [&] {
        t += msc.prd;
        if (flt.vind > 55) hold_pitch(8);
        hold_wings_level();
        if (t_air < 0 && !flt.onground) t_air = t;
    });
    EXPECT_GT(t_air, 5);
    EXPECT_EQ(flt.onground, 0);
    EXPECT_GT(height(), 40);
    EXPECT_EQ(jumps, 0);

    // Back down: a power-off glide, a flare near the ground, the roll-out
    // on the brakes.
    throttle(0);
    int touched = 0;
    float sink_at_touch = 0;
    fly(70, [&] {
        hold_wings_level();
        if (!touched && flt.onground) {
            touched = 1;
            sink_at_touch = (float)flt.vY;
        }
        if (touched) {
            set.MK_ptch = 0;
            set.parkbrake = 1;
        } else {
            hold_pitch(height() > pln.h_eqlbm + 8 ? -3.0f : 4.0f);
        }
    });
    EXPECT_EQ(touched, 1);
    EXPECT_GT(sink_at_touch, -3);
    EXPECT_EQ(jumps, 0);
    EXPECT_GT(travelled(), 1000);   // down the field, not put back at the start
    EXPECT_EQ(flt.onground, 1);
    EXPECT_LT(flt.v, 0.1f);
    EXPECT_NEAR(height(), pln.h_eqlbm, 0.05);
    EXPECT_NEAR(flt.phi, 0, 0.2f);
}

TEST_F(TrainerRun, ATailWheelTrainerTurnsOnTheGround)
{
    // The trainer's design with its nose wheel moved to the tail and its
    // mains a foot ahead of the centre of gravity.
    std::string path = "/tmp/korvan_taildragger_" + std::to_string(getpid()) + ".acf";
    ASSERT_EQ(read_plane_file("Trainer.acf", PROGRAM_DIR "/Aircraft/Trainer.acf"), 1);
    pln.ngearZ = 18;
    pln.ngearY = 1.5f;
    pln.mgearZ = pln.cgZ - 1;
    ASSERT_EQ(write_plane_file(path.c_str()), 1);
    load(path.c_str(), "Taildragger.acf");
    std::remove(path.c_str());
    ASSERT_LT(pln.nwsteer, 0);
    line_up();
    fly(10);
    EXPECT_EQ(flt.onground, 1);
    EXPECT_NEAR(flt.the, fltwrap(pln.the_eqlbm, -180, 180), 1);

    set.parkbrake = 0;
    throttle(0.4f);
    fly(10);
    EXPECT_GT(flt.v, 2);
    for (float way : {1.0f, -1.0f}) {
        SCOPED_TRACE(way);
        float psi = flt.psi;
        fly(4, [&] { set.MK_roll = 0.6f * way; });
        EXPECT_GT(way * heading_change(psi, flt.psi), 20);
        EXPECT_EQ(flt.onground, 1);
    }
    EXPECT_EQ(jumps, 0);
}
