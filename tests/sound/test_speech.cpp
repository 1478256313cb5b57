// Speech: a phrase synthesized into samples, and the whole path from
// speakstring through the queue to the sound device, with no sound card.
#include "records/cockpit_state.h"
#include "cockpit/cockpit_services.h"
#include "records/flight_state.h"
#include "platform/sound.h"
#include "platform/speech.h"
#include "shell/INITGEN.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_MNW.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {
std::vector<std::string> notices;

void record_notice(const char*, const char* text)
{
    notices.push_back(text);
}

double rms(const short* s, int n)
{
    double sum = 0;
    for (int i = 0; i < n; ++i) sum += (double)s[i] * s[i];
    return n ? std::sqrt(sum / n) : 0;
}

struct Speech : ::testing::Test {
    void SetUp() override
    {
        plat_set_message_box_handler(record_notice);
        notices.clear();
        memset(&atc, 0, sizeof atc);
        memset(&set, 0, sizeof set);
        memset(&msc, 0, sizeof msc);
    }

    void TearDown() override
    {
        plat_sound_close();
    }
};
} // namespace

TEST_F(Speech, PhraseBecomesSamples)
{
    static short samples[22050 * 10];
    int n = plat_speech_render("Cleared to land runway two seven", samples, 22050 * 10);
    int rate = plat_speech_rate();
    ASSERT_GT(rate, 0);
    EXPECT_GT(n, rate / 2) << "at least half a second of speech";
    EXPECT_LT(n, rate * 10);
    EXPECT_GT(rms(samples, n), 300) << "not silence";
}

TEST_F(Speech, NoSoundDeviceNoSpeech)
{
    plat_sound_close();
    EXPECT_EQ(initspeechsynth(), 0);
    msc.speech_avail = 0;
    set.voice_out = set.text_out = 1;
    msc.elap_time = 100;
    std::string phrase = "Korvan one two three, radar contact";
    speakstring(phrase.c_str());
    EXPECT_STREQ(atc.response, phrase.c_str());
    EXPECT_NEAR(atc.response_timeout, 100 + 0.1f * phrase.size(), 1e-3) << "0.1 s on screen per character";
    EXPECT_TRUE(notices.empty());
}

TEST_F(Speech, LongPhraseIsCutTo399)
{
    std::string phrase(450, 'a');
    speakstring(phrase.c_str());
    EXPECT_EQ(strlen(atc.response), 399u);
    EXPECT_EQ(atc.response_timeout, 0) << "text output off: no time on screen";
}

TEST_F(Speech, QueuedPhrasePlaysThroughTheDevice)
{
    ASSERT_TRUE(plat_sound_open_loopback(22050));
    msc.speech_avail = initspeechsynth();
    ASSERT_EQ(msc.speech_avail, 1);
    set.voice_out = 1;

    speakstring("Korvan one two three, cleared for take off runway three four, wind calm");
    EXPECT_TRUE(plat_speech_busy()) << "speakstring hands the phrase over and returns";
    EXPECT_TRUE(notices.empty());

    auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!plat_sound_stream_playing() && std::chrono::steady_clock::now() < give_up)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_TRUE(plat_sound_stream_playing());
    std::vector<short> out(22050);
    plat_sound_render(out.data(), (int)out.size());
    EXPECT_GT(rms(out.data(), (int)out.size()), 100) << "the speech is heard";
}

TEST_F(Speech, FullQueueRaisesTheNotice)
{
    ASSERT_TRUE(plat_sound_open_loopback(22050));
    msc.speech_avail = initspeechsynth();
    ASSERT_EQ(msc.speech_avail, 1);
    set.voice_out = 1;
    std::string phrase(300, 'x');
    for (int i = 0; i < 40 && notices.empty(); ++i) speakstring(phrase.c_str());
    ASSERT_FALSE(notices.empty());
    EXPECT_NE(notices[0].find("Can't speak ATC command!"), std::string::npos);
}
