// Lift, drag and moment coefficients of one lifting element: a spanwise
// strip of a wing, stabiliser, pylon or propeller blade. Angles in degrees.
#pragma once

#include "records/flight_state.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"

#include <cmath>

// One airfoil slot of part EN (RT 0 root, 1 tip; Re 0 low, 1 high Reynolds
// number) at the element's angle alpha, with the finite-wing and slat
// rotation of the lift line; sets flt.stalled[EN].
void anyfoil(float alpha, float& cl, float& cd, float& cm, int EN, int RT, int Re, int el);

// Which airfoil slots of each part name the same file: noted when an
// aircraft is loaded and at every start, so that no step compares file names.
void note_shared_foils();

// Element el of part en below Mach 1, at flt.alpha[en][el] and
// flt.v_el[en][el]: the four slots blended by Reynolds number and span, plus
// the control increments, finite span, induced drag, ground effect,
// compressibility, delta-wing moment and ice.
void Fco_subsonic(float modcl, float modcd, float modcm, float& cl, float& cd, float& cm, int en, int el);

// The same at or above Mach 1, from four flat-plate panels.
void Fco_supersonic(float modcl, float modcd, float modcm, float& cl, float& cd, float& cm, int en, int el);

// Adds one supersonic flat-plate panel at alpha, weighted by foil_rat.
void supersonic_flatplate(float alpha, float& cl, float& cd, float machno, float foil_rat);

// Angle (degrees) that a lift-coefficient increment clmod adds to the flow
// of part EN; 0 above Mach 1. Inline, as the control effects below: every
// element with a control surface takes them twice a frame.
inline float induce_alpha(float clmod, int EN)
{
    if (flt.machno > 1) return 0;
    return clmod / (fltlim(pln.AR[EN], 2, 20) * con.pi) * con.radtodeg;
}

// Lift fall-off of a control surface with its deflection.
inline float deflection_factor(float d)
{
    static const float at[7] = {10, 15, 20, 30, 40, 50, 60};
    static const float factor[7] = {1.0f, 0.98f, 0.86f, 0.68f, 0.6f, 0.55f, 0.5f};
    if (d <= at[0]) return factor[0];
    for (int k = 1; k < 7; ++k)
        if (d <= at[k]) return factor[k - 1] + (factor[k] - factor[k - 1]) * (d - at[k - 1]) / (at[k] - at[k - 1]);
    return factor[6];
}

// set_con_eff's increments without its trace line.
inline void control_effect(int en, int con_type, float rat, float def, float& cl, float& cd, float& cm)
{
    float r = rat > 0 ? rat : 0;
    cl = std::sqrt(r) * 0.1097f / 1.5f;
    cd = r * 0.003f / 0.25f;
    cm = (0.75f - 0.5f * r) * cl;

    switch (con_type) {
    case 13:  // spoiler
        cl *= 2;
        cd *= 2;
        cm *= 0.5f;
        break;
    case 14:  // speedbrake
        cl *= 0.5f;
        cd *= 2;
        cm = 0;
        break;
    case 15:  // drag-rudder
        cl = 0;
        cd *= 4;
        cm = 0;
        break;
    default:  // aileron, elevator, rudder
        break;
    }

    float d = def;
    cl *= -d;
    cd *= std::fabs(d);
    cm *= d;

    cl *= deflection_factor(std::fabs(d));
    if (flt.stalled[en]) cl *= 0.2f;
    if (pln.con_smooth == 1) cl *= 0.7f;
    else if (pln.con_smooth == 2) cl *= 0.85f;
}

// Coefficient increments of one control surface: con_type 12 plain control,
// 13 spoiler, 14 speedbrake, 15 drag-rudder; rat its chord ratio, def its
// deflection in degrees (positive lowers lift). str names it in the trace.
void set_con_eff(int en, int con_type, float rat, float def, float& cl, float& cd, float& cm, const char* str);

// One element's lift and drag (N, along and across the free stream after the
// element's flow-direction change flt.deldir) and pitching moment (N m), with
// the coefficient increments given; returns the element's cl before that
// rotation. Serves the wings and the propeller and rotor blades alike.
float F_el_force(float modcl, float modcd, float modcm, float& lift, float& drag, float& momt, int en, int el);

// The same with the sine and cosine of flt.deldir given: a blade's flow
// direction is the angle of its velocity components, whose ratios to the
// speed are its sine and cosine without a call.
float F_el_force_turned(float modcl, float modcd, float modcm, float sin_d, float cos_d, float& lift, float& drag,
                        float& momt, int en, int el);
