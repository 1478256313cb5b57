// Backdrops of the simulator's settings windows: the window face with the
// captions, arrows, wells and frames around the places where each window's
// widgets draw themselves (the widgets draw only what changes), and the
// start-up picture that every program of the suite shows.
#include "media.h"
#include "media_font.h"
#include "media_noise.h"
#include "flight/data_channels.h"
#include "shell/settings_windows.h"

#include "toolkit/HL_BTN.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace {
const colour FACE = {153, 153, 153};   // the toolkit's window face, colour 12
const colour TEXT = {0, 0, 0};
const colour SOFT = {60, 60, 60};
const colour WELL = {0, 0, 0};
const colour LIGHT = {204, 204, 204};
const colour SHADE = {51, 51, 51};
const colour ARROW = {70, 70, 70};

void caption(picture& p, float x, float y, const char* s, colour c = TEXT)
{
    pic_text(p, c, x, y, s, 1);
}

void well(picture& p, float x, float y, float w, float h)
{
    pic_rect(p, WELL, x, y, w, h);
    pic_bevel(p, x - 1, y - 1, w + 2, h + 2, 0, LIGHT, SHADE);
}

void up_arrow(picture& p, float cx, float y)
{
    pic_polygon(p, ARROW, {cx - 3.5f, y, cx + 3.5f, y, cx, y + 5});
}

void down_arrow(picture& p, float cx, float y)
{
    pic_polygon(p, ARROW, {cx - 3.5f, y + 5, cx + 3.5f, y + 5, cx, y});
}

// Numeric field: digits 10 apart from x + 3; each digit steps up from
// above (y + 10 .. y + 20) and down from below (y - 14 .. y - 4).
void number_field(picture& p, float x, float y, int dig, bool sign = false)
{
    float left = sign ? x - 5 : x;
    well(p, left, y - 2, x + 10 * dig - left, 11);
    for (int k = 0; k < dig; ++k) {
        up_arrow(p, x + 10 * k + 5, y + 12);
        down_arrow(p, x + 10 * k + 5, y - 11);
    }
}

// Choice field: the text at (x, y), its step column at x + dx (15 wide),
// up above the text line, down below it.
void choice_field(picture& p, float x, float y, float dx, int chars)
{
    well(p, x - 2, y - 2, 6.0f * chars + 3, 11);
    up_arrow(p, x + dx + 7.5f, y + 12);
    down_arrow(p, x + dx + 7.5f, y - 11);
}

// Identifier field: n columns of 10; a click below y + 3 steps forward.
void char_field(picture& p, float x, float y, int n)
{
    well(p, x, y - 2, 10.0f * n, 11);
    for (int k = 0; k < n; ++k) {
        up_arrow(p, x + 10 * k + 5, y + 12);
        down_arrow(p, x + 10 * k + 5, y - 11);
    }
}

void check_box(picture& p, float x, float y, const char* text)
{
    pic_rect(p, SHADE, x - 1, y - 1, 11, 11);
    caption(p, x + 15, y + 1, text);
}

// Slider tracks: dir 0 vertical (x .. x + 20, y .. y + 54), dir 1
// horizontal (x .. x + 156), dir 2 centred (x - 78 .. x + 78), 11 high.
void slider(picture& p, float x, float y, int dir)
{
    if (dir == 0) {
        well(p, x, y, 20, 54);
        return;
    }
    float x1 = dir == 1 ? x : x - 78;
    well(p, x1, y, 156, 11);
    for (int k = 0; k <= 4; ++k) pic_rect(p, SOFT, x1 + 39.0f * k, y - 3, 1, 2);
    if (dir == 2) pic_rect(p, SOFT, x, y - 4, 1, 3);
}

void push_button(picture& p, float x1, float y1, float x2, float y2, const char* text)
{
    pic_rect(p, rgb(170, 170, 170), x1, y1, x2 - x1, y2 - y1);
    pic_bevel(p, x1, y1, x2 - x1, y2 - y1, 1, LIGHT, SHADE);
    pic_bevel(p, x1 + 1, y1 + 1, x2 - x1 - 2, y2 - y1 - 2, 1, LIGHT, SHADE);
    pic_text_centred(p, TEXT, (x1 + x2) / 2, (y1 + y2) / 2, text, 1);
}

} // namespace

void pic_file_button(picture& p, float x, float y)
{
    float x1, y1, x2, y2;
    file_button_box(x, y, &x1, &y1, &x2, &y2);
    pic_rect(p, rgb(170, 170, 170), x1, y1, x2 - x1, y2 - y1);
    pic_bevel(p, x1, y1, x2 - x1, y2 - y1, 1, LIGHT, SHADE);
    // The chooser's folder symbol, centred.
    const float fx = (x1 + x2) / 2 - 5, fy = (y1 + y2) / 2 - 4;
    pic_polygon(p, rgb(230, 200, 60), {fx, fy, fx, fy + 5, fx + 1, fy + 5, fx + 3, fy + 7, fx + 5, fy + 7, fx + 7, fy + 5,
                                       fx + 10, fy + 5, fx + 10, fy});
}

namespace {
// An engraved group frame with its title breaking the top edge.
void group(picture& p, float x, float y, float w, float h, const char* title)
{
    pic_frame(p, SHADE, x, y, w, h, 1);
    pic_frame(p, LIGHT, x + 1, y - 1, w, h, 1);
    if (title && *title) {
        float tw = text_width(title, 1);
        pic_rect(p, FACE, x + 8, y + h - 4, tw + 6, 8);
        caption(p, x + 11, y + h - 3, title);
    }
}

// The 13-row name list at (os_x, os_y) with its arrows and slider.
void name_list(picture& p, float ox, float oy)
{
    well(p, ox, oy - 64, 270, 135);
    pic_rect(p, rgb(170, 170, 170), ox + 278, oy + 57, 17, 14);
    up_arrow(p, ox + 286.5f, oy + 61);
    pic_rect(p, rgb(170, 170, 170), ox + 278, oy - 64, 17, 14);
    down_arrow(p, ox + 286.5f, oy - 60);
    well(p, ox + 279, oy - 49, 15, 105);
}

picture face(int w, int h)
{
    return pic_new(w, h, FACE);
}

// --- the windows ----------------------------------------------------------

picture airport_by_id()
{
    picture p = face(176, 440);
    static const char alphabet[] = " 0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (int col = 0; col < 4; ++col) {
        float x = 93 + 17.0f * col;
        well(p, x, 424 - 11 * 37, 17, 11 * 37);
        for (int c = 0; c < 37; ++c) {
            char s[2] = {alphabet[c], 0};
            pic_text(p, rgb(140, 200, 140), x + 6, 424 - 11.0f * (c + 1) + 2, s, 1);
        }
    }
    caption(p, 8, 424, "Airport");
    caption(p, 8, 414, "identifier:");
    caption(p, 8, 394, "Click one");
    caption(p, 8, 384, "character in");
    caption(p, 8, 374, "each column,");
    caption(p, 8, 364, "then close");
    caption(p, 8, 354, "the window to");
    caption(p, 8, 344, "go there.");
    return p;
}

picture airport_by_name()
{
    picture p = face(334, 200);
    name_list(p, 20, 111);
    push_button(p, 20, 15, 155, 35, "Go to this airport");
    push_button(p, 155, 15, 290, 35, "Cancel");
    return p;
}

// The strip right of the moving map: fields, zoom, pan and centre buttons.
void map_strip(picture& p, float x0)
{
    pic_rect(p, rgb(140, 140, 140), x0, 0, 71, (float)p.h);
    pic_rect(p, SHADE, x0, 0, 1, (float)p.h);
    caption(p, x0 + 20, 456, "HDG");
    number_field(p, x0 + 20, 432, 3);
    caption(p, x0 + 5, 394, "ALT FT");
    number_field(p, x0 + 5, 370, 6);
    caption(p, x0 + 10, 332, "GS KTS");
    number_field(p, x0 + 10, 308, 5);
    push_button(p, x0 + 1, 210, x0 + 71, 230, "ZOOM IN");
    push_button(p, x0 + 1, 190, x0 + 71, 210, "ZOOM OUT");
    push_button(p, x0 + 27, 164, x0 + 47, 184, "^");
    push_button(p, x0 + 27, 128, x0 + 47, 148, "v");
    push_button(p, x0 + 9, 146, x0 + 29, 166, "<");
    push_button(p, x0 + 45, 146, x0 + 65, 166, ">");
    push_button(p, x0 + 1, 79, x0 + 71, 124, "CENTRE");
    caption(p, x0 + 4, 50, "Click the", SOFT);
    caption(p, x0 + 4, 40, "map to fly", SOFT);
    caption(p, x0 + 4, 30, "from there.", SOFT);
}

picture enroute_strip()
{
    picture p = pic_new(71, 494, FACE);
    map_strip(p, 0);
    return p;
}

// The world map, longitude -180..180 over x 0..788 and latitude -60..80
// over y 50..443: the continents as rough outlines of our own.
picture world_map()
{
    picture p = face(788, 443);
    auto X = [](float lon) { return (lon + 180) / 360 * 788; };
    auto Y = [](float lat) { return 50 + (lat + 60) / 140 * 393; };
    pic_rect(p, rgb(40, 74, 128), 0, 50, 788, 393);
    static const float north_america[] = {-168, 66, -162, 70, -141, 70, -128, 70, -110, 73, -94, 72, -80, 70, -62, 60, -56, 52,
                                          -66, 45, -70, 42, -75, 38, -76, 35, -81, 31, -80, 25, -82, 28, -84, 30, -90, 29,
                                          -97, 27, -97, 22, -92, 19, -87, 21, -88, 16, -83, 10, -79, 9, -80, 8, -84, 9,
                                          -92, 14, -105, 20, -110, 24, -112, 30, -118, 33, -124, 40, -124, 47, -130, 55,
                                          -140, 60, -152, 58, -158, 57, -165, 60};
    static const float greenland[] = {-55, 60, -43, 60, -20, 70, -18, 77, -30, 83, -60, 82, -70, 77, -58, 70};
    static const float south_america[] = {-78, 9, -72, 12, -62, 11, -51, 4, -35, -5, -38, -13, -40, -22, -48, -26, -53, -34,
                                          -58, -38, -65, -42, -66, -55, -72, -53, -74, -45, -73, -37, -71, -28, -70, -18,
                                          -76, -14, -81, -5, -80, 0, -77, 4};
    static const float eurasia[] = {-10, 36, -9, 43, -2, 44, -5, 48, 2, 51, 8, 54, 8, 57, 5, 60, 5, 62, 14, 68, 25, 71,
                                    40, 68, 60, 70, 70, 73, 90, 76, 110, 77, 130, 72, 150, 71, 170, 70, 180, 66, 178, 62,
                                    163, 60, 156, 51, 143, 59, 135, 54, 141, 48, 130, 42, 127, 38, 122, 40, 121, 31, 117, 24,
                                    108, 21, 106, 11, 104, 2, 100, 7, 98, 16, 94, 17, 91, 22, 80, 15, 77, 8, 73, 18, 67, 24,
                                    57, 26, 52, 27, 49, 30, 48, 28, 56, 22, 59, 22, 55, 17, 44, 13, 43, 17, 34, 28, 33, 31,
                                    36, 36, 27, 37, 26, 40, 22, 37, 19, 40, 12, 44, 15, 41, 8, 44, 3, 42, -2, 37};
    static const float africa[] = {-17, 21, -16, 12, -8, 5, 4, 6, 9, 4, 9, -1, 13, -12, 12, -17, 15, -27, 18, -34, 25, -34,
                                   32, -28, 35, -22, 40, -15, 40, -10, 44, -2, 51, 11, 44, 11, 37, 22, 33, 31, 20, 32, 10, 37,
                                   -1, 36, -6, 36, -10, 30};
    static const float australia[] = {114, -22, 122, -17, 130, -12, 137, -12, 141, -11, 143, -14, 146, -19, 153, -26, 151, -33,
                                      147, -38, 141, -38, 136, -35, 129, -32, 122, -34, 115, -34};
    static const float antarctica_rim[] = {-180, -60, 180, -60, 180, -65, -180, -65};
    static const float britain[] = {-5, 50, 1, 51, 0, 54, -2, 57, -5, 58, -6, 55};
    static const float japan[] = {130, 31, 132, 34, 136, 35, 140, 36, 142, 40, 141, 44, 145, 44, 140, 41, 138, 37, 133, 33};
    static const float indonesia[] = {95, 5, 106, -6, 115, -8, 120, -9, 119, -5, 109, -1, 117, 1, 118, 5, 110, 2, 102, 1};
    static const float madagascar[] = {44, -25, 47, -25, 50, -15, 49, -12, 44, -17};
    static const float new_zealand[] = {167, -46, 172, -41, 175, -37, 178, -38, 174, -42, 170, -46};
    const float* shapes[] = {north_america, greenland, south_america, eurasia, africa, australia, antarctica_rim,
                             britain, japan, indonesia, madagascar, new_zealand};
    const size_t sizes[] = {sizeof north_america, sizeof greenland, sizeof south_america, sizeof eurasia, sizeof africa,
                            sizeof australia, sizeof antarctica_rim, sizeof britain, sizeof japan, sizeof indonesia,
                            sizeof madagascar, sizeof new_zealand};
    for (int s = 0; s < 12; ++s) {
        std::vector<float> xy;
        for (size_t k = 0; k + 1 < sizes[s] / sizeof(float); k += 2) {
            xy.push_back(X(shapes[s][k]));
            xy.push_back(Y(shapes[s][k + 1]));
        }
        pic_polygon(p, rgb(96, 130, 74), xy);
    }
    for (int lon = -150; lon <= 150; lon += 30) pic_rect(p, rgb(90, 120, 170), X((float)lon), 50, 1, 393);
    for (int lat = -30; lat <= 60; lat += 30) pic_rect(p, rgb(90, 120, 170), 0, Y((float)lat), 788, 1);
    pic_rect(p, rgb(150, 170, 210), 0, Y(0), 788, 1);
    caption(p, 12, 26, "Click anywhere on the map to go to the nearest airport there.");
    return p;
}

picture set_lat_lon()
{
    picture p = face(246, 165);
    caption(p, 20, 130, "Latitude:");
    number_field(p, 153, 130, 2, true);
    caption(p, 20, 85, "Longitude:");
    number_field(p, 143, 85, 3, true);
    caption(p, 20, 40, "Close the window to go", SOFT);
    caption(p, 20, 30, "to the nearest airport.", SOFT);
    return p;
}

picture where_am_i()
{
    picture p = face(531, 121);
    caption(p, 12, 64, "LAT");
    well(p, 64, 58, 80, 16);
    caption(p, 12, 44, "LON");
    well(p, 64, 38, 90, 16);
    well(p, 20, 18, 500, 13);
    caption(p, 160, 64, "degrees north (+) / south (-)", SOFT);
    caption(p, 160, 44, "degrees east (+) / west (-)", SOFT);
    return p;
}

// Data output: for each channel slot a row of three boxes (file, graph,
// cockpit read-out) at the window's own rows, its number and its label.
picture set_data_output()
{
    picture p = face(620, 400);
    const float cols[3] = {9, 241, 435}, ends[3] = {239, 433, 617};
    for (int c = 0; c < 3; ++c) {
        caption(p, cols[c] - 1, 374, "F");
        caption(p, cols[c] + 16, 374, "G");
        caption(p, cols[c] + 33, 374, "C");
        caption(p, cols[c] + 52, 374, "channel", SOFT);
    }
    for (int i = 0; i < 50; ++i) {
        int c = i / 20 < 2 ? i / 20 : 2;
        float x = cols[c], y = (float)util_yval(i);
        for (int b = 0; b < 3; ++b) pic_rect(p, SHADE, x + 17 * b - 1, y - 1, 11, 11);
        char s[8];
        snprintf(s, sizeof s, "%2d", i);
        caption(p, x + 54, y + 1, s);
        char label[48];
        channel_caption(i, (int)((ends[c] - (x + 69) + 1) / 6), label, sizeof label);
        caption(p, x + 69, y + 1, label, SOFT);
    }
    caption(p, 435, 60, "F: to the file Korvan.out", SOFT);
    caption(p, 435, 45, "G: to the graph, 4 at most", SOFT);
    caption(p, 435, 30, "C: to the cockpit, 10 at most", SOFT);
    return p;
}

picture set_serial()
{
    picture p = face(600, 478);
    group(p, 10, 160, 580, 308, "Serial output");
    static const float ys[6] = {451, 430, 366, 302, 238, 174};
    static const char* const modes[6] = {
        "Off",
        "GPS sentences for a moving-map receiver, 4800 bit/s",
        "Air data for outside instruments, 38400 bit/s",
        "Motion seat Rock-n-Ride, 2400 bit/s",
        "Position for outside displays, 38400 bit/s",
        "Accelerations for outside displays, 38400 bit/s"};
    for (int m = 0; m < 6; ++m) caption(p, 40, ys[m] + 1, modes[m]);
    return p;
}

// Time of day: hours 0..24 along x 38..652.
picture set_time()
{
    picture p = face(691, 147);
    well(p, 38, 60, 614, 30);
    for (int h = 0; h <= 24; ++h) {
        float x = 38 + h * 614.0f / 24;
        pic_rect(p, SOFT, x, 92, 1, h % 6 ? 3 : 6);
        if (h % 3 == 0) {
            char s[4];
            snprintf(s, sizeof s, "%d", h);
            pic_text_centred(p, TEXT, x + 0.5f, 104, s, 1);
        }
    }
    pic_text_centred(p, SOFT, 38 + 614 / 2.0f, 120, "noon", 1);
    pic_text_centred(p, SOFT, 38, 120, "midnight", 1);
    pic_text_centred(p, SOFT, 652, 120, "midnight", 1);
    caption(p, 40, 26, "Local time:");
    well(p, 130, 23, 34, 12);
    caption(p, 180, 26, "Click on the scale to set the time of day.", SOFT);
    return p;
}

picture set_rendering()
{
    picture p = face(600, 540);
    caption(p, 290, 502, "Texture resolution:");
    choice_field(p, 434, 502, 30, 12);
    caption(p, 290, 457, "Trees:");
    choice_field(p, 434, 457, 30, 12);
    caption(p, 290, 412, "Screen resolution:");
    choice_field(p, 434, 412, 30, 12);
    // The driver's strings wrap 440 wide from x 150; the extensions take five
    // lines, down to 290.
    group(p, 15, 284, 578, 91, "OpenGL driver");
    group(p, 15, 140, 578, 135, "Advice");
    caption(p, 25, 30, "A new screen resolution takes effect the next time Korvan starts.", SOFT);
    return p;
}

picture set_space()
{
    picture p = face(197, 84);
    caption(p, 31, 55, "Meteor showers:");
    choice_field(p, 31, 29, 61, 15);
    return p;
}

picture set_atmosphere()
{
    picture p = face(618, 527);
    caption(p, 114, 500, "Clouds:");
    choice_field(p, 114, 476, 37, 11);
    caption(p, 19, 500, "Tops MSL ft");
    number_field(p, 19, 475, 5);
    caption(p, 19, 437, "Bases MSL ft");
    number_field(p, 19, 413, 5);
    caption(p, 122, 437, "Bases AGL ft");
    number_field(p, 122, 413, 5);
    const struct {
        float x, y;
        int dir;
        const char* text;
    } sliders[] = {{41, 344, 1, "Visibility"}, {41, 278, 1, "Precipitation"}, {41, 212, 1, "Turbulence"},
                   {41, 146, 1, "Wind shear and microbursts"}, {119, 80, 2, "Weather change"},
                   {303, 432, 1, "Wind speed"}, {303, 402, 1, "Wind direction"}, {303, 357, 1, "Gust speed"},
                   {303, 327, 1, "Gust direction"}, {303, 282, 1, "Turbulence level"}, {303, 184, 1, "Thermal coverage"},
                   {303, 154, 1, "Thermal climb"}};
    for (const auto& s : sliders) {
        slider(p, s.x, s.y, s.dir);
        float cx = s.dir == 2 ? s.x - 78 : s.x;
        // The right column's rows stand too close for a caption above or
        // below, where the row's own pointer or the one above would run over
        // it: the caption leads the track on its line, clear of the pointer.
        if (s.x > 300) caption(p, s.x - 7 - text_width(s.text, 1), s.y + 2, s.text, SOFT);
        else caption(p, cx, s.y + 16, s.text);
    }
    caption(p, 241, 120, "ATIS:");
    well(p, 238, 30, 357, 86);
    caption(p, 487, 499, "Sea-level F");
    number_field(p, 487, 477, 3, true);
    caption(p, 477, 439, "Barometer inHg");
    number_field(p, 477, 417, 4);
    push_button(p, 475, 375, 602, 400, "New weather field");
    return p;
}

picture set_ground()
{
    picture p = face(197, 148);
    caption(p, 29, 120, "Runway condition:");
    choice_field(p, 29, 95, 61, 18);
    return p;
}

picture set_water()
{
    picture p = face(197, 271);
    const char* labels[4] = {"Wave height ft", "Wave length ft", "Wave speed kts", "Wave direction"};
    const float ys[4] = {195, 140, 85, 30};
    for (int k = 0; k < 4; ++k) {
        number_field(p, 18, ys[k], 3);
        caption(p, 64, ys[k], labels[k]);
    }
    return p;
}

picture set_flight()
{
    picture p = face(787, 519);
    caption(p, 15, 478, "Stick response");
    const char* axes[3] = {"Pitch", "Roll", "Yaw"};
    for (int k = 0; k < 3; ++k) {
        slider(p, 21 + 34.0f * k, 404, 0);
        pic_text_centred(p, TEXT, 31 + 34.0f * k, 394, axes[k], 1);
    }
    push_button(p, 22, 350, 162, 370, "Reset null zone");
    push_button(p, 22, 320, 162, 340, "Set null zone");
    well(p, 42, 203, 100, 100);
    caption(p, 42, 190, "Null zone seen", SOFT);
    caption(p, 440, 500, "Flight mode");
    slider(p, 479, 432, 0);
    caption(p, 505, 481, "realistic", SOFT);
    caption(p, 505, 434, "very easy", SOFT);
    check_box(p, 475, 381, "Rudder pedals");
    check_box(p, 475, 332, "Avionics stack");
    check_box(p, 475, 282, "Throttle quadrant");
    check_box(p, 475, 222, "Collective");
    group(p, 190, 20, 260, 475, "Joystick buttons");
    // The 22 buttons the user picks from, each beside the frame that marks
    // the chosen one, and the 31 functions a button can take.
    static const char* const buttons[22] = {
        "hat forward", "hat back",  "hat left",  "hat right", "button 1",  "button 2",  "button 3",  "button 4",
        "button 5",    "button 6",  "button 7",  "button 8",  "button 9",  "button 10", "button 11", "button 12",
        "button 13",   "button 14", "button 15", "button 16", "button 17", "button 18"};
    static const char* const functions[31] = {
        "nothing",          "trim (key ])",       "trim (key [)",       "key 9",
        "key 0",            "key 7",              "key 8",              "rudder left",
        "rudder right",     "look forward",       "look down (held)",   "look left (held)",
        "look right (held)", "previous view",     "next view",          "flaps up a notch",
        "flaps down a notch", "vector/sweep back", "vector/sweep ahead", "gear",
        "parking brake (held)", "speed brake",    "heading mode",       "thrust reverse",
        "jettison",         "free view 1",        "free view 2",        "free view 3",
        "free view 4",      "ATC (Return)",       "space bar"};
    for (int n = 0; n < 22; ++n) caption(p, 201, 469 - 20.0f * n + 4, buttons[n]);
    for (int k = 0; k < 31; ++k) caption(p, 295, 474 - 15.0f * k + 1, functions[k]);
    return p;
}

picture set_weights()
{
    picture p = face(436, 252);
    const char* labels[5] = {"Empty", "Payload", "Fuel", "Jettison", "Total"};
    const float ys[5] = {205, 162, 117, 72, 29};
    for (int k = 0; k < 5; ++k) caption(p, 20, ys[k], labels[k]);
    for (float y : {160.0f, 115.0f, 70.0f}) slider(p, 117, y, 1);
    caption(p, 200, 225, "pounds", SOFT);
    caption(p, 330, 133, "Endurance hr");
    caption(p, 330, 45, "Maximum");
    return p;
}

const char* failure_item[32] = {
    "vacuum system",        "airspeed indicator",   "attitude indicator", "altimeter",
    "turn coordinator",     "directional gyro",     "vertical speed",     "electronic display 1",
    "electronic display 2", "radios",               "engine",             "ailerons",
    "elevator",             "rudder",               "flaps",              "slats",
    "throttles",            "nose gear",            "left gear",          "right gear",
    "electrical system",    "hydraulic system",     "engine governor",    "stability augment.",
    "flap symmetry",        "stabilizer trim",      "thrust reverser",    "anti-ice",
    "oil pump",             "cockpit lights",       "autopilot",          "tail rotor",
};

void failure_rows(picture& p, int first, int last, float x_os, float top)
{
    for (int c = first; c <= last; ++c) {
        float y = top - 39.0f * (c - first);
        caption(p, x_os + 10, y, failure_item[c]);
        choice_field(p, x_os + 151, y, 54, 18);
        number_field(p, x_os + 282, y, 2);
    }
}

picture set_reliability()
{
    picture p = face(344, 345);
    caption(p, 30, 253, "Failure level:");
    number_field(p, 166, 253, 1);
    caption(p, 30, 200, "0 means nothing fails; the higher", SOFT);
    caption(p, 30, 190, "the number, the more often the", SOFT);
    caption(p, 30, 180, "equipment of the aircraft fails.", SOFT);
    return p;
}

picture set_instrument_failures()
{
    picture p = face(350, 520);
    slider(p, 21, 445, 0);
    caption(p, 50, 490, "reliable", SOFT);
    caption(p, 50, 448, "failing", SOFT);
    failure_rows(p, 0, 9, 0, 378);
    caption(p, 282, 405, "hours", SOFT);
    return p;
}

picture set_equipment_failures()
{
    picture p = face(682, 560);
    slider(p, 21, 485, 0);
    slider(p, 353, 485, 0);
    caption(p, 50, 530, "reliable", SOFT);
    caption(p, 50, 488, "failing", SOFT);
    caption(p, 382, 530, "reliable", SOFT);
    caption(p, 382, 488, "failing", SOFT);
    failure_rows(p, 10, 20, 0, 418);
    failure_rows(p, 21, 31, 332, 418);
    return p;
}

picture set_sound()
{
    picture p = face(293, 250);
    check_box(p, 19, 223, "Sound effects");
    check_box(p, 19, 200, "Warning voice");
    check_box(p, 19, 177, "Spoken air traffic control");
    check_box(p, 19, 154, "Written air traffic control");
    return p;
}

picture set_warnings()
{
    picture p = face(550, 172);
    check_box(p, 19, 134, "Warn when the frame rate is too low");
    check_box(p, 19, 87, "Shed surfaces when overspeeding");
    check_box(p, 19, 40, "Warn when flaps are out above Vfe");
    return p;
}

// Data graph: four strips around y = 85 + 90 g over the time axis 105..605.
picture graph_output()
{
    picture p = face(620, 420);
    for (int g = 0; g < 4; ++g) {
        float base = 85 + 90.0f * g;
        well(p, 105, base - 40, 500, 80);
        for (float x = 105; x < 605; x += 6) pic_rect(p, rgb(60, 60, 60), x, base, 3, 1);
        for (int s = 1; s < 10; ++s) pic_rect(p, rgb(40, 40, 40), 105 + 50.0f * s, base - 40, 1, 80);
    }
    caption(p, 20, 19, "Start (s):");
    number_field(p, 110, 19, 2);
    caption(p, 250, 20, "Time under mouse:");
    well(p, 392, 17, 30, 11);
    return p;
}

// Airport diagram: the map (7..354, 184..487), the approach profile below
// it, the small picture, and the same strip as the moving map.
picture airport_plate()
{
    picture p = face(432, 494);
    well(p, 7, 184, 347, 303);
    well(p, 7, 40, 219, 125);   // the approach profile, left of the airport's picture
    caption(p, 7, 170, "Approach profile", SOFT);
    caption(p, 240, 174, "Elev ft", SOFT);
    map_strip(p, 361);
    push_button(p, 290, 14, 360, 34, "<< profile");
    push_button(p, 361, 14, 432, 34, "profile >>");
    return p;
}

// The filed flight plan, laid out like the paper form.
picture flight_plan()
{
    picture p = face(589, 415);
    pic_rect(p, rgb(236, 232, 214), 4, 4, 581, 407);
    auto box = [&](float x, float y, float w, float h, const char* title) {
        pic_frame(p, SOFT, x, y, w, h, 1);
        caption(p, x + 3, y + h - 9, title, SOFT);
    };
    caption(p, 200, 400, "FLIGHT PLAN");
    box(4, 340, 60, 60, "");
    check_box(p, 10, 385, "IFR");
    check_box(p, 10, 368, "VFR");
    check_box(p, 10, 351, "DVFR");
    box(64, 340, 280, 60, "2 AIRCRAFT");
    well(p, 76, 367, 80, 12);
    box(344, 340, 170, 60, "3 DEPARTURE");
    char_field(p, 354, 366, 4);
    box(514, 340, 71, 60, "4 ALT FT");
    number_field(p, 527, 366, 5);
    box(4, 130, 340, 210, "5 DESTINATION");
    char_field(p, 25, 160, 4);
    box(344, 90, 241, 250, "6 REMARKS");
    box(4, 4, 581, 126, "7 PILOT");
    check_box(p, 278, 105, "Mr.");
    check_box(p, 322, 105, "Mrs.");
    caption(p, 10, 30, "The plan is filed when this window closes.", SOFT);
    return p;
}

// Small lettering of our own for the big title: the 5 x 7 font enlarged.
void big_text(picture& p, colour c, float cx, float y, const char* s, float dot)
{
    pic_text(p, scaled(c, 0.3f), cx - text_width(s, dot) / 2 + dot * 0.4f, y - dot * 0.4f, s, dot);
    pic_text(p, c, cx - text_width(s, dot) / 2, y, s, dot);
}
} // namespace

picture make_window_backdrop(const char* name)
{
    std::string n(name);
    if (n == "loc_id_") return airport_by_id();
    if (n == "loc_nam") return airport_by_name();
    if (n == "loc_nrt") return enroute_strip();
    if (n == "loc_wrl") return world_map();
    if (n == "loc_lat") return set_lat_lon();
    if (n == "loc_whr") return where_am_i();
    if (n == "set_dat") return set_data_output();
    if (n == "set_ser") return set_serial();
    if (n == "set_tim") return set_time();
    if (n == "set_ogl") return set_rendering();
    if (n == "set_spa") return set_space();
    if (n == "set_atm") return set_atmosphere();
    if (n == "set_gnd") return set_ground();
    if (n == "set_wat") return set_water();
    if (n == "set_flt") return set_flight();
    if (n == "set_wgt") return set_weights();
    if (n == "set_rel") return set_reliability();
    if (n == "set_ins") return set_instrument_failures();
    if (n == "set_eqp") return set_equipment_failures();
    if (n == "set_snd") return set_sound();
    if (n == "set_wrn") return set_warnings();
    if (n == "out_grf") return graph_output();
    if (n == "out_plt") return airport_plate();
    if (n == "fltplan") return flight_plan();
    return picture{};
}

// The start-up picture of every program: dawn over the hills, a runway
// running into the distance, and the suite's name. It leaves the menu bar
// (the top 17 rows) to the window opener and the bottom strip dark for the
// progress lights.
picture make_startup_picture()
{
    const int W = 800, H = 583;
    picture p = pic_new(W, H, grey(0));
    float horizon = 230;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            colour c;
            if (y >= horizon) {
                float t = (y - horizon) / (H - horizon);
                c = mix(rgb(250, 178, 110), rgb(30, 52, 110), std::pow(t, 0.6f));
                float glow = std::exp(-std::pow((x - 560) / 140.0f, 2) - std::pow((y - horizon) / 50.0f, 2));
                c = mix(c, rgb(255, 236, 180), glow * 0.8f);
            } else {
                float t = y / horizon;
                float n = tile_fbm(x / 800.0f, y / 583.0f, 8, 4, 0.5f, 901);
                c = mix(rgb(18, 30, 18), rgb(70, 88, 52), t * 0.7f + 0.3f * n);
            }
            pic_set(p, x, y, c);
        }
    // Two ranges of hills against the sky.
    for (int range = 0; range < 2; ++range) {
        std::vector<float> xy = {0, horizon - 2};
        for (int x = 0; x <= W; x += 8) {
            float h = 18 + 30 * tile_fbm(x / 800.0f, range * 0.37f, 6, 4, 0.5f, 911 + range) - range * 14;
            xy.push_back((float)x);
            xy.push_back(horizon + h);
        }
        xy.push_back((float)W);
        xy.push_back(horizon - 2);
        pic_polygon(p, range ? rgb(40, 54, 58) : rgb(78, 82, 96), xy);
    }
    // The runway in perspective toward the vanishing point.
    const float vx = 400, vy = horizon + 6;
    pic_polygon(p, rgb(58, 58, 62), {250, 40, 550, 40, vx + 6, vy, vx - 6, vy});
    for (int k = 0; k < 8; ++k) {
        float t1 = 1 - std::pow(0.72f, (float)k * 2), t2 = 1 - std::pow(0.72f, k * 2 + 1.0f);
        float y1 = 40 + (vy - 40) * t1, y2 = 40 + (vy - 40) * t2;
        float w1 = 5 * (1 - t1), w2 = 5 * (1 - t2);
        pic_polygon(p, grey(220), {vx - w1, y1, vx + w1, y1, vx + w2, y2, vx - w2, y2});
    }
    for (float side : {-1.0f, 1.0f}) pic_line(p, grey(200), vx + side * 145, 40, vx + side * 5.8f, vy, 2);
    // An aircraft climbing away, in silhouette.
    const float ax = 560, ay = 330;
    pic_polygon(p, rgb(24, 26, 34), {ax - 60, ay - 8, ax + 62, ay + 14, ax + 70, ay + 16, ax + 64, ay + 9, ax - 54, ay - 14});
    pic_polygon(p, rgb(24, 26, 34), {ax - 10, ay, ax + 20, ay + 6, ax + 2, ay + 46, ax - 8, ay + 46});
    pic_polygon(p, rgb(24, 26, 34), {ax - 6, ay - 6, ax + 22, ay - 1, ax + 10, ay - 44, ax, ay - 44});
    pic_polygon(p, rgb(24, 26, 34), {ax - 58, ay - 10, ax - 44, ay - 6, ax - 62, ay + 16, ax - 68, ay + 16});
    big_text(p, rgb(250, 244, 226), W / 2.0f, 440, "OMNIVAR", 12);
    pic_text_centred(p, rgb(240, 236, 220), W / 2.0f, 412, "FLIGHT SIMULATION SUITE", 2);
    pic_text_centred(p, rgb(220, 220, 210), W / 2.0f, 388, "KORVAN   FABREX   SECTRA   GELVANI   NIMBREL", 1.5f);
    pic_rect(p, rgb(8, 10, 12), 0, 0, (float)W, 36);
    pic_text(p, rgb(150, 150, 140), 620, 20, "starting up...", 1);
    return p;
}
