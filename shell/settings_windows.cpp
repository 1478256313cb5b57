// The settings windows' shared helpers, their titles and sizes, and the
// windows that edit one or two values. Each handler runs once a frame while
// its window is open: it draws its widgets over the window's frame and writes
// what they edit straight into the records; work that must follow an edit is
// done by process_zap when the window closes.
#include "settings_windows.h"

#include "DO_APP.h"
#include "moving_map.h"
#include "records/settings_and_recordings.h"
#include "world/coordinates.h"
#include "records/flight_state.h"
#include "flight/start_placement.h"
#include "toolkit/HL_BTN.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/codes.h"
#include "world/INITNAV.h"
#include "records/world_state.h"
#include "world/world_services.h"

#include <cmath>
#include <cstdio>
#include <cstring>

int button_sel;
int new_XRES, new_YRES;
float nz_ptch_display, nz_roll_display;

namespace {
// The pointer under a horizontal slider's bar end.
void slider_pointer(float x, float y)
{
    for (int k = 0; k <= 8; ++k) {
        float half = k * 0.5f;
        OGL_line(49, x - half, y - 4 - k, x + half, y - 4 - k);
    }
    OGL_line(46, x, y - 4, x - 4, y - 12);
    OGL_line(52, x, y - 4, x + 4, y - 12);
    OGL_line(52, x - 4, y - 12, x + 4, y - 12);
}

// Puts the point at the centre of the 3 x 2-degree world window.
void go_near(float lat, float lon)
{
    env.lat_sou = round(lat - 1);
    env.lon_wes = round(lon - 1.5f);
}
} // namespace

int util_scale(float x, float y, int dir, float data1, float data2, float* data)
{
    // The slider a drag took hold of keeps following it off its grab box
    // until the button comes up: a fast drag past the end sets the end.
    static float grab_x, grab_y;
    static int grab_dir = -1;
    if (!mnw.now_dragging) grab_dir = -1;
    const int mine = grab_dir == dir && grab_x == x && grab_y == y;
    int inside = 0;
    if (dir == 0) inside = fltbox(mnw.mx, mnw.my, x, y - 10, x + 20, y + 54 + 10);
    else if (dir == 1) inside = fltbox(mnw.mx, mnw.my, x - 10, y - 15, x + 156 + 10, y + 11);
    else inside = fltbox(mnw.mx, mnw.my, x - 78 - 10, y - 15, x + 78 + 10, y + 11);
    int set_now = 0;
    if (mnw.now_dragging && inside && (grab_dir < 0 || mine || mnw.mouse_clicked)) {
        grab_x = x, grab_y = y, grab_dir = dir;
        set_now = 1;
    } else if (mine && mnw.mouse_clicked) {
        grab_dir = -1;   // a new press off the track lets go
    } else if (mine) {
        set_now = 1;
    }
    if (set_now) {
        if (dir == 0) *data = interp(y, data1, y + 54, data2, mnw.my);
        else if (dir == 1) *data = interp(x, data1, x + 156, data2, mnw.mx);
        else *data = interp(x - 78, data1, x + 78, data2, mnw.mx);
    }
    const float lo = fltmin2(data1, data2), hi = fltmax2(data1, data2);
    if (set_now) *data = fltlim(*data, lo, hi);
    // A value beyond the track (a real-weather gale, an old file's number) is
    // shown at the track's end but kept: only a drag changes it.
    float shown = std::isfinite(*data) ? *data : data1;
    shown = fltlim(shown, lo, hi);
    float frac = data2 != data1 ? (shown - data1) / (data2 - data1) : 0;
    if (dir == 0) {
        OGL_fillrect(47, x, y, 20, frac * 54);
    } else if (dir == 1) {
        OGL_fillrect(50, x, y, frac * 156, 11);
        slider_pointer(x + frac * 156, y);
    } else {
        float end = x - 78 + frac * 156;
        OGL_fillrect(44, fltmin2(x, end), y, std::fabs(end - x), 11);
        slider_pointer(end, y);
    }
    return set_now;
}

int util_yval(int i)
{
    int row = i;
    if (i >= 3 && i <= 4) row = i + 1;
    else if (i >= 5 && i <= 7) row = i + 2;
    else if (i >= 8 && i <= 14) row = i + 3;
    else if (i >= 15 && i <= 19) row = i + 4;
    else if (i >= 20 && i <= 24) row = i - 20;
    else if (i >= 25 && i <= 27) row = i - 19;
    else if (i >= 28 && i <= 36) row = i - 18;
    else if (i >= 37 && i <= 38) row = i - 17;
    else if (i == 39) row = 23;
    else if (i >= 40 && i <= 41) row = i - 40;
    else if (i >= 42 && i <= 47) row = i - 39;
    else if (i >= 48 && i <= 49) row = i - 38;
    return 356 - 15 * row;
}

void util_isomize(const float* point, float* x, float* y, float scale)
{
    *x = (float)round(((env.hiz - point[2]) * 0.3f + (point[0] - env.lox)) * scale);
    *y = (float)round(((env.hiz - point[2]) * 0.7f + point[1]) * scale);
}

const char* compass_word(int bearing)
{
    static const char* const words[9] = {"north", "north-east", "east", "south-east", "south",
                                         "south-west", "west", "north-west", "north"};
    for (int k = 0; k < 8; ++k)
        if (bearing < 22.5f + 45 * k) return words[k];
    return words[8];
}

void where_am_i_text(char* out, int dim)
{
    int a = intlim(msc.loc_apt_wrl, 0, APT_CAP - 1);
    float ax = X_with_latlon(apt_lat[a][0], apt_lon[a][0]);
    float az = Z_with_lat(apt_lat[a][0]);
    float dx = (float)flt.X - ax, dz = (float)flt.Z - az;
    int miles = round(pythag(dx, dz) * con.mtrstonm);
    int bearing = intwrap(round(std::atan2(dx, az - (float)flt.Z) * con.radtodeg), 0, 359);
    char name[41], id[5];
    copy_bounded(name, apt_name[a], sizeof name);
    copy_bounded(id, apt_id[a], sizeof id);
    std::snprintf(out, dim, "%d miles %s of %s (%s)", miles, compass_word(bearing), name, id);
}

void cap_data_channels()
{
    struct {
        int* boxes;
        int cap;
    } caps[2] = {{set.Bgrf, 4}, {set.Brlt, 10}};
    for (auto& c : caps) {
        int n = 0;
        for (int i = 0; i < 60; ++i) n += c.boxes[i] != 0;
        for (int i = 0; i < 60 && n > c.cap; ++i)
            if (c.boxes[i]) {
                c.boxes[i] = 0;
                --n;
            }
    }
}

void manage_id_()
{
    static const float col_x[4] = {93, 110, 127, 144};
    for (int c = 0; c < 4; ++c) {
        if ((mnw.mouse_clicked || mnw.now_dragging) && mnw.mx >= col_x[c] && mnw.mx < col_x[c] + 17) {
            int code = (int)((424 - mnw.my) / 11);
            msc.apt_id_req[c] = code_to_char(intlim(code, 0, 36));
        }
    }
    msc.apt_id_req[4] = 0;
    for (int c = 0; c < 4; ++c) {
        int code = intlim(char_to_code(msc.apt_id_req[c]), 0, 36);
        OGL_framerect(9, col_x[c], 424 - 11.0f * code - 11, 16, 13);
    }
}

void manage_nam()
{
    int last = intlim(env.aptmax, -1, APT_CAP - 1);
    plot_name_list(20, 111, apt_name[0], apt_id[0], &msc.loc_apt_wrl, 0, last);
    if (!mnw.mouse_clicked) return;
    if (fltbox(mnw.mx, mnw.my, 20, 15, 155, 35) && last >= 0) {
        int a = intlim(msc.loc_apt_wrl, 0, last);
        go_near(apt_lat[a][0], apt_lon[a][0]);
        msc.typestart = 7;
        load_region();
        set_fltvars(9);
        MACIBM_startwind(0);
    } else if (fltbox(mnw.mx, mnw.my, 155, 15, 290, 35)) {
        MACIBM_startwind(0);
    }
}

void manage_wrl()
{
    auto map_x = [](float lon) { return interp(-180, 0, 180, 788, lon); };
    auto map_y = [](float lat) { return interp(-60, 50, 80, 443, lat); };
    int first = 1;
    for (int c = 0; c < PATH_SAMPLES; ++c) {
        const float* s = pat.xyztppt[c];
        float lat = env.lat_sou + (env.hiz - s[2]) * con.mtrstonm / 60;
        float coslat = std::cos(lat * con.degtorad);
        float lon = env.lon_wes + (s[0] - env.lox) * con.mtrstonm / (60 * (coslat != 0 ? coslat : 1));
        float x = map_x(lon), y = map_y(lat);
        if (!fltbox(x, y, 0, 50, 788, 443)) continue;
        plot_path(first, x, y, c);
        first = 0;
    }
    float lat = lat_with_z((float)flt.Z), lon = lon_with_xz((float)flt.X, (float)flt.Z);
    flashplane(map_x(lon), map_y(lat), flt.psi);
    // Only the map picks a place: beside it there is no latitude to take.
    if (mnw.mouse_clicked && fltbox(mnw.mx, mnw.my, 0, 50, 788, 443)) {
        go_near(interp(50, -60, 443, 80, mnw.my), interp(0, -180, 788, 180, mnw.mx));
        set_up_env_with_request_latlon();
        MACIBM_startwind(0);
    }
}

void manage_lat()
{
    // The fields show the window's centre; the window is kept centred on the entry.
    float lat = env.lat_sou + 1.0f;
    instdbtn_range(47, 153, 130, &lat, 2, 0, -60, 60,
                   "Korvan will go to the closest airport to this latitude that it can find and put you on the "
                   "ground there, ready for take-off.");
    env.lat_sou = round(lat - 1);
    float lon = env.lon_wes + 1.5f;
    instdbtn_range(47, 143, 85, &lon, 3, 0, -180, 180,
                   "Korvan will go to the closest airport to this longitude that it can find and put you on the "
                   "ground there, ready for take-off.");
    env.lon_wes = round(lon - 1.5f);
}

void manage_whr()
{
    OGL_number(47, 67, 62, lat_with_z((float)flt.Z), 4, 2, 10, 1);
    OGL_number(47, 67, 42, lon_with_xz((float)flt.X, (float)flt.Z), 5, 2, 10, 1);
    static char text[400];
    where_am_i_text(text, sizeof text);
    OGL_string(47, 24, 22, text, 999, 6);
}

void manage_dat()
{
    static const char* const help_dsk =
        "This data will go to a file called 'Korvan.out' in simple text format. This data can be used for "
        "graphing, spreadsheets, manual interpretation, or other light reading.";
    static const char* const help_grf =
        "This data will go to the graphics display for visual reference. Check it out at 'Graphic Flight Record' "
        "in the 'Output' menu. This is useful for looking at trends over some period of time.";
    static const char* const help_rlt =
        "This data will go to the cockpit display in numerical form so you can look at the exact numbers in "
        "flight. This is handy for rapid in-flight testing.";
    // Channels 50-59 have no names and no place in the window.
    for (int i = 0; i < 50; ++i) {
        float x = i < 20 ? 9 : i < 40 ? 241 : 435;
        float y = (float)util_yval(i);
        inboolbtn(x, y, &set.Bdsk[i], help_dsk);
        inboolbtn(x + 17, y, &set.Bgrf[i], help_grf);
        inboolbtn(x + 34, y, &set.Brlt[i], help_rlt);
    }
    cap_data_channels();
}

void manage_ser()
{
    static const float ys[6] = {451, 430, 366, 302, 238, 174};
    for (int m = 0; m < 6; ++m) inonebool(20, ys[m], &set.serout, m);
}

void manage_tim()
{
    if (mnw.mouse_clicked) msc.locl_time = 3600 * fltlim(interp(38, 0, 652, 24, mnw.mx), 0, 24);
    float hours_f = msc.locl_time / 3600;
    float end = interp(0, 38, 24, 652, hours_f);
    OGL_fillrect(47, 38, 60, end - 38, 30);
    int hours = (int)(msc.locl_time / 3600);
    int minutes = (int)(msc.locl_time / 60) - 60 * hours;
    OGL_number(47, 133, 26, (float)hours, 2, 0, 7, 0);
    OGL_string(47, 145, 26, ":", 999, 7);
    OGL_number(47, 150, 26, (float)minutes, 2, 0, 7, 0);
}

void manage_spa()
{
    in4textbtn(31, 29, "         light ", "       moderate", "         heavy ", "        severe ", 61,
               &atm.meteorite_code);
}

void manage_snd()
{
    inboolbtn(19, 223, &msc.sound_on, "This turns on Korvan engine, wind, rain, flap, gear, and other sounds.");
    inboolbtn(19, 200, &msc.warn_bb,
              "This turns on the aural warning system sounds (Bitchin' Betty) on airplanes so equipped.");
    inboolbtn(19, 177, &set.voice_out,
              "This allows verbal air traffic control. You have to have speech synthesis from Apple or Microsoft "
              "installed on your machine for this to work.");
    inboolbtn(19, 154, &set.text_out,
              "This allows air traffic control text output, which you might want turned off if you are using "
              "verbal air traffic control.");
    OGL_string(47, 25, 130,
               msc.speech_avail ? "Speech synthesis for air traffic control voice output IS installed on this machine."
                                : "Speech synthesis for air traffic control voice output is not installed on this "
                                  "machine.",
               240, 6);
    OGL_string(41, 25, 90, "On Linux, install the espeak-ng speech synthesizer to hear air traffic control.", 240,
               6);
}

void manage_wrn()
{
    inboolbtn(19, 134, &msc.warn_frame,
              "If this is on, Korvan will warn you annoyingly if your frame rate gets too low.");
    inboolbtn(19, 87, &msc.warn_overspeed,
              "If this is on, Korvan will shed certain flying surfaces if you overspeed your plane. Do not overspeed "
              "your plane.");
    inboolbtn(19, 40, &msc.warn_flaps,
              "If this is on, Korvan will warn you annoyingly if you lower the flaps above your maximum flap "
              "extension speed (Vfe, the high-end of the white arc if any on the airspeed indicator.");
}
