// The bundled airfoils and flap: published section figures and the model
// constants made from them.
//
// The figures are the usual smooth-model section values, rounded as they are
// read off the published curves; they are approximate to that reading.
// None of these sections has a laminar low-drag bucket in its measured polar,
// so the bucket stays off.
#include "bundled_sections.h"

#include "airfoil_model.h"
#include "toolkit/airfoil_record.h"

namespace sectra {

const published_section bundled_airfoils[] = {
    // Clark Y, 11.7 % thick: the propeller section of the default aircraft.
    // Scale-effect tests in the NACA full-scale tunnel (Silverstein, NACA
    // Report 502), reduced to section values; angles from the chord line. At
    // low Reynolds numbers the slope and maximum lift fall and the drag rises;
    // the stall stays gentle (trailing-edge stall).
    //  file                                      Re    t/c    al_zl  a0     clmax al_st al_neg  cd_min  @cl   cd_10   cm_c4
    {"Clark-Y (good propeller).afl",              0.6f, 0.117f, -3.2f, 0.092f, 1.30f, 14.0f, -12.0f, 0.0105f, 0.30f, 0.0230f, -0.080f,
     0.05f, 0.40f, 1.4f, 2.0f, -0.02f, -0.12f},
    {"Clark-Y (good propeller) high Re.afl",      3.0f, 0.117f, -3.5f, 0.100f, 1.47f, 15.5f, -13.0f, 0.0078f, 0.35f, 0.0165f, -0.085f,
     0.05f, 0.40f, 1.4f, 2.0f, -0.02f, -0.12f},

    // NACA 2412, 12 % thick, 2 % camber at 40 % chord: the wing section.
    // Abbott & von Doenhoff, Theory of Wing Sections (1959), Appendix IV,
    // from the NACA two-dimensional tunnel tests (NACA Report 824):
    // zero-lift angle -2.1 deg, quarter-chord moment about -0.045, maximum
    // lift rising with Reynolds number; a moderate stall.
    {"NACA 2412 (popular).afl",                   3.1f, 0.12f, -2.1f, 0.105f, 1.55f, 15.5f, -14.0f, 0.0062f, 0.15f, 0.0120f, -0.045f,
     0.15f, 0.35f, 1.4f, 2.0f, 0.0f, -0.10f},
    {"NACA 2412 (popular) high Re.afl",           8.9f, 0.12f, -2.1f, 0.107f, 1.70f, 16.5f, -15.0f, 0.0058f, 0.20f, 0.0108f, -0.045f,
     0.15f, 0.35f, 1.4f, 2.0f, 0.0f, -0.10f},

    // NACA 0009, 9 % thick, symmetrical: the tail section.
    // Abbott & von Doenhoff, Appendix IV (NACA Report 824): no zero-lift
    // angle, no moment, slope about 0.11 per degree; a thin section's abrupt
    // leading-edge stall, so most of the lift goes at once.
    {"NACA 0009 (symmetrical).afl",               3.0f, 0.09f, 0.0f, 0.108f, 1.25f, 13.0f, -13.0f, 0.0056f, 0.0f, 0.0130f, 0.0f,
     0.35f, 0.15f, 1.0f, 2.0f, 0.05f, -0.05f},
    {"NACA 0009 (symmetrical) high Re.afl",       9.0f, 0.09f, 0.0f, 0.109f, 1.42f, 14.5f, -14.5f, 0.0052f, 0.0f, 0.0115f, 0.0f,
     0.35f, 0.15f, 1.0f, 2.0f, 0.05f, -0.05f},
};
const int bundled_airfoil_count = (int)(sizeof bundled_airfoils / sizeof bundled_airfoils[0]);

// A 0.20-chord plain flap, 40 degrees at full deflection. Lift effectiveness
// and its fall-off with deflection as summarised for plain flaps in Abbott &
// von Doenhoff, chapter 8 (after Cahill, NACA Report 938); drag increment
// growing with the square of the deflection; moment per lift increment from
// thin-airfoil theory for that chord ratio (about -0.19), rounded to -0.2.
const published_flap bundled_flap = {"plain flap.flp", 40.0f, 0.045f, 0.70f, 0.98f, 0.08f, -0.2f};

// A 0.30-chord single-slotted flap, 40 degrees at full deflection, as the
// trainer carries. Lift increments read off the slotted-flap tests of NACA
// Report 664 (Wenzinger and Harris) and their summary in Abbott & von
// Doenhoff, chapter 8: about 0.045 per degree at small deflection, while the
// slot is still closing, 0.9 at 20 degrees and 1.45 at 40; profile-drag
// increment about 0.12 at 40 degrees; moment per lift increment about -0.2.
const published_flap bundled_slotted_flap = {"single-slotted flap.flp", 40.0f, 0.045f, 0.90f, 1.45f, 0.12f, -0.2f};

const published_flap* const bundled_flaps[] = {&bundled_flap, &bundled_slotted_flap};
const int bundled_flap_count = 2;

void load_bundled_airfoil(const published_section& s)
{
    afl.trat[0][0] = s.trat;
    afl.Re[0][0][0] = s.Re;
    afl.clM[0][0][0] = s.a0;
    afl.clB[0][0][0] = -s.a0 * s.al_zl;
    afl.Lstall = s.clmax;
    afl.almax = s.al_stall;
    afl.almin = s.al_stall_neg;
    // The curve leaves the straight line at 10 degrees with the line's slope.
    float linhilift = afl.clB[0][0][0] + 10 * s.a0;
    afl.Lpow = s.a0 * (s.al_stall - 10) / (s.clmax - linhilift);
    afl.Ldrop1 = s.Ldrop1;
    afl.Ldrop2 = s.Ldrop2;
    afl.Lpowstl = s.Lpowstl;
    afl.DminCL = s.cl_cdmin;
    afl.Dmin = s.cd_min;
    afl.Dal10 = s.cd_10;
    afl.Dpow = s.Dpow;
    afl.Bwidth = 0;
    afl.Bdepth = 0;
    afl.Bpower = 2;
    afl.Bloc = 0;
    // Flat moment between the two stalls, breaking at them.
    afl.cmal2[0][0][0] = s.al_stall_neg;
    afl.cmal3[0][0][0] = s.al_stall;
    afl.cm1[0][0][0] = s.cm_neg20;
    afl.cm2[0][0][0] = s.cm_c4;
    afl.cm3[0][0][0] = s.cm_c4;
    afl.cm4[0][0][0] = s.cm_pos20;
    msc.device = DEVICE_AIRFOIL;
    generate();
}

void load_bundled_flap(const published_flap& f)
{
    // Cubic through the small-deflection slope, the half and the full value.
    float a = f.dcl_per_deg * f.full_deflection;
    float b = 8 * f.dcl_half - 3 * a - f.dcl_full;
    float c = f.dcl_full - a - b;
    afl.FLPlco1 = a;
    afl.FLPlco2 = b;
    afl.FLPlco3 = c;
    afl.FLPdco1 = 0;
    afl.FLPdco2 = f.dcd_full;
    afl.FLPdco3 = 0;
    afl.FLPmco1 = f.dcm_per_dcl * a;
    afl.FLPmco2 = f.dcm_per_dcl * b;
    afl.FLPmco3 = f.dcm_per_dcl * c;
    msc.device = DEVICE_FLAP;
    generate();
}

} // namespace sectra
