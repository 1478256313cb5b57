// Airport and navaid record lines of the navigation database files.
#include "nav_lines.h"

#include "HL_FILE.h"
#include "HL_TYPES.h"

#include <cstring>
#include <iomanip>
#include <string>

namespace {
// Restores the stream's number format after a line, so that the caller's
// own values keep their precision.
struct format_guard {
    std::streamsize precision = ouf.precision();
    std::ios::fmtflags flags = ouf.flags();
    ~format_guard()
    {
        ouf.precision(precision);
        ouf.flags(flags);
    }
};

// Identifiers and names live in char[5] and char[40]: never write past them.
void put_text(const char* s, int dim)
{
    if (!s) return;
    ouf.write(s, (std::streamsize)strnlen(s, (size_t)dim - 1));
}

void put_flt(float v, int width, int decimals)
{
    ouf << std::setw(width) << std::setprecision(decimals) << v << ' ';
}

void put_int(int v, int width)
{
    ouf << std::setw(width) << v << ' ';
}

int wrap_heading(int h)
{
    h %= 360;
    return h < 0 ? h + 360 : h;
}

// A position off the globe is a damaged line.
void check_position(float lat, float lon, const char* fname)
{
    scanrange(lat >= -90 && lat <= 90 && lon >= -180 && lon <= 180, fname);
}

// The identifier, then the name as the rest of the line.
void scan_id_and_name(char* id, char* name, const char* fname)
{
    name[0] = 0;
    if (idscan(id, fname, 5)) strscan(name, fname, 40);
}
} // namespace

void dump_apt_line(const float* apt_lat, const float* apt_lon, const int* apt_num, const char* apt_lr,
                   const int* apt_hdng, const int* apt_len, const int* apt_width, const int* apt_lite,
                   float apt_h, int apt_twr, const char* apt_id, const char* apt_name)
{
    format_guard keep;
    ouf.setf(std::ios::fixed, std::ios::floatfield);
    ouf.setf(std::ios::right, std::ios::adjustfield);
    ouf << "1 ";
    for (int r = 0; r < 3; ++r) {
        put_flt(apt_lat[r], 10, 6);
        put_flt(apt_lon[r], 11, 6);
        put_int(apt_num[r], 2);
        // A blank or missing side letter would shift every later field.
        char lr = apt_lr[r];
        ouf << (lr == 0 || lr == ' ' || lr == '\t' || lr == '\n' || lr == '\r' ? 'x' : lr) << ' ';
        put_int(apt_hdng[r], 3);
        put_int(apt_len[r], 6);
        put_int(apt_width[r], 3);
        put_int(apt_lite[r], 7);
    }
    put_flt(apt_h, 6, 0);
    ouf << (apt_twr ? 1 : 0) << ' ';
    ouf << std::setw(3) << std::string(apt_id, strnlen(apt_id, 4)) << ' ';
    put_text(apt_name, 40);
    ouf << '\n';
}

void scan_apt_line(float* apt_lat, float* apt_lon, int* apt_num, char* apt_lr, int* apt_hdng, int* apt_len,
                   int* apt_width, int* apt_lite, float* apt_h, int* apt_twr, char* apt_id, char* apt_name)
{
    for (int r = 0; r < 3; ++r) {
        apt_lat[r] = fltscanNOSN("scan apt apt_lat");
        apt_lon[r] = fltscanNOSN("scan apt apt_lon");
        check_position(apt_lat[r], apt_lon[r], "scan apt apt_lat");
        apt_num[r] = intscanNOSN("scan apt apt_num");
        char lr = 'x';
        std::istream& in = inf_use == 2 ? (std::istream&)inf2 : (std::istream&)inf1;
        in >> lr;
        scancheck("scan apt apt_num");
        apt_lr[r] = lr;
        apt_hdng[r] = wrap_heading(intscanNOSN("scan apt apt_hdng"));
        apt_len[r] = intscanNOSN("scan apt apt_len");
        apt_width[r] = intscanNOSN("scan apt apt_width");
        apt_lite[r] = intscanNOSN("scan apt apt_lite");
    }
    *apt_h = fltscanNOSN("scan apt apt_h");
    *apt_twr = bolscanNOSN("scan apt apt_twr");
    scan_id_and_name(apt_id, apt_name, "scan apt name");
}

void dump_nav_line(int nav_type, float nav_lat, float nav_lon, float nav_h, int nav_f12, int nav_hdng,
                   const char* nav_id, const char* nav_name)
{
    format_guard keep;
    ouf.setf(std::ios::fixed, std::ios::floatfield);
    ouf.setf(std::ios::right, std::ios::adjustfield);
    ouf << nav_type << ' ';
    put_flt(nav_lat, 10, 6);
    put_flt(nav_lon, 11, 6);
    put_flt(nav_h, 8, 1);
    if (nav_type == 2) {
        put_int(nav_f12, 8);
        put_int(0, 8);
    } else {
        int mhz = nav_f12 / 100;
        put_int(mhz, 8);
        put_int(nav_f12 - 100 * mhz, 8);
    }
    put_int(nav_hdng, 4);
    ouf << std::setw(4) << std::string(nav_id, strnlen(nav_id, 4)) << ' ';
    put_text(nav_name, 40);
    ouf << '\n';
}

void scan_nav_line(int nav_type, float* nav_lat, float* nav_lon, float* nav_h, int* nav_f12, int* nav_hdng,
                   char* nav_id, char* nav_name)
{
    *nav_lat = fltscanNOSN("scan nav line");
    *nav_lon = fltscanNOSN("scan nav line");
    *nav_h = fltscanNOSN("scan nav line");
    check_position(*nav_lat, *nav_lon, "scan nav line");
    int f1 = intscanNOSN("scan nav line");
    int f2 = intscanNOSN("scan nav line");
    // MHz and hundredths (an NDB's kHz alone): beyond these the frequency
    // is no radio's, and f1 x 100 would overflow.
    int ok = nav_type == 2 ? f1 >= 0 && f1 <= 99999 : f1 >= 0 && f1 <= 999 && f2 >= 0 && f2 <= 99;
    scanrange(ok, "scan nav line");
    *nav_hdng = wrap_heading(intscanNOSN("scan nav line"));
    *nav_f12 = !ok ? 0 : nav_type == 2 ? f1 : f1 * 100 + f2;
    scan_id_and_name(nav_id, nav_name, "scan nav line");
}
