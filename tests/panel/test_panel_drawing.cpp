// What the needles, engine gauges and systems pages draw, seen through a
// recorder of the toolkit's drawing calls (the linker's --wrap).
#include "panel_fixture.h"

#include "cockpit/P_INIT.h"
#include "cockpit/P_UPDATE.h"
#include "records/cockpit_state.h"
#include "cockpit/engine_gauges.h"
#include "cockpit/instrument_primitives.h"
#include "cockpit/systems_pages.h"
#include "records/flight_state.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"

#include <cmath>
#include <string>
#include <vector>

namespace {
struct call {
    char kind;   // 'l' line, 'f' fillrect, 'n' number, 's' string
    int colour;
    float x, y, x2, y2;   // line ends, or rectangle size
    float value;
    std::string text;
};
std::vector<call> calls;
} // namespace

extern "C" void __wrap__Z8OGL_lineiffff(int c, float x1, float y1, float x2, float y2)
{
    calls.push_back({'l', c, x1, y1, x2, y2, 0, ""});
}
extern "C" void __wrap__Z12OGL_fillrectiffff(int c, float x, float y, float dx, float dy)
{
    calls.push_back({'f', c, x, y, dx, dy, 0, ""});
}
extern "C" void __wrap__Z10OGL_numberifffiifi(int c, float x, float y, float v, int, int, float, int)
{
    calls.push_back({'n', c, x, y, 0, 0, v, ""});
}
extern "C" void __wrap__Z10OGL_stringiffPKcff(int c, float x, float y, const char* s, float, float)
{
    calls.push_back({'s', c, x, y, 0, 0, 0, s});
}

namespace {
class PanelDrawing : public PanelFixture {
protected:
    void SetUp() override
    {
        PanelFixture::SetUp();
        calls.clear();
    }
};

const call* text_call(const std::string& s)
{
    for (const auto& c : calls)
        if (c.kind == 's' && c.text == s) return &c;
    return nullptr;
}

const call* fill_at(float x, float y)
{
    for (const auto& c : calls)
        if (c.kind == 'f' && std::fabs(c.x - x) < 0.01f && std::fabs(c.y - y) < 0.01f) return &c;
    return nullptr;
}

const call* number_at(float x, float y)
{
    for (const auto& c : calls)
        if (c.kind == 'n' && std::fabs(c.x - x) < 0.01f && std::fabs(c.y - y) < 0.01f) return &c;
    return nullptr;
}

// Lines that start within r of (x, y).
std::vector<call> lines_from(float x, float y, float r)
{
    std::vector<call> out;
    for (const auto& c : calls)
        if (c.kind == 'l' && std::hypot(c.x - x, c.y - y) <= r) out.push_back(c);
    return out;
}
} // namespace

TEST_F(PanelDrawing, NeedleAnglesWrapFullyAndHollowNeedlesAreTwoLines)
{
    const struct {
        float angle;
        int table;
    } cases[] = {{-30, 330}, {360, 360}, {725, 5}, {-390, 330}};
    for (const auto& c : cases) {
        calls.clear();
        plot_needle(100, 100, c.angle, 0, 19, 0, 0);
        ASSERT_EQ(calls.size(), 1u) << c.angle;
        EXPECT_NEAR(calls[0].x2, 100 + 19 * lookup_sin[c.table], 1e-4) << c.angle;
        EXPECT_NEAR(calls[0].y2, 100 + 19 * lookup_cos[c.table], 1e-4) << c.angle;
    }
    calls.clear();
    plot_needle(100, 100, NAN, 0, 19, 0, 10);
    EXPECT_TRUE(calls.empty());
    plot_needle(100, 100, 90, 0, 19, 0, 11);
    ASSERT_EQ(calls.size(), 2u);
    // Pointing east: the two lines sit 2 units above and below the axis.
    EXPECT_NEAR(calls[0].y, 98, 1e-4);
    EXPECT_NEAR(calls[1].y, 102, 1e-4);
}

TEST_F(PanelDrawing, FuelPageWithEnginesStoppedShowsAHugeEnduranceNotADivisionByZero)
{
    pln.ecam = 1;
    ins.ecam_mode = 4;
    flt.m_fuel = 100;
    update_ecam();
    ASSERT_NE(fill_at(648 + oseng, 167), nullptr);
    EXPECT_EQ(fill_at(648 + oseng, 167)->colour, 29);
    ASSERT_NE(text_call("ENDURANCE:      HR"), nullptr);
    const call* hours = number_at(734 + oseng, 198);
    ASSERT_NE(hours, nullptr);
    EXPECT_NEAR(hours->value, 100 / 1e-6f / 3600, 1);
    EXPECT_TRUE(std::isfinite(hours->value));
    EXPECT_NEAR(number_at(718 + oseng, 258)->value, 100 * con.kgstolbs, 1e-2);
}

TEST_F(PanelDrawing, FlapsYellowWhileMovingThenGreen)
{
    pln.ecam = 1;
    pln.flapEQ = 1;
    ins.ecam_mode = 5;
    flt.flap = 0.3f;
    flt.flaprqst = 0.5f;
    update_ecam();
    ASSERT_NE(fill_at(675 + oseng, 259), nullptr);
    EXPECT_EQ(fill_at(675 + oseng, 259)->colour, 41);
    calls.clear();
    flt.flap = 0.495f;
    update_ecam();
    EXPECT_EQ(fill_at(675 + oseng, 259)->colour, 47);
}

TEST_F(PanelDrawing, OneEngineDrivesBothHydraulicPumps)
{
    pln.ecam = 1;
    pln.numen = 1;
    pln.entype = 1;
    ins.ecam_mode = 6;
    for (int running : {1, 0}) {
        calls.clear();
        flt.eng_running[0] = running;
        flt.eng_running[1] = 1;
        update_ecam();
        EXPECT_EQ(text_call("HYDRAULIC PUMP 1")->colour, running ? 40 : 44);
        EXPECT_EQ(text_call("HYDRAULIC PUMP 2")->colour, running ? 40 : 44);
    }
}

TEST_F(PanelDrawing, FailuresPageAndTheReverserRow)
{
    pln.ecam = 1;
    ins.ecam_mode = 7;
    rel.engine[2] = 0;
    update_ecam();
    EXPECT_EQ(text_call("ENGINE #3")->colour, 44);
    EXPECT_EQ(text_call("ENGINE #2")->colour, 40);
    EXPECT_EQ(text_call("T. REVERSE")->colour, 40);
    calls.clear();
    rel.revlok[1] = 0;
    update_ecam();
    EXPECT_EQ(text_call("T. REVERSE")->colour, 44);
    // Old preferences with a page outside 3..7 show the engines: nothing here.
    calls.clear();
    ins.ecam_mode = 12;
    update_ecam();
    EXPECT_TRUE(calls.empty());
}

TEST_F(PanelDrawing, GearRatioHalvesTheRpmNeedleNotTheReadout)
{
    pln.ecam = 1;
    pln.tape = 0;
    pln.gearrat = 0.5f;
    ins.tactoINS = 0.1f;
    flt.tac[0] = 200;   // rad/s
    update_tac(0, 700, 250, 10);
    const call* readout = number_at(693, 241);
    ASSERT_NE(readout, nullptr);
    EXPECT_NEAR(readout->value, 200 * con.rsctorpm, 0.5f);
    int n = round(200 * 0.5f * con.rsctorpm * 0.1f);
    auto needle = lines_from(700, 250, 0.01f);
    ASSERT_EQ(needle.size(), 1u);
    int a = dial_degree((float)(n + 180));
    EXPECT_NEAR(needle[0].x2, 700 + 19 * lookup_sin[a], 1e-3);
}

TEST_F(PanelDrawing, FuelFlowNeedleStopsAtTheScaleEnds)
{
    pln.ecam = 0;
    pln.tape = 0;
    pln.entype = 4;
    pln.tmax = 20000;
    ins.ff_toINS = 270 / ff__max();
    const struct {
        float ff;   // kg/s
        float dx, dy;
    } cases[] = {{-1, 0, -19}, {1000, 19, 0}};
    for (const auto& c : cases) {
        calls.clear();
        flt.ff_[0] = c.ff;
        update_ff_(0, 700, 250, 10);
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_NEAR(calls[0].x2 - 700, c.dx, 1e-3) << c.ff;
        EXPECT_NEAR(calls[0].y2 - 250, c.dy, 1e-3) << c.ff;
    }
}

TEST_F(PanelDrawing, TwinPistonHelicopterSharesOneDialWithAHollowSecondNeedle)
{
    pln.is_heli = 1;
    pln.numen = 2;
    pln.entype = 1;
    relayout();
    flt.mpr[0] = 20;
    flt.mpr[1] = 25;
    update_panel();
    float x = en_x[2][0] + oseng, y = en_y[2];
    auto near = lines_from(x, y, 2.5f);
    int solid = 0, offset = 0;
    for (const auto& c : near) (std::hypot(c.x - x, c.y - y) < 0.01f ? solid : offset)++;
    EXPECT_EQ(solid, 1);
    EXPECT_EQ(offset, 2);
    // Nothing is drawn at the second engine's own place.
    EXPECT_TRUE(lines_from(en_x[2][1] + oseng, y, 2.5f).empty());
}

TEST_F(PanelDrawing, StatusLineSlotsAndPausedText)
{
    msc.paused = 1;
    msc.elap_time = 10;   // slot 3: carburettor ice
    msc.carb_ice[2] = 0.5f;
    update_panel();
    ASSERT_NE(text_call("PAUSED"), nullptr);
    EXPECT_EQ(text_call("carb ice suspected!       ")->colour, 41);
    ASSERT_NE(text_call("mode: realistic    "), nullptr);
    calls.clear();
    msc.carb_ice[2] = 0;
    update_panel();
    EXPECT_EQ(text_call("carb ice suspected!       "), nullptr);
    ASSERT_NE(text_call(pln.C_name), nullptr);
}
