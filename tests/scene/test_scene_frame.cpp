#include "shell/scene_frame.h"

#include "records/cockpit_state.h"
#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "world/scene_light.h"
#include "world/weather_field.h"
#include "records/world_state.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(SceneFrame, CatapultLaunchEndsOnlyOffTheDeck)
{
    struct Case {
        int over_carr, stage, after;
    } cases[] = {{1, 4, 4}, {0, 4, 5}, {0, 3, 3}, {0, 5, 5}};
    for (const Case& c : cases) {
        env.over_carr = c.over_carr;
        flt.cat_stage = c.stage;
        scene_catapult();
        EXPECT_EQ(flt.cat_stage, c.after) << c.over_carr << " " << c.stage;
    }
    env.over_carr = 0;
    flt.cat_stage = 0;
}

TEST(SceneFrame, PanelLightFollowsTheSceneWithARedFloorWhenLit)
{
    struct Case {
        int clights, paneltype;
        float brat, r, g, b;
    } cases[] = {
        {0, 1, 0.3f, 0.3f, 0.3f, 0.3f},   // cockpit lights out
        {1, 1, 0.3f, 0.6f, 0.3f, 0.3f},
        {1, 1, 0.5f, 0.5f, 0.5f, 0.5f},   // bright enough
        {1, 2, 0.1f, 0.7f, 0.35f, 0.35f},
        {1, 2, 0.55f, 0.7f, 0.55f, 0.55f},
        {1, 2, 0.6f, 0.6f, 0.6f, 0.6f},
        {1, 0, 0.01f, 0.01f, 0.01f, 0.01f},
    };
    for (const Case& c : cases) {
        rel.clights = c.clights;
        pln.paneltype = c.paneltype;
        ogl_brat_ter = c.brat;
        scene_panel_light();
        EXPECT_FLOAT_EQ(ins.r_rat, c.r) << c.paneltype << " " << c.brat;
        EXPECT_FLOAT_EQ(ins.g_rat, c.g) << c.paneltype << " " << c.brat;
        EXPECT_FLOAT_EQ(ins.b_rat, c.b) << c.paneltype << " " << c.brat;
    }
    ogl_brat_ter = 1;
    rel.clights = 0;
}

TEST(SceneFrame, ContactResetClearsWhatTheLastFrameFound)
{
    env.over_carr = env.over_frig = env.over_obs = 1;
    env.surf_type = 28;
    atc.cardxyz[0] = atc.cardxyz[1] = atc.cardxyz[2] = 5;
    scene_contact_reset();
    EXPECT_EQ(env.over_carr + env.over_frig + env.over_obs, 0);
    EXPECT_EQ(env.surf_type, 32);
    for (float c : atc.cardxyz) EXPECT_FLOAT_EQ(c, 9.9e9f);
}

TEST(SceneFrame, DeckPositionWithTheEyeOnItsEdges)
{
    atm.baseMSL = 1000;
    atm.topsMSL = 2000;
    struct Case {
        int cld;
        float y;
        int above, below;
    } cases[] = {{1, 2000, 0, 0}, {1, 2000.1f, 1, 0}, {1, 1000, 0, 0}, {1, 999.9f, 0, 1},
                 {1, 1500, 0, 0}, {0, 3000, 0, 0},    {0, 500, 0, 0}};
    for (const Case& c : cases) {
        atm.cld_type = c.cld;
        deck_position(c.y);
        EXPECT_EQ(scn.abovetops, c.above) << c.cld << " " << c.y;
        EXPECT_EQ(scn.belowbases, c.below) << c.cld << " " << c.y;
    }
    atm.cld_type = 0;
    scn.abovetops = scn.belowbases = 0;
}

TEST(SceneFrame, LightsByTheHour)
{
    struct Case {
        float hours, vis;
        int city, rway;
    } cases[] = {
        {17, 20000, 0, 0},   {6 + 59 / 60.0f, 20000, 1, 1}, {7, 20000, 0, 0}, {12, 20000, 0, 0},
        {17.01f, 20000, 1, 1}, {12, 9259, 0, 1},             {12, 9260, 0, 0}, {0, 100, 1, 1},
    };
    for (const Case& c : cases) {
        int city = -1, rway = -1;
        lights_by_hour(c.hours, c.vis, &city, &rway);
        EXPECT_EQ(city, c.city) << c.hours << " " << c.vis;
        EXPECT_EQ(rway, c.rway) << c.hours << " " << c.vis;
    }
}

TEST(SceneFrame, ProjectionRectanglesAndClipping)
{
    view_rect r;
    view_rectangle(1, &r);
    EXPECT_EQ(r.y2, 583);
    EXPECT_EQ(r.hud_lft, 100);
    EXPECT_EQ(r.cntry, 291);
    view_rectangle(0, &r);
    EXPECT_EQ(r.y1, 333);
    EXPECT_EQ(r.y2, 561);
    EXPECT_EQ(r.hud_top, 552);
    EXPECT_EQ(r.cntry, 443);

    EXPECT_FLOAT_EQ(near_clip(0), 0.1f);
    EXPECT_FLOAT_EQ(near_clip(3), 1.5f);
    EXPECT_FLOAT_EQ(near_clip(5000), 10);
    // low: ten nautical miles at least; high: the eye's height counts; above
    // the tops only the height above them
    EXPECT_FLOAT_EQ(far_clip(1000, 10, 0, 0), 18520);
    const float h = 37040 + 3000;
    EXPECT_NEAR(far_clip(37040, 30000, 0, 0), 1.01f * std::sqrt(h * h + 30000.0f * 30000), 1);
    EXPECT_NEAR(far_clip(37040, 30000, 1, 25000), 1.01f * std::sqrt(h * h + 0.16f * h * h), 1);
}

namespace {
struct Situation {
    const char* name;
    int cld_type;
    float eye_y;   // base 1000, tops 2000
    int view, replay, cat_stage;
    scene_plan want;
};
} // namespace

TEST(SceneFrame, WhatTheFrameDrawsBySituation)
{
    // stars clouds city trees lightning airports fires traffic own path cool
    //   precip nrml frame sideslip mouse replay launch
    const Situation cases[] = {
        {"clear noon", 0, 500, 500, 0, 0, {1, 0, 0, 0, 0, 1, 1, {1, 1}, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0}},
        {"overcast, below", 1, 500, 500, 0, 0, {0, 0, 0, 0, 0, 1, 1, {1, 0}, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0}},
        {"in the deck", 1, 1500, 500, 0, 0, {0, 0, 0, 0, 0, 1, 1, {0, 0}, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0}},
        {"above the tops", 1, 3000, 500, 0, 0, {1, 1, 0, 0, 0, 0, 1, {0, 1}, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0}},
        {"chase view", 0, 500, 516, 0, 0, {1, 0, 0, 0, 0, 1, 1, {1, 1}, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"full screen, no HUD", 0, 500, 521, 0, 0, {1, 0, 0, 0, 0, 1, 1, {1, 1}, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"full screen HUD", 0, 500, 520, 0, 0, {1, 0, 0, 0, 0, 1, 1, {1, 1}, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0}},
        {"replay", 0, 500, 513, 3, 0, {1, 0, 0, 0, 0, 1, 1, {1, 1}, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0}},
        {"catapult", 0, 500, 511, 0, 3, {1, 0, 0, 0, 0, 1, 1, {1, 1}, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
    };
    atm.baseMSL = 1000;
    atm.topsMSL = 2000;
    atm.strike_stop_time = 0;
    msc.elap_time = 10;
    scn.city_lites_on = 0;
    msc.show_path = 0;
    msc.mouse_is_joy = 0;
    pln.HUDtype = 2;
    ins.HUD_on = 1;
    ins.HOOP_on = 0;
    flt.v = 0;
    // traffic 0 below the base, 1 above the tops
    traf_xyzvh[0][1] = 500;
    traf_xyzvh[1][1] = 2500;
    for (const Situation& s : cases) {
        atm.cld_type = s.cld_type;
        deck_position(s.eye_y);
        set.view_type = s.view;
        set.replay_mode = s.replay;
        flt.cat_stage = s.cat_stage;
        scene_plan p;
        plan_scene(&p);
        const scene_plan& w = s.want;
        EXPECT_EQ(p.stars, w.stars) << s.name;
        EXPECT_EQ(p.clouds, w.clouds) << s.name;
        EXPECT_EQ(p.airports, w.airports) << s.name;
        EXPECT_EQ(p.fires, w.fires) << s.name;
        EXPECT_EQ(p.traffic[0], w.traffic[0]) << s.name;
        EXPECT_EQ(p.traffic[1], w.traffic[1]) << s.name;
        EXPECT_EQ(p.own_aircraft, w.own_aircraft) << s.name;
        EXPECT_EQ(p.precip, w.precip) << s.name;
        EXPECT_EQ(p.nrml_hud, w.nrml_hud) << s.name;
        EXPECT_EQ(p.hud_frame, w.hud_frame) << s.name;
        EXPECT_EQ(p.replay, w.replay) << s.name;
        EXPECT_EQ(p.launch_prompt, w.launch_prompt) << s.name;
    }
    atm.cld_type = 0;
    scn.abovetops = scn.belowbases = 0;
    set.view_type = 500;
    set.replay_mode = 0;
    flt.cat_stage = 0;
}

TEST(SceneFrame, HeadUpDisplaysAndStringsByAircraft)
{
    atm.cld_type = 0;
    struct Case {
        int view, hudtype, hud_on, hoop_on, entype, heli;
        float v;
        int nrml, frame, cool, slip;
    } cases[] = {
        {501, 1, 1, 1, 1, 0, 50, 0, 0, 0, 0},   // no HUD fitted: no frame either
        {502, 1, 1, 1, 0, 0, 50, 0, 0, 0, 1},   // glider: the string
        {500, 2, 0, 0, 1, 0, 50, 0, 1, 0, 0},   // HUD switched off, frame stays
        {500, 3, 1, 1, 1, 1, 50, 1, 1, 1, 1},   // helicopter with the 3-D display
        {520, 1, 0, 1, 1, 0, 50, 1, 1, 0, 0},   // full screen always has its HUD
        {521, 3, 1, 1, 0, 0, 50, 0, 0, 0, 0},
        {516, 3, 1, 1, 0, 0, 50, 0, 0, 0, 1},
        {500, 2, 1, 0, 0, 0, 1, 1, 1, 0, 0},    // not moving
    };
    for (const Case& c : cases) {
        set.view_type = c.view;
        pln.HUDtype = c.hudtype;
        ins.HUD_on = c.hud_on;
        ins.HOOP_on = c.hoop_on;
        pln.entype = c.entype;
        pln.is_heli = c.heli;
        pln.vectEQ = 0;
        flt.v = c.v;
        scene_plan p;
        plan_scene(&p);
        EXPECT_EQ(p.nrml_hud, c.nrml) << c.view << " " << c.hudtype;
        EXPECT_EQ(p.hud_frame, c.frame) << c.view << " " << c.hudtype;
        EXPECT_EQ(p.cool_hud, c.cool) << c.view << " " << c.hudtype;
        EXPECT_EQ(p.sideslip, c.slip) << c.view << " " << c.hudtype;
    }
    set.view_type = 500;
    pln.is_heli = 0;
    flt.v = 0;
}

TEST(SceneFrame, PilotsEyeTurnsWithTheAttitudeAndCamerasLookAtTheAircraft)
{
    flt.X = 100;
    flt.Y = 50;
    flt.Z = -200;
    pln.peX = 0;
    pln.peY = 1;
    pln.peZ = -2;   // ahead of the centre of gravity
    // heading east, level: the eye is 2 m east and 1 m up
    flt.sinthe = 0, flt.costhe = 1, flt.sinpsi = 1, flt.cospsi = 0, flt.sinphi = 0, flt.cosphi = 1;
    set.view_type = 500;
    scene_eye(0);
    EXPECT_NEAR(con.VIEW_xyz[0], 102, 1e-4);
    EXPECT_NEAR(con.VIEW_xyz[1], 51, 1e-4);
    EXPECT_NEAR(con.VIEW_xyz[2], -200, 1e-4);
    EXPECT_FLOAT_EQ(con.PLAN_loc_X, 100);
    EXPECT_FLOAT_EQ(con.sinPLANpsi, 1);
    // chase camera below the ground: raised 2 m above it, looking at the aircraft
    set.view_type = 516;
    con.VIEW_xyz[0] = 100;
    con.VIEW_xyz[1] = 10;
    con.VIEW_xyz[2] = -150;
    scene_eye(48);
    EXPECT_FLOAT_EQ(con.VIEW_xyz[1], 50);
    EXPECT_NEAR(scn.the, 0, 1e-4);
    EXPECT_NEAR(scn.psi, 0, 1e-4);   // south of it, looking north
    EXPECT_EQ(scn.phi, 0);
    con.VIEW_xyz[0] = 50;   // west of it and 50 m up
    con.VIEW_xyz[1] = 100;
    con.VIEW_xyz[2] = -200;
    scene_eye(0);
    EXPECT_NEAR(scn.psi, 90, 1e-4);
    EXPECT_NEAR(scn.the, -45, 1e-4);
    set.view_type = 500;
}
