// Text and numbers in the 5 x 7 dot font, the only font of the suite.
#pragma once

// The glyphs of codes 32 to 124, seven rows from the top, each row a 5-bit
// value whose bit 16 is the left-most dot. Lower-case letters repeat the
// capitals; '"', '`' and '{' have empty rows (they draw nothing).
const int FONT_FIRST = 32;
const int FONT_LAST = 124;
extern const unsigned char font5x7[FONT_LAST - FONT_FIRST + 1][7];
// The raised exponent glyphs 2 to 9 of OGL_number: five rows, three dots wide.
extern const unsigned char font_exponent[8][5];

// The seven rows of character c, or nullptr when c has no glyph
// (codes below 32 and above 124).
const unsigned char* font5x7_rows(int c);

// One glyph from 35 dot flags, row by row from the top, each row from the
// left. (x, y) is absolute: no window offset. In GL mode the caller has
// opened a point list.
void OGL_sub_character(float x, float y,
                       int a1, int b1, int c1, int d1, int e1,
                       int a2, int b2, int c2, int d2, int e2,
                       int a3, int b3, int c3, int d3, int e3,
                       int a4, int b4, int c4, int d4, int e4,
                       int a5, int b5, int c5, int d5, int e5,
                       int a6, int b6, int c6, int d6, int e6,
                       int a7, int b7, int c7, int d7, int e7);
// One character at an absolute position; nothing for a character without a glyph.
void OGL_char(float x, float y, char n);
// A string in window coordinates: pitch per character, 10 units per line,
// word wrap at dx (off from 800 up), the end-of-line character x_eln breaks
// the line and is never drawn.
void OGL_string(int color, float x, float y, const char* input, float dx, float pitch);
// How many characters of input, ending with a whole word, OGL_string sets
// in at most `lines` lines of wrap width dx.
int OGL_string_fit(const char* input, float dx, float pitch, int lines);
// A number in dig columns (1 to 7) with dec decimals (0 to 6), an optional
// sign column 6 units to the left; a value that does not fit shows three
// digits and a raised exponent, one beyond 9.99e9 (or not finite) shows "####".
void OGL_number(int color, float x, float y, float input, int dig, int dec, float pitch, int sign);
