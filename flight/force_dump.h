// The one-cycle force dump to "Korvan.out": its header, and the lines that
// each stage of the force build-up writes while set.cycout is set.
#pragma once

#include <ostream>

// A number in fixed notation, right-aligned in its width, for the reports.
struct num {
    float v;
    int width, decimals;
};
std::ostream& operator<<(std::ostream& o, const num& n);

// The dump's header with the flight condition before the dumped half-step.
void force_dump_header();

// The running totals of the aerodynamic and of the propulsive forces, with
// the moments.
void aeroforcerep();
void propforcerep();

// Lines of the build-up's stages, in the build-up's order. Callers write
// them only while set.cycout is set.
void trace_text(const char* text);
void trace_part(int p);
void trace_element(int el, float X, float Y, float Z, float alpha0, float Vinplane, float axial, float normal);
void trace_propwash(int e, float dir, float share, float dv, float axial, float normal);
void trace_downwash(int p, int el);
void trace_stab(float def_inc, float trim_inc, int p, int el);
void trace_control(const char* name, float rat, float def, float cl, float cd, float cm);
void trace_flaps(float cl, float cd, float cm);
void trace_induced(float sum, int p, int el);
// One airfoil slot looked up at the effective angle, slats' stretch s.
void trace_anyfoil(int RT, int Re, int slatted, float s, float al_zl, float alpha, float cl, float cd, float cm);
// A subsonic element: the slots' coefficients (cl, cd, cm of root and tip at
// the low and high Reynolds number), the blend, and the corrections after it.
void trace_subsonic(int en, int el, float Re_meg, const float* root_lo, const float* tip_lo, const float* root_hi,
                    const float* tip_hi, const float* blend, float modcl, float modcd, float modcm);
void trace_supersonic(float alpha, float machno, float cl, float cd, float cm, float modcl, float modcd,
                      float modcm);
void trace_element_force(int en, int el, float cl, float cd, float cm, float cl_path, float cd_path, float lift,
                         float drag, float momt);
void trace_fuselage(float v, float lift, float side, float offset, float cd, float area, float drag);
void trace_body(int p, float cd, float area, float v, float drag);
void trace_tyre(float area, float drag);
void trace_brakes(float drag);
void trace_chutes(float drag);
void trace_totals(float north, float east, float up, float mass, float Jroll, float Jpitch, float Jyaw);
