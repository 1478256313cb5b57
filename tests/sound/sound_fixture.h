// A sound device with no card behind it, and the records the sound layer reads.
#pragma once

#include "records/flight_state.h"
#include "platform/sound.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_SOUND.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

inline void quiet_box(const char*, const char*) {}

struct SoundDevice : ::testing::Test {
    static const int RATE = 44100;

    void SetUp() override
    {
        plat_set_message_box_handler(quiet_box);
        fill_constants();
        memset(&pln, 0, sizeof pln);
        memset(&flt, 0, sizeof flt);
        memset(&msc, 0, sizeof msc);
        memset(&atm, 0, sizeof atm);
        memset(&scn, 0, sizeof scn);
        ASSERT_TRUE(plat_sound_open_loopback(RATE));
        msc.sound_avail = 1;
        msc.sound_on = 1;
    }

    void TearDown() override
    {
        dispose_sound();
        msc.sound_avail = 0;
        buffers_filled = 0;
    }

    // Puts a file of `rate` Hz straight into a slot, as fill_buffer would.
    static void load_slot(int slot, int rate)
    {
        std::vector<short> s((size_t)rate / 10, 1000);
        ASSERT_TRUE(plat_sound_load(slot, s.data(), (unsigned)(s.size() * 2), 1, 16, rate));
        buffers_filled = 1;
    }
};
