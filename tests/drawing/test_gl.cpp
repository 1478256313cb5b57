// The drawing layer in a real window under Xvfb with Mesa: textures as the GL
// holds them, the backdrop on screen, the caches, and the modal alert and
// save-changes prompt running their own frames.
#include "drawing_support.h"

#include "tests/support/test_window.h"

#include "records/cockpit_state.h"
#include "records/settings_and_recordings.h"

#include <GL/gl.h>
#include <cstring>

namespace {
class GL : public ::testing::Test {
protected:
    ProgramFolder* folder = nullptr;

    void SetUp() override
    {
        open_test_window();
        reset_toolkit();
        ogl_ready = 1;
        folder = new ProgramFolder;
    }
    void TearDown() override
    {
        delete folder;
        MACIBM_startwind(0);
    }

    std::string bmp(const std::string& relative, const bmp_layout& s)
    {
        write_bmp(folder->path(relative), s);
        return folder->path(relative);
    }
};

GLint level_size(int tex, int level, GLenum what = GL_TEXTURE_WIDTH)
{
    OGL_bindtex(tex);
    GLint v = -1;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, what, &v);
    return v;
}

GLint min_filter(int tex)
{
    OGL_bindtex(tex);
    GLint v = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &v);
    return v;
}

std::vector<unsigned char> texels(int tex, int level, GLenum format)
{
    int n = level_size(tex, level) * level_size(tex, level, GL_TEXTURE_HEIGHT) * (format == GL_RGBA ? 4 : 3);
    std::vector<unsigned char> out(n);
    glGetTexImage(GL_TEXTURE_2D, level, format, GL_UNSIGNED_BYTE, out.data());
    return out;
}

std::array<unsigned char, 3> screen(int x, int y)
{
    std::array<unsigned char, 3> p{};
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, p.data());
    return p;
}

bmp_layout square(int side)
{
    bmp_layout s;
    s.w = side;
    s.h = side;
    return s;
}
} // namespace

TEST_F(GL, UploadedSizesFollowTheResolutionSetting)
{
    bmp("textures/grs.BMP", square(512));
    bmp("textures/rway_0L.BMP", square(512));
    bmp("textures/letters.BMP", square(512));
    const struct {
        int res, number, option;
        const char* name;
        int side, levels;
    } cases[] = {
        {2, 19, TEX_MIPMAP, "grs", 64, 7},  {2, 33, TEX_PLAIN, "rway_0L", 256, 1},
        {5, 19, TEX_MIPMAP, "grs", 512, 10}, {1, 19, TEX_MIPMAP, "grs", 32, 6},
        {1, 33, TEX_PLAIN, "rway_0L", 128, 1}, {1, 79, TEX_COLOUR_KEY, "letters", 512, 1},
    };
    for (const auto& c : cases) {
        ogl_res = c.res;
        ASSERT_EQ(OGL_texbmp(TEX_FROM_FOLDER, c.number, c.option, c.name), 1);
        EXPECT_EQ(level_size(c.number, 0), c.side) << c.name << " at " << c.res;
        EXPECT_EQ(level_size(c.number, 0, GL_TEXTURE_HEIGHT), c.side) << c.name << " at " << c.res;
        EXPECT_EQ(level_size(c.number, c.levels - 1), c.side >> (c.levels - 1)) << c.name << " at " << c.res;
        // Without mipmaps nothing is uploaded past level 0. (A reload at a lower
        // setting leaves earlier deeper levels behind; the GL ignores them.)
        if (c.levels == 1) {
            EXPECT_EQ(level_size(c.number, 1), 0) << c.name << " at " << c.res;
        }
        EXPECT_EQ(min_filter(c.number), c.levels > 1 ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR);
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(GL, MipmapLevelsAverageTwoByTwoBlocks)
{
    bmp_layout s = square(2);
    s.colour = [](int j, int i) {
        static const std::array<unsigned char, 3> c[4] = {{1, 10, 100}, {2, 20, 101}, {3, 30, 102}, {5, 40, 104}};
        return c[i * 2 + j];
    };
    bmp("textures/mnt.BMP", s);
    ogl_res = 5;
    ASSERT_EQ(OGL_texbmp(TEX_FROM_FOLDER, 23, TEX_MIPMAP, "mnt"), 1);
    EXPECT_EQ(texels(23, 1, GL_RGB), (std::vector<unsigned char>{2, 25, 101}));
}

TEST_F(GL, NonSquareTerrainGetsTheNoticeAndHalvesEachSideToOne)
{
    bmp_layout s;
    s.w = 8;
    s.h = 2;
    bmp("textures/wat.BMP", s);
    ogl_res = 5;
    inject_key(13);  // answers the notice
    ASSERT_EQ(OGL_texbmp(TEX_FROM_FOLDER, 15, TEX_MIPMAP, "wat"), 1);
    EXPECT_EQ(zapped, (std::vector<int>{996}));
    const int sizes[][2] = {{8, 2}, {4, 1}, {2, 1}, {1, 1}};
    for (int level = 0; level < 4; ++level) {
        EXPECT_EQ(level_size(15, level), sizes[level][0]) << level;
        EXPECT_EQ(level_size(15, level, GL_TEXTURE_HEIGHT), sizes[level][1]) << level;
    }
    EXPECT_EQ(level_size(15, 4), 0);
}

TEST_F(GL, ColourKeyAndLuminanceAlpha)
{
    bmp_layout s;
    s.w = 2;
    s.h = 1;
    s.colour = [](int j, int) { return j == 0 ? std::array<unsigned char, 3>{1, 1, 1} : std::array<unsigned char, 3>{0, 0, 0}; };
    bmp("key.BMP", s);
    s.colour = [](int j, int) {
        return j == 0 ? std::array<unsigned char, 3>{30, 60, 90} : std::array<unsigned char, 3>{255, 255, 254};
    };
    bmp("glow.BMP", s);
    ogl_res = 5;
    ASSERT_EQ(OGL_texbmp(TEX_FROM_PATH, 66, TEX_COLOUR_KEY, folder->path("key").c_str()), 1);
    EXPECT_EQ(texels(66, 0, GL_RGBA), (std::vector<unsigned char>{1, 1, 1, 0, 0, 0, 0, 255}));
    ASSERT_EQ(OGL_texbmp(TEX_FROM_PATH, 65, TEX_LUMINANCE_ALPHA, folder->path("glow").c_str()), 1);
    EXPECT_EQ(texels(65, 0, GL_RGBA), (std::vector<unsigned char>{0, 0, 0, 60, 0, 0, 0, 254}));
}

TEST_F(GL, MissingTextureIsOpaqueFlatGrey)
{
    ogl_res = 5;
    ASSERT_EQ(OGL_texbmp(TEX_FROM_FOLDER, 48, TEX_PLAIN, "rway_pave"), 1);
    EXPECT_EQ(level_size(48, 0), 4);
    EXPECT_EQ(texels(48, 0, GL_RGB), std::vector<unsigned char>(48, 200));
    ASSERT_EQ(OGL_texbmp(TEX_FROM_FOLDER, 70, TEX_COLOUR_KEY, "fire5"), 1);
    auto rgba = texels(70, 0, GL_RGBA);
    for (int k = 0; k < 16; ++k) EXPECT_EQ(rgba[k * 4 + 3], 255);
    // Scaled down harder than its size: still one texel.
    ogl_res = 1;
    ASSERT_EQ(OGL_texbmp(TEX_FROM_FOLDER, 23, TEX_MIPMAP, "mnt"), 1);
    EXPECT_EQ(level_size(23, 0), 1);
}

TEST_F(GL, BackdropTilesHoldTheCanvasAfterEachOpening)
{
    copy_bounded(app_path, PROGRAM_DIR "/", 400);   // the panel and window backgrounds
    MACIBM_startwind(0);
    const int bar_tile = BACKDROP_TILE_BASE + 0 + 7 * 4;
    EXPECT_EQ(level_size(bar_tile, 0), 128);
    auto t = texels(bar_tile, 0, GL_RGB);
    auto texel = [&](int col, int row) { return std::array<unsigned char, 3>{t[(row * 128 + col) * 3], t[(row * 128 + col) * 3 + 1], t[(row * 128 + col) * 3 + 2]}; };
    EXPECT_EQ(texel(10, 590 - 512), colour_bytes(18));
    EXPECT_EQ(texel(10, 599 - 512), colour_bytes(6));
    EXPECT_EQ(texel(10, 0), colour_bytes(29));
    t = texels(BACKDROP_TILE_BASE + 6 + 7 * 4, 0, GL_RGB);
    EXPECT_EQ(texel(10, 590 - 512), colour_bytes(18));  // x 778
    EXPECT_EQ(texel(40, 590 - 512), colour_bytes(29));  // x 808: beyond the canvas
    EXPECT_EQ(texel(10, 100), colour_bytes(29));        // y 612: beyond the canvas

    MACIBM_startwind(996);
    t = texels(BACKDROP_TILE_BASE + 2 + 7 * 2, 0, GL_RGB);
    EXPECT_EQ(texel(300 - 256, 300 - 256), colour_bytes(12));
}

TEST_F(GL, BackdropLayoutsShowTheirPartsOfTheScreen)
{
    std::memset(rgb_array, 255, sizeof rgb_array);
    cut_backdrop_tiles();
    const struct {
        int topwin, started, fullscreen;
        std::vector<int> shown, hidden;
    } layouts[] = {
        {0, 1, 0, {5, 200, 331, 563, 599}, {335, 400, 559}},  // panel and top strip
        {0, 1, 1, {585, 599}, {5, 300, 581}},                 // menu bar only
        {996, 1, 0, {5, 300, 400, 599}, {}},                  // everything
        {0, 0, 1, {5, 300, 400, 599}, {}},
    };
    for (const auto& l : layouts) {
        mnw.topwin = l.topwin;
        done_initing = l.started;
        set.view_is_fullscreen = l.fullscreen;
        OGL_plot_background();
        for (int y : l.shown)
            for (int x : {3, 400, 797}) EXPECT_EQ(screen(x, y)[1], 255) << "layout " << &l - layouts << " at " << x << "," << y;
        for (int y : l.hidden) EXPECT_EQ(screen(400, y)[1], 0) << "layout " << &l - layouts << " at y " << y;
    }
    // The panel light tints the backdrop.
    ins.r_rat = 0.5f;
    OGL_plot_background();
    EXPECT_NEAR(screen(400, 300)[0], 128, 1);
    EXPECT_EQ(screen(400, 300)[1], 255);
    ins.r_rat = 1;
    mnw.topwin = 0;
    set.view_is_fullscreen = 0;
}

TEST_F(GL, StateAndTextureCachesNeverGoStale)
{
    OGL_setstate(1, 1, 1, 1);
    for (GLenum cap : {GL_FOG, GL_TEXTURE_2D, GL_LIGHTING, GL_LIGHT0, GL_DEPTH_TEST}) EXPECT_TRUE(glIsEnabled(cap)) << cap;
    OGL_setstate(0, 0, 0, 0);
    for (GLenum cap : {GL_FOG, GL_TEXTURE_2D, GL_LIGHTING, GL_LIGHT0, GL_DEPTH_TEST}) EXPECT_FALSE(glIsEnabled(cap)) << cap;

    GLint bound = 0;
    OGL_bindtex(19);
    tile(0, 0, 0, 0, 10, 10, 0, 0, 1, 1);
    OGL_bindtex(19);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 19);
    OGL_texbmp(TEX_FROM_FOLDER, 48, TEX_PLAIN, "rway_pave");
    copy_bounded(app_path, PROGRAM_DIR "/", 400);   // the panel and window backgrounds
    MACIBM_startwind(0);
    OGL_bindtex(19);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 19);
}

TEST_F(GL, PanelLightTintsOnlyTheLowColours)
{
    ins.r_rat = 0.5f;
    ins.g_rat = 0.25f;
    GLfloat c[4];
    OGL_setcolor(37);
    glGetFloatv(GL_CURRENT_COLOR, c);
    EXPECT_NEAR(c[0], 0.48f * 0.5f, 1e-3);
    EXPECT_NEAR(c[1], 0.32f * 0.25f, 1e-3);
    EXPECT_NEAR(c[2], 0.16f, 1e-3);
    OGL_setcolor(38);
    glGetFloatv(GL_CURRENT_COLOR, c);
    EXPECT_NEAR(c[0], 1, 1e-3);
    EXPECT_NEAR(c[1], 1, 1e-3);
    ins.r_rat = ins.g_rat = 1;
}

TEST_F(GL, ModalAlertAndPromptRunFramesUntilAnswered)
{
    copy_bounded(app_path, PROGRAM_DIR "/", 400);   // the panel and window backgrounds
    MACIBM_startwind(5);
    zapped.clear();
    inject_click(200, 203, 100, 20);
    MACIBM_alert("Runway closed.", "", "", "", ALERT_NOTICE);
    EXPECT_EQ(mnw.topwin, 0);
    EXPECT_EQ(zapped, (std::vector<int>{996}));  // window 5 went without a word

    inject_key(13);
    MACIBM_alert("Runway open again.", "", "", "", ALERT_NOTICE);
    EXPECT_EQ(mnw.topwin, 0);

    zapped.clear();
    inject_click(250, 250, 70, 22);
    EXPECT_EQ(MACIBM_nuke_alert("Untitled.sit"), 2);
    EXPECT_EQ(zapped, (std::vector<int>{997}));
    inject_click(250, 250, 70, 52);
    EXPECT_EQ(MACIBM_nuke_alert("Untitled.sit"), 1);
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    return RUN_ALL_TESTS();
}
