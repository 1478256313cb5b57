#include "start_placement.h"

#include "FLTCALC.h"

#include "world/coordinates.h"
#include "element_coefficients.h"
#include "records/flight_state.h"
#include "records/cockpit_state.h"
#include "cockpit_calls.h"
#include "world/star_and_ship_shapes.h"
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
#include "world/INITNAV.h"
#include "records/world_state.h"
#include "world/world_services.h"

#include <cmath>
#include <cstring>

namespace {
const float FAR = 9.9e9f;

int table_deg(int deg)
{
    return ((deg % 360) + 360) % 360;
}

float sin_deg(float deg)
{
    return std::sin(deg * con.degtorad);
}

float cos_deg(float deg)
{
    return std::cos(deg * con.degtorad);
}

// Types 12 to 14: the nearest runway of the surface (3 grass, 4 dirt,
// 5 gravel), measured in plain degrees to its airport's reference point.
int nearest_runway(int surface, int* apt, int* rway)
{
    float best = FAR;
    int found = 0;
    int last = intlim(env.aptmax, -1, APT_CAP - 1);
    for (int a = 0; a <= last; ++a) {
        for (int k = 0; k < 3; ++k) {
            if (apt_len[a][k] <= 0 || apt_lite[a][k] / 1000000 != surface) continue;
            float d = pythag(apt_lat[a][0] - flt.lat, apt_lon[a][0] - flt.lon);
            if (d < best) {
                best = d;
                *apt = a;
                *rway = k;
                found = 1;
            }
        }
    }
    return found;
}

// Type 15: the nearest building with a helipad on its roof.
int nearest_helipad(int* obj)
{
    float best = FAR;
    int found = 0;
    for (int o = 0; o < OBJ_CAP; ++o) {
        if (obj_type[o] < 94 || obj_type[o] > 96) continue;
        float d = pythag(obj_xyz[o][0][0][0] - (float)flt.X, obj_xyz[o][0][0][2] - (float)flt.Z);
        if (d < best) {
            best = d;
            *obj = o;
            found = 1;
        }
    }
    return found;
}

// Types 16, 17, 18, 21: the centre of the nearest grid cell that holds the
// ship or rig. Only cells with all four corners inside the grid count.
int nearest_cell(int (*flags)[GRID_J], float* centre)
{
    float best = FAR;
    int found = 0;
    for (int i = 0; i < GRID_I - 1; ++i) {
        for (int j = 0; j < GRID_J - 1; ++j) {
            if (!flags[i][j]) continue;
            float c[3];
            for (int k = 0; k < 3; ++k) c[k] = (planexyz[i][j][k] + planexyz[i + 1][j + 1][k]) / 2;
            float d = pythag(c[0] - (float)flt.X, c[2] - (float)flt.Z);
            if (d < best) {
                best = d;
                for (int k = 0; k < 3; ++k) centre[k] = c[k];
                found = 1;
            }
        }
    }
    return found;
}

// Type 19: the nearest other aircraft.
int nearest_traffic()
{
    float best = FAR;
    int t_best = 0;
    for (int t = 0; t < 10; ++t) {
        float d = pythag(traf_xyzvh[t][0] - (float)flt.X, traf_xyzvh[t][2] - (float)flt.Z);
        if (d < best) {
            best = d;
            t_best = t;
        }
    }
    return t_best;
}

// Type 20: the fire lies in the loaded grid.
int fire_in_grid()
{
    const float* sw = planexyz[0][0];
    const float* ne = planexyz[GRID_I - 1][GRID_J - 1];
    return fltbox(scn.firexyz[0][0], -scn.firexyz[0][2], sw[0], -sw[2], ne[0], -ne[2]);
}

// Type 22: the last cell in scan order whose whole 5 x 5 neighbourhood is water.
int open_water(int* wi, int* wj)
{
    int found = 0;
    for (int i = 40; i <= 137; ++i) {
        for (int j = 40; j <= 118; ++j) {
            int all = 1;
            for (int a = i - 2; a <= i + 2 && all; ++a)
                for (int b = j - 2; b <= j + 2 && all; ++b) all = on_water[a][b] != 0;
            if (all) {
                *wi = i;
                *wj = j;
                found = 1;
            }
        }
    }
    return found;
}

// Type 9: at the chosen airport's runway by msc.typestart.
void place_on_runway()
{
    int type = msc.typestart;
    if (type == 7 && pln.gear_type == 1) type = 8;  // no gear: start on final

    int a = intlim(msc.loc_apt_wrl, 0, APT_CAP - 1);
    int recip = msc.rway_sel & 1;
    int k = (msc.rway_sel - recip) / 2;
    if (k < 0 || k > 2 || apt_len[a][k] < 1) k = 0;

    float half = (apt_len[a][k] - 20) * 0.5f;
    int h = table_deg(apt_hdng[a][k]);
    float dx = -half * lookup_sin[h], dz = half * lookup_cos[h], add = 0;
    if (recip) {
        dx = -dx;
        dz = -dz;
        add = 180;
    }
    if (type < 7 || type > 9) return;

    flt.X = X_with_latlon(apt_lat[a][k], apt_lon[a][k]) + dx;
    flt.Z = Z_with_lat(apt_lat[a][k]) + dz;
    flt.Y = apt_h[a];
    flt.psi = fltwrap(apt_hdng[a][k] + add, 0, 360);
    msc.runwayview_X = (float)flt.X + 2;
    msc.runwayview_Y = (float)flt.Y + 2;
    msc.runwayview_Z = (float)flt.Z + 2;

    if (type == 7) {
        flt.Y += pln.h_eqlbm;
        flt.the = fltwrap(pln.the_eqlbm, -180, 180);
        flt.v = 0.1f;
    } else {
        float d = (type == 8 ? 1.5f : 9.0f) * con.nmtomtrs;
        int p = table_deg((int)flt.psi);
        flt.X -= d * lookup_sin[p];
        flt.Z += d * lookup_cos[p];
        flt.Y += d * sin_deg(3);
        flt.the = 0;
        flt.v = 1.2f * msc.est_Vs;
    }
}

// A start picked on a map or over a navaid flies unless it asks to stand on
// the ground: at a flying speed it never starts at or below the ground, and
// in the air never below a flying speed.
void air_start_clear_of_ground()
{
    int i = env.i_aircraft, j = env.j_aircraft;
    float rest = find_local_h((float)flt.X, (float)flt.Z, &i, &j, 0) + pln.h_eqlbm;
    if (flt.v >= msc.est_Vs && flt.Y <= rest) flt.Y = rest + AIR_START_HEIGHT;
    if (flt.Y > rest && flt.v < AIR_START_SPEED * msc.est_Vs) flt.v = AIR_START_SPEED * msc.est_Vs;
}

// The line of flames, laid downwind of the fire's centre.
void lay_fire_line()
{
    float along[10] = {0, 50, 150, 200, 250, 300, 350, 400, 450, 0};
    float cross[10] = {0};
    for (int k = 1; k <= 8; ++k) along[k] += fltrand(-40, 40);
    for (int k = 0; k <= 8; ++k) cross[k] = fltrand(-40, 40);
    float a = (atm.wnddir - env.mvar + 90) * con.degtorad;
    float s = std::sin(a), c = std::cos(a);
    float x0 = scn.firexyz[0][0], z0 = scn.firexyz[0][2];
    for (int k = 1; k <= 9; ++k) {
        scn.firexyz[k][0] = x0 + s * along[k] - c * cross[k];
        scn.firexyz[k][2] = z0 - c * along[k] + s * cross[k];
    }
    int i = env.i_aircraft, j = env.j_aircraft;
    for (int k = 0; k < 10; ++k) scn.firexyz[k][1] = find_local_h(scn.firexyz[k][0], scn.firexyz[k][2], &i, &j, 0);
}

void repair_everything()
{
    int* flags[] = {&rel.vacuum, &rel.ss_asi, &rel.ss_ahz, &rel.ss_alt, &rel.ss_tsi, &rel.ss_dgy, &rel.ss_vvi,
                    &rel.efis_1, &rel.efis_2, &rel.radios, &rel.fc_ail, &rel.fc_elv, &rel.fc_rud, &rel.fc_flp,
                    &rel.fc_slt, &rel.fc_thr, &rel.esystem, &rel.hydsys, &rel.stbaug, &rel.symflp, &rel.sttrim,
                    &rel.antice, &rel.clights, &rel.otto, &rel.trotor};
    for (int* f : flags) *f = 1;
    for (int e = 0; e < 4; ++e) rel.engine[e] = rel.thrgov[e] = rel.revlok[e] = rel.oilpmp[e] = 1;
    for (int g = 0; g < 3; ++g) rel.lagear[g] = 1;
}

void start_engines()
{
    float tau = flt.v > msc.est_Vs ? 0.5f : 0.01f;
    int numen = intlim(pln.numen, 0, 4);
    for (int e = 0; e < numen; ++e) {
        flt.mixt[e] = 1;
        flt.prop[e] = pln.omegamax;
        flt.throrqst[e] = flt.thro[e] = flt.parteqlbmthrust[e] = tau;
        flt.proppitch[e] = pln.minpitch[e] + (pln.maxpitch[e] - pln.minpitch[e]) * tau;
        flt.tac[e] = pln.is_heli ? pln.omegamax : pln.omegamin + (pln.omegamax - pln.omegamin) * std::sqrt(tau);
    }
}

void notice(const char* l1, const char* l2, const char* l3, const char* l4)
{
    MACIBM_alert(l1, l2, l3, l4, ALERT_NOTICE);
}
} // namespace

void set_fltvars(int type_start)
{
    // Find the target before touching the flight: a start without one leaves
    // the aircraft where it was.
    int apt = 0, rway = 0, obj = 0, wi = 0, wj = 0, leader = 0;
    float centre[3] = {0, 0, 0};
    switch (type_start) {
    case 12:
    case 13:
    case 14: {
        static const char* const kinds[3] = {"grass", "dirt", "gravel"};
        if (!nearest_runway(type_start - 9, &apt, &rway)) {
            char line[80];
            C_plus_C("I can't find any ", kinds[type_start - 12], line);
            app_C(line, " runways anywhere in the country!");
            notice(line, "Try a runway of another kind.", "", "");
            return;
        }
        break;
    }
    case 15:
        if (!nearest_helipad(&obj)) {
            notice("I can't find any buildings with helipads in the area!",
                   "Try going to New York, Chicago, Los Angeles or some other major city.",
                   "There are likely to be building-top helipads there.", "");
            return;
        }
        break;
    case 16:
    case 17:
    case 18:
    case 21: {
        int(*flags)[GRID_J] = type_start == 17 ? oilr_on_poly : type_start == 18 ? frig_on_poly : carr_on_poly;
        if (!nearest_cell(flags, centre)) {
            notice("I can't find any ships in the area!", "", "", "");
            return;
        }
        break;
    }
    case 19:
        leader = nearest_traffic();
        break;
    case 20:
        if (!fire_in_grid()) {
            notice("I can't find any forest fires in the area!",
                   "Try moving to a mountainous area, where fires are more likely!", "", "");
            return;
        }
        break;
    case 22:
        if (!open_water(&wi, &wj)) {
            notice("I can't find any signifigant amount of water in this area!",
                   "Try going to a coastal region to guarantee that I can find some water ", "", "");
            return;
        }
        break;
    default:
        break;
    }

    note_shared_foils();
    float lat = flt.lat, lon = flt.lon;
    memset(&flt, 0, sizeof flt);
    memset(&atc, 0, sizeof atc);
    memset(&fpl, 0, sizeof fpl);
    reset_atc_dialogue();
    flt.lat = lat;
    flt.lon = lon;

    int type = type_start;
    if (type >= 12 && type <= 14) {
        msc.loc_apt_wrl = apt;
        msc.rway_sel = rway;
        env.lat_sou = round(apt_lat[apt][rway] - 1);
        env.lon_wes = round(apt_lon[apt][rway] - 1.5f);
        load_region();
        msc.rway_sel = 2 * rway;
        msc.typestart = 8;
        type = 9;
    }

    if (type == 9) place_on_runway();
    if (type == 10 || type == 11) {
        flt.X = set.cus_X;
        flt.psi = set.cus_psi;
        flt.Z = set.cus_Z;
        flt.the = 0;
        flt.Y = set.cus_Y;
        flt.v = set.cus_v;
    }
    if (type == 11) air_start_clear_of_ground();
    if (type == 15) {
        flt.X = obj_xyz[obj][0][0][0];
        flt.psi = 0;
        flt.Y = obj_xyz[obj][3][0][1] + 0.05f * con.nmtomtrs;
        flt.the = 0;
        flt.Z = obj_xyz[obj][0][0][2] + con.nmtomtrs;
        flt.v = 1.2f * msc.est_Vs;
    }

    flt.cat_stage = 5;

    if (type >= 16 && type <= 18) {
        float d = pln.is_heli ? con.nmtomtrs : 90 * msc.est_Vs;
        float psi = type == 16 ? 352.0f : 355.0f;  // the carrier's deck is angled
        float deck = type == 16 ? CARRIER_DECK_H : type == 17 ? OILRIG_DECK_H : FRIGATE_DECK_H;
        flt.X = centre[0] - sin_deg(psi) * d;
        flt.psi = psi;
        flt.Y = centre[1] + sin_deg(3.5f) * d + deck;
        flt.the = 0;
        flt.Z = centre[2] + cos_deg(psi) * d;
        flt.v = 1.2f * msc.est_Vs;
    }
    if (type == 21) {
        flt.X = centre[0] - 12.5f;
        flt.psi = 2;
        flt.Y = centre[1] + pln.h_eqlbm + CARRIER_DECK_H;
        flt.the = 0;
        flt.Z = centre[2] - 54;
        flt.v = 0.01f;
        flt.cat_stage = 3;
    }
    if (type == 20) {
        float d = (pln.is_heli ? 1.0f : 3.0f) * con.nmtomtrs;
        float a1 = fltwrap(atm.wnddir + 120, 0, 360);
        float a2 = fltwrap(atm.wnddir + 270, 0, 360);
        flt.X = scn.firexyz[0][0] + sin_deg(a1) * d;
        flt.psi = a2;
        flt.Y = scn.firexyz[0][1] + sin_deg(7) * d;
        flt.the = 0;
        flt.Z = scn.firexyz[0][2] - cos_deg(a1) * d;
        flt.v = 2 * msc.est_Vs;
    }
    if (type == 19) {
        const float* t = traf_xyzvh[leader];
        float d = 0.2f * con.nmtomtrs;
        int b = intwrap((int)(t[4] - 10), 0, 359);
        flt.X = t[0] - lookup_sin[b] * d;
        flt.psi = t[4];
        flt.Y = t[1];
        flt.the = 0;
        flt.Z = t[2] + lookup_cos[b] * d;
        flt.v = t[3];
    }
    if (type == 22) {
        flt.X = planexyz[wi][wj][0];
        flt.Z = planexyz[wi][wj][2];
        flt.psi = 0;
        flt.Y = 0;
        flt.the = 0;
        flt.v = 0.1f;
    }

    // Never below the ground.
    env.localh_cg = find_local_h((float)flt.X, (float)flt.Z, &env.i_aircraft, &env.j_aircraft, 0);
    if (env.localh_cg + pln.h_eqlbm > flt.Y) flt.Y = env.localh_cg + pln.h_eqlbm;

    repair_everything();
    lay_fire_line();
    for (int t = 0; t < 10; ++t) make_a_plane(t, 1);
    start_engines();

    int down = !pln.gear_retract || flt.v < msc.est_Vs;
    set.gear_handle = down;
    for (int g = 0; g < 3; ++g) pln.gear_stat[g] = down;
    set.thro_pot = 0;
    // A start at a flying speed is a start in the air: no brake to land on.
    set.parkbrake = flt.v < msc.est_Vs ? 1.0f : 0.0f;

    scn.zoom = 1;
    float reach = fltmax4(get_wing_Xarm(5, pln.semilen[5]), get_wing_Xarm(7, pln.semilen[7]),
                          get_wing_Xarm(9, pln.semilen[9]), pln.body_Z[18][10][0]);
    scn.mindist = scn.dist = 1.2f * reach + 10;
    // A new start has no path yet: the chase camera begins behind the heading.
    scn.chase_dir[0] = scn.chase_dir[1] = scn.chase_dir[2] = 0;

    ins.jato_on = 0;
    ins.EFIS_wxr = 1;
    ins.chute_on = 0;
    ins.EFIS_tcas = 1;
    ins.hook_down = 0;
    ins.antiice_on = 0;
    ins.ecam_mode = 3;
    env.over_carr = env.over_frig = env.over_obs = 0;

    int p = table_deg(round(flt.psi));
    flt.vX = flt.v * lookup_sin[p];
    flt.vZ = -flt.v * lookup_cos[p];
    flt.sinthe = sin_deg(flt.the);
    flt.costhe = cos_deg(flt.the);
    flt.sinpsi = sin_deg(flt.psi);
    flt.cospsi = cos_deg(flt.psi);
    flt.sinphi = sin_deg(flt.phi);
    flt.cosphi = cos_deg(flt.phi);

    // Half fuel and half the payload.
    flt.jatoleft = pln.jatodur;
    flt.m_fuel = 0.5f * pln.m_fuel;
    flt.m_jettison = 0.5f * pln.m_jettison;
    flt.m_fixed = fltlim(0.5f * (pln.m_max - pln.m_fuel - pln.m_jettison - pln.m_empty), 0, FAR);
    if (pln.vectEQ)
        for (int e = 0; e < 4; ++e) pln.vertcant[e] = 0;

    set.view_type = 500;
    set.ah_bar_adjust = 0;
    set.fadec_on = set.eq_col == 0;
    set.view_is_fullscreen = 0;
    msc.cntr = msc.cntr10 = 0;
    msc.init_time = 0;
    msc.frame_ice = 0;
    for (int e = 0; e < 4; ++e) msc.carb_ice[e] = 0;
    ott.NAV[0] = ott.NAV[1] = 0;
    ott.HDSLCT = ott.GS2 = ott.VVHOLD = ott.ALHOLD = ott.ASHOLD = 0;

    // The recorded path breaks at the jump.
    if (pat.cntr_record >= 0 && pat.cntr_record < PATH_SAMPLES) pat.inited[pat.cntr_record] = 0;

    JOY_force(27, 0, 0, 0);
    set_frq_vol(1, 0, 0, 1, 1);
    set_frq_vol(1, 0, 0, 1, 2);
    set_frq_vol(1, 0, 0, 1, 0);
    play_engine_and_windrain();
    if (msc.paused) show_placed_flight();
}
