// The bundled media in the program folder, walked by the names the loaders
// use and opened through the suite's own readers: every texture of every
// climate, every bitmap, every sound. Any alert the readers raise (a bad
// header, a non-square terrain texture, a wrong panel size) fails the run.
#include "records/flight_state.h"
#include "media/bitmap_names.h"
#include "shell/toolkit_variant.h"
#include "platform/window.h"
#include "toolkit/HL_SOUND.h"
#include "toolkit/HL_TEXTURE.h"
#include "toolkit/HL_TYPES.h"
#include "records/world_state.h"

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {
// A reader's alert is a failure. Fatal ones would end the process with
// status 0 after the message box, so the run ends here with a failure.
void alert_fails(const char* title, const char* text)
{
    fprintf(stderr, "reader alert (%s): %s\n", title, text);
    std::_Exit(1);
}

struct climate {
    const char* what;
    float temp_SL, lat;
};
const climate climates[] = {{"temperate", 59, 45}, {"freezing", 20, 45}, {"tropical", 80, 10}, {"freezing tropics", 20, 10}};

class MediaFiles : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        plat_set_message_box_handler(alert_fails);
        ASSERT_TRUE(plat_create_window("media", 800, 600));
        copy_bounded(app_path, MEDIA_PROGRAM_DIR, 400);
        ogl_ready = 0;
        done_initing = 1;
        ogl_res = 5;
    }

    static GLint level0(int number, GLenum what)
    {
        glBindTexture(GL_TEXTURE_2D, number);
        GLint v = -1;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, what, &v);
        return v;
    }

    static std::vector<unsigned char> rgba(int number)
    {
        std::vector<unsigned char> t((size_t)level0(number, GL_TEXTURE_WIDTH) * level0(number, GL_TEXTURE_HEIGHT) * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, t.data());
        return t;
    }

    static std::string sound_path(const char* name)
    {
        return std::string(app_path) + "sounds/" + name;
    }

    static std::vector<int16_t> read_sound(const char* name, wav_format* fmt)
    {
        unsigned char* data = nullptr;
        uint32_t length = 0;
        const char* error = read_wav(sound_path(name).c_str(), fmt, &data, &length);
        EXPECT_EQ(error, nullptr) << name << ": " << (error ? error : "");
        std::vector<int16_t> s;
        if (!error && fmt->wBitsPerSample == 16)
            for (uint32_t k = 0; k + 1 < length; k += 2) s.push_back((int16_t)(data[k] | (data[k + 1] << 8)));
        free(data);
        return s;
    }
};

// Terrain names change with the climate, so the table is walked in each.
TEST_F(MediaFiles, EveryTextureOfEveryClimateLoadsFromItsFile)
{
    for (const climate& c : climates) {
        atm.temp_SL = c.temp_SL;
        flt.lat = c.lat;
        for (int k = 0; k < texture_table_count; ++k) {
            const texture_entry& e = texture_table[k];
            SCOPED_TRACE(std::string(c.what) + " " + texture_file_name(e.number, e.name));
            ASSERT_TRUE(texbmp_exists(TEX_FROM_FOLDER, e.number, e.name)) << "missing: would draw flat grey";
            ASSERT_EQ(OGL_texbmp(TEX_FROM_FOLDER, e.number, e.option, e.name), 1);
            GLint w = level0(e.number, GL_TEXTURE_WIDTH), h = level0(e.number, GL_TEXTURE_HEIGHT);
            EXPECT_GT(w * h, 16) << "loaded as the grey substitute";
            if (e.option == TEX_MIPMAP) {
                EXPECT_EQ(w, h) << "mipmapped textures must be square";
            }
        }
    }
}

// Colour-keyed textures must have see-through parts (fire, unpaved strips,
// the cursor, the compass card) and solid ones; the smoke puff must fade to
// nothing at its edges, or it draws as a square.
TEST_F(MediaFiles, KeyedTexturesAreSeeThroughWhereTheyShouldBe)
{
    atm.temp_SL = 59;
    flt.lat = 45;
    for (int k = 0; k < texture_table_count; ++k) {
        const texture_entry& e = texture_table[k];
        if (e.option != TEX_COLOUR_KEY && e.option != TEX_LUMINANCE_ALPHA) continue;
        SCOPED_TRACE(e.name);
        ASSERT_EQ(OGL_texbmp(TEX_FROM_FOLDER, e.number, e.option, e.name), 1);
        std::vector<unsigned char> t = rgba(e.number);
        ASSERT_FALSE(t.empty());
        int clear = 0, solid = 0;
        for (size_t i = 3; i < t.size(); i += 4) {
            clear += t[i] == 0;
            solid += t[i] > 0;
        }
        EXPECT_GT(clear, 0);
        EXPECT_GT(solid, 0);
        if (e.option == TEX_LUMINANCE_ALPHA) {
            int w = level0(e.number, GL_TEXTURE_WIDTH), h = level0(e.number, GL_TEXTURE_HEIGHT);
            for (int corner : {0, w - 1, (h - 1) * w, h * w - 1}) EXPECT_EQ(t[(size_t)corner * 4 + 3], 0);
        }
    }
}

TEST_F(MediaFiles, EveryBitmapLoadsIntoTheCanvas)
{
    ASSERT_TRUE(texbmp_exists(BMP_TO_CANVAS, 0, startup_picture));
    EXPECT_EQ(OGL_texbmp(BMP_TO_CANVAS, 0, 0, startup_picture), 1);
    for (int k = 0; k < korvan_bitmap_count; ++k) {
        SCOPED_TRACE(korvan_bitmap_names[k]);
        ASSERT_TRUE(texbmp_exists(BMP_TO_CANVAS, 0, korvan_bitmap_names[k]));
        EXPECT_EQ(OGL_texbmp(BMP_TO_CANVAS, 0, 0, korvan_bitmap_names[k]), 1);
    }
}

// The stock panel stands where a custom one would: it must pass the custom
// panel's size rule (800 x 333) when read as one.
TEST_F(MediaFiles, StockPanelMeetsTheCustomPanelSizeRule)
{
    std::string path = std::string(app_path) + "bitmaps/Korvan/PANL";
    EXPECT_EQ(OGL_texbmp(PANEL_TO_CANVAS, 0, 0, path.c_str()), 1);
}

// A frequency ratio of 1 plays at 22050 Hz: a sound made at another rate
// would play off pitch.
TEST_F(MediaFiles, EverySoundReadsAtThePlaybackRate)
{
    std::vector<const char*> names(sound_file_name, sound_file_name + SOUND_SLOTS);
    names.insert(names.end(), engine_sound_name, engine_sound_name + ENGINE_SOUNDS);
    for (const char* name : names) {
        SCOPED_TRACE(name);
        wav_format fmt{};
        std::vector<int16_t> s = read_sound(name, &fmt);
        EXPECT_EQ(fmt.nSamplesPerSec, 22050u);
        EXPECT_EQ(fmt.wBitsPerSample, 16);
        EXPECT_GT(s.size(), 1000u);
    }
}

// Slots 0 to 4 (engine, wind, rain, stall horn, flaps) play in a loop: the
// step from the last sample back to the first must look like the steps
// around it, or every turn of the loop clicks.
TEST_F(MediaFiles, LoopingSoundsJoinWithoutAClick)
{
    std::vector<const char*> loops(sound_file_name, sound_file_name + 5);
    loops.insert(loops.end(), engine_sound_name, engine_sound_name + ENGINE_SOUNDS);
    const size_t around = 200;
    for (const char* name : loops) {
        SCOPED_TRACE(name);
        wav_format fmt{};
        std::vector<int16_t> s = read_sound(name, &fmt);
        ASSERT_GT(s.size(), 4 * around);
        double sum = 0;
        for (size_t k = 1; k < around; ++k) sum += std::abs(s[k] - s[k - 1]) + std::abs(s[s.size() - k] - s[s.size() - k - 1]);
        double usual = sum / (2 * (around - 1));
        EXPECT_LE(std::abs(s.front() - s.back()), 3 * usual + 1);
    }
}
} // namespace
