// Lift, drag and moment coefficients of one lifting element: a spanwise
// strip of a wing, stabiliser, pylon or propeller blade. Angles in degrees.
#pragma once

// One airfoil slot of part EN (RT 0 root, 1 tip; Re 0 low, 1 high Reynolds
// number) at the element's angle alpha, with the finite-wing and slat
// rotation of the lift line; sets flt.stalled[EN].
void anyfoil(float alpha, float& cl, float& cd, float& cm, int EN, int RT, int Re, int el);

// Element el of part en below Mach 1, at flt.alpha[en][el] and
// flt.v_el[en][el]: the four slots blended by Reynolds number and span, plus
// the control increments, finite span, induced drag, ground effect,
// compressibility, delta-wing moment and ice.
// Which airfoil slots of each part name the same file: noted when an
// aircraft is loaded and at every start, so that no step compares file names.
void note_shared_foils();
void Fco_subsonic(float modcl, float modcd, float modcm, float& cl, float& cd, float& cm, int en, int el);

// The same at or above Mach 1, from four flat-plate panels.
void Fco_supersonic(float modcl, float modcd, float modcm, float& cl, float& cd, float& cm, int en, int el);

// Adds one supersonic flat-plate panel at alpha, weighted by foil_rat.
void supersonic_flatplate(float alpha, float& cl, float& cd, float machno, float foil_rat);

// Angle (degrees) that a lift-coefficient increment clmod adds to the flow
// of part EN; 0 above Mach 1.
float induce_alpha(float clmod, int EN);

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
