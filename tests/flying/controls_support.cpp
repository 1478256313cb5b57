#include "controls_support.h"
#include "shell/startup.h"

#include "tests/support/trainer.h"

#include "records/cockpit_state.h"
#include "flight/FLTCALC.h"
#include "flight/INITPLN.h"
#include "flight/control_input.h"
#include "world/coordinates.h"
#include "records/flight_state.h"
#include "flight/start_placement.h"
#include "platform/joystick.h"
#include "platform/window.h"
#include "shell/INITGEN.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_JOY.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <cmath>
#include <cstring>

unsigned stick_x, stick_y, stick_z, stick_r;
std::vector<std::string> control_notices;

namespace {
int read_stick(int id, plat_joy_state* out)
{
    if (id != 0) return 0;
    *out = plat_joy_state{stick_x, stick_y, stick_z, stick_r, 0, 65535};
    return 1;
}

void record_notice(const char*, const char* text)
{
    std::string s = text;
    for (size_t p; (p = s.find("\n\n")) != std::string::npos;) s.replace(p, 2, "|");
    control_notices.push_back(s);
}

void clear_records()
{
    fill_constants();
    fill_trig_tables();
    ogl_ready = 0;
    gdone = 0;
    plat_set_message_box_handler(record_notice);
    control_notices.clear();
    memset(&mnw, 0, sizeof mnw);
    clear_global_state();
    memset(&atc, 0, sizeof atc);
    memset(n_button_pressed, 0, sizeof n_button_pressed);
    memset(o_button_pressed, 0, sizeof o_button_pressed);
}

void every_system_working()
{
    int* flags[] = {&rel.fc_ail, &rel.fc_elv, &rel.fc_rud, &rel.fc_thr, &rel.stbaug, &rel.sttrim, &rel.otto};
    for (int* f : flags) *f = 1;
    rel.hyd_rat = 1;
}
} // namespace

unsigned axis(float v)
{
    return (unsigned)std::lround((v + 1) * 32767);
}

unsigned lever(float t)
{
    return (unsigned)std::lround((1.1 - t) * 65537 / 1.2);
}

void ControlsTest::SetUp()
{
    clear_records();
    memset(&pln, 0, sizeof pln);
    every_system_working();
    plat_joy_set_reader(read_stick);
    stick_x = stick_y = stick_r = axis(0);
    stick_z = lever(0);
    set.controls_type = -1;
    set.joy_rat_ptch = set.joy_rat_roll = set.joy_rat_hdng = 1;
    msc.prd = 0.05f;
    msc.est_Vs = 25;
    // Round travels, degrees.
    pln.ailn_up = 20;
    pln.ailn_dn = 15;
    pln.elev_up = 30;
    pln.elev_dn = 20;
    pln.rudd_def = 25;
    pln.Zarm[10] = 5;
    pln.ASloV = 40;
    pln.AShiV = 120;
    for (int e = 0; e < 4; ++e) flt.throrqst[e] = 0.5f;
}

void ControlsTest::TearDown()
{
    plat_joy_set_reader(nullptr);
}

void ControlsTest::frames(int n)
{
    for (int k = 0; k < n; ++k) update_controls();
}

namespace {
void flat_world(float h)
{
    env.lat_sou = 34;
    env.lon_wes = -118;
    float degree = 60 * con.nmtomtrs;
    float coslat = std::cos(35 * con.degtorad);
    env.lox = 0;
    env.hix = env.dx = 3 * degree * coslat;
    env.hiz = 0;
    env.loz = -2 * degree;
    env.dz = 2 * degree;
    for (int c = 0; c < 3; ++c) {
        for (int r = 0; r < 2; ++r) {
            env.lonwes_ref[c][r] = (float)(env.lon_wes + c);
            env.planex_ref[c][r] = c * degree * coslat;
        }
    }
    for (int i = 0; i < GRID_I; ++i) {
        for (int j = 0; j < GRID_J; ++j) {
            planexyz[i][j][0] = env.dx * i / (GRID_I - 1);
            planexyz[i][j][1] = h;
            planexyz[i][j][2] = -env.dz * j / (GRID_J - 1);
        }
    }
    env.i_aircraft = GRID_I / 2;
    env.j_aircraft = GRID_J / 2;

    memset(apt_len, 0, sizeof apt_len);
    copy_bounded(apt_id[0], "KTRN", 5);
    copy_bounded(apt_name[0], "Trainer Field", 40);
    apt_lat[0][0] = 35;
    apt_lon[0][0] = -116.5f;
    apt_num[0][0] = 27;
    apt_lr[0][0] = 'x';
    apt_hdng[0][0] = 270;
    apt_len[0][0] = 1200;
    apt_width[0][0] = 30;
    apt_h[0] = h;
    env.aptmax = 0;
    env.navmax = -1;
    msc.loc_apt_wrl = 0;
}

void standard_day_with_gravity()
{
    standard_day();
    atm.g = con.g;
    msc.prd = 0.05f;
}

void load_trainer()
{
    if (load_bundled_trainer()) {
        ASSERT_TRUE(control_notices.empty()) << control_notices[0];
    }
}
} // namespace

void TrainerFlight::SetUp()
{
    clear_records();
    memset(&fpl, 0, sizeof fpl);
    memset(traf_xyzvh, 0, sizeof traf_xyzvh);
    flat_world(300);
    standard_day_with_gravity();
    load_trainer();
    set.controls_type = -1;
    set.joy_rat_ptch = set.joy_rat_roll = set.joy_rat_hdng = 1;
    msc.typestart = 7;
    msc.rway_sel = 0;
    set_fltvars(9);
    every_system_working();
    // A frame of the controls with no autopilot mode, as runs between any two
    // flights of the simulator: the modes' memory of the last test is gone.
    update_controls();
}

void TrainerFlight::fly(float seconds)
{
    for (float t = 0; t < seconds; t += msc.prd) {
        mnw.time_elapsed += msc.prd;
        update_flight();
    }
}

void TrainerFlight::start_in_air(float h, float psi, float v)
{
    set.cus_X = X_with_latlon(35, -116.5f);
    set.cus_Z = Z_with_lat(35);
    set.cus_Y = 300 + h;
    set.cus_psi = psi;
    set.cus_v = v;
    set_fltvars(10);
    every_system_working();
    flt.heat = 1;   // carburettor heat, as for any long flight at part power
}

int TrainerFlight::start_at_bundled_runway(const char* id, int num, char side, int typestart, int* rway)
{
    int a = start_at_bundled_runway_of(id, num, side, typestart, rway);
    every_system_working();
    flt.heat = 1;
    return a;
}
