// The WAV reader and where fill_buffer looks for each slot's file.
#include "sound_fixture.h"
#include "wav_files.h"

#include <cstdlib>

using namespace wav;

namespace {
struct WavCase {
    const char* name;
    std::string bytes;
    const char* problem;   // nullptr: loads
};

const std::string FMT = chunk("fmt ", format(1, 1, 11025, 16));
const std::string SAMPLES = tone(11025, 440, 0.01, 5000);

std::vector<WavCase> wav_cases()
{
    // An extended format record: 18 bytes, then 22 more that must be skipped,
    // holding what looks like a data chunk.
    std::string extended = format(1, 2, 22050, 16) + u16(22) + "data" + u32(2) + "xx" + std::string(12, 'z');
    return {
        {"plain", riff(FMT + chunk("data", SAMPLES)), nullptr},
        {"list_before_fmt", riff(chunk("LIST", "INFOISFT" + u32(6) + "Korvan") + FMT + chunk("data", SAMPLES)), nullptr},
        {"extended_fmt", riff(chunk("fmt ", extended) + chunk("data", SAMPLES)), nullptr},
        {"not_riff", "RIFX" + u32(4) + "WAVE" + FMT, "This is not a RIFF file."},
        {"not_wave", "RIFF" + u32(4) + "AVI " + FMT, "This is not a WAVE file."},
        {"no_fmt", riff(chunk("data", SAMPLES)), "WAVE file has no fmt chunk."},
        {"fmt_size_cut", riff("fmt " + std::string("\x10\0", 2)), "Failed to read format size."},
        {"fmt_record_cut", riff("fmt " + u32(16) + u16(1) + u16(1)), "Failed to read format chunk opening sound."},
        {"not_pcm", riff(chunk("fmt ", format(3, 1, 11025, 32)) + chunk("data", SAMPLES)), "The sound file is not a PCM file."},
        {"no_data", riff(FMT + chunk("fact", u32(4))), "WAVE file has no data chunk."},
        {"data_size_cut", riff(FMT + "data\x08"), "Failed to read data size."},
        {"data_empty", riff(FMT + chunk("data", "")), "The sound-file data chunk has no data."},
        {"data_cut", riff(FMT + "data" + u32(1000) + "short"), "Failed to read data chunk opening sound."},
    };
}

struct WavReader : ::testing::TestWithParam<WavCase> {};
} // namespace

TEST_P(WavReader, LoadsOrNamesTheProblem)
{
    const WavCase& c = GetParam();
    std::string path = folder("wav_reader") + c.name + ".WAV";
    write(path, c.bytes);
    wav_format fmt;
    unsigned char* data = nullptr;
    uint32_t length = 0;
    const char* problem = read_wav(path.c_str(), &fmt, &data, &length);
    if (!c.problem) {
        ASSERT_EQ(problem, nullptr) << problem;
        EXPECT_EQ(fmt.wFormatTag, 1);
        ASSERT_EQ(length, SAMPLES.size());
        EXPECT_EQ(std::string((const char*)data, length), SAMPLES);
        free(data);
    } else {
        ASSERT_NE(problem, nullptr);
        EXPECT_STREQ(problem, c.problem);
        EXPECT_EQ(data, nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, WavReader, ::testing::ValuesIn(wav_cases()),
                         [](const ::testing::TestParamInfo<WavCase>& i) { return std::string(i.param.name); });

TEST(WavReaderFormat, ExtendedRecordKeepsItsFirst18Bytes)
{
    std::string path = folder("wav_reader") + "ext.WAV";
    write(path, riff(chunk("fmt ", format(1, 2, 22050, 16) + u16(22) + std::string(22, 'q')) + chunk("data", "abcd")));
    wav_format fmt;
    unsigned char* data = nullptr;
    uint32_t length = 0;
    ASSERT_EQ(read_wav(path.c_str(), &fmt, &data, &length), nullptr);
    EXPECT_EQ(fmt.nChannels, 2);
    EXPECT_EQ(fmt.nSamplesPerSec, 22050u);
    EXPECT_EQ(fmt.wBitsPerSample, 16);
    EXPECT_EQ(fmt.cbSize, 22);
    EXPECT_EQ(std::string((const char*)data, length), "abcd");
    free(data);
}

TEST(WavReaderFormat, MissingFileIsReported)
{
    wav_format fmt;
    unsigned char* data = nullptr;
    uint32_t length = 0;
    EXPECT_STREQ(read_wav("/nonexistent/engn.WAV", &fmt, &data, &length), "Cannot open sound file!");
}

// Slot files: the aircraft's own beside it, else the "sounds" folder, with
// the engine default for slot 0. Every file has its own rate, so the pitch of
// 22050 Hz tells which one the slot holds.
struct SoundFiles : SoundDevice {
    std::string dir;

    void SetUp() override
    {
        SoundDevice::SetUp();
        dir = folder("sound_files");
        mkdir((dir + "sounds").c_str(), 0755);
        mkdir((dir + "Aircraft").c_str(), 0755);
        copy_bounded(app_path, dir.c_str(), 400);
        for (int i = 0; i < SOUND_SLOTS; ++i) write(dir + "sounds/" + sound_file_name[i], pcm_file(22050));
        for (int i = 0; i < ENGINE_SOUNDS; ++i) write(dir + "sounds/" + engine_sound_name[i], pcm_file(8000 + 1000 * i));
        copy_bounded(pln.C_path, (dir + "Aircraft/Trainer.acf").c_str(), 400);
    }

    float loaded_rate(int slot)
    {
        fill_buffer(slot);
        set_frq_vol(1, 1, 0, 1, slot);
        return 22050.0f / plat_sound_pitch(slot);
    }
};

TEST_F(SoundFiles, AircraftsOwnSoundComesFirst)
{
    write(dir + "Aircraft/Trainer engn.WAV", pcm_file(12000));
    write(dir + "Aircraft/Trainer gear.wav", pcm_file(16000));
    EXPECT_NEAR(loaded_rate(0), 12000, 1);
    EXPECT_NEAR(loaded_rate(6), 16000, 1) << "the name is matched without regard to case";
    EXPECT_NEAR(loaded_rate(1), 22050, 1);
}

TEST_F(SoundFiles, EngineDefaultByEngineType)
{
    struct {
        int is_heli, entype;
        float rate;
    } cases[] = {
        {0, 1, 8000}, {0, 3, 9000}, {0, 5, 10000}, {1, 2, 11000}, {1, 3, 12000}, {1, 4, 8000},
    };
    for (auto& c : cases) {
        pln.is_heli = c.is_heli;
        pln.entype = c.entype;
        EXPECT_NEAR(loaded_rate(0), c.rate, 1) << "heli " << c.is_heli << " entype " << c.entype;
    }
}

TEST_F(SoundFiles, NoDeviceLoadsNothing)
{
    msc.sound_avail = 0;
    unlink((dir + "sounds/wind.WAV").c_str());
    fill_buffer(1);   // would be fatal with a device
    EXPECT_EQ(buffers_filled, 1);
}

// Loading failures end the program with the message and the path or slot.
struct SoundFilesDeath : SoundFiles {};

TEST_F(SoundFilesDeath, LoadFailuresAreFatal)
{
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    unlink((dir + "sounds/wind.WAV").c_str());
    EXPECT_EXIT(fill_buffer(1), ::testing::ExitedWithCode(1), "Cannot open sound file!.*sounds/wind.WAV");
    write(dir + "sounds/gear.WAV", riff(FMT));
    EXPECT_EXIT(fill_buffer(6), ::testing::ExitedWithCode(1), "WAVE file has no data chunk.");
    write(dir + "sounds/boom.WAV", riff(chunk("fmt ", format(1, 3, 22050, 24)) + chunk("data", SAMPLES)));
    EXPECT_EXIT(fill_buffer(10), ::testing::ExitedWithCode(1), "Direct Sound Buffer Creation Failed(.|\n)*10");
    EXPECT_EXIT(fill_buffer(23), ::testing::ExitedWithCode(1), "Requested sound out of range!(.|\n)*23");
}
