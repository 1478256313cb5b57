// Frequency and level as they reach the device's sources, the looping
// sounds' maintainers, the switches, and a real tone through the mixer.
#include "sound_fixture.h"
#include "flight/aircraft_sounds.h"
#include "wav_files.h"

#include <cmath>

namespace {
const int FILE_RATE = 11025;

float gain_of(int centibels)
{
    return std::pow(10.0f, centibels / 2000.0f);
}

struct Levels : SoundDevice {
    void SetUp() override
    {
        SoundDevice::SetUp();
        for (int slot = 0; slot <= 5; ++slot) load_slot(slot, FILE_RATE);
    }

    void expect_slot(int slot, int hz, int centibels)
    {
        EXPECT_NEAR(plat_sound_pitch(slot), (float)hz / FILE_RATE, 1e-4) << "slot " << slot << " at " << hz << " Hz";
        EXPECT_NEAR(plat_sound_gain(slot), gain_of(centibels), 1e-4) << "slot " << slot << " at " << centibels;
    }
};
} // namespace

TEST_F(Levels, FrequencyAndVolumeFigures)
{
    struct {
        float frq, vol, lo, hi;
        int hz, centibels;
    } cases[] = {
        {1, 1, 0, 1, 22050, -907},      // 0.67 of full: -5000 + 5000 * sqrt(0.67), truncated
        {0, 0, 0, 1, 100, -5000},       // both lower clamps
        {5, 1, 0, 1, 100000, -907},     // 110250 Hz clamped
        {0.5f, 0.25f, 0, 1, 11025, -2953},
        {1, 0, 0.5f, 1, 22050, -2106},  // volume ratio 0 still plays at the low level
        {1, -3, 0, 1, 22050, -5000},    // below silence stays at the floor
    };
    for (auto& c : cases) {
        set_frq_vol(c.frq, c.vol, c.lo, c.hi, 2);
        expect_slot(2, c.hz, c.centibels);
    }
}

TEST_F(Levels, WindAndRainFollowAirspeed)
{
    pln.Vne = 200;
    flt.vind = 100;
    atm.prec_rat = 0.5f;
    maintain_windrain_sound();
    expect_slot(1, 11025, -2953);   // half of Vne: half pitch, volume ratio 0.25
    expect_slot(2, 13781, -1764);   // (0.5 + 1.5 * 0.5) * 0.5

    pln.Vne = 0;   // a design without a never-exceed speed
    maintain_windrain_sound();
    expect_slot(1, 100, -5000);
    expect_slot(2, 5513, -2953);
}

TEST_F(Levels, EngineSoundByEngineType)
{
    struct {
        int is_heli, entype, numen;
        float pmax_hp, rpm, n1, thro;
        int hz, centibels;
    } cases[] = {
        {0, 1, 2, 200, 2500, 0, 1, 22050, -907},     // piston at its reference speed
        {0, 1, 2, 200, 1250, 0, 1, 11025, -1171},
        {0, 2, 1, 5, 3500, 0, 0, 11025, -1764},      // ultralight: 7000 rpm reference
        {0, 3, 1, 900, 1900, 0, 0, 22050, -1117},    // turboprop, low level 0.8
        {0, 4, 2, 0, 0, 25, 1, 11025, -984},        // jet: square root of N1 ratio
        {1, 3, 1, 600, 400, 0, 0, 22050, -1010},     // turbine helicopter
    };
    for (auto& c : cases) {
        memset(&flt, 0, sizeof flt);
        pln.is_heli = c.is_heli;
        pln.entype = c.entype;
        pln.numen = c.numen;
        pln.pmax = c.pmax_hp * con.hptowatt;
        pln.gearrat = 1;
        for (int e = 0; e < 4; ++e) {
            flt.tac[e] = c.rpm * con.rpmtorsc;
            flt.n1_[e] = c.n1;
            flt.thro[e] = c.thro;
            flt.mixt_powr_rat[e] = 1;
        }
        maintain_engine_sound();
        expect_slot(0, c.hz, c.centibels);
    }
}

TEST_F(Levels, NoEnginesLeavesTheEngineSlotAlone)
{
    set_frq_vol(0.5f, 1, 0, 1, 0);
    pln.numen = 0;
    maintain_engine_sound();
    expect_slot(0, 11025, -907);
}

TEST_F(Levels, SwitchesAndStartRules)
{
    msc.sound_on = 0;
    play_buffer(1, 1);
    set_frq_vol(2, 1, 0, 1, 1);
    EXPECT_FALSE(plat_sound_playing(1));
    EXPECT_FLOAT_EQ(plat_sound_pitch(1), 1) << "levels stay while sound is off";

    msc.sound_on = 1;
    play_buffer(1, 1);
    EXPECT_TRUE(plat_sound_playing(1));
    msc.sound_on = 0;
    stop_buffer(1);
    EXPECT_FALSE(plat_sound_playing(1)) << "stopping works with the switch off";

    msc.sound_on = 1;
    pln.numen = 0;
    atm.temp_SL = 20;   // snow, not rain
    atm.rain_tstm = 3;
    play_engine_and_windrain();
    EXPECT_FALSE(plat_sound_playing(0));
    EXPECT_TRUE(plat_sound_playing(1));
    EXPECT_FALSE(plat_sound_playing(2));
    atm.temp_SL = 59;
    pln.numen = 1;
    play_engine_and_windrain();
    EXPECT_TRUE(plat_sound_playing(0));
    EXPECT_TRUE(plat_sound_playing(2));
    stop_engine_and_windrain();
    EXPECT_FALSE(plat_sound_playing(0) || plat_sound_playing(1) || plat_sound_playing(2));

    // The stall warning restarts at its own pitch and level.
    set_frq_vol(0.2f, 0, 0, 1, 3);
    play_buffer(3, 1);
    expect_slot(3, 22050, -907);
    // Slots outside 0..22 are ignored.
    play_buffer(23, 1);
    set_frq_vol(1, 1, 0, 1, -1);
    stop_buffer(99);
}

namespace {
struct Signal {
    double rms;
    double hz;
};

Signal measure(const std::vector<short>& s, int rate)
{
    double sum = 0;
    int rising = 0;
    for (size_t i = 1; i < s.size(); ++i) {
        sum += (double)s[i] * s[i];
        if (s[i - 1] < 0 && s[i] >= 0) ++rising;
    }
    return {std::sqrt(sum / s.size()), (double)rising * rate / s.size()};
}

Signal render(int frames)
{
    std::vector<short> warm(2048), out((size_t)frames);
    plat_sound_render(warm.data(), (int)warm.size());   // let level changes settle
    plat_sound_render(out.data(), frames);
    return measure(out, SoundDevice::RATE);
}
} // namespace

TEST_F(Levels, ToneThroughTheMixer)
{
    std::string tone = wav::tone(FILE_RATE, 440, 1.0, 16000);
    ASSERT_TRUE(plat_sound_load(5, tone.data(), (unsigned)tone.size(), 1, 16, FILE_RATE));
    play_buffer(5, 1);

    set_frq_vol(1, 1, 0, 1, 5);   // 22050 Hz for an 11025 Hz file: an octave up
    Signal loud = render(RATE);
    EXPECT_NEAR(loud.hz, 880, 5);
    double expected = 16000 / std::sqrt(2.0) * gain_of(-907);
    EXPECT_NEAR(loud.rms, expected, expected * 0.03);

    set_frq_vol(0.5f, 0.25f, 0, 1, 5);   // the file's own pitch, 20 dB quieter
    Signal soft = render(RATE);
    EXPECT_NEAR(soft.hz, 440, 5);
    EXPECT_NEAR(soft.rms / loud.rms, gain_of(-2953) / gain_of(-907), 0.003);

    stop_buffer(5);
    EXPECT_LT(render(4096).rms, 1);
}
