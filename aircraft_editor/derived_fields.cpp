// What the editor derives every frame from the fields the user edits:
// the engine type's fuel consumption, propeller copies, the tail rotor's
// cant, sweep, wheel radius, the skid tube, mirror and sibling copies and
// the pylon roots.
#include "editor.h"

#include "fabrex_records.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/airfoil_record.h"
#include "toolkit/part_geometry.h"
#include "toolkit/plane_record.h"

#include <cmath>
#include <cstring>

namespace fabrex {

namespace {
// The engine type the engine screen saw last.
int seen_entype;

void copy_propeller(int from, int to)
{
    pln.numblades[to] = pln.numblades[from];
    pln.des_adv[to] = pln.des_adv[from];
    pln.des_rpm[to] = pln.des_rpm[from];
    pln.des_vel[to] = pln.des_vel[from];
    pln.minpitch[to] = pln.minpitch[from];
    pln.maxpitch[to] = pln.maxpitch[from];
    pln.els[to] = pln.els[from];
    pln.semilen[to] = pln.semilen[from];
    pln.Croot[to] = pln.Croot[from];
    pln.Ctip[to] = pln.Ctip[from];
    for (int e = 0; e < 8; ++e) pln.anginc[to][e] = pln.anginc[from][e];
    copy_bounded(pln.Rafl0[to], pln.Rafl0[from], 400);
    copy_bounded(pln.Rafl1[to], pln.Rafl1[from], 400);
    copy_bounded(pln.Tafl0[to], pln.Tafl0[from], 400);
    copy_bounded(pln.Tafl1[to], pln.Tafl1[from], 400);
}

void skid_tube()
{
    static const float zs[7] = {0, 0.02f, 0.05f, 0.08f, 0.12f, 0.98f, 1};
    static const float ys[7] = {0.048f, 0.03f, 0.013f, 0.005f, 0, 0, 0};
    for (int s = 0; s < 7; ++s) {
        const float rad = s == 0 || s == 6 ? 0 : pln.wheelrad;
        const float yc = pln.skidl * ys[s];
        for (int r = 0; r < 8; ++r) {
            const double t = 2.0 * M_PI * r / 8;
            pln.body_Z[25][s][r] = pln.skidl * zs[s];
            pln.body_X[25][s][r] = rad * (float)std::sin(t);
            pln.body_Y[25][s][r] = rad * (float)std::cos(t) + yc;
        }
    }
}

void pylon_roots()
{
    for (int p = 14; p <= 17; ++p) {
        const int e = p - 14;
        const float side = latsign(e);
        const float dihed = pln.dihed[p] * con.degtorad, sweep = pln.sweep1[p] * con.degtorad;
        const float bx = pln.Xarm[e] - side * pln.pylondx * std::cos(dihed);
        const float by = pln.Yarm[e] - pln.pylondx * std::sin(dihed);
        const float bz = pln.Zarm[e] + pln.pylondz;
        pln.Xarm[p] = bx - side * std::cos(dihed) * std::cos(sweep) * pln.semilen[p];
        pln.Yarm[p] = by - std::sin(dihed) * std::cos(sweep) * pln.semilen[p];
        pln.Zarm[p] = bz - std::sin(sweep) * pln.semilen[p];
    }
}
} // namespace

float default_sfc(int entype)
{
    static const float sfc[6] = {0, 0.43f, 0.41f, 0.55f, 0.85f, 0.55f};
    return entype >= 1 && entype <= 5 ? sfc[entype] : 0;
}

void remember_engine_type()
{
    seen_entype = pln.entype;
}

void derive_engine_sfc()
{
    if (pln.entype == seen_entype) return;
    pln.sfc = default_sfc(pln.entype);
    seen_entype = pln.entype;
}

void derive_fields()
{
    if (!pln.is_heli)
        for (int p = 1; p <= 3; ++p) copy_propeller(0, p);
    // The tail rotor pushes against the main rotor's torque.
    if (pln.is_heli) pln.sidecant[1] = pln.propdir[0] == 0 ? 90.0f : -90.0f;
    for (int p = 0; p < 28; ++p) pln.sweepnow[p] = pln.sweep1[p];
    if (pln.gear_type > 2) pln.wheelrad = 0.065f * std::pow(pln.m_max > 0 ? pln.m_max : 0, 0.25f);
    else if (pln.gear_type == 2) pln.wheelrad = pln.skidl / 50;
    if (pln.gear_type == 2) skid_tube();
    static const int foils[7][2] = {{5, 4}, {7, 6}, {9, 8}, {11, 10}, {14, 15}, {14, 16}, {14, 17}};
    for (const auto& f : foils) copy_foil(f[0], f[1]);
    static const int bodies[6][2] = {{19, 20}, {19, 21}, {19, 22}, {23, 24}, {25, 26}, {25, 27}};
    for (const auto& b : bodies) copy_body(b[0], b[1]);
    pylon_roots();
}

void copy_foil(int e1, int e2)
{
    pln.sweep1[e1] = fltwrap(pln.sweep1[e1], -180, 180);
    pln.dihed[e1] = fltwrap(pln.dihed[e1], -180, 180);
    copy_bounded(pln.Rafl0[e2], pln.Rafl0[e1], 400);
    copy_bounded(pln.Rafl1[e2], pln.Rafl1[e1], 400);
    copy_bounded(pln.Tafl0[e2], pln.Tafl0[e1], 400);
    copy_bounded(pln.Tafl1[e2], pln.Tafl1[e1], 400);
    pln.sweep1[e2] = pln.sweep1[e1];
    pln.sweep2[e2] = pln.sweep2[e1];
    pln.dihed[e2] = pln.dihed[e1];
    pln.semilen[e2] = pln.semilen[e1];
    pln.Croot[e2] = pln.Croot[e1];
    pln.Ctip[e2] = pln.Ctip[e1];
    if (e1 != 14) {
        pln.Xarm[e2] = -pln.Xarm[e1];
        pln.Yarm[e2] = pln.Yarm[e1];
        pln.Zarm[e2] = pln.Zarm[e1];
    }
    afl.trat[e2][0] = afl.trat[e1][0];
    afl.trat[e2][1] = afl.trat[e1][1];
    pln.varsweepEQ[e2] = pln.varsweepEQ[e1];
    pln.els[e2] = pln.els[e1];
    const int els = intlim(pln.els[e1], 0, 8);
    for (int c = 0; c < els; ++c) {
        pln.anginc[e2][c] = pln.anginc[e1][c];
        if (e1 == 5 || e1 == 7 || e1 == 9) {
            pln.ailn[e2][c] = pln.ailn[e1][c];
            pln.splr[e2][c] = pln.splr[e1][c];
            pln.flap[e2][c] = pln.flap[e1][c];
            pln.slat[e2][c] = pln.slat[e1][c];
            pln.sbrk[e2][c] = pln.sbrk[e1][c];
            pln.drud[e2][c] = pln.drud[e1][c];
        } else if (e1 == 11) {
            pln.elev[e2][c] = pln.elev[e1][c];
            pln.flap[e2][c] = pln.flap[e1][c];
            pln.slat[e2][c] = pln.slat[e1][c];
        }
    }
}

void copy_body(int e1, int e2)
{
    const int S = f_body_s_dim(e1), R = f_body_r_dim(e1);
    for (int s = 0; s < S; ++s)
        for (int r = 0; r < R; ++r) {
            pln.body_X[e2][s][r] = pln.body_X[e1][s][r];
            pln.body_Y[e2][s][r] = pln.body_Y[e1][s][r];
            pln.body_Z[e2][s][r] = pln.body_Z[e1][s][r];
        }
}

} // namespace fabrex
