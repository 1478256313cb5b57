#include "world/world_services.h"
#include "tests/support/flat_window.h"
#include "shell/startup.h"
#include "contact_fixture.h"

#include "flight/contact.h"
#include "records/flight_state.h"
#include "platform/joystick.h"
#include "platform/sound.h"
#include "platform/window.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_SOUND.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <cmath>
#include <cstring>
#include <vector>

namespace {
void quiet_box(const char*, const char*) {}
} // namespace

void clear_contact_world()
{
    fill_constants();
    fill_trig_tables();
    plat_set_message_box_handler(quiet_box);
    clear_global_state();
    memset(&pln, 0, sizeof pln);
    memset(planexyz, 0, sizeof planexyz);
    memset(on_water, 0, sizeof on_water);
    memset(o_down, 0, sizeof o_down);
    env.i_aircraft = 89;
    env.j_aircraft = 79;
    env.surf_type = 27;
    atm.rway_fric_rat = 1;
    atm.g = con.g;
    // Failures as the start-up leaves them: random mode at level 0, none fails.
    for (int i = 0; i < 32; ++i) rel.fail_type[i] = 1;
    set.joy_rat_hdng = 1;
    msc.prd = 0.05f;
}

void flat_world(float h, int water)
{
    env.lat_sou = 34;
    env.lon_wes = -118;
    flat_window(h);
    for (int i = 0; i < GRID_I; ++i)
        for (int j = 0; j < GRID_J; ++j) on_water[i][j] = water;
    env.localh_cg = h;
}

void tricycle()
{
    pln.gear_type = 3;
    pln.gear_stat[0] = pln.gear_stat[1] = pln.gear_stat[2] = 1;
    pln.ngearZ = -1.5f;
    pln.mgearZ = 0.5f;
    pln.mgearX = 1.2f;
    pln.ngearY = pln.mgearY = -1;
    pln.ngearcon = pln.mgearcon = 40000;
    pln.ngeardmp = pln.mgeardmp = 4000;
    pln.skidcon = 60000;
    pln.skiddmp = 3000;
    pln.wheelrad = 0.3f;
    pln.nwsteer = 10;
    pln.m_max = pln.m_empty = 1000;
    flt.m_total = 1000;
}

void ContactTest::SetUp()
{
    clear_contact_world();
    flat_world(0);
    tricycle();
    x0 = env.dx / 2;
    z0 = -env.dz / 2;
    place(1);
    ASSERT_TRUE(plat_sound_open_loopback(44100));
    msc.sound_avail = 1;
    msc.sound_on = 1;
    std::vector<short> samples(44100, 1000);
    for (int slot : TOUCH_SLOTS)
        ASSERT_TRUE(plat_sound_load(slot, samples.data(), (unsigned)(samples.size() * 2), 1, 16, 44100));
    buffers_filled = 1;
    plat_ff_clear();
}

void ContactTest::TearDown()
{
    dispose_sound();
    msc.sound_avail = 0;
    buffers_filled = 0;
}

void ContactTest::place(double h)
{
    flt.X = x0;
    flt.Z = z0;
    flt.Y = h;
    flt.the = flt.phi = flt.psi = 0;
    flt.sinthe = flt.sinphi = flt.sinpsi = 0;
    flt.costhe = flt.cosphi = flt.cospsi = 1;
    flt.vX = flt.vY = flt.vZ = 0;
    flt.v = 0;
    flt.P = flt.Q = flt.R = flt.Prad = flt.Qrad = flt.Rrad = 0;
    env.localh_cg = planexyz[0][0][1];
}

void ContactTest::clear_forces()
{
    flt.faxilgear = flt.fsidegear = flt.fnrmlgear = 0;
    flt.L = flt.M = flt.N = 0;
    flt.onground = 0;
}

void ContactTest::quiet()
{
    for (int slot : TOUCH_SLOTS) plat_sound_stop(slot);
}

std::vector<int> ContactTest::sounding()
{
    std::vector<int> out;
    for (int slot : TOUCH_SLOTS)
        if (plat_sound_playing(slot)) out.push_back(slot);
    return out;
}
