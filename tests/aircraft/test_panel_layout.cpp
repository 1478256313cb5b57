// The panel layout and the gauge scales, laid out from a converted record.
#include "aircraft_fixture.h"

#include "aircraft_editor/default_plane.h"
#include "cockpit/P_INIT.h"
#include "records/cockpit_state.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"

#include <cmath>

namespace {
class PanelLayout : public AircraftTest {
protected:
    void SetUp() override
    {
        AircraftTest::SetUp();
        fabrex::baseplane_record("Test.acf", "Test.acf");
        // The loader's units: rad/s of the propeller, watts, newtons.
        pln.Vso = 55;
        pln.Vne = 163;
        pln.omegamax = 2700 * con.rpmtorsc;
        pln.pmax = 160 * con.hptowatt;
        pln.sfc = 0.42f;
        pln.mpmax = 29.5f;
    }

    void expect_at(int kind, float x, float y)
    {
        EXPECT_EQ(ins.avail[kind], 1) << "instrument " << kind;
        EXPECT_FLOAT_EQ(ins.x_loc[kind], x) << "instrument " << kind;
        EXPECT_FLOAT_EQ(ins.y_loc[kind], y) << "instrument " << kind;
    }
};

TEST_F(PanelLayout, DefaultRoundPanelPacksBothRowsFromTheLeft)
{
    init_panel_layout();
    const float x[4] = {66, 195, 324, 439};
    for (int k = 0; k < 4; ++k) {
        expect_at(1 + k, x[k], k == 3 ? 237 : 222);
        expect_at(5 + k, x[k], k == 3 ? 99 : 84);
    }
    EXPECT_EQ(ins.avail[9], 0);
    EXPECT_FLOAT_EQ(ins.x_loc[10], 289);
    EXPECT_FLOAT_EQ(ins.y_loc[10], 177);
    EXPECT_EQ(pln.ecam, 0);
    EXPECT_EQ(pln.tape, 0);

    // Glide slope beside the HSI, whole pixels.
    EXPECT_EQ(pln.gsx1, 136);
    EXPECT_EQ(pln.gsx2, 248);
    EXPECT_EQ(pln.gsy1, 82);
    EXPECT_EQ(pln.gsyc, 84);
    EXPECT_EQ(pln.gsy2, 86);
    EXPECT_EQ(pln.gsw, 5);

    // One engine: its levers and two gauge columns.
    EXPECT_FLOAT_EQ(thro_x[0], 669);
    EXPECT_FLOAT_EQ(prop_x[0], 720);
    EXPECT_FLOAT_EQ(mixt_x[0], 761);
    EXPECT_FLOAT_EQ(en_x[2][0], 684);
    EXPECT_FLOAT_EQ(en_x[2][1], 761);
    EXPECT_FLOAT_EQ(en_y[0], 293);
    EXPECT_FLOAT_EQ(en_y[1], 254);
    EXPECT_FLOAT_EQ(en_y[2], 177);
    EXPECT_FLOAT_EQ(osrad, 0);
    EXPECT_FLOAT_EQ(oseng, 0);
}

TEST_F(PanelLayout, RoundAttitudeIndicatorRowsAreChordsOfItsCircles)
{
    init_panel_layout();
    EXPECT_EQ(pln.ah_bot_prim, 10);
    EXPECT_EQ(pln.ah_top_prim, 105);
    // The horizon disc, radius 47.5, centred on the indicator at x 195: its
    // first and last rows close to a point, the middle rows span it.
    EXPECT_FLOAT_EQ(pln.ahx1_prim[10], 195);
    EXPECT_FLOAT_EQ(pln.ahx2_prim[105], 195);
    EXPECT_NEAR(pln.ahx1_prim[57], 195 - std::sqrt(47.5f * 47.5f - 0.25f), 1e-3);
    EXPECT_NEAR(pln.ahx2_prim[58], 195 + std::sqrt(47.5f * 47.5f - 0.25f), 1e-3);
    // The roll scale, radius 57.5 over rows 0 to 115.
    EXPECT_FLOAT_EQ(pln.ahx1_roll[0], 195);
    EXPECT_NEAR(pln.ahx1_roll[57], 195 - std::sqrt(57.5f * 57.5f - 0.25f), 1e-3);
    EXPECT_FLOAT_EQ(pln.ahx2_roll[115], 195);
}

TEST_F(PanelLayout, GlassPanelHasItsFixedLayoutAndNothingOfTheLastPanel)
{
    init_panel_layout();   // a round panel first: its roll rows are filled
    pln.paneltype = 2;
    init_panel_layout();

    const float where[10][3] = {{0},         {11, 218},  {92, 218},  {159, 218}, {439, 237},
                                {0},         {92, 93},   {189, 92},  {439, 99},  {0, 0}};
    for (int kind : {1, 2, 3, 4, 6, 7, 8, 9}) expect_at(kind, where[kind][0], where[kind][1]);
    EXPECT_EQ(ins.avail[5], 0);
    EXPECT_FLOAT_EQ(ins.x_loc[10], 175);
    EXPECT_FLOAT_EQ(ins.y_loc[10], 15);
    EXPECT_EQ(pln.ecam, 1);
    EXPECT_FLOAT_EQ(ins.msctoVVI, con.msctofpm * 0.02f);

    EXPECT_EQ(pln.gsx1, 35);
    EXPECT_EQ(pln.gsx2, 145);
    EXPECT_EQ(pln.gsyc, 218);
    EXPECT_EQ(pln.gsw, 4);
    // A square picture, and the round panel's roll rows are gone.
    for (int row : {0, 52, 104}) {
        EXPECT_FLOAT_EQ(pln.ahx1_prim[row], 92 - 52);
        EXPECT_FLOAT_EQ(pln.ahx2_prim[row], 92 + 52);
    }
    EXPECT_FLOAT_EQ(pln.ahx1_roll[57], 0);
    // The systems display moves the engine gauges.
    EXPECT_FLOAT_EQ(en_x[0][0], 682);
    EXPECT_FLOAT_EQ(en_x[0][1], 759);
    EXPECT_FLOAT_EQ(en_y[1], 271);
    EXPECT_FLOAT_EQ(en_y[2], 202);
}

TEST_F(PanelLayout, AnEmptySlotStillTakesItsWidth)
{
    pln.ins_of_loc[1] = 0;
    pln.ins_of_loc[2] = 1;
    pln.ins_of_loc[3] = 2;
    pln.ins_of_loc[4] = 3;
    init_panel_layout();
    expect_at(1, 167, 222);
    expect_at(2, 296, 222);
    expect_at(3, 425, 222);
    EXPECT_EQ(ins.avail[4], 0);
    // An instrument in no slot has no position left over from anything.
    EXPECT_FLOAT_EQ(ins.x_loc[4], 0);
}

TEST_F(PanelLayout, ASlotNamingNoInstrumentIsAnEmptySpace)
{
    pln.ins_of_loc[4] = 99;
    pln.ins_of_loc[8] = -3;
    init_panel_layout();
    EXPECT_EQ(ins.avail[4], 0);
    EXPECT_EQ(ins.avail[8], 0);
    expect_at(3, 324, 222);
}

TEST_F(PanelLayout, FourWideInstrumentsInARowAreRefused)
{
    // A valid top row; the bottom row gets the airspeed as its fourth wide dial.
    pln.ins_of_loc[1] = 4;
    pln.ins_of_loc[8] = 1;
    EXPECT_EXIT(init_panel_layout(), ::testing::ExitedWithCode(1),
                alert_pattern({"Invalid panel specification!",
                               "There can only be THREE WIDE INSTRUMENTS ON EACH ROW of the panel (the fourth must be narrow to fit!)",
                               "The WIDE instruments are the 'standard six', namely the airspeed, horizon, altimeter, turn-slip, HSI, and vertical speed.",
                               "Go into Fabrex and select only 3 WIDE instruments for each row of instruments."}));
}

TEST_F(PanelLayout, EngineCountSetsLeversGaugesAndTapes)
{
    struct Case {
        int numen, is_heli;
        float thro[4], prop[4], mixt[4];
        int ecam, tape;
    } cases[] = {
        {2, 0, {662, 676}, {715, 725}, {756, 766}, 0, 0},
        {3, 0, {655, 669, 683}, {710, 720, 730}, {751, 761, 771}, 1, 1},
        {4, 0, {648, 662, 676, 690}, {705, 715, 725, 735}, {746, 756, 766, 776}, 1, 1},
        {3, 1, {655, 669, 683}, {710, 720, 730}, {751, 761, 771}, 0, 1},
    };
    for (const auto& c : cases) {
        init_panel_layout();   // the layout before: nothing of it may stay
        pln.numen = c.numen;
        pln.is_heli = c.is_heli;
        init_panel_layout();
        SCOPED_TRACE(c.numen);
        for (int e = 0; e < c.numen; ++e) {
            EXPECT_FLOAT_EQ(thro_x[e], c.thro[e]);
            EXPECT_FLOAT_EQ(prop_x[e], c.prop[e]);
            EXPECT_FLOAT_EQ(mixt_x[e], c.mixt[e]);
        }
        EXPECT_EQ(pln.ecam, c.ecam);
        EXPECT_EQ(pln.tape, c.tape);
        float sweep = c.tape ? 100 : 270;
        EXPECT_FLOAT_EQ(ins.tactoINS, sweep / 3000);
        EXPECT_FLOAT_EQ(ins.n1_toINS, sweep / 100);
        EXPECT_FLOAT_EQ(ins.mprtoINS, sweep / 29.5f);
        if (c.numen > 2) {
            EXPECT_FLOAT_EQ(en_x[1][3], 715);
            EXPECT_FLOAT_EQ(en_x[2][0], 760);
            EXPECT_FLOAT_EQ(en_y[1], 171);
            EXPECT_FLOAT_EQ(en_y[2], 171);
            EXPECT_FLOAT_EQ(en_y[0], 0);
            EXPECT_FLOAT_EQ(en_x[0][0], 0);
        }
    }
}

TEST_F(PanelLayout, AirspeedDialScales)
{
    struct Case {
        int AStype, vectEQ;
        float Vso, Vne;
        float pwr, vmin, vmax;
    } cases[] = {
        {1, 0, 55, 163, 1, 50, 170},
        {3, 0, 33, 160, 1, 20, 170},
        {1, 1, 55, 163, 1, 0, 170},
        {2, 0, 55, 163, 0.3f, 60, 449},
    };
    for (const auto& c : cases) {
        pln.AStype = c.AStype;
        pln.vectEQ = c.vectEQ;
        pln.Vso = c.Vso;
        pln.Vne = c.Vne;
        init_panel_layout();
        SCOPED_TRACE(c.AStype * 10 + c.vectEQ);
        EXPECT_FLOAT_EQ(pln.ASpwr, c.pwr);
        EXPECT_FLOAT_EQ(pln.Vmin, c.vmin);
        EXPECT_FLOAT_EQ(pln.Vmax, c.vmax);
        EXPECT_NEAR(ins.indtoASI, 330 / (std::pow(c.vmax, c.pwr) - std::pow(c.vmin, c.pwr)), 1e-5);
    }
}

TEST_F(PanelLayout, ScalesWithoutASpanStayAtRest)
{
    // Stall and never-exceed speeds that round to one end speed, and a jet
    // without a manifold-pressure figure: no needle may go to infinity.
    pln.Vso = 80;
    pln.Vne = 60;
    pln.entype = 4;
    pln.tmax = 10000;
    pln.mpmax = 0;
    init_panel_layout();
    EXPECT_FLOAT_EQ(ins.indtoASI, 0);
    EXPECT_FLOAT_EQ(ins.mprtoINS, 0);
    EXPECT_TRUE(std::isfinite(ins.ff_toINS));
}

TEST_F(PanelLayout, VerticalSpeedScalesAndRadioStack)
{
    pln.VVItype = 2;
    pln.radiotype = 2;
    init_panel_layout();
    EXPECT_FLOAT_EQ(ins.msctoVVI, con.msctofpm * 0.032f);
    EXPECT_FLOAT_EQ(osrad, 156);
    EXPECT_FLOAT_EQ(oseng, -155);
    pln.VVItype = 1;
    init_panel_layout();
    EXPECT_FLOAT_EQ(ins.msctoVVI, con.msctofpm * 0.08f);
}

TEST(GaugeScale, FullScalesRoundUpToAGaugeValue)
{
    struct Case {
        float data;
        int full;
    } cases[] = {{2700, 3000}, {2800, 3500}, {100, 110}, {101, 120}, {0, 10}, {67.2f, 80}, {23200, 26000},
                 {600000, 700000}};
    for (const auto& c : cases) EXPECT_EQ(gage_me(c.data), c.full) << c.data;
}

TEST(GaugeScale, TickAndLabelSpacingByBand)
{
    struct Case {
        int data, tick, numb, label;
    } cases[] = {{100, 2, 10, 1},     {101, 5, 20, 1},          {300, 10, 50, 10},
                 {3000, 100, 500, 100}, {30000, 1000, 5000, 1000}, {600000, 20000, 100000, 1000}};
    for (const auto& c : cases) {
        int tick, numb, label;
        set_mod(c.data, &tick, &numb, &label);
        EXPECT_EQ(tick, c.tick) << c.data;
        EXPECT_EQ(numb, c.numb) << c.data;
        EXPECT_EQ(label, c.label) << c.data;
    }
}

TEST_F(PanelLayout, EngineGaugeFullScales)
{
    // Engine rpm through a 2:1 gear reads as the engine's own 2700.
    pln.gearrat = 2;
    pln.omegamax = 2700 * con.rpmtorsc / 2;
    EXPECT_FLOAT_EQ(tac_max(), 3000);
    EXPECT_FLOAT_EQ(n1__max(), 100);
    EXPECT_FLOAT_EQ(trq_max(), 100);
    EXPECT_FLOAT_EQ(mpr_max(), 29.5f);
    // 160 hp at 0.42 lb/h/hp: 67.2 lb/h.
    EXPECT_FLOAT_EQ(ff__max(), 80);
    // A jet with an afterburner: three times its thrust, 10000 lbf at
    // 0.8 lb/h/lb: 23200 lb/h.
    pln.entype = 4;
    pln.tmax = 10000 * con.lbstontn;
    pln.sfc = 0.8f;
    pln.burnerinc = 5000 * con.lbstontn;
    EXPECT_FLOAT_EQ(ff__max(), 26000);
}
} // namespace
