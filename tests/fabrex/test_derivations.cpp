// The per-frame derivations, the copy rules, smoothing and the preview distance.
#include "fabrex_fixture.h"

#include "aircraft_editor/editor.h"
#include "aircraft_editor/fabrex_records.h"
#include "aircraft_editor/smoothing.h"
#include "toolkit/part_geometry.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"

#include <cmath>
#include <cstring>

using namespace fabrex;

TEST_F(Editor, EngineTypeSetsItsDefaultFuelConsumption)
{
    const struct {
        int type;
        float sfc;
    } cases[] = {{1, 0.43f}, {2, 0.41f}, {3, 0.55f}, {4, 0.85f}, {5, 0.55f}};
    pln.entype = 0;
    remember_engine_type();
    for (const auto& c : cases) {
        pln.entype = c.type;
        pln.sfc = 9;
        derive_engine_sfc();
        EXPECT_FLOAT_EQ(pln.sfc, c.sfc) << "type " << c.type;
        pln.sfc = 9;   // the same type again leaves it alone
        derive_engine_sfc();
        EXPECT_FLOAT_EQ(pln.sfc, 9);
    }
}

TEST_F(Editor, WheelRadiusAndSkidTube)
{
    pln.gear_type = 3;
    pln.m_max = 10000;
    derive_fields();
    EXPECT_NEAR(pln.wheelrad, 0.65f, 1e-5);

    pln.gear_type = 2;
    pln.skidl = 10;
    derive_fields();
    EXPECT_NEAR(pln.wheelrad, 0.2f, 1e-6);
    const float zs[7] = {0, 0.2f, 0.5f, 0.8f, 1.2f, 9.8f, 10};
    for (int s = 0; s < 7; ++s)
        for (int r = 0; r < 8; ++r) EXPECT_NEAR(pln.body_Z[25][s][r], zs[s], 1e-5) << s;
    // Closed ends, the front one 0.48 above the tube's straight part.
    for (int r = 0; r < 8; ++r) {
        EXPECT_NEAR(pln.body_Y[25][0][r], 0.48f, 1e-5);
        EXPECT_NEAR(pln.body_X[25][6][r], 0, 1e-6);
    }
    EXPECT_NEAR(pln.body_Y[25][5][0], 0.2f, 1e-5);
    EXPECT_NEAR(pln.body_Y[25][5][4], -0.2f, 1e-5);
    EXPECT_NEAR(pln.body_X[25][5][2], 0.2f, 1e-5);
    // And the fairings 26, 27 follow.
    EXPECT_EQ(pln.body_Y[26][0][0], pln.body_Y[25][0][0]);

    pln.gear_type = 1;   // no gear: the radius stays as it was
    pln.wheelrad = 0.33f;
    derive_fields();
    EXPECT_FLOAT_EQ(pln.wheelrad, 0.33f);
}

TEST_F(Editor, PylonRootsFollowTheirEngineOnItsSide)
{
    const struct {
        float engine_x, root_x;
    } cases[] = {{-0.04f, -2.04f}, {-0.06f, 1.94f}};
    for (const auto& c : cases) {
        pln.Xarm[0] = c.engine_x;
        pln.Yarm[0] = 0.5f;
        pln.Zarm[0] = 5;
        pln.pylondx = 1;
        pln.pylondz = 2;
        pln.semilen[14] = 1;
        pln.sweep1[14] = 0;
        pln.dihed[14] = 0;
        derive_fields();
        EXPECT_NEAR(pln.Xarm[14], c.root_x, 1e-5) << c.engine_x;
        EXPECT_NEAR(pln.Yarm[14], 0.5f, 1e-5);
        EXPECT_NEAR(pln.Zarm[14], 7, 1e-5);
    }
    // Swept back 30 degrees with 90 of dihedral: the root one length below and ahead.
    pln.Xarm[0] = 0;
    pln.sweep1[14] = 30;
    pln.dihed[14] = 90;
    pln.semilen[14] = 2;
    derive_fields();
    EXPECT_NEAR(pln.Xarm[14], 0, 1e-4);
    EXPECT_NEAR(pln.Yarm[14], 0.5f - 1 - std::sqrt(3.0f), 1e-4);
    EXPECT_NEAR(pln.Zarm[14], 7 - 1, 1e-4);
}

TEST_F(Editor, PropellersCopyOnAirplanesOnly)
{
    for (int heli = 0; heli <= 1; ++heli) {
        pln.is_heli = heli;
        for (int p = 1; p <= 3; ++p) {
            pln.semilen[p] = 1;
            pln.anginc[p][2] = 0;
            pln.numblades[p] = 2;
            copy_bounded(pln.Rafl0[p], "", 400);
        }
        pln.semilen[0] = 3.5f;
        pln.anginc[0][2] = 7;
        pln.numblades[0] = 4;
        copy_bounded(pln.Rafl0[0], "other.afl", 400);
        derive_fields();
        for (int p = 1; p <= 3; ++p) {
            EXPECT_EQ(pln.semilen[p] == 3.5f, !heli) << p;
            EXPECT_EQ(pln.anginc[p][2] == 7, !heli) << p;
            EXPECT_EQ(pln.numblades[p] == 4, !heli) << p;
            EXPECT_EQ(strcmp(pln.Rafl0[p], "other.afl") == 0, !heli) << p;
        }
    }
    pln.is_heli = 0;
}

TEST_F(Editor, CopyFoilMirrorsWingsAndKeepsPylonPositions)
{
    pln.Xarm[5] = 3;
    pln.Yarm[5] = 1;
    pln.Zarm[5] = 4;
    pln.sweep1[5] = 200;
    pln.dihed[5] = 5;
    pln.els[5] = 6;
    pln.ailn[5][5] = 1;
    pln.ailn[5][6] = 1;   // beyond the element count: not copied
    copy_foil(5, 4);
    EXPECT_FLOAT_EQ(pln.Xarm[4], -3);
    EXPECT_FLOAT_EQ(pln.Yarm[4], 1);
    EXPECT_FLOAT_EQ(pln.Zarm[4], 4);
    EXPECT_FLOAT_EQ(pln.sweep1[5], -160);
    EXPECT_FLOAT_EQ(pln.sweep1[4], -160);
    EXPECT_FLOAT_EQ(pln.dihed[4], 5);
    EXPECT_EQ(pln.ailn[4][5], 1);
    EXPECT_EQ(pln.ailn[4][6], 0);

    pln.Xarm[14] = 2;
    pln.Xarm[15] = 7;
    pln.semilen[14] = 1.5f;
    copy_foil(14, 15);
    EXPECT_FLOAT_EQ(pln.Xarm[15], 7);
    EXPECT_FLOAT_EQ(pln.semilen[15], 1.5f);
}

namespace {
void circle_body(int b, float rad, float yc)
{
    for (int s = 0; s < 18; ++s)
        for (int r = 0; r < 16; ++r) {
            double t = 2 * M_PI * r / 16;
            pln.body_X[b][s][r] = rad * (float)std::sin(t);
            pln.body_Y[b][s][r] = rad * (float)std::cos(t) + yc;
            pln.body_Z[b][s][r] = 2.0f * s;
        }
}
} // namespace

TEST_F(Editor, SmoothingKeepsACircleAndTheMeanRadius)
{
    for (int total = 0; total <= 1; ++total) {
        circle_body(18, 1.5f, 0.25f);
        const float before = ret_ave_rad(18, 11, 16);
        smoothit(18, total);
        for (int s = 0; s < 11; ++s)
            for (int r = 0; r < 16; ++r) {
                double t = 2 * M_PI * r / 16;
                EXPECT_NEAR(pln.body_X[18][s][r], 1.5 * std::sin(t), 1e-4) << total;
                EXPECT_NEAR(pln.body_Y[18][s][r], 1.5 * std::cos(t) + 0.25, 1e-4) << total;
            }
        EXPECT_NEAR(ret_ave_rad(18, 11, 16), before, 1e-4);
    }
    // An oval station pulled toward its ellipse keeps its mean size under total smoothing.
    circle_body(18, 1, 0);
    for (int s = 0; s < 11; ++s) pln.body_X[18][s][3] = 2;
    const float before = ret_ave_rad(18, 11, 16);
    smoothit(18, 1);
    EXPECT_NEAR(ret_ave_rad(18, 11, 16), before, 1e-4);
    // Two stations at one length position do not divide by zero.
    circle_body(18, 1, 0);
    pln.body_Z[18][2][0] = pln.body_Z[18][0][0];
    for (int r = 0; r < 16; ++r) pln.body_Z[18][2][r] = pln.body_Z[18][0][r];
    smoothit(18, 1);
    EXPECT_TRUE(std::isfinite(pln.body_X[18][1][4]));
}

TEST_F(Editor, PreviewDistance)
{
    // The default aircraft: a 20-foot fuselage from the centre of gravity.
    EXPECT_NEAR(find_dis_to_plane(), 20, 1e-4);
    memset(&pln, 0, sizeof pln);
    EXPECT_FLOAT_EQ(find_dis_to_plane(), 1);
    pln.semilen[5] = 10;   // a right wing: its tip is the widest point
    pln.Croot[5] = pln.Ctip[5] = 2;
    pln.Xarm[5] = 1;
    EXPECT_NEAR(find_dis_to_plane(), 11, 1e-4);
}

TEST_F(Editor, EachInstrumentStandsInOneSlotAtMost)
{
    to_array = 1;   // draw into the canvas: no GL here
    for (int c = 1; c <= 8; ++c) pln.ins_of_loc[c] = 0;
    pln.ins_of_loc[6] = 5;
    pln.ins_of_loc[2] = 1;
    pln.ins_of_loc[7] = 1;
    // Slot 3 at (260, 234): the turn-slip line is the sixth, 50 above the first.
    mnw.mouse_clicked = 1;
    mnw.mx = 260 + 30;
    mnw.my = 234 - 20 + 50 + 4;
    fiddle_ins_loc(3, 260, 234);
    EXPECT_EQ(pln.ins_of_loc[3], 5);
    EXPECT_EQ(pln.ins_of_loc[6], 0);
    // NONE empties only the slot chosen.
    mnw.my = 234 - 20 + 4;
    fiddle_ins_loc(2, 130, 234);
    mnw.mx = 130 + 30;
    fiddle_ins_loc(2, 130, 234);
    EXPECT_EQ(pln.ins_of_loc[2], 0);
    EXPECT_EQ(pln.ins_of_loc[7], 1);
    mnw.mouse_clicked = 0;
    to_array = 0;
}

TEST_F(Editor, OpenScreensMarkClicksAndTheTailRotorFollowsTheMainRotor)
{
    to_array = 1;   // the screen's widgets draw into the canvas: no GL here
    pln.is_heli = 1;
    mnw.topwin = 206;
    mnw.mx = mnw.my = -100;   // a click on no field
    msc.planemod = 0;
    mnw.mouse_clicked = 1;
    pln.propdir[0] = 0;
    APPLICATION_update();
    EXPECT_EQ(msc.planemod, 1);
    EXPECT_FLOAT_EQ(pln.sidecant[1], 90);
    mnw.mouse_clicked = 0;
    pln.propdir[0] = 1;
    APPLICATION_update();
    EXPECT_FLOAT_EQ(pln.sidecant[1], -90);
    mnw.topwin = 0;
    pln.is_heli = 0;
    to_array = 0;
}

namespace {
// One frame of the cross-section editor for the fuselage with the mouse at
// the point (x, y) ft of station s, or at the screen point when s < 0.
const float GRID_Y = 300;
void grid_frame(int s, float x, float y, int click, int drag)
{
    const float scale = 61.0f / pln.body_r[18];
    if (s >= 0) {
        mnw.mx = 66.0f * s + 10 + 1 + x * scale;
        mnw.my = GRID_Y - 3 + y * scale;
    } else {
        mnw.mx = x;
        mnw.my = y;
    }
    mnw.mouse_clicked = click;
    mnw.now_dragging = drag;
    edit_body_grid(18, GRID_Y);
    mnw.mouse_clicked = mnw.now_dragging = 0;
}
} // namespace

TEST_F(Editor, CrossSectionEditorDragsSwapsLimitsCopiesAndClosesEnds)
{
    to_array = 1;   // draw into the canvas: no GL here
    const int S = f_body_s_dim(18), R = f_body_r_dim(18);
    ASSERT_GE(S, 6);
    pln.body_r[18] = 2;
    nosetype = tailtype = 0;
    circle_body(18, 1, 0);

    // The top point dragged below the bottom one: the heights swap, the top stays higher.
    grid_frame(2, 0, 1, 1, 1);
    grid_frame(2, 0, -1.5f, 0, 1);
    EXPECT_NEAR(pln.body_Y[18][2][0], -1, 0.05);
    EXPECT_NEAR(pln.body_Y[18][2][R / 2], -1.5, 0.05);

    // The side point dragged left of the centre line is held at X 0, and its mirror with it.
    grid_frame(3, 1, 0, 1, 1);
    grid_frame(3, -0.02f, 0, 0, 1);
    EXPECT_NEAR(pln.body_X[18][3][R / 4], 0, 0.05);
    EXPECT_EQ(pln.body_X[18][3][R - R / 4], -pln.body_X[18][3][R / 4]);
    // A value beyond the grid is held at its edge once its section is drawn
    // on; only shown, it stays as stored.
    pln.body_X[18][4][R / 4] = 5;
    grid_frame(-1, -100, -100, 0, 0);
    EXPECT_EQ(pln.body_X[18][4][R / 4], 5);
    grid_frame(4, 0, 1, 1, 1);
    EXPECT_EQ(pln.body_X[18][4][R / 4], 2);

    // Copy row: left part of station 3's column to station 2, right part to 4,
    // station 0's column changes nothing.
    const struct {
        float mx;
        int dst;
    } copies[] = {{66 * 3 + 10 + 5, 2}, {66 * 3 + 10 + 50, 4}, {15, -1}};
    for (const auto& c : copies) {
        circle_body(18, 1, 0);
        for (int r = 0; r < R; ++r) pln.body_Y[18][3][r] += 0.5f;
        planestruct before = pln;
        grid_frame(-1, c.mx, GRID_Y - 70, 1, 0);
        for (int s = 0; s < S; ++s)
            for (int r = 0; r < R; ++r) {
                float want = s == c.dst ? before.body_Y[18][3][r] : before.body_Y[18][s][r];
                EXPECT_NEAR(pln.body_Y[18][s][r], want, 1e-5) << "mx " << c.mx << " s " << s << " r " << r;
                EXPECT_EQ(pln.body_Z[18][s][r], before.body_Z[18][s][r]);
            }
    }

    // A closed nose collapses to one point at the mouse height while dragged.
    circle_body(18, 1, 0);
    nosetype = 1;
    grid_frame(0, 0.3f, 0.5f, 1, 1);
    for (int r = 0; r < R; ++r) {
        EXPECT_EQ(pln.body_X[18][0][r], 0) << r;
        EXPECT_NEAR(pln.body_Y[18][0][r], 0.5, 0.05) << r;
    }
    nosetype = 0;
    to_array = 0;
}
