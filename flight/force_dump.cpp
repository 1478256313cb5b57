#include "force_dump.h"

#include "contact.h"
#include "records/flight_state.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <cmath>
#include <iomanip>

std::ostream& operator<<(std::ostream& o, const num& n)
{
    std::ios::fmtflags flags = o.flags();
    std::streamsize precision = o.precision();
    o << std::fixed << std::setprecision(n.decimals) << std::setw(n.width) << n.v;
    o.flags(flags);
    o.precision(precision);
    return o;
}

namespace {
const char YEN = '\xA5';


// The build-up's own numbers, where no width is fixed.
num f(float v)
{
    return {v, 1, 4};
}

void yen(int n)
{
    for (int k = 0; k < n; ++k) trk << YEN;
}

void rule(int leading_line_end)
{
    if (leading_line_end) trk << '\n';
    contact_banner("");
}

void running_totals(const char* title, float axil, float side, float nrml)
{
    contact_banner(title);
    trk << "   f_axil=" << num{axil, 9, 0} << " N,   L=" << num{flt.L, 9, 0} << " N-m.\n";
    trk << "   f_side=" << num{side, 9, 0} << " N,   M=" << num{flt.M, 9, 0} << " N-m.\n";
    trk << "   f_nrml=" << num{nrml, 9, 0} << " N,   N=" << num{flt.N, 9, 0} << " N-m.\n\n";
}

void summary(const char* title, int k, const float* rl, const float* tl, const float* rh, const float* th,
             const float* blend, const char* name)
{
    trk << '\n' << title << " Coeff summary:  ---------- --root--  --tip---\n";
    trk << "                   reyno 1   " << num{rl[k], 8, 4} << "  " << num{tl[k], 8, 4} << " |\n";
    trk << "                   reyno 2   " << num{rh[k], 8, 4} << "  " << num{th[k], 8, 4}
        << " |======>resultant " << name << "=" << num{blend[k], 6, 4} << ".\n";
}
} // namespace

void force_dump_header()
{
    trk << '\n';
    yen(100);
    trk << '\n';
    yen(100);
    trk << '\n';
    trk << YEN << YEN << YEN << "AT TIME COUNTER " << std::setw(6) << msc.cntr;
    yen(75);
    trk << '\n';
    yen(100);
    trk << '\n';
    yen(100);
    trk << '\n';
    trk << "h       =" << num{(float)flt.Y, 6, 0} << " meters.\n";
    trk << "rho     =" << num{atm.rho, 8, 6} << " kg/cubic meter, density ratio=" << num{atm.crtsig, 8, 6} << ".\n";
    trk << "airspeed=" << num{flt.av, 2, 1} << " m/s, mach number=" << num{flt.machno, 4, 3} << ".\n";
    trk << '\n';
    trk << "psi  =" << num{flt.psi, 5, 1} << " deg.\n";
    trk << "the  =" << num{flt.the, 5, 1} << " deg.\n";
    trk << "phi  =" << num{flt.phi, 5, 1} << " deg.\n";
    trk << '\n';
    trk << "hpath=" << num{flt.ahpath, 5, 1} << " deg with respect to the air.\n";
    trk << "vpath=" << num{flt.avpath, 5, 1} << " deg with respect to the air.\n";
    trk << '\n';
    trk << "alpha=" << num{flt.Alpha, 5, 1} << " deg.\n";
    trk << "beta =" << num{flt.Beta, 5, 1} << " deg.\n";
    trk << '\n';
    trk << "P=" << num{flt.Prad * con.radtodeg, 5, 1} << " deg/second.\n";
    trk << "Q=" << num{flt.Qrad * con.radtodeg, 5, 1} << " deg/second.\n";
    trk << "R=" << num{flt.Rrad * con.radtodeg, 5, 1} << " deg/second.\n";
    trk << '\n';
}

void aeroforcerep()
{
    running_totals("RUNNING AERODYNAMIC FORCE AND TOTAL MOMENT TOTALS, FLIGHT-PATH AXIS SYSTEM", flt.faxilaero,
                   flt.fsideaero, flt.fnrmlaero);
}

void propforcerep()
{
    running_totals("RUNNING PROPULSIVE FORCE AND TOTAL MOMENT TOTALS, AIRCRAFT AXIS SYSTEM", flt.faxilprop,
                   flt.fsideprop, flt.fnrmlprop);
}

void trace_text(const char* text)
{
    trk << text;
}

void trace_part(int p)
{
    static const char* const titles[14] = {"LEFT  WING 1",   "RIGHT WING 1",       "LEFT  WING 2",
                                           "RIGHT WING 2",   "LEFT  WING 3",       "RIGHT WING 3",
                                           "LEFT  HSTB",     "RIGHT HSTB",         "VERT STAB NUMBER 1",
                                           "VERT STAB NUMBER 2", "ENGINE PYLON 1", "ENGINE PYLON 2",
                                           "ENGINE PYLON 3", "ENGINE PYLON 4"};
    if (p < 4 || p > 17) return;
    rule(1);
    contact_banner(titles[p - 4]);
    rule(0);
}

void trace_element(int el, float X, float Y, float Z, float alpha0, float Vinplane, float axial, float normal)
{
    rule(1);
    trk << YEN << YEN << YEN << "ELEMENT #" << el + 1;
    yen(87);
    trk << '\n';
    rule(0);
    trk << "   element x=" << f(X) << " m.\n";
    trk << "   element y=" << f(Y) << " m.\n";
    trk << "   element z=" << f(Z) << " m.\n";
    trk << "   After incidence, dihedral, and sweep, alpha=" << f(alpha0) << " deg, V=" << f(Vinplane) << " m/s.\n";
    trk << "   vector form, AFTER  aircraft rotational velocities: V=" << f(axial) << " m/s axial, pos aft, "
        << f(normal) << " m/s normal, pos up.\n";
}

void trace_propwash(int e, float dir, float share, float dv, float axial, float normal)
{
    trk << "   The propwash from engine #" << e + 1 << " is at an angle of " << f(dir)
        << " deg. (aircraft body axis system, 0=horizontal, 90=straight up)\n";
    trk << "   This causes " << f(share * 100) << "% of the total propwash to act on the surface.\n";
    trk << "   The speed increment due to propwash is therefore " << f(dv) << " m/s.\n";
    trk << "   Vector form AFTER propwash is: V=" << f(axial) << " m/s axial, pos aft, " << f(normal)
        << " m/s normal, pos up.\n";
}

void trace_downwash(int p, int el)
{
    trk << "   The alpha increment due to downwash is " << f(flt.downwash[p][el]) << " deg.\n";
    trk << "   The surface is therefore at an alpha of " << f(flt.alpha[p][el]) << " deg while at "
        << f(flt.v_el[p][el]) << " m/s.\n";
    trk << "   The change in infinite flow direction due to rotation rates, propwash, and downwash is "
        << f(flt.deldir[p][el]) << " deg.\n";
}

void trace_stab(float def_inc, float trim_inc, int p, int el)
{
    trk << "   The alpha increment due hstab def=" << f(def_inc) << " deg.\n";
    trk << "   The alpha increment due hstab trim=" << f(trim_inc) << " deg.\n";
    trk << "   Finally, surface is at an alpha of " << f(flt.alpha[p][el]) << " deg while at " << f(flt.v_el[p][el])
        << " m/s.\n";
}

void trace_control(const char* name, float rat, float def, float cl, float cd, float cm)
{
    trk << "\n   " << name << " RESULTS FOR " << num{rat, 5, 2} << " CHORD SURFACE, DEFLECTED " << num{def, 5, 2}
        << " DEG:\n";
    trk << "      cl=" << num{cl, 7, 4} << " per deg.\n";
    trk << "      cd=" << num{cd, 7, 4} << " per deg.\n";
    trk << "      cm=" << num{cm, 7, 4} << " per deg.\n";
}

void trace_flaps(float cl, float cd, float cm)
{
    trk << "   FLAP COEFF INC: cl incmntd by " << f(cl) << ", cd incmntd by " << f(cd) << ", cm incmntd by " << f(cm)
        << ". (def=" << f(flt.flap) << ", 1.0=full deployment)\n";
}

void trace_induced(float sum, int p, int el)
{
    trk << "   Effective alpha increased " << f(sum)
        << " deg by all combined lift-incrementation devices up to final alpha of " << f(flt.alpha[p][el])
        << " deg.\n\n";
}

void trace_anyfoil(int RT, int Re, int slatted, float s, float al_zl, float alpha, float cl, float cd, float cm)
{
    trk << "   These coefficients are using the " << (Re ? "HIGH" : "LOW") << " Reynolds number airfoil "
        << (RT ? "TIP" : "ROOT") << ",\n";
    if (slatted)
        trk << "   Alpha-ratio due to slats is " << f(s) << ", and we rotate the lift-line about the zero-lift alpha of "
            << f(al_zl) << " deg.\n";
    trk << "   At an effective angle of attack (after finite-wing and slat alpha reduction) of " << f(alpha)
        << " deg:\n";
    if (std::fabs(alpha) < 10) {
        trk << "      We use straight-line lift and moment curves to get cl=" << f(cl) << ".\n";
        trk << "      We look up drag coefficients in tables to get cd=" << f(cd) << ", cm=" << f(cm) << ".\n";
    } else {
        trk << "      We look up lift, drag, and moment coefficients in tables to get cl=" << f(cl) << ", cd=" << f(cd)
            << " cm=" << f(cm) << ".\n";
    }
    if (slatted) trk << "   Slats are boosting the resulting lift by " << f((s - 1) * 100) << "%, to a value of " << f(cl)
                     << ".\n";
}

// The corrections follow the subsonic coefficients' own order, step by step.
void trace_subsonic(int en, int el, float Re_meg, const float* rl, const float* tl, const float* rh, const float* th,
                    const float* blend, float modcl, float modcd, float modcm)
{
    int els = pln.els[en] < 1 ? 1 : pln.els[en];
    trk << "                   flight RE=" << f(Re_meg) << " million.\n";
    trk << "                   element center=" << f((el + 0.5f) / els * 100) << "% of span.\n";
    summary("CL", 0, rl, tl, rh, th, blend, "cl");
    summary("CD", 1, rl, tl, rh, th, blend, "cd");
    summary("CM", 2, rl, tl, rh, th, blend, "cm");
    float l = blend[0] + modcl;
    trk << "   adding control-effects cl of " << f(modcl) << ".\n";
    trk << "   adding control-effects cd of " << f(modcd) << ".\n";
    trk << "   adding control-effects cm of " << f(modcm) << ".\n";
    l *= pln.cl_D_cl0[en];
    trk << "   finite-wing lift   multiplier=" << f(pln.cl_D_cl0[en]) << ".\n";
    trk << "   finite-wing moment multiplier=" << f(pln.cm_D_cm0[en]) << ".\n";
    float eAR = pln.e[en] * pln.AR[en];
    float cdi = eAR > 0 ? l * l / (eAR * con.pi) : 0;
    int in_ground_effect = pln.is_heli ? en == 0 : en >= 4 && en <= 11;
    int ground = l > 0 && in_ground_effect;
    trk << "   ground effect cdi  multiplier=" << f(ground ? flt.CDIgrndeffect[en] : 1) << ".\n";
    trk << "   ground effect cl   multiplier=" << f(ground ? flt.CL_grndeffect[en] : 1) << ".\n";
    if (ground) {
        cdi *= flt.CDIgrndeffect[en];
        l *= flt.CL_grndeffect[en];
    }
    trk << "   adding cdi of " << f(cdi) << ".\n";
    float v = flt.v_el[en][el];
    float M = atm.a > 0 ? v / atm.a : 0;
    float Mpg = M < 0 ? 0 : M > 0.8f ? 0.8f : M;
    float pg = 1 / std::sqrt(1 - Mpg * Mpg);
    trk << "   local mach#=" << f(M) << ".\n";
    trk << "   Prandtl-Glauert cl mult by " << f(pg) << ".\n";
    trk << "   Prandtl-Glauert cm mult by " << f(pg) << ".\n";
    l *= pg;
    float Mdd = 0.7f - 0.2f * l;
    if (M > Mdd)
        trk << "   drag divergent mach number exceeded, cd incremented by " << f(2.5f * (Mpg - Mdd) * (Mpg - Mdd))
            << ".\n";
    trk << "   delta-wing moment change adds cm of " << f(-0.25f * pln.delta_fac[en] * l) << ".\n";
    if (msc.frame_ice > 0.001f) trk << "WARNING! ICE IS CHANGING THE COEFFICIENTS!\n";
}

void trace_supersonic(float alpha, float machno, float cl, float cd, float cm, float modcl, float modcd, float modcm)
{
    trk << "   SUPERSONIC COEFFICIENTS:\n";
    trk << "      alpha =" << f(alpha) << ".\n";
    trk << "      machno=" << f(machno) << ".\n";
    trk << "      cl=" << f(cl - modcl) << ".\n";
    trk << "      cd=" << f(cd - modcd) << ".\n";
    trk << "      cm=" << f(cm - modcm) << ".\n";
    trk << "   WITH CONTROL EFFECTS, WE GET:\n";
    trk << "      with control effect of (" << f(modcl) << "), cl=" << f(cl) << ".\n";
    trk << "      with control effect of (" << f(modcd) << "), cd=" << f(cd) << ".\n";
    trk << "      with control effect of (" << f(modcm) << "), cm=" << f(cm) << ".\n";
}

void trace_element_force(int en, int el, float cl, float cd, float cm, float cl_path, float cd_path, float lift,
                         float drag, float momt)
{
    float S = pln.s[en][el], V = flt.v_el[en][el];
    trk << "   FINAL LOCAL-VELOCITY COEFFICIENTS: cl=" << f(cl) << ", cd=" << f(cd) << ", cm=" << f(cm) << ".\n";
    trk << "\n   This element has an infinite flow-direction modification of " << f(flt.deldir[en][el]) << " deg.\n";
    trk << "   This rotates the lift and drag vectors through the infinite flow-modification angle.\n";
    trk << "   This rotation turns the initial cl of " << f(cl) << " and cd of " << f(cd)
        << " along the direction of the flight path\n";
    trk << "   to the new values of cl=" << f(cl_path) << " and cd=" << f(cd_path)
        << " along the direction of the flight path.\n\n";
    trk << "   force=coeff*S*V*V*rho/2.0\n";
    trk << "   lift=" << f(cl_path) << "* " << f(S) << "* sqr(" << f(V) << ") * " << f(atm.rho)
        << " / 2         =" << f(lift) << " N.\n";
    trk << "   drag=" << f(cd_path) << "* " << f(S) << "* sqr(" << f(V) << ") * " << f(atm.rho)
        << " / 2         =" << f(drag) << " N.\n";
    trk << "   momt=" << f(cm) << "* " << f(S) << "* sqr(" << f(V) << ") * " << f(atm.rho) << " / 2 * "
        << f(pln.mac[en][el]) << "=" << f(momt) << " N-m.\n\n";
}

void trace_fuselage(float v, float lift, float side, float offset, float cd, float area, float drag)
{
    trk << " FUSELAGE:\n";
    trk << "   fuse speed                       =" << f(flt.av) << " m/s.\n";
    if (pln.fusewash) trk << "   fuse speed after propwash        =" << f(v) << " m/s.\n";
    trk << "   air density for fuse             =" << f(atm.rho) << " kg/cubic mtr.\n";
    trk << "   alpha for fuse for lift force    =" << f(flt.Alpha) << " deg.\n";
    trk << "   beta  for fuse for side force    =" << f(flt.Beta) << " deg.\n";
    trk << "   fuse top  area for lift force    =" << f(pln.fuse_s_top) << " square meters.\n";
    trk << "   fuse side area for side force    =" << f(pln.fuse_s_sid) << " square meters.\n";
    trk << "   fuselage lift force              =" << f(lift) << " N.\n";
    trk << "   fuselage side force              =" << f(side) << " N.\n";
    trk << "   fuselage offset angle            =" << f(offset) << " deg.\n";
    trk << "   cd for fuse                      =" << f(cd) << ".\n";
    trk << "   area for fuse for drag           =" << f(area) << " square meters.\n";
    trk << "   fuselage drag                    =" << f(drag) << " N.\n\n";
}

void trace_body(int p, float cd, float area, float v, float drag)
{
    static const char* const names[9] = {"Nacelle #1",        "Nacelle #2",         "Nacelle #3",
                                         "Nacelle #4",        "Float/Fuel Tank #1", "Float/Fuel Tank #2",
                                         "Nose Gear Fairing", "Left Gear Fairing",  "Right Gear Fairing"};
    if (p < 19 || p > 27) return;
    trk << names[p - 19] << ":\n";
    trk << "   cd     =" << f(cd) << ".\n";
    trk << "   area   =" << f(area) << " square meters.\n";
    trk << "   speed  =" << f(v) << " m/s.\n";
    trk << "   drag   =" << f(drag) << " N.\n\n";
}

void trace_tyre(float area, float drag)
{
    trk << "Gear tire:\n";
    trk << "   area exposed (tire may be largely hidden by fairing)=" << f(area) << " square meters.\n";
    trk << "   drag of exposed tire                                =" << f(drag) << " N.\n\n";
}

void trace_brakes(float drag)
{
    trk << "   Fuselage-mounted speedbrakes adding " << f(drag) << " N of drag.\n";
}

void trace_chutes(float drag)
{
    trk << "   Chutes adding " << f(drag) << " N of drag.\n";
}

void trace_totals(float north, float east, float up, float mass, float Jroll, float Jpitch, float Jyaw)
{
    auto banner = [](const char* title) {
        trk << '\n';
        contact_banner(title);
    };
    rule(1);
    contact_banner("GRAND TOTALS AT END OF FORCE AND MOMENT BUILD-UP");
    rule(0);
    banner("FINAL PROPULSIVE (ENGINE) FORCES, ALONG AIRCRAFT AXIS (pos forward/right/up)");
    trk << "f_axial =" << f(flt.faxilprop) << " N.\n";
    trk << "f_side  =" << f(flt.fsideprop) << " N.\n";
    trk << "f_normal=" << f(flt.fnrmlprop) << " N.\n";
    banner("FINAL AERODYNAMIC FORCES, ALONG FLIGHT PATH AXIS (pos forward/right/up)");
    trk << "f_axial =" << f(flt.faxilaero) << " N.\n";
    trk << "f_side  =" << f(flt.fsideaero) << " N.\n";
    trk << "f_normal=" << f(flt.fnrmlaero) << " N.\n";
    banner("FINAL GEAR FORCES, ALONG HEADING/VERTICAL AXIS (pos forward/right/up)");
    trk << "f_axial   =" << f(flt.faxilgear) << " N.\n";
    trk << "f_side    =" << f(flt.fsidegear) << " N.\n";
    trk << "f_vertical=" << f(flt.fnrmlgear) << " N.\n";
    banner("FINAL TOTAL FORCES, ALONG SURFACE AXIS");
    trk << "f_north=" << f(north) << " N.\n";
    trk << "f_east =" << f(east) << " N.\n";
    trk << "f_up   =" << f(up) << " N.\n";
    banner("FINAL TOTAL TOTAL MOMENTS, ABOUT AIRCRAFT AXIS (pos right/up/right)");
    trk << "L (roll) =" << f(flt.L) << " N-m.\n";
    trk << "M (pitch)=" << f(flt.M) << " N-m.\n";
    trk << "N (yaw)  =" << f(flt.N) << " N-m.\n";
    banner("MASSES TO GET FROM FORCES TO ACCELERATIONS");
    trk << "mass    =" << f(mass) << " kg\n";
    trk << "roll  MI=" << f(Jroll) << " kg-m-m... M/mi=accel in RADIANS per sec.\n";
    trk << "pitch MI=" << f(Jpitch) << " kg-m-m... M/mi=accel in RADIANS per sec.\n";
    trk << "yaw   MI=" << f(Jyaw) << " kg-m-m... M/mi=accel in RADIANS per sec.\n";
    banner("FINAL TOTAL LINEAR ACCELS, ALONG GLOBAL AXIS (pos north/east/up)");
    trk << "a_x=" << f(flt.aX) << " m/ss.\n";
    trk << "a_y=" << f(flt.aY) << " m/ss.\n";
    trk << "a_z=" << f(flt.aZ) << " m/ss.\n";
    banner("FINAL TOTAL ANGULAR ACCELS, ABOUT AIRCRAFT AXIS (pos right/up/right)");
    trk << "Pdot (roll) =" << f(flt.Pdot) << " deg/ss.\n";
    trk << "Qdot (pitch)=" << f(flt.Qdot) << " deg/ss.\n";
    trk << "Rdot (yaw)  =" << f(flt.Rdot) << " deg/ss.\n";
}
