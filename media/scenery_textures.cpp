// Runways and airports, buildings, ships and the windsock. Runway pieces
// are seen as a pilot landing on them sees them: s across the runway from
// left to right, t along it away from the threshold; every marked piece
// shares the pavement and the edge lines so that the pieces join.
#include "media.h"
#include "media_font.h"
#include "media_noise.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <string>

namespace {
const colour PAINT = {236, 236, 230};
const colour TAXI_YELLOW = {226, 184, 40};
const int RUNWAY_SIDE = 128;

// Asphalt, tiling, the same in every runway piece.
picture asphalt(int w, int h, float base)
{
    picture p = pic_new(w, h, grey(base));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float u = (x + 0.5f) / w, v = (y + 0.5f) / h;
            float patch = tile_fbm(u, v, 4, 3, 0.5f, 301);
            float grain = hash01(x, y, 303);
            float g = base * (0.9f + 0.2f * patch) + 10 * (grain - 0.5f);
            pic_set(p, x, y, rgb(g, g, g * 1.03f));
        }
    return p;
}

// Worn paint: mostly solid, a little of the pavement showing through.
void paint_rect(picture& p, colour c, float s1, float t1, float s2, float t2)
{
    float x1 = s1 * p.w, x2 = s2 * p.w, y1 = t1 * p.h, y2 = t2 * p.h;
    pic_shape(p, c, 0.92f, x1, y1, x2, y2, [=](float x, float y) { return x >= x1 && x < x2 && y >= y1 && y < y2; });
}

// Edge lines of a whole runway width (s 0..1), or of one half of it.
void edge_lines(picture& p, float s_from, float s_to)
{
    auto map = [=](float s) { return (s - s_from) / (s_to - s_from); };
    for (float s : {0.015f, 0.965f}) {
        float a = map(s), b = map(s + 0.02f);
        if (b > 0 && a < 1) paint_rect(p, PAINT, std::max(a, 0.0f), 0, std::min(b, 1.0f), 1);
    }
}

void centre_dash(picture& p, float t1, float t2)
{
    paint_rect(p, PAINT, 0.485f, t1, 0.515f, t2);
}

// A runway digit: the 5 x 7 glyph stretched into a tall block.
void runway_digit(picture& p, char d, float s1, float s2, float t1, float t2)
{
    char text[2] = {d, 0};
    picture glyph = pic_new(5, 7, grey(0));
    pic_text(glyph, grey(255), 0, 0, text, 1);
    float x1 = s1 * p.w, x2 = s2 * p.w, y1 = t1 * p.h, y2 = t2 * p.h;
    pic_shape(p, PAINT, 0.92f, x1, y1, x2, y2, [&glyph, x1, x2, y1, y2](float x, float y) {
        if (x < x1 || x >= x2 || y < y1 || y >= y2) return false;
        int c = (int)((x - x1) / (x2 - x1) * 5), r = (int)((y - y1) / (y2 - y1) * 7);
        return pic_get(glyph, c, r).r > 128;
    });
}

picture runway_number(char digit, bool left_half)
{
    picture p = asphalt(RUNWAY_SIDE, RUNWAY_SIDE, 78);
    // Each half spans half the runway: its edge line sits near its outer side.
    if (left_half) {
        edge_lines(p, 0, 0.5f);
        runway_digit(p, digit, 0.36f, 0.90f, 0.16f, 0.84f);
    } else {
        edge_lines(p, 0.5f, 1);
        runway_digit(p, digit, 0.10f, 0.64f, 0.16f, 0.84f);
    }
    return p;
}

picture runway_piece(const std::string& name)
{
    picture p = asphalt(RUNWAY_SIDE, RUNWAY_SIDE, 78);
    edge_lines(p, 0, 1);
    if (name == "rway_thld") {
        paint_rect(p, PAINT, 0.03f, 0.02f, 0.97f, 0.06f);
        for (int k = 0; k < 4; ++k) {
            float s = 0.08f + k * 0.095f;
            paint_rect(p, PAINT, s, 0.12f, s + 0.055f, 0.95f);
            paint_rect(p, PAINT, 1 - s - 0.055f, 0.12f, 1 - s, 0.95f);
        }
    } else if (name == "rway_tdzm") {
        for (int k = 0; k < 3; ++k) {
            float s = 0.14f + k * 0.065f;
            paint_rect(p, PAINT, s, 0.3f, s + 0.04f, 0.7f);
            paint_rect(p, PAINT, 1 - s - 0.04f, 0.3f, 1 - s, 0.7f);
        }
        centre_dash(p, 0.2f, 0.8f);
    } else if (name == "rway_fdmk") {
        paint_rect(p, PAINT, 0.17f, 0.1f, 0.33f, 0.9f);
        paint_rect(p, PAINT, 0.67f, 0.1f, 0.83f, 0.9f);
        centre_dash(p, 0.2f, 0.8f);
    } else if (name == "rway_line") {
        centre_dash(p, 0.2f, 0.8f);
    } else if (name == "rway_disp") {
        // Arrows along the centre line point toward the threshold ahead.
        paint_rect(p, PAINT, 0.485f, 0.1f, 0.515f, 0.56f);
        pic_polygon(p, PAINT, {0.40f * p.w, 0.54f * p.h, 0.60f * p.w, 0.54f * p.h, 0.5f * p.w, 0.88f * p.h});
    }
    return p;
}

picture taxiway_turn()
{
    picture p = asphalt(RUNWAY_SIDE, RUNWAY_SIDE, 84);
    // The connector runs along t: its centre line is a column.
    paint_rect(p, TAXI_YELLOW, 0.485f, 0, 0.515f, 1);
    return p;
}

// Unpaved strips, colour-keyed: their long edges fray into the ground.
picture soft_strip(const std::string& name)
{
    picture p = pic_new(RUNWAY_SIDE, RUNWAY_SIDE, grey(0));
    p.keyed = 1;
    for (int y = 0; y < p.h; ++y)
        for (int x = 0; x < p.w; ++x) {
            float u = (x + 0.5f) / p.w, v = (y + 0.5f) / p.h;
            float n = tile_fbm(u, v, 8, 3, 0.5f, 311);
            float grain = hash01(x, y, 313);
            colour c;
            if (name == "rway_gras") {
                bool light = ((int)(u * 8)) % 2 == 0;   // mowing bands along the strip
                c = light ? rgb(104, 142, 62) : rgb(88, 126, 52);
                c = scaled(c, 0.9f + 0.2f * n + 0.08f * (grain - 0.5f));
            } else if (name == "rway_dirt") {
                c = scaled(rgb(142, 112, 78), 0.85f + 0.3f * n + 0.1f * (grain - 0.5f));
                for (float track : {0.38f, 0.62f})
                    if (std::fabs(u - track) < 0.035f) c = scaled(c, 0.82f);
            } else {
                float stone = hash01(x / 2, y / 2, 317);
                c = mix(rgb(150, 142, 128), rgb(112, 104, 94), stone);
                c = scaled(c, 0.9f + 0.2f * n);
            }
            pic_set(p, x, y, c);
            float fray = 0.03f + 0.04f * tile_noise(0.5f, v, 16, 319);
            if (u < fray || 1 - u < fray) pic_set_key(p, x, y);
        }
    return p;
}

// Windows in a grid: columns across, rows up, within the band t1..t2.
void window_grid(picture& p, int cols, int rows, float t1, float t2, colour glass, float fill_s, float fill_t, int seed)
{
    float cw = (float)p.w / cols, rh = (t2 - t1) * p.h / rows;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            float x = c * cw + cw * (1 - fill_s) / 2, y = t1 * p.h + r * rh + rh * (1 - fill_t) / 2;
            colour g = scaled(glass, 0.8f + 0.4f * hash01(c, r, seed));
            pic_rect(p, g, x, y, cw * fill_s, rh * fill_t);
            pic_rect(p, scaled(g, 1.25f), x, y + rh * fill_t * 0.7f, cw * fill_s, rh * fill_t * 0.3f);
        }
}

picture wall(colour base, int seed)
{
    picture p = pic_new(128, 256, base);
    for (int y = 0; y < p.h; ++y)
        for (int x = 0; x < p.w; ++x) {
            float n = tile_fbm((x + 0.5f) / p.w, (y + 0.5f) / p.h, 4, 3, 0.5f, seed);
            pic_set(p, x, y, scaled(base, 0.92f + 0.16f * n));
        }
    return p;
}

picture building(const std::string& name)
{
    if (name == "bld_block") {
        picture p = wall(rgb(176, 170, 158), 401);
        window_grid(p, 8, 32, 0.04f, 0.99f, rgb(52, 64, 82), 0.6f, 0.55f, 403);
        pic_rect(p, rgb(60, 58, 56), 0, 0, 128, 0.04f * 256);
        return p;
    }
    if (name == "bld_nartop") {
        // Glass tower to 94 %, a ledge, then the plant room on the roof.
        picture p = wall(rgb(70, 104, 112), 411);
        for (int k = 0; k < 16; ++k) pic_rect(p, rgb(150, 160, 162), k * 8.0f, 0, 1.5f, 0.94f * 256);
        for (int k = 0; k < 60; ++k) pic_rect(p, rgb(120, 140, 146), 0, k * 0.94f * 256 / 60, 128, 1);
        pic_rect(p, rgb(190, 190, 184), 0, 0.94f * 256, 128, 0.03f * 256 + 1);
        pic_rect(p, rgb(150, 150, 146), 0, 0.97f * 256, 128, 0.03f * 256 + 1);
        for (int k = 0; k < 16; ++k) pic_rect(p, rgb(110, 110, 108), k * 8.0f + 2, 0.975f * 256, 4, 4);
        return p;
    }
    if (name == "bld_tapered") {
        picture p = wall(rgb(150, 124, 96), 421);
        pic_rect(p, rgb(96, 80, 66), 0, 0, 128, 0.1f * 256);
        window_grid(p, 10, 40, 0.1f, 0.9f, rgb(44, 54, 70), 0.4f, 0.7f, 423);
        pic_rect(p, rgb(196, 180, 150), 0, 0.9f * 256, 128, 0.1f * 256);
        for (int k = 0; k < 10; ++k) pic_rect(p, rgb(130, 112, 90), k * 12.8f + 5, 0.91f * 256, 3, 0.08f * 256);
        return p;
    }
    if (name == "bld_narbot") {
        // Glass lobby on columns under ribbon windows in white concrete.
        picture p = wall(rgb(206, 204, 196), 431);
        pic_rect(p, rgb(40, 58, 66), 0, 0, 128, 0.1f * 256);
        for (int k = 0; k < 6; ++k) pic_rect(p, rgb(180, 178, 172), k * 25.6f, 0, 4, 0.1f * 256);
        for (int k = 0; k < 36; ++k) {
            float y = 0.1f * 256 + 4 + k * (0.9f * 256 - 6) / 36;
            pic_rect(p, rgb(58, 76, 92), 0, y, 128, 3);
        }
        return p;
    }
    if (name == "bld_avon") {
        // Brick, with shop fronts on the podium and a setback above.
        picture p = wall(rgb(150, 76, 56), 441);
        for (int y = 0; y < 256; y += 3)
            for (int x = 0; x < 128; ++x)
                if ((x + (y / 3 % 2) * 4) % 8 == 0 || y % 3 == 0) pic_blend(p, x, y, rgb(186, 170, 150), 0.35f);
        pic_rect(p, rgb(52, 58, 60), 0, 0, 128, 0.15f * 256);
        window_grid(p, 6, 1, 0.01f, 0.12f, rgb(120, 150, 160), 0.8f, 0.8f, 443);
        window_grid(p, 8, 4, 0.15f, 0.3f, rgb(46, 56, 70), 0.5f, 0.6f, 445);
        window_grid(p, 8, 26, 0.3f, 1.0f, rgb(46, 56, 70), 0.45f, 0.6f, 447);
        return p;
    }
    if (name != "bld_contow") return picture{};
    // Control tower: shaft to 19 m, the glass cab to 23 m, the roof band.
    picture p = wall(rgb(200, 196, 186), 451);
    pic_rect(p, rgb(70, 64, 60), 54, 0, 20, 0.08f * 256);
    for (int k = 1; k < 10; ++k) pic_rect(p, rgb(60, 70, 84), 60, k * 0.079f * 256, 8, 8);
    float cab0 = 19.0f / 24 * 256, cab1 = 23.0f / 24 * 256;
    pic_rect(p, rgb(40, 86, 84), 0, cab0, 128, cab1 - cab0);
    for (int k = 0; k < 8; ++k) pic_rect(p, rgb(60, 60, 62), k * 16.0f, cab0, 3, cab1 - cab0);
    pic_rect(p, rgb(90, 150, 150), 0, cab0 + (cab1 - cab0) * 0.6f, 128, 2);
    pic_rect(p, rgb(230, 230, 226), 0, cab1, 128, 256 - cab1);
    for (int k = 0; k < 8; ++k) pic_rect(p, rgb(200, 40, 36), k * 16.0f, cab1, 8, 256 - cab1);
    return p;
}

picture metal()
{
    picture p = pic_new(128, 128, grey(0));
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            float rib = 0.5f + 0.5f * std::sin(x * 2 * 3.14159265f / 8);
            float n = tile_fbm((x + 0.5f) / 128, (y + 0.5f) / 128, 4, 3, 0.5f, 501);
            float g = 140 + 40 * rib + 20 * (n - 0.5f);
            pic_set(p, x, y, rgb(g, g + 2, g + 6));
        }
    for (int y : {0, 64}) pic_rect(p, grey(96), 0, (float)y, 128, 2);
    for (int y : {3, 61, 67, 125})
        for (int x = 4; x < 128; x += 16) pic_disc(p, grey(200), x + 0.5f, y + 0.5f, 1.2f);
    return p;
}

// Tyre: bands across s: tread, sidewall, hub, sidewall, tread.
picture tire()
{
    picture p = pic_new(64, 64, grey(0));
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            float s = (x + 0.5f) / 64;
            colour c;
            if (s < 0.3f || s > 0.7f) c = (y % 8 < 2) ? grey(14) : grey(34);
            else if (s < 0.4f || s > 0.6f) c = grey(46);
            else c = mix(grey(190), grey(130), std::fabs(s - 0.5f) / 0.1f);
            pic_set(p, x, y, c);
        }
    return p;
}

picture windsock()
{
    picture p = pic_new(64, 64, grey(0));
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            bool orange = ((y * 5) / 64) % 2 == 0;
            colour c = orange ? rgb(240, 112, 24) : rgb(244, 240, 232);
            float fold = 0.9f + 0.1f * std::sin(x * 2 * 3.14159265f / 16);
            pic_set(p, x, y, scaled(c, fold));
        }
    return p;
}

// The carrier's flight deck, laid over x -35..36 m (s) and z 160..-154 m
// (t, from the stern forward): the angled landing area with its wires,
// the bow catapults and the hull number.
picture carrier_deck()
{
    picture p = pic_new(128, 512, grey(0));
    for (int y = 0; y < p.h; ++y)
        for (int x = 0; x < p.w; ++x) {
            float n = tile_fbm((x + 0.5f) / p.w, (y + 0.5f) / p.h, 8, 3, 0.5f, 511);
            float g = 62 + 16 * n + 6 * (hash01(x, y, 513) - 0.5f);
            pic_set(p, x, y, rgb(g, g + 1, g + 4));
        }
    auto X = [&](float m) { return (m + 35) / 71 * p.w; };
    auto Z = [&](float m) { return (160 - m) / 314 * p.h; };
    // Angled deck: its centre line runs from the stern toward the port bow.
    float x0 = 2, z0 = 160, x1 = -32, z1 = -90;
    float len = std::hypot(x1 - x0, z1 - z0), ux = (x1 - x0) / len, uz = (z1 - z0) / len;
    for (float f = 0; f < len; f += 12) {
        float a = f, b = std::min(f + 6, len);
        pic_line(p, PAINT, X(x0 + ux * a), Z(z0 + uz * a), X(x0 + ux * b), Z(z0 + uz * b), 1.2f);
        for (float side : {-11.0f, 11.0f}) {
            float ox = -uz * side, oz = ux * side;
            pic_line(p, grey(210), X(x0 + ox + ux * a), Z(z0 + oz + uz * a), X(x0 + ox + ux * b), Z(z0 + oz + uz * b), 1.0f);
        }
    }
    for (float zw : {130.0f, 118.0f, 106.0f, 94.0f}) {
        float f = (zw - z0) / uz;
        float cx = x0 + ux * f, cz = z0 + uz * f;
        pic_line(p, grey(180), X(cx + uz * 11), Z(cz - ux * 11), X(cx - uz * 11), Z(cz + ux * 11), 1.0f);
    }
    for (float xc : {-9.0f, 9.0f}) {
        pic_line(p, grey(40), X(xc), Z(-60), X(xc), Z(-150), 1.4f);
        pic_line(p, TAXI_YELLOW, X(xc + 2.5f), Z(-60), X(xc + 2.5f), Z(-150), 0.8f);
    }
    pic_line(p, TAXI_YELLOW, X(0), Z(40), X(0), Z(-60), 0.8f);
    // The hull number near the bow, upright to an aircraft coming aboard.
    float dot = 4.5f;
    picture digits = pic_new(11, 7, grey(0));
    pic_text(digits, grey(255), 0, 0, "65", 1);
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 11; ++c)
            if (pic_get(digits, c, r).r > 128) pic_rect(p, PAINT, X(-14) + c * dot * 0.6f, Z(-112) + r * dot, dot * 0.6f, dot);
    return p;
}

picture dirty()
{
    picture p = pic_new(128, 128, grey(0));
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            float u = (x + 0.5f) / 128, v = (y + 0.5f) / 128;
            float n = tile_fbm(u, v, 4, 5, 0.6f, 521);
            float streak = tile_noise(u, v * 0.25f, 32, 523);
            colour c = mix(rgb(70, 72, 74), rgb(110, 108, 102), n);
            if (streak > 0.7f) c = mix(c, rgb(112, 78, 52), (streak - 0.7f) * 2);
            pic_set(p, x, y, c);
        }
    return p;
}

picture helipad()
{
    picture p = pic_new(256, 256, grey(0));
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            float n = tile_fbm((x + 0.5f) / 256, (y + 0.5f) / 256, 8, 3, 0.5f, 531);
            float g = 70 + 14 * n;
            pic_set(p, x, y, rgb(g * 0.9f, g, g * 0.92f));
        }
    pic_frame(p, PAINT, 6, 6, 244, 244, 5);
    pic_ring(p, rgb(236, 200, 40), 128, 128, 92, 100);
    picture h = pic_new(5, 7, grey(0));
    pic_text(h, grey(255), 0, 0, "H", 1);
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 5; ++c)
            if (pic_get(h, c, r).r > 128) pic_rect(p, PAINT, 88 + c * 16.0f, 72 + r * 16.0f, 16, 16);
    return p;
}

picture island()
{
    picture p = wall(rgb(128, 132, 136), 541);
    window_grid(p, 8, 6, 0.1f, 0.7f, rgb(40, 46, 56), 0.4f, 0.4f, 543);
    pic_rect(p, rgb(30, 40, 50), 0, 0.76f * 256, 128, 0.08f * 256);
    for (int k = 0; k < 12; ++k) pic_rect(p, rgb(110, 114, 118), k * 10.7f, 0.76f * 256, 2, 0.08f * 256);
    return p;
}

picture hull()
{
    picture p = wall(rgb(108, 112, 118), 551);
    pic_rect(p, rgb(28, 28, 30), 0, 0, 128, 0.12f * 256);
    pic_rect(p, rgb(140, 44, 38), 0, 0, 128, 0.05f * 256);
    for (int k = 1; k < 8; ++k) pic_rect(p, rgb(98, 102, 108), k * 16.0f, 0.12f * 256, 1, 0.88f * 256);
    return p;
}
} // namespace

picture make_scenery_texture(const char* name)
{
    std::string n(name);
    if (n.size() == 7 && n.compare(0, 5, "rway_") == 0 && std::isdigit((unsigned char)n[5]) && (n[6] == 'L' || n[6] == 'R'))
        return runway_number(n[5], n[6] == 'L');
    if (n == "rway_thld" || n == "rway_tdzm" || n == "rway_fdmk" || n == "rway_line" || n == "rway_disp")
        return runway_piece(n);
    if (n == "rway_pave") return asphalt(RUNWAY_SIDE, RUNWAY_SIDE, 84);
    if (n == "rway_turn") return taxiway_turn();
    if (n == "rway_gras" || n == "rway_dirt" || n == "rway_grav") return soft_strip(n);
    if (n.compare(0, 4, "bld_") == 0) return building(n);
    if (n == "metal") return metal();
    if (n == "tire") return tire();
    if (n == "windsock") return windsock();
    if (n == "deck") return carrier_deck();
    if (n == "dirty") return dirty();
    if (n == "pad") return helipad();
    if (n == "tower") return island();
    if (n == "hull") return hull();
    return picture{};
}
