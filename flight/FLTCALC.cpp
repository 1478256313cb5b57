#include "FLTCALC.h"

#include "INTEG.h"
#include "control_input.h"
#include "records/flight_state.h"
#include "force_buildup.h"
#include "force_dump.h"
#include "serial_output.h"
#include "start_placement.h"
#include "timed_managers.h"
#include "platform/clock.h"
#include "data_channels.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_JOY.h"
#include "toolkit/HL_MNW.h"
#include "flight/aircraft_sounds.h"
#include "toolkit/HL_SOUND.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/part_geometry.h"
#include "toolkit/plane_record.h"
#include "toolkit/terrain_helpers.h"
#include "world/terrain_grid.h"
#include "records/world_state.h"
#include "world/world_services.h"

#include <cmath>

// The engines' fuel flow, kg/s, at a power (W) or thrust (N).
float burnin_fuel(float pow_thr);

namespace {
const float DAY = 86400;
// The frame period never falls below this, so that a frame loop faster than
// the clock's resolution cannot drive it to zero.
const float PRD_MIN = 0.001f;
const float PRD_MAX = 0.11f;

// Frames between event ticks (about 0.1 s of simulated time).
int evup = 1;

// A position's grid index along one axis, by linear interpolation between the
// grid's first and last points, truncated and kept within 0..n.
int grid_index(float v, float v0, float vn, int n)
{
    if (vn == v0) return 0;
    float f = (v - v0) / (vn - v0) * n;
    if (!(f > 0)) return 0;
    if (f >= n) return n;
    return (int)f;
}

int table_deg(float deg)
{
    int h = (int)deg;
    return ((h % 360) + 360) % 360;
}

void ground_effect_and_hover()
{
    // Height of each lifting part's root over the terrain, in its semi-spans.
    float h = 0;
    int first = pln.is_heli ? 0 : 4, last = pln.is_heli ? 0 : 11;
    for (int p = first; p <= last; ++p) {
        if (!have_this_part(p) || pln.semilen[p] <= 0) continue;
        h = (float)(flt.Y - env.localh_cg + pln.Yarm[p] * flt.costhe - pln.Zarm[p] * flt.sinthe) / pln.semilen[p];
        if (pln.is_heli) h *= 0.2f;
        float h8 = sqr(8 * h);
        flt.CDIgrndeffect[p] = h8 / (1 + h8);
        flt.CL_grndeffect[p] = 1 + 0.25f * sqr(1 - fltlim(h / 2, 0, 1));
    }

    // A hovering rotor or lift jet wanders in its own wash near the ground.
    if (!pln.is_heli && !pln.vectEQ) return;
    static float phase1 = 0, phase2 = 0;
    float b = (pln.vectEQ ? 2.0f : 1.0f) * fltlim(interp(0, 1, 3, 0, h), 0, 1);
    phase1 += msc.prd * fltrand(0.5f, 1.5f);
    phase2 += msc.prd * fltrand(0.5f, 1.5f);
    float push = std::sin(flt.vertcant[0] * con.degtorad) * b * flt.thrust[0] / (flt.m_total * con.g);
    if (!std::isfinite(push)) return;
    float r1 = fltrand(0.05f, 0.1f), r2 = fltrand(0.05f, 0.1f);
    flt.the += push * std::sin(phase1 * flt.tac[0]) * r1;
    flt.phi += push * std::sin(phase2 * flt.tac[0]) * r2;
}

void atmosphere()
{
    // Density from the height table, by the last bracket that holds Y.
    float y = (float)flt.Y;
    float rho = atm.hr[0][1];
    if (y > atm.hr[21][0]) rho = atm.hr[21][1];
    else if (y >= atm.hr[0][0]) {
        for (int k = 0; k < 21; ++k)
            if (y >= atm.hr[k][0] && y <= atm.hr[k + 1][0] && atm.hr[k + 1][0] > atm.hr[k][0])
                rho = interp(atm.hr[k][0], atm.hr[k][1], atm.hr[k + 1][0], atm.hr[k + 1][1], y);
    }

    // Temperature by layers of the standard atmosphere, shifted by the
    // sea-level temperature.
    static const float layer_ft[6] = {0, 36152, 82346, 155348, 175344, 265000};
    static const float layer_T[6] = {288.15f, 216.65f, 216.65f, 270.65f, 270.65f, 180.65f};
    static float layer_h[6];
    static int layers_set = 0;
    if (!layers_set) {
        for (int k = 0; k < 6; ++k) layer_h[k] = layer_ft[k] * con.fttomtrs;
        layers_set = 1;
    }
    float T = layer_T[5];
    if (y < layer_h[1]) T = interp(layer_h[0], layer_T[0], layer_h[1], layer_T[1], y);
    else {
        for (int k = 1; k < 5; ++k)
            if (y >= layer_h[k] && y <= layer_h[k + 1]) T = interp(layer_h[k], layer_T[k], layer_h[k + 1], layer_T[k + 1], y);
    }
    atm.T = (atm.temp_SL - 59.02f) * con.dgrtodgk + T;
    atm.a = std::sqrt(fltmax2(401.8f * atm.T, 0));
    atm.rho = rho * 518.69f / (atm.temp_SL + 459.67f);
    atm.crtsig = atm.rho / con.rhoSL;
}

void engines()
{
    int numen = intlim(pln.numen, 0, 4);
    float s = atm.crtsig;
    float m_opt = s - 0.3f, m_kill = s - 0.4f;
    for (int e = 0; e < numen; ++e) {
        flt.after_burning[e] = pln.burnerinc > 1 && flt.thro[e] > 0.99f;
        float m = flt.mixt[e];
        if (pln.entype == 1 || pln.entype == 2) {
            float p_off = m > m_opt ? (m - m_opt) * 0.1f : (m_opt - m) * 5;
            float t_off = m > m_opt ? (m - m_opt) * 2 : (m_opt - m) * 5;
            int burns = m > m_kill;
            flt.mixt_powr_rat[e] = burns ? fltlim(1 - p_off, 0, 1) : 0;
            flt.mixt_temp_rat[e] = burns ? fltlim((1 - t_off) * std::sqrt(fltmax2(flt.thro[e], 0)), 0, 1) : 0;
        } else {
            flt.mixt_powr_rat[e] = m > 0.5f ? 1.0f : 0.0f;
        }
        int jet = pln.entype == 4 || pln.entype == 5;
        float ff = burnin_fuel(std::fabs(jet ? flt.thrust[e] : flt.power[e]));
        if (jet && flt.after_burning[e]) ff *= 2;
        flt.ff_[e] = flt.eng_running[e] ? ff : 0;
        if (rel.fc_thr == 1) flt.thro[e] = (1 - msc.prd) * flt.thro[e] + msc.prd * flt.throrqst[e];
    }
}

void traffic()
{
    for (int t = 0; t < 10; ++t) {
        float* p = traf_xyzvh[t];
        int h = table_deg(p[4]);
        p[0] += lookup_sin[h] * p[3] * msc.prd;
        p[2] -= lookup_cos[h] * p[3] * msc.prd;
        int i = grid_index(p[0], planexyz[0][0][0], planexyz[GRID_I - 1][0][0], GRID_I - 1);
        int j = grid_index(p[2], planexyz[0][0][2], planexyz[0][GRID_J - 1][2], GRID_J - 1);
        if (planexyz[i][j][1] + 500 > p[1]) p[1] += 2 * msc.prd;
        if (!fltbox(p[0], p[2], (float)flt.X - 60000, (float)flt.Z - 60000, (float)flt.X + 60000,
                    (float)flt.Z + 60000))
            make_a_plane(t, 0);
    }
}

void ticks()
{
    if (msc.cntr % evup == 0) {
        mod_evt();
        if (msc.cntr10 == 0) mod_sec();
        msc.cntr10 = msc.cntr10 >= 9 ? 0 : msc.cntr10 + 1;
        evup = intlim(round(0.1f / msc.prd), 1, 99);
    }
    if (++msc.cntr > 30000) msc.cntr = 0;
}

// Every tenth frame the period moves toward the real time the frames took:
// quickly when they run slow, gently when they run fast.
void adapt_frame_period()
{
    static int adapted = 0;
    static float last_time = 0;
    if (msc.cntr % 10 != 0) return;
    float now = mnw.time_elapsed;
    if (!adapted) last_time = now;
    adapted = 1;
    float d = now - last_time;
    last_time = now;
    msc.rtrat = fltlim(d / (10 * msc.prd), 0.2f, 5);
    msc.prd *= msc.rtrat < 1 ? std::pow(msc.rtrat, 0.2f) : std::pow(msc.rtrat, 0.5f);
    msc.prd = fltlim(msc.prd, PRD_MIN, PRD_MAX);
}

void path_bank()
{
    float hp = fltwrap(flt.hpath, -180, 180);
    float diff = fltwrap(flt.psi - hp, -180, 180);
    if (std::fabs(diff) > 90) {
        // Flying backwards over the ground.
        float a = (flt.phi + 180) * con.degtorad;
        flt.sinphi_path = std::sin(a);
        flt.cosphi_path = std::cos(a);
        if (flt.the < 0) flt.cosphi_path = -flt.cosphi_path;
    } else {
        flt.sinphi_path = flt.sinphi;
        flt.cosphi_path = flt.cosphi;
    }
}

void clocks()
{
    float prd = msc.prd;
    int in_cloud = !scn.belowbases && !scn.abovetops;
    int low_vis = scn.belowbases && atm.vis_rep * atm.vis_mult < 3 * con.nmtomtrs;
    if (low_vis || in_cloud) msc.aifr_time = fltwrap(msc.aifr_time + prd, 0, DAY);
    float hour = msc.locl_time / 3600;
    if (hour < 5 || hour > 19) msc.nigt_time = fltwrap(msc.nigt_time + prd, 0, DAY);
    if (msc.timer_running) msc.timr_time = fltwrap(msc.timr_time + prd, 0, 3600);
    msc.elap_time = fltwrap(msc.elap_time + prd, 0, DAY);
    msc.locl_time = fltwrap(msc.locl_time + prd, 0, DAY);
    msc.zulu_time = zulu_with_locl(msc.locl_time, flt.lon);
    scn.rb_cycle = fltwrap(scn.rb_cycle + prd, 0, 2 * con.pi);
}

void half_steps()
{
    msc.prd *= 0.5f;
    for (int k = 0; k < 2; ++k) {
        msc.init_time += msc.prd;
        env.frig_the_dot = the_dot_now(&env.frig_the, 18);
        env.frig_phi_dot = phi_dot_now(&env.frig_phi, 18);
        env.carr_the_dot = the_dot_now(&env.carr_the, 16);
        env.carr_phi_dot = phi_dot_now(&env.carr_phi, 16);
        set_a();
        integ_vx();
        // Only the first half-step goes into a force dump.
        if (k == 0 && set.cycout) set.cycout = set.cycoutwaiting = 0;
    }
    msc.prd *= 2;
}

void crash_and_restart()
{
    stop_engine_and_windrain();
    play_buffer(10, 0);
    JOY_force(27, 0, 0, 0);
    JOY_force(26, 100, intrand(0, 359), 250);
    long until = plat_clock_ms() + 4000;
    while (plat_clock_ms() < until) {
    }
    if (msc.frame_ice > 0.01f)
        MACIBM_alert("The aircraft was carrying ice at time of impact.",
                     "You have to keep out of the clouds between 0 and 32 deg F.",
                     "There is a thermometer in the upper-right hand corner of the screen.", "", ALERT_NOTICE);
    if (msc.carb_ice[0] > 0.01f || msc.carb_ice[1] > 0.01f || msc.carb_ice[2] > 0.01f || msc.carb_ice[3] > 0.01f)
        MACIBM_alert("The aircraft was carrying carb ice at time of impact.",
                     "You have to use carb heat when at low power in these weather conditions.",
                     "Use carb heat on carburated engines when operating with engine RPM below the green arc.", "",
                     ALERT_NOTICE);
    if (rel.vacuum == 0)
        MACIBM_alert("Your vacuum system had failed before impact.", "You have to keep a cross-check going.",
                     "The rest of the airplane was in one piece until you buried it.",
                     "Korvan features realistic gyro spin-down effects, including gyro sluggishness and tumble.",
                     ALERT_NOTICE);
    msc.typestart = 7;
    set_fltvars(9);
    play_engine_and_windrain();
}

// Deck motion: amplitude (degrees per unit of wave height) and frequency.
float deck_motion(float* angle, float amp, float w)
{
    float A = amp * atm.wave_amp;
    *angle = A * std::sin(msc.init_time * w);
    return A * w * std::cos(msc.init_time * w);
}
} // namespace

float the_dot_now(float* the, int en)
{
    return en == 18 ? deck_motion(the, 1.0f, 1.0f) : deck_motion(the, 0.3f, 0.3f);
}

float phi_dot_now(float* phi, int en)
{
    return en == 18 ? deck_motion(phi, 2.0f, 1.0f) : deck_motion(phi, 1.0f, 0.3f);
}

// The zone's hour is added in float: an aircraft thrown off the world has a
// longitude whose zone is the largest int.
float zulu_with_locl(float locl, float lon)
{
    return fltwrap(locl - ((float)round(lon / 15) + 1) * 3600.0f, 0, DAY);
}

float locl_with_zulu(float zulu, float lon)
{
    return fltwrap(zulu + ((float)round(lon / 15) + 1) * 3600.0f, 0, DAY);
}

namespace {
// Position, speed, attitude and rates; a NaN or infinity anywhere in them
// spreads through the whole state within a frame.
int state_is_finite()
{
    for (double v : {flt.X, flt.Y, flt.Z, flt.vX, flt.vY, flt.vZ})
        if (!std::isfinite(v)) return 0;
    for (float v : {flt.the, flt.psi, flt.phi, flt.P, flt.Q, flt.R})
        if (!std::isfinite(v)) return 0;
    return 1;
}
} // namespace

int crashed()
{
    // A state that is no longer a number is never flown on.
    if (!state_is_finite()) return 1;
    float limit = pln.is_heli ? 45.0f : 120.0f;
    return flt.onground && (flt.vY < -25 || std::fabs(flt.phi) > limit || std::fabs(flt.the) > limit);
}

void show_placed_flight()
{
    flt.m_total = pln.m_empty + flt.m_fixed + flt.m_fuel + flt.m_jettison;
    env.localh_cg = find_local_h((float)flt.X, (float)flt.Z, &env.i_aircraft, &env.j_aircraft, 1);
    atmosphere();
    // Twice with no time passing: the second reads the angle of attack that
    // the first found, as a running flight would.
    float prd = msc.prd;
    msc.prd = 0;
    integ_vx();
    integ_vx();
    msc.prd = prd;
}

void update_flight()
{
    update_controls();
    if (set.grfout) update_graph();

    flt.m_total = pln.m_empty + flt.m_fixed + flt.m_fuel + flt.m_jettison;
    ground_effect_and_hover();
    env.localh_cg = find_local_h((float)flt.X, (float)flt.Z, &env.i_aircraft, &env.j_aircraft, 1);
    atmosphere();
    engines();
    traffic();
    serial_output();
    ticks();
    adapt_frame_period();
    path_bank();
    clocks();

    if (set.cycoutwaiting) {
        set.cycout = 1;
        force_dump_header();
    }
    half_steps();

    if (crashed()) crash_and_restart();
}
