#include "media_image.h"

#include <algorithm>
#include <cmath>

namespace {
const float PI = 3.14159265f;

float clampf(float v, float lo, float hi)
{
    return v < lo ? lo : (v > hi ? hi : v);
}

// Distance from (px, py) to the segment (x1, y1)-(x2, y2).
float segment_distance(float px, float py, float x1, float y1, float x2, float y2)
{
    float dx = x2 - x1, dy = y2 - y1;
    float len2 = dx * dx + dy * dy;
    float t = len2 > 0 ? ((px - x1) * dx + (py - y1) * dy) / len2 : 0;
    t = clampf(t, 0, 1);
    float ex = x1 + t * dx - px, ey = y1 + t * dy - py;
    return std::sqrt(ex * ex + ey * ey);
}

// Heading of (dx, dy) in degrees clockwise from straight up, 0..360.
float heading_of(float dx, float dy)
{
    float a = std::atan2(dx, dy) * 180 / PI;
    return a < 0 ? a + 360 : a;
}
} // namespace

colour rgb(float r, float g, float b)
{
    return colour{r, g, b};
}

colour grey(float v)
{
    return colour{v, v, v};
}

colour mix(colour a, colour b, float t)
{
    return colour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

colour scaled(colour c, float f)
{
    return colour{c.r * f, c.g * f, c.b * f};
}

picture pic_new(int w, int h, colour fill)
{
    picture p;
    p.w = w;
    p.h = h;
    p.px.resize((size_t)w * h * 3);
    p.key.assign((size_t)w * h, 0);
    pic_fill(p, fill);
    return p;
}

colour pic_get(const picture& p, int x, int y)
{
    x = std::clamp(x, 0, p.w - 1);
    y = std::clamp(y, 0, p.h - 1);
    const float* v = &p.px[((size_t)y * p.w + x) * 3];
    return colour{v[0], v[1], v[2]};
}

void pic_set(picture& p, int x, int y, colour c)
{
    if (x < 0 || y < 0 || x >= p.w || y >= p.h) return;
    size_t i = (size_t)y * p.w + x;
    float* v = &p.px[i * 3];
    v[0] = c.r;
    v[1] = c.g;
    v[2] = c.b;
    p.key[i] = 0;
}

void pic_blend(picture& p, int x, int y, colour c, float a)
{
    if (x < 0 || y < 0 || x >= p.w || y >= p.h || a <= 0) return;
    if (a >= 1) {
        pic_set(p, x, y, c);
        return;
    }
    size_t i = (size_t)y * p.w + x;
    float* v = &p.px[i * 3];
    v[0] += (c.r - v[0]) * a;
    v[1] += (c.g - v[1]) * a;
    v[2] += (c.b - v[2]) * a;
    if (a > 0.5f) p.key[i] = 0;
}

void pic_set_key(picture& p, int x, int y)
{
    if (x < 0 || y < 0 || x >= p.w || y >= p.h) return;
    p.key[(size_t)y * p.w + x] = 1;
}

void pic_fill(picture& p, colour c)
{
    for (int y = 0; y < p.h; ++y)
        for (int x = 0; x < p.w; ++x) pic_set(p, x, y, c);
}

void pic_shape(picture& p, colour c, float alpha, float x1, float y1, float x2, float y2, const region& inside)
{
    int ix1 = std::max(0, (int)std::floor(std::min(x1, x2)) - 1);
    int iy1 = std::max(0, (int)std::floor(std::min(y1, y2)) - 1);
    int ix2 = std::min(p.w - 1, (int)std::ceil(std::max(x1, x2)) + 1);
    int iy2 = std::min(p.h - 1, (int)std::ceil(std::max(y1, y2)) + 1);
    for (int y = iy1; y <= iy2; ++y)
        for (int x = ix1; x <= ix2; ++x) {
            int hits = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx)
                    if (inside(x + (sx + 0.5f) / 4, y + (sy + 0.5f) / 4)) ++hits;
            if (hits) pic_blend(p, x, y, c, alpha * hits / 16.0f);
        }
}

void pic_rect(picture& p, colour c, float x, float y, float dx, float dy)
{
    float xa = std::min(x, x + dx), xb = std::max(x, x + dx);
    float ya = std::min(y, y + dy), yb = std::max(y, y + dy);
    pic_shape(p, c, 1, xa, ya, xb, yb, [=](float px, float py) { return px >= xa && px < xb && py >= ya && py < yb; });
}

void pic_frame(picture& p, colour c, float x, float y, float dx, float dy, float width)
{
    pic_rect(p, c, x, y, dx, width);
    pic_rect(p, c, x, y + dy - width, dx, width);
    pic_rect(p, c, x, y + width, width, dy - 2 * width);
    pic_rect(p, c, x + dx - width, y + width, width, dy - 2 * width);
}

void pic_line(picture& p, colour c, float x1, float y1, float x2, float y2, float width)
{
    float hw = width / 2;
    pic_shape(p, c, 1, std::min(x1, x2) - hw, std::min(y1, y2) - hw, std::max(x1, x2) + hw, std::max(y1, y2) + hw,
              [=](float px, float py) { return segment_distance(px, py, x1, y1, x2, y2) <= hw; });
}

void pic_disc(picture& p, colour c, float cx, float cy, float r)
{
    pic_shape(p, c, 1, cx - r, cy - r, cx + r, cy + r,
              [=](float px, float py) { return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= r * r; });
}

void pic_ring(picture& p, colour c, float cx, float cy, float r1, float r2)
{
    pic_shape(p, c, 1, cx - r2, cy - r2, cx + r2, cy + r2, [=](float px, float py) {
        float d2 = (px - cx) * (px - cx) + (py - cy) * (py - cy);
        return d2 >= r1 * r1 && d2 <= r2 * r2;
    });
}

void pic_arc(picture& p, colour c, float cx, float cy, float r1, float r2, float d1, float d2)
{
    pic_shape(p, c, 1, cx - r2, cy - r2, cx + r2, cy + r2, [=](float px, float py) {
        float d2r = (px - cx) * (px - cx) + (py - cy) * (py - cy);
        if (d2r < r1 * r1 || d2r > r2 * r2) return false;
        float h = heading_of(px - cx, py - cy);
        float a = std::fmod(h - d1 + 720, 360.0f);
        return a <= std::fmod(d2 - d1 + 720, 360.0f);
    });
}

void pic_tick(picture& p, colour c, float cx, float cy, float r1, float r2, float heading, float width)
{
    float s = std::sin(heading * PI / 180), k = std::cos(heading * PI / 180);
    float x1 = cx + r1 * s, y1 = cy + r1 * k, x2 = cx + r2 * s, y2 = cy + r2 * k;
    float hw = width / 2;
    // Square ends: inside the band across the stroke and between the radii.
    pic_shape(p, c, 1, std::min(x1, x2) - width, std::min(y1, y2) - width, std::max(x1, x2) + width,
              std::max(y1, y2) + width, [=](float px, float py) {
                  float along = (px - cx) * s + (py - cy) * k;
                  float across = (px - cx) * k - (py - cy) * s;
                  return along >= r1 && along <= r2 && std::fabs(across) <= hw;
              });
}

void pic_polygon(picture& p, colour c, const std::vector<float>& xy)
{
    size_t n = xy.size() / 2;
    if (n < 3) return;
    float xa = xy[0], xb = xy[0], ya = xy[1], yb = xy[1];
    for (size_t i = 1; i < n; ++i) {
        xa = std::min(xa, xy[2 * i]);
        xb = std::max(xb, xy[2 * i]);
        ya = std::min(ya, xy[2 * i + 1]);
        yb = std::max(yb, xy[2 * i + 1]);
    }
    pic_shape(p, c, 1, xa, ya, xb, yb, [&xy, n](float px, float py) {
        bool in = false;
        for (size_t i = 0, j = n - 1; i < n; j = i++) {
            float xi = xy[2 * i], yi = xy[2 * i + 1], xj = xy[2 * j], yj = xy[2 * j + 1];
            if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi) in = !in;
        }
        return in;
    });
}

void pic_bevel(picture& p, float x, float y, float dx, float dy, int convex, colour light, colour dark)
{
    colour top = convex ? light : dark, bottom = convex ? dark : light;
    pic_rect(p, top, x, y + dy - 1, dx, 1);
    pic_rect(p, top, x, y, 1, dy);
    pic_rect(p, bottom, x, y, dx, 1);
    pic_rect(p, bottom, x + dx - 1, y, 1, dy);
}

void pic_knob(picture& p, float cx, float cy, float r)
{
    pic_disc(p, grey(20), cx + 1, cy - 1, r + 0.5f);
    pic_disc(p, grey(70), cx, cy, r);
    for (int k = 0; k < 360; k += 30) pic_tick(p, grey(40), cx, cy, r - 2, r, (float)k, 1.2f);
    pic_disc(p, grey(95), cx - r * 0.15f, cy + r * 0.15f, r * 0.55f);
    pic_disc(p, grey(80), cx, cy, r * 0.45f);
}

void pic_screw(picture& p, float cx, float cy, float r, float heading)
{
    pic_disc(p, grey(35), cx + 0.5f, cy - 0.5f, r);
    pic_disc(p, grey(120), cx, cy, r);
    pic_disc(p, grey(150), cx - r * 0.2f, cy + r * 0.2f, r * 0.5f);
    float s = std::sin(heading * PI / 180) * r, k = std::cos(heading * PI / 180) * r;
    pic_line(p, grey(40), cx - s, cy - k, cx + s, cy + k, std::max(1.0f, r * 0.35f));
}

void pic_paste(picture& dst, const picture& src, int x, int y)
{
    for (int j = 0; j < src.h; ++j)
        for (int i = 0; i < src.w; ++i) {
            if (src.key[(size_t)j * src.w + i]) pic_set_key(dst, x + i, y + j);
            else pic_set(dst, x + i, y + j, pic_get(src, i, j));
        }
}
