#include "world/world_services.h"
#include "tests/support/flat_window.h"
#include "shell/startup.h"

#include "tests/support/trainer.h"
#include "flight_fixture.h"

#include "records/cockpit_state.h"
#include "flight/FLTCALC.h"
#include "flight/INITPLN.h"
#include "records/flight_state.h"
#include "flight/start_placement.h"
#include "platform/window.h"
#include "shell/INITGEN.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <cmath>
#include <cstring>

std::vector<std::string> flight_alerts;

namespace {
void catch_alert(const char*, const char* text)
{
    flight_alerts.push_back(text);
}
} // namespace

std::string alert_text(const std::vector<std::string>& lines)
{
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i) out += (i ? "\n\n" : "") + lines[i];
    return out;
}

void clear_flight_world()
{
    fill_constants();
    fill_trig_tables();
    ogl_ready = 0;
    gdone = 0;
    plat_set_message_box_handler(catch_alert);
    flight_alerts.clear();
    clear_global_state();
    memset(&atc, 0, sizeof atc);
    memset(&fpl, 0, sizeof fpl);
    memset(&pln, 0, sizeof pln);
    memset(planexyz, 0, sizeof planexyz);
    memset(planetex, 0, sizeof planetex);
    memset(on_water, 0, sizeof on_water);
    memset(city_on_poly, 0, sizeof city_on_poly);
    memset(carr_on_poly, 0, sizeof carr_on_poly);
    memset(frig_on_poly, 0, sizeof frig_on_poly);
    memset(oilr_on_poly, 0, sizeof oilr_on_poly);
    memset(obj_type, 0, sizeof obj_type);
    memset(traf_xyzvh, 0, sizeof traf_xyzvh);
    memset(apt_len, 0, sizeof apt_len);
    memset(apt_lite, 0, sizeof apt_lite);
    memset(apt_id, 0, sizeof apt_id);
    env.aptmax = env.navmax = -1;
    env.i_aircraft = 89;
    env.j_aircraft = 79;
    // No program folder, as in a test of its own: a test that loaded the
    // trainer leaves the real one, whose squares would replace the flat
    // fixture world when a start loads the window.
    app_path[0] = 0;
}

void fixture_world(float h)
{
    env.lat_sou = 34;
    env.lon_wes = -118;
    flat_window(h);
}

void fixture_aircraft()
{
    pln.numen = 1;
    pln.entype = 1;
    pln.gear_type = 3;
    pln.gear_retract = 0;
    pln.m_empty = 700;
    pln.m_max = 1100;
    pln.m_fuel = 150;
    pln.h_eqlbm = 1.2f;
    pln.the_eqlbm = 2;
    pln.omegamin = 60;
    pln.omegamax = 250;
    pln.minpitch[0] = 12;
    pln.maxpitch[0] = 28;
    pln.pmax = 120000;
    pln.sfc = 0.5f;
    pln.Vne = 160;
    for (int p : {4, 5}) {
        pln.semilen[p] = 5;
        pln.Croot[p] = pln.Ctip[p] = 1.5f;
        pln.Xarm[p] = p == 4 ? -0.5f : 0.5f;
        pln.Yarm[p] = -0.3f;
    }
    pln.body_Z[18][10][0] = 4;
    msc.est_Vs = 25;
}

void load_trainer()
{
    if (load_bundled_trainer()) ASSERT_TRUE(flight_alerts.empty()) << flight_alerts[0];
}

void fixture_atmosphere()
{
    standard_day();
    atm.rway_fric_rat = 1;
    msc.prd = 0.05f;
}

void fly_frames(int n, float ratio)
{
    for (int k = 0; k < n; ++k) {
        mnw.time_elapsed += msc.prd * ratio;
        update_flight();
    }
}

void FlightTest::SetUp()
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    clear_flight_world();
    fixture_world(0);
    fixture_aircraft();
    fixture_atmosphere();
}
