// Aircraft loading and derivation: from the aircraft file to a record in SI
// and centre-of-gravity coordinates with its panel, airfoils, elements,
// finite-wing factors and propeller discs, logged to "Korvan.out".
#include "INITPLN.h"

#include "airfoil_tables.h"
#include "element_coefficients.h"
#include "cockpit_calls.h"
#include "finish_plane.h"
#include "records/flight_state.h"
#include "records/cockpit_state.h"
#include "toolkit/plane_ranges.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "flight/aircraft_sounds.h"
#include "toolkit/HL_SOUND.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/airfoil_record.h"
#include "toolkit/part_geometry.h"
#include "toolkit/plane_file.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <iomanip>

namespace {
const int PARTS_WITH_ELEMENTS = 18;

// Width and precision of a number in the log, fixed-point.
struct num {
    float v;
    int w, p;
};

std::ostream& operator<<(std::ostream& o, const num& n)
{
    return o << std::fixed << std::setw(n.w) << std::setprecision(n.p) << n.v;
}

void banner_line()
{
    trk << std::string(100, (char)0xA5) << "\n";
}

// The chooser for another aircraft: 0 when the program is ending; cancelling
// it ends the program.
int choose_aircraft()
{
    C_to_C("Untitled.acf", pln.C_file);
    if (MACIBM_open(203, pln.C_file, pln.C_path)) return 1;
    if (!gdone) MACIBM_alert("File opening failed or aborted.", "", "", "", ALERT_FATAL);
    return 0;
}

// 0 when the program is ending while the file is being asked for (no one is
// left to answer an alert), or when a damaged file was chosen while an
// aircraft is already flying: that aircraft stays.
int open_aircraft_file()
{
    int got;
    while ((got = read_plane_file(pln.C_file, pln.C_path)) != 1) {
        if (gdone) return 0;
        // The damaged file has been reported; at start-up there is nothing
        // to fly yet, so the user chooses another.
        if (got < 0 && done_initing) return 0;
        if (got == 0) {
            char path[400];
            copy_bounded(path, pln.C_path, 400);
            MACIBM_alert("The aircraft file that you last used ", path,
                         "could not be found in the same folder as the 'Korvan' application.",
                         "I will therefore shunt you directly to the aircraft opening routine, where you will select the aircraft you want to fly.",
                         ALERT_NOTICE);
        }
        if (!choose_aircraft()) return 0;
    }
    return 1;
}

// Set by the first refusal of the aircraft being loaded.
int unflyable = 0;

// Whatever the file or the last aircraft left in the derived fields is
// recomputed from zero: the sums and maps below add into them.
void clear_derived_fields()
{
    // (The panel fields are cleared by the panel layout.)
    pln.us_alt = 0;
    memset(pln.miprop, 0, sizeof pln.miprop);
    memset(pln.discarea, 0, sizeof pln.discarea);
    memset(pln.ringarea, 0, sizeof pln.ringarea);
    memset(pln.sweepnow, 0, sizeof pln.sweepnow);
    memset(&pln.in_downwash, 0, (char*)&pln.ailn - (char*)&pln.in_downwash);
    pln.flapEQ = pln.slatEQ = pln.sbrkEQ = 0;
    memset(pln.clflap, 0, sizeof pln.clflap);
    memset(pln.cdflap, 0, sizeof pln.cdflap);
    memset(pln.cmflap, 0, sizeof pln.cmflap);
    pln.puffEQ = pln.fbrkEQ = pln.chuteEQ = pln.jatoEQ = pln.collectEQ = pln.jettisonEQ = 0;
    pln.fuseYcent = pln.fuseZcent = pln.fuse_s_frn = pln.fuse_s_sid = pln.fuse_s_top = 0;
    pln.nace_s = pln.misc_s = pln.fair_s = 0;
    pln.Jxx_unitmass = pln.Jyy_unitmass = pln.Jzz_unitmass = 0;
    pln.h_eqlbm = pln.the_eqlbm = 0;
    pln.ngearcon = pln.ngeardmp = pln.mgearcon = pln.mgeardmp = pln.skidcon = pln.skiddmp = 0;
    memset(pln.condef, 0, sizeof pln.condef);
    // Tables of parts this aircraft lacks must not be the last aircraft's.
    memset(&afl.trat, 0, sizeof afl - ((char*)&afl.trat - (char*)&afl));
    msc.est_Vs = 0;
}

void log_header()
{
    banner_line();
    trk << "Simulating " << pln.C_file << "\n";
    banner_line();
    trk << "\n";
    trk << "x location positive aft      x force positive forwards    pitch/alpha pos nose up\n";
    trk << "y location positive right    y force positive right       roll pos right\n";
    trk << "z location positive up       z force positive up          yaw/beta pos nose right\n";
    trk << "\n";
    trk << "elevator, aileron, spoiler   positive control surface up      \n";
    trk << "rudder                       positive control surface right   \n";
    trk << "drag-yaw                     positive control surface deployed\n";
    trk << "pitch cyclic prop pitch      positive request nose up         \n";
    trk << "roll  cyclic prop pitch      positive request nose right      \n";
    trk << "\n";
}

void feet_to_metres(float& v)
{
    v *= con.fttomtrs;
}

void convert_to_SI()
{
    for (float* v : {&pln.peX, &pln.peY, &pln.peZ, &pln.critalt, &pln.vectarm, &pln.misc_X, &pln.misc_Y, &pln.misc_Z})
        feet_to_metres(*v);
    pln.pmax *= con.hptowatt;
    // Engine rpm to propeller rad/s; without a gear nothing turns (and the
    // design is refused below if it has a propeller engine).
    float rpm_to_prop = pln.gearrat > 0 ? con.rpmtorsc / pln.gearrat : 0.0f;
    pln.omegamin *= rpm_to_prop;
    pln.omegamax *= rpm_to_prop;
    pln.omegamingreen *= rpm_to_prop;
    pln.omegamaxgreen *= rpm_to_prop;
    pln.tmax *= con.lbstontn;
    pln.burnerinc *= con.lbstontn;
    pln.facejet *= con.sftosmtr;
    for (int p = 0; p < 28; ++p) {
        for (float* v : {&pln.semilen[p], &pln.Croot[p], &pln.Ctip[p], &pln.Xarm[p], &pln.Yarm[p], &pln.Zarm[p]})
            feet_to_metres(*v);
        pln.sweep1[p] = fltwrap(pln.sweep1[p], -180, 180);
        pln.sweep2[p] = fltwrap(pln.sweep2[p], -180, 180);
        for (int s = 0; s < 18; ++s) {
            for (int r = 0; r < 16; ++r) {
                feet_to_metres(pln.body_X[p][s][r]);
                feet_to_metres(pln.body_Y[p][s][r]);
                feet_to_metres(pln.body_Z[p][s][r]);
            }
        }
    }
    for (float* v : {&pln.cgY, &pln.cgZ, &pln.skidX, &pln.skidY, &pln.skidZ, &pln.skidl, &pln.ngearY, &pln.ngearZ,
                     &pln.mgearX, &pln.mgearY, &pln.mgearZ, &pln.ngearZ_att, &pln.ngearY_att, &pln.mgearZ_att,
                     &pln.mgearX_att, &pln.mgearY_att, &pln.wheelrad, &pln.jatoY, &pln.jatoZ})
        feet_to_metres(*v);
    for (float* v : {&pln.m_empty, &pln.m_max, &pln.m_fuel, &pln.m_jettison}) *v *= con.lbstokgs;
    pln.jatothrust *= con.lbstontn;
    pln.brake_area *= con.sftosmtr;
    pln.chute_area *= con.sftosmtr;
    pln.puffL *= con.ftlbtonm;
    pln.puffM *= con.ftlbtonm;
    pln.puffN *= con.ftlbtonm;
}

void make_cg_relative()
{
    for (float* z : {&pln.peZ, &pln.ngearZ, &pln.mgearZ, &pln.ngearZ_att, &pln.mgearZ_att, &pln.skidZ, &pln.jatoZ,
                     &pln.misc_Z})
        *z -= pln.cgZ;
    for (float* y : {&pln.peY, &pln.ngearY, &pln.mgearY, &pln.ngearY_att, &pln.mgearY_att, &pln.skidY, &pln.jatoY,
                     &pln.misc_Y})
        *y -= pln.cgY;
    for (int p = 0; p < PARTS_WITH_ELEMENTS; ++p) {
        pln.Yarm[p] -= pln.cgY;
        pln.Zarm[p] -= pln.cgZ;
    }
    for (int s = 0; s <= 10; ++s) {
        for (int r = 0; r < 16; ++r) {
            pln.body_Y[18][s][r] -= pln.cgY;
            pln.body_Z[18][s][r] -= pln.cgZ;
        }
    }
}

void set_equipment_flags()
{
    pln.collectEQ = pln.is_heli || (pln.numen >= 1 && pln.vectEQ && pln.entype != 4 && pln.entype != 5);
    pln.jatoEQ = pln.jatodur > 0;
    pln.fbrkEQ = pln.brake_area > 0;
    pln.chuteEQ = pln.chute_area > 0;
    pln.jettisonEQ = pln.m_jettison > 0;
    pln.puffEQ = pln.puffL > 0 || pln.puffM > 0 || pln.puffN > 0;
    if (pln.numen == 0) pln.entype = 0;
    // A nose wheel behind the mains is a tail wheel: it steers the other way.
    if (pln.ngearZ > pln.mgearZ) pln.nwsteer = -pln.nwsteer;
    if (pln.ASloV + 1 > pln.AShiV) pln.AShiV = pln.ASloV + 1;
    pln.us_alt = intrange(env.lat_sou, 24, 50) && intrange(env.lon_wes, -180, -60);
}

// The loader's notice for a design that would put infinities into the
// flight model; `why` names what is wrong.
void refuse_unflyable(const char* why)
{
    char which[400];
    C_plus_C("The airplane in question is: ", pln.C_file, which);
    refuse_aircraft("This aircraft has an unflyable design!", why,
                 "The flight model cannot fly it: correct the design in Fabrex.", which);
}

// Values that would put a division by zero, an infinity or an array index
// out of range into the derivation or the flight.
void refuse_what_cannot_fly()
{
    static char why[400];
    if (pln.entype >= 1 && pln.entype <= 3 && pln.gearrat <= 0)
        refuse_unflyable("Its engine has a gear ratio of zero, so the engine cannot turn the propeller.");
    if (pln.gear_type == 2 && pln.skidl <= 0) refuse_unflyable("Its skids have a length of zero.");
    for (int p = 0; p < PARTS_WITH_ELEMENTS; ++p) {
        if (!have_this_part(p)) continue;
        const char* name = part_name(p);
        if (pln.Croot[p] <= 0 || pln.Ctip[p] <= 0) {
            snprintf(why, sizeof why, "The %s has a chord of zero.", name);
            refuse_unflyable(why);
        }
        if (p <= 3 && pln.semilen[p] <= 0) {
            snprintf(why, sizeof why, "The %s has a radius of zero.", name);
            refuse_unflyable(why);
        }
        if (std::fabs(pln.sweep1[p]) >= 90 || (pln.varsweepEQ[p] && std::fabs(pln.sweep2[p]) >= 90)) {
            snprintf(why, sizeof why, "The %s is swept 90 degrees or more.", name);
            refuse_unflyable(why);
        }
    }
}

void set_element_flags(int p, int e)
{
    if (p >= 4 && p <= 9) {
        if (pln.flap[p][e]) pln.flapEQ = 1;
        if (pln.slat[p][e]) pln.slatEQ = 1;
        if (pln.sbrk[p][e]) pln.sbrkEQ = 1;
    }
    if (p == 10 || p == 11) {
        if (pln.flap[p][e]) pln.flapEQ = 1;
        if (pln.slat[p][e]) pln.slatEQ = 1;
    }
}

int near_point(float x1, float y1, float z1, float x2, float y2, float z2, float tolerance)
{
    return std::fabs(x1 - x2) <= tolerance && std::fabs(y1 - y2) <= tolerance && std::fabs(z1 - z2) <= tolerance;
}

int tip_meets_root(int tip_part, int root_part)
{
    float len = pln.semilen[tip_part];
    return near_point(get_wing_Xarm(tip_part, len), get_wing_Yarm(tip_part, len), get_wing_Zarm(tip_part, len),
                      pln.Xarm[root_part], pln.Yarm[root_part], pln.Zarm[root_part], 0.2f * pln.Ctip[tip_part]);
}

void log_airfoil(const char* label, float alpha, float trat, float re, const char* path)
{
    trk << label << num{alpha, 3, 1} << " deg, trat=" << num{trat, 3, 2} << ", Re=" << num{re, 5, 2} << " meg for "
        << path << ".\n";
}

void read_airfoils(int p)
{
    char path[2][2][400];
    float alpha[2][2];
    const char* names[2][2] = {{pln.Rafl0[p], pln.Rafl1[p]}, {pln.Tafl0[p], pln.Tafl1[p]}};
    for (int rt = 0; rt < 2; ++rt) {
        for (int re = 0; re < 2; ++re) {
            copy_bounded(path[rt][re], names[rt][re], 400);
            grabafoil(path[rt][re], p, rt, re, &alpha[rt][re]);
        }
    }
    // Two tables of one Reynolds number act as one.
    for (int rt = 0; rt < 2; ++rt) {
        if (std::fabs(afl.Re[p][rt][0] - afl.Re[p][rt][1]) < 0.01f) {
            afl.Re[p][rt][0] = 0;
            afl.Re[p][rt][1] = 99.9f;
        }
    }
    pln.alpha_max[p] = (alpha[0][0] + alpha[0][1] + alpha[1][0] + alpha[1][1]) / 4;
    log_airfoil("   root lo Re: alphamax=", alpha[0][0], afl.trat[p][0], afl.Re[p][0][0], path[0][0]);
    log_airfoil("   root hi Re: alphamax=", alpha[0][1], afl.trat[p][0], afl.Re[p][0][1], path[0][1]);
    log_airfoil("   tip  lo Re: alphamax=", alpha[1][0], afl.trat[p][1], afl.Re[p][1][0], path[1][0]);
    log_airfoil("   tip  hi Re: alphamax=", alpha[1][1], afl.trat[p][1], afl.Re[p][1][1], path[1][1]);
}

void build_elements(int p)
{
    int n = pln.els[p];
    for (int e = 0; e < n; ++e) {
        set_element_flags(p, e);
        float c1 = interp(0, pln.Croot[p], (float)n, pln.Ctip[p], (float)e);
        float c2 = interp(0, pln.Croot[p], (float)n, pln.Ctip[p], (float)(e + 1));
        pln.s[p][e] = (c1 + c2) * pln.semilen[p] * 0.5f / n;
        pln.mac[p][e] = (c1 + c2 - c1 * c2 / (c1 + c2)) * 2.0f / 3.0f;
        trk << "   el #" << std::setw(1) << e << ": s=" << num{pln.s[p][e], 6, 2} << " sqr mtrs, mac="
            << num{pln.mac[p][e], 6, 2} << " mtrs.\n";
    }
}

float oswald_efficiency(float AR, float L)
{
    float shape = 1 - 0.045f * std::pow(AR, 0.68f);
    float e_straight = 1.78f * shape - 0.64f;
    float Lc = fltlim(std::fabs(L), 30, 90);
    float e_swept = 4.61f * shape * std::pow(std::cos(Lc * con.degtorad), 0.15f) - 3.1f;
    if (std::fabs(L) >= 30) return e_swept;
    return interp(0, e_straight, 30, e_swept, std::fabs(L));
}

} // namespace

joined_wing join_wing(int p, int log)
{
    joined_wing w = {p, pln.Croot[p], pln.Ctip[p], pln.semilen[p], pln.sweep1[p]};
    if (p < 4 || p > 13) return w;
    for (int q = 4; q <= 13; ++q) {
        if (q == p || !have_this_part(q) || std::fabs(pln.dihed[p] - pln.dihed[q]) >= 30) continue;
        int p_into_q = tip_meets_root(p, q);
        int q_into_p = tip_meets_root(q, p);
        if (!p_into_q && !q_into_p) continue;
        w.b = pln.semilen[p] + pln.semilen[q];
        w.L = (pln.sweep1[p] * pln.semilen[p] + pln.sweep1[q] * pln.semilen[q]) / w.b;
        if (p_into_q) {
            w.root = p;
            w.c_r = pln.Croot[p];
            w.c_t = pln.Ctip[q];
        }
        if (q_into_p) {
            w.root = q;
            w.c_r = pln.Croot[q];
            w.c_t = pln.Ctip[p];
        }
        if (log)
            for (int k = 0; k < p_into_q + q_into_p; ++k)
                trk << "   !!!Note: I am joining " << part_name(p) << " to " << part_name(q)
                    << " to form one continuous wing!!!\n";
    }
    return w;
}

namespace {
// Two wings stacked one above the other: the lower efficiency of the pair.
float biplane_efficiency(int p, float e)
{
    for (int q = 4; q <= 9; ++q) {
        if (!have_this_part(q)) continue;
        float dY = std::fabs(pln.Yarm[p] - pln.Yarm[q]);
        float dZ = std::fabs(pln.Zarm[p] - pln.Zarm[q]);
        if (dY <= dZ || dY <= 0.1f * pln.Ctip[p] || dY <= 0.1f * pln.Ctip[q]) continue;
        float g = dY / (pln.semilen[p] + pln.semilen[q]);
        float sigma = 0.9962f - 4.896f * g + 17.98f * g * g - 37.8f * g * g * g + 31 * g * g * g * g;
        float r = pln.semilen[p] / pln.semilen[q];
        if (r > 1) r = 1 / r;
        e = 2 * r * r / (1 + 2 * sigma * r + r * r);
    }
    return e;
}

void build_finite_wing(int p)
{
    trk << "Finite-Wing & Element Build-Up for " << part_name(p) << ":\n";
    read_airfoils(p);
    pln.sweepnow[p] = pln.sweep1[p];
    build_elements(p);

    joined_wing w = join_wing(p, 1);
    float c_r = w.c_r, c_t = w.c_t, b = w.b, L = w.L;
    float Lr = L * con.degtorad;
    float d = b * std::sin(Lr) + 0.25f * c_r - 0.25f * c_t;
    float h = b * std::cos(Lr);
    float L_half = std::atan(d / h) * con.radtodeg;
    pln.delta_fac[p] = fltlim(L_half / 65, 0, 1) * fltlim(1 - c_t / c_r, 0, 1);
    float AR = 2 * b * std::cos(Lr) / ((c_r + c_t) / 2);
    pln.AR[p] = AR;

    float e = oswald_efficiency(AR, L);
    if (p >= 4 && p <= 9) e = biplane_efficiency(p, e);
    e = fltlim(e, 0.5f, 1.0f);
    pln.e[p] = e;

    float a0 = (afl.clM[p][0][0] + afl.clM[p][0][1] + afl.clM[p][1][0] + afl.clM[p][1][1]) / 4 * 180 / con.pi;
    float R = 1 / (1 + a0 / (con.pi * e * AR));
    pln.al_D_al0[p] = 1 - 0.68f * (1 - R);
    pln.cl_D_cl0[p] = 1 - 0.32f * (1 - R);
    float cosL = std::cos(Lr);
    pln.cm_D_cm0[p] = AR * cosL * cosL / (AR + 2 * cosL);
    pln.alpha_max[p] /= pln.al_D_al0[p];

    trk << "   Oswalds efficiency factor based on AR (" << num{AR, 3, 2} << ") and sweep (" << num{L, 3, 1} << " deg) is "
        << num{e, 3, 2} << ".\n";
    trk << "   Thoretical lift-slope reduction is to " << num{100 * R, 2, 0} << "% of the 2-D value.\n";
    trk << "   We will accomplish this by:\n";
    trk << "      using coefficient data at an angle of attack that is " << num{100 * pln.al_D_al0[p], 3, 0}
        << "% of actual (alphamax=" << num{pln.alpha_max[p], 3, 1} << "),\n";
    trk << "      and reducing airfoil lift coefficients to            " << num{100 * pln.cl_D_cl0[p], 3, 0}
        << "% of their 2-D value.\n";
    trk << "      Based on AR and sweep, cm change is to               " << num{100 * pln.cm_D_cm0[p], 3, 0}
        << "% of it's 2-D value.\n";
    trk << "      Based on AR and TR, aerodynamic center is moved      " << num{100 * pln.delta_fac[p], 3, 0}
        << "% of the way from the the 25% chord to the 50% chord.\n";
    trk << "\n";
}

void build_prop_disc(int p)
{
    trk << "The " << part_name(p) << " DISC AREA is broken down into rings for propwash distribution as follows:\n";
    float R = pln.semilen[p];
    int n = pln.els[p];
    for (int e = 0; e < n; ++e) {
        float outer = (e + 1) * R / n, inner = e * R / n;
        pln.ringarea[p][e] = con.pi * outer * outer - con.pi * inner * inner;
        trk << "   element number " << e + 1 << " (lat arm=" << num{get_wing_rarm(p, e), 5, 2}
            << " mtrs):   ring area=" << num{pln.ringarea[p][e], 6, 2} << " square meters.\n";
    }
    pln.discarea[p] = con.pi * R * R;
    trk << "                                      TOTAL DISC AREA=" << num{pln.discarea[p], 6, 2}
        << " square meters.\n";
    trk << "\n";
    float c = (pln.Croot[p] + pln.Ctip[p]) / 2;
    float r7 = 0.7071f * R;
    pln.miprop[p] = pln.numblades[p] * 300 * 0.5f * R * c * 0.12f * c * r7 * r7;
    if (!pln.is_heli) pln.miprop[p] *= 1.5f;
    pln.propdir[p] = pln.propdir[p] == 0 ? 1 : -1;
}

void reload_sounds()
{
    stop_engine_and_windrain();
    static const int order[SOUND_SLOTS] = {0, 1, 2, 5, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 3, 18, 19, 20, 21, 22};
    for (int slot : order) fill_buffer(slot);
}
} // namespace

int ret_ins_sep(int lo, int hi)
{
    auto half_width = [](int slot) {
        int kind = slot >= 1 && slot <= 8 ? pln.ins_of_loc[slot] : 0;
        return kind == 0 || kind == 4 || kind == 8 || kind < 0 || kind > 8 ? 50 : 64;
    };
    return 1 + half_width(lo) + half_width(hi);
}

void work_down_circle(float r, float* y, float* x1, float* x2)
{
    float w = std::sqrt(fltmax2(r * r - *y * *y, 0));
    *x1 = -w;
    *x2 = w;
    *y += 1;
}

int plane_refused = 0;

void refuse_aircraft(const char* l1, const char* l2, const char* l3, const char* l4)
{
    if (unflyable) return;   // the first reason is the one told
    unflyable = 1;
    trk.flush();
    MACIBM_alert(l1, l2, l3, l4, ALERT_NOTICE);
}

namespace {
// The derivation of the aircraft just read; 0 when it was refused. It stops
// before a refused record can put an infinity into the panel or the wings.
int derive_plane()
{
    unflyable = 0;
    // A new aircraft never inherits the last one's overspeed damage.
    flt.over_vne = 0;
    if (const char* why = plane_range_fault()) refuse_unflyable(why);
    if (unflyable) return 0;
    clear_derived_fields();
    log_header();

    convert_to_SI();
    make_cg_relative();
    set_equipment_flags();
    refuse_what_cannot_fly();
    if (unflyable) return 0;

    init_panel_layout();

    for (int p = 0; p < PARTS_WITH_ELEMENTS; ++p) {
        if (!have_this_part(p)) continue;
        build_finite_wing(p);
        if (p <= 3 && pln.entype >= 1 && pln.entype <= 3) build_prop_disc(p);
    }

    finishplane();
    return !unflyable;
}

// What a load changes of the aircraft flying, kept while its successor is
// judged.
struct {
    planestruct pln;
    airfoilstruct afl;
    flightstruct flt;
    inststruct ins;
    float est_Vs;
} flying;
} // namespace

void load_plane()
{
    plane_refused = 0;
    if (done_initing) {
        flying.pln = pln;
        flying.afl = afl;
        flying.flt = flt;
        flying.ins = ins;
        flying.est_Vs = msc.est_Vs;
    }
    for (;;) {
        if (!open_aircraft_file()) {
            plane_refused = !gdone;
            return;
        }
        if (derive_plane()) break;
        if (done_initing) {
            // The flight goes on with the aircraft it had.
            pln = flying.pln;
            afl = flying.afl;
            flt = flying.flt;
            ins = flying.ins;
            msc.est_Vs = flying.est_Vs;
            plane_refused = 1;
            return;
        }
        // At start-up nothing flies yet: the user chooses another aircraft,
        // so an aircraft that became unflyable never locks the program out.
        if (!choose_aircraft()) return;
    }
    note_shared_foils();
    trk.flush();
    reload_sounds();
}
