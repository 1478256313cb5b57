// What the simulator supplies to the toolkit (toolkit/program_variant.h):
// its alert kinds, folders and files, the panel-light tint, the cockpit
// backdrop, its check marks, the seasonal terrain textures, the sound switch
// and the wing that comes off past the never-exceed speed.
#include "toolkit_variant.h"

#include "records/cockpit_state.h"
#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_JOY.h"
#include "toolkit/HL_SOUND.h"
#include "toolkit/HL_TEXTURE.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/program_variant.h"
#include "platform/serial.h"
#include "records/world_state.h"

#include <cmath>

const int ALERT_ABOUT = 'T';   // 84
const int ALERT_NOTICE = 'U';  // 85
const int ALERT_NUMBER = 'V';  // 86
const int ALERT_FATAL = 'W';   // 87

const char* const program_name = "Korvan";
const char* const program_prefs_file = "Korvan 4.prf";
const int program_keeps_larger_desktop = 0;

const char* about_lines[4] = {
    "Korvan",
    "A flight simulator that flies an aircraft from its geometry: every wing, tail and blade element, every frame.",
    "Aircraft, airfoils and scenery are made with Fabrex, Sectra and Gelvani; Nimbrel gives the weather briefing.",
    "",
};

namespace {
const char* renamed(const texture_rename* table, int count, int number, const char* name)
{
    for (int k = 0; k < count; ++k)
        if (table[k].number == number) return table[k].name;
    return name;
}
} // namespace

void program_gl_ready()
{
    ins.r_rat = ins.g_rat = ins.b_rat = 1;
}

void program_load_textures()
{
    if (is_3dfx) OGL_texbmp(-100, 80, -105, "cursor");
    OGL_texbmp(-100, 79, -105, "letters");
    OGL_texbmp(-100, 81, -105, "dg");
}

void program_finishup()
{
    dispose_sound();
    JOY_force(27, 0, 0, 0);
    JOY_close();
    if (plat_serial_is_open()) plat_serial_close();
}

void program_tint(float* r, float* g, float* b)
{
    *r = ins.r_rat;
    *g = ins.g_rat;
    *b = ins.b_rat;
}

int program_backdrop_layout()
{
    return set.view_is_fullscreen ? 2 : 1;
}

// Current view, path display, replay on/off, time logging.
int program_item_checked(int c)
{
    return (c >= 500 && c <= 521 && c == set.view_type) || (c == 525 && msc.show_path) ||
           (c == 527 && set.replay_mode) || (c == 528 && !set.replay_mode) || (c == 610 && msc.logtime);
}

const char* texture_file_name(int number, const char* name)
{
    const bool cold = terrain_snowy(atm.temp_SL);
    const bool tropic = terrain_tropical(flt.lat);
    if (cold) name = renamed(snow_names, snow_names_count, number, name);
    if (tropic) name = renamed(tropic_names, tropic_names_count, number, name);
    if (cold && tropic) name = renamed(snow_tropic_names, snow_tropic_names_count, number, name);
    return name;
}

void program_texture_path(int number, const char* name, char* path)
{
    app_C(path, number >= 1000 && number <= 1100 ? "additional nav data/objects/" : "textures/");
    app_C(path, texture_file_name(number, name));
}

int texture_divisor(int number)
{
    static const int plain[5] = {4, 2, 2, 1, 1};
    static const int terrain[5] = {16, 8, 4, 2, 1};
    if (number >= 79 && number <= 82) return 1;
    int r = intlim(ogl_res, 1, 5) - 1;
    return number >= 15 && number <= 26 ? terrain[r] : plain[r];
}

int program_sound_avail()
{
    return msc.sound_avail;
}

int program_sound_on()
{
    return msc.sound_on;
}

// Past the never-exceed speed the right wing has come off.
int program_part_lost(int en)
{
    return flt.over_vne && (en == 5 || en == 7 || en == 9);
}

float program_view_range()
{
    return atm.vis_eff;
}

float program_view_zoom()
{
    return scn.zoom;
}

int program_plane_lights()
{
    return 1;
}

// The flight model's pulse: a 2 rad/s flash.
float program_light_pulse()
{
    return 0.5f + 0.5f * std::sin(2 * msc.elap_time);
}
