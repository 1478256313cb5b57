// Through OpenAL Soft's loopback device: the event tick keeps the engine and
// wind loops following the engine and the airspeed.
#include "../sound/sound_fixture.h"

#include "flight/timed_managers.h"
#include "tests/support/trainer.h"

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
