// The simulator's menu bar: seven fixed menus, the region's airports with
// their runways, VORs and NDBs, and what every item does.
#include "MENUS.h"

#include "DO_APP.h"
#include "INITGEN.h"
#include "prefs.h"
#include "records/settings_and_recordings.h"
#include "flight/INITPLN.h"
#include "world/coordinates.h"
#include "records/flight_state.h"
#include "flight/start_placement.h"
#include "toolkit/HL_FILE.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "records/world_state.h"
#include "world/world_services.h"

#include <cstdio>
#include <cstring>

char diagram_title[400];

namespace {
struct item {
    int id;
    const char* text;
    const char* help;
};

const item file_items[] = {
    {100, "Open Aircraft", "Use this option to try flying a new airplane."},
    {101, "-", ""},
    {102, "Load Situation",
     "Use this option to load a saved situation, which may contain your favorite places and airplanes."},
    {103, "Save Situation",
     "Use this option to save the current situation, if it contains your favorite places and airplanes."},
    {104, "-", ""},
    {105, "Quit", ""},
};

const item location_items[] = {
    {200, "Takeoff", ""},
    {201, "-", ""},
    {202, "VFR Final", ""},
    {203, "ILS Final", ""},
    {204, "-", ""},
    {205, "Over VOR", ""},
    {206, "Over NDB", ""},
    {207, "-", ""},
    {208, "Place Aircraft by Airport",
     "This will let you place yourself anywhere in the world by choosing airport names or ID's."},
    {209, "Place Aircraft by Location",
     "This will let you place yourself anywhere in the world by latitude and longitudes, or by clicking on a map."},
    {210, "Start Aircraft in Situation",
     "This will let you put yourself in a variety of interesting situations, such as on approach to gravel "
     "runways or aircraft carriers or even forest fires."},
    {211, "-", ""},
    {212, "Find Me", "Use this if needed."},
    {213, "Get Me Lost", "Use this if you dare."},
};

const char* const reliability_help =
    "Use this to set instrument reliability. Failures occurr randmonly and without warning, and failure modes "
    "are realistic.";
const char* const equipment_help =
    "Use this to set equipment reliability. Failures occurr randmonly and without warning, and failure modes "
    "are realistic.";

const item settings_items[] = {
    {300, "Data Output...", "This option can send data to the disk, a graphical file, or the cockpit."},
    {301, "Serial Output...", "This can send data to the serial port to drive motion systems and stuff."},
    {302, "-", ""},
    {303, "Time Of Day...",
     "This sets the time of day, which always progresses in real-time from wherever you set it."},
    {304, "Rendering Options...",
     "This sets graphical levels. You can use it to tune performance to your machine. "},
    {305, "-", ""},
    {306, "Weather Space...", "This sets the meteor-shower density."},
    {307, "Weather Atmosphere...",
     "This sets wind, temerature, clouds, thermals, rate of change, etc. etc. etc."},
    {308, "Weather Ground...", "This sets runway conditions, used for braking and steering effectiveness."},
    {309, "Weather Water...",
     "This sets the wave length and height, used for seaplanes, which will have to battle any waves you enter."},
    {310, "-", ""},
    {311, "Joystick & Flight Mode...", "Use this to set up your joystick and stuff."},
    {312, "Weights & Fuel...", "Use this to set your plane's loading for the flight."},
    {313, "-", ""},
    {314, "Realistic Reliability...",
     "Use this to set reliability in a realistic manner... failures are rare."},
    {315, "Instrument Reliability...", reliability_help},
    {316, "Equipment Reliability...", equipment_help},
    {317, "-", ""},
    {318, "Sound...", "Set the various sound options for the sim here."},
    {319, "Warnings...", "Set the various warning options for the sim here."},
};

const item output_items[] = {
    {400, "Graphic Flight Record",
     "Use this to view data that you have stored in the 'SET DATA OUTPUT' window in the 'SETTINGS' menu."},
    {401, "-", ""},
    {402, "Low Enroute", "Check out the local low enroute map, with your flight path plotted on it."},
    {403, "Local Virtual-World", "Check out the local virtual map, with your flight path plotted on it."},
    {404, "Weather Radar Map", "Check out the local radar-summary map, with your flight path plotted on it."},
    {405, "Isometric Region", "Check out the local region in 3-D, with your flight path plotted on it."},
    {406, "World Map", "Check out Earth, with your flight path plotted on it."},
    {407, "-", ""},
};

const char* const reset_path_help =
    "Use this to nuke the little trail, or flight path, your plane has been leaving. You can turn off the "
    "flight-path altogether in the 'VIEW' menu.";

const char* const replay_help = "replay mode, which allows you to replay your flight like it was taped on a VCR.";

const item view_items[] = {
    {500, "[W] Forwards", ""},
    {501, "[S] Down 4 Deg", ""},
    {502, "[X] Down 8 Deg", ""},
    {503, "-", ""},
    {504, "[Q] Left 45 Deg", ""},
    {505, "[E] Right 45 Deg", ""},
    {506, "[QQ] Left 90 Deg", ""},
    {507, "[EE] Right 90 Deg", ""},
    {508, "[QQQ] Left 135 Deg", ""},
    {509, "[EEE] Right 135 Deg", ""},
    {510, "-", ""},
    {511, "[Z] Backwards", ""},
    {512, "-", ""},
    {513, "[T] Control Tower", ""},
    {514, "[#] On Runway", ""},
    {515, "-", ""},
    {516, "[A] Chase", ""},
    {517, "[|] Follow: Arrow Keys Rotate", ""},
    {518, "[@] Spot: Arrow Keys Move", ""},
    {519, "-", ""},
    {520, "[_] Full-Screen With HUD", ""},
    {521, "[+] Full-Screen Without HUD", ""},
    {522, "-", ""},
    {523, "[=] Zoom In", ""},
    {524, "[-] Zoom Out", ""},
    {525, "Show 3-D Flight-Path", ""},
    {526, "-", ""},
    {527, "Enter Flight Replay Mode",
     "Enter replay mode, which allows you to replay your flight like it was taped on a VCR."},
    {528, "Leave Flight Replay Mode",
     "Leave replay mode, which allows you to replay your flight like it was taped on a VCR."},
};

const item special_items[] = {
    {600, "Output One Flight Engine Cycle",
     "Dump all the math for one cycle of the sim to a disk output file so you can check the sim's math if you "
     "have the inclination."},
    {601, "-", ""},
    {602, "Reset Preferences and Exit",
     "Use this if the sim is acting flaky and you want to restart from the default condition."},
    {603, "-", ""},
    {604, "Instructions: Flight Controls", ""},
    {605, "Instructions: Cockpit", ""},
    {606, "Instructions: Keyboard", ""},
    {607, "Instructions: Air Traffic Control", ""},
    {608, "Instructions: Tech Support", ""},
    {609, "-", ""},
    {610, "Report Logged Time on Exit", "Use this to keep track of Total, night, and instrument time flown."},
};

const item by_airport_items[] = {
    {1200, "Airport ID...",
     "This will allow you to enter an airport ID and have Korvan put you on the ground there."},
    {1201, "Airport Name...",
     "This will allow you to enter an airport name and have Korvan put you on the ground there."},
};

const item by_location_items[] = {
    {1300, "Enroute...", "This will allow you to click on the local low-enroute chart to place your aircraft."},
    {1301, "Local VR...", "This will allow you to click on the local virtual-world chart to place your aircraft."},
    {1302, "World Visual...", "This will allow you to click on a global map to place your aircraft."},
    {1303, "Lat-Lon...",
     "This will allow you to choose a lat and lon to place your aircraft... Korvan will find the closest "
     "airport it can and start you off there."},
};

const item situation_items[] = {
    {1400, "Grass Field Approach",
     "This will put you on final to the nearest grass field that Korvan can find. Land slow and hold the nose "
     "off: soft ground grabs the nosewheel."},
    {1401, "Dirt Field Approach",
     "This will put you on final to the nearest dirt field that Korvan can find. Land slow and hold the nose "
     "off: soft ground grabs the nosewheel."},
    {1402, "Gravel Field Approach",
     "This will put you on final to the nearest gravel field that Korvan can find. Land slow and hold the nose "
     "off: loose stones give little braking."},
    {1403, "Helipad Approach",
     "This will put you on final to the nearest helipad that Korvan can find. You should be in a helo or a "
     "VTOL for this."},
    {1404, "Aircraft Carrier Approach",
     "This will put you on final to the nearest aircraft carrier that Korvan can find. You should be in a "
     "plane with a tailhook for this."},
    {1405, "Oil Rig Approach",
     "This will put you on final to the nearest oil rig that Korvan can find. You should be in a helo or a "
     "VTOL for this."},
    {1406, "Frigate Approach",
     "This will put you on final to the nearest frigate that Korvan can find. You should be in a helo or a "
     "VTOL for this."},
    {1407, "Formation Flying Approach",
     "This will put you behind another aircraft of your type and speed, allowing you to practice formation "
     "flying."},
    {1408, "Forest Fire Approach",
     "This will put you on approach to the nearest forest fire. You should be in a water bomber or a helo "
     "for this."},
    {1409, "Carrier Catshot",
     "This will put you on the catapault of the nearest carrier. You should be in a carrier plane for this."},
    {1410, "Seaplane Takeoff",
     "This will put you on the water ready for takeoff. You should be in a seaplane or an amphibian for this."},
};

template <int N>
void append_all(int menu, const item (&items)[N])
{
    for (const item& it : items) MACIBM_append_menu(menu, it.id, it.text, it.help);
}

// A submenu's title is never drawn; the toolkit takes a menu without a title
// for one that does not exist, so each carries its parent item's text.
void create_submenu(int m, int parent_id)
{
    MACIBM_create_menu(m, parent_id, mnw.item_name[parent_id / 100][parent_id % 100]);
}

char opposite_side(char suffix)
{
    if (suffix == 'L') return 'R';
    if (suffix == 'R') return 'L';
    return suffix;
}

void list_airport(int a)
{
    int n = ++env.apt_list_max;
    apt_to_index[n] = a;
    apt_listed = n + 1;
    build_apt(n, a);

    char caption[26];
    copy_bounded(caption, apt_name[a], sizeof caption);
    const int menus[3] = {7, 8, 9};
    const int subs[3] = {n + 15, n + 115, n + 215};
    for (int s = 0; s < 3; ++s) {
        MACIBM_append_menu(menus[s], menus[s] * 100 + n, caption, "");
        create_submenu(subs[s], menus[s] * 100 + n);
    }
    for (int k = 0; k < 3; ++k) {
        if (apt_len[a][k] <= 1) continue;
        int pad = apt_len[a][k] * con.mtrstoft < 500;
        char primary[16], reciprocal[16];
        rway_to_cs(apt_num[a][k], apt_lr[a][k], pad, primary);
        rway_to_cs(intwrap(apt_num[a][k] + 18, 1, 36), opposite_side(apt_lr[a][k]), pad, reciprocal);
        for (int sub : subs) {
            MACIBM_append_menu(sub, sub * 100 + 2 * k, primary, "");
            MACIBM_append_menu(sub, sub * 100 + 2 * k + 1, reciprocal, "");
        }
    }
    MACIBM_append_menu(4, 408 + n, caption, "");
}

void list_navaids()
{
    int last = intmin2(env.navmax, NAV_CAP - 1);
    for (int i = 0; i <= last; ++i) {
        if (!nav_inreg[i]) continue;
        if (nav_type[i] == 3) {
            int p = ++env.vor_list_max;
            if (p < REGION_LIST_CAP) {
                vor_to_index[p] = i;
                vor_listed = p + 1;
                MACIBM_append_menu(10, 1000 + p, nav_name[i], "");
            }
        }
        if (nav_type[i] == 2) {
            int p = ++env.ndb_list_max;
            if (p < REGION_LIST_CAP) {
                ndb_to_index[p] = i;
                ndb_listed = p + 1;
                MACIBM_append_menu(11, 1100 + p, nav_name[i], "");
            }
        }
    }
}

void notice(const char* l1, const char* l2, const char* l3, const char* l4)
{
    MACIBM_alert(l1, l2, l3, l4, ALERT_NOTICE);
}

void value_notice(const char* what, int value)
{
    char text[32];
    snprintf(text, sizeof text, "%d", value);
    notice(what, "", "", text);
}

void logbook_line(const char* label, float seconds, char* out, int dim)
{
    int hrs, min;
    sec_to_hrs_min(seconds, &hrs, &min);
    snprintf(out, dim, "%s%d:%d.", label, hrs, min);
}

void quit()
{
    if (env.apt_list_max > -1) dump_prefs(prf_path, 206);
    if (msc.logtime) {
        char total[80], night[80], ifr[80];
        logbook_line("Total time logged: ", msc.elap_time, total, sizeof total);
        logbook_line("Night time logged: ", msc.nigt_time, night, sizeof night);
        logbook_line("Actual instrument time logged: ", msc.aifr_time, ifr, sizeof ifr);
        notice("Logbook results:", total, night, ifr);
    }
    gdone = 1;
}

// Take-off, VFR and ILS runway items. Every index is checked before a table
// is read; a bad one is shown and the aircraft stays where it is.
void runway_item(int id)
{
    int type = 9, base = 215;
    if (id <= 11400) {
        type = 7;
        base = 15;
    } else if (id <= 21400) {
        type = 8;
        base = 115;
    }
    int n = id / 100 - base;
    if (n < 0 || n >= apt_listed || n >= REGION_LIST_CAP) {
        value_notice("Apt sel out of range!", n);
        return;
    }
    int apt = apt_to_index[n];
    if (apt < 0 || apt > env.aptmax || apt >= APT_CAP) {
        value_notice("loc_apt_wrl out of range!", apt);
        return;
    }
    int rway = id % 100;
    if (rway < 0 || rway > 5) {
        value_notice("rway_sel out of range!", rway);
        return;
    }
    msc.typestart = type;
    msc.loc_apt_wrl = apt;
    msc.rway_sel = rway;
    set_fltvars(9);
}

void navaid_item(int position, int listed, const int* to_index)
{
    if (position < 0 || position >= listed) return;
    int i = to_index[position];
    if (i < 0 || i > env.navmax || i >= NAV_CAP) return;
    set.cus_X = X_with_latlon(nav_lat[i], nav_lon[i]);
    set.cus_Z = Z_with_lat(nav_lat[i]);
    set.cus_Y = nav_h[i] + AIR_START_HEIGHT;
    set.cus_psi = 0;
    set.cus_v = AIR_START_SPEED * msc.est_Vs;
    set_fltvars(11);
}

// The aircraft flying keeps its names when the file chosen was refused.
struct aircraft_names {
    char file[400], path[400];
};

aircraft_names names_now()
{
    aircraft_names n;
    copy_bounded(n.file, pln.C_file, 400);
    copy_bounded(n.path, pln.C_path, 400);
    return n;
}

void put_back(const aircraft_names& n)
{
    copy_bounded(pln.C_file, n.file, 400);
    copy_bounded(pln.C_path, n.path, 400);
}

void open_aircraft()
{
    aircraft_names flying = names_now();
    if (!MACIBM_open(203, pln.C_file, pln.C_path)) return;
    load_plane();
    if (plane_refused) {
        put_back(flying);
        MACIBM_startwind(0);
        return;
    }
    msc.typestart = 7;
    set_fltvars(9);
    MACIBM_startwind(0);
}

char sit_file[400] = "Untitled.sit";
char sit_path[400];

void load_situation()
{
    if (!MACIBM_open(202, sit_file, sit_path)) return;
    aircraft_names flying = names_now();
    if (!grab_prefs(sit_path, 202, 1)) return;
    load_region();
    cus_to_region();
    load_plane();
    if (plane_refused) put_back(flying);
    set_fltvars(10);
    MACIBM_startwind(0);
}

void save_situation()
{
    if (MACIBM_save(202, sit_file, sit_path)) dump_prefs(sit_path, 202);
}

void settings_window(int id)
{
    static const int windows[][2] = {{300, 7},  {301, 8},  {303, 9},  {304, 10}, {306, 11},
                                     {307, 12}, {308, 13}, {309, 14}, {311, 15}, {312, 16},
                                     {314, 17}, {315, 18}, {316, 19}, {318, 20}, {319, 21}};
    for (const auto& w : windows)
        if (id == w[0]) MACIBM_startwind(w[1]);
}

void get_me_lost()
{
    set.cus_X = fltrand(env.lox, env.hix);
    set.cus_Z = fltrand(env.loz, env.hiz);
    set.cus_Y = fltrand(2000, 4000);
    set.cus_psi = fltrand(0, 360);
    set.cus_v = 1.3f * msc.est_Vs;
    set_fltvars(10);
}

void graphic_flight_record()
{
    if (set.grfsel[0] == -1 && set.grfsel[1] == -1 && set.grfsel[2] == -1 && set.grfsel[3] == -1) {
        notice("You have not selected any data to view!",
               "Close this window, go to the 'Settings' menu, and select 'Set Data Output'.",
               "Then select whatever data you want to view... the middle column selects data for graphical viewing.",
               "Then fly around for awhile and then view this data.");
        return;
    }
    MACIBM_startwind(22);
}

void airport_diagram(int n)
{
    int a = apt_to_index[n];
    if (a < 0 || a > env.aptmax || a >= APT_CAP) return;
    msc.map_type = 998;
    msc.plate_index = a;
    snprintf(diagram_title, sizeof diagram_title, "%s (%s)", apt_name[a], apt_id[a]);
    MACIBM_startwind(24);
}

void reset_flight_path()
{
    for (int s = 0; s < PATH_SAMPLES; ++s) {
        pat.inited[s] = 0;
        for (int v = 0; v < 7; ++v) pat.xyztppt[s][v] = 0;
    }
}

void choose_view(int id)
{
    scn.zoom = 1;
    set.view_type = id;
    set.view_is_fullscreen = (id >= 504 && id <= 509) || id == 511 || id == 513 || id == 514 || id == 517 ||
                             id == 518 || id == 520 || id == 521;
    if (id == 518) {
        msc.spotview_X = (float)(flt.X + 4 * flt.vX + 20);
        msc.spotview_Y = (float)(flt.Y + 4 * flt.vY + 20);
        msc.spotview_Z = (float)(flt.Z + 4 * flt.vZ + 20);
    }
}

void zoom(int in)
{
    if (set.view_type == 516 || set.view_type == 517)
        scn.dist = fltlim(scn.dist * (in ? 0.95f : 1.05f), scn.mindist, 9.9e9f);
    else
        scn.zoom = fltlim(scn.zoom * (in ? 2.0f : 0.5f), 1, 100);
}

void disable_preferences()
{
    if (ouf_open(prf_path, 206, -1)) {
        ouf << "z\n\n";
        ouf_close();
    }
    MACIBM_alert("I have disabled the preferences file.",
                 "The next time you start Korvan or, it will revert to the factory settings.",
                 "This should allow normal operation if the preferences file has become corrupted somehow.",
                 "I will now terminate the program. Run Korvan again to start in the standard condition.",
                 ALERT_FATAL);
}

void instructions(int id)
{
    switch (id) {
    case 604:
        notice("The joystick or yoke will the operate ailerons and elevator. Rudder pedals will operate the rudder. "
               "(Rudder will stay centered if you don't have pedals).",
               "If you have a Thrust-Master throttle or a throttle wheel on your joystick, it will operate the "
               "aircraft throttle.",
               "If you have no joystick or yoke, the mouse will work instead... just click in the center of the "
               "windshield to actviate mouse control.",
               "Go to the 'Settings' menu and select 'Set Flight Mode...' to assign rudder availability.");
        break;
    case 605:
        notice("Point and click to operate controls.",
               "Click above radio frequency knobs to increase frequency, below them to decrease.",
               "Click on the left and right side of the HSI OBS button to change the HSI OBS. Same with the "
               "pressure-setting on the altimeter.",
               "Just click the mouse wherever you want the throttle, flaps, etc to be to move them.");
        break;
    case 606:
        notice("You never have to use the keyboard.",
               "If you want to use the keyboard, equivalents are available for almost everything.",
               "See the file 'Korvan Instructions.txt' for a complete list of keyboard equivalents.",
               "You can also hit all the keys listed in the view menu to select views.");
        break;
    case 607:
        notice("Just hit the ENTER or RETURN key to bring up the air traffic control menu.",
               "Then point and click with the mouse to make your selection. (Selection in pulsing yellow "
               "recommended).",
               "Go to the 'Set Sound' option in the 'Settings' menu to select ATC audio output.", "");
        break;
    case 608:
        notice("Korvan support:", "Most trouble clears with 'Reset Preferences and Exit' in the 'Special' menu.",
               "The files 'Error.out' and 'Korvan.out' beside the program tell what happened at start-up.",
               "Send them along with any question about Korvan.");
        break;
    default:
        break;
    }
}

// Items that move the aircraft or open the settings: off while replaying.
void flying_item(int id)
{
    if (id == 0) MACIBM_alert("", "", "", "", ALERT_ABOUT);
    if (id == 100) open_aircraft();
    if (id == 102) load_situation();
    if (id == 103) save_situation();
    if (id == 105) quit();
    if (id >= 1500 && id <= 31400) runway_item(id);
    if (id >= 1000 && id <= 1089) navaid_item(id - 1000, vor_listed, vor_to_index);
    if (id >= 1100 && id <= 1189) navaid_item(id - 1100, ndb_listed, ndb_to_index);
    if (id == 1200) MACIBM_startwind(1);
    if (id == 1201) MACIBM_startwind(2);
    if (id == 1300 || id == 1301) {
        msc.map_type = id == 1300 ? 402 : 403;
        MACIBM_startwind(3);
    }
    if (id == 1302) MACIBM_startwind(4);
    if (id == 1303) MACIBM_startwind(5);
    if (id >= 1400 && id <= 1410) set_fltvars(12 + id - 1400);
    if (id == 212) MACIBM_startwind(6);
    if (id == 213) get_me_lost();
    settings_window(id);
}
} // namespace

// Closing the window from the desktop is Quit: the session's preferences are
// kept. During start-up they are not complete yet, and the run just ends.
void program_window_closed()
{
    if (done_initing) quit();
    else gdone = 1;
}

int reset_path_item()
{
    return 409 + apt_listed;
}

void APPLICATION_setupmenus()
{
    clear_menus();

    MACIBM_create_menu(0, -1, "About");
    MACIBM_append_menu(0, 0, "About", "");
    MACIBM_create_menu(1, -1, "File");
    append_all(1, file_items);
    MACIBM_create_menu(2, -1, "Location");
    append_all(2, location_items);
    MACIBM_create_menu(3, -1, "Settings");
    append_all(3, settings_items);
    MACIBM_create_menu(4, -1, "Output");
    append_all(4, output_items);
    MACIBM_create_menu(5, -1, "View");
    append_all(5, view_items);
    MACIBM_create_menu(6, -1, "Special");
    append_all(6, special_items);

    const int sub_parents[8][2] = {{7, 200},  {8, 202},  {9, 203},  {10, 205},
                                   {11, 206}, {12, 208}, {13, 209}, {14, 210}};
    for (const auto& s : sub_parents) create_submenu(s[0], s[1]);

    env.apt_list_max = env.vor_list_max = env.ndb_list_max = -1;
    apt_listed = vor_listed = ndb_listed = 0;
    int last = intmin2(env.aptmax, APT_CAP - 1);
    for (int a = 0; a <= last && apt_listed < REGION_LIST_CAP; ++a)
        if (apt_inreg[a]) list_airport(a);

    MACIBM_append_menu(4, 408 + apt_listed, "-", "");
    MACIBM_append_menu(4, reset_path_item(), "Reset Flight Path", reset_path_help);

    list_navaids();

    env.apt_list_max = intlim(env.apt_list_max, 0, REGION_LIST_CAP - 1);
    env.vor_list_max = intlim(env.vor_list_max, 0, REGION_LIST_CAP - 1);
    env.ndb_list_max = intlim(env.ndb_list_max, 0, REGION_LIST_CAP - 1);

    append_all(12, by_airport_items);
    append_all(13, by_location_items);
    append_all(14, situation_items);
}

void APPLICATION_handlemenu(int id)
{
    if (set.replay_mode == 0 || id == 105) flying_item(id);

    if (id == 400) graphic_flight_record();
    if (id >= 402 && id <= 404) {
        msc.map_type = id;
        MACIBM_startwind(3);
    }
    if (id == 405) MACIBM_startwind(23);
    if (id == 406) MACIBM_startwind(4);
    if (id >= 408 && id < 408 + apt_listed) airport_diagram(id - 408);
    if (id == reset_path_item()) reset_flight_path();
    if (id >= 500 && id <= 521) choose_view(id);
    if (id == 523 || id == 524) zoom(id == 523);
    if (id == 525) msc.show_path = !msc.show_path;
    if (id == 527 && set.replay_mode == 0) enter_replay();
    if (id == 528 && set.replay_mode != 0) leave_replay();
    if (id == 600) {
        set.cycoutwaiting = 1;
        notice("I will dump all the data for the next cycle of Korvan to the file 'Korvan.out'.",
               "This will include all the angles of attack, forces, velocities, etc. for this instant in time.",
               "Quit Korvan and open the file Korvan.out' with a word processor to read the resultant file.",
               "Be sure to turn off text-wrapping in your word processor or allow very wide text area for the file "
               "to look right.");
    }
    if (id == 602) disable_preferences();
    if (id >= 604 && id <= 608) instructions(id);
    if (id == 610) msc.logtime = !msc.logtime;
}
