// The numeric and string helpers' edge rules, which every subsystem relies on.
#include "toolkit/HL_FUNCT.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <set>

TEST(Random, SeededWithOneGivesTheKnownSequence)
{
    toolkit_srand(1);
    EXPECT_EQ(toolkit_rand(), 16838);
    EXPECT_EQ(toolkit_rand(), 5758);
    EXPECT_EQ(toolkit_rand(), 10113);
}

TEST(Random, IntrandCoversBothEndsAndNoMore)
{
    toolkit_srand(7);
    std::set<int> seen;
    for (int i = 0; i < 20000; ++i) seen.insert(intrand(0, 3));
    EXPECT_EQ(seen, (std::set<int>{0, 1, 2, 3}));
    for (int i = 0; i < 100; ++i) EXPECT_EQ(intrand(5, 5), 5);
    for (int i = 0; i < 1000; ++i) {
        float f = fltrand(-2, 2);
        EXPECT_GE(f, -2);
        EXPECT_LE(f, 2);
    }
}

TEST(Clamps, TableOfEdgeCases)
{
    EXPECT_FLOAT_EQ(fltwrap(-10, 0, 360), 350);
    EXPECT_FLOAT_EQ(fltwrap(-370, 0, 360), -10);  // one step only
    EXPECT_FLOAT_EQ(fltwrap(370, 0, 360), 10);
    EXPECT_FLOAT_EQ(fltwrap(0, 0, 360), 0);
    EXPECT_FLOAT_EQ(fltwrap(360, 0, 360), 360);
    EXPECT_EQ(intwrap(-1, 0, 359), 359);
    EXPECT_EQ(intwrap(360, 0, 359), 0);
    EXPECT_EQ(intwrap(12, 0, 11), 0);
    EXPECT_EQ(intlim(7, 0, 5), 5);
    EXPECT_EQ(intlim(-7, 0, 5), 0);
    EXPECT_FLOAT_EQ(fltlim(-1, 0, 1), 0);
    EXPECT_EQ(intrange(5, 5, 9), 1);
    EXPECT_EQ(intrange(9, 5, 9), 1);
    EXPECT_EQ(intrange(10, 5, 9), 0);
    EXPECT_EQ(fltrange(NAN, 0, 1), 0);
    EXPECT_EQ(fltbox(1, 2, 1, 2, 3, 4), 1);
    EXPECT_EQ(fltbox(3, 4.01f, 1, 2, 3, 4), 0);
}

TEST(Rounding, HalfAwayFromZeroElsewhereTruncation)
{
    struct { float in; int out; } cases[] = {{2.5f, 3}, {-2.5f, -3}, {-0.5f, -1}, {0.49f, 0}, {-0.4f, 0}, {1.5f, 2}};
    for (auto c : cases) EXPECT_EQ(round(c.in), c.out) << c.in;
    EXPECT_FLOAT_EQ(fltnear(47, 5), 45);
    EXPECT_FLOAT_EQ(fltnear(48, 5), 50);
    EXPECT_EQ(intnear(48, 5), 50);
    EXPECT_FLOAT_EQ(fallout(0.4f, 0, 1), 0);
    EXPECT_FLOAT_EQ(fallout(0.5f, 0, 1), 1);
    EXPECT_FLOAT_EQ(fallout(1.5f, 0, 1), 1.5f);
    EXPECT_FLOAT_EQ(closer_assymp(10, 20, 0.25f), 12.5f);
}

// Nothing that is no number or beyond the int range becomes an undefined int.
TEST(Rounding, FloatToIntIsTotal)
{
    const float nan = std::nanf(""), inf = INFINITY;
    struct {
        float in;
        int rounded, truncated;
    } cases[] = {
        {nan, 0, 0},
        {inf, INT_MAX, INT_MAX},
        {-inf, INT_MIN, INT_MIN},
        {1e30f, INT_MAX, INT_MAX},
        {-1e30f, INT_MIN, INT_MIN},
        {2147483520.0f, 2147483520, 2147483520},
        {-2.5f, -3, -2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(round(c.in), c.rounded) << c.in;
        EXPECT_EQ(flt_to_int(c.in), c.truncated) << c.in;
    }
    EXPECT_EQ(fltlim(nan, 1, 2), 1);
    EXPECT_EQ(fltlim(nan, -1, 1), 0);
    EXPECT_EQ(fltlim(inf, -1, 1), 1);
    int hrs = -1, min = -1;
    sec_to_hrs_min(nan, &hrs, &min);
    EXPECT_EQ(hrs, 0);
    EXPECT_EQ(min, 0);
}

TEST(MinMaxAndRoots, Values)
{
    EXPECT_EQ(intmin3(4, 2, 3), 2);
    EXPECT_EQ(intmax3(4, 2, 9), 9);
    EXPECT_FLOAT_EQ(fltmin4(4, 2, 3, -1), -1);
    EXPECT_FLOAT_EQ(fltmax4(4, 2, 8, -1), 8);
    EXPECT_FLOAT_EQ(signsqr(-3), -9);
    EXPECT_FLOAT_EQ(signsqrt(-9), -3);
    EXPECT_FLOAT_EQ(pythag(3, 4), 5);
    EXPECT_FLOAT_EQ(pythag3(2, 3, 6), 7);
    EXPECT_FLOAT_EQ(interp(0, 0, 10, 100, 15), 150);  // extrapolates
}

TEST(Strings, DigitConversions)
{
    EXPECT_EQ(str_to_int("0042"), 42);
    EXPECT_EQ(str_to_int("12345"), -1);
    EXPECT_EQ(str_to_int("-4"), -1);
    EXPECT_EQ(str_to_int(""), -1);
    EXPECT_EQ(str_is_int(""), 1);
    EXPECT_EQ(str_is_frac("3/4"), 1);
    EXPECT_FLOAT_EQ(str_to_frac("3/4"), 0.75f);
    EXPECT_EQ(str_is_frac("0/4"), 0);
    EXPECT_EQ(char_to_int('+'), 1);
    EXPECT_EQ(char_to_int('-'), -1);
    EXPECT_EQ(char_to_int('x'), 0);
    EXPECT_EQ(int_to_char(0), '0');
    EXPECT_EQ(int_to_char(12), '0');

    struct { int in; const char* out; } cases[] = {{-305, "-305"}, {0, "0"}, {99999, "99999"}, {7, "7"}, {123456, "03456"}};
    char buf[16];
    for (auto c : cases) {
        int_to_str(c.in, buf);
        EXPECT_STREQ(buf, c.out) << c.in;
    }
    int h, m;
    sec_to_hrs_min(3725.9f, &h, &m);
    EXPECT_EQ(h, 1);
    EXPECT_EQ(m, 2);
}

TEST(Strings, CopiesAreOrderedAndBounded)
{
    char a[400], b[400], c[400];
    C_to_C("abc", a);
    EXPECT_STREQ(a, "abc");
    C_to_C(nullptr, a);
    EXPECT_STREQ(a, "abc");
    C_plus_C("abc", "def", b);
    EXPECT_STREQ(b, "abcdef");
    app_C(b, "g");
    EXPECT_STREQ(b, "abcdefg");
    C_plus_C(b, "h", b);  // the destination may be a source
    EXPECT_STREQ(b, "abcdefgh");
    str_switch(a, b);
    EXPECT_STREQ(a, "abcdefgh");
    EXPECT_STREQ(b, "abc");

    // Texts longer than the 400-character rule stop at 399 characters.
    static char longtext[1000];
    memset(longtext, 'x', 999);
    C_to_C(longtext, c);
    EXPECT_EQ(strlen(c), 399u);
    app_C(c, "more");
    EXPECT_EQ(strlen(c), 399u);
}
