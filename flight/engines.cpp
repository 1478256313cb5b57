#include "engines.h"

#include "angles.h"
#include "element_coefficients.h"
#include "records/flight_state.h"
#include "force_accumulators.h"
#include "force_buildup.h"
#include "force_dump.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/part_geometry.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <cmath>
#include <iomanip>

namespace {
const char YEN = '\xA5';

void yen(int n)
{
    for (int k = 0; k < n; ++k) trk << YEN;
}

void rule()
{
    yen(100);
    trk << '\n';
}


float sin_deg(float deg)
{
    return std::sin(deg * con.degtorad);
}

float cos_deg(float deg)
{
    return std::cos(deg * con.degtorad);
}

// The throttle request that holds the rotation speed tac at its maximum.
float governed_throttle(float request, float tac, float accel)
{
    return fltlim(request + ((pln.omegamax - tac) * 0.2f - accel * 0.2f) * msc.prd, 0, 1);
}

void dump_prop_head(int eng, float X, float Y, float Z, float diskalpha, float diskbeta, float DVnormalGEO)
{
    trk << '\n';
    rule();
    rule();
    if (!pln.is_heli) {
        trk << YEN << YEN << YEN << "PROPELLER, ENGINE #" << num{(float)(eng + 1), 1, 0};
        yen(77);
    } else {
        yen(3);
        trk << (eng == 0 ? "MAIN ROTOR" : "TAIL ROTOR");
        yen(87);
    }
    trk << '\n';
    rule();
    rule();
    trk << "   PROP HUB LOCATION: x=" << num{X, 3, 1} << " meters, y=" << num{Y, 3, 1} << " meters, z=" << num{Z, 3, 1}
        << " meters.\n";
    trk << "   The prop is turning " << (pln.propdir[eng] > 0 ? "clockwise" : "counter-clockwise") << " at "
        << num{flt.tac[eng], 3, 1} << " rad per sec, and the engine torque is " << num{flt.trq[eng], 1, 0}
        << " N-m.\n";
    trk << "   The angle of attack of the prop disk (0=normal to flight path, 90=parallel to flight path) is "
        << diskalpha << " deg.\n";
    trk << "   The sideslip        of the prop disk (0=normal to flight path, 90=parallel to flight path) is "
        << diskbeta << " deg.\n";
    trk << "   Geometric airspeed into the disc (before propwash) is " << DVnormalGEO << " m/s, pos in from ahead.\n";
    trk << "   Total 'mixed' propwash increase in speed well behind prop is " << flt.DVinc[eng]
        << " m/s, pos in from ahead.\n";
}

void dump_prop_element(int eng, int el)
{
    trk << "\n\n";
    rule();
    yen(3);
    trk << "PROPELLER BLADES ALL 4 LOCATIONS (12/3/6/9 O'CLOCK), RADIAL ELEMENT " << el + 1 << " of " << pln.els[eng];
    yen(23);
    trk << '\n';
    rule();
    trk << '\n';
}

void dump_blade(int eng, int el, int bld, float DVnormal, float rotationspeed, float pitch)
{
    static const int hour[4] = {12, 3, 6, 9};
    yen(3);
    trk << "BLADE AT " << num{(float)hour[bld - 1], 2, 0} << " O'CLOCK AS SEEN FROM AFT LOOKING FORWARDS";
    yen(44);
    trk << '\n';
    trk << "   propwash speed INCREMENT thru ring:  " << num{flt.ringDVinc[eng][el], 6, 1}
        << " m/s far behind the disc.\n";
    trk << "   TOTAL INCOMING airspeed:             " << num{DVnormal, 6, 1} << " m/s.\n";
    trk << "   speed due to ROTATION of the prop:   " << num{rotationspeed, 6, 1} << " m/s.\n";
    trk << "   total SEGMENT speed:                 " << num{flt.v_el[eng][el], 6, 1} << " m/s.\n";
    trk << "   corkscrew PATH from disk:            " << num{flt.deldir[eng][el], 6, 1} << " deg. (-arctan("
        << num{DVnormal, 4, 1} << "/" << num{rotationspeed, 4, 1} << "))\n";
    trk << "   governor prop PITCH:                 " << num{flt.proppitch[eng], 6, 1} << " deg.\n";
    trk << "   INCIDENCE this segment:              " << num{pln.anginc[eng][el], 6, 1} << " deg.\n";
    trk << "   pitch after any CYCLIC DEFLECTIONS:  " << num{pitch, 6, 1} << " deg.\n";
    trk << "   blade element ANGLE OF ATTACK:       " << num{flt.alpha[eng][el], 6, 1} << " deg.\n\n";
}

void dump_jet(float vertcant, float X, float Y, float Z, float faxil, float fnrml)
{
    trk << '\n';
    rule();
    yen(3);
    trk << "JET ENGINE";
    yen(87);
    trk << '\n';
    rule();
    trk << "   longitudinal thrust vector=" << num{vertcant, 4, 2} << " deg. (0=full aft)\n";
    trk << "   x=" << num{X, 4, 1} << " m, y=" << num{Y, 4, 1} << " m, z=" << num{Z, 4, 1} << " m.\n";
    trk << "   THISfaxil=" << num{faxil, 6, 0} << " N, THISfnrml=" << num{fnrml, 6, 0} << " N.\n";
}

void airplane_props()
{
    int numen = intlim(pln.numen, 0, 4);
    for (int e = 0; e < numen; ++e) {
        apropengine(e);
        aprop(e, pln.Xarm[e], pln.Yarm[e], pln.Zarm[e]);
    }
    // Both sides of the aircraft see a single propeller's wash.
    if (numen == 1) flt.DVinc[1] = flt.DVinc[0];

    for (int e = 0; e < numen; ++e) {
        // Each propeller keeps its own smoothed acceleration, so that one
        // engine never moves another's propeller or governor; one of no
        // inertia keeps its speed rather than dividing by zero.
        float& omegadot = flt.omegadot[e];
        if (pln.miprop[e] > 0) omegadot = (3 * omegadot + (flt.trq[e] - flt.Dtq[e]) / pln.miprop[e]) * 0.25f;
        else omegadot = 0;

        if (pln.collectEQ) {
            flt.throrqst[e] = rel.thrgov[e] ? governed_throttle(flt.throrqst[e], flt.tac[e], omegadot) : 1;
        } else if (pln.varpitchEQ) {
            if (pln.revthrustEQ && flt.revving_thrust[e]) {
                flt.proppitch[e] = -15;
            } else {
                flt.proppitch[e] = fltlim(
                    flt.proppitch[e] + ((flt.tac[e] - flt.prop[e]) * 0.3f + omegadot * 0.1f) * msc.prd,
                    pln.minpitch[e], pln.maxpitch[e]);
                if (numen > 1 && std::fabs(flt.prop[e] - pln.omegamingreen) <= 1) flt.proppitch[e] = 80;
            }
        } else {
            flt.proppitch[e] = 0;
        }

        flt.M -= pln.miprop[e] * flt.tac[e] * flt.Qrad;
        flt.N -= pln.miprop[e] * flt.tac[e] * flt.Prad;

        flt.tac[e] += omegadot * msc.prd;
        if (!rel.oilpmp[e]) flt.tac[e] *= (rel.oil_rat + 9) / 10;
    }
}

void helicopter_rotors()
{
    aprop(0, pln.Xarm[0], pln.Yarm[0], pln.Zarm[0]);
    aprop(1, pln.Xarm[1], pln.Yarm[1], pln.Zarm[1]);
    int twin = pln.numen == 2;
    apropengine(0);
    if (twin) apropengine(1);

    float inertia = pln.miprop[0] + pln.miprop[1] * pln.trotor_rat;
    float torque = flt.trq[0] + (twin ? flt.trq[1] : 0) - flt.Dtq[0] - flt.Dtq[1];
    // The rotor system's acceleration is kept in the main rotor's slot.
    float omegadot = flt.omegadot[0] = inertia > 0 ? torque / inertia : 0;
    flt.tac[0] += omegadot * msc.prd;
    flt.tac[1] = rel.trotor ? flt.tac[0] * pln.trotor_rat : 1;

    if (!set.eq_col || pln.entype == 3) {
        int numen = intlim(pln.numen, 0, 2);
        for (int e = 0; e < numen; ++e) {
            if (!set.fadec_on) flt.throrqst[e] = 0.01f;
            else if (!rel.thrgov[e]) flt.throrqst[e] = 1;
            else flt.throrqst[e] = governed_throttle(flt.throrqst[e], flt.tac[0], omegadot);
        }
    }

    flt.L -= 0.3f * pln.miprop[0] * flt.tac[0] * flt.Prad;
    flt.M -= 0.3f * pln.miprop[0] * flt.tac[0] * flt.Qrad;
}
} // namespace

float dv_total(float dv_total_now, float t, float s, float vgeo)
{
    float v_in_disc = dv_total_now / 2 + vgeo;
    // A disc of no area, or no air, makes no wash.
    float through = atm.rho * s * std::fabs(fallout(v_in_disc, -1, 1));
    float dv_total_trm = through > 0 ? t / through : 0;
    return (1 - 0.5f * msc.prd) * dv_total_now + 0.5f * msc.prd * dv_total_trm;
}

void apropengine(int eng)
{
    int idx = pln.is_heli ? 0 : eng;

    // Turbocharging holds sea-level power up to the critical altitude; a
    // critical altitude beyond the formula's reach gives all it can.
    float base = fltmax2(1 - 2.306e-05f * pln.critalt, 0);
    float turboboost = 1 - std::pow(base, 4.14f);
    float enginesigma = fltlim(atm.crtsig + turboboost, 0, 1);
    float ALTeffectPWR = fltmax2((enginesigma - 0.1f) / 0.9f, 0);
    if (pln.entype == 1 && flt.heat > 0.5f) ALTeffectPWR *= 0.9f;

    float tmax = pln.omegamax > 0 ? pln.pmax / pln.omegamax : 0;
    float range = pln.omegamax - pln.omegamin;
    float rpm_rat = range > 0 ? fltlim((flt.tac[idx] - pln.omegamin) / range, 0, 99) : 0;
    float tq_full = tmax * (0.5f + 1.5f * rpm_rat - rpm_rat * rpm_rat);
    float tq_idle = tmax * (0.01f - rpm_rat * rpm_rat);

    float trq;
    if (flt.eng_running[eng])
        trq = (tq_idle + (tq_full - tq_idle) * std::sqrt(fltmax2(flt.thro[eng], 0))) * ALTeffectPWR *
              flt.mixt_powr_rat[eng];
    else
        trq = -signsqr(rpm_rat) * tmax;

    if (!rel.oilpmp[eng] && trq > 0) trq *= rel.oil_rat;
    if (pln.is_heli && trq < 0) trq = 0;
    trq *= 1 - msc.carb_ice[eng];
    flt.trq[eng] = trq;
    flt.power[eng] = trq * flt.tac[idx];

    if (pln.entype == 1 || pln.entype == 2) {
        float target = interp(0, atm.baro * enginesigma * 0.5f, 1, pln.mpmax * enginesigma, flt.thro[eng]);
        flt.mpr[eng] += (target - flt.mpr[eng]) * msc.prd;
    }

    float cant = pln.vertcant[idx] * con.degtorad;
    flt.L -= std::cos(cant) * trq * pln.propdir[idx];
    flt.N += std::sin(cant) * trq * pln.propdir[idx];
}

namespace {
// A blade position's flow: the velocity through the disc and in its plane,
// the speed, the flow direction (degrees) and its sine and cosine.
struct blade_flow {
    float normal, rotation, v, deldir, sin_dir, cos_dir;
};

blade_flow flow_of_blade(float DVnormal, float rotationspeed)
{
    blade_flow b;
    b.normal = DVnormal;
    b.rotation = rotationspeed;
    double speed = std::sqrt((double)DVnormal * DVnormal + (double)rotationspeed * rotationspeed);
    b.v = (float)speed;
    b.deldir = atan2_fast(-DVnormal, rotationspeed) * con.radtodeg;
    // The direction's sine and cosine from the velocity; a blade at rest
    // takes no force whatever its direction.
    double per_speed = speed > 0 ? 1 / speed : 0;
    b.sin_dir = (float)(-DVnormal * per_speed);
    b.cos_dir = speed > 0 ? (float)(rotationspeed * per_speed) : 1;
    return b;
}
} // namespace

void aprop(int eng, float X, float Y, float Z)
{
    int cw = pln.propdir[eng] > 0;
    float dir = (float)pln.propdir[eng];
    float sidecant = flt.sidecant[eng], vertcant = flt.vertcant[eng];
    float s_sc = sin_deg(sidecant), c_sc = cos_deg(sidecant);
    float s_vc = sin_deg(vertcant), c_vc = cos_deg(vertcant);
    float diskalpha = c_sc * (vertcant + flt.Alpha);
    float diskbeta = c_vc * (sidecant + flt.Beta);
    float s_da = sin_deg(diskalpha), c_da = cos_deg(diskalpha);
    float s_db = sin_deg(diskbeta), c_db = cos_deg(diskbeta);

    float DVnormalGEO = flt.av * c_da * c_db - c_sc * s_vc * flt.Prad * X - c_sc * c_vc * flt.Rrad * X -
                        s_sc * flt.Rrad * Z;

    if (set.cycout) dump_prop_head(eng, X, Y, Z, diskalpha, diskbeta, DVnormalGEO);

    flt.Dtq[eng] = 0;
    flt.thrust[eng] = 0;

    // The advancing and retreating blades: the in-plane free stream at the
    // 12, 3, 6 and 9 o'clock positions.
    float beta_flow = flt.vaxial * s_db, alpha_flow = flt.vaxial * s_da;
    float inplane[4] = {cw ? -beta_flow : beta_flow, cw ? alpha_flow : -alpha_flow, cw ? beta_flow : -beta_flow,
                        cw ? -alpha_flow : alpha_flow};
    float roll_cyclic = dir * pln.ailncyclic * set.FC_roll;
    float pitch_cyclic = dir * pln.elevcyclic * set.FC_ptch;
    float cyclic[4] = {-roll_cyclic, pitch_cyclic, roll_cyclic, -pitch_cyclic};

    // The blade's force acts a quarter turn later in its rotation, 0.3 of the
    // way out; the tail rotor's at its hub.
    int offset_acts = !(pln.is_heli && eng == 1);
    static const int quarter_cw[4] = {2, 3, 4, 1}, quarter_ccw[4] = {4, 1, 2, 3};
    float s_ivc = sin_deg(pln.vertcant[eng]), c_ivc = cos_deg(pln.vertcant[eng]);

    float knots = flt.av * con.msctokts;
    float translational = 1;
    if (pln.is_heli && eng == 0 && knots > 15) translational = fltlim(interp(15, 0.8f, 50, 0.5f, knots), 0.5f, 0.8f);

    int els = intlim(pln.els[eng], 0, 8);
    float blades = pln.numblades[eng] * 0.25f;
    // The sums run in locals and go back to the record once the disc is done.
    force_sums sums = prop_sums_from_record();
    float Dtq = 0, thrust = 0;

    // Every blade's flow first: no blade's flow hangs on another's forces (a
    // ring's wash is its own, renewed once its blades are done), so the flows
    // run back to back instead of each waiting on the look-up before it.
    blade_flow flows[8][4];
    for (int el = 0; el < els; ++el) {
        float dv_disc = flt.ringDVinc[eng][el] * 0.5f * translational;
        if (DVnormalGEO < 0) dv_disc *= 0.5f;
        float DVnormal = DVnormalGEO + dv_disc;
        float spin = flt.tac[eng] * get_wing_rarm(eng, el);
        for (int b = 0; b < 4; ++b) flows[el][b] = flow_of_blade(DVnormal, spin + inplane[b]);
    }

    for (int el = 0; el < els; ++el) {
        if (set.cycout) dump_prop_element(eng, el);
        float radarm = get_wing_rarm(eng, el);
        float ringthrust = 0;
        float pitch0 = flt.proppitch[eng] + pln.anginc[eng][el];
        float reach = 0.3f * radarm;

        for (int bld = 1; bld <= 4; ++bld) {
            const blade_flow& b = flows[el][bld - 1];
            float pitch = pitch0 + cyclic[bld - 1];
            flt.v_el[eng][el] = b.v;
            flt.deldir[eng][el] = b.deldir;
            flt.alpha[eng][el] = flt.deldir[eng][el] + pitch;
            if (set.cycout) dump_blade(eng, el, bld, b.normal, b.rotation, pitch);

            float fa, fd, momt;
            F_el_force_turned(0, 0, 0, b.sin_dir, b.cos_dir, fa, fd, momt, eng, el);
            Dtq += fd * radarm * blades;
            float T = fa * blades;
            thrust += T;
            ringthrust += T;

            float Xp = X, Yp = Y, Zp = Z;
            if (offset_acts) {
                int q = cw ? quarter_cw[bld - 1] : quarter_ccw[bld - 1];
                if (q == 1) {
                    Yp += reach * c_ivc;
                    Zp += reach * s_ivc;
                } else if (q == 2) {
                    Xp += reach;
                } else if (q == 3) {
                    Yp -= reach * c_ivc;
                    Zp -= reach * s_ivc;
                } else {
                    Xp -= reach;
                }
            }
            add_side(sums, s_sc * T, Yp, Zp);
            add_axial(sums, c_sc * c_vc * T, Xp, Yp);
            add_normal(sums, c_sc * s_vc * T, Xp, Zp);
        }
        flt.ringDVinc[eng][el] = dv_total(flt.ringDVinc[eng][el], ringthrust, pln.ringarea[eng][el], DVnormalGEO);
    }
    prop_sums_to_record(sums);
    flt.Dtq[eng] = Dtq;
    flt.thrust[eng] = thrust;
    flt.DVinc[eng] = dv_total(flt.DVinc[eng], flt.thrust[eng], pln.discarea[eng], DVnormalGEO);

    if (set.cycout) propforcerep();
}

void props()
{
    if (pln.is_heli) helicopter_rotors();
    else airplane_props();
}

void jets()
{
    int numen = intlim(pln.numen, 0, 4);
    float M = flt.machno;
    for (int e = 0; e < numen; ++e) {
        float throt_jet = interp(0, 0.05f, 1, 1, flt.thro[e]);
        float del = throt_jet - flt.parteqlbmthrust[e];
        float del_t = del >= 0 ? std::sqrt(del) : -std::sqrt(-del);
        float f_dec = 3 * sqr(flt.n1_[e] * 0.01f);
        float f_inc = 0;
        if (flt.eng_running[e]) f_inc = flt.n1_[e] < 25 ? f_dec + 0.04f : 2 * del_t + f_dec;
        // An engine of no spool time follows its throttle at once.
        if (pln.spooltime > 0)
            flt.parteqlbmthrust[e] =
                fltlim(flt.parteqlbmthrust[e] + (f_inc - f_dec) * msc.prd / pln.spooltime, 0, 1);
        else
            flt.parteqlbmthrust[e] = flt.eng_running[e] ? throt_jet : 0;
        flt.n1_[e] = 100 * std::sqrt(flt.parteqlbmthrust[e]);

        // Density behind a normal shock, then the intake's ram recovery.
        float enginesigma = atm.crtsig;
        if (M > 1) enginesigma *= 2.4f * M * M / (0.4f * M * M + 2);
        if (pln.entype == 4) enginesigma *= M < 2 ? interp(0, 1, 2, 2, M) : interp(2, 2, 3, 1, M);
        else enginesigma *= M < 1 ? interp(0, 1, 1, 1.15f, M) : interp(1, 1.15f, 1.2f, 0.5f, M);

        float face_drag = 0.3f * pln.facejet * flt.Qstatic;
        float full_thrust = pln.tmax * enginesigma;
        float idle_thrust = 0.01f * pln.tmax * enginesigma - face_drag;
        float burn_thrust = flt.after_burning[e] ? pln.burnerinc * enginesigma : 0;
        if (flt.eng_running[e])
            flt.thrust[e] = idle_thrust + (full_thrust - idle_thrust) * flt.parteqlbmthrust[e] + burn_thrust;
        else
            flt.thrust[e] = -face_drag;

        if (!rel.oilpmp[e]) {
            flt.n1_[e] *= rel.oil_rat;
            flt.thrust[e] *= rel.oil_rat;
        }
        if (pln.revthrustEQ && flt.revving_thrust[e]) flt.thrust[e] *= -0.4f;

        float vc = flt.vertcant[e] * con.degtorad;
        float X = pln.Xarm[e], Y = pln.Yarm[e], Z = pln.Zarm[e];
        float faxil = std::cos(vc) * flt.thrust[e], fnrml = std::sin(vc) * flt.thrust[e];
        addFaprop(faxil, X, Y);
        addFsprop(0, Y, Z);
        addFnprop(fnrml, X, Z);
        if (set.cycout) dump_jet(flt.vertcant[e], X, Y, Z, faxil, fnrml);
    }
}
