// Propeller design and airfoil thickness.
#include "prop_design.h"

#include "toolkit/HL_FILE.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/airfoil_record.h"
#include "toolkit/plane_record.h"

#include <cmath>
#include <fstream>

namespace fabrex {

void design_prop(int index, int type)
{
    if (index < 0 || index > 3) return;
    float R = pln.semilen[index] * con.fttomtrs;
    float adv = pln.des_adv[index] * con.fttomtrs / 12;
    float omega = pln.des_rpm[index] * con.rpmtorsc;
    float v = pln.des_vel[index] * con.ktstomsc;
    int els = intlim(pln.els[index], 1, 8);
    // No blade or no rotation has no design point.
    if (R <= 0 || (type == 1 && omega <= 0)) return;

    for (int e = 0; e < els; ++e) {
        float r = (e + 0.5f) / els * R;
        float rise = type == 0 ? adv / (2 * con.pi * r) : v / (omega * r);
        pln.anginc[index][e] = std::atan(rise) * con.radtodeg;
    }
    if (type == 0) v = omega / (2 * con.pi) * adv;
    else adv = v / (omega / (2 * con.pi));

    if (pln.varpitchEQ == 1) {
        float tip = std::atan(adv / (2 * con.pi * R)) * con.radtodeg;
        if (!pln.is_heli) {
            pln.minpitch[index] = 0;
            pln.maxpitch[index] = tip + 10;
        }
        for (int e = 0; e < els; ++e) pln.anginc[index][e] -= tip;
    }
    if (type == 0) pln.des_vel[index] = v * con.msctokts;
    else pln.des_adv[index] = adv * con.mtrstoft * 12;
}

void assign_foil_thickness(const char* name, int part, int rt)
{
    char path[400];
    copy_bounded(path, name, 400);
    ap_dir("airfoils", path);
    int saved_use = inf_use, saved_soft = scan_soft;
    inf_use = 1;
    float trat = 0;
    if (inf_open(path, 206, 363, 0)) {
        // A foreign file is a wrong choice of the user's, not a reason to stop.
        scan_soft = 1;
        scan_failed = 0;
        int code = intscan(path);
        if (scan_failed || code != 1234) {
            MACIBM_alert("You didn't select a foil!", path, "", "", 0);
        } else {
            char word[400];
            wrdscan(word, path, 400);
            trat = fltscan(path);
            if (scan_failed) trat = 0;
        }
        scan_soft = saved_soft;
        scan_failed = 0;
    } else if (std::ifstream(path).good()) {
        // An airfoil from an older version of the suite opens, but its
        // layout is not this one.
        MACIBM_alert("The following airfoil file is the wrong version for this version of Fabrex:", path,
                     "I will take its thickness as zero.", "Open it in 'Sectra' and save it again to bring it up to date.",
                     0);
    }
    afl.trat[part][rt] = trat;
    inf1.close();
    inf1.clear();
    inf_use = saved_use;
}

} // namespace fabrex
