// Instrument faces of the panel. Each is pasted with the instrument centre
// at a fixed place in the bitmap; the scales the simulator paints itself
// (airspeed and vertical-speed dials, engine scales) are left off, and
// everything that moves is drawn over the face every frame.
#include "media.h"
#include "media_font.h"

#include <cmath>
#include <string>

namespace {
const colour FACE = {14, 14, 16};
const colour INK = {236, 236, 228};
const colour DIM = {150, 152, 148};
const float PI = 3.14159265f;

// Panel around, a bevelled bezel ring, a black face, four screws.
picture round_face(int w, int h, float cx, float cy, float face_r, float bezel_r, int seed)
{
    picture p = panel_plate(w, h, seed);
    pic_disc(p, grey(18), cx + 1, cy - 1, bezel_r + 0.5f);
    pic_disc(p, grey(46), cx, cy, bezel_r);
    pic_ring(p, grey(80), cx, cy, bezel_r - 1.5f, bezel_r);
    pic_ring(p, grey(24), cx, cy, face_r, face_r + 1.5f);
    pic_disc(p, FACE, cx, cy, face_r);
    float sr = bezel_r * 0.92f;
    for (int k = 0; k < 4; ++k) {
        float a = (45 + 90 * k) * PI / 180;
        float sx = cx + sr * std::sin(a), sy = cy + sr * std::cos(a);
        if (sx > 4 && sy > 4 && sx < w - 4 && sy < h - 4) pic_screw(p, sx, sy, 3, 40.0f + 25 * k);
    }
    return p;
}

void label(picture& p, float cx, float cy, const char* s, colour c = DIM)
{
    pic_text_centred(p, c, cx, cy, s, 1);
}

// Dial number at a heading, upright.
void dial_number(picture& p, float cx, float cy, float r, float heading, const char* s)
{
    float a = heading * PI / 180;
    pic_text_centred(p, INK, cx + r * std::sin(a), cy + r * std::cos(a), s, 1);
}

void window(picture& p, float x, float y, float w, float h)
{
    pic_rect(p, grey(6), x, y, w, h);
    pic_frame(p, grey(90), x - 1, y - 1, w + 2, h + 2, 1);
}

// The six wide instruments: 128 x 128 with the centre at (64, 64).
picture airspeed()
{
    picture p = round_face(128, 128, 64, 64, 57, 63, 801);
    label(p, 64, 84, "AIRSPEED");
    return p;
}

picture attitude()
{
    // The horizon and roll ring fill the face every frame; only the bezel
    // and the bar-adjust knob (lower right) show.
    picture p = round_face(128, 128, 64, 64, 58, 63, 803);
    pic_knob(p, 116, 12, 7);
    return p;
}

picture altimeter()
{
    picture p = round_face(128, 128, 64, 64, 57, 63, 805);
    for (int k = 0; k < 50; ++k) {
        float h = k * 7.2f;
        bool major = k % 5 == 0;
        pic_tick(p, INK, 64, 64, major ? 46 : 51, 56, h, major ? 2.2f : 1.2f);
    }
    for (int d = 0; d < 10; ++d) {
        char s[2] = {(char)('0' + d), 0};
        dial_number(p, 64, 64, 39, d * 36.0f, s);
    }
    // Pressure setting (right) and the rolling altitude counter (below).
    window(p, 73, 58, 26, 12);
    window(p, 47, 42, 26, 12);
    label(p, 64, 82, "ALT");
    label(p, 64, 36, "100 FT");
    pic_knob(p, 29, 19, 8);
    return p;
}

picture turn_slip()
{
    picture p = round_face(128, 128, 64, 64, 57, 63, 807);
    for (float h : {90.0f, 270.0f, 120.0f, 240.0f}) pic_tick(p, INK, 64, 64, 38, 50, h, 2.5f);
    dial_number(p, 64, 64, 46, 132, "R");
    dial_number(p, 64, 64, 46, 228, "L");
    label(p, 64, 36, "2 MIN");
    label(p, 64, 96, "TURN COORD");
    // Inclinometer tube under the aircraft symbol; the ball is drawn over it.
    pic_rect(p, grey(46), 44, 16, 40, 12);
    pic_frame(p, grey(120), 43, 15, 42, 14, 1);
    pic_rect(p, INK, 60, 16, 1, 12);
    pic_rect(p, INK, 67, 16, 1, 12);
    return p;
}

// Horizontal situation: centre at (64, 65); the card (radius 52) turns over
// the face, the course and heading knobs sit in the lower corners and the
// glide-slope scales beside the card.
picture hsi()
{
    picture p = round_face(128, 128, 64, 65, 58, 63, 809);
    for (int k = 0; k < 8; ++k) {
        float h = k * 45.0f, a = h * PI / 180;
        float tx = 64 + 55 * std::sin(a), ty = 65 + 55 * std::cos(a);
        float ox = 3 * std::cos(a), oy = -3 * std::sin(a);
        pic_polygon(p, k == 0 ? rgb(250, 200, 60) : INK,
                    {tx + ox, ty + oy, tx - ox, ty - oy, 64 + 52.5f * std::sin(a), 65 + 52.5f * std::cos(a)});
    }
    for (float gx : {7.0f, 119.0f})
        for (int d = -2; d <= 2; ++d)
            if (d) pic_ring(p, INK, gx + 1, 65 + 10.0f * d, 1, 2);
    pic_knob(p, 18, 14, 8);
    pic_knob(p, 110, 14, 8);
    label(p, 36, 5.5f, "CRS", INK);
    label(p, 92, 5.5f, "HDG", INK);
    return p;
}

picture vertical_speed()
{
    picture p = round_face(128, 128, 64, 64, 57, 63, 811);
    label(p, 64, 82, "VERT SPEED");
    label(p, 64, 46, "100 FT/MIN");
    label(p, 40, 72, "UP");
    label(p, 40, 56, "DN");
    return p;
}

// ADF: 100 x 150, card centre at (50, 97), frequency digits below it
// (x - 13, x - 3, x + 7 at y - 67) over the three tuning knobs.
picture adf()
{
    picture p = round_face(100, 150, 50, 97, 46, 50, 813);
    for (int k = 0; k < 8; ++k) pic_tick(p, INK, 50, 97, 45.5f, 49, k * 45.0f, 2);
    window(p, 35, 28, 30, 11);
    for (int k = 0; k < 3; ++k) pic_knob(p, 35 + 20.0f * k, 13, 8);
    pic_knob(p, 12, 47, 6);
    label(p, 14, 33.5f, "ADF", INK);
    label(p, 82, 33.5f, "KHZ");
    return p;
}

// Flight timer under the supplementary instrument: 100 x 30, centre line
// at x 50; minutes and seconds at x + 8 .. x + 33, start and reset buttons.
picture timer()
{
    picture p = panel_plate(100, 30, 815);
    window(p, 57, 7, 30, 14);
    for (int k = 0; k < 2; ++k) {
        float bx = 13 + 23.0f * k;
        pic_rect(p, grey(24), bx - 1, 5, 20, 17);
        pic_rect(p, grey(60), bx, 6, 18, 15);
        pic_text_centred(p, INK, bx + 9, 13.5f, k ? "RST" : "S/S", 1);
    }
    return p;
}

// The narrow supplementary instruments: 100 x 100, centre (50, 50).
picture course_indicator()
{
    picture p = round_face(100, 100, 50, 50, 46, 50, 817);
    window(p, 33, 78, 35, 11);
    window(p, 33, 8, 35, 11);
    pic_polygon(p, rgb(250, 200, 60), {47, 92, 53, 92, 50, 89});
    window(p, 76, 46, 19, 9);
    pic_ring(p, INK, 50, 50, 2.5f, 3.5f);
    for (int d = -2; d <= 2; ++d)
        if (d) pic_ring(p, INK, 50 + 8.0f * d, 50, 1, 2);
    for (int d = -2; d <= 2; ++d)
        if (d) pic_ring(p, INK, 86, 50 + 10.0f * d, 1, 2);
    pic_knob(p, 12, 10, 7);
    label(p, 26, 22.5f, "OBS");
    return p;
}

picture scope()
{
    picture p = round_face(100, 100, 50, 50, 46, 50, 819);
    pic_ring(p, rgb(30, 70, 40), 50, 50, 21.5f, 22.5f);
    pic_ring(p, rgb(30, 70, 40), 50, 50, 43.5f, 44.5f);
    for (int k = 0; k < 12; ++k) pic_tick(p, rgb(40, 90, 50), 50, 50, 40, 44, k * 30.0f, 1.2f);
    pic_line(p, DIM, 50, 46, 50, 54, 1.2f);
    pic_line(p, DIM, 46, 51, 54, 51, 1.2f);
    return p;
}

// Moving map: screen (x - 40, y - 40), 63 x 80; mode buttons drawn by the
// simulator at x + 31, range buttons under them.
picture moving_map()
{
    picture p = panel_plate(100, 100, 821);
    pic_rect(p, grey(20), 6, 6, 91, 88);
    window(p, 10, 10, 63, 80);
    for (int k = 0; k < 2; ++k) {
        float by = k ? 11 : 27;
        pic_rect(p, grey(50), 81, by, 14, 12);
        pic_text_centred(p, INK, 88, by + 6, k ? "Z-" : "Z+", 1);
    }
    return p;
}

// Radar altimeter: 0 to 500 ft over half the dial, then to 2500 ft.
float radalt_angle(float ft)
{
    return ft < 500 ? ft * 180 / 500 : 180 + (ft - 500) * 180 / 5000;
}

picture radar_altimeter()
{
    picture p = round_face(100, 100, 50, 50, 46, 50, 823);
    for (int ft = 0; ft <= 500; ft += 50) pic_tick(p, INK, 50, 50, ft % 100 ? 30 : 27, 33, radalt_angle((float)ft), ft % 100 ? 1.0f : 1.8f);
    for (int ft = 750; ft <= 2500; ft += 250) pic_tick(p, INK, 50, 50, ft % 500 ? 30 : 27, 33, radalt_angle((float)ft), ft % 500 ? 1.0f : 1.8f);
    const char* nums[6] = {"0", "1", "2", "3", "4", "5"};
    for (int k = 0; k < 6; ++k) dial_number(p, 50, 50, 39, radalt_angle(k * 100.0f), nums[k]);
    dial_number(p, 50, 50, 39, radalt_angle(1000), "10");
    dial_number(p, 50, 50, 39, radalt_angle(2000), "20");
    label(p, 62, 60, "RAD");
    label(p, 62, 40, "ALT");
    pic_knob(p, 10, 10, 6);
    label(p, 24, 6.5f, "DH");
    return p;
}

// Variometer: zero at nine o'clock, 400 ft/min of climb 128 degrees up.
picture variometer()
{
    picture p = round_face(100, 100, 50, 50, 46, 50, 825);
    for (int v = -400; v <= 400; v += 50) {
        float h = 270 + v * 128.0f / 400;
        pic_tick(p, INK, 50, 50, v % 100 ? 37 : 33, 43, h, v % 100 ? 1.0f : 1.8f);
    }
    const char* nums[5] = {"0", "1", "2", "3", "4"};
    for (int k = 0; k < 5; ++k) {
        dial_number(p, 50, 50, 28, 270 + k * 32.0f, nums[k]);
        if (k) dial_number(p, 50, 50, 28, 270 - k * 32.0f, nums[k]);
    }
    label(p, 68, 58, "UP");
    label(p, 68, 42, "DN");
    label(p, 50, 18, "VARIO");
    return p;
}

// Weather radar: screen (x - 43, y - 31), 86 x 90, range buttons below.
picture weather_radar()
{
    picture p = panel_plate(100, 112, 827);
    pic_rect(p, grey(20), 3, 15, 94, 97);
    window(p, 7, 19, 86, 90);
    pic_rect(p, grey(50), 8, 3, 36, 13);
    pic_text_centred(p, INK, 26, 9.5f, "Z-", 1);
    pic_rect(p, grey(50), 50, 3, 14, 13);
    pic_text_centred(p, INK, 57, 9.5f, "Z+", 1);
    label(p, 82, 9.5f, "WX");
    return p;
}

// Glass panel, at (0, 0): the flight display, the lower display (HSI and
// vertical speed) and the map display, with their knobs.
picture glass_displays()
{
    picture p = panel_plate(389, 303, 829);
    auto screen = [&](float x, float y, float w, float h) {
        pic_rect(p, grey(24), x - 3, y - 3, w + 6, h + 6);
        pic_bevel(p, x - 3, y - 3, w + 6, h + 6, 1, grey(96), grey(12));
        pic_rect(p, grey(2), x, y, w, h);
    };
    screen(4, 150, 190, 149);
    screen(4, 31, 190, 113);
    screen(198, 31, 187, 268);
    pic_knob(p, 54, 13, 8);
    pic_knob(p, 139, 13, 8);
    pic_knob(p, 175, 15, 8);
    label(p, 74, 13, "CRS", INK);
    label(p, 119, 13, "HDG", INK);
    label(p, 206, 13, "BARO", INK);
    return p;
}
} // namespace

picture make_gauge_face(const char* name)
{
    std::string n(name);
    if (n == "pict_asi") return airspeed();
    if (n == "pict_ahz") return attitude();
    if (n == "pict_alt") return altimeter();
    if (n == "pict_tsi") return turn_slip();
    if (n == "pict_hsi") return hsi();
    if (n == "pict_vvi") return vertical_speed();
    if (n == "pict_adf") return adf();
    if (n == "pict_tim") return timer();
    if (n == "pict_vor") return course_indicator();
    if (n == "pict_str") return scope();
    if (n == "pict_arg") return moving_map();
    if (n == "pict_rlt") return radar_altimeter();
    if (n == "pict_var") return variometer();
    if (n == "pict_rad") return weather_radar();
    if (n == "pict_efi") return glass_displays();
    return picture{};
}
