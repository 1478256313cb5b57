// The screens' buttons run headless, drawn into the canvas: the count
// buttons' columns, the propeller design point, the blade chord and the
// rotor disc tilt.
#include "fabrex_fixture.h"

#include "aircraft_editor/default_plane.h"
#include "aircraft_editor/editor.h"
#include "aircraft_editor/fabrex_records.h"
#include "aircraft_editor/screen_table.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"

#include <cstddef>

using namespace fabrex;

namespace {
class Screens : public Editor {
protected:
    void SetUp() override
    {
        Editor::SetUp();
        to_array = 1;
        setup_baseplane("Untitled.acf", "Untitled.acf");
    }
    void TearDown() override
    {
        to_array = 0;
        mnw.topwin = 0;
        mnw.mouse_clicked = 0;
        Editor::TearDown();
    }
};

// One frame of screen id with the mouse at (x, y), clicked or not.
void frame(int id, float x, float y, int clicked = 1)
{
    mnw.topwin = id;
    mnw.mx = x;
    mnw.my = y;
    mnw.mouse_clicked = clicked;
    APPLICATION_update();
    mnw.mouse_clicked = 0;
    APPLICATION_update();
}

// Where digit k of the number field at `offset` stands on screen id, raised
// (a click there steps it up) or lowered.
void digit_at(int id, size_t offset, int k, int up, float* x, float* y)
{
    const screen_entry* s = find_screen(id, pln.is_heli);
    ASSERT_NE(s, nullptr);
    for (int n = 0; n < screen_field_count; ++n) {
        const field_entry& f = screen_fields[n];
        if (f.offset != offset || std::string(f.bitmap) != s->bitmap) continue;
        float lx, vx, fy;
        field_place(f, *s, &lx, &vx, &fy);
        *x = vx + 10 * k + 5;
        *y = fy + (up ? 10 : -5);
        return;
    }
    FAIL() << "no field at offset " << offset << " on screen " << id;
}

void click_digit(int id, size_t offset, int k, int up)
{
    float x, y;
    digit_at(id, offset, k, up, &x, &y);
    frame(id, x, y);
}
} // namespace

TEST_F(Screens, EngineCountShowsOneLocationColumnPerEngine)
{
    pln.numen = 2;
    // Engine 2's "behind" button, its units digit up; engine 3's is not there.
    frame(205, engine_column_x(1) + 25, engine_row_y[0] + 10);
    EXPECT_FLOAT_EQ(pln.Zarm[1], 1.0f);
    frame(205, engine_column_x(2) + 25, engine_row_y[0] + 10);
    EXPECT_FLOAT_EQ(pln.Zarm[2], 0.0f);
    frame(205, engine_column_x(0) + 25, engine_row_y[2] - 5);
    EXPECT_FLOAT_EQ(pln.Yarm[0], -1.0f);
    // The count itself, kept within 0..4.
    click_digit(205, offsetof(planestruct, numen), 0, 1);
    EXPECT_EQ(pln.numen, 3);
}

TEST_F(Screens, ElementColumnsEditIncidenceAndControls)
{
    const screen_entry* wing = find_screen(208, 0);
    ASSERT_EQ(pln.els[5], 6);
    frame(208, element_column_x(3) + 15, element_row_y(*wing, 0) + 10);
    EXPECT_FLOAT_EQ(pln.anginc[5][3], 1.0f);
    frame(208, element_column_x(2) + 12, element_row_y(*wing, 3) + 2);   // flap
    EXPECT_EQ(pln.flap[5][2], 1);
    EXPECT_EQ(pln.ailn[5][2], 0);
    // A column past the element count is not there.
    frame(208, element_column_x(6) + 12, element_row_y(*wing, 1) + 2);
    EXPECT_EQ(pln.ailn[5][6], 0);
    // The vertical stabiliser's only control is the rudder.
    const screen_entry* fin = find_screen(212, 0);
    frame(212, element_column_x(0) + 12, element_row_y(*fin, 1) + 2);
    EXPECT_EQ(pln.rudd[12][0], 1);
}

TEST_F(Screens, PropellerDesignFollowsTheButtonThatChanged)
{
    pln.semilen[0] = 3;
    pln.els[0] = 8;
    pln.des_rpm[0] = 2400;
    pln.des_adv[0] = 59;
    // The advance's units digit up: 60 inches a turn, designed from it.
    click_digit(206, offsetof(planestruct, des_adv), 2, 1);
    EXPECT_FLOAT_EQ(pln.des_adv[0], 60);
    EXPECT_NEAR(pln.anginc[0][0], 76.7f, 0.1f);
    EXPECT_NEAR(pln.anginc[0][7], 15.8f, 0.1f);
    EXPECT_NEAR(pln.des_vel[0], 118.5f, 0.2f);
    // A new RPM designs from RPM and speed: the advance follows.
    const float vel = pln.des_vel[0];
    click_digit(206, offsetof(planestruct, des_rpm), 1, 1);
    EXPECT_FLOAT_EQ(pln.des_rpm[0], 3400);
    EXPECT_NEAR(pln.des_adv[0], 60.0f * 2400 / 3400 * vel / 118.5f, 0.5f);
}

TEST_F(Screens, BladeChordInInchesAndDiscTilt)
{
    pln.Croot[0] = 0.5f;
    pln.Ctip[0] = 0.2f;
    frame(206, 0, 0, 0);
    EXPECT_NEAR(pln.Croot[0], 0.5f, 1e-5f);
    EXPECT_NEAR(pln.Ctip[0], 0.5f, 1e-5f);   // one chord per blade
    click_digit(206, offsetof(planestruct, Croot), 1, 1);   // 6.0 in to 7.0 in
    EXPECT_NEAR(pln.Croot[0], 7.0f / 12, 1e-5f);

    pln.is_heli = 1;
    setup_baseplane("Untitled.acf", "Untitled.acf");
    ASSERT_FLOAT_EQ(pln.vertcant[0], 90);
    click_digit(208, offsetof(planestruct, vertcant), 0, 1);   // tilt 0.0 to 1.0 forward
    EXPECT_NEAR(pln.vertcant[0], 89.0f, 1e-4f);
}
