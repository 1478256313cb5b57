// BMP reading into the canvas, file names and renaming, and the fatal
// messages of bad files.
#include "drawing_support.h"

#include <filesystem>

#include "records/flight_state.h"
#include "shell/toolkit_variant.h"
#include "records/world_state.h"

#include <cstring>

namespace {
class Bitmaps : public ::testing::Test {
protected:
    ProgramFolder folder;
    void SetUp() override
    {
        reset_toolkit();
        copy_bounded(app_path, folder.dir.c_str(), 400);
    }
};

std::array<unsigned char, 3> gradient(int j, int i)
{
    return {(unsigned char)(j * 40 + 1), (unsigned char)(i * 80 + 1), 7};
}
} // namespace

TEST_F(Bitmaps, CanvasCopyTakesRowsBottomFirstAndSkipsTheirPadding)
{
    // Width 5: 15 bytes a row, one byte of padding.
    bmp_layout s;
    s.w = 5;
    s.h = 3;
    s.colour = gradient;
    write_bmp(folder.path("bitmaps/Korvan/pic.BMP"), s);
    s.off = 70;
    write_bmp(folder.path("bitmaps/Korvan/late.BMP"), s);
    mnw.x = 100;
    mnw.y = 50;
    for (const char* name : {"pic", "late"}) {
        clear_canvas();
        EXPECT_EQ(OGL_texbmp(BMP_TO_CANVAS, 10, 20, name), 1);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 5; ++j) EXPECT_EQ(pixel(110 + j, 70 + i), gradient(j, i)) << name << " " << j << "," << i;
        EXPECT_EQ(count_lit(), 15) << name;
    }
}

TEST_F(Bitmaps, CanvasCopiesAreCutAtTheCanvasEdge)
{
    bmp_layout s;
    s.w = 20;
    s.h = 20;
    write_bmp(folder.path("bitmaps/Korvan/big.BMP"), s);
    EXPECT_EQ(OGL_texbmp(BMP_TO_CANVAS, 790, 590, "big"), 1);
    EXPECT_EQ(count_lit(), 100);
    EXPECT_TRUE(lit(799, 599));
    EXPECT_FALSE(lit(0, 591));
    clear_canvas();
    EXPECT_EQ(OGL_texbmp(BMP_TO_CANVAS, -15, -12, "big"), 1);
    EXPECT_EQ(count_lit(), 5 * 8);
}

TEST_F(Bitmaps, CustomPanelIsOptionalAndExactly800x333)
{
    std::memset(rgb_array, 9, sizeof rgb_array);
    auto before = snapshot();
    EXPECT_EQ(OGL_texbmp(PANEL_TO_CANVAS, 0, 0, folder.path("Aircraft/none panl").c_str()), 0);
    EXPECT_EQ(snapshot(), before);

    bmp_layout s;
    s.w = 800;
    s.h = 333;
    s.colour = [](int j, int i) { return std::array<unsigned char, 3>{(unsigned char)j, (unsigned char)i, 3}; };
    write_bmp(folder.path("Aircraft/Lark panl.BMP"), s);
    EXPECT_EQ(OGL_texbmp(PANEL_TO_CANVAS, 0, 0, folder.path("Aircraft/Lark panl").c_str()), 1);
    EXPECT_EQ(pixel(200, 100), (std::array<unsigned char, 3>{200, 100, 3}));
    EXPECT_EQ(pixel(10, 333), (std::array<unsigned char, 3>{9, 9, 9}));
}

TEST_F(Bitmaps, MissingOptionalTexturesReturnZeroOthersLoadGrey)
{
    EXPECT_EQ(OGL_texbmp(TEX_FROM_FOLDER, 82, TEX_PLAIN, "hand"), 0);
    EXPECT_EQ(OGL_texbmp(TEX_FROM_PATH, 82, TEX_PLAIN, folder.path("Aircraft/Lark hand").c_str()), 0);
    EXPECT_EQ(OGL_texbmp(TEX_FROM_FOLDER, 48, TEX_PLAIN, "rway_pave"), 1);
    EXPECT_EQ(OGL_texbmp(TEX_FROM_FOLDER, 19, TEX_MIPMAP, "grs"), 1);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Bitmaps, FilesAreFoundWhereTheirKindSaysInAnyCase)
{
    char path[400];
    texbmp_path(BMP_TO_CANVAS, 0, "Omnivar", path);
    EXPECT_EQ(std::string(path), folder.dir + "bitmaps/Omnivar.BMP");
    texbmp_path(BMP_TO_CANVAS, 0, "statbar", path);
    EXPECT_EQ(std::string(path), folder.dir + "bitmaps/Korvan/statbar.BMP");
    texbmp_path(TEX_FROM_FOLDER, 1000, "crane", path);
    EXPECT_EQ(std::string(path), folder.dir + "additional nav data/objects/crane.BMP");
    texbmp_path(TEX_FROM_FOLDER, 1101, "crane", path);
    EXPECT_EQ(std::string(path), folder.dir + "textures/crane.BMP");
    texbmp_path(TEX_FROM_PATH, 0, "/planes/Lark prop", path);
    EXPECT_EQ(std::string(path), "/planes/Lark prop.BMP");

    bmp_layout s;
    write_bmp(folder.path("textures/grs.bmp"), s);
    std::filesystem::remove(folder.path("bitmaps/Korvan/PANL.BMP"));   // the bundled one
    write_bmp(folder.path("bitmaps/Korvan/PANL.bmp"), s);
    EXPECT_TRUE(texbmp_exists(TEX_FROM_FOLDER, 19, "grs"));
    EXPECT_TRUE(texbmp_exists(BMP_TO_CANVAS, 0, "panl"));
    EXPECT_FALSE(texbmp_exists(TEX_FROM_FOLDER, 23, "mnt"));
    EXPECT_EQ(OGL_texbmp(BMP_TO_CANVAS, 0, 0, "panl"), 1);
    EXPECT_EQ(pixel(1, 1), (std::array<unsigned char, 3>{10, 20, 30}));
}

TEST(TextureNames, SeasonAndLatitudeRenameTheTerrainTextures)
{
    const struct {
        float temp, lat;
        int number;
        const char* given;
        const char* read;
    } cases[] = {
        {20, 45, 19, "grs", "sno"},          {31.9f, -45, 22, "mnt_grs_c", "mnt_sno_c"},
        {32, 45, 19, "grs", "grs"},          {40, -10, 15, "wat", "car"},
        {40, 29.9f, 16, "grs_wat_h", "grs_car_h"}, {40, 30, 15, "wat", "wat"},
        {20, 10, 17, "grs_wat_c", "sno_car_c"}, {20, 10, 16, "grs_wat_h", "sno_car_h"},
        {20, 10, 18, "wat_grs_c", "car_sno_c"}, {20, 10, 20, "grs_mnt_h", "sno_mnt_h"},
        {20, 10, 15, "wat", "car"},          {40, 45, 19, "grs", "grs"},
        {40, 45, 15, "wat", "wat"},          {20, 10, 33, "rway_0L", "rway_0L"},
    };
    for (const auto& c : cases) {
        atm.temp_SL = c.temp;
        flt.lat = c.lat;
        EXPECT_STREQ(texture_file_name(c.number, c.given), c.read) << c.temp << " F, latitude " << c.lat;
    }
    // Full paths are read as given.
    atm.temp_SL = 20;
    flt.lat = 10;
    char path[400];
    texbmp_path(TEX_FROM_PATH, 19, "/x/grs", path);
    EXPECT_STREQ(path, "/x/grs.BMP");
    atm.temp_SL = 59;
    flt.lat = 45;
}

TEST(TextureNames, DivisorFollowsTheResolutionSetting)
{
    const struct {
        int res, plain, terrain;
    } cases[] = {{5, 1, 1}, {4, 1, 2}, {3, 2, 4}, {2, 2, 8}, {1, 4, 16}, {0, 4, 16}, {-7, 4, 16}, {9, 1, 1}};
    for (const auto& c : cases) {
        ogl_res = c.res;
        EXPECT_EQ(texture_divisor(33), c.plain) << c.res;
        EXPECT_EQ(texture_divisor(15), c.terrain) << c.res;
        EXPECT_EQ(texture_divisor(26), c.terrain) << c.res;
        for (int n : {79, 80, 81, 82}) EXPECT_EQ(texture_divisor(n), 1) << c.res;
    }
    ogl_res = 2;
}

TEST(TextureNames, EveryTextureNumberIsLoadedUnderOneName)
{
    for (int a = 0; a < texture_table_count; ++a)
        for (int b = a + 1; b < texture_table_count; ++b)
            EXPECT_NE(texture_table[a].number, texture_table[b].number) << texture_table[a].name;
    for (int k = 0; k < texture_table_count; ++k) {
        const auto& t = texture_table[k];
        EXPECT_EQ(t.option == TEX_MIPMAP, t.number >= 15 && t.number <= 26) << t.name;
    }
}

namespace {
struct bad_file {
    const char* what;
    bmp_layout file;
    int kind;
    const char* message;
};

bmp_layout with(void (*change)(bmp_layout&))
{
    bmp_layout s;
    s.w = 3;
    s.h = 3;
    change(s);
    return s;
}
} // namespace

TEST_F(Bitmaps, BadFilesStopTheProgramWithTheirMessage)
{
    const bad_file cases[] = {
        {"not a bitmap", with([](bmp_layout& s) { s.magic = "XY"; }), BMP_TO_CANVAS,
         "Trying to read a texture bitmap that is not a bitmap(.|\n)*bad.BMP"},
        {"too wide", with([](bmp_layout& s) { s.w = 1025; }), TEX_FROM_PATH, "Bitmap too wide! \\(max is 1024\\)"},
        {"too tall", with([](bmp_layout& s) { s.h = 1025; }), BMP_TO_CANVAS, "Bitmap too tall! \\(max is 1024\\)"},
        {"32-bit", with([](bmp_layout& s) { s.bits = 32; }), TEX_FROM_PATH,
         "Wrong bitmap color depth for texture!(.|\n)*We need 24-bit color."},
        {"compressed", with([](bmp_layout& s) { s.comp = 1; }), BMP_TO_CANVAS, "Bitmap is compressed!"},
        {"short header", with([](bmp_layout& s) { s.header_bytes = 30; }), TEX_FROM_PATH,
         "File-scanning error!(.|\n)*intscan(.|\n)*file:(.|\n)*bad.BMP"},
        {"short pixels", with([](bmp_layout& s) { s.pixel_rows = 2; }), BMP_TO_CANVAS, "File-scanning error!"},
        {"pixels past the end", with([](bmp_layout& s) { s.off = 5000; s.fill_to_off = false; }), TEX_FROM_PATH,
         "File-scanning error!"},
        {"top-down", with([](bmp_layout& s) { s.h = -3; }), BMP_TO_CANVAS, "stored top-down"},
        {"no width", with([](bmp_layout& s) { s.w = 0; }), TEX_FROM_PATH, "no size"},
        {"wrong panel size", with([](bmp_layout&) {}), PANEL_TO_CANVAS,
         "Custom cockpit bitmap is not 800x333 pixels!(.|\n)*same folder as the airplane"},
    };
    for (const auto& c : cases) {
        // Canvas bitmaps by name from the bitmap folder, the others by full path.
        const bool by_name = c.kind == BMP_TO_CANVAS;
        write_bmp(folder.path(by_name ? "bitmaps/Korvan/bad.BMP" : "bad.BMP"), c.file);
        std::string name = by_name ? "bad" : folder.path("bad");
        EXPECT_EXIT(OGL_texbmp(c.kind, 33, TEX_PLAIN, name.c_str()), ::testing::ExitedWithCode(1), c.message) << c.what;
    }
    EXPECT_EXIT(OGL_texbmp(BMP_TO_CANVAS, 0, 0, "nothing"), ::testing::ExitedWithCode(1),
                "Can't open bitmap!(.|\n)*bitmaps/Korvan/nothing.BMP");
}
