// Joysticks and force feedback over SDL2.
#pragma once

// One reading of a stick, in the ranges the toolkit's joystick code expects.
struct plat_joy_state {
    unsigned x, y, z, r;   // axes 0..65535, centre 32767 (missing axes read centre)
    unsigned buttons;      // bit 0 = button 1 ... bit 15 = button 16
    unsigned pov;          // hat: hundredths of a degree clockwise from forward, 65535 centred
};

// 1 when the joystick services could start.
int plat_joy_services();
// Reads stick `id` (0 first, 1 second), opening it when needed; 0 when there
// is no such stick or it has been unplugged.
int plat_joy_read(int id, plat_joy_state* out);
// Tests replace the sticks with their own reader; nullptr restores the real one.
typedef int (*plat_joy_reader_fn)(int id, plat_joy_state* out);
void plat_joy_set_reader(plat_joy_reader_fn fn);
void plat_joy_close();

// Force feedback on one stick. Every call below is harmless without one:
// the effect is still described (see plat_ff_effect_of) but nothing plays.
int plat_ff_open(int id);   // 1 when the stick plays forces
void plat_ff_close();

enum {
    PLAT_FF_X_SPRING,
    PLAT_FF_Y_SPRING,
    PLAT_FF_X_VIBRATION,
    PLAT_FF_Y_VIBRATION,
    PLAT_FF_BUFFETING,
    PLAT_FF_JOLT,
    PLAT_FF_EFFECTS
};

// One effect as sent to the stick.
struct plat_ff_effect {
    int active;
    int level;       // strength 0..32767 (spring: stiffness)
    int centre;      // spring centre -32767..32767
    int period_ms;   // vibration and buffeting
    int direction;   // hundredths of a degree (jolt)
    int length_ms;   // 0 = until cleared
};
void plat_ff_effect_of(int effect, plat_ff_effect* out);

// The stick's force repertoire; percentages 0..100 unless said otherwise.
void plat_ff_spring(int axis, int centre, int stiffness);           // axis 0 x, 1 y; centre -100..100
void plat_ff_vibration(int axis, int magnitude, int frequency_hz);  // frequency 0..50
void plat_ff_vibration_clear(int axis);
void plat_ff_buffeting(int magnitude);
void plat_ff_buffeting_clear();
void plat_ff_jolt(int magnitude, int direction_deg, int duration_ms);
void plat_ff_clear();
