// Aircraft file reading and writing, and byte-order reversal of the record.
#include "plane_file.h"

#include "HL_FILE.h"
#include "HL_MNW.h"
#include "plane_record.h"

#include <cstring>
#include <fstream>

planestruct pln;

namespace {
void rev(int& v)
{
    rev_byte_order4((unsigned char*)&v);
}

void rev(float& v)
{
    rev_byte_order4((unsigned char*)&v);
}

template <typename T, int N>
void rev(T (&a)[N])
{
    for (int i = 0; i < N; ++i) rev(a[i]);
}

template <typename... T>
void rev_all(T&... v)
{
    (rev(v), ...);
}

void rev_record(planestruct& p)
{
    rev_all(p.is_heli, p.asi_units, p.Vso, p.Vs, p.Vfe, p.Vno, p.Vne, p.Mmo, p.peX, p.peY, p.peZ, p.paneltype,
            p.radiotype, p.AStype, p.supptype, p.HUDtype, p.VVItype);
    for (int i = 0; i < 9; ++i) rev_all(p.has_ins[i], p.ins_of_loc[i]);
    rev_all(p.ff_hydraulic, p.ff_stickshaker, p.entype, p.revthrustEQ, p.numen, p.sfc, p.pmax, p.gearrat,
            p.critalt, p.mpmax, p.omegamin, p.omegamax, p.omegamingreen, p.omegamaxgreen, p.tmax, p.burnerinc,
            p.facejet, p.spooltime, p.vectEQ, p.varpitchEQ, p.vectarm, p.pylondx, p.pylondz, p.trotor_rat);
    for (int e = 0; e < 4; ++e)
        rev_all(p.propdir[e], p.numblades[e], p.minpitch[e], p.maxpitch[e], p.sidecant[e], p.vertcant[e],
                p.des_adv[e], p.des_rpm[e], p.des_vel[e]);
    for (int k = 0; k < 28; ++k) {
        rev_all(p.els[k], p.Xarm[k], p.Yarm[k], p.Zarm[k], p.Croot[k], p.Ctip[k], p.semilen[k], p.sweep1[k],
                p.sweep2[k], p.sweepnow[k], p.varsweepEQ[k], p.dihed[k]);
        for (int e = 0; e < 8; ++e)
            rev_all(p.anginc[k][e], p.ailn[k][e], p.splr[k][e], p.flap[k][e], p.slat[k][e], p.sbrk[k][e],
                    p.drud[k][e], p.elev[k][e], p.rudd[k][e]);
    }
    rev_all(p.slat_inc, p.hstbtrimmax, p.con_smooth, p.hstabtype, p.puffEQ, p.fbrkEQ, p.chuteEQ, p.jatoEQ,
            p.collectEQ, p.jettisonEQ, p.ailn_crat, p.elev_crat, p.rudd_crat, p.splr_crat, p.drud_crat,
            p.sbrk_crat, p.ailn_up, p.ailn_dn, p.elev_up, p.elev_dn, p.rudd_def, p.splr_def, p.drud_def,
            p.sbrk_def, p.fusewash, p.nace_eq, p.misc_eq, p.fair_eq, p.fuse_cd, p.misc_X, p.misc_Y, p.misc_Z);
    for (int k = 0; k < 28; ++k) {
        rev(p.body_r[k]);
        for (int s = 0; s < 18; ++s)
            for (int q = 0; q < 16; ++q) rev_all(p.body_X[k][s][q], p.body_Y[k][s][q], p.body_Z[k][s][q]);
    }
    rev_all(p.cgZ, p.cgY, p.m_empty, p.m_max, p.m_fuel, p.m_jettison, p.gear_type, p.gear_retract, p.nwsteer,
            p.skidX, p.skidY, p.skidZ, p.skidl, p.ngearZ, p.ngearY, p.mgearZ, p.mgearX, p.mgearY, p.ngearZ_att,
            p.ngearY_att, p.mgearZ_att, p.mgearX_att, p.mgearY_att, p.wheelrad, p.jatoZ, p.jatoY, p.jatotheta,
            p.jatothrust, p.jatodur, p.stabroll, p.stabhdng, p.ailpitch, p.ailflaps, p.antiiceEQ, p.arrestingEQ,
            p.bitchinbettyEQ, p.autosbrkEQ, p.autofbrkEQ, p.autosweepEQ, p.brake_area, p.chute_area,
            p.elevcyclic, p.ailncyclic, p.puffL, p.puffM, p.puffN, p.AShiV, p.ASloV, p.ASmaxp1, p.ASmaxh1,
            p.ASmaxr1, p.ASp1, p.ASh1, p.ASr1, p.ASmaxp2, p.ASmaxh2, p.ASmaxr2, p.ASp2, p.ASh2, p.ASr2);
}

void terminate(char* s)
{
    s[399] = 0;
}

// Text read from a file is used as C strings: never let one run off its array.
void terminate_text(planestruct& p)
{
    terminate(p.C_file);
    terminate(p.C_name);
    terminate(p.C_path);
    terminate(p.tailnum);
    for (int k = 0; k < 28; ++k) {
        terminate(p.Rafl0[k]);
        terminate(p.Rafl1[k]);
        terminate(p.Tafl0[k]);
        terminate(p.Tafl1[k]);
    }
    terminate(p.flap_str);
}

int units_ok(const planestruct& p)
{
    return p.asi_units == 1 || p.asi_units == 2;
}

// A damaged file is reported and refused; the caller decides what the user
// flies instead, so the alert never ends the program.
int read_in_error(const char* C_path)
{
    MACIBM_alert("An error occurred during read-in of the aircraft file.",
                 "Either the file has been corrupted, or it is not really an aircraft file.", C_path, "",
                 ALERT_NOTICE);
    return -1;
}

// 1 when the file opens and starts with an aircraft file's byte-order mark,
// 0 when it opens with anything else (or nothing), -1 when it cannot be opened.
int aircraft_mark(const char* C_path)
{
    std::ifstream f(C_path, std::ios::in | std::ios::binary);
    if (!f.good()) return -1;
    int first = f.get();
    return first == 'i' || first == 'a' ? 1 : 0;
}
} // namespace

void rev_pln_bytes()
{
    rev_record(pln);
}

int read_plane_file(const char* C_file, const char* C_path)
{
    // The names may point into pln itself.
    char file[400], path[400];
    copy_bounded(file, C_file, 400);
    copy_bounded(path, C_path, 400);
    if (!inf_open(path, 203, 46, 0)) {
        inf1.close();
        inf1.clear();
        int mark = aircraft_mark(path);
        if (mark < 0) return 0;
        if (mark == 0) return read_in_error(path);
        MACIBM_alert("The following file is the wrong version for this version of Korvan:", path,
                     "Throw that file away. You should only use the files that came with the program.",
                     "You may have to re-install Korvan from the CD.", ALERT_NOTICE);
        return -1;
    }
    // Read aside first: a short or damaged file must not leave half an image
    // over the aircraft that was loaded.
    static planestruct image;
    inf1.read((char*)&image, sizeof image);
    int complete = inf1.gcount() == (std::streamsize)sizeof image;
    inf1.close();
    inf1.clear();
    if (!complete) return read_in_error(path);
    if (!units_ok(image)) rev_record(image);
    if (!units_ok(image)) return read_in_error(path);
    terminate_text(image);
    memcpy(&pln, &image, sizeof pln);
    copy_bounded(pln.C_file, file, 400);
    copy_bounded(pln.C_path, path, 400);
    int n = (int)strlen(file);
    copy_bounded(pln.C_name, file, n > 4 ? n - 4 + 1 : 1);
    return 1;
}

int write_plane_file(const char* C_path)
{
    char path[400];
    copy_bounded(path, C_path, 400);
    if (!ouf_open(path, 203, 46)) return 0;
    ouf.write((const char*)&pln, sizeof pln);
    return ouf_close();
}
