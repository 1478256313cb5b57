#include "new_aircraft.h"

#include "aircraft_editor/default_plane.h"
#include "aircraft_editor/editor.h"
#include "aircraft_editor/prop_design.h"
#include "toolkit/plane_file.h"
#include "toolkit/plane_record.h"

namespace {
// A lifting surface as its screen sets it (the right-hand part; the editor
// mirrors it), with incidence and one control on every element.
void surface(int p, float semilen, float chord, float Z, float Y, float inc, int (*control)[8])
{
    pln.semilen[p] = semilen;
    pln.Croot[p] = pln.Ctip[p] = chord;
    pln.Zarm[p] = Z;
    pln.Yarm[p] = Y;
    for (int e = 0; e < pln.els[p]; ++e) {
        pln.anginc[p][e] = inc;
        if (control) control[p][e] = 1;
    }
}

// What a user types into the screens of a fresh airplane: speeds, engine,
// propeller, wing, tail, control throws, weights and gear.
void fill_the_screens()
{
    pln.Vso = 40, pln.Vs = 48, pln.Vfe = 85, pln.Vno = 125, pln.Vne = 160;
    pln.peY = 5.5f, pln.peZ = 4.5f;

    pln.pmax = 160, pln.mpmax = 29.5f;
    pln.omegamax = pln.omegamaxgreen = 2700, pln.omegamin = 600, pln.omegamingreen = 2200;
    pln.Zarm[0] = -2.6f, pln.Yarm[0] = 4.0f;
    pln.semilen[0] = 3.1f;
    pln.Croot[0] = pln.Ctip[0] = 0.5f;
    pln.des_adv[0] = 59, pln.des_rpm[0] = 2400;
    fabrex::design_prop(0, 0);

    surface(5, 17.5f, 5.0f, 3.5f, 6.8f, 1.5f, nullptr);
    for (int e = 3; e < pln.els[5]; ++e) pln.ailn[5][e] = 1;
    surface(11, 5.5f, 3.5f, 19.5f, 3.9f, -2.5f, pln.elev);
    surface(12, 5.0f, 4.0f, 19.0f, 4.6f, 0, pln.rudd);
    pln.ailn_crat = 0.3f, pln.ailn_up = 20, pln.ailn_dn = 15;
    pln.elev_crat = 0.4f, pln.elev_up = 28, pln.elev_dn = 23;
    pln.rudd_crat = 0.4f, pln.rudd_def = 17;

    pln.m_empty = 1450, pln.m_max = 2300, pln.m_fuel = 252;
    pln.cgZ = 3.1f, pln.cgY = 3.6f;
    pln.ngearZ = -0.55f, pln.mgearZ = 4.85f, pln.mgearX = 4.1f;
    pln.ngearZ_att = -0.55f, pln.ngearY_att = 2.4f;
    pln.mgearZ_att = 4.4f, pln.mgearX_att = 1.6f, pln.mgearY_att = 2.4f;
    pln.nwsteer = 10;
}
} // namespace

int save_new_aircraft(const char* path)
{
    pln.is_heli = 0;
    fabrex::baseplane_record("New.acf", path);
    fill_the_screens();
    fabrex::derive_fields();   // the editor's per-frame copies before a save
    return write_plane_file(path);
}
