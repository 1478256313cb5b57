// The navigation database, read once at start-up.
#include "INITNAV.h"

#include "records/world_state.h"
#include "world_services.h"
#include "toolkit/HL_FILE.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/nav_lines.h"

#include <cstring>

float apt_lat[APT_CAP][3], apt_lon[APT_CAP][3];
int apt_num[APT_CAP][3];
char apt_lr[APT_CAP][3];
int apt_hdng[APT_CAP][3];
int apt_len[APT_CAP][3], apt_width[APT_CAP][3];
int apt_lite[APT_CAP][3];
float apt_h[APT_CAP];
int apt_twr[APT_CAP];
char apt_id[APT_CAP][5];
char apt_name[APT_CAP][40];

int nav_type[NAV_CAP];
float nav_lat[NAV_CAP], nav_lon[NAV_CAP];
float nav_h[NAV_CAP];
int nav_f12[NAV_CAP];
int nav_hdng[NAV_CAP];
char nav_id[NAV_CAP][5];
char nav_name[NAV_CAP][40];

float fix_lat[FIX_CAP], fix_lon[FIX_CAP];
char fix_name[FIX_CAP][6];

namespace {
const int DATA_VERSION = 354;

// Shows the record count and ends the program.
void count_alert(const char* text, int count)
{
    MACIBM_alert_number(text, "", "", count);
}

void progress(int n)
{
    if (n % 1000 == 0) MACIBM_showinit(1);
}

void read_airports()
{
    open_apt_nav_dat("apt_dat");
    int n = 0;
    while (intscanNOSN("apt_dat") != 99) {
        if (n >= APT_CAP) count_alert("Too many airports in world database!", n);
        scan_apt_line(apt_lat[n], apt_lon[n], apt_num[n], apt_lr[n], apt_hdng[n], apt_len[n], apt_width[n],
                      apt_lite[n], &apt_h[n], &apt_twr[n], apt_id[n], apt_name[n]);
        for (char* c = apt_name[n]; *c; ++c)
            if (*c == '-') *c = ' ';
        for (int r = 0; r < 3; ++r) {
            apt_len[n][r] = (int)(apt_len[n][r] * con.fttomtrs);
            apt_width[n][r] = (int)(apt_width[n][r] * con.fttomtrs);
        }
        apt_h[n] *= con.fttomtrs;
        ++n;
        progress(n);
    }
    inf1.close();
    env.aptmax = n - 1;
}

void read_navaids()
{
    open_apt_nav_dat("nav_dat");
    int n = 0;
    while ((nav_type[n] = intscanNOSN("nav_dat")) != 99) {
        if (n >= NAV_READ_CAP) count_alert("Too many navs in world database!", n);
        scan_nav_line(nav_type[n], &nav_lat[n], &nav_lon[n], &nav_h[n], &nav_f12[n], &nav_hdng[n], nav_id[n],
                      nav_name[n]);
        nav_h[n] *= con.fttomtrs;
        ++n;
        progress(n);
    }
    inf1.close();
    // The two slots after the last navaid are the carrier's beacons.
    env.navmax = n - 1 + 2;
}

int is_line_end(int c)
{
    return c == '\n' || c == '\r';
}

// Drops the line end just met; CR LF counts as one.
void drop_line_end(int c)
{
    if (c == '\r' && inf1.peek() == '\n') inf1.get();
}

// The name after the longitude: the first character that is not a blank and
// the four after it. A line that ends sooner (an editor may trim the padding)
// gives a blank-padded name and leaves the next line alone.
void read_fix_name(char* name)
{
    int c;
    do {
        c = inf1.get();
    } while (c == ' ' || c == '\t');
    int k = 0;
    while (k < 5 && c != EOF && !is_line_end(c)) {
        name[k++] = (char)c;
        c = inf1.get();
    }
    while (k < 5) name[k++] = ' ';
    name[5] = 0;
    // c is the character after the name: the line end as written. At the end
    // of the file the stream stays failed, so a missing end mark is reported.
    drop_line_end(c);
}

void read_fixes()
{
    for (int i = 0; i < FIX_CAP; ++i) {
        fix_lat[i] = -999;
        fix_lon[i] = -999;
    }
    open_apt_nav_dat("fix_dat");
    int n = 0;
    for (;;) {
        fix_lat[n] = fltscanNOSN("fix_dat");
        // The end mark 99 is compared as the float it is read as.
        if (fix_lat[n] >= 98.5f && fix_lat[n] < 99.5f) break;
        if (n >= FIX_CAP - 1) count_alert("Too many fixes in world database!", n);
        fix_lon[n] = fltscanNOSN("fix_dat");
        scanrange(fix_lat[n] >= -90 && fix_lat[n] <= 90 && fix_lon[n] >= -180 && fix_lon[n] <= 180, "fix_dat");
        read_fix_name(fix_name[n]);
        ++n;
        progress(n);
    }
    inf1.close();
}
} // namespace

void open_apt_nav_dat(const char* name)
{
    char path[400];
    copy_bounded(path, name, 400);
    ap_dir("additional nav data", path);
    if (!inf_open(path, 206, DATA_VERSION, 1))
        MACIBM_alert("I am unable to access a nav, airport, or fix data file!", "The path I am looking at is as follows:",
                     path, "Make sure the file listed above is available in the path listed above!", ALERT_FATAL);
    if (!inf1.good()) MACIBM_alert("Error reading in global data file after version-scan!", "", "", "", ALERT_FATAL);
    intscan(name);
}

void init_country_data()
{
    read_airports();
    read_navaids();
    read_fixes();
}

int get_index_from_id(const char* id, int type, int* out_index)
{
    if (type == 1) {
        int last = intlim(env.aptmax, -1, APT_CAP - 1);
        for (int a = 0; a <= last; ++a) {
            if (strncmp(apt_id[a], id, 4) == 0) {
                *out_index = a;
                return 1;
            }
        }
        return 0;
    }
    int last = intlim(env.navmax, -1, NAV_CAP - 1);
    for (int n = 0; n <= last; ++n) {
        if (nav_type[n] == type && strncmp(nav_id[n], id, 4) == 0) {
            *out_index = n;
            return 1;
        }
    }
    return 0;
}
