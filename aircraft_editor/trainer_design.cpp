// The bundled trainer, from the published type figures of a four-seat
// high-wing 160 hp trainer: span 36 ft 1 in, wing area about 174 sq ft with a
// constant-chord inner panel (64 in) and a tapered outer panel, 1.7 degrees
// of dihedral and 3 degrees of washout; stabilizer span 11 ft 4 in; fin
// height about 5 ft; 2300 lb gross, about 1430 lb empty; a 160 hp carburetted
// flat-four turning a 75 in fixed-pitch propeller of 57 in pitch; main gear
// track 8 ft 3 in, wheelbase about 5 ft 5 in.
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
const float DIHEDRAL = 1.73f;
const float WASHOUT_ROOT = 1.5f, WASHOUT_TIP = -1.5f;

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
    const float span = 36.08f, inner_semi = 8.375f, c_root = 5.333f, c_tip = 3.5f;
    const float qc_z = 2.2f + 0.25f * c_root, wing_y = 6.8f;
    // Inner panel: constant chord from the centre line out to the start of
    // the taper.
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
        // Flaps out to the end of the inner panel (not under the cabin roof),
        // ailerons on the outer two thirds of the outer panel.
        pln.flap[4][e] = e >= 1;
        pln.ailn[6][e] = e >= 2;
    }
    copy_flags_to_right(4);
    copy_flags_to_right(6);
    pln.ailn_crat = 0.28f;
    pln.ailn_up = 20;
    pln.ailn_dn = 15;
}

void tail()
{
    // Stabilizer with elevators over the whole span, set at a small negative
    // incidence for the download of cruise trim.
    lifting_pair(10, 0, 3.9f, 18.0f, 5.667f, 3.5f, 2.5f, 4, 0);
    pln.els[10] = 4;
    for (int e = 0; e < 4; ++e) {
        pln.anginc[10][e] = -2.5f;
        pln.elev[10][e] = 1;
    }
    copy_flags_to_right(10);
    for (int p : {10, 11}) set_foils(p, "NACA 0009 (symmetrical).afl", "NACA 0009 (symmetrical) high Re.afl");
    pln.hstabtype = 0;
    pln.elev_crat = 0.45f;
    pln.elev_up = 28;
    pln.elev_dn = 23;

    // Swept fin standing on the tail cone, rudder over its whole height.
    pln.Xarm[12] = 0;
    pln.Yarm[12] = 4.6f;
    pln.Zarm[12] = 17.2f + 0.25f * 4.6f;
    pln.semilen[12] = 5.0f;
    pln.Croot[12] = 4.6f;
    pln.Ctip[12] = 2.6f;
    pln.sweep1[12] = pln.sweep2[12] = 30;
    pln.dihed[12] = 90;
    pln.els[12] = 4;
    for (int e = 0; e < 4; ++e) pln.rudd[12][e] = 1;
    set_foils(12, "NACA 0009 (symmetrical).afl", "NACA 0009 (symmetrical) high Re.afl");
    pln.rudd_crat = 0.4f;
    pln.rudd_def = 17;
}

void engine_and_propeller()
{
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
    pln.Croot[0] = pln.Ctip[0] = 0.45f;
    pln.els[0] = 8;
    pln.numblades[0] = 2;
    pln.propdir[0] = 0;
    set_foils(0, "Clark-Y (good propeller).afl", "Clark-Y (good propeller) high Re.afl");
    // Fixed pitch: the blades are twisted to the 57 in pitch.
    pln.des_adv[0] = 57;
    pln.des_rpm[0] = 2400;
    design_prop(0, 0);
}

// Cross-sections as ellipses: station Z, half width, half height, centre height.
void fuselage()
{
    static const float station[11][4] = {
        {-3.3f, 0.05f, 0.05f, 4.0f}, {-2.6f, 1.1f, 1.1f, 4.0f},  {-1.0f, 1.6f, 1.55f, 4.1f}, {0.5f, 1.75f, 1.9f, 4.4f},
        {2.2f, 1.8f, 2.2f, 4.6f},    {4.5f, 1.8f, 2.2f, 4.6f},   {7.0f, 1.6f, 1.9f, 4.8f},   {10.0f, 1.2f, 1.4f, 4.7f},
        {13.5f, 0.85f, 1.0f, 4.5f},  {17.0f, 0.55f, 0.7f, 4.35f}, {20.5f, 0.25f, 0.45f, 4.3f}};
    pln.body_r[18] = 3;
    for (int s = 0; s < 11; ++s) {
        for (int r = 0; r < 16; ++r) {
            float a = 2 * con.pi * r / 16;
            pln.body_Z[18][s][r] = station[s][0];
            pln.body_X[18][s][r] = station[s][1] * std::sin(a);
            pln.body_Y[18][s][r] = station[s][3] + station[s][2] * std::cos(a);
        }
    }
    pln.fuse_cd = 0.25f;
    pln.fusewash = 1;
}

void weights_and_gear()
{
    pln.m_empty = 1430;
    pln.m_max = 2300;
    pln.m_fuel = 252;
    pln.cgZ = 40.0f / 12;
    pln.cgY = 3.6f;

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
    pln.wheelrad = 0.62f;
}
} // namespace

void build_trainer(const char* path)
{
    pln.is_heli = 0;
    baseplane_record(TRAINER_FILE, path);
    copy_bounded(pln.tailnum, "N738TK", 400);

    // Indicated knots: stall flaps out and in, flap limit, rough air, never.
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
