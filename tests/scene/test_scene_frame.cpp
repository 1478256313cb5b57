#include "world/scene_frame.h"

#include "cockpit/cockpit_records.h"
#include "flight/flight_records.h"
#include "toolkit/plane_record.h"
#include "world/weather_field.h"
#include "world/world_records.h"

#include <gtest/gtest.h>

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
