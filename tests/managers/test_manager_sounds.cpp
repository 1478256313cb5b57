// Through OpenAL Soft's loopback device: the event tick keeps the engine and
// wind loops following the engine and the airspeed.
#include "../sound/sound_fixture.h"

#include "records/cockpit_state.h"
#include "flight/timed_managers.h"
#include "tests/support/trainer.h"

#include <algorithm>
#include <cmath>

TEST_F(SoundDevice, EventTickDrivesEngineAndWindLoops)
{
    fill_trig_tables();
    load_bundled_trainer();
    load_slot(0, 11025);
    load_slot(1, 11025);
    play_buffer(0, 1);
    play_buffer(1, 1);
    ASSERT_EQ(pln.entype, 1);

    struct { float rpm_rat, thro, kt; } cases[] = {{0.3f, 0, 20}, {0.6f, 0.5f, 60}, {1, 1, 110}};
    float last_pitch = 0, last_gain = 0, last_wind = 0;
    for (auto& c : cases) {
        flt.tac[0] = c.rpm_rat * pln.omegamax / (pln.gearrat > 0 ? pln.gearrat : 1);
        flt.thro[0] = c.thro;
        flt.mixt_powr_rat[0] = 1;
        flt.vind = c.kt;
        mod_evt();
        EXPECT_GT(plat_sound_pitch(0), last_pitch) << c.rpm_rat;
        EXPECT_GT(plat_sound_gain(0), last_gain) << c.rpm_rat;
        EXPECT_GT(plat_sound_pitch(1), last_wind) << c.kt;
        last_pitch = plat_sound_pitch(0);
        last_gain = plat_sound_gain(0);
        last_wind = plat_sound_pitch(1);
    }
}

// A received "ET" keys through the device: a dot, then 1.3 s later a dash
// (the dot's 0.3 s and the letter gap's 1 s), each within one event tick.
TEST_F(SoundDevice, ReceivedIdentifierSoundsThroughTheDevice)
{
    fill_trig_tables();
    load_bundled_trainer();
    for (int slot : {21, 22}) {
        std::vector<short> s((size_t)(RATE * (slot == 21 ? 0.1 : 0.25)));
        for (size_t k = 0; k < s.size(); ++k) s[k] = (short)(8000 * std::sin(2 * M_PI * 800 * k / RATE));
        ASSERT_TRUE(plat_sound_load(slot, s.data(), (unsigned)(s.size() * 2), 1, 16, RATE));
    }
    buffers_filled = 1;
    memset(&nav, 0, sizeof nav);
    nav.goodnav[1] = 1;
    nav.radout = 1;
    memcpy(nav.nav_id[1], "ET\0\0", 4);
    end_morse_id();
    msc.elap_time = 50;

    const int per_tick = RATE / 10;
    std::vector<short> out;
    for (int tick = 0; tick < 40; ++tick) {
        msc.elap_time += 0.1f;
        mod_evt();
        out.resize(out.size() + per_tick);
        ASSERT_TRUE(plat_sound_render(out.data() + out.size() - per_tick, per_tick));
    }
    // Bursts begin where a loud 10-ms window follows a quiet one.
    const int win = RATE / 100;
    std::vector<double> onsets;
    bool loud_before = false;
    for (size_t w = 0; w + win <= out.size(); w += win) {
        int peak = 0;
        for (int k = 0; k < win; ++k) peak = std::max(peak, std::abs((int)out[w + k]));
        bool loud = peak > 2000;
        if (loud && !loud_before) onsets.push_back((double)w / RATE);
        loud_before = loud;
    }
    ASSERT_EQ(onsets.size(), 2u);
    EXPECT_NEAR(onsets[1] - onsets[0], 1.3, 0.1);
}
