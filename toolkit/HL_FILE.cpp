// First cut of the header convention and scanners: what start-up reads.
#include "HL_FILE.h"

#include "HL_MNW.h"

#include <locale>

int inf_is_bin;
int rev_inf_bin;
char x_eln = '\n';

namespace {
std::istream& in_stream()
{
    return inf_use == 2 ? (std::istream&)inf2 : (std::istream&)inf1;
}

void rev4(unsigned char* a)
{
    unsigned char t = a[0];
    a[0] = a[3];
    a[3] = t;
    t = a[1];
    a[1] = a[2];
    a[2] = t;
}
} // namespace

int ouf_open(const char* C_path, int ftype, int version)
{
    ouf.clear();
    if (ouf.is_open()) ouf.close();
    ouf.imbue(std::locale::classic());
    if (ftype == 203 || ftype == 204) {
        ouf.open(C_path, std::ios::out | std::ios::binary | std::ios::trunc);
        ouf.put('i');
        ouf.write((const char*)&version, 4);
    } else {
        ouf.open(C_path, std::ios::out | std::ios::trunc);
        ouf.setf(std::ios::fixed, std::ios::floatfield);
        ouf << "I\n" << version << " version\n";
    }
    if (!ouf.good()) {
        MACIBM_alert("I could not save the file! Could the directory that the file sits in be missing?", C_path,
                     "Could the file be flagged as read-only? This happens in Windows if you copy it from a CD!",
                     "Try putting this app in the background and then flag the file as NOT read-only, or creating the folder listed in the path above.",
                     ALERT_NOTICE);
        return 0;
    }
    return 1;
}

int inf_open(const char* C_path, int ftype, int version, int alert_bad_version)
{
    inf1.clear();
    if (inf1.is_open()) inf1.close();
    inf1.clear();
    inf1.imbue(std::locale::classic());
    inf_is_bin = ftype == 203 || ftype == 204;
    inf1.open(C_path, std::ios::in | std::ios::binary);
    if (!inf1.good() || inf1.eof()) return 0;
    int first = inf1.get();
    if (inf_is_bin) {
        if (first != 'a' && first != 'i') return 0;
        rev_inf_bin = first == 'a';
    } else {
        int term = inf1.get();
        if (first != 'A' && first != 'I') return 0;
        x_eln = (char)term;
    }
    int saved_use = inf_use;
    inf_use = 1;
    int v = intscan(C_path);
    inf_use = saved_use;
    if (v != version) {
        if (!alert_bad_version) return 0;
        MACIBM_alert("The following file is the wrong version for this version of Korvan:", C_path,
                     "Throw that file away. You should only use the files that came with the program.",
                     "You may have to re-install Korvan from the CD.", ALERT_FATAL);
    }
    return inf1.good();
}

void scancheck(const char* fname)
{
    if (in_stream().fail()) MACIBM_alert("File-scanning error!", "", "file:", fname, ALERT_FATAL);
}

void rln(const char* fname)
{
    std::istream& in = in_stream();
    for (;;) {
        int c = in.get();
        if (c == EOF || (char)c == x_eln) break;
    }
    scancheck(fname);
}

int intscan(const char* fname)
{
    std::istream& in = in_stream();
    int v = 0;
    if (inf_is_bin) {
        unsigned char b[4];
        in.read((char*)b, 4);
        if (rev_inf_bin) rev4(b);
        __builtin_memcpy(&v, b, 4);
    } else {
        in >> v;
        scancheck(fname);
        rln(fname);
    }
    scancheck(fname);
    return v;
}

float fltscan(const char* fname)
{
    std::istream& in = in_stream();
    float v = 0;
    if (inf_is_bin) {
        unsigned char b[4];
        in.read((char*)b, 4);
        if (rev_inf_bin) rev4(b);
        __builtin_memcpy(&v, b, 4);
    } else {
        in >> v;
        scancheck(fname);
        rln(fname);
    }
    scancheck(fname);
    return v;
}
