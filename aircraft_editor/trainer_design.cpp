// The bundled trainer, a four-seat high-wing 160 hp trainer, built from
// published figures of its type alone. Sources, cited by figure below:
//  [POH]    the type's Pilot's Operating Handbook, 160 hp models: section 1
//           (dimensions, engine, propeller, weights) and section 6 (weight
//           and balance, centre-of-gravity envelope);
//  [JANE]   the type's entry in Jane's All the World's Aircraft: wing and
//           tail areas, aileron and flap areas, aerofoil, dihedral, twist,
//           cabin dimensions, fuselage and overall length;
//  [R664]   NACA Report 664, Wenzinger and Harris, wind-tunnel tests of
//           single-slotted flaps (the bundled single-slotted flap file);
//  [HOER]   Hoerner, Fluid-Dynamic Drag (1965), chapters 13-14: drag of
//           light-aircraft fuselages, struts and fixed landing gear.
//
// Positions are feet from a datum at the firewall (Z aft) on the ground line
// (Y up), the aircraft resting on its wheels.
#include "trainer_design.h"

#include "default_plane.h"
#include "editor.h"
#include "prop_design.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/part_geometry.h"
#include "toolkit/plane_record.h"

#include <cmath>

namespace fabrex {

const char* const TRAINER_FILE = "Trainer.acf";

namespace {
const float DIHEDRAL = 1.73f;                             // [JANE] 1 deg 44 min
const float FUSE_CD = 0.129f;                             // [HOER], see fuselage()
const float WASHOUT_ROOT = 1.5f, WASHOUT_TIP = -1.5f;     // [JANE] +1.5 root, -1.5 tip: 3 deg of twist

void set_foils(int part, const char* low_re, const char* high_re)
{
    copy_bounded(pln.Rafl0[part], low_re, 400);
    copy_bounded(pln.Tafl0[part], low_re, 400);
    copy_bounded(pln.Rafl1[part], high_re, 400);
    copy_bounded(pln.Tafl1[part], high_re, 400);
}

// A surface and its mirror: the right part is the left one reflected.
void lifting_pair(int left, float X, float Y, float Z, float semilen, float Croot, float Ctip, float sweep, float dihed)
{
    for (int p : {left, left + 1}) {
        pln.Xarm[p] = p == left ? -X : X;
        pln.Yarm[p] = Y;
        pln.Zarm[p] = Z;
        pln.semilen[p] = semilen;
        pln.Croot[p] = Croot;
        pln.Ctip[p] = Ctip;
        pln.sweep1[p] = pln.sweep2[p] = sweep;
        pln.dihed[p] = dihed;
    }
}

void copy_flags_to_right(int left)
{
    for (int e = 0; e < 8; ++e) {
        pln.anginc[left + 1][e] = pln.anginc[left][e];
        pln.ailn[left + 1][e] = pln.ailn[left][e];
        pln.flap[left + 1][e] = pln.flap[left][e];
        pln.elev[left + 1][e] = pln.elev[left][e];
    }
    pln.els[left + 1] = pln.els[left];
}

void wing()
{
    // [JANE] span 36 ft 0 in, area 174 sq ft, chord 5 ft 3.6 in at the root
    // and 3 ft 8.4 in at the tip, NACA 2412 throughout. The constant-chord
    // inner panel runs out to where 174 sq ft is reached with the tapered
    // outer panel: 2 (7.5 x 5.3 + 10.5 x 4.5) = 174.
    const float span = 36.0f, inner_semi = 7.5f, c_root = 5.3f, c_tip = 3.7f;
    // [POH] leading edge 26.4 in aft of the datum; wing on the cabin roof.
    const float le_z = 2.2f, wing_y = 6.8f;
    const float qc_z = le_z + 0.25f * c_root;
    lifting_pair(4, 0, wing_y, qc_z, inner_semi, c_root, c_root, 0, DIHEDRAL);
    // Outer panel: tapered with a straight leading edge, so its quarter-chord
    // line runs slightly forward; its root is the inner panel's tip.
    float outer_semi = span / 2 - inner_semi;
    float outer_sweep = std::atan(-0.25f * (c_root - c_tip) / outer_semi) * con.radtodeg;
    lifting_pair(6, -get_wing_Xarm(4, inner_semi), get_wing_Yarm(4, inner_semi), get_wing_Zarm(4, inner_semi),
                 outer_semi, c_root, c_tip, outer_sweep, DIHEDRAL);

    for (int p = 4; p <= 7; ++p) set_foils(p, "NACA 2412 (popular).afl", "NACA 2412 (popular) high Re.afl");
    pln.els[4] = pln.els[6] = 6;
    for (int e = 0; e < 6; ++e) {
        pln.anginc[4][e] = WASHOUT_ROOT;
        pln.anginc[6][e] = interp(0, WASHOUT_ROOT, 6, WASHOUT_TIP, e + 0.5f);
        // [JANE] single-slotted flaps, 21.2 sq ft, out to the end of the inner
        // panel (not under the cabin roof): five elements of 1.25 ft a side at
        // the 0.30 chord of the [R664] flap give 2 x 6.25 x 5.3 x 0.30 = 19.9.
        pln.flap[4][e] = e >= 1;
        // [JANE] ailerons 18.3 sq ft: the outer two thirds of the outer panel
        // (7 ft a side of a mean chord of 4.23 ft) at 0.31 of the chord.
        pln.ailn[6][e] = e >= 2;
    }
    copy_flags_to_right(4);
    copy_flags_to_right(6);
    copy_bounded(pln.flap_str, "single-slotted flap.flp", 400);
    pln.ailn_crat = 0.31f;
    pln.ailn_up = 20;   // [POH] aileron travel 20 up, 15 down
    pln.ailn_dn = 15;
}

void tail()
{
    // [JANE] horizontal tail 38.0 sq ft with the elevators, span 11 ft 4 in,
    // symmetrical section; its trailing edge near the tail cone's end.
    // A small negative incidence carries the download of cruise trim.
    const float h_semi = 11.33f / 2, h_root = 3.95f, h_tip = 2.78f;   // 5.665 x 6.73 = 38.1
    lifting_pair(10, 0, 3.9f, 19.5f, h_semi, h_root, h_tip, 4, 0);
    pln.els[10] = 4;
    for (int e = 0; e < 4; ++e) {
        pln.anginc[10][e] = -2.5f;
        pln.elev[10][e] = 1;
    }
    copy_flags_to_right(10);
    for (int p : {10, 11}) set_foils(p, "NACA 0009 (symmetrical).afl", "NACA 0009 (symmetrical) high Re.afl");
    pln.hstabtype = 0;
    pln.elev_crat = 0.45f;
    pln.elev_up = 28;   // [POH] elevator travel 28 up, 23 down
    pln.elev_dn = 23;

    // [JANE] vertical tail 18.8 sq ft with the rudder, about 35 degrees of
    // leading-edge sweep; the rudder's trailing edge at the top sets the
    // overall length of 27 ft 2 in from the spinner at -3.3 ft.
    // The part's length runs along its quarter-chord line: the sweep that
    // gives the leading edge 35 degrees solves
    // tan 35 cos L - sin L = (root - tip) / (4 length).
    const float v_len = 5.0f, v_root = 4.6f, v_tip = 2.92f;   // 5 x 7.52 / 2 = 18.8
    const float le_sweep = 35;
    float A = std::tan(le_sweep * con.degtorad), k = 0.25f * (v_root - v_tip) / v_len;
    float R = std::sqrt(A * A + 1);
    float sweep = std::acos(k / R) - std::atan(1 / A);
    float root_le = -3.3f + 27.2f - (0.25f * v_root + v_len * std::sin(sweep) + 0.75f * v_tip);
    pln.Xarm[12] = 0;
    pln.Yarm[12] = 4.6f;
    pln.Zarm[12] = root_le + 0.25f * v_root;
    pln.semilen[12] = v_len;
    pln.Croot[12] = v_root;
    pln.Ctip[12] = v_tip;
    pln.sweep1[12] = pln.sweep2[12] = sweep * con.radtodeg;
    pln.dihed[12] = 90;
    pln.els[12] = 4;
    for (int e = 0; e < 4; ++e) pln.rudd[12][e] = 1;
    set_foils(12, "NACA 0009 (symmetrical).afl", "NACA 0009 (symmetrical) high Re.afl");
    pln.rudd_crat = 0.4f;
    pln.rudd_def = 17;   // [POH] rudder travel 17 each way
}

void engine_and_propeller()
{
    // [POH] 160 hp at 2700 rpm, carburetted flat four; fixed-pitch metal
    // propeller of two blades, 75 in across, 59 in pitch.
    pln.entype = 1;
    pln.numen = 1;
    pln.pmax = 160;
    pln.sfc = 0.42f;
    pln.gearrat = 1;
    pln.critalt = 0;
    pln.mpmax = 29.5f;
    pln.omegamin = 600;
    pln.omegamax = 2700;
    pln.omegamingreen = 2200;
    pln.omegamaxgreen = 2700;
    pln.varpitchEQ = 0;

    pln.Xarm[0] = 0;
    pln.Yarm[0] = 4.0f;
    pln.Zarm[0] = -2.6f;
    pln.semilen[0] = 75.0f / 24;
    // The tapered planform of a fixed-pitch metal blade: about 6 in wide
    // near the hub, 3.5 in at the tip.
    pln.Croot[0] = 0.5f;
    pln.Ctip[0] = 0.29f;
    pln.els[0] = 8;
    pln.numblades[0] = 2;
    pln.propdir[0] = 0;
    set_foils(0, "Clark-Y (good propeller).afl", "Clark-Y (good propeller) high Re.afl");
    // Fixed pitch: the blades are twisted to the 59 in pitch.
    pln.des_adv[0] = 59;
    pln.des_rpm[0] = 2400;
    design_prop(0, 0);
}

// Cross-sections as ellipses: station Z, half width, half height, centre
// height. [JANE] fuselage 26 ft 11 in from the spinner (-3.3 ft) to the tail
// cone; cabin 3 ft 3.5 in wide and 4 ft 6 in high.
void fuselage()
{
    static const float station[11][4] = {
        {-3.3f, 0.05f, 0.05f, 4.0f}, {-2.6f, 1.1f, 1.1f, 4.0f},    {-1.0f, 1.5f, 1.55f, 4.1f},
        {0.5f, 1.64f, 2.0f, 4.5f},   {2.2f, 1.64f, 2.25f, 4.6f},   {4.5f, 1.64f, 2.25f, 4.6f},
        {7.3f, 1.45f, 1.9f, 4.8f},   {11.0f, 1.1f, 1.4f, 4.7f},    {15.0f, 0.8f, 1.0f, 4.5f},
        {19.3f, 0.5f, 0.7f, 4.35f},  {23.6f, 0.2f, 0.4f, 4.3f}};
    pln.body_r[18] = 3;
    for (int s = 0; s < 11; ++s) {
        for (int r = 0; r < 16; ++r) {
            float a = 2 * con.pi * r / 16;
            pln.body_Z[18][s][r] = station[s][0];
            pln.body_X[18][s][r] = station[s][1] * std::sin(a);
            pln.body_Y[18][s][r] = station[s][3] + station[s][2] * std::cos(a);
        }
    }
    // [HOER] The airframe's zero-lift drag is about 0.03 on the wing area, a
    // flat plate of 5.4 sq ft: wing and tails' profile drag about 1.6 of it,
    // the fuselage 1.2, the wing struts 0.6, the fixed gear 1.6 and cooling
    // and leaks 0.4. Each sits on the part where it acts. The fuselage,
    // with the cooling flow through its cowling and the nose leg behind the
    // propeller, stands in the propeller's wake (fusewash), which at cruise
    // runs some 10 % faster than the air: 1.2 + 0.4 + 0.16 = 1.76 sq ft on
    // its frontal area of 11.3 sq ft is 0.156 at the free stream, 0.129 in
    // the wake.
    pln.fuse_cd = FUSE_CD;
    pln.fusewash = 1;
}

// The wing struts and the main gear legs stand outside the propeller's
// 75 in wake, in the free stream: one body on the centre line, seen from
// ahead the two struts from the cabin floor up to the wing 8.7 ft out and
// the two spring legs down to the axles. Its drag is the fuselage's drag
// coefficient on its frontal area. Of the gear's 1.6 sq ft [HOER] the model
// counts the tyres once, from the wheel radius that the editor derives from
// the maximum weight (0.065 x 2300^0.25 = 0.45 ft): 0.25 of 1.6 r^2 a wheel,
// 0.24 sq ft for three. With the nose leg in the wake (0.16), the rest, 1.2,
// is the legs, brakes and wheels beyond that; with the struts' 0.6 [HOER]
// the body carries 1.8 sq ft, a frontal area of 14.0 sq ft at 0.129: the
// struts and legs are drawn about 6 in thick, joined by a core hidden in
// the fuselage.
void struts_and_legs()
{
    const float strut_root[2] = {1.3f, 3.3f}, strut_top[2] = {8.7f, 6.75f};   // [POH] 3-view
    // [POH] main gear track 8 ft 3 in; 6.00-6 tyres, the axles some 8 in up.
    const float leg_root[2] = {1.6f, 2.4f}, axle[2] = {8.25f / 2, 0.7f};
    const float half_thick = 0.239f;
    // Stations across the chord: leading edge, thickest, trailing edge.
    static const float station[7][2] = {{-0.25f, 0.35f}, {-0.15f, 0.8f}, {-0.05f, 1},  {0.05f, 1},
                                        {0.15f, 0.85f},  {0.25f, 0.6f},  {0.35f, 0.25f}};
    auto normal = [](const float* a, const float* b, float* n) {
        float dx = b[0] - a[0], dy = b[1] - a[1], len = std::sqrt(dx * dx + dy * dy);
        n[0] = -dy / len;
        n[1] = dx / len;
        if (n[1] < 0) n[0] = -n[0], n[1] = -n[1];
    };
    float ns[2], nl[2];
    normal(strut_root, strut_top, ns);
    normal(leg_root, axle, nl);
    float slope = (strut_top[1] - strut_root[1]) / (strut_top[0] - strut_root[0]);
    for (int s = 0; s < 7; ++s) {
        float h = half_thick * station[s][1];
        // The right half from the top of the centre line round to its
        // bottom; the left half mirrors it.
        float x[9], y[9];
        auto off = [&](int k, const float* p, const float* n, float side) {
            x[k] = p[0] + side * n[0] * h;
            y[k] = p[1] + side * n[1] * h;
        };
        off(1, strut_top, ns, 1);
        off(2, strut_top, ns, -1);
        off(3, strut_root, ns, -1);
        off(4, leg_root, nl, 1);
        off(5, axle, nl, 1);
        off(6, axle, nl, -1);
        off(7, leg_root, nl, -1);
        x[0] = 0;
        y[0] = strut_root[1] + ns[1] * h - slope * (strut_root[0] + ns[0] * h);
        x[8] = 0;
        y[8] = y[7];
        for (int r = 0; r < 16; ++r) {
            int k = r <= 8 ? r : 16 - r;
            pln.body_Z[23][s][r] = station[s][0];
            pln.body_X[23][s][r] = r <= 8 ? x[k] : -x[k];
            pln.body_Y[23][s][r] = y[k];
        }
    }
    pln.misc_eq = 1;
    pln.misc_X = 0;   // one body, on the centre line
    pln.misc_Y = 0;
    pln.misc_Z = 4.2f;
}

void weights_and_gear()
{
    pln.m_empty = 1450;   // [POH] standard empty weight
    pln.m_max = 2300;     // [POH] maximum take-off weight
    pln.m_fuel = 252;     // [POH] 42 US gal usable
    // [POH] a typical loading (two up front, half fuel) puts the centre of
    // gravity at about 37 in aft of the datum: 18 % of the 58.0 in mean chord
    // behind the leading edge at 26.4 in.
    pln.cgZ = 37.0f / 12;
    pln.cgY = 3.6f;

    // [POH] main gear track 8 ft 3 in, wheelbase about 5 ft 5 in.
    pln.gear_type = 3;
    pln.gear_retract = 0;
    pln.nwsteer = 10;
    pln.ngearZ = -0.55f;
    pln.ngearY = 0;
    pln.mgearZ = 4.85f;
    pln.mgearX = 8.25f / 2;
    pln.mgearY = 0;
    pln.ngearZ_att = -0.55f;
    pln.ngearY_att = 2.4f;
    pln.mgearZ_att = 4.4f;
    pln.mgearX_att = 1.6f;
    pln.mgearY_att = 2.4f;
}
} // namespace

void build_trainer(const char* path)
{
    pln.is_heli = 0;
    baseplane_record(TRAINER_FILE, path);
    copy_bounded(pln.tailnum, "N738TK", 400);

    // [POH] indicated knots: stall flaps out and in, flap limit, rough air, never.
    pln.Vso = 33;
    pln.Vs = 44;
    pln.Vfe = 85;
    pln.Vno = 127;
    pln.Vne = 160;
    pln.peX = -0.9f;
    pln.peY = 5.7f;
    pln.peZ = 4.3f;

    wing();
    tail();
    engine_and_propeller();
    fuselage();
    struts_and_legs();
    weights_and_gear();
    // The editor's grids hold every point of each body within their width.
    for (int b = 18; b <= 27; ++b)
        for (int st = 0; st < f_body_s_dim(b); ++st)
            for (int r = 0; r < f_body_r_dim(b); ++r)
                pln.body_r[b] = fltmax3(pln.body_r[b], std::ceil(std::fabs(pln.body_X[b][st][r])),
                                        std::ceil(std::fabs(pln.body_Y[b][st][r])));
    // As the editor saves it: with its per-frame derivations applied.
    derive_fields();
}

} // namespace fabrex
