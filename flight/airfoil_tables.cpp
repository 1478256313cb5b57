// The simulator's airfoil and flap readers.
#include "airfoil_tables.h"
#include "finish_plane.h"

#include "toolkit/HL_FILE.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/airfoil_record.h"
#include "toolkit/plane_record.h"

#include <cmath>

namespace {
const int FILE_VERSION = 363;
const int CODE_AIRFOIL = 1234;
const int CODE_FLAP = 2345;

// One airfoil file's tables, gathered before any of it reaches afl.
struct foil_read {
    float clneg[171], cdneg[271], clpos[171], cdpos[271];
    float clM, clB, cmal2, cmal3, cm1, cm2, cm3, cm4;
};
foil_read rd;

struct flap_read {
    float cl[51], cd[51], cm[51];
};
flap_read frd;

void airfoil_corrupted(const char* path, int EN)
{
    MACIBM_alert("An airfoil file is corrupted! The name of the airfoil is:", path, "The file is used by the:",
                 part_name(EN), ALERT_FATAL);
}

void flap_corrupted(const char* path)
{
    MACIBM_alert("An error occurred during read-in of the flaps file.",
                 "Either the file has been corrupted, or it is not really a flaps file. The corrupted flaps file is: ",
                 path, "Re-generate the flaps file by opening it up with the 'Sectra' application and then saving it.",
                 ALERT_FATAL);
}

// Rows are taken by count; the angle written in them is passed over.
int read_rows(float* lift, int lift_at, float* drag, int drag_at, int rows, int step)
{
    float angle, v;
    for (int r = 0; r < rows; ++r) {
        inf1 >> angle;
        if (lift) {
            inf1 >> v;
            lift[lift_at + r * step] = v;
        }
        inf1 >> v;
        drag[drag_at + r * step] = v;
    }
    return !inf1.fail();
}
} // namespace

void grabafoil(char* name, int EN, int RT, int Re, float* alpha)
{
    ap_dir("airfoils", name);
    int saved_use = inf_use;
    inf_use = 1;
    if (!inf_open(name, 206, FILE_VERSION, 1))
        MACIBM_alert("An airfoil file could not be found! The name of the airfoil is:", name, "The file is used by the:",
                     part_name(EN), ALERT_FATAL);
    if (intscan(name) != CODE_AIRFOIL) airfoil_corrupted(name, EN);

    char word[400];
    wrdscan(word, name, 400);
    float trat = fltscanNOSN(name);
    float re = fltscanNOSN(name);
    fltscanNOSN(name);   // the negative stall angle: the tables carry it
    float almax = fltscanNOSN(name);
    rln(name);
    rln(name);           // column header

    // Negative side: -90 up to -10 (lift and drag), then -9.9 up to 0 (drag).
    int ok = read_rows(rd.clneg, 170, rd.cdneg, 270, 171, -1);
    ok = ok && read_rows(nullptr, 0, rd.cdneg, 99, 100, -1);
    if (!ok) airfoil_corrupted(name, EN);
    rln(name);
    rd.clM = fltscan(name);
    rd.clB = fltscan(name);
    rd.cmal2 = fltscan(name);
    rd.cmal3 = fltscan(name);
    rd.cm1 = fltscan(name);
    rd.cm2 = fltscan(name);
    rd.cm3 = fltscan(name);
    rd.cm4 = fltscan(name);
    rln(name);
    // Positive side: 0 up to 9.9 (drag), then 10 up to 90 (lift and drag).
    ok = read_rows(nullptr, 0, rd.cdpos, 0, 100, 1);
    ok = ok && read_rows(rd.clpos, 0, rd.cdpos, 100, 171, 1);
    if (!ok) airfoil_corrupted(name, EN);
    inf1.close();
    inf1.clear();
    inf_use = saved_use;

    afl.trat[EN][RT] = trat;
    afl.Re[EN][RT][Re] = re;
    for (int k = 0; k < 171; ++k) {
        afl.clneg[EN][RT][Re][k] = rd.clneg[k];
        afl.clpos[EN][RT][Re][k] = rd.clpos[k];
    }
    for (int k = 0; k < 271; ++k) {
        afl.cdneg[EN][RT][Re][k] = rd.cdneg[k];
        afl.cdpos[EN][RT][Re][k] = rd.cdpos[k];
    }
    afl.clM[EN][RT][Re] = rd.clM;
    afl.clB[EN][RT][Re] = rd.clB;
    afl.cmal2[EN][RT][Re] = rd.cmal2;
    afl.cmal3[EN][RT][Re] = rd.cmal3;
    afl.cm1[EN][RT][Re] = rd.cm1;
    afl.cm2[EN][RT][Re] = rd.cm2;
    afl.cm3[EN][RT][Re] = rd.cm3;
    afl.cm4[EN][RT][Re] = rd.cm4;
    // A flat lift line has no zero-lift angle; 0 keeps the lift rotation finite.
    afl.al_zl[EN][RT][Re] = rd.clM != 0 ? -rd.clB / rd.clM : 0;
    *alpha = almax;
}

void read_flap_tables()
{
    char* path = pln.flap_str;
    ap_dir("flaps", path);
    int saved_use = inf_use;
    inf_use = 1;
    if (!inf_open(path, 206, FILE_VERSION, 1))
        MACIBM_alert("The flap file that is required by the aircraft you are attempting to fly could not be found.",
                     "The name of the missing flap file is: ", path,
                     "Make sure the missing flap file is in the 'flaps' folder.", ALERT_FATAL);
    if (intscan(path) != CODE_FLAP) flap_corrupted(path);
    rln(path);   // constants
    rln(path);   // column header
    int n;
    for (int r = 0; r <= 50; ++r) inf1 >> n >> frd.cl[r] >> frd.cd[r] >> frd.cm[r];
    if (inf1.fail()) flap_corrupted(path);
    inf1.close();
    inf1.clear();
    inf_use = saved_use;
    for (int r = 0; r <= 50; ++r) {
        pln.clflap[r] = frd.cl[r];
        pln.cdflap[r] = frd.cd[r];
        pln.cmflap[r] = frd.cm[r];
    }
}

float re_blend(int EN, int RT, float lo_value, float hi_value, float Re_meg)
{
    float re_lo = afl.Re[EN][RT][0], re_hi = afl.Re[EN][RT][1];
    if (re_lo == re_hi) return lo_value;
    float use = fltlim(Re_meg, fltmin2(re_lo, re_hi), fltmax2(re_lo, re_hi));
    return interp(re_lo, lo_value, re_hi, hi_value, use);
}
