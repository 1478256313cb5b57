// The 5 x 7 dot font, strings with word wrap, and numbers in fixed columns.
#include "HL_TEXT.h"

#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_TYPES.h"

#include <GL/gl.h>
#include <cmath>

const unsigned char font5x7[FONT_LAST - FONT_FIRST + 1][7] = {
    { 0,  0,  0,  0,  0,  0,  0}, // blank
    { 4,  4,  4,  4,  4,  0,  4}, // !
    { 0,  0,  0,  0,  0,  0,  0}, // double quote: no glyph
    { 0, 10, 31, 10, 31, 10,  0}, // #
    {14, 21, 20, 14,  5, 21, 14}, // $
    {15, 21, 22, 10, 13, 21, 18}, // %
    {12, 18, 20,  8, 21, 18, 13}, // &
    { 4,  4,  0,  0,  0,  0,  0}, // quote
    { 4,  8, 16, 16, 16,  8,  4}, // (
    { 4,  2,  1,  1,  1,  2,  4}, // )
    { 0,  4, 21, 14, 21,  4,  0}, // *
    { 0,  4,  4, 31,  4,  4,  0}, // +
    { 0,  0,  0,  0,  4,  4,  8}, // ,
    { 0,  0,  0, 31,  0,  0,  0}, // -
    { 0,  0,  0,  0,  0,  0,  4}, // .
    { 1,  1,  2,  2,  4,  4,  8}, // /
    {14, 17, 17, 17, 17, 17, 14}, // 0
    { 4, 12,  4,  4,  4,  4,  4}, // 1
    {14, 17,  1,  2,  4,  8, 31}, // 2
    {14, 17,  1,  6,  1, 17, 14}, // 3
    { 2,  6, 10, 18, 31,  2,  2}, // 4
    {31, 16, 30,  1,  1, 17, 14}, // 5
    {14, 16, 30, 17, 17, 17, 14}, // 6
    {31,  1,  1,  2,  4,  4,  4}, // 7
    {14, 17, 17, 14, 17, 17, 14}, // 8
    {14, 17, 17, 17, 15,  1, 14}, // 9
    { 0,  0,  4,  0,  0,  0,  4}, // :
    { 0,  0,  4,  0,  0,  4,  8}, // ;
    { 0,  2,  4,  8,  4,  2,  0}, // <
    { 0,  0, 30,  0, 30,  0,  0}, // =
    { 0,  8,  4,  2,  4,  8,  0}, // >
    {14, 17,  1,  2,  4,  0,  4}, // ?
    {14, 17, 29, 21, 30, 16, 14}, // @
    {14, 17, 17, 31, 17, 17, 17}, // A
    {30, 17, 17, 30, 17, 17, 30}, // B
    {14, 17, 16, 16, 16, 17, 14}, // C
    {30, 17, 17, 17, 17, 17, 30}, // D
    {31, 16, 16, 30, 16, 16, 31}, // E
    {31, 16, 16, 30, 16, 16, 16}, // F
    {14, 17, 16, 16, 19, 17, 15}, // G
    {17, 17, 17, 31, 17, 17, 17}, // H
    {14,  4,  4,  4,  4,  4, 14}, // I
    { 1,  1,  1,  1,  1, 17, 14}, // J
    {17, 18, 20, 24, 20, 18, 17}, // K
    {16, 16, 16, 16, 16, 16, 31}, // L
    {17, 27, 21, 17, 17, 17, 17}, // M
    {17, 25, 21, 19, 17, 17, 17}, // N
    {14, 17, 17, 17, 17, 17, 14}, // O
    {30, 17, 17, 30, 16, 16, 16}, // P
    {14, 17, 17, 17, 21, 19, 15}, // Q
    {30, 17, 17, 30, 17, 17, 17}, // R
    {14, 17, 16, 14,  1, 17, 14}, // S
    {31,  4,  4,  4,  4,  4,  4}, // T
    {17, 17, 17, 17, 17, 17, 14}, // U
    {17, 17, 17, 17, 17, 10,  4}, // V
    {17, 17, 17, 17, 21, 27, 17}, // W
    {17, 10,  4,  4,  4, 10, 17}, // X
    {17, 17, 10,  4,  4,  4,  4}, // Y
    {31,  1,  2,  4,  8, 16, 31}, // Z
    { 6,  4,  4,  4,  4,  4,  6}, // [
    { 0, 16,  8,  4,  2,  1,  0}, // backslash
    {12,  4,  4,  4,  4,  4, 12}, // ]
    { 4, 10, 17,  0,  0,  0,  0}, // ^
    { 0,  0,  0,  0,  0,  0, 31}, // _
    { 0,  0,  0,  0,  0,  0,  0}, // back quote: no glyph
    {14, 17, 17, 31, 17, 17, 17}, // a
    {30, 17, 17, 30, 17, 17, 30}, // b
    {14, 17, 16, 16, 16, 17, 14}, // c
    {30, 17, 17, 17, 17, 17, 30}, // d
    {31, 16, 16, 30, 16, 16, 31}, // e
    {31, 16, 16, 30, 16, 16, 16}, // f
    {14, 17, 16, 16, 19, 17, 15}, // g
    {17, 17, 17, 31, 17, 17, 17}, // h
    {14,  4,  4,  4,  4,  4, 14}, // i
    { 1,  1,  1,  1,  1, 17, 14}, // j
    {17, 18, 20, 24, 20, 18, 17}, // k
    {16, 16, 16, 16, 16, 16, 31}, // l
    {17, 27, 21, 17, 17, 17, 17}, // m
    {17, 25, 21, 19, 17, 17, 17}, // n
    {14, 17, 17, 17, 17, 17, 14}, // o
    {30, 17, 17, 30, 16, 16, 16}, // p
    {14, 17, 17, 17, 21, 19, 15}, // q
    {30, 17, 17, 30, 17, 17, 17}, // r
    {14, 17, 16, 14,  1, 17, 14}, // s
    {31,  4,  4,  4,  4,  4,  4}, // t
    {17, 17, 17, 17, 17, 17, 14}, // u
    {17, 17, 17, 17, 17, 10,  4}, // v
    {17, 17, 17, 17, 21, 27, 17}, // w
    {17, 10,  4,  4,  4, 10, 17}, // x
    {17, 17, 10,  4,  4,  4,  4}, // y
    {31,  1,  2,  4,  8, 16, 31}, // z
    { 0,  0,  0,  0,  0,  0,  0}, // brace: no glyph
    { 4,  4,  4,  4,  4,  4,  4}, // |
};

const unsigned char font_exponent[8][5] = {
    {24, 4, 24, 16, 28},  // 2
    {24, 4, 24, 4, 24},   // 3
    {20, 20, 28, 4, 4},   // 4
    {28, 16, 24, 4, 24},  // 5
    {16, 16, 24, 20, 24}, // 6
    {28, 4, 4, 4, 4},     // 7
    {8, 20, 8, 20, 8},    // 8
    {8, 20, 12, 4, 4},    // 9
};

const unsigned char* font5x7_rows(int c)
{
    if (c < FONT_FIRST || c > FONT_LAST) return nullptr;
    return font5x7[c - FONT_FIRST];
}

namespace {
void plot_dots(float x, float y, const int dots[35])
{
    if (to_array) {
        int x0 = round(x), y0 = round(y);
        for (int row = 0; row < 7; ++row)
            for (int c = 0; c < 5; ++c)
                if (dots[row * 5 + c]) BUF_point(x0 + c, y0 + 6 - row);
        return;
    }
    for (int row = 0; row < 7; ++row)
        for (int c = 0; c < 5; ++c)
            if (dots[row * 5 + c]) glVertex2f(x + c, y + (6 - row) + 0.5f);
}

// Seven rows of five bits (bit 16 left) as the 35 flags of OGL_sub_character.
void plot_rows(float x, float y, const unsigned char* rows, int nrows)
{
    int d[35] = {};
    for (int row = 0; row < nrows; ++row)
        for (int c = 0; c < 5; ++c) d[row * 5 + c] = (rows[row] >> (4 - c)) & 1;
    OGL_sub_character(x, y, d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7], d[8], d[9], d[10], d[11], d[12],
                      d[13], d[14], d[15], d[16], d[17], d[18], d[19], d[20], d[21], d[22], d[23], d[24], d[25],
                      d[26], d[27], d[28], d[29], d[30], d[31], d[32], d[33], d[34]);
}

const double tens[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000};
} // namespace

void OGL_sub_character(float x, float y,
                       int a1, int b1, int c1, int d1, int e1,
                       int a2, int b2, int c2, int d2, int e2,
                       int a3, int b3, int c3, int d3, int e3,
                       int a4, int b4, int c4, int d4, int e4,
                       int a5, int b5, int c5, int d5, int e5,
                       int a6, int b6, int c6, int d6, int e6,
                       int a7, int b7, int c7, int d7, int e7)
{
    const int dots[35] = {a1, b1, c1, d1, e1, a2, b2, c2, d2, e2, a3, b3, c3, d3, e3, a4, b4, c4, d4, e4,
                          a5, b5, c5, d5, e5, a6, b6, c6, d6, e6, a7, b7, c7, d7, e7};
    plot_dots(x, y, dots);
}

void OGL_char(float x, float y, char n)
{
    const unsigned char* rows = font5x7_rows((unsigned char)n);
    if (rows) plot_rows(x, y, rows, 7);
}

namespace {
// Line breaks (0, 1 or 2) before input[p], the pen standing at x on a line
// that starts at x1.
int breaks_before(const char* input, int p, float x, float x1, float dx)
{
    // The next word is measured at the normal pitch whatever this string's pitch.
    int n = 0;
    while (input[p + n] && input[p + n] != ' ') ++n;
    // Within a word only a character that would not fit breaks the line,
    // so a word longer than a whole line (a long path) fills each line
    // rather than running out of the box.
    if (6.0f * n > dx || (n > 0 && input[p - 1] != ' ' && input[p - 1] != x_eln)) n = 1;
    int breaks = x + 6.0f * n > x1 + dx;
    if (input[p] && input[p] == x_eln) ++breaks;
    return breaks;
}
} // namespace

void OGL_string(int color, float x, float y, const char* input, float dx, float pitch)
{
    if (!input) return;
    x += mnw.x;
    y += mnw.y;
    OGL_setcolor(color);
    if (!to_array) glBegin(GL_POINTS);
    const int wrap = dx < 800;
    const float x1 = x;
    for (int p = 0; input[p];) {
        if (input[p] != x_eln) {
            OGL_char(x, y, input[p]);
            x += pitch;
        }
        ++p;
        if (!wrap) continue;
        const int breaks = breaks_before(input, p, x, x1, dx);
        if (breaks) x = x1;
        y -= 10.0f * breaks;
    }
    if (!to_array) glEnd();
}

int OGL_string_fit(const char* input, float dx, float pitch, int lines)
{
    float x = 0;
    int line = 1, whole = 0;
    for (int p = 0; input[p];) {
        if (input[p] != x_eln) x += pitch;
        ++p;
        if (!input[p] || input[p] == ' ') whole = p;
        if (dx >= 800) continue;
        const int breaks = breaks_before(input, p, x, 0, dx);
        if (breaks) x = 0;
        line += breaks;
        if (line > lines && input[p]) return whole;
    }
    return whole;
}

void OGL_number(int color, float x, float y, float input, int dig, int dec, float pitch, int sign)
{
    dig = intlim(dig, 1, 7);
    dec = intlim(dec, 0, 6);
    x += mnw.x;
    y += mnw.y;
    OGL_setcolor(color);
    if (!to_array) glBegin(GL_POINTS);

    const bool finite = std::isfinite(input);
    const bool neg = input < 0;
    double v = std::fabs((double)input);
    // Counted in full, so that a value of more than seven digits never shows
    // its low digits as if they were the number.
    double inum = finite ? std::floor(v * tens[dec] + 0.5) : 0;
    int dig_req = 1;
    for (double t = inum; t >= 10 && dig_req <= 7; t /= 10) ++dig_req;

    if (sign) OGL_char(x - 6, y, neg && (inum != 0 || !finite) ? '-' : ' ');

    if (finite && dig_req <= dig) {
        long long n = (long long)inum;
        for (int i = 0; i < dig; ++i) {
            int k = dig - 1 - i;
            OGL_char(x + i * pitch, y, (char)('0' + (int)((n / (long long)tens[k]) % 10)));
        }
        if (dec > 0) OGL_char(x + (dig - 1 - dec + 0.5f) * pitch, y, '.');
    } else {
        int e = 2;
        while (finite && v >= 999 && e <= 9) {
            v /= 10;
            ++e;
        }
        if (!finite || e > 9) {
            // Beyond what three digits and one exponent glyph can say.
            for (int i = 0; i < 4; ++i) OGL_char(x + i * pitch, y, '#');
        } else {
            int m = (int)(v + 0.5);
            OGL_char(x, y, (char)('0' + m / 100));
            OGL_char(x + pitch, y, (char)('0' + (m / 10) % 10));
            OGL_char(x + 2 * pitch, y, (char)('0' + m % 10));
            OGL_char(x + 0.5f * pitch, y, '.');
            plot_rows(x + 3 * pitch, y, font_exponent[e - 2], 5);
        }
    }
    if (!to_array) glEnd();
}
