// Writing and reading airfoil and flap files.
#include "airfoil_files.h"

#include "airfoil_model.h"
#include "toolkit/HL_FILE.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/airfoil_record.h"

#include <cmath>
#include <fstream>
#include <iomanip>

namespace sectra {

namespace {
const int FILE_VERSION = 363;
const int CODE_AIRFOIL = 1234;
const int CODE_FLAP = 2345;

// The constants in the order of the files' constants lines.
float* const airfoil_constants[25] = {
    &afl.trat[0][0], &afl.Re[0][0][0], &afl.almin, &afl.almax, &afl.clB[0][0][0],
    &afl.clM[0][0][0], &afl.Lpow, &afl.Lstall, &afl.Ldrop1, &afl.Ldrop2,
    &afl.Lpowstl, &afl.DminCL, &afl.Dmin, &afl.Dal10, &afl.Dpow,
    &afl.cmal2[0][0][0], &afl.cmal3[0][0][0], &afl.cm1[0][0][0], &afl.cm2[0][0][0], &afl.cm3[0][0][0],
    &afl.cm4[0][0][0], &afl.Bwidth, &afl.Bdepth, &afl.Bpower, &afl.Bloc};
float* const flap_constants[9] = {&afl.FLPlco1, &afl.FLPlco2, &afl.FLPlco3, &afl.FLPdco1, &afl.FLPdco2,
                                  &afl.FLPdco3, &afl.FLPmco1, &afl.FLPmco2, &afl.FLPmco3};

int all_finite(float* const* v, int n)
{
    for (int i = 0; i < n; ++i)
        if (!std::isfinite(*v[i])) return 0;
    return 1;
}

int table_finite(const float* t, int from, int to, int step)
{
    for (int k = from; k <= to; k += step)
        if (!std::isfinite(t[k])) return 0;
    return 1;
}

// Everything the file would carry is a number.
int part_is_finite()
{
    if (msc.device == DEVICE_FLAP)
        return all_finite(flap_constants, 9) && table_finite(cl, 0, 400, 8) && table_finite(cd, 0, 400, 8) &&
               table_finite(cm, 0, 400, 8);
    return all_finite(airfoil_constants, 25) && table_finite(cl, 0, 540, 1) && table_finite(cd, 0, 540, 1);
}

// 1 when the file at path carries a text header of another version than ours.
int other_version(const char* path)
{
    std::ifstream f(path, std::ios::binary);
    int first = f.get();
    if (first != 'I' && first != 'A') return 0;
    int version = 0;
    f >> version;
    return f && version != FILE_VERSION;
}

// One table row: the angle right-aligned in 4 with one decimal, then lift
// and/or drag right-aligned in 8 with five decimals. The stream keeps the
// five decimals afterwards.
void write_row(int c, int with_lift)
{
    int k = c + 270;
    ouf << std::setw(4) << std::setprecision(1) << step_angle(k) << std::setprecision(5);
    if (with_lift) ouf << " " << std::setw(8) << cl[k];
    ouf << " " << std::setw(8) << cd[k] << "\n";
}

void write_airfoil()
{
    ouf << CODE_AIRFOIL << " device type code\n";
    ouf << "constants: ";
    for (int i = 0; i < 25; ++i) ouf << " " << *airfoil_constants[i];
    ouf << "\n";
    ouf << "index     cl         cd\n";
    for (int c = -270; c <= -100; ++c) write_row(c, 1);
    for (int c = -99; c <= 0; ++c) write_row(c, 0);
    ouf << "\n";
    ouf << afl.clM[0][0][0] << "   clM\n";
    ouf << afl.clB[0][0][0] << "   clB\n";
    ouf << afl.cmal2[0][0][0] << " cmal2\n";
    ouf << afl.cmal3[0][0][0] << " cmal3\n";
    ouf << afl.cm1[0][0][0] << "   cm1\n";
    ouf << afl.cm2[0][0][0] << "   cm2\n";
    ouf << afl.cm3[0][0][0] << "   cm3\n";
    ouf << afl.cm4[0][0][0] << "   cm4\n";
    // The simulator skips exactly one line here: without it the first row of
    // the positive drag block would be lost.
    ouf << "\n";
    for (int c = 0; c <= 99; ++c) write_row(c, 0);
    for (int c = 100; c <= 270; ++c) write_row(c, 1);
}

void write_flap()
{
    ouf << CODE_FLAP << " device type code\n";
    ouf << "constants: " << *flap_constants[0];
    for (int i = 1; i < 9; ++i) ouf << " " << *flap_constants[i];
    ouf << "\n";
    ouf << "def cl cd cm\n";
    for (int n = 0; n <= 50; ++n) ouf << n << " " << cl[8 * n] << " " << cd[8 * n] << " " << cm[8 * n] << "\n";
}
} // namespace

int writeoutpart()
{
    if (!part_is_finite()) {
        MACIBM_alert("I did not save the part: some of its values are not numbers.", msc.C_path,
                     "A lift slope of zero, or another constant out of its range, makes the curves undefined.",
                     "Change the constants until the curves show, then save again.", ALERT_NOTICE);
        return 0;
    }
    // A failed open has shown its notice; the writes then go nowhere.
    int ok = ouf_open(msc.C_path, msc.device, FILE_VERSION);
    if (msc.device == DEVICE_FLAP)
        write_flap();
    else
        write_airfoil();
    // A failed stream leaves a field width unused; it must not pad the next
    // file's header.
    ouf.width(0);
    ok = ouf_close() && ok;
    // Only a file that is really there clears the mark.
    if (ok) msc.devicemod = 0;
    return ok;
}

int readinpart()
{
    int saved_use = inf_use, saved_soft = scan_soft;
    inf_use = 1;
    scan_soft = 1;
    scan_failed = 0;
    int opened = inf_open(msc.C_path, 206, FILE_VERSION, 0);
    int code = 0;
    float values[25] = {0};
    if (opened) {
        code = intscan(msc.C_path);
        if (code == CODE_AIRFOIL || code == CODE_FLAP) {
            char word[400];
            wrdscan(word, msc.C_path, 400);
            for (int i = 0; i < (code == CODE_FLAP ? 9 : 25); ++i) values[i] = fltscanNOSN(msc.C_path);
            rln(msc.C_path);
        }
    }
    int damaged = scan_failed;
    inf1.close();
    inf1.clear();
    scan_soft = saved_soft;
    scan_failed = 0;
    inf_use = saved_use;

    // A file that is not a part of ours is refused with a notice; the part
    // being edited stays as it was.
    if (!opened) {
        if (other_version(msc.C_path))
            MACIBM_alert("The following file is the wrong version for this version of Korvan:", msc.C_path,
                         "Throw that file away. You should only use the files that came with the program.",
                         "You may have to re-install Korvan from the CD.", ALERT_NOTICE);
        else
            MACIBM_alert("Sorry, I can't open the part!!!", "Reason: Undetermined!", "Revert to back-up!", "",
                         ALERT_NOTICE);
        return 0;
    }
    if (code != CODE_AIRFOIL && code != CODE_FLAP) {
        MACIBM_alert("This does not appear to be a valid file type for Sectra!", "", "", "", ALERT_NOTICE);
        return 0;
    }
    if (damaged) {
        MACIBM_alert("File-scanning error!", "", "file:", msc.C_path, ALERT_NOTICE);
        return 0;
    }

    // The defaults of the other kind come first; the name chosen for the file
    // stays (the reset would call it "Untitled").
    char name[400];
    copy_bounded(name, msc.C_file, sizeof name);
    int device = code == CODE_FLAP ? DEVICE_FLAP : DEVICE_AIRFOIL;
    if (msc.device != device) reset_to_default(device);
    copy_bounded(msc.C_file, name, sizeof msc.C_file);
    float* const* constants = device == DEVICE_FLAP ? flap_constants : airfoil_constants;
    for (int i = 0; i < (device == DEVICE_FLAP ? 9 : 25); ++i) *constants[i] = values[i];
    msc.haveaname = 1;
    msc.devicemod = 0;
    generate();
    return 1;
}

} // namespace sectra
