// What the instruments and head-up displays draw, seen through a recorder of
// the toolkit's drawing calls and sounds (the linker's --wrap).
#include "tests/panel/panel_fixture.h"

#include "aircraft_editor/screen_table.h"
#include "cockpit/P_INIT.h"
#include "cockpit/P_UPDATE.h"
#include "records/cockpit_state.h"
#include "cockpit/flight_instruments.h"
#include "cockpit/glass_displays.h"
#include "cockpit/hud.h"
#include "records/flight_state.h"
#include "shell/MENUS.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {
struct call {
    char kind;   // 'l' line, 'f' fillrect, 'r' framerect, 'n' number, 's' string, '3' 3-D line
    int colour;
    float x, y, x2, y2;   // line ends, or rectangle size
    float value;
    std::string text;
    float z, z2;
};
std::vector<call> calls;
std::vector<int> sounds;
int current_colour = -1;
} // namespace

extern "C" void __wrap__Z8OGL_lineiffff(int c, float x1, float y1, float x2, float y2)
{
    calls.push_back({'l', c, x1, y1, x2, y2, 0, "", 0, 0});
}
extern "C" void __wrap__Z12OGL_fillrectiffff(int c, float x, float y, float dx, float dy)
{
    calls.push_back({'f', c, x, y, dx, dy, 0, "", 0, 0});
}
extern "C" void __wrap__Z13OGL_framerectiffff(int c, float x, float y, float dx, float dy)
{
    calls.push_back({'r', c, x, y, dx, dy, 0, "", 0, 0});
}
extern "C" void __wrap__Z10OGL_numberifffiifi(int c, float x, float y, float v, int, int, float, int)
{
    calls.push_back({'n', c, x, y, 0, 0, v, "", 0, 0});
}
extern "C" void __wrap__Z10OGL_stringiffPKcff(int c, float x, float y, const char* s, float, float)
{
    calls.push_back({'s', c, x, y, 0, 0, 0, s, 0, 0});
}
extern "C" void __wrap__Z10OGL_3dlineffffff(float x1, float y1, float z1, float x2, float y2, float z2)
{
    calls.push_back({'3', current_colour, x1, y1, x2, y2, 0, "", z1, z2});
}
extern "C" void __wrap__Z11play_bufferii(int sound, int)
{
    sounds.push_back(sound);
}

namespace {
class InstrumentDrawing : public PanelFixture {
protected:
    void SetUp() override
    {
        PanelFixture::SetUp();
        calls.clear();
        sounds.clear();
    }
};

std::vector<call> of(char kind, int colour = -1)
{
    std::vector<call> out;
    for (const auto& c : calls)
        if (c.kind == kind && (colour < 0 || c.colour == colour)) out.push_back(c);
    return out;
}

const call* text_at(const std::string& s)
{
    for (const auto& c : calls)
        if (c.kind == 's' && c.text == s) return &c;
    return nullptr;
}

const call* number_at(float x, float y)
{
    for (const auto& c : calls)
        if (c.kind == 'n' && std::fabs(c.x - x) < 0.01f && std::fabs(c.y - y) < 0.01f) return &c;
    return nullptr;
}

bool near(float a, float b, float tol = 0.01f)
{
    return std::fabs(a - b) <= tol;
}

// The needle drawn from (x, y): its far end.
const call* needle_from(float x, float y, int colour)
{
    for (const auto& c : calls)
        if (c.kind == 'l' && c.colour == colour && near(c.x, x) && near(c.y, y)) return &c;
    return nullptr;
}
} // namespace

TEST_F(InstrumentDrawing, AirspeedNeedleFreezesWhenTheSystemFails)
{
    float x = ins.x_loc[1], y = ins.y_loc[1];
    flt.vind = (pln.Vmin + pln.Vmax) / 2 / (pln.asi_units == 2 ? 1 : con.nm_to_sm);
    update_airspeed();
    const call* n = needle_from(x, y, 0);
    ASSERT_NE(n, nullptr);
    call before = *n;
    rel.ss_asi = 0;
    flt.vind = 0;
    calls.clear();
    update_airspeed();
    n = needle_from(x, y, 0);
    ASSERT_NE(n, nullptr);
    EXPECT_NEAR(n->x2, before.x2, 1e-4);
    EXPECT_NEAR(n->y2, before.y2, 1e-4);
    rel.ss_asi = 1;
    calls.clear();
    update_airspeed();
    n = needle_from(x, y, 0);
    EXPECT_NEAR(n->x2, x, 1e-3);   // at rest: straight up
}

// The aircraft editor's "Speed units" boxes say what the airspeed indicator
// shows for each: a box labelled "kt" gives a dial in knots.
TEST_F(InstrumentDrawing, EditorSpeedUnitLabelsSayWhatTheDialShows)
{
    const float x = ins.x_loc[1], y = ins.y_loc[1], knots = 100;
    const int in_knots = airspeed_needle(knots), in_mph = airspeed_needle(knots * con.nm_to_sm);
    ASSERT_GT(std::abs(in_knots - in_mph), 3);
    int labelled = 0;
    for (int k = 0; k < fabrex::screen_field_count; ++k) {
        const fabrex::field_entry& f = fabrex::screen_fields[k];
        if (f.offset != offsetof(planestruct, asi_units)) continue;
        ++labelled;
        // "1 <unit> 2 <unit>": each box's number, then its unit.
        char u1[8] = "", u2[8] = "";
        ASSERT_EQ(sscanf(f.unit, "1 %7s 2 %7s", u1, u2), 2) << f.unit;
        const std::string units[3] = {"", u1, u2};
        for (int box = 1; box <= 2; ++box) {
            pln.asi_units = box;
            flt.vind = knots;
            calls.clear();
            update_airspeed();
            const call* n = needle_from(x, y, 0);
            ASSERT_NE(n, nullptr);
            const float angle = std::fmod(std::atan2(n->x2 - x, n->y2 - y) * 57.29578f + 360, 360.0f);
            const bool dial_knots = std::fabs(angle - in_knots) < std::fabs(angle - in_mph);
            EXPECT_EQ(units[box], dial_knots ? "kt" : "mph") << f.bitmap << " box " << box;
            const std::string said = (dial_knots ? "knots (" : "miles per hour (") + std::to_string(box) + ")";
            EXPECT_NE(std::string(f.help).find(said), std::string::npos) << f.help;
        }
    }
    EXPECT_EQ(labelled, 2);   // airplane and helicopter viewpoint screens
}

TEST_F(InstrumentDrawing, FailedAttitudeIndicatorShowsLevelFlight)
{
    float x = ins.x_loc[2], y = ins.y_loc[2];
    // Level ladder rungs centred on the dial, 28 or 14 units long.
    auto level_rungs = [x, y] {
        int n = 0;
        for (const auto& c : of('l', 6))
            if (std::fabs(c.y - y) < 60 && near(c.y, c.y2) && near((c.x + c.x2) / 2, x) &&
                (std::fabs(c.x2 - c.x) == 28 || std::fabs(c.x2 - c.x) == 14))
                ++n;
        return n;
    };
    ins.the180 = 10;
    ins.phi180 = 30;
    update_arthoriz();
    EXPECT_EQ(level_rungs(), 0);
    rel.ss_ahz = 0;
    calls.clear();
    update_arthoriz();
    EXPECT_GE(level_rungs(), 4);
}

TEST_F(InstrumentDrawing, HsiBugAndCourseBarAfterAFullWrap)
{
    float x = ins.x_loc[6], y = ins.y_loc[6];
    const struct {
        float psimag, mvar;
        int hdsel;
        float obs;
        int bug, course;
    } cases[] = {
        {5, 20, 359, 10, 346, 355},     // -374: one wrap is not enough
        {355, -20, 0, 10, 15, 345},
        {5, 0, -400, 725, 45, 0},       // selectors beyond a turn still land on the card
    };
    for (const auto& c : cases) {
        calls.clear();
        ins.psimag = c.psimag;
        env.mvar = c.mvar;
        nav.hdsel = c.hdsel;
        nav.obs[1] = c.obs;
        update_HSI(10, 0);
        float bx = x - (int)(50 * lookup_sin[c.bug]), by = y + (int)(50 * lookup_cos[c.bug]);
        EXPECT_EQ(of('l', 32).size(), 2u);
        EXPECT_NE(needle_from(bx, by, 32), nullptr) << c.psimag << " " << c.hdsel;
        int a = c.course;
        float s = lookup_sin[a], co = lookup_cos[a];
        int t1 = (int)(30 * s), t2 = (int)(30 * co), t3 = (int)(10 * s), t4 = (int)(10 * co);
        bool bar = false;
        for (const auto& l : of('l', 9))
            if (near(l.x, x + t1 + t4) && near(l.y, y - t2 + t3) && near(l.x2, x - t1 + t4) && near(l.y2, y + t2 + t3))
                bar = true;
        EXPECT_TRUE(bar) << c.psimag << " " << c.obs;
    }
    // A non-finite heading draws no bug, and nothing is read outside the tables.
    calls.clear();
    ins.psimag = NAN;
    update_HSI(0, 0);
    EXPECT_TRUE(of('l', 32).empty());
}

TEST_F(InstrumentDrawing, GlassHsiDistance)
{
    pln.paneltype = 2;
    relayout();
    float x = ins.x_loc[6], y = ins.y_loc[6];
    flt.X = flt.Y = flt.Z = 0;
    nav.goodnav[1] = 1;
    nav.gsX[1] = nav.gsY[1] = nav.gsZ[1] = 0;   // a stale glide slope under the aircraft
    const struct {
        int good, ilsgs;
        float nm;
        bool dashes;
    } cases[] = {{1, 9, 99.1f, true}, {1, 9, 50, false}, {0, 9, 50, true}, {1, 0, 12, false}};
    for (const auto& c : cases) {
        calls.clear();
        nav.goodnav[1] = c.good;
        nav.ilsgs[1] = c.ilsgs;
        nav.vorX[1] = nav.vorY[1] = 0;
        nav.vorZ[1] = -c.nm * con.nmtomtrs;
        update_HSI(0, 0);
        const call* dashes = text_at("---");
        const call* dist = number_at(x - 60, y - 50);
        EXPECT_EQ(dashes != nullptr, c.dashes) << c.nm;
        if (c.dashes) continue;
        ASSERT_NE(dist, nullptr);
        EXPECT_NEAR(dist->value, c.nm, 0.01f);   // a localizer alone: to the station, not the stale glide slope
    }
}

TEST_F(InstrumentDrawing, RadarAltimeterCallsOncePerCrossing)
{
    pln.supptype = 4;
    ins.radalt_ft = 200;
    env.localh_cg = 0;
    const float feet[] = {400, 250, 190, 150, 120, 300, 180};
    for (float f : feet) {
        flt.Y = f / con.mtrstoft - pln.mgearY;
        update_radalt();
    }
    EXPECT_EQ(sounds, (std::vector<int>{15, 15}));
}

TEST_F(InstrumentDrawing, StormscopeCrossesOnlyWithinRange)
{
    float x = ins.x_loc[4], y = ins.y_loc[4];
    flt.X = flt.Z = 0;
    flt.psi = 0;
    const struct {
        float nm;
        size_t lines;
    } cases[] = {{20, 0}, {10, 2}};
    float now = 1000;
    for (const auto& c : cases) {
        now += 100;   // the last strike has expired
        msc.elap_time = now;
        atm.strike_stop_time = now - 1;
        update_stormscope();
        atm.strike_stop_time = now + 0.5f;
        atm.lightXYZ[0][0][0] = 0;
        atm.lightXYZ[0][0][2] = -c.nm * con.nmtomtrs;
        calls.clear();
        update_stormscope();
        EXPECT_EQ(of('l', 47).size(), c.lines) << c.nm;
        if (c.lines) {
            EXPECT_TRUE(near(of('l', 47)[1].x, x) && near(of('l', 47)[1].y, y + 25 - 2, 0.05f));
        }
    }
}

TEST_F(InstrumentDrawing, GlassMapTrafficColoursAndSymbolsInsideTheBox)
{
    pln.paneltype = 2;
    relayout();
    ins.map_mode = 1;
    ins.map_range = 20;
    ins.EFIS_tcas = 1;
    ins.EFIS_wxr = 0;
    flt.X = flt.Z = 0;
    flt.Y = 1000;
    flt.psi = 0;
    const struct {
        float nm_ahead, feet_above;
        int colour;
        bool number;
    } cases[] = {
        {3, 500, 44, true},   {7, -1500, 41, true}, {15, 1000, 38, false},
        {3, 2500, 38, false}, {30, 0, -1, false},    // beyond the range: not drawn
    };
    for (int k = 0; k < 10; ++k) traf_xyzvh[k][0] = traf_xyzvh[k][2] = 1e7f;   // all far away
    for (const auto& c : cases) {
        calls.clear();
        traf_xyzvh[0][0] = 0;
        traf_xyzvh[0][1] = 1000 + c.feet_above / con.mtrstoft;
        traf_xyzvh[0][2] = -c.nm_ahead * con.nmtomtrs;
        update_glass(23);
        auto frames = of('r');
        if (c.colour < 0) {
            EXPECT_TRUE(frames.empty());
            continue;
        }
        ASSERT_EQ(frames.size(), 1u) << c.nm_ahead;
        EXPECT_EQ(frames[0].colour, c.colour) << c.nm_ahead << " " << c.feet_above;
        bool number = false;
        for (const auto& n : of('n', c.colour))
            if (near(n.x, frames[0].x + 2 - 8) && near(n.value, c.feet_above / 100)) number = true;
        EXPECT_EQ(number, c.number);
    }
    // The aircraft symbol: yellow, five strokes, inside the box.
    EXPECT_EQ(of('l', 41).size(), 5u);
}

TEST_F(InstrumentDrawing, RadarPictureRebuiltOnlyOnTenthFrames)
{
    pln.supptype = 6;
    relayout();
    env.lox = 0, env.loz = 0, env.dx = 200000, env.dz = 200000;
    flt.X = flt.Z = 100000;
    ins.rad_range = 10;
    atm.rain_tstm = 3;
    for (auto& col : atm.wxr)
        for (float& w : col) w = 1;
    memset(radar_rgb, 0, sizeof radar_rgb);
    msc.cntr = 11;
    update_glass(25);
    EXPECT_EQ(radar_rgb[64 * 128 * 3 + 64 * 3 + 1], 0);
    msc.cntr = 20;
    update_glass(25);
    EXPECT_EQ(radar_rgb[64 * 128 * 3 + 64 * 3 + 1], (unsigned char)std::lround(col_rgb[72][1] * 255));
    // No weather to speak of: the picture is left alone.
    memset(radar_rgb, 0, sizeof radar_rgb);
    atm.rain_tstm = 1.01f;
    msc.cntr = 30;
    update_glass(25);
    EXPECT_EQ(radar_rgb[64 * 128 * 3 + 64 * 3 + 1], 0);
    EXPECT_NE(text_at("nm"), nullptr);   // the range still shows
}

namespace {
class HudDrawing : public InstrumentDrawing {
protected:
    void SetUp() override
    {
        InstrumentDrawing::SetUp();
        con.HUD_lft = 200, con.HUD_rgt = 600, con.HUD_bot = 334, con.HUD_top = 552;
        con.cntrx = 400, con.cntry = 443;
        ins.hud_brt = 1;
        set.view_type = 500;
        pln.HUDtype = 2;
        nav.goodnav[1] = 0;
        flt.Alpha = flt.Beta = 0;
    }
};
} // namespace

TEST_F(HudDrawing, BoresightFlightPathAndIlsBars)
{
    set.view_type = 502;
    flt.Beta = 10;
    plot_nrml_hud();
    bool boresight = false;
    for (const auto& c : of('l', 47))
        if (near(c.y, 443 + 75.28f, 0.01f) && near(c.y2, c.y) && near(c.x, 390) && near(c.x2, 410)) boresight = true;
    EXPECT_TRUE(boresight);
    auto box = of('r', 47);
    ASSERT_EQ(box.size(), 1u);
    EXPECT_NEAR(box[0].x + 2, 400 - 94.1f, 0.01f);
    EXPECT_NEAR(box[0].y + 2, 443 + 75.28f, 0.01f);   // the box moves with the boresight
    // Without NAV 2 no bars; five dots put a bar 50 units off centre.
    auto bars = [] {
        int n = 0;
        for (const auto& c : of('l', 47))
            if (std::fabs(std::fabs(c.x2 - c.x) + std::fabs(c.y2 - c.y) - 100) < 0.01f) ++n;
        return n;
    };
    EXPECT_EQ(bars(), 0);
    nav.goodnav[1] = 1;
    nav.hdef[1] = 5;
    nav.vdef[1] = -2;
    calls.clear();
    plot_nrml_hud();
    EXPECT_EQ(bars(), 2);
    bool vertical = false;
    for (const auto& c : of('l', 47))
        if (near(c.x, 450) && near(c.x2, 450) && near(c.y, 393) && near(c.y2, 493)) vertical = true;
    EXPECT_TRUE(vertical);
    pln.HUDtype = 3;
    calls.clear();
    plot_nrml_hud();
    EXPECT_EQ(bars(), 0);
    // Dim: colour 49 throughout.
    ins.hud_brt = 0;
    calls.clear();
    plot_nrml_hud();
    EXPECT_TRUE(of('l', 47).empty());
    EXPECT_FALSE(of('l', 49).empty());
}

TEST_F(HudDrawing, HoopsToRunwaysWithinFifteenMiles)
{
    env.i_aircraft = 2, env.j_aircraft = 150;   // near the grid's corner
    env.apt_list_max = 1;
    const float miles[2] = {5, 16};
    for (int a = 0; a < 2; ++a) {
        int w = 10 + a;
        apt_to_index[a] = w;
        env.rwaymax[a] = 0;
        apt_len[w][0] = 2000;
        apt_hdng[w][0] = 0;
        float z = -miles[a] * con.nmtomtrs;
        const float corners[4][3] = {{-20, 0, z - 2000}, {20, 0, z - 2000}, {20, 0, z}, {-20, 0, z}};
        memcpy(scn.markxyz[a][0][0], corners, sizeof corners);
    }
    con.VIEW_xyz[0] = con.VIEW_xyz[1] = con.VIEW_xyz[2] = 0;
    plot_cool_hud();
    auto lines = of('3');
    // Terrain: i 0..11 (cut at the grid, not shifted), j 140..156.
    size_t terrain = 2 * 12 * 17;
    ASSERT_EQ(lines.size(), terrain + 4 + 24 + 4);
    // The near runway's hoops follow its outline; the first at 628.5 m south of its end.
    const call& first_hoop = lines[terrain + 4];
    float end_z = -5 * con.nmtomtrs;
    EXPECT_NEAR(first_hoop.z, end_z + 628.5f, 0.5f);
    EXPECT_NEAR(first_hoop.x, -0.02f * 628.5f, 0.05f);
    // The far runway: its outline and nothing after it.
    const call& far_edge = lines.back();
    EXPECT_NEAR(far_edge.z2, -16 * con.nmtomtrs - 2000, 0.5f);
    // A slot without a runway (length 1) gets neither.
    apt_len[11][0] = 1;
    calls.clear();
    plot_cool_hud();
    EXPECT_EQ(of('3').size(), terrain + 4 + 24);
}
