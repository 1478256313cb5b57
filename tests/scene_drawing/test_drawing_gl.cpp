// The drawers in a real GL context under Xvfb with the KSBD window loaded from
// the bundled world: what lies under the aircraft comes from the drawing, and
// every terrain and wall texture is bound once per frame.
#include "flight/coordinates.h"
#include "flight/flight_records.h"
#include "shell/MENUS.h"
#include "toolkit/HL_FILE.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "world/INITNAV.h"
#include "world/runways.h"
#include "world/scene_drawing.h"
#include "world/scene_ranges.h"
#include "world/world_records.h"
#include "world/world_services.h"

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <cstring>
#include <vector>

namespace {
int binds[2000];
}

extern "C" void __real__Z11OGL_bindtexi(int index);
extern "C" void __wrap__Z11OGL_bindtexi(int index)
{
    if (index >= 0 && index < 2000) ++binds[index];
    __real__Z11OGL_bindtexi(index);
}

namespace {
int ksbd = -1, ksbd_reg = -1;

class SceneDrawing : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        plat_set_message_box_handler([](const char*, const char*) {});
        MACIBM_init();
        ogl_ready = 1;
        done_initing = 1;
        copy_bounded(app_path, PROGRAM_DIR "/", 400);
        init_country_data();
        for (int a = 0; a <= env.aptmax; ++a)
            if (strncmp(apt_id[a], "KSBD", 4) == 0) ksbd = a;
        ASSERT_GE(ksbd, 0);
        msc.loc_apt_wrl = ksbd;
        env.lat_sou = round(apt_lat[ksbd][0] - 1);
        env.lon_wes = round(apt_lon[ksbd][0] - 1.5f);
        load_region();
        for (int n = 0; n < apt_listed; ++n)
            if (apt_to_index[n] == ksbd) ksbd_reg = n;
        ASSERT_GE(ksbd_reg, 0);
    }

    void SetUp() override
    {
        ASSERT_GE(ksbd_reg, 0);
        env.over_obs = env.over_carr = env.over_frig = 0;
        env.surf_type = 32;
        env.obj_height = -1;
        memset(binds, 0, sizeof binds);
        memset(obj_inrange, 0, sizeof obj_inrange);
        memset(apt_inrange, 0, sizeof apt_inrange);
        OGL_setstate(1, 1, 1, 1);
    }

    static float ar(int r) { return (float)(apt_len[ksbd][r] / apt_width[ksbd][r]); }

    // The middle of pavement quad m of runway r.
    static void middle(int r, int m, double* x, double* z)
    {
        *x = *z = 0;
        for (int c = 0; c < 4; ++c) {
            *x += scn.markxyz[ksbd_reg][r][m][c][0] / 4;
            *z += scn.markxyz[ksbd_reg][r][m][c][2] / 4;
        }
    }

    // The frame's airport pass for the listed runways only.
    static void draw_runways(const std::vector<int>& rways)
    {
        for (int r : rways) {
            if (env.tway[ksbd_reg][r]) {
                plot_pavement(ksbd_reg, r, 1, ar(r), 48);
                plot_pavement(ksbd_reg, r, 5, 3.0f, 48);
                for (int m = 2; m <= 4; ++m) plot_pavement(ksbd_reg, r, m, 1.0f, 47);
            }
        }
        for (int r : rways) plot_runway(ksbd_reg, ksbd, r, ar(r));
    }
};
} // namespace

TEST_F(SceneDrawing, ContactComesFromTheDrawing)
{
    int r0 = first_rway(ksbd);
    ASSERT_GE(r0, 0);
    int twy = -1;
    for (int r = 0; r <= env.rwaymax[ksbd_reg]; ++r) {
        if (!rway_counts(ksbd, r)) continue;
        if (env.tway[ksbd_reg][r] && twy < 0) twy = r;
    }
    int hangar = 5 * ksbd_reg;
    ASSERT_EQ(obj_type[hangar], 97);

    ASSERT_GE(twy, 0);

    struct Case {
        const char* what;
        double x, z;
        int drawn;   // the airport passed the range test
        int surf, over;
        float height;
    } cases[5];
    double x, z;
    middle(r0, 0, &x, &z);
    cases[0] = {"on the runway", x, z, 1, env.rwy_typ[ksbd_reg][r0], 1, apt_h[ksbd]};
    cases[1] = {"on a culled runway", x, z, 0, 32, 0, -1};
    cases[2] = {"off the airport", x + 20000, z + 20000, 1, 32, 0, -1};
    const float (*roof)[3] = obj_xyz[hangar][3];
    cases[3] = {"on a hangar roof", 0.5 * (roof[1][0] + roof[3][0]), 0.5 * (roof[1][2] + roof[3][2]), 1, 27, 1,
                roof[0][1]};
    middle(twy, 1, &x, &z);
    cases[4] = {"on a taxiway", x, z, 1, env.rwy_typ[ksbd_reg][twy], 1, scn.markxyz[ksbd_reg][twy][1][0][1]};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        flt.X = c.x;
        flt.Z = c.z;
        if (c.drawn) {
            std::vector<int> all;
            for (int r = env.rwaymax[ksbd_reg]; r >= 0; --r) all.push_back(r);
            draw_runways(all);
            for (int o = 5 * ksbd_reg; o < 5 * ksbd_reg + 5; ++o) obj_inrange[o] = 1;
        }
        plot_obstacles();
        EXPECT_EQ(env.surf_type, c.surf);
        EXPECT_EQ(env.over_obs, c.over);
        if (c.over) {
            EXPECT_FLOAT_EQ(env.obj_height, c.height);
        }
    }
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}

TEST_F(SceneDrawing, TerrainAndWallTexturesBoundOncePerFrame)
{
    for (int i = 0; i < GRID_I; ++i)
        for (int j = 0; j < GRID_J; ++j) ter_inrange[i][j] = 1;
    scn.i1_plot_bound_ter = scn.j1_plot_bound_ter = 0;
    scn.i2_plot_bound_ter = GRID_I - 2;
    scn.j2_plot_bound_ter = GRID_J - 2;
    OGL_bindtex(0);
    memset(binds, 0, sizeof binds);
    plot_terrain();
    for (int t = 15; t <= 26; ++t) EXPECT_EQ(binds[t], 1) << t;

    // Every airport's hangars in range: their wall texture once, their roofs once.
    memset(binds, 0, sizeof binds);
    int hangars = 0;
    for (int o = 0; o < 450; ++o)
        if (obj_type[o] == 97) obj_inrange[o] = 1, ++hangars;
    ASSERT_GT(hangars, 8);
    plot_obstacles();
    EXPECT_EQ(binds[14], 1);
    EXPECT_EQ(binds[48], 1);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
