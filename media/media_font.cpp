#include "media_font.h"

#include "toolkit/HL_TEXT.h"

#include <cmath>
#include <cstring>
#include <string>

namespace {
const float PI = 3.14159265f;

// Dot (col, row) of character ch, row 0 at the top.
bool dot_lit(char ch, int col, int row)
{
    if (col < 0 || col > 4 || row < 0 || row > 6) return false;
    const unsigned char* rows = font5x7_rows((unsigned char)ch);
    return rows && (rows[row] & (16 >> col));
}
} // namespace

float text_width(const char* s, float dot, float pitch_dots)
{
    size_t n = strlen(s);
    return n ? ((n - 1) * pitch_dots + 5) * dot : 0;
}

void pic_text(picture& p, colour c, float x, float y, const char* s, float dot, float pitch_dots)
{
    size_t n = strlen(s);
    for (size_t k = 0; k < n; ++k) {
        float gx = x + k * pitch_dots * dot;
        char ch = s[k];
        pic_shape(p, c, 1, gx, y, gx + 5 * dot, y + 7 * dot, [=](float px, float py) {
            int col = (int)std::floor((px - gx) / dot);
            int row = 6 - (int)std::floor((py - y) / dot);
            return dot_lit(ch, col, row);
        });
    }
}

void pic_text_centred(picture& p, colour c, float cx, float cy, const char* s, float dot, float pitch_dots)
{
    pic_text(p, c, cx - text_width(s, dot, pitch_dots) / 2, cy - 3.5f * dot, s, dot, pitch_dots);
}

void pic_text_turned(picture& p, colour c, float cx, float cy, const char* s, float dot, float heading)
{
    float w = text_width(s, dot), h = 7 * dot;
    float sn = std::sin(heading * PI / 180), cs = std::cos(heading * PI / 180);
    float reach = std::sqrt(w * w + h * h) / 2 + 1;
    std::string text(s);
    pic_shape(p, c, 1, cx - reach, cy - reach, cx + reach, cy + reach, [=](float px, float py) {
        // Into the text's own frame: u along the text, v up it.
        float dx = px - cx, dy = py - cy;
        float u = dx * cs - dy * sn + w / 2;
        float v = dx * sn + dy * cs + h / 2;
        if (u < 0 || v < 0 || u >= w || v >= h) return false;
        int k = (int)std::floor(u / (6 * dot));
        if (k >= (int)text.size()) return false;
        int col = (int)std::floor((u - k * 6 * dot) / dot);
        int row = 6 - (int)std::floor(v / dot);
        return dot_lit(text[k], col, row);
    });
}
