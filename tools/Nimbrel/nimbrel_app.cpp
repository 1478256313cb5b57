// The briefing tool's callbacks, start-up and window opener.
#include "nimbrel_app.h"

#include "briefing.h"
#include "nimbrel_records.h"
#include "stations.h"
#include "toolkit/HL_BTN.h"
#include "toolkit/HL_FILE.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TEXTURE.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/nav_lines.h"
#include "toolkit/plane_file.h"
#include "toolkit/plane_record.h"
#include "tools/tool_helpers.h"
#include "tools/tool_program.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

namespace nimbrel {

void prep_plane(const char* file, const char* path)
{
    // A file that cannot be read gives the reader's notice and leaves the
    // aircraft, its name and the route as they were.
    if (file[0] && path[0]) read_plane_file(file, path);
    bri.Vcruise = cruise_speed(pln.Vno, pln.entype);
}

namespace {

// The simulator's preferences, of the version it writes: their first lines
// name the aircraft and the airport of the last flight.
const int SIM_PREFS_VERSION = 466;

void read_prefs()
{
    if (!prf_path[0] || !inf_open(prf_path, 206, SIM_PREFS_VERSION, 0)) return;
    strscan(pln.C_file, "Korvan 4.prf", sizeof pln.C_file);
    strscan(pln.C_path, "Korvan 4.prf", sizeof pln.C_path);
    bri.dep = bri.arr = intscan("Korvan 4.prf");
    inf1.close();
}

void load_airports()
{
    char path[400] = "additional nav data/apt_dat";
    if (!inf_open(path, 206, 354, 1)) {
        MACIBM_alert("I am unable to access a nav or airport data file!", "The path I am looking at is as follows:",
                     path, "Make sure the file listed above is available in the path listed above!", ALERT_NOTICE);
    }
    intscan("apt_dat");
    apt_apt_max = 0;
    for (;;) {
        int type = intscanNOSN("apt_dat");
        if (type == 99 || gdone) break;
        if (apt_apt_max >= APT_MAX) {
            MACIBM_alert_number("Too many airports in world database!", "", "", apt_apt_max);
            break;
        }
        int a = apt_apt_max++;
        scan_apt_line(apt_lat[a], apt_lon[a], apt_num[a], apt_lr[a], apt_hdng[a], apt_len[a], apt_width[a],
                      apt_lite[a], &apt_h[a], &apt_twr[a], apt_id[a], apt_name[a]);
        if (apt_apt_max % 200 == 0) MACIBM_showinit(1);
    }
    inf1.close();
}

} // namespace

int nimbrel_start()
{
    memset(&bri, 0, sizeof bri);
    copy_bounded(pln.C_file, "untitled.acf", sizeof pln.C_file);
    bri.alt = 5000;
    read_prefs();
    prep_plane(pln.C_file, pln.C_path);
    load_airports();
    if (gdone) return 0;
    // Preferences the airports no longer match start at the first airport.
    bri.dep = intlim(bri.dep, 0, apt_apt_max > 0 ? apt_apt_max - 1 : 0);
    bri.arr = intlim(bri.arr, 0, apt_apt_max > 0 ? apt_apt_max - 1 : 0);
    std::FILE* f = std::fopen("WORLD.RWK", "rb");
    if (!f) {
        // The file is looked for in the folder the program runs in; say which.
        std::error_code ec;
        std::string folder = std::filesystem::current_path(ec).string() + "/";
        MACIBM_alert("I have not detected the file 'WORLD.RWK' in the Korvan folder! I am searching:", folder.c_str(),
                     "Real-weather files are offered by weather services; save one here under that name.",
                     "This will allow me to give you a briefing, and Korvan flights in real up-to-the-hour weather.",
                     ALERT_FATAL);
        return 0;
    }
    int ok = load_stations(f);
    std::fclose(f);
    if (!ok) {
        MACIBM_alert("Too many reporting stations!", "The number or reporting stations has exceeded expectations.",
                     "", "", ALERT_FATAL);
        return 0;
    }
    bri.dep_ztime = departure_ztime(bri.dep_ztime);
    return 1;
}

} // namespace nimbrel

using namespace nimbrel;

void APPLICATION_setupmenus()
{
    MACIBM_create_menu(0, -1, "About");
    MACIBM_append_menu(0, 0, "About", "Check on the version number of the program.");
    MACIBM_create_menu(1, -1, "File");
    MACIBM_append_menu(1, 100, "Quit", "Quit the briefing, go fly.");
}

void APPLICATION_update()
{
    tools::plot_name_list(78, 475, &apt_name[0][0], &apt_id[0][0], &bri.dep, 0, apt_apt_max - 1);
    tools::plot_name_list(408, 475, &apt_name[0][0], &apt_id[0][0], &bri.arr, 0, apt_apt_max - 1);
    // The pick is read aside: the field keeps the aircraft's name until it loads.
    static char chosen[400];
    copy_bounded(chosen, pln.C_file, sizeof chosen);
    if (instringbtn(97, 362, chosen, 203,
                    "This is the plane you plane to take flying next. It's performance is considered for estimation "
                    "of time enroute."))
        prep_plane(chosen, C_s);
    tools::instdbtn_range(7, 551, 374, &bri.alt, 5, 0, 0, 99999, "This is the altitude you have planned enroute.");
    if (mnw.mouse_clicked) {
        rnd1 = intrand(1, 6);
        rnd2 = intrand(1, 6);
        rnd3 = intrand(1, 6);
        rnd4 = intrand(1, 6);
        rnd5 = intrand(1, 9);
        rnd6 = intrand(1, 9);
        rnd7 = intrand(1, 9);
        rnd8 = intrand(1, 9);
    }
    gen_rep(rnd1, rnd2, rnd3, rnd4, rnd5, rnd6, rnd7, rnd8);
}

void APPLICATION_handlekey(char) {}

void APPLICATION_handlemenu(int choice)
{
    if (choice == 0) MACIBM_alert("", "", "", "", ALERT_ABOUT);
    if (choice == 100) gdone = 1;
}

void process_zap(int) {}

void MACIBM_startwind(int index)
{
    tool_startwind(index, 400, 300, "NIMBREL", 0);
}
