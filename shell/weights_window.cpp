// The weights and fuel window (16): payload, fuel and jettisonable load in
// pounds, the total against the maximum, and the endurance at cruise.
#include "settings_windows.h"

#include "records/flight_state.h"
#include "flight/force_accumulators.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"

float reference_fuel_flow()
{
    float setting = pln.entype >= 1 && pln.entype <= 3 ? pln.pmax * 0.55275f : pln.tmax * 0.27975f;
    return burnin_fuel(setting) * pln.numen * 3600;
}

float endurance_hours()
{
    float flow = reference_fuel_flow();
    // Nothing burns fuel (no engines): no endurance to show rather than infinity.
    return flow > 0 ? flt.m_fuel / flow : 0;
}

void manage_wgt()
{
    // The sliders work in pounds; the records keep kilograms.
    struct {
        float y;
        float* mass;
        float most;
    } rows[3] = {{160, &flt.m_fixed, pln.m_max - pln.m_empty},
                 {115, &flt.m_fuel, pln.m_fuel},
                 {70, &flt.m_jettison, pln.m_jettison}};
    for (auto& r : rows) {
        float lbs = *r.mass * con.kgstolbs;
        if (util_scale(117, r.y, 1, 0, fltmax2(r.most, 0) * con.kgstolbs, &lbs)) *r.mass = lbs * con.lbstokgs;
        *r.mass = fltlim(*r.mass, 0, fltmax2(r.most, 0));
    }
    flt.m_total = pln.m_empty + flt.m_fixed + flt.m_fuel + flt.m_jettison;

    OGL_number(47, 118, 205, pln.m_empty * con.kgstolbs, 7, 0, 10, 0);
    for (auto& r : rows) OGL_number(38, 118, r.y + 2, *r.mass * con.kgstolbs, 7, 0, 10, 0);
    OGL_number(flt.m_total > pln.m_max ? 45 : 47, 118, 29, flt.m_total * con.kgstolbs, 7, 0, 10, 0);
    OGL_number(41, 330, 29, pln.m_max * con.kgstolbs, 7, 0, 10, 0);
    OGL_number(38, 330, 117, endurance_hours(), 3, 1, 10, 0);
}
