// Aircraft completion and design checks.
#include "finish_plane.h"

#include "INITPLN.h"
#include "airfoil_tables.h"
#include "records/flight_state.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/airfoil_record.h"
#include "toolkit/part_geometry.h"
#include "toolkit/plane_record.h"

#include <cmath>
#include <iomanip>

namespace {
struct num {
    float v;
    int w, p;
};

std::ostream& operator<<(std::ostream& o, const num& n)
{
    return o << std::fixed << std::setw(n.w) << std::setprecision(n.p) << n.v;
}

float degrees(float radians)
{
    return radians * con.radtodeg;
}

int is_jet()
{
    return pln.entype == 4 || pln.entype == 5;
}

// Loads the gear carries at maximum weight: the nose (or tail) wheel and
// each main wheel.
struct gear_loads {
    float nose, main;
};

gear_loads wheel_loads(float W)
{
    float base = pln.mgearZ - pln.ngearZ;
    if (base == 0) return {0, 0};
    return {pln.mgearZ / base * W, -pln.ngearZ / base * W / 2};
}

float safe_ratio(float a, float b)
{
    return b != 0 ? a / b : 0.0f;
}

// The fuselage's centroid and the radii of gyration per unit mass, the
// mass spread like the surface of the fuselage and the flying surfaces.
void find_gyration()
{
    float area = 0, Ay = 0, Az = 0, Jxx = 0, Jyy = 0, Jzz = 0;
    auto add = [&](float A, float x, float y, float z) {
        Jxx += A * (y * y + z * z);
        Jyy += A * (x * x + z * z);
        Jzz += A * (x * x + y * y);
    };
    const float(*X)[16] = pln.body_X[18];
    const float(*Y)[16] = pln.body_Y[18];
    const float(*Z)[16] = pln.body_Z[18];
    for (int s = 0; s < 10; ++s) {
        for (int r = 0; r < 8; ++r) {
            const int tri[2][3][2] = {{{s, r}, {s, r + 1}, {s + 1, r + 1}}, {{s, r}, {s + 1, r}, {s + 1, r + 1}}};
            for (const auto& t : tri) {
                float px[3], py[3], pz[3];
                for (int k = 0; k < 3; ++k) {
                    px[k] = X[t[k][0]][t[k][1]];
                    py[k] = Y[t[k][0]][t[k][1]];
                    pz[k] = Z[t[k][0]][t[k][1]];
                }
                // The left half mirrors the right.
                float A = 2 * findarea(px[0], py[0], pz[0], px[1], py[1], pz[1], px[2], py[2], pz[2]);
                float x = (px[0] + px[1] + px[2]) / 3, y = (py[0] + py[1] + py[2]) / 3,
                      z = (pz[0] + pz[1] + pz[2]) / 3;
                area += A;
                Ay += A * y;
                Az += A * z;
                add(A, x, y, z);
            }
        }
    }
    pln.fuseYcent = safe_ratio(Ay, area);
    pln.fuseZcent = safe_ratio(Az, area);

    for (int p = 4; p <= 17; ++p) {
        if (!have_this_part(p)) continue;
        for (int e = 0; e < pln.els[p]; ++e) {
            float r = get_wing_rarm(p, e);
            area += pln.s[p][e];
            add(pln.s[p][e], get_wing_Xarm(p, r), get_wing_Yarm(p, r), get_wing_Zarm(p, r));
        }
    }
    // No area at all is refused among the design checks.
    pln.Jxx_unitmass = safe_ratio(Jxx, area);
    pln.Jyy_unitmass = safe_ratio(Jyy, area);
    pln.Jzz_unitmass = safe_ratio(Jzz, area);
}

void log_gyration(const char* roll, const char* pitch, const char* yaw)
{
    trk << roll << num{std::sqrt(pln.Jzz_unitmass), 3, 1} << " meters.\n";
    trk << pitch << num{std::sqrt(pln.Jxx_unitmass), 3, 1} << " meters.\n";
    trk << yaw << num{std::sqrt(pln.Jyy_unitmass), 3, 1} << " meters.\n";
    trk << "\n";
}

// The engines are heavy points of their own.
void add_engine_masses()
{
    if (pln.entype == 0) return;
    float m_e = 0;
    if (pln.entype == 1 || pln.entype == 2) m_e = 1.75f * pln.pmax * con.watttohp * con.lbstokgs;
    else if (pln.entype == 3) m_e = 0.5f * pln.pmax * con.watttohp * con.lbstokgs;
    else m_e = 0.18f * pln.tmax * con.ntntolbs * con.lbstokgs;
    // An empty weight of zero is refused among the design checks.
    if (pln.m_empty > 0) {
        // Engines heavier than the whole empty aircraft leave nothing else.
        float scale = fltmax2((pln.m_empty - pln.numen * m_e) / pln.m_empty, 0);
        pln.Jxx_unitmass *= scale;
        pln.Jyy_unitmass *= scale;
        pln.Jzz_unitmass *= scale;
    }
    for (int i = 0; i < pln.numen; ++i) {
        float X = pln.Xarm[i], Y = pln.Yarm[i], Z = pln.Zarm[i];
        if (pln.m_empty > 0) {
            float share = m_e / pln.m_empty;
            pln.Jxx_unitmass += share * (Z * Z + Y * Y);
            pln.Jyy_unitmass += share * (Z * Z + X * X);
            pln.Jzz_unitmass += share * (X * X + Y * Y);
        }
        trk << "Engine number " << i + 1 << ", however, weighs " << num{m_e, 1, 0} << " kg, and is at:\n";
        trk << "   long arm=" << num{Z, 6, 1} << " meters.\n";
        trk << "   lat  arm=" << num{X, 6, 1} << " meters.\n";
        trk << "   vert arm=" << num{Y, 6, 1} << " meters.\n";
        trk << "\n";
    }
    trk << "Final radii of gyration are then as follows:\n";
    log_gyration("   The radius of gyration in roll is  ", "   The radius of gyration in pitch is ",
                 "   The radius of gyration in yaw is   ");
}

float largest_section(int body)
{
    int points = f_body_r_dim(body);
    float largest = 0;
    for (int s = 0; s < f_body_s_dim(body); ++s) {
        float area = 0;
        for (int r = 1; r <= points / 2; ++r)
            area += 2 * ((pln.body_X[body][s][r - 1] + pln.body_X[body][s][r]) / 2) *
                    (pln.body_Y[body][s][r - 1] - pln.body_Y[body][s][r]);
        largest = fltmax2(largest, area);
    }
    return largest;
}

// Reference areas of the bodies.
void find_body_areas()
{
    pln.fuse_s_frn = largest_section(18);
    pln.nace_s = largest_section(19);
    pln.misc_s = largest_section(23);
    pln.fair_s = largest_section(25);
    const float(*X)[16] = pln.body_X[18];
    const float(*Y)[16] = pln.body_Y[18];
    const float(*Z)[16] = pln.body_Z[18];
    for (int s = 0; s < 10; ++s) {
        float length = Z[s + 1][0] - Z[s][0];
        float h = ((Y[s][0] - Y[s][8]) + (Y[s + 1][0] - Y[s + 1][8])) / 2;
        float w = (2 * X[s][4] + 2 * X[s + 1][4]) / 2;
        pln.fuse_s_sid += h * length;
        pln.fuse_s_top += w * length;
    }

    trk << "Based on fuselage geometry:\n";
    trk << "   The frontal area of the fuselage is " << num{pln.fuse_s_frn, 4, 1} << " square meters.\n";
    trk << "   The side    area of the fuselage is " << num{pln.fuse_s_sid, 4, 1} << " square meters.\n";
    trk << "   The top     area of the fuselage is " << num{pln.fuse_s_top, 4, 1} << " square meters.\n";
    trk << "   The longitudinal centroid of the fuselage is at " << num{pln.fuseZcent, 4, 1} << " meters.\n";
    trk << "   The vertical     centroid of the fuselage is at " << num{pln.fuseYcent, 4, 1} << " meters.\n";
    trk << "These dimensions, like all dimensions in this output file, are with respect to the C.G.!\n";
    trk << "\n";
    if (pln.nace_eq && !is_jet())
        trk << "The frontal area of the engine nacelles is   " << num{pln.nace_s, 4, 1} << " square meters each.\n";
    if (pln.misc_eq)
        trk << "The frontal area of the fuel tanks/floats is " << num{pln.misc_s, 4, 1} << " square meters each.\n";
    if (pln.fair_eq)
        trk << "The frontal area of the wheel fairings is    " << num{pln.fair_s, 4, 1} << " square meters each.\n";
    trk << "\n";
}

void find_slat_effect()
{
    for (int p = 0; p < 28; ++p) pln.slat_effect[p] = 1;
    for (int p = 4; p <= 11; ++p) {
        if (!have_this_part(p)) continue;
        int slatted = 0;
        for (int e = 0; e < pln.els[p]; ++e) slatted |= pln.slat[p][e] != 0;
        if (!slatted || pln.alpha_max[p] == 0) continue;
        pln.slat_effect[p] = (pln.alpha_max[p] + pln.slat_inc) / pln.alpha_max[p];
        trk << "For " << part_name(p) << ":\n";
        trk << "Full slat deployment will cause coefficient data to spread out alpha-wise to "
            << num{100 * pln.slat_effect[p], 2, 0} << "% of original.\n";
        trk << "Full slat deployment will also change the lift coefficient by the same amount (keeping the lift SLOPE the same).\n";
        trk << "\n";
    }
}

// Springs sized so that the aircraft at maximum weight settles by a
// deflection that grows with its weight.
void size_gear_springs()
{
    float W = pln.m_max * con.g;
    float d = fltmin2(interp(1, 0.1f, 10000, 1, pln.m_max * con.kgstolbs), 1) * con.fttomtrs;
    gear_loads L = wheel_loads(W);
    pln.ngearcon = safe_ratio(L.nose, d);
    pln.mgearcon = safe_ratio(L.main, d);
    // A nose wheel is as stiff as the mains; a tail wheel keeps its own spring.
    if (pln.mgearZ > pln.ngearZ) pln.ngearcon = pln.mgearcon;
    pln.ngeardmp = 0.1f * pln.ngearcon;
    pln.mgeardmp = 0.1f * pln.mgearcon;
    pln.skidcon = safe_ratio(2 * 0.25f * W, d);
    pln.skiddmp = 0.05f * pln.skidcon;
}

float asin_degrees(float ratio)
{
    return degrees(std::asin(fltlim(ratio, -1, 1)));
}

// Height of the centre of gravity and pitch at rest.
void find_resting_attitude()
{
    float W = pln.m_max * con.g;
    if (pln.gear_type == 2) {
        float l = pln.skidl;
        float L_f = (pln.skidZ + l) / l * W;
        float L_r = -pln.skidZ / l * W;
        float y_f = -pln.skidY - safe_ratio(L_f, 2 * pln.skidcon);
        float y_r = -pln.skidY - safe_ratio(L_r, 2 * pln.skidcon);
        pln.h_eqlbm = interp(pln.skidZ, y_f, pln.skidZ + l, y_r, 0);
        pln.the_eqlbm = fltwrap(asin_degrees((y_f - y_r) / l), 0, 360);
    } else if (pln.gear_type > 2) {
        float y_n = -pln.ngearY, y_m = -pln.mgearY;
        float base = pln.mgearZ - pln.ngearZ;
        // Gear legs at one station are refused among the design checks.
        if (base != 0) {
            pln.h_eqlbm = interp(pln.mgearZ, y_m, pln.ngearZ, y_n, 0);
            pln.the_eqlbm = fltwrap(asin_degrees((y_n - y_m) / base), 0, 360);
        }
        gear_loads L = wheel_loads(W);
        pln.ngearY -= safe_ratio(L.nose, pln.ngearcon);
        pln.mgearY -= safe_ratio(L.main, pln.mgearcon);
    }
}

float left_lifting_area()
{
    float S = 0;
    for (int p : {4, 6, 8, 10})
        if (have_this_part(p)) S += (pln.Croot[p] + pln.Ctip[p]) * pln.semilen[p];
    return S;
}

void estimate_stall_speed()
{
    if (pln.is_heli) {
        msc.est_Vs = 50 * con.ktstomsc;
        return;
    }
    float S = left_lifting_area();
    // With no lifting area there is no stall speed; such an aircraft is refused.
    msc.est_Vs = S > 0 ? std::sqrt(2 * pln.m_max * con.g / (con.rhoSL * S)) : 0.0f;
}

float element_x(int p, int j)
{
    return get_wing_Xarm(p, get_wing_rarm(p, j));
}

// Which strips lie behind which surface's span, on its side.
void map_downwash()
{
    for (int e = 4; e <= 11; ++e) {
        if (!have_this_part(e)) continue;
        for (int w = 4; w <= 11; ++w) {
            if (!have_this_part(w) || (e % 2) != (w % 2) || pln.Zarm[w] >= pln.Zarm[e]) continue;
            float root = std::fabs(get_wing_Xarm(w, 0)), tip = std::fabs(get_wing_Xarm(w, pln.semilen[w]));
            float lo = fltmin2(root, tip), hi = fltmax2(root, tip);
            for (int j = 0; j < pln.els[e]; ++j) {
                float x = std::fabs(element_x(e, j));
                pln.in_downwash[e][w][j] = x >= lo && x <= hi;
            }
        }
    }

    static const char* const marks[4] = {"W1", "W2", "W3", "HS"};
    auto cell = [](int e, int j, int first_washer) {
        trk << " ";
        if (!have_this_part(e) || j >= pln.els[e]) {
            trk << "        ";
        } else {
            for (int k = 0; k < 4; ++k) trk << (pln.in_downwash[e][first_washer + 2 * k][j] ? marks[k] : "--");
        }
        trk << " ";
    };
    trk << "DOWNWASH SITUATION:  W1=wing 1\n";
    trk << "                     W2=wing 2\n";
    trk << "                     W3=wing 3\n";
    trk << "                     HS=horiz stab\n";
    trk << "\n";
    for (int left = 4; left <= 10; left += 2) {
        if (!have_this_part(left)) continue;
        trk << part_name(left) << ": ";
        for (int j = 7; j >= 0; --j) cell(left, j, 4);
        trk << "FUSE";
        for (int j = 0; j <= 7; ++j) cell(left + 1, j, 5);
        trk << "\n";
    }
    trk << "\n";
}

// How much each surface that washes another bends the flow behind it.
void find_specific_downwash()
{
    for (int e = 4; e <= 11; ++e) {
        for (int w = 4; w <= 11; ++w) {
            int washed = 0;
            for (int j = 0; j < 8; ++j) washed |= pln.in_downwash[e][w][j] != 0;
            if (!washed) continue;
            // The wash behind a panel is that of the whole wing it is part of.
            joined_wing wing = join_wing(w, 0);
            float xDs = std::fabs(pln.Zarm[e] - pln.Zarm[wing.root]) / wing.b;
            float hDs = std::fabs(pln.Yarm[e] - pln.Yarm[wing.root]) / wing.b;
            float TR = wing.c_t / wing.c_r;
            pln.spec_wash[w] = findspecwash(hDs, xDs, pln.AR[w], TR);
            trk << "Based on the " << part_name(w) << " AR of " << num{pln.AR[w], 4, 2} << ",\n";
            trk << "                         TR of " << num{TR, 4, 2} << ",\n";
            trk << "                         x-separation of " << num{xDs, 2, 1} << " semi-spans,\n";
            trk << "                     and z-separation of " << num{hDs, 2, 1} << " semi-spans,\n";
            trk << "the downwash of the " << part_name(w) << " on the " << part_name(e) << " will be "
                << num{pln.spec_wash[w], 3, 1} << " deg per coefficient of lift\n";
            trk << "TIMES THE COSINE of the " << part_name(w) << " sweep.\n";
            trk << "\n";
        }
    }
}

// Which strips lie in which propeller's disc, seen from behind.
void map_propwash()
{
    for (int i = 0; i < 4; ++i) {
        if (!have_this_part(i)) continue;
        float R = pln.semilen[i];
        for (int p = 4; p <= 13; ++p) {
            if (!have_this_part(p) || pln.Zarm[i] >= pln.Zarm[p]) continue;
            for (int j = 0; j < pln.els[p]; ++j) {
                float r = get_wing_rarm(p, j);
                float x = get_wing_Xarm(p, r), y = get_wing_Yarm(p, r);
                pln.in_propwash[p][i][j] = x >= pln.Xarm[i] - R && x <= pln.Xarm[i] + R && y >= pln.Yarm[i] - R &&
                                           y <= pln.Yarm[i] + R;
            }
        }
    }

    auto cell = [](int p, int j) {
        trk << " ";
        if (!have_this_part(p) || j >= pln.els[p]) {
            trk << "    ";
        } else {
            for (int i = 0; i < 4; ++i) trk << (pln.in_propwash[p][i][j] ? (char)('1' + i) : '-');
        }
        trk << " ";
    };
    trk << "\n";
    trk << "PROPWASH SITUATION: 1 through 4 means propwash from that engine on element.\n";
    trk << "\n";
    for (int left = 4; left <= 12; left += 2) {
        if (!have_this_part(left)) continue;
        trk << part_name(left) << ":";
        for (int j = 7; j >= 0; --j) cell(left, j);
        trk << "FUSE";
        for (int j = 0; j <= 7; ++j) cell(left + 1, j);
        trk << "\n";
    }
    trk << "\n";
}

// Stream angles between which the propwash reaches a surface.
void find_stream_angles()
{
    for (int i = 0; i < 4; ++i) {
        float R = pln.semilen[i];
        for (int p = 4; p <= 13; ++p) {
            int washed = 0;
            for (int j = 0; j < 8; ++j) washed |= pln.in_propwash[p][i][j] != 0;
            if (!washed) continue;
            float dz = pln.Zarm[p] - pln.Zarm[i], dy = pln.Yarm[p] - pln.Yarm[i];
            pln.max_washdir[p][i] = degrees(std::atan2(dy, dz));
            pln.hi_washdir[p][i] = degrees(std::atan2(dy + R, dz));
            pln.lo_washdir[p][i] = degrees(std::atan2(dy - R, dz));
            trk << "For propwash from " << part_name(i) << " onto " << part_name(p) << ":\n";
            trk << "There will be no   propwash if the propwash stream angle is above "
                << num{pln.hi_washdir[p][i], 4, 0} << " deg.\n";
            trk << "There will be full propwash if the propwash stream angle is       "
                << num{pln.max_washdir[p][i], 4, 0} << " deg.\n";
            trk << "There will be no   propwash if the propwash stream angle is below "
                << num{pln.lo_washdir[p][i], 4, 0} << " deg.\n";
            trk << "The computer will interpolate automatically between these numbers based on prop stream angle.\n";
            trk << "\n";
        }
    }
}

void fatal(const char* l1, const char* l2, const char* l3, const char* l4)
{
    refuse_aircraft(l1, l2, l3, l4);
}

void physics_alert(const char* first_line)
{
    fatal(first_line, "This defies the immutable laws of physics!", "Please do not defy the immutable laws of physics!",
          pln.C_file);
}

int any_negative_drag()
{
    for (int p = 0; p <= 13; ++p)
        for (int rt = 0; rt < 2; ++rt)
            for (int re = 0; re < 2; ++re)
                for (int k = 0; k < 271; ++k)
                    if (afl.cdpos[p][rt][re][k] < -0.01f || afl.cdneg[p][rt][re][k] < -0.01f) return 1;
    return 0;
}

int any_flying_surface()
{
    for (int p = 4; p <= 13; ++p)
        if (have_this_part(p)) return 1;
    return 0;
}

float total_surface_area()
{
    float area = 0;
    for (int s = 0; s < 10; ++s)
        for (int r = 0; r < 8; ++r) {
            const float(*X)[16] = pln.body_X[18];
            const float(*Y)[16] = pln.body_Y[18];
            const float(*Z)[16] = pln.body_Z[18];
            area += findarea(X[s][r], Y[s][r], Z[s][r], X[s][r + 1], Y[s][r + 1], Z[s][r + 1], X[s + 1][r + 1],
                             Y[s + 1][r + 1], Z[s + 1][r + 1]);
            area += findarea(X[s][r], Y[s][r], Z[s][r], X[s + 1][r], Y[s + 1][r], Z[s + 1][r], X[s + 1][r + 1],
                             Y[s + 1][r + 1], Z[s + 1][r + 1]);
        }
    for (int p = 4; p <= 17; ++p)
        if (have_this_part(p))
            for (int e = 0; e < pln.els[p]; ++e) area += pln.s[p][e];
    return area;
}

// In this order; all refuse the aircraft except the resting-attitude remark.
void check_design()
{
    int airplane = !pln.is_heli;
    int piston_or_turbine = pln.entype >= 1 && pln.entype <= 3;
    const char* tail_types = "There are 2 different tail-types in Korvan: STABILIZER and STABILATOR.";

    if (airplane && pln.Vno == 0) fatal("You entered a Vno of zero!", "You need to change this in Fabrex.", "", "");
    if (airplane && pln.Vne == 0) fatal("You entered a Vne of zero!", "You need to change this in Fabrex.", "", "");
    if (pln.m_empty < 1) physics_alert("You have entered an empty weight of zero!");
    if (pln.m_max < 1) physics_alert("You have entered a maximum weight of zero!");
    if ((pln.entype == 1 || pln.entype == 2) && pln.mpmax < 0.1f)
        fatal("You have entered a maximum manifold pressure in Fabrex of 0!",
              "It is not possible for a reciprocating engine to operate at full power with zero manifold pressure!",
              "Enter a correct maximum manifold pressure in Fabrex... probably 29.9 for normally-aspirated engines.", "");
    if (any_negative_drag())
        fatal("An airfoil used by this aircraft has negative drag at some angle of attack!",
              "You cannot change the laws of physics! Modify any impossible airfoils in 'Sectra' to have positive drag!",
              "", "");
    for (int s = 1; s <= 10; ++s)
        if (pln.body_Z[18][s][0] == pln.body_Z[18][s - 1][0])
            fatal("You have entered a fuselage with at least two sections at the same station!",
                  "In other words, the longitudinal location of two fuselage cross-sections is the same.",
                  "This is not tenable for the aerodynamics/hydrodynamics flight model.", "Please chnage this in Fabrex.");
    if (pln.paneltype == 2 && (pln.supptype == 3 || pln.supptype == 6))
        fatal("You have indicated in 'Fabrex' that this aircraft has a GLASS PANEL.",
              "However, you have selected either the Argus or weather-radar as the equipment option.",
              "The glass panel contains all the information of both the Argus and weather radar systems.",
              "Therefore you need to change your equipment type to some other option.");
    if (pln.m_empty > pln.m_max)
        fatal("You have selected an empty weight that is greater than the maximum weight for this airplane!",
              "Go into Fabrex and set the empty weight to less than the maximum weight!", "The airplane in question is:",
              pln.C_file);
    if (pln.hstabtype == 1 && pln.hstbtrimmax > 0.01f)
        fatal(tail_types, "You select the tail type for your airplane in the Fabrex Horizontal Stabilizer screen.",
              "If you select a tail-type of STABILATOR, you may NOT enter a STABILIZER trim. (Trim is automatically set as a fraction of the full travel).",
              "You have selected a trim, though. Go into Fabrex and set the STABILIZER trim to 0, or set the tail-type to STABILIZER.");
    if (pln.hstabtype == 1 && have_this_part(10)) {
        for (int e = 0; e < pln.els[10]; ++e)
            if (pln.elev[10][e])
                fatal(tail_types, "With STABILIZERS, an elevator moves for pitch control.",
                      "With STABILATORS, the whole tail moves for pitch control.",
                      "You have selected elevators as being on a STABILATOR, which is not acceptable. Correct the design in Fabrex.");
    }
    if (pln.fusewash && (pln.entype == 0 || is_jet()))
        fatal("You have selected the fuselage as being in propwash, yet there are no propellers on this aircraft!",
              "This has me very confused.",
              "Select reciprocating or turboprop engines, or select the fuselage as NOT being in propwash.",
              "Do this in 'Fabrex'.");
    if (pln.vectEQ && piston_or_turbine && (pln.elevcyclic == 0 || pln.ailncyclic == 0) &&
        (pln.puffL == 0 || pln.puffM == 0))
        fatal("This aircraft has vectored thrust, but does NOT have pitch and roll cyclic deflections or puffers!",
              "There will be no control authority in hover!", "Add pitch and roll cyclic deflections or add puffers.",
              "...or check the aircraft as being NON-VECTORED THRUST in Sectra, 'engines' menu.");
    if (pln.vectEQ && is_jet() && (pln.puffL == 0 || pln.puffM == 0))
        fatal("The puffer moments in pitch and roll are zero.",
              "This will not allow you to manuever the aircraft in pitch or roll.",
              "Put in some puffers for pitch and roll control....",
              "...you can use differential vectoring for rudder control.");
    if (airplane && !any_flying_surface())
        fatal("This aircraft has no flying surfaces!", "You must have at least a stabilizer or something on the airplane!",
              "Put on a wing or stabilizer or something in Fabrex.", "");
    // Vertical surfaces alone (or one side only) give no stall speed.
    if (airplane && left_lifting_area() <= 0)
        fatal("This aircraft has no wing or horizontal stabilizer on each side!",
              "Vertical stabilizers alone cannot hold it up, so it has no stall speed.",
              "Put on a wing or horizontal stabilizer (left and right) in Fabrex.", "");
    // The mass has to be spread over something.
    if (total_surface_area() <= 0)
        fatal("This aircraft has no fuselage and no flying surfaces at all!",
              "Its mass cannot be spread over anything, so it cannot turn.",
              "Give it a fuselage or flying surfaces in Fabrex.", "");
    if (std::fabs(fltwrap(pln.the_eqlbm, -180, 180)) > 30)
        MACIBM_alert("This thing sits on the ground with an excessive attitute.",
                     "Check up on the landing gear locations and heights in Fabrex.", "",
                     "I will let you go flying, but you may encounter problems on the ground.", ALERT_NOTICE);
    if (pln.vectEQ) {
        for (int i = 0; i < 4; ++i)
            if (std::fabs(pln.vertcant[i]) > 0.01f)
                fatal("This aircraft has both vectored thrust and a canted engine! The trigonometry for this is not currently supported.",
                      "You must set the thrust-vectoring option OFF OR set the engine cants to ZERO in Fabrex.",
                      "Call customer support if niether of these options is feasible.", "");
    }
    int varsweep = pln.varsweepEQ[4] || pln.varsweepEQ[6] || pln.varsweepEQ[8] || pln.varsweepEQ[10];
    if (pln.vectEQ && varsweep)
        fatal("Aircraft has vectored thrust and variable-sweep wing or stabilizer!",
              "This is not allowed because the thrust vector and wing-sweep controls will overlap on the engine control console.",
              "Use vect thrust OR variable-sweep wings, not both.", "Correct the problem in Fabrex.");
    if (pln.autosweepEQ && !varsweep)
        fatal("Your aircraft has been selected to have the wings and/or horizontal stabilizer sweep automatically ",
              "...yet neither the wings nor the horizontal stabilizer are selected for variable sweep!", "This is untenable.",
              "Correct the problem in Fabrex.");
    if (pln.gear_type == 2 && (pln.skidZ > 0 || pln.skidZ + pln.skidl < 0))
        fatal("The center of gravity is not between the front and back of the skid!",
              "This will result in a machine that falls on it's nose or tail on the ground!", "", "");
    if (pln.gear_type > 2) {
        float n = pln.ngearZ, m = pln.mgearZ;
        // A nose wheel right at the centre of gravity would carry it all and
        // leave the mains without a spring.
        if ((n <= 0 && m <= 0) || (n >= 0 && m >= 0))
            fatal("The center of gravity is not between the nose gear and the main gear!",
                  "This will result in a plane that falls on it's nose or tail on the ground!",
                  "Keep the CG between the landing gear by using 'Fabrex' to enter the gear and CG in the right place", "");
    }
    if (piston_or_turbine && pln.omegamin > pln.omegamax)
        fatal("You entered an idle rpm greater then the maximum engine rpm in Fabrex!",
              "That is not possible. Go back into Fabrex, select the 'Engine' screen, and enter the engine rpm data.",
              "The airplane in question is:", pln.C_file);
    if (piston_or_turbine && pln.omegamax <= 0)
        fatal("You entered a maximum engine rpm of zero in Fabrex!",
              "That is not possible. Go back into Fabrex, select the 'Engine' screen, and enter the engine rpm data.",
              "The airplane in question is:", pln.C_file);
    if (piston_or_turbine && pln.pmax < 1)
        fatal("You requested a reciprocating or turbine engine in Fabrex, but have entered an engine power of zero!",
              "This is not good. To fly a glider, enter a number of engines of ZERO. To fly a jet, enter that as the engine type.",
              "The airplane in question is:", pln.C_file);
    if (is_jet() && pln.tmax < 1)
        fatal("You requested a jet engine in Fabrex, but have entered an engine thrust of zero!",
              "This is not good. To fly a glider, enter a number of engines of ZERO. To fly a prop plane, enter that as the engine type.",
              "The airplane in question is:", pln.C_file);
    if (pln.is_heli && is_jet())
        fatal("You are using a jet engine on this helicopter!", "Helicopters may use reciprocating or turboprop engines only.",
              "Generate a turboprop engine in Sectra, and select that engine for your helicopter in Fabrex.", "");
    if (pln.is_heli && pln.entype == 0)
        fatal("You have selected no engines for your helicopter!",
              "Make sure you have either 1 or 2 engines selected for your helicopter in Fabrex", "", "");
}
} // namespace

float findarea(float x1, float y1, float z1, float x2, float y2, float z2, float x3, float y3, float z3)
{
    float ax = x2 - x1, ay = y2 - y1, az = z2 - z1;
    float bx = x3 - x1, by = y3 - y1, bz = z3 - z1;
    float cx = ay * bz - az * by, cy = az * bx - ax * bz, cz = ax * by - ay * bx;
    return 0.5f * std::sqrt(cx * cx + cy * cy + cz * cz);
}

float interp9(float x1, float x2, float x3, float y1, float y2, float y3, float z11, float z21, float z31,
              float z12, float z22, float z32, float z13, float z23, float z33, float x, float y)
{
    // The cell: x1..x2 or x2..x3, y1..y2 or y2..y3 (y descending).
    int right = x >= x2, lower = y <= y2;
    float xa = right ? x2 : x1, xb = right ? x3 : x2;
    float ya = lower ? y2 : y1, yb = lower ? y3 : y2;
    const float z[3][3] = {{z11, z12, z13}, {z21, z22, z23}, {z31, z32, z33}};
    int i = right, j = lower;
    float top = interp(xa, z[i][j], xb, z[i + 1][j], x);
    float bottom = interp(xa, z[i][j + 1], xb, z[i + 1][j + 1], x);
    return interp(ya, top, yb, bottom, y);
}

float findspecwash(float hDs, float xDs, float AR, float TR)
{
    hDs = fltlim(hDs, 0, 1);
    xDs = fltlim(xDs, 0.5f, 2);
    AR = fltlim(AR, 3, 15);
    TR = fltlim(TR, 0.1f, 1.1f);
    auto table = [&](float a1, float a2, float a3, float b1, float b2, float b3, float c1, float c2, float c3) {
        return interp9(6, 9, 12, 1.0f, 0.5f, 0.2f, a1, a2, a3, b1, b2, b3, c1, c2, c3, AR, TR);
    };
    float e0 = table(6.2f, 4.0f, 3.0f, 8.0f, 5.1f, 3.9f, 9.1f, 6.1f, 4.3f);
    float k = table(-5.25f, -3.5f, -2.51f, -8.17f, -5.33f, -4.0f, -12.0f, -7.38f, -5.0f);
    float m4 = table(0.8f, 0.6f, 0.5f, 0.7f, 0.5f, 0.4f, 0.4f, 0.3f, 0.1f);
    float m0 = table(1.5f, 1.3f, 1.0f, 1.5f, 1.1f, 0.7f, 1.4f, 1.0f, 0.4f);
    float w6 = fltlim(e0 + k * hDs, 0, 10);
    float c = fltlim((xDs - 0.6f) * interp(0, m0, 0.4f, m4, hDs), 0, 10);
    return w6 - (xDs - 0.6f) * c;
}

void finishplane()
{
    find_gyration();
    trk << "Based on fuselage and wing surface-area distribution:\n";
    log_gyration("   The radius of gyration in roll  is ", "   The radius of gyration in pitch is ",
                 "   The radius of gyration in yaw   is ");
    add_engine_masses();
    find_body_areas();
    find_slat_effect();
    if (pln.flapEQ) read_flap_tables();
    size_gear_springs();
    find_resting_attitude();
    estimate_stall_speed();
    map_downwash();
    find_specific_downwash();
    map_propwash();
    find_stream_angles();
    check_design();
}
