// "apt_dat" and "nav_dat": three header lines, one record line per item, "99".
#include "nav_files.h"

#include "gelvani_records.h"

#include "toolkit/HL_FILE.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/nav_lines.h"

#include <cstdio>
#include <cstring>

namespace gelvani {

namespace {
const int DB_VERSION = 354;

void open_or_die(const char* path, const char* what)
{
    if (inf_open(path, 206, DB_VERSION, 1)) return;
    MACIBM_alert(what, "The path I am looking at is as follows:", path, "", ALERT_FATAL);
}

// The next record code; 99 ends the file.
int next_code(const char* path)
{
    return intscanNOSN(path);
}

void close_input()
{
    inf1.close();
    inf1.clear();
}

int open_output(const char* path)
{
    if (!ouf_open(path, 206, DB_VERSION)) return 0;
    ouf << "354 version code 2\n";
    return 1;
}

int close_output()
{
    ouf << "99\n";
    return ouf_close();
}

// Text the save writes back byte for byte: no control byte (a NUL ends the
// text and nothing follows it), and an identifier of at least one
// character without blanks.
int saveable_text(const char* s, int dim, int is_id)
{
    const unsigned char* u = (const unsigned char*)s;
    int k = 0;
    while (k < dim && u[k] != 0) {
        if (u[k] < 0x20 || (is_id && u[k] == ' ') || u[k] == 0x7F) return 0;
        ++k;
    }
    if (is_id && k == 0) return 0;
    for (; k < dim; ++k)
        if (u[k] != 0) return 0;
    return 1;
}

int saveable_letter(char c)
{
    return (unsigned char)c > 0x20 && c != 0x7F;
}

void left_out_notice(const char* path, int n, const char* what)
{
    if (n == 0) return;
    char line[240];
    snprintf(line, sizeof line, "%d %s left out: the save could not write them back as they are.", n, what);
    MACIBM_alert("Some records of this file were not loaded:", path, line, "", ALERT_NOTICE);
}
} // namespace

void set_nav_paths()
{
    snprintf(apt_path, sizeof apt_path, "apt_dat");
    ap_dir("additional nav data", apt_path);
    snprintf(nav_path, sizeof nav_path, "nav_dat");
    ap_dir("additional nav data", nav_path);
}

void load_airports()
{
    inf_use = 1;
    open_or_die(apt_path, "I am unable to access the airport data file!");
    intscan(apt_path);
    msc.aptmax = -1;
    int left_out = 0;
    for (;;) {
        int code = next_code(apt_path);
        if (code == 99) break;
        int a = msc.aptmax + 1;
        if (a % 200 == 0) MACIBM_showinit(1);
        if (a >= APT_SLOTS) {
            close_input();
            MACIBM_alert_number("Too many airports in world database!", "", "", a + 1);
            return;
        }
        memset(apt_id[a], 0, sizeof apt_id[a]);
        memset(apt_name[a], 0, sizeof apt_name[a]);
        scan_apt_line(apt_lat[a], apt_lon[a], apt_num[a], apt_lr[a], apt_hdng[a], apt_len[a], apt_width[a],
                      apt_lite[a], &apt_h[a], &apt_twr[a], apt_id[a], apt_name[a]);
        int sound = saveable_text(apt_id[a], 5, 1) && saveable_text(apt_name[a], NAME_DIM, 0);
        for (int r = 0; r < 3; ++r) sound = sound && saveable_letter(apt_lr[a][r]);
        if (sound) msc.aptmax = a;
        else ++left_out;
    }
    close_input();
    left_out_notice(apt_path, left_out, "airports with a control character in the identifier, name or runway side were");
}

void load_navaids()
{
    inf_use = 1;
    open_or_die(nav_path, "I am unable to access the nav data file!");
    intscan(nav_path);
    msc.navmax = -1;
    int left_out = 0;
    for (;;) {
        int code = next_code(nav_path);
        if (code == 99) break;
        int n = msc.navmax + 1;
        if (n % 200 == 0) MACIBM_showinit(1);
        if (n >= NAV_LOAD_MAX) {
            close_input();
            MACIBM_alert_number("Too many navs in world database!", "", "", n + 1);
            return;
        }
        memset(nav_id[n], 0, sizeof nav_id[n]);
        memset(nav_name[n], 0, sizeof nav_name[n]);
        scan_nav_line(code, &nav_lat[n], &nav_lon[n], &nav_h[n], &nav_f12[n], &nav_hdng[n], nav_id[n], nav_name[n]);
        // The save writes navaids of the types 2..9 only.
        if (code >= 2 && code <= 9 && saveable_text(nav_id[n], 5, 1) && saveable_text(nav_name[n], NAME_DIM, 0)) {
            nav_type[n] = code;
            msc.navmax = n;
        } else {
            nav_type[n] = 0;
            ++left_out;
        }
    }
    close_input();
    left_out_notice(nav_path, left_out, "navaids of a type other than 2 to 9 or with a control character in the identifier or name were");
}

int write_airports()
{
    if (!open_output(apt_path)) return 0;
    for (int a = 0; a <= msc.aptmax && a < APT_SLOTS; ++a)
        dump_apt_line(apt_lat[a], apt_lon[a], apt_num[a], apt_lr[a], apt_hdng[a], apt_len[a], apt_width[a],
                      apt_lite[a], apt_h[a], apt_twr[a], apt_id[a], apt_name[a]);
    if (!close_output()) return 0;
    msc.apt_dirty = 0;
    return 1;
}

int write_navaids()
{
    if (!open_output(nav_path)) return 0;
    for (int n = 0; n < NAV_SLOTS; ++n)
        if (nav_type[n] >= 2 && nav_type[n] <= 9)
            dump_nav_line(nav_type[n], nav_lat[n], nav_lon[n], nav_h[n], nav_f12[n], nav_hdng[n], nav_id[n],
                          nav_name[n]);
    if (!close_output()) return 0;
    msc.nav_dirty = 0;
    return 1;
}

} // namespace gelvani
