// The simulator's window opener: the panel backdrop for window 0 and the
// menu windows 1-25 with their titles, sizes and backgrounds.
#include "records/cockpit_state.h"
#include "cockpit/panel_build.h"
#include "world/coordinates.h"
#include "records/flight_state.h"
#include "shell/MENUS.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TEXTURE.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <cmath>

namespace {
struct window_entry {
    const char* title;
    float dx, dy;
    const char* background;
};

const window_entry window_table[26] = {
    {"", 800, 600, nullptr},
    {"Airport by ID", 176, 440, "loc_id_"},
    {"Airport by Name", 334, 200, "loc_nam"},
    {"Enroute", 0, 0, "loc_nrt"},
    {"World", 788, 443, "loc_wrl"},
    {"Set Lat/Lon", 246, 165, "loc_lat"},
    {"Where Am I?", 531, 121, "loc_whr"},
    {"Set Data Output", 620, 400, "set_dat"},
    {"Set Serial Output", 600, 478, "set_ser"},
    {"Set Time Of Day", 691, 147, "set_tim"},
    {"Set Rendering Options", 600, 540, "set_ogl"},
    {"Set Weather Space", 197, 84, "set_spa"},
    {"Set Weather Atmosphere", 618, 527, "set_atm"},
    {"Set Weather Ground", 197, 148, "set_gnd"},
    {"Set Weather Water", 197, 271, "set_wat"},
    {"Set Joystick & Flight Mode", 787, 519, "set_flt"},
    {"Set Weights & Fuel", 436, 252, "set_wgt"},
    {"Set Reliability", 344, 345, "set_rel"},
    {"Set Reliability", 350, 520, "set_ins"},
    {"Set Reliability", 682, 560, "set_eqp"},
    {"Set Sound", 293, 250, "set_snd"},
    {"Set Warnings", 550, 172, "set_wrn"},
    {"Graphics Output", 620, 420, "out_grf"},
    {"Isometric Region", 760, 540, nullptr},
    {"", 432, 494, "out_plt"},
    {"Flight Plan", 589, 415, "fltplan"},
};

float scaled(float metres, float lo, float hi)
{
    float v = metres * con.mtrtonrt;
    if (!std::isfinite(v)) return lo;
    return (float)round(fltlim(v, lo, hi));
}

// Title and size of the simulator's window index; 0 when it has none.
int simulator_window(int index, const char** title, float* dx, float* dy)
{
    if (index < 1 || index > 25) return 0;
    const window_entry& w = window_table[index];
    *title = index == 24 ? diagram_title : w.title;
    *dx = w.dx;
    *dy = w.dy;
    if (index == 3) {
        *dx = fltlim(scaled(env.dx, -71, 790) + 71, 0, 790);
        *dy = scaled(env.dz, 0, 580);
    }
    return 1;
}

void reset_map_view()
{
    env.zoom_rat = 1;
    int a = msc.plate_index;
    if (msc.map_type == 998 && a >= 0 && a < APT_CAP) {
        env.os_X_plan = X_with_latlon(apt_lat[a][0], apt_lon[a][0]) - 25950;
        env.os_Z_plan = Z_with_lat(apt_lat[a][0]) + 25950;
    } else {
        env.os_X_plan = env.lox;
        env.os_Z_plan = env.hiz;
    }
    env.os_X_gs = 0;
}
} // namespace

void MACIBM_startwind(int index)
{
    const char* title = "";
    float dx = 400, dy = 300;
    if (!toolkit_window(index, &title, &dx, &dy)) simulator_window(index, &title, &dx, &dy);
    // Keep a copy of the title: the airport diagram's is a string that the
    // menus rewrite.
    char title_copy[400];
    copy_bounded(title_copy, title, sizeof title_copy);
    if (index == 0 && done_initing) load_panel_textures();
    open_window_begin(index, dx, dy);
    if (index == 0) {
        draw_menu_bar();
        MACIBM_draw_menubar();
    } else {
        draw_window_frame(title_copy, dx, dy, index != 996 && index != 997 && index != 998);
        draw_toolkit_window(index);
    }
    if (index == 0 && !done_initing) {
        // A program run from outside its folder starts without the picture.
        if (texbmp_exists(BMP_TO_CANVAS, 0, startup_picture)) OGL_texbmp(BMP_TO_CANVAS, 0, 0, startup_picture);
        MACIBM_showinit(0);
    } else {
        if (index == 0) build_panel();
        if (index >= 1 && index <= 25 && window_table[index].background)
            OGL_texbmp(BMP_TO_CANVAS, index == 3 ? (int)(dx - 71) : 0, 0, window_table[index].background);
        if (done_initing) reset_map_view();
    }
    open_window_end();
}
