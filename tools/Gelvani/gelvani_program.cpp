// The scenery editor's start-up, menus, keys and quitting.
#include "gelvani_program.h"

#include "edit_screens.h"
#include "gelvani_records.h"
#include "map_view.h"
#include "nav_files.h"
#include "terrain_square.h"

#include "toolkit/HL_FILE.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/HL_TEXTURE.h"
#include "toolkit/HL_TYPES.h"
#include "tools/tool_program.h"

#include <cmath>
#include <cstring>

namespace gelvani {

int (*ask_save_changes)(const char* name) = MACIBM_nuke_alert;

namespace {
const int PRF_KIND = 206, PRF_VERSION = 464;

// The twelve terrain textures in loading order, under the toolkit's numbers.
const struct {
    int number;
    const char* name;
} terrain_textures[12] = {{15, "wat"},       {19, "grs"},       {23, "mnt"},       {16, "grs_wat_h"},
                          {17, "grs_wat_c"}, {18, "wat_grs_c"}, {20, "grs_mnt_h"}, {21, "grs_mnt_c"},
                          {22, "mnt_grs_c"}, {24, "mnt_wat_h"}, {25, "mnt_wat_c"}, {26, "wat_mnt_c"}};

int whole_in(float v, int lo, int hi)
{
    return std::isfinite(v) && v == std::floor(v) && v >= lo && v <= hi;
}

// The selected item's name follows the text-entry line; a new name is an
// unsaved change like any other.
void rename_selected()
{
    char* name = nullptr;
    int* dirty = nullptr;
    int a = intlim(msc.apt_index, 0, APT_SLOTS - 1), n = intlim(msc.nav_index, 0, NAV_SLOTS - 1);
    // Only what the screen shows is renamed: no airport while the table is
    // empty, no navaid of another type than the one listed.
    if (msc.edit_mode == EDIT_OBSTACLES) name = obj_name[intlim(msc.obj_index, 0, OBJ_SLOTS - 1)], dirty = &msc.map_dirty;
    else if (msc.edit_mode == EDIT_AIRPORTS && msc.aptmax >= 0) name = apt_name[a], dirty = &msc.apt_dirty;
    else if (msc.edit_mode == EDIT_NAVAIDS && nav_type[n] == selected_type) name = nav_name[n], dirty = &msc.nav_dirty;
    if (!name) return;
    char renamed[NAME_DIM] = {0};
    memcpy(renamed, g_cs1, strnlen(g_cs1, NAME_DIM - 1));
    if (memcmp(renamed, name, NAME_DIM) == 0) return;
    memcpy(name, renamed, NAME_DIM);
    *dirty = 1;
}

void run_mode_handler()
{
    switch (msc.edit_mode) {
    case EDIT_TERRAIN: handle_map(); break;
    case EDIT_OBSTACLES: handle_obs(); break;
    case EDIT_AIRPORTS: handle_apt(); break;
    case EDIT_NAVAIDS: handle_nav(); break;
    default: break;
    }
}

void toggle_texture_mode()
{
    if (msc.edit_mode != EDIT_TERRAIN && msc.edit_mode != EDIT_OBSTACLES) return;
    msc.draw_tex = !msc.draw_tex;
    if (msc.draw_tex) assign_terrain_texes(GRID_I, GRID_J);
}
} // namespace

void set_defaults()
{
    memset(&msc, 0, sizeof msc);
    msc.edit_mode = EDIT_TERRAIN;
    msc.map_latfile = 33;
    msc.map_lonfile = -119;
    msc.map_zoom = 1;
    msc.map_mode = 0;
    msc.map_res = 99;
    msc.map_ic_elev = 29;
    msc.map_jc_elev = 39;
    msc.map_i1_elev = 28;
    msc.map_j1_elev = 38;
    msc.map_i2_elev = 30;
    msc.map_j2_elev = 40;
    msc.obj_mode = 98;
    msc.aptmax = -1;
    msc.navmax = -1;
}

void read_prefs()
{
    int saved_soft = scan_soft, saved_use = inf_use;
    scan_soft = 1;
    scan_failed = 0;
    inf_use = 1;
    if (inf_open(prf_path, PRF_KIND, PRF_VERSION, 0)) {
        float lat = fltscan(prf_path);
        float lon = fltscan(prf_path);
        int map_mode = intscan(prf_path);
        int edit_mode = intscan(prf_path);
        int apt_index = intscan(prf_path);
        int nav_index = intscan(prf_path);
        // A damaged file leaves the defaults; each value stands only when it makes sense.
        if (!scan_failed) {
            if (whole_in(lat, -90, 89) && whole_in(lon, -180, 179)) {
                msc.map_latfile = lat;
                msc.map_lonfile = lon;
            }
            if (map_mode >= 0 && map_mode <= 2) msc.map_mode = map_mode;
            msc.edit_mode = edit_mode >= EDIT_TERRAIN && edit_mode <= EDIT_NAVAIDS ? edit_mode : EDIT_TERRAIN;
            if (apt_index >= 0 && apt_index < APT_SLOTS) msc.apt_index = apt_index;
            if (nav_index >= 0 && nav_index < NAV_SLOTS) msc.nav_index = nav_index;
        }
    }
    inf1.close();
    inf1.clear();
    scan_soft = saved_soft;
    scan_failed = 0;
    inf_use = saved_use;
}

int write_prefs()
{
    if (!ouf_open(prf_path, PRF_KIND, PRF_VERSION)) return 0;
    ouf << msc.map_latfile << " dat\n";
    ouf << msc.map_lonfile << " dat\n";
    ouf << msc.map_mode << " dat\n";
    ouf << msc.edit_mode << " dat\n";
    ouf << msc.apt_index << " dat\n";
    ouf << msc.nav_index << " dat\n";
    return ouf_close();
}

void load_everything()
{
    set_defaults();
    read_prefs();
    for (const auto& t : terrain_textures) OGL_texbmp(TEX_FROM_FOLDER, t.number, TEX_MIPMAP, t.name);
    flat_sea();
    memset(nav_type, 0, sizeof nav_type);
    clear_obstacles();
    read_terrain();
    set_nav_paths();
    load_airports();
    load_navaids();
    // Selections kept from an earlier run must name loaded records.
    if (msc.apt_index > msc.aptmax) msc.apt_index = 0;
    if (msc.nav_index > msc.navmax) msc.nav_index = 0;
}

int writeout(int type, int)
{
    switch (type) {
    case EDIT_TERRAIN: return write_terrain();
    case EDIT_AIRPORTS: return write_airports();
    case EDIT_NAVAIDS: return write_navaids();
    default: return 0;
    }
}

int handle_save(int mode, int mod)
{
    if (!mod) return 1;
    const char* name = mode == EDIT_TERRAIN ? "Terrain file" : mode == EDIT_AIRPORTS ? "Airport file" : "Navaid file";
    int answer = ask_save_changes(name);
    // A save that failed keeps the work: the caller goes no further.
    if (answer == 1) return writeout(mode, 0);
    if (answer == 2) return 1;
    return 0;
}

void quit_program()
{
    if (!handle_save(EDIT_TERRAIN, msc.map_dirty)) return;
    if (!handle_save(EDIT_AIRPORTS, msc.apt_dirty)) return;
    if (!handle_save(EDIT_NAVAIDS, msc.nav_dirty)) return;
    write_prefs();
    gdone = 1;
}

const char* backdrop_name()
{
    switch (msc.edit_mode) {
    case EDIT_OBSTACLES: return "WM_OBS";
    case EDIT_AIRPORTS: return "WM_APT";
    case EDIT_NAVAIDS: return "WM_NAV";
    default: return "WM_MAP";
    }
}

int gelvani_main()
{
    MACIBM_init();
    load_everything();
    return tool_run();
}

} // namespace gelvani

using namespace gelvani;

void APPLICATION_setupmenus()
{
    MACIBM_create_menu(0, -1, "About");
    MACIBM_append_menu(0, 0, "About", "Check the version number of this program.");
    MACIBM_create_menu(1, -1, "File");
    MACIBM_append_menu(1, 100, "Save Terrain and Obstacles",
                       "Save the terrain and obstacles for this square degree of latitude and longitude to the "
                       "'additional nav data' folder, where it will over-ride any scenery on the Korvan CD.");
    MACIBM_append_menu(1, 101, "Save Airports", "Save the airports to the 'additional nav data' folder.");
    MACIBM_append_menu(1, 102, "Save Navaids", "Save the NAVAIDS to the 'additional nav data' folder.");
    MACIBM_append_menu(1, 103, "-", "");
    MACIBM_append_menu(1, 104, "Quit", "Quit the scenery editor.");
    MACIBM_create_menu(2, -1, "Edit");
    MACIBM_append_menu(2, 200, "Terrain", "Edit terrain for this square degree of latitude and longitude.");
    MACIBM_append_menu(2, 201, "Obstacles", "Edit obstacles for this square degree of latitude and longitude.");
    MACIBM_append_menu(2, 202, "Airports", "Edit airports for the entire planet.");
    MACIBM_append_menu(2, 203, "Navaids", "Edit NAVAIDS for the entire planet.");
    MACIBM_append_menu(2, 204, "-", "");
    MACIBM_append_menu(2, 205, "[SPACE] Texture Mode",
                       "See how the textures will look in Korvan. Use this option to tune your coastlines (by "
                       "selecting which polys are on water) to avoid any weird texturing artifacts.");
}

void APPLICATION_update()
{
    if (mnw.topwin != 0) return;
    run_mode_handler();
    // A click on the menu bar (a title pulled down or put away) edits nothing.
    int edit_click = mnw.mouse_clicked && !on_menu_bar(mnw.mx, mnw.my);
    if (edit_click && msc.edit_mode == EDIT_AIRPORTS) msc.apt_dirty = 1;
    if (edit_click && msc.edit_mode == EDIT_NAVAIDS) msc.nav_dirty = 1;
    if (msc.edit_mode == EDIT_TERRAIN || msc.edit_mode == EDIT_OBSTACLES) {
        plot_terrain();
        OGL_number(7, 53, 38, ret_lat(mnw.my), 5, 2, 10, 1);
        OGL_number(7, 53, 16, ret_lon(mnw.mx), 5, 2, 10, 1);
    }
}

void APPLICATION_handlekey(char c)
{
    if (c == 32) toggle_texture_mode();
    if (msc.edit_mode == EDIT_TERRAIN) return;
    // The text-entry line takes printable characters only, up to a name's length.
    int len = (int)strnlen(g_cs1, NAME_DIM - 1);
    if (c == 8 || c == 127) {
        if (len > 0) g_cs1[len - 1] = 0;
    } else if (c == '\r' || c == '\n') {
        return_hit = 1;
    } else if (c >= 32 && c <= 126 && len < NAME_DIM - 1) {
        // The first letter typed for an unnamed obstacle replaces the placeholder.
        if (msc.edit_mode == EDIT_OBSTACLES && !strcmp(g_cs1, UNNAMED_OBSTACLE)) len = 0;
        g_cs1[len] = c;
        g_cs1[len + 1] = 0;
    }
    g_cs1[NAME_DIM - 1] = 0;
    rename_selected();
    run_mode_handler();
}

void APPLICATION_handlemenu(int item)
{
    switch (item) {
    case 0: MACIBM_alert("", "", "", "", ALERT_ABOUT); break;
    case 100: writeout(EDIT_TERRAIN, 0); break;
    case 101: writeout(EDIT_AIRPORTS, 0); break;
    case 102: writeout(EDIT_NAVAIDS, 0); break;
    case 104: quit_program(); break;
    case 200:
    case 201:
    case 202:
    case 203:
        msc.edit_mode = item;
        MACIBM_startwind(0);
        break;
    case 205: toggle_texture_mode(); break;
    default: break;
    }
}

void process_zap(int) {}

// Closing the window from the desktop is Quit, with its save questions.
void program_window_closed()
{
    quit_program();
}

void MACIBM_startwind(int index)
{
    tool_startwind(index, 800, 600, backdrop_name(), 1);
}
