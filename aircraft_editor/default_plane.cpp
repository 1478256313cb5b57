// The default aircraft.
#include "default_plane.h"

#include "fabrex_records.h"
#include "prop_design.h"
#include "toolkit/DRPLANE.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/codes.h"
#include "toolkit/part_geometry.h"
#include "toolkit/plane_record.h"

#include <cmath>
#include <cstring>


namespace fabrex {

namespace {
const char* const PROP_FOIL = "Clark-Y (good propeller).afl";
const char* const WING_FOIL = "NACA 2412 (popular).afl";
const char* const TAIL_FOIL = "NACA 0009 (symmetrical).afl";

void set_foils(int part, const char* name)
{
    for (char* s : {pln.Rafl0[part], pln.Rafl1[part], pln.Tafl0[part], pln.Tafl1[part]}) copy_bounded(s, name, 400);
}

void round_bodies()
{
    pln.body_r[18] = 3;
    for (int b = 19; b <= 24; ++b) pln.body_r[b] = 2;
    for (int b = 25; b <= 27; ++b) pln.body_r[b] = 1;
    for (int b = 18; b <= 27; ++b) {
        int points = f_body_r_dim(b);
        for (int s = 0; s < f_body_s_dim(b); ++s) {
            for (int r = 0; r < points; ++r) {
                // Point 0 on top, then round the right side first.
                float a = 2 * con.pi * r / points;
                pln.body_Z[b][s][r] = b == 25 ? 0.5f * s - 1.5f : 2.0f * s;
                pln.body_X[b][s][r] = pln.body_r[b] * std::sin(a);
                pln.body_Y[b][s][r] = pln.body_r[b] * std::cos(a);
            }
        }
    }
}
} // namespace

void baseplane_record(const char* name, const char* path)
{
    msc.planemod = 0;
    msc.planenamed = 0;

    char file[400], full[400];
    copy_bounded(file, name, 400);
    copy_bounded(full, path, 400);
    int is_heli = pln.is_heli;
    memset(&pln, 0, sizeof pln);
    copy_bounded(pln.C_file, file, 400);
    copy_bounded(pln.C_path, full, 400);
    pln.is_heli = is_heli;

    pln.tailnum[0] = 'N';
    for (int k = 1; k <= 3; ++k) pln.tailnum[k] = code_to_char(intrand(1, 10));
    for (int k = 4; k <= 5; ++k) pln.tailnum[k] = code_to_char(intrand(11, 36));
    pln.tailnum[6] = 0;

    pln.asi_units = 2;
    pln.paneltype = pln.radiotype = pln.AStype = pln.supptype = pln.HUDtype = pln.VVItype = 1;
    for (int c = 1; c <= 8; ++c) pln.ins_of_loc[c] = c;

    pln.entype = 1;
    pln.numen = 1;
    pln.gearrat = 1.0f;
    pln.con_smooth = 2;

    pln.gear_type = 3;
    pln.gear_stat[0] = pln.gear_stat[1] = pln.gear_stat[2] = 1;

    // The main rotor's disc points up.
    if (pln.is_heli) pln.vertcant[0] = 90;

    for (int p = 0; p < 18; ++p) pln.els[p] = p <= 3 ? 8 : p <= 9 ? 6 : p <= 13 ? 4 : 1;
    // Vertical stabilizers and pylons stand upright.
    for (int p = 12; p <= 17; ++p) pln.dihed[p] = 90;
    for (int e = 0; e < 4; ++e) pln.numblades[e] = 2;

    round_bodies();

    for (int p = 0; p <= 3; ++p) set_foils(p, PROP_FOIL);
    for (int p = 4; p <= 9; ++p) set_foils(p, WING_FOIL);
    for (int p = 10; p <= 17; ++p) set_foils(p, TAIL_FOIL);
    copy_bounded(pln.flap_str, "plain flap.flp", 400);

    for (int p = 0; p <= 17; ++p) {
        assign_foil_thickness(pln.Rafl0[p], p, 0);
        assign_foil_thickness(pln.Tafl0[p], p, 1);
    }
    msc.xos = 0;
    msc.yos = 0;
}

void setup_baseplane(const char* name, const char* path)
{
    baseplane_record(name, path);
    load_plane_geo(1, 0);
}

} // namespace fabrex
