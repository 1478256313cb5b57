#include "force_accumulators.h"

#include "records/flight_state.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <cmath>

void assign_wind_tbl(float newpart)
{
    float base = newpart > 0.9f ? fltrand(0, 360) : atm.wnddir;
    float rat = (atm.wind_tbl - 1) * 0.25f;
    // A level below the calm one is calm, not the root of a negative number.
    float c = rat > 0 ? std::pow(rat, 1.5f) : 0;

    // A direction, so it wraps into 0..360 rather than leaving the compass.
    atm.wnddir = fltwrap(closer_assymp(atm.wnddir, base + c * 90 * fltrand(-1, 1), newpart), 0, 360);
    atm.shrdir = closer_assymp(atm.shrdir, fltrand(0, 150 * c), newpart);
    atm.wndspd = closer_assymp(atm.wndspd, fltrand(0, 90 * c), newpart);
    atm.shrspd = closer_assymp(atm.shrspd, fltrand(0, 30 * c), newpart);
    atm.tbl = closer_assymp(atm.tbl, fltrand(0, 15 * c), newpart);
}

float burnin_fuel(float pow_thr)
{
    float full_flow, full_output, idle_share;
    if (pln.entype >= 1 && pln.entype <= 3) {
        full_flow = pln.pmax * con.watttohp * pln.sfc;
        full_output = pln.pmax;
        idle_share = pln.entype == 3 ? 0.05f : 0.01f;
    } else if (pln.entype == 4 || pln.entype == 5) {
        full_flow = pln.tmax * con.ntntolbs * pln.sfc;
        full_output = pln.tmax;
        idle_share = 0.05f;
    } else {
        return 0;
    }
    float idle = idle_share * full_flow;
    // An engine of no rated output burns its idle flow.
    float flow = full_output > 0 ? idle + (full_flow - idle) * pow_thr / full_output : idle;
    return fltmax2(flow, idle) * con.lbstokgs / 3600;
}
