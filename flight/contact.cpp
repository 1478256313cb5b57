#include "contact.h"

#include "records/flight_state.h"
#include "force_accumulators.h"
#include "part_frames.h"
#include "water_contact.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_JOY.h"
#include "toolkit/HL_SOUND.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/part_geometry.h"
#include "toolkit/plane_record.h"
#include "toolkit/terrain_helpers.h"
#include "world/terrain_grid.h"
#include "records/world_state.h"

#include <cmath>
#include <cstdio>
#include <cstring>

int o_down[CONTACT_POINTS];

namespace {
// How far each braked wheel has rolled since it came to a hold, metres
// along the heading, while it is held.
float hold_travel[CONTACT_POINTS];
int holding[CONTACT_POINTS];

// A wheel's braking friction while it is held: a stiff spring about the
// spot where it stopped, reaching the whole friction the brake can give at
// a few centimetres, damped close to critical for the load it carries. Past
// that the wheel slides and the spot moves with it.
float brake_hold(int w, float v_axial, float nrml, float fco)
{
    const float full_at = 0.05f;
    float cap = nrml * fco;
    if (!holding[w]) {
        holding[w] = 1;
        hold_travel[w] = 0;
    }
    hold_travel[w] += v_axial * msc.prd;
    float k = cap / full_at;
    float c = 1.4f * std::sqrt(k * nrml / con.g);
    float f = k * hold_travel[w] + c * v_axial;
    if (std::fabs(f) > cap) {
        f = f > 0 ? cap : -cap;
        hold_travel[w] = fltlim((f - c * v_axial) / k, -full_at, full_at);
    }
    return f;
}

const float RAD_TO_DEG = 57.29577951f;

// Surface factors on the base coefficients: rolling, braking, side.
struct surface_row {
    float roll, brake, side;
};

// A code the scene did not set counts as open terrain, as when nothing was
// drawn under the aircraft.
int known_surface(int surf_type)
{
    return surf_type >= 27 && surf_type <= 32 ? surf_type : 32;
}

const surface_row& surface_of(int surf_type)
{
    static const surface_row rows[6] = {
        {1, 1, 1},         // 27 paved; also decks and roofs
        {1, 1, 1},         // 28
        {2, 0.5f, 0.5f},   // 29
        {4, 0.5f, 2},      // 30
        {4, 0.5f, 2},      // 31
        {4, 0.5f, 2},      // 32 open terrain
    };
    return rows[known_surface(surf_type) - 27];
}

void contact_trace(int w, float axial, float side, float nrml)
{
    char title[24];
    snprintf(title, sizeof title, "CONTACT #%d:", w);
    std::streamsize old = trk.precision(3);
    contact_banner(title);
    trk << "   deflection=" << pln.condef[w] << " m.\n";
    trk << "   axilforce =" << axial << " N.\n";
    trk << "   sideforce =" << side << " N.\n";
    trk << "   nrmlforce =" << nrml << " N.\n";
    trk.precision(old);
}

// The yaw input that steers the nose wheel or brakes differentially.
float yaw_input()
{
    return set.eq_ped ? set.YK_hdng : set.YK_roll;
}

void set_yaw_rate(float R)
{
    flt.R = R;
    flt.Rrad = R * con.degtorad;
}

// The aircraft's motion over the ground under it, the same for every point
// of one contact phase: found once, not once per touching point.
struct ground_motion {
    double rel_x, rel_z;   // velocity relative to the deck, or to the ground
    float v_g, beta_g, sin_beta_g;
    int backwards;
};

ground_motion motion_now()
{
    // The deck's motion under the point, from its roll and pitch rates.
    float deck_x = 0, deck_z = 0;
    if (env.over_carr) {
        deck_x = env.carr_phi_dot * con.degtorad * 21;
        deck_z = env.carr_the_dot * con.degtorad * 21;
    } else if (env.over_frig) {
        deck_x = env.frig_phi_dot * con.degtorad * 7;
        deck_z = env.frig_the_dot * con.degtorad * 7;
    }
    ground_motion g;
    g.rel_x = flt.vX - deck_x, g.rel_z = flt.vZ - deck_z;
    g.v_g = (float)std::sqrt(g.rel_x * g.rel_x + g.rel_z * g.rel_z);
    float track = fltwrap((float)std::atan2(g.rel_x + 0.0, -g.rel_z + 0.0) * RAD_TO_DEG, 0, 360);
    g.beta_g = fltwrap(flt.psi - track, -180, 180);
    g.sin_beta_g = std::sin(g.beta_g * con.degtorad);
    g.backwards = std::fabs(g.beta_g) > 90;
    return g;
}

int contact_point(int w, float Xarm, float Yarm, float Zarm, float g_con, float g_dmp, float fco1, float fco2,
                  const ground_motion* motion);

// Wheels, skids, wing tips and body bottoms against the ground.
void ground_contact(int* down)
{
    float fric_roll, fric_brake, fric_side;
    surface_friction(env.surf_type, &fric_roll, &fric_brake, &fric_side);
    ground_motion motion = motion_now();
    const ground_motion* g = &motion;
    auto handle_contact_point = [g](int w, float Xarm, float Yarm, float Zarm, float g_con, float g_dmp, float fco1,
                                    float fco2) { return contact_point(w, Xarm, Yarm, Zarm, g_con, g_dmp, fco1, fco2, g); };

    if (pln.gear_type == 2) {
        down[3] = handle_contact_point(3, -pln.skidX, pln.skidY, pln.skidZ, pln.skidcon, pln.skiddmp, fric_side,
                                       fric_side);
        down[4] = handle_contact_point(4, -pln.skidX, pln.skidY, pln.skidZ + pln.skidl, pln.skidcon, pln.skiddmp,
                                       fric_side, fric_side);
        down[5] = handle_contact_point(5, pln.skidX, pln.skidY, pln.skidZ, pln.skidcon, pln.skiddmp, fric_side,
                                       fric_side);
        down[6] = handle_contact_point(6, pln.skidX, pln.skidY, pln.skidZ + pln.skidl, pln.skidcon, pln.skiddmp,
                                       fric_side, fric_side);
    }
    if (pln.gear_type > 2) {
        if (pln.gear_stat[0])
            down[0] = handle_contact_point(0, 0, pln.ngearY, pln.ngearZ, pln.ngearcon, pln.ngeardmp, fric_roll,
                                           fric_brake);
        if (pln.gear_stat[1])
            down[1] = handle_contact_point(1, -pln.mgearX, pln.mgearY, pln.mgearZ, pln.mgearcon, pln.mgeardmp,
                                           fric_roll, fric_brake);
        if (pln.gear_stat[2])
            down[2] = handle_contact_point(2, pln.mgearX, pln.mgearY, pln.mgearZ, pln.mgearcon, pln.mgeardmp,
                                           fric_roll, fric_brake);
    }
    for (int p = 4; p <= 13; ++p) {
        if (!have_this_part(p)) continue;
        const part_frame& f = frame_of(p);
        if (handle_contact_point(8, f.tipX, f.tipY, f.tipZ, pln.skidcon, pln.skiddmp, fric_side, fric_side))
            down[8] = 1;
    }
    for (int p = 18; p <= 24; ++p) {
        if (!have_this_part(p)) continue;
        float xo = 0, yo = 0, zo = 0;
        get_body_os(p, &xo, &yo, &zo);
        int r = f_body_r_dim(p) / 2;
        for (int s = 0; s < f_body_s_dim(p); ++s) {
            if (handle_contact_point(7, pln.body_X[p][s][r] + xo, pln.body_Y[p][s][r] + yo,
                                     pln.body_Z[p][s][r] + zo, pln.skidcon, pln.skiddmp, fric_side, fric_side))
                down[7] = 1;
        }
    }
}

// Sounds and jolts of the points that have just touched.
void touchdown_effects(const int* down, int over_water)
{
    int wheel_sound = known_surface(env.surf_type) >= 29 ? 8 : 7;
    if (flt.vY < -2.54) wheel_sound = 10;   // a hard landing sounds the same on any surface

    for (int w = 0; w <= 2; ++w) {
        if (!down[w] || o_down[w]) continue;
        play_buffer(wheel_sound, 0);
        // A wheel of no size jolts as hard as the stick allows.
        float jolt = pln.wheelrad > 0 ? pln.condef[w] / pln.wheelrad * 300 : 100.0f;
        JOY_force(26, (int)fltlim(jolt, 0, 100), 0, 300);
    }
    for (int w = 7; w <= 8; ++w) {
        if (!down[w] || o_down[w]) continue;
        play_buffer(over_water ? 9 : 10, 0);
        JOY_force(26, 100, 0, 250);
    }
    for (int w = 0; w < CONTACT_POINTS; ++w) o_down[w] = down[w];
}
} // namespace

void contact_banner(const char* title)
{
    const char yen = (char)0xA5;
    int n = 3 + (int)std::strlen(title);
    trk << yen << yen << yen << title;
    for (; n < 100; ++n) trk << yen;
    trk << "\n";
}

void surface_friction(int surf_type, float* rolling, float* braking, float* side)
{
    const surface_row& f = surface_of(surf_type);
    *rolling = 0.04f * f.roll;
    *braking = 0.8f * atm.rway_fric_rat * f.brake;
    *side = 0.4f * atm.rway_fric_rat * f.side;
}

float surface_bump(int surf_type, float x, float z)
{
    int surf = known_surface(surf_type);
    if (surf < 29) return 0;
    // The double and quadruple angles from one sine and cosine of each
    // coordinate: x and z are tens of kilometres, where every library call
    // pays a long reduction of its argument.
    double sx = std::sin(x), cx = std::cos(x), sz = std::sin(z), cz = std::cos(z);
    double s2x = 2 * sx * cx, c2x = 1 - 2 * sx * sx;
    double s2z = 2 * sz * cz, c2z = 1 - 2 * sz * sz;
    float s4x = (float)(2 * s2x * c2x), c4z = (float)(1 - 2 * s2z * s2z);
    switch (surf) {
    case 29: return 0.01f * (c4z + s4x + (float)sx + (float)cz);
    case 30: return 0.02f * (c4z + s4x + (float)s2x + (float)c2z);
    case 31: return 0.02f * (s4x + c4z);
    default: return 0.04f * (c4z + s4x + (float)sx + (float)cz);
    }
}

void contact_world_xz(float Xarm, float Zarm, float* x, float* z)
{
    *x = (float)(Xarm * flt.cospsi + flt.X - Zarm * flt.sinpsi);
    *z = (float)(Zarm * flt.cospsi + flt.Z + Xarm * flt.sinpsi);
}

int handle_contact_point(int w, float Xarm, float Yarm, float Zarm, float g_con, float g_dmp, float fco1,
                         float fco2)
{
    return contact_point(w, Xarm, Yarm, Zarm, g_con, g_dmp, fco1, fco2, nullptr);
}

namespace {
// One contact point; motion is the phase's ground motion, or null to find it
// here, where a touch needs it.
int contact_point(int w, float Xarm, float Yarm, float Zarm, float g_con, float g_dmp, float fco1, float fco2,
                  const ground_motion* motion)
{
    float x, z;
    contact_world_xz(Xarm, Zarm, &x, &z);
    float terrain = find_local_h(x, z, &env.i_aircraft, &env.j_aircraft, 1);
    float rise = Zarm * flt.sinthe + Xarm * flt.sinphi - Yarm * flt.costhe * flt.cosphi;
    // A point higher above the terrain than any bump reaches (0.16 m) touches
    // nothing: the bump's trigonometry is not paid for it.
    if ((float)(terrain - flt.Y) + rise < -0.5f) {
        holding[w] = 0;
        pln.condef[w] = 0;
        return 0;
    }
    double ground = terrain + surface_bump(env.surf_type, x, z);
    float def = (float)(ground - flt.Y) + rise;
    pln.condef[w] = def;
    float closing = (float)-flt.vY + Zarm * flt.Qrad + Xarm * flt.Prad;
    float nrml = fltlim(def * g_con + closing * g_dmp, -99.9f, 5 * pln.m_max * con.g);
    if (def < 0 || nrml < 0) holding[w] = 0;
    if (def < 0) {
        pln.condef[w] = 0;
        return 0;
    }
    // Leaving the ground faster than the spring pushes: the ground never pulls.
    if (nrml < 0) return 0;

    ground_motion here;
    if (!motion) here = motion_now(), motion = &here;
    double rel_x = motion->rel_x, rel_z = motion->rel_z;
    float v_g = motion->v_g, beta_g = motion->beta_g;
    int backwards = motion->backwards;

    // Friction fades in over the first metre per second.
    float dir = (backwards ? -1.0f : 1.0f) * fltlim(v_g, 0, 1);
    float yaw_in = yaw_input();
    float fco_axial = fco1;
    float b = 0;
    if (w == 1 || w == 2) {
        b = set.parkbrake;
        if (pln.nwsteer == 0) b = fltlim(w == 1 ? b - 0.5f * yaw_in : b + 0.5f * yaw_in, 0, 1);
        fco_axial = interp(0, fco1, 1, fco2, b);
    }
    float axial = nrml * fco_axial * dir;
    // Below the fade speed a braked wheel holds still instead of creeping.
    if (b > 0 && v_g < 1) {
        float v_axial = (float)(rel_x * flt.sinpsi - rel_z * flt.cospsi);
        axial = brake_hold(w, v_axial, nrml, fco_axial);
    } else {
        holding[w] = 0;
    }

    float side_rat = fltlim(motion->sin_beta_g * v_g + flt.Rrad * Zarm, -1, 1);
    float side = nrml * fco2 * side_rat;
    int tail_wheel = pln.ngearZ > pln.mgearZ;
    if (w == 0 && !tail_wheel && pln.nwsteer == 0) side = 0;   // a castering nose wheel
    if ((w == 1 || w == 2) && tail_wheel) side *= 0.5f;

    if (w == 0) {
        // A tail wheel's steering is negative, as is its wheelbase: the signs cancel.
        float wheelbase = pln.mgearZ - pln.ngearZ;
        if (pln.nwsteer != 0 && wheelbase != 0) {
            float s = set.joy_rat_hdng > 0 ? yaw_in / set.joy_rat_hdng : yaw_in;
            float g1 = fltlim(interp(1, 5, 0.5f, 1, std::fabs(s)), 1, 5);
            float g2 = fltlim(interp(0, 5, 10, 1, flt.v), 1, 5);
            s *= g1 * g2;
            if (std::fabs(beta_g) >= 90) s = -s;
            set_yaw_rate(flt.v * s * pln.nwsteer / wheelbase);
        } else if (pln.nwsteer == 0 && flt.v < 1) {
            set_yaw_rate(0);
        }
    }
    if (w >= 3 && w <= 6) set_yaw_rate(-flt.Rdot * msc.prd);

    addFagear(-axial, Xarm, Yarm);
    addFsgear(side, Yarm, Zarm);
    addFngear(nrml, Xarm, Zarm);

    if (set.cycout) contact_trace(w, axial, side, nrml);
    flt.onground = 1;
    return 1;
}
} // namespace

void contact_phase()
{
    if (flt.Y - env.localh_cg >= 50) return;
    int i = intlim(env.i_aircraft, 0, GRID_I - 1);
    int j = intlim(env.j_aircraft, 0, GRID_J - 1);
    int over_water = on_water[i][j] && !env.over_carr && !env.over_frig && !env.over_obs;

    int down[CONTACT_POINTS] = {0};
    if (over_water) down[7] = water_contact();
    else ground_contact(down);
    touchdown_effects(down, over_water);
}
