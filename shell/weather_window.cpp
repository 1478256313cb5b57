// The weather windows: atmosphere (12), runway surface (13) and waves (14).
// Heights are edited in feet, visibility in nautical miles; the records keep
// metres, and a value is written back only in a frame where it was edited.
#include "settings_windows.h"

#include "cockpit/atc.h"
#include "records/flight_state.h"
#include "flight/force_accumulators.h"
#include "toolkit/HL_BTN.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/HL_TYPES.h"
#include "world/INITNAV.h"
#include "records/world_state.h"
#include "world/world_services.h"

namespace {
// One read-out of the right column, level with its slider: the number
// right-aligned before its unit.
void slider_readout(float y, float value, int dig, const char* unit)
{
    OGL_number(38, 323 - 6.0f * dig, y + 2, value, dig, 0, 6, 0);
    OGL_string(38, 329, y + 2, unit, 999, 6);
}
} // namespace

const char* visibility_words(float nm)
{
    if (nm < 0.5f) return "NM: socked in      ";
    if (nm < 1) return "NM: hardball IFR   ";
    if (nm < 2) return "NM: serious IFR    ";
    if (nm < 3) return "NM: instrument     ";
    if (nm < 5) return "NM: marginal visual";
    if (nm < 7) return "NM: adequate visual";
    if (nm < 10) return "NM: visual          ";
    return "NM: severe clear    ";
}

const char* level_words(float level)
{
    if (level > 4) return " severe ";
    if (level > 3) return " heavy  ";
    if (level > 2) return "moderate";
    if (level > 1) return " light  ";
    return "  none  ";
}

const char* burst_words(float level)
{
    if (level > 4) return "very high";
    if (level > 3) return "  high   ";
    if (level > 2) return " moderate";
    if (level > 1) return "  slight ";
    return "  none   ";
}

const char* trend_words(float rate)
{
    if (rate > 0.5f) return "   rapidly improving   ";
    if (rate > 0.1f) return "  gradually improving  ";
    if (rate > -0.1f) return "       stagnant        ";
    if (rate > -0.5f) return "gradually deteriorating";
    return " rapidly deteriorating ";
}

void couple_cloud_heights(int which, float fieldh, float* tops, float* base_msl, float* base_agl)
{
    if (which == 0 && *tops - *base_msl < 1000) *base_msl = *tops - 1000;
    if (which == 2) *base_msl = *base_agl + fieldh;
    if ((which == 1 || which == 2) && *tops - *base_msl < 1000) *tops = *base_msl + 1000;
    *base_agl = *base_msl - fieldh;
}

int friction_choice(float fric)
{
    // A ratio outside 0.4..1 from an old file takes the nearest choice.
    return intlim(round(interp(1, 1, 0.4f, 3, fric)), 1, 3);
}

void manage_atm()
{
    int apt = intlim(msc.loc_apt_wrl, 0, APT_CAP - 1);
    float fieldh = apt_h[apt] * con.mtrstoft;

    if (in2textbtn(114, 476, "     clear ", "   overcast", 37, &atm.cld_type) && atm.cld_type == 0) atm.rain_tstm = 1;

    float tops = atm.topsMSL * con.mtrstoft, base = atm.baseMSL * con.mtrstoft;
    float agl = base - fieldh;
    int which = -1;
    if (instdbtn_range(47, 19, 475, &tops, 5, 0, fieldh + 1050, 99999,
                       "The cloud tops (MSL) are how far the tops of the clouds are above Mean Sea Level."))
        which = 0;
    if (instdbtn_range(47, 19, 413, &base, 5, 0, fieldh + 50, 98999,
                       "The cloud bases (MSL) are how far the bases of the clouds are above Mean Sea Level."))
        which = 1;
    if (instdbtn_range(47, 122, 413, &agl, 5, 0, 50, 99999 - fieldh - 50 - 1000,
                       "The cloud bases (AGL) are how far the bases of the clouds are Above Ground Level."))
        which = 2;
    if (which >= 0) {
        couple_cloud_heights(which, fieldh, &tops, &base, &agl);
        atm.topsMSL = tops * con.fttomtrs;
        atm.baseMSL = base * con.fttomtrs;
    }

    float vis = atm.vis_rep * con.mtrstonm;
    if (util_scale(41, 344, 1, 0, 20, &vis)) atm.vis_rep = vis * con.nmtomtrs;
    if (util_scale(41, 278, 1, 1, 5, &atm.rain_tstm) && atm.rain_tstm > 1) atm.cld_type = 1;
    if (util_scale(41, 212, 1, 1, 5, &atm.wind_tbl)) assign_wind_tbl(1);
    util_scale(41, 146, 1, 1, 5, &atm.burst_prob);
    util_scale(119, 80, 2, -1, 1, &atm.rate_change);
    util_scale(303, 432, 1, 0, 50, &atm.wndspd);
    util_scale(303, 402, 1, 0, 360, &atm.wnddir);
    util_scale(303, 357, 1, 0, 50, &atm.shrspd);
    util_scale(303, 327, 1, 0, 180, &atm.shrdir);
    util_scale(303, 282, 1, 0, 9, &atm.tbl);
    util_scale(303, 184, 1, 0, 1, &atm.trml_prt);
    util_scale(303, 154, 1, 0, 500, &atm.trml_vvi);

    OGL_number(38, 48, 346, atm.vis_rep * con.mtrstonm, 3, 1, 6, 0);
    OGL_string(38, 72, 346, visibility_words(atm.vis_rep * con.mtrstonm), 999, 6);
    OGL_string(38, 96, 280, level_words(atm.rain_tstm), 999, 6);
    OGL_string(38, 96, 214, level_words(atm.wind_tbl), 999, 6);
    OGL_string(38, 96, 148, burst_words(atm.burst_prob), 999, 6);
    OGL_string(38, 50, 82, trend_words(atm.rate_change), 999, 6);
    slider_readout(432, atm.wndspd, 2, "knots");
    slider_readout(402, atm.wnddir, 3, "degrees magnetic");
    slider_readout(357, atm.shrspd, 2, "knots");
    slider_readout(327, atm.shrdir, 3, "degrees");
    slider_readout(184, atm.trml_prt * 100, 3, "% ground coverage");
    slider_readout(154, atm.trml_vvi, 3, "FPM climb rate");

    static char atis[400];
    get_ATIS(apt, 'A', atis, 0);
    OGL_string(38, 241, 106, atis, 351, 6);

    instdbtn_range(47, 487, 477, &atm.temp_SL, 3, 0, -20, 120,
                   "The temperature affects the engine power output and the lift, drag, and pitching moment of all "
                   "of the airfoils (including the prop). Warmer temperatures will result in thinner air and lower "
                   "engine power output and airfoil forces.");
    instdbtn_range(47, 477, 417, &atm.baro, 4, 2, 25, 35,
                   "This is the barometric pressure that would exist at sea level at your current location. Lower "
                   "barometric pressure will result in thinner air and lower engine power output and airfoil "
                   "forces.");

    if (mnw.mouse_clicked && fltbox(mnw.mx, mnw.my, 475, 375, 602, 400))
        for (int sector = 0; sector < 6; ++sector) gen_wx_for_sec(sector);
}

void manage_gnd()
{
    int code = friction_choice(atm.rway_fric_rat);
    in3textbtn(29, 95, "     clean and dry", "    damp or slushy", "      wet or icy  ", 61, &code);
    atm.rway_fric_rat = interp(1, 1, 3, 0.4f, (float)code);
}

void manage_wat()
{
    static const char* const tail =
        " Waves will effect any aircraft (floatplane or otherwise) that enters the water.";
    static char help[4][400];
    static const char* const heads[4] = {"This is how high the waves are.", "This is how long the waves are.",
                                         "This is how fast the waves move.",
                                         "This is whatdirection the waves are travelling in."};
    for (int k = 0; k < 4; ++k) {
        copy_bounded(help[k], heads[k], sizeof help[k]);
        app_C(help[k], tail);
    }
    float height = atm.wave_amp * con.mtrstoft;
    if (instdbtn(47, 18, 195, &height, 3, 1, 0, help[0])) atm.wave_amp = height * con.fttomtrs;
    float length = atm.wave_length * con.mtrstoft;
    if (instdbtn_range(47, 18, 140, &length, 3, 0, 1, 1000, help[1])) atm.wave_length = length * con.fttomtrs;
    float speed = atm.wave_speed * con.msctokts;
    if (instdbtn(47, 18, 85, &speed, 3, 0, 0, help[2])) atm.wave_speed = speed * con.ktstomsc;
    float dir = (float)atm.wave_dir;
    if (instdbtn_range(47, 18, 30, &dir, 3, 0, 0, 360, help[3])) atm.wave_dir = round(dir);
}
