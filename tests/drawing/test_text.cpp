// The 5 x 7 font, strings with wrap and end-of-line, and OGL_number's forms.
#include "drawing_support.h"

#include "toolkit/HL_FILE.h"
#include "toolkit/HL_TEXT.h"

#include <cmath>
#include <limits>
#include <string>

namespace {
class Text : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_toolkit();
        to_array = 1;
        OGL_setcolor(0);
    }
    void TearDown() override { to_array = 0; }
};

// The dots of seven rows (bit 16 the left-most) drawn at (x, y): row 1 on top.
void expect_dots(int x, int y, const std::vector<int>& rows, const char* what)
{
    int dots = 0;
    for (int r = 0; r < (int)rows.size(); ++r)
        for (int c = 0; c < 5; ++c) {
            bool on = (rows[r] >> (4 - c)) & 1;
            dots += on;
            EXPECT_EQ(lit(x + c, y + 6 - r), on) << what << " row " << r + 1 << " column " << c;
        }
    EXPECT_EQ(count_lit(), dots) << what;
}

// A reference picture: characters at absolute positions, and exponent glyphs.
struct placed {
    char c;
    float x, y;
};
std::vector<unsigned char> picture(const std::vector<placed>& chars, int exponent = 0, float ex = 0, float ey = 0)
{
    clear_canvas();
    for (const auto& p : chars) OGL_char(p.x, p.y, p.c);
    if (exponent) {
        const unsigned char* rows = font_exponent[exponent - 2];
        int d[35] = {};
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 5; ++c) d[r * 5 + c] = (rows[r] >> (4 - c)) & 1;
        OGL_sub_character(ex, ey, d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7], d[8], d[9], d[10], d[11], d[12],
                          d[13], d[14], d[15], d[16], d[17], d[18], d[19], d[20], d[21], d[22], d[23], d[24], d[25],
                          d[26], d[27], d[28], d[29], d[30], d[31], d[32], d[33], d[34]);
    }
    auto shot = snapshot();
    clear_canvas();
    return shot;
}
} // namespace

TEST_F(Text, GlyphsAreTheTabledDotsWithLowerCaseAsCapitals)
{
    const struct {
        char c;
        std::vector<int> rows;
    } glyphs[] = {
        {'A', {14, 17, 17, 31, 17, 17, 17}}, {'a', {14, 17, 17, 31, 17, 17, 17}},
        {'g', {14, 17, 16, 16, 19, 17, 15}}, {'0', {14, 17, 17, 17, 17, 17, 14}},
        {'4', {2, 6, 10, 18, 31, 2, 2}},     {'%', {15, 21, 22, 10, 13, 21, 18}},
        {'@', {14, 17, 29, 21, 30, 16, 14}}, {'\\', {0, 16, 8, 4, 2, 1, 0}},
        {'|', {4, 4, 4, 4, 4, 4, 4}},        {',', {0, 0, 0, 0, 4, 4, 8}},
    };
    for (const auto& g : glyphs) {
        clear_canvas();
        OGL_char(10.4f, 20, g.c);  // whole canvas pixels: x rounds to 10
        expect_dots(10, 20, g.rows, std::string(1, g.c).c_str());
    }
    for (char c = 'a'; c <= 'z'; ++c)
        EXPECT_EQ(picture({{c, 10, 20}}), picture({{(char)(c - 'a' + 'A'), 10, 20}})) << c;
}

TEST_F(Text, CharactersWithoutAGlyphDrawNothingButAdvance)
{
    const auto b_after_one = picture({{'B', 16, 20}});
    for (char c : {'"', '`', '{', '}', '~', (char)1, (char)31, (char)200}) {
        const char s[3] = {c, 'B', 0};
        clear_canvas();
        OGL_string(0, 10, 20, s, 800, 6);
        EXPECT_EQ(snapshot(), b_after_one) << (int)(unsigned char)c;
    }
}

TEST_F(Text, StringsAddTheOffsetOnceWrapAndBreakAtEndOfLine)
{
    mnw.x = 50;
    mnw.y = 20;
    const float X = 150, Y = 320;  // (100, 300) in window coordinates
    const struct {
        const char* text;
        float dx, pitch;
        std::vector<placed> want;
    } cases[] = {
        // Without wrap the end-of-line character is skipped and nothing breaks.
        {"AB\nCD", 800, 6, {{'A', X, Y}, {'B', X + 6, Y}, {'C', X + 12, Y}, {'D', X + 18, Y}}},
        // With wrap it starts a new line 10 units down.
        {"AB\nCD", 100, 6, {{'A', X, Y}, {'B', X + 6, Y}, {'C', X, Y - 10}, {'D', X + 6, Y - 10}}},
        // The second word would end at 102 > 60: the blank stays on line one.
        {"ABCDEFGH IJKLMNOP", 60, 6,
         {{'A', X, Y}, {'B', X + 6, Y}, {'C', X + 12, Y}, {'D', X + 18, Y}, {'E', X + 24, Y}, {'F', X + 30, Y}, {'G', X + 36, Y},
          {'H', X + 42, Y}, {'I', X, Y - 10}, {'J', X + 6, Y - 10}, {'K', X + 12, Y - 10}, {'L', X + 18, Y - 10},
          {'M', X + 24, Y - 10}, {'N', X + 30, Y - 10}, {'O', X + 36, Y - 10}, {'P', X + 42, Y - 10}}},
        // A word longer than a line (a path) fills each line and breaks where it is full.
        {"AB /CDEFGHIJKL", 30, 6,
         {{'A', X, Y}, {'B', X + 6, Y}, {'/', X + 18, Y}, {'C', X + 24, Y}, {'D', X, Y - 10}, {'E', X + 6, Y - 10},
          {'F', X + 12, Y - 10}, {'G', X + 18, Y - 10}, {'H', X + 24, Y - 10}, {'I', X, Y - 20}, {'J', X + 6, Y - 20},
          {'K', X + 12, Y - 20}, {'L', X + 18, Y - 20}}},
        // Words are measured at 6 a character whatever the pitch; ending exactly at dx fits.
        {"ABCDE FG", 62, 8,
         {{'A', X, Y}, {'B', X + 8, Y}, {'C', X + 16, Y}, {'D', X + 24, Y}, {'E', X + 32, Y}, {'F', X + 48, Y}, {'G', X + 56, Y}}},
    };
    for (const auto& c : cases) {
        auto expected = picture(c.want);
        OGL_string(0, 100, 300, c.text, c.dx, c.pitch);
        EXPECT_EQ(snapshot(), expected) << c.text << " wrapped at " << c.dx;
    }
}

// What fits a box of a few lines: whole words only, as OGL_string wraps them.
TEST_F(Text, TheWholeWordsThatFitSomeLines)
{
    const struct {
        const char* text;
        float dx;
        int lines;
        const char* fits;
    } cases[] = {
        {"ABCDEFGH IJKLMNOP QRST", 60, 1, "ABCDEFGH"},
        {"ABCDEFGH IJKLMNOP QRST", 60, 2, "ABCDEFGH IJKLMNOP"},
        {"ABCDEFGH IJKLMNOP QRST", 60, 3, "ABCDEFGH IJKLMNOP QRST"},
        {"AB CD EF", 800, 1, "AB CD EF"},   // no wrap: one line holds it all
        {"", 60, 1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::string(c.text, OGL_string_fit(c.text, c.dx, 6, c.lines)), c.fits) << c.text << " in " << c.lines;
}

TEST_F(Text, NumbersInFixedColumnsOrWithARaisedExponent)
{
    const float X = 100, Y = 50;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        float value;
        int dig, dec, sign;
        std::vector<placed> want;
        int exponent;
    } cases[] = {
        {12.34f, 4, 1, 0, {{'0', X, Y}, {'1', X + 6, Y}, {'2', X + 12, Y}, {'3', X + 18, Y}, {'.', X + 15, Y}}, 0},
        {5, 3, 0, 0, {{'0', X, Y}, {'0', X + 6, Y}, {'5', X + 12, Y}}, 0},
        {999999, 7, 0, 0, {{'0', X, Y}, {'9', X + 6, Y}, {'9', X + 12, Y}, {'9', X + 18, Y}, {'9', X + 24, Y}, {'9', X + 30, Y}, {'9', X + 36, Y}}, 0},
        {12345, 4, 0, 0, {{'1', X, Y}, {'2', X + 6, Y}, {'3', X + 12, Y}, {'.', X + 3, Y}}, 4},
        {5.5f, 3, 3, 0, {{'0', X, Y}, {'0', X + 6, Y}, {'6', X + 12, Y}, {'.', X + 3, Y}}, 2},
        {-3, 1, 0, 1, {{'-', X - 6, Y}, {'3', X, Y}}, 0},
        {3, 1, 0, 1, {{'3', X, Y}}, 0},
        // Rounds to zero: no minus sign.
        {-0.04f, 2, 1, 1, {{'0', X, Y}, {'0', X + 6, Y}, {'.', X + 3, Y}}, 0},
        // More digits than seven: never the low seven digits.
        {12345678, 7, 0, 0, {{'1', X, Y}, {'2', X + 6, Y}, {'3', X + 12, Y}, {'.', X + 3, Y}}, 7},
        // Beyond a 32-bit integer.
        {3e9f, 7, 0, 1, {{'3', X, Y}, {'0', X + 6, Y}, {'0', X + 12, Y}, {'.', X + 3, Y}}, 9},
        {-12345, 4, 0, 1, {{'-', X - 6, Y}, {'1', X, Y}, {'2', X + 6, Y}, {'3', X + 12, Y}, {'.', X + 3, Y}}, 4},
        // Past what one exponent glyph can say, or not a number at all.
        {1e12f, 4, 0, 0, {{'#', X, Y}, {'#', X + 6, Y}, {'#', X + 12, Y}, {'#', X + 18, Y}}, 0},
        {nan, 4, 0, 0, {{'#', X, Y}, {'#', X + 6, Y}, {'#', X + 12, Y}, {'#', X + 18, Y}}, 0},
        {-INFINITY, 4, 0, 1, {{'-', X - 6, Y}, {'#', X, Y}, {'#', X + 6, Y}, {'#', X + 12, Y}, {'#', X + 18, Y}}, 0},
    };
    for (const auto& c : cases) {
        auto expected = picture(c.want, c.exponent, X + 18, Y);
        OGL_number(0, X, Y, c.value, c.dig, c.dec, 6, c.sign);
        EXPECT_EQ(snapshot(), expected) << c.value << " in " << c.dig << " columns, " << c.dec << " decimals";
    }
}

TEST_F(Text, ExponentGlyphsAreTheTabledThreeDotShapes)
{
    const std::vector<int> rows[8] = {
        {24, 4, 24, 16, 28, 0, 0}, {24, 4, 24, 4, 24, 0, 0}, {20, 20, 28, 4, 4, 0, 0}, {28, 16, 24, 4, 24, 0, 0},
        {16, 16, 24, 20, 24, 0, 0}, {28, 4, 4, 4, 4, 0, 0}, {8, 20, 8, 20, 8, 0, 0}, {8, 20, 12, 4, 4, 0, 0},
    };
    // 1.00 x 10^e for e = 2 .. 9: the glyph sits in the fourth column.
    for (int e = 2; e <= 9; ++e) {
        clear_canvas();
        OGL_number(0, 100, 50, std::pow(10.0f, (float)e), 1, 0, 6, 0);
        auto all = snapshot();
        auto mantissa = picture({{'1', 100, 50}, {'0', 106, 50}, {'0', 112, 50}, {'.', 103, 50}});
        clear_canvas();
        for (int k = 0; k < (int)all.size(); ++k) rgb_array[k] = all[k] & ~mantissa[k];
        expect_dots(118, 50, rows[e - 2], ("exponent " + std::to_string(e)).c_str());
    }
}
