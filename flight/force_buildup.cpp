// Stand-in until the blade-element force build-up lands: no aerodynamic or
// propulsive force yet; the engines and the contact phase are called where the
// build-up calls them, and the gear force and weight become accelerations.
#include "force_buildup.h"

#include "contact.h"
#include "engines.h"
#include "flight_records.h"
#include "toolkit/plane_record.h"
#include "world/world_records.h"

void set_a()
{
    flt.L = flt.M = flt.N = 0;
    flt.faxilprop = flt.fsideprop = flt.fnrmlprop = 0;
    flt.faxilaero = flt.fsideaero = flt.fnrmlaero = 0;
    flt.faxilgear = flt.fsidegear = flt.fnrmlgear = 0;

    if (atm.rho > 0) {
        if (pln.entype >= 1 && pln.entype <= 3) props();
        if (pln.entype == 4 || pln.entype == 5) jets();
    }

    flt.onground = 0;
    if (flt.Y - env.localh_cg < 50) contact_phase();

    // Gear forces are held in heading axes.
    float north = flt.faxilgear * flt.cospsi - flt.fsidegear * flt.sinpsi;
    float east = flt.faxilgear * flt.sinpsi + flt.fsidegear * flt.cospsi;
    float up = flt.fnrmlgear;
    float m = flt.m_total * (1 + msc.frame_ice);
    if (m > 0) {
        flt.aX = east / m;
        flt.aY = up / m - atm.g;
        flt.aZ = -north / m;
    } else {
        flt.aX = flt.aZ = 0;
        flt.aY = -atm.g;
    }
    flt.Pdot = flt.Qdot = flt.Rdot = 0;
}
