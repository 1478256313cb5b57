// The edit screen: plot positions in both views, the points kept inside the
// plot box, the cursor and its read-out, and the digit buttons with the
// stall angles held outside the straight part of the lift curve. A recorder
// (the linker's --wrap) sees the lines and numbers drawn.
#include "sectra_fixture.h"

#include "tools/Sectra/airfoil_model.h"
#include "tools/Sectra/edit_screen.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/airfoil_record.h"

#include <cmath>

using namespace sectra;

namespace {
struct line_call {
    int color;
    float x1, y1, x2, y2;
};
struct number_call {
    int color;
    float x, y, value;
    int dig, dec;
    float pitch;
    int sign;
};
std::vector<line_call> lines;
std::vector<number_call> numbers;

const number_call* number_at(float x, float y)
{
    for (const auto& n : numbers)
        if (n.x == x && n.y == y) return &n;
    return nullptr;
}

// Points of a colour drawn this frame, each one unit high inside the box.
int points_in(int color)
{
    int n = 0;
    for (size_t i = 1; i < lines.size(); ++i) {
        const line_call& l = lines[i];
        if (l.color != color) continue;
        EXPECT_EQ(l.y2, l.y1 + 1);
        EXPECT_TRUE(l.y1 >= 140 && l.y1 <= 540);
        ++n;
    }
    return n;
}

// One frame of the screen with the mouse at (x, y), clicked or not.
void frame(float x, float y, int clicked = 0)
{
    mnw.mx = x;
    mnw.my = y;
    mnw.mouse_clicked = clicked;
    lines.clear();
    numbers.clear();
    APPLICATION_update();
}
} // namespace

extern "C" void __real__Z8OGL_lineiffff(int, float, float, float, float);
extern "C" void __real__Z10OGL_numberifffiifi(int, float, float, float, int, int, float, int);

extern "C" void __wrap__Z8OGL_lineiffff(int color, float x1, float y1, float x2, float y2)
{
    lines.push_back({color, x1, y1, x2, y2});
    __real__Z8OGL_lineiffff(color, x1, y1, x2, y2);
}

extern "C" void __wrap__Z10OGL_numberifffiifi(int color, float x, float y, float value, int dig, int dec, float pitch, int sign)
{
    numbers.push_back({color, x, y, value, dig, dec, pitch, sign});
    __real__Z10OGL_numberifffiifi(color, x, y, value, dig, dec, pitch, sign);
}

TEST_F(SectraEditor, PlotPositionsInBothViews)
{
    const struct {
        int device, view, x, px;
    } cases[] = {
        // Against alpha the abscissa is the step.
        {200, 300, 0, 0}, {200, 300, 250, 250}, {201, 300, 400, 400},
        // Against lift: 125 columns per unit from the middle; past the stall
        // angles the steps stand on the stall's lift (-1.1 at -15, 1.5986 at 14.9).
        {200, 301, 0, 63}, {200, 301, 49, 63}, {200, 301, 50, 63}, {200, 301, 100, 104},
        {200, 301, 200, 231}, {200, 301, 349, 399}, {200, 301, 350, 399}, {200, 301, 400, 399},
        // A flap: 200 columns per unit of lift, from the box's left edge.
        {201, 301, 0, 0}, {201, 301, 200, 185}, {201, 301, 400, 280},
    };
    for (const auto& c : cases) {
        reset_to_default(c.device);
        msc.view = c.view;
        EXPECT_EQ(fpx(c.x), c.px) << c.device << " view " << c.view << " step " << c.x;
    }
    // Stall angles from a file beyond the buttons' ranges stay on the table.
    reset_to_default(DEVICE_AIRFOIL);
    msc.view = VIEW_POLAR;
    afl.almin = 60;
    EXPECT_EQ(fpx(0), (int)(cl[470] * 125) + 200);
}

TEST_F(SectraEditor, PointsOnlyInsideThePlotBox)
{
    const struct {
        float y;
        int row;   // -1: not drawn
    } cases[] = {
        {0, 340}, {0.5f, 440}, {1.0f, 540}, {1.004f, 540}, {1.006f, -1}, {-1.0f, 140}, {-1.006f, -1},
        // Truncated toward zero, not down.
        {-0.0049f, 340}, {-0.0051f, 339},
    };
    for (const auto& c : cases) {
        lines.clear();
        elementpoint(2, 17, c.y);
        if (c.row < 0) {
            EXPECT_TRUE(lines.empty()) << c.y;
            continue;
        }
        ASSERT_EQ(lines.size(), 1u) << c.y;
        EXPECT_EQ(lines[0].color, 2);
        EXPECT_EQ(lines[0].x1, 267);
        EXPECT_EQ(lines[0].x2, 267);
        EXPECT_EQ(lines[0].y1, c.row) << c.y;
        EXPECT_EQ(lines[0].y2, c.row + 1) << c.y;
    }
}

TEST_F(SectraEditor, CursorAndReadOut)
{
    // At start the cursor stands at step 250: 5 degrees on an airfoil.
    frame(100, 100);
    EXPECT_EQ(mx, 250);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].color, 0);
    EXPECT_EQ(lines[0].x1, 500);
    EXPECT_EQ(lines[0].y1, 140);
    EXPECT_EQ(lines[0].y2, 540);
    const struct {
        float y;
        int color;
        float value;
        int dec;
    } readout[] = {{545, 6, 5.0f, 3}, {530, 1, cl[320], 4}, {515, 2, cd[320], 4}, {500, 3, cm[320], 4}};
    for (const auto& r : readout) {
        const number_call* n = number_at(33, r.y);
        ASSERT_TRUE(n) << r.y;
        EXPECT_EQ(n->color, r.color);
        EXPECT_FLOAT_EQ(n->value, r.value);
        EXPECT_EQ(n->dig, 5);
        EXPECT_EQ(n->dec, r.dec);
        EXPECT_EQ(n->pitch, 8);
        EXPECT_EQ(n->sign, 1);
    }
    EXPECT_NEAR(cl[320], 0.76f, 1e-5);
    // The fixed break angles of the moment curve.
    ASSERT_TRUE(number_at(12, 242));
    EXPECT_EQ(number_at(12, 242)->value, -20);
    EXPECT_EQ(number_at(195, 242)->value, 20);
    // The zero line, lift and moment in full; drag beyond its scale near
    // +-20 degrees leaves the box.
    EXPECT_EQ(points_in(6), 401);
    EXPECT_EQ(points_in(1), 401);
    EXPECT_EQ(points_in(3), 401);
    EXPECT_GT(points_in(2), 300);
    EXPECT_LT(points_in(2), 401);

    // The mouse over the box moves it without a click; outside it stays.
    frame(300.7f, 400);
    EXPECT_EQ(mx, 50);
    frame(650, 540);
    EXPECT_EQ(mx, 400);
    frame(651, 540);
    EXPECT_EQ(mx, 400);
    EXPECT_FLOAT_EQ(number_at(33, 545)->value, 20);

    // Against lift no lift curve; the cursor stands where the step's lift is.
    msc.view = VIEW_POLAR;
    frame(300, 400);
    EXPECT_EQ(lines[0].x1, 250 + 63);
    EXPECT_EQ(points_in(6), 0);
    EXPECT_EQ(points_in(1), 401);   // only the zero line, in the lift's colour
    EXPECT_EQ(lines.size() - 1, (size_t)(401 + points_in(2) + points_in(3)));

    // A flap reads its deflection.
    reset_to_default(DEVICE_FLAP);
    mx = 250;
    frame(0, 0);
    EXPECT_FLOAT_EQ(number_at(33, 545)->value, 0.625f);
    EXPECT_FLOAT_EQ(number_at(33, 530)->value, cl[250]);
    EXPECT_FALSE(number_at(12, 242));
}

TEST_F(SectraEditor, ButtonsEditRegenerateAndRefuseStraightStalls)
{
    // A click on the upper half of almax's tens digit: 15 + 10, held at 20.
    frame(136, 140, 1);
    EXPECT_EQ(afl.almax, 20.0f);
    EXPECT_EQ(msc.devicemod, 1);
    EXPECT_NEAR(cl[470], afl.Lstall - afl.Ldrop1, 1e-5);   // the stall now at 20 degrees

    const struct {
        float x, y;
        float* field;
        float value;
        int marks;   // a click that changes nothing leaves the part unmarked
    } clicks[] = {
        // The stall angles never enter -10..10.
        {75, 140, &afl.almin, -10.001f, 1},   // -15 + 10
        {136, 130, &afl.almax, 10.001f, 1},   // 20 - 10
        {136, 130, &afl.almax, 10.001f, 0},   // again: held
        {75, 130, &afl.almin, -20.0f, 1},     // -10.001 - 10
        {75, 130, &afl.almin, -20.0f, 0},
        // Lift slope, third digit (0.01) up.
        {95, 460, &afl.clM[0][0][0], 0.112f, 1},
        // Reynolds number, first digit (10) down: held at 0.
        {155, 530, &afl.Re[0][0][0], 0.0f, 1},
    };
    for (const auto& c : clicks) {
        msc.devicemod = 0;
        frame(c.x, c.y, 1);
        EXPECT_NEAR(*c.field, c.value, 1e-5) << c.x << "," << c.y;
        EXPECT_EQ(msc.devicemod, c.marks) << c.x << "," << c.y;
    }
    EXPECT_NEAR(cl[370], afl.clB[0][0][0] + 10 * 0.112f, 1e-4);

    // The mouse resting on a button shows its help and changes nothing.
    msc.devicemod = 0;
    frame(75, 140, 0);
    EXPECT_EQ(msc.devicemod, 0);
    EXPECT_NE(std::string(mnw.help_message).find("negative angle of attack"), std::string::npos);

    // A flap shows its nine buttons only: the airfoil's places edit nothing.
    reset_to_default(DEVICE_FLAP);
    frame(136, 140, 1);
    EXPECT_EQ(msc.devicemod, 0);
    frame(15, 460, 1);   // FLPlco1, first digit up: 2 + 1
    EXPECT_EQ(afl.FLPlco1, 3.0f);
    EXPECT_EQ(msc.devicemod, 1);
    EXPECT_NEAR(cl[400], 3 - 0.6f, 1e-5);
}
