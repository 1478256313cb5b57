// Fire, smoke and the toolkit's own textures: the letter sheet, the mouse
// cursor, the compass card and the atlas of panel switches and levers; and
// the look-up of every non-terrain texture by name.
#include "media.h"
#include "media_font.h"
#include "media_noise.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

namespace {
const float PI = 3.14159265f;

float smoothstep(float a, float b, float x)
{
    float t = std::clamp((x - a) / (b - a), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

// One frame of twelve: the flames climb one noise period over the twelve,
// so the last frame leads back into the first.
picture fire_frame(int frame)
{
    picture p = pic_new(128, 128, grey(0));
    p.keyed = 1;
    float phase = frame / 12.0f;
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            float u = (x + 0.5f) / 128, v = (y + 0.5f) / 128;
            float rise = v - phase;
            rise -= std::floor(rise);
            float n = tile_fbm(u, rise, 4, 4, 0.55f, 601);
            float tongues = tile_noise(u, rise * 0.5f, 8, 603);
            float body = std::exp(-std::pow((u - 0.5f) / 0.3f, 2.0f));
            float heat = body * (1.2f - 1.35f * v) + 0.5f * (n - 0.5f) + 0.25f * (tongues - 0.5f) * v;
            if (heat < 0.12f) {
                pic_set_key(p, x, y);
                continue;
            }
            colour c;
            if (heat > 0.75f) c = mix(rgb(255, 200, 70), rgb(255, 244, 190), smoothstep(0.75f, 1.0f, heat));
            else if (heat > 0.4f) c = mix(rgb(236, 96, 20), rgb(255, 200, 70), smoothstep(0.4f, 0.75f, heat));
            else c = mix(rgb(120, 24, 8), rgb(236, 96, 20), smoothstep(0.12f, 0.4f, heat));
            pic_set(p, x, y, c);
        }
    return p;
}

// Luminance is opacity: a soft, billowing puff that fades to nothing.
picture smoke()
{
    picture p = pic_new(128, 128, grey(0));
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            float dx = (x + 0.5f) / 64 - 1, dy = (y + 0.5f) / 64 - 1;
            float r = std::sqrt(dx * dx + dy * dy);
            float n = tile_fbm((x + 0.5f) / 128, (y + 0.5f) / 128, 4, 4, 0.55f, 611);
            float density = (1 - smoothstep(0.35f, 0.98f, r + 0.35f * (n - 0.5f))) * (0.55f + 0.45f * n);
            pic_set(p, x, y, grey(190 * density));
        }
    return p;
}

// Codes 32 to 124, sixteen a row from the top, on the transparent key.
picture letters()
{
    picture p = pic_new(128, 64, grey(0));
    p.keyed = 1;
    for (int y = 0; y < p.h; ++y)
        for (int x = 0; x < p.w; ++x) pic_set_key(p, x, y);
    for (int code = 32; code <= 124; ++code) {
        int k = code - 32;
        char s[2] = {(char)code, 0};
        picture glyph = pic_new(5, 7, grey(0));
        pic_text(glyph, grey(255), 0, 0, s, 1);
        int ox = (k % 16) * 8 + 1, oy = 64 - (k / 16 + 1) * 8 + 1;
        for (int r = 0; r < 7; ++r)
            for (int c = 0; c < 5; ++c)
                if (pic_get(glyph, c, r).r > 128) pic_set(p, ox + c, oy + r, grey(250));
    }
    return p;
}

// The arrow pointer, its tip at the upper left corner.
picture cursor()
{
    picture p = pic_new(32, 32, grey(0));
    p.keyed = 1;
    std::vector<float> arrow = {0, 32, 0, 6, 7, 12, 11, 2, 15, 4, 11, 14, 20, 14};
    picture mask = pic_new(32, 32, grey(0));
    pic_polygon(mask, grey(255), arrow);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            bool in = pic_get(mask, x, y).r > 127;
            bool near = false;
            for (int k = -2; k <= 2 && !near; ++k)
                for (int j = -2; j <= 2 && !near; ++j)
                    if (pic_get(mask, x + k, y + j).r > 127 && x + k >= 0 && y + j >= 0 && x + k < 32 && y + j < 32) near = true;
            if (in) pic_set(p, x, y, grey(250));
            else if (near) pic_set(p, x, y, grey(0));
            else pic_set_key(p, x, y);
        }
    return p;
}

// Compass card, north up: ticks every 5 degrees, numbers every 30 turned
// to read from the centre; transparent outside the card.
picture compass_card()
{
    const float c = 128, r = 126;
    picture p = pic_new(256, 256, grey(0));
    p.keyed = 1;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            float d = std::hypot(x + 0.5f - c, y + 0.5f - c);
            if (d > r + 1) pic_set_key(p, x, y);
            else pic_set(p, x, y, grey(30));
        }
    pic_ring(p, grey(70), c, c, r - 1.5f, r + 0.5f);
    for (int h = 0; h < 360; h += 5) {
        float len = h % 10 == 0 ? 20.0f : 11.0f;
        pic_tick(p, grey(245), c, c, r - len, r - 1, (float)h, h % 10 == 0 ? 2.6f : 1.8f);
    }
    static const char* const labels[12] = {"N", "3", "6", "E", "12", "15", "S", "21", "24", "W", "30", "33"};
    for (int k = 0; k < 12; ++k) {
        float h = k * 30.0f;
        float s = std::sin(h * PI / 180), k2 = std::cos(h * PI / 180);
        bool cardinal = k % 3 == 0;
        pic_text_turned(p, cardinal ? rgb(250, 220, 90) : grey(245), c + 88 * s, c + 88 * k2, labels[k], cardinal ? 3.4f : 2.8f, h);
    }
    for (int h = 45; h < 360; h += 90) pic_tick(p, grey(160), c, c, r - 34, r - 26, (float)h, 3.0f);
    return p;
}

// The lever and switch atlas: 4 x 4 tiles of 32 x 32; tile t at column
// t mod 4 and row t / 4 from the bottom, its picture in the lower left
// corner at the size it is drawn.
void tile_origin(int t, float* x, float* y)
{
    *x = (t % 4) * 32.0f;
    *y = (t / 4) * 32.0f;
}

void lever_knob(picture& p, float x, float y, float w, float h, colour knob)
{
    // A shaft down the middle and the knob across the top.
    pic_rect(p, grey(150), x + w / 2 - 1, y, 2, h * 0.6f);
    pic_rect(p, knob, x, y + h * 0.55f, w, h * 0.45f);
    pic_rect(p, scaled(knob, 1.4f), x + 1, y + h * 0.9f, w - 2, h * 0.08f);
    pic_rect(p, scaled(knob, 0.6f), x, y + h * 0.55f, w, 1);
}

picture handles()
{
    picture p = pic_new(128, 128, panel_colour());
    float x, y;
    // 0, 1: display brightness knob, dark and lit (10 x 9).
    for (int t = 0; t < 2; ++t) {
        tile_origin(t, &x, &y);
        pic_rect(p, grey(26), x, y, 10, 9);
        pic_disc(p, grey(90), x + 5, y + 4.5f, 4);
        pic_disc(p, t ? rgb(255, 190, 60) : grey(50), x + 5, y + 4.5f, 1.6f);
    }
    // 2, 3: gear handle up and down (16 x 24), a wheel-shaped knob.
    for (int t = 2; t < 4; ++t) {
        tile_origin(t, &x, &y);
        pic_rect(p, grey(30), x, y, 16, 24);
        pic_rect(p, grey(170), x + 7, y + 3, 2, 18);
        float ky = t == 2 ? y + 18 : y + 6;
        pic_disc(p, grey(235), x + 8, ky, 5.5f);
        pic_disc(p, grey(150), x + 8, ky, 2);
        pic_text(p, grey(200), x + 1, t == 2 ? y + 1 : y + 16, t == 2 ? "UP" : "DN", 1);
    }
    // 4, 5: autopilot button dark and engaged (20 x 13).
    for (int t = 4; t < 6; ++t) {
        tile_origin(t, &x, &y);
        pic_rect(p, grey(20), x, y, 20, 13);
        pic_rect(p, grey(72), x + 1, y + 1, 18, 11);
        pic_bevel(p, x + 1, y + 1, 18, 11, 1, grey(120), grey(36));
        pic_rect(p, t == 5 ? rgb(80, 255, 90) : grey(40), x + 4, y + 8, 12, 2);
    }
    // 6, 7: toggle switch down (off) and up (on) (18 x 10).
    for (int t = 6; t < 8; ++t) {
        tile_origin(t, &x, &y);
        pic_rect(p, grey(26), x, y, 18, 10);
        pic_disc(p, grey(110), x + 9, y + 5, 3.2f);
        if (t == 7) {
            pic_line(p, grey(230), x + 9, y + 5, x + 9, y + 9.2f, 2.4f);
            pic_rect(p, rgb(80, 255, 90), x + 14, y + 7, 2, 2);
        } else {
            pic_line(p, grey(170), x + 9, y + 5, x + 9, y + 0.8f, 2.4f);
        }
    }
    // 8: throttle knob (13 x 14); 9: propeller lever, 10: mixture (9 x 27).
    tile_origin(8, &x, &y);
    pic_rect(p, grey(28), x, y, 13, 14);
    pic_rect(p, grey(60), x + 1, y + 2, 11, 10);
    pic_rect(p, grey(90), x + 2, y + 9, 9, 2);
    tile_origin(9, &x, &y);
    lever_knob(p, x, y, 9, 27, rgb(40, 70, 190));
    tile_origin(10, &x, &y);
    lever_knob(p, x, y, 9, 27, rgb(200, 36, 30));
    // 11: elevator trim index (6 x 4).
    tile_origin(11, &x, &y);
    pic_rect(p, rgb(255, 240, 80), x, y, 6, 4);
    // 12: flap handle (30 x 8), shaped like a flap section.
    tile_origin(12, &x, &y);
    pic_rect(p, grey(40), x, y, 30, 8);
    pic_polygon(p, grey(235), {x + 1, y + 1, x + 29, y + 3, x + 29, y + 5, x + 1, y + 7});
    // 13: speed brake handle (20 x 5).
    tile_origin(13, &x, &y);
    pic_rect(p, grey(200), x, y, 20, 5);
    pic_rect(p, grey(120), x, y, 20, 1);
    // 14: carburettor heat knob (12 x 13).
    tile_origin(14, &x, &y);
    pic_rect(p, grey(30), x, y, 12, 13);
    pic_rect(p, grey(150), x + 1, y + 1, 10, 11);
    pic_text(p, grey(20), x + 4, y + 3, "H", 1);
    pic_rect(p, grey(150), x + 3, y + 3, 1, 7);
    // 15: sweep and thrust-vector lever (27 x 9).
    tile_origin(15, &x, &y);
    pic_rect(p, grey(36), x, y, 27, 9);
    pic_rect(p, grey(210), x + 1, y + 2, 25, 5);
    pic_rect(p, grey(120), x + 1, y + 2, 25, 1);
    return p;
}
} // namespace

picture make_texture(const char* name)
{
    std::string n(name);
    if (n.compare(0, 4, "fire") == 0 && n.size() > 4) {
        int frame = atoi(n.c_str() + 4);
        if (frame >= 1 && frame <= 12) return fire_frame(frame - 1);
    }
    if (n == "smoke") return smoke();
    if (n == "letters") return letters();
    if (n == "cursor") return cursor();
    if (n == "dg") return compass_card();
    if (n == "hand") return handles();
    return make_scenery_texture(name);
}
