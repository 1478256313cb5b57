// Aircraft part geometry queries.
#include "part_geometry.h"

#include "HL_TYPES.h"
#include "program_variant.h"
#include "plane_record.h"

#include <cmath>

namespace {
int is_jet()
{
    return pln.entype == 4 || pln.entype == 5;
}
} // namespace

float latsign(int en)
{
    if ((en >= 0 && en <= 3) || (en >= 14 && en <= 17)) return pln.Xarm[en] < -0.05f ? -1.0f : 1.0f;
    if (en == 4 || en == 6 || en == 8 || en == 10) return -1.0f;
    return 1.0f;
}

float get_wing_Xarm(int en, float len)
{
    return pln.Xarm[en] + latsign(en) * len * std::cos(pln.sweep1[en] * con.degtorad) * std::cos(pln.dihed[en] * con.degtorad);
}

float get_wing_Yarm(int en, float len)
{
    return pln.Yarm[en] + len * std::cos(pln.sweep1[en] * con.degtorad) * std::sin(pln.dihed[en] * con.degtorad);
}

float get_wing_Zarm(int en, float len)
{
    return pln.Zarm[en] + len * std::sin(pln.sweep1[en] * con.degtorad);
}

int f_body_s_dim(int en)
{
    if (en >= 0 && en <= 3) return (int)(2 * pln.numblades[en]);
    if (en >= 4 && en <= 17) return pln.els[en] + 1;
    if (en == 18) return 11;
    if (en >= 19 && en <= 27) return 7;
    return 0;
}

int f_body_r_dim(int en)
{
    if (en >= 0 && en <= 3) return 2;
    if (en >= 4 && en <= 17) return 12;
    if (en >= 18 && en <= 24) return 16;
    if (en >= 25 && en <= 27) return 8;
    return 0;
}

int have_this_part(int en)
{
    if (program_part_lost(en)) return 0;
    if (en >= 0 && en <= 3) {
        if (pln.is_heli && en <= 1) return 1;
        return !is_jet() && pln.numen >= en + 1;
    }
    if (en >= 4 && en <= 13) return pln.semilen[en] > 0.05f;
    if (en >= 14 && en <= 17) return pln.semilen[en] > 0.05f && pln.numen >= en - 13;
    if (en == 18) return 1;
    if (en >= 19 && en <= 22) return pln.nace_eq && pln.numen >= en - 18;
    if (en == 23) return pln.misc_eq != 0;
    if (en == 24) return pln.misc_eq && pln.misc_X > 0.01f;
    if (en >= 25 && en <= 27) {
        if (pln.fair_eq && pln.gear_type > 2 && pln.gear_stat[en - 25]) return 1;
        if (pln.gear_type == 2 && en >= 26) return 1;
    }
    return 0;
}

void get_body_os(int en, float* xos, float* yos, float* zos)
{
    float x, y, z;
    if (en >= 0 && en <= 17) {
        x = pln.Xarm[en];
        y = pln.Yarm[en];
        z = pln.Zarm[en];
    } else if (en == 18) {
        x = y = z = 0;
    } else if (en >= 19 && en <= 22) {
        x = pln.Xarm[en - 19];
        y = pln.Yarm[en - 19];
        z = pln.Zarm[en - 19];
    } else if (en == 23 || en == 24) {
        x = en == 23 ? -pln.misc_X : pln.misc_X;
        y = pln.misc_Y;
        z = pln.misc_Z;
    } else if (en >= 25 && en <= 27 && pln.gear_type > 2) {
        if (en == 25) {
            x = 0;
            y = pln.ngearY + pln.condef[0] + pln.wheelrad;
            z = pln.ngearZ;
        } else {
            x = en == 26 ? -pln.mgearX : pln.mgearX;
            y = pln.mgearY + pln.condef[en - 25] + pln.wheelrad;
            z = pln.mgearZ;
        }
    } else if ((en == 26 || en == 27) && pln.gear_type == 2) {
        x = en == 26 ? -pln.skidX : pln.skidX;
        y = pln.skidY + pln.condef[en == 26 ? 3 : 5] + pln.wheelrad;
        z = pln.skidZ;
    } else {
        return;
    }
    *xos = x;
    *yos = y;
    *zos = z;
}

const char* part_name(int EN)
{
    static const char* const names[28] = {
        "propeller 1", "propeller 2", "propeller 3", "propeller 4", "left wing 1", "rigt wing 1", "left wing 2",
        "rigt wing 2", "left wing 3", "rigt wing 3", "left h-stab", "rigt h-stab", "vert stab 1", "vert stab 2",
        "eng pylon 1", "eng pylon 2", "eng pylon 3", "eng pylon 4", "fuselage   ", "nacelle 1  ", "nacelle 2  ",
        "nacelle 3  ", "nacelle 4  ", "misc body 1", "misc body 2", "w-fairing 1", "w-fairing 2", "w-fairing 3"};
    if (EN < 0 || EN > 27) return "";
    if (pln.is_heli && EN == 0) return "main rotor";
    if (pln.is_heli && EN == 1) return "tail rotor";
    return names[EN];
}
