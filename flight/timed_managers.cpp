// Stand-in until the timed managers land: the event tick records the flight
// path for replay; the second tick keeps gravity for the height flown, runs
// the engines that have fuel, mixture and no failure, and keeps full
// hydraulic pressure for the controls.
#include "timed_managers.h"

#include "flight_records.h"
#include "shell/shell_records.h"
#include "toolkit/plane_record.h"
#include "toolkit/HL_TYPES.h"
#include "world/world_records.h"

void mod_evt()
{
    int n = pat.cntr_record + 1;
    if (n >= PATH_SAMPLES || n < 0) n = 0;
    pat.cntr_record = n;
    float* s = pat.xyztppt[n];
    s[0] = (float)flt.X;
    s[1] = (float)flt.Y;
    s[2] = (float)flt.Z;
    s[3] = flt.the;
    s[4] = flt.psi;
    s[5] = flt.phi;
    s[6] = msc.elap_time;
    pat.inited[n] = 1;
    pat.inited[n + 1 < PATH_SAMPLES ? n + 1 : 0] = 0;
}

void mod_sec()
{
    double r = (double)con.rearth + flt.Y;
    atm.g = (float)(con.muearth / (r * r));
    for (int e = 0; e < 4; ++e)
        flt.eng_running[e] = e < pln.numen && flt.m_fuel > 0.01f && flt.mixt_powr_rat[e] > 0.01f && rel.engine[e];
    rel.hyd_rat = 1;
}
