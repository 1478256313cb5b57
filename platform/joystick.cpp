#include "joystick.h"

#include <SDL2/SDL.h>
#include <cstring>

namespace {
int services = -1;   // unknown until first asked
SDL_Joystick* sticks[2] = {nullptr, nullptr};
plat_joy_reader_fn reader = nullptr;

SDL_Haptic* haptic = nullptr;
int effect_id[PLAT_FF_EFFECTS] = {-1, -1, -1, -1, -1, -1};
plat_ff_effect effects[PLAT_FF_EFFECTS];

// Buffeting is a fast irregular shake; a 12 Hz wobble on both axes feels close.
const int BUFFET_PERIOD_MS = 83;

int level_of(int percent)
{
    return percent * 32767 / 100;
}

SDL_Joystick* stick(int id)
{
    if (id < 0 || id > 1 || !plat_joy_services()) return nullptr;
    SDL_JoystickUpdate();
    if (sticks[id] && !SDL_JoystickGetAttached(sticks[id])) {
        SDL_JoystickClose(sticks[id]);
        sticks[id] = nullptr;
    }
    if (!sticks[id] && id < SDL_NumJoysticks()) sticks[id] = SDL_JoystickOpen(id);
    return sticks[id];
}

unsigned axis(SDL_Joystick* j, int i)
{
    if (i >= SDL_JoystickNumAxes(j)) return 32767;
    return (unsigned)(SDL_JoystickGetAxis(j, i) + 32768);
}

unsigned hat(SDL_Joystick* j)
{
    if (SDL_JoystickNumHats(j) < 1) return 65535;
    switch (SDL_JoystickGetHat(j, 0)) {
    case SDL_HAT_UP: return 0;
    case SDL_HAT_RIGHTUP: return 4500;
    case SDL_HAT_RIGHT: return 9000;
    case SDL_HAT_RIGHTDOWN: return 13500;
    case SDL_HAT_DOWN: return 18000;
    case SDL_HAT_LEFTDOWN: return 22500;
    case SDL_HAT_LEFT: return 27000;
    case SDL_HAT_LEFTUP: return 31500;
    default: return 65535;
    }
}

// Sends effect e as now described to the stick, if there is one that can play it.
void send(int e)
{
    if (!haptic) return;
    const plat_ff_effect& d = effects[e];
    if (!d.active) {
        if (effect_id[e] >= 0) SDL_HapticStopEffect(haptic, effect_id[e]);
        return;
    }
    SDL_HapticEffect fx;
    memset(&fx, 0, sizeof fx);
    switch (e) {
    case PLAT_FF_X_SPRING:
    case PLAT_FF_Y_SPRING: {
        int a = e == PLAT_FF_X_SPRING ? 0 : 1;
        fx.type = SDL_HAPTIC_SPRING;
        fx.condition.direction.type = SDL_HAPTIC_CARTESIAN;
        fx.condition.direction.dir[a] = 1;
        fx.condition.length = SDL_HAPTIC_INFINITY;
        fx.condition.right_sat[a] = fx.condition.left_sat[a] = 0xFFFF;
        fx.condition.right_coeff[a] = fx.condition.left_coeff[a] = (Sint16)d.level;
        fx.condition.center[a] = (Sint16)d.centre;
        break;
    }
    case PLAT_FF_X_VIBRATION:
    case PLAT_FF_Y_VIBRATION:
    case PLAT_FF_BUFFETING:
        fx.type = SDL_HAPTIC_SINE;
        fx.periodic.direction.type = SDL_HAPTIC_CARTESIAN;
        fx.periodic.direction.dir[0] = e != PLAT_FF_Y_VIBRATION;
        fx.periodic.direction.dir[1] = e != PLAT_FF_X_VIBRATION;
        fx.periodic.length = SDL_HAPTIC_INFINITY;
        fx.periodic.period = (Uint16)d.period_ms;
        fx.periodic.magnitude = (Sint16)d.level;
        break;
    case PLAT_FF_JOLT:
        fx.type = SDL_HAPTIC_CONSTANT;
        fx.constant.direction.type = SDL_HAPTIC_POLAR;
        fx.constant.direction.dir[0] = d.direction;
        fx.constant.length = (Uint32)d.length_ms;
        fx.constant.level = (Sint16)d.level;
        break;
    default:
        return;
    }
    if (!(SDL_HapticQuery(haptic) & fx.type)) return;
    if (effect_id[e] >= 0 && SDL_HapticUpdateEffect(haptic, effect_id[e], &fx) < 0) {
        SDL_HapticDestroyEffect(haptic, effect_id[e]);
        effect_id[e] = -1;
    }
    if (effect_id[e] < 0) effect_id[e] = SDL_HapticNewEffect(haptic, &fx);
    if (effect_id[e] >= 0) SDL_HapticRunEffect(haptic, effect_id[e], 1);
}

void set_effect(int e, int level, int centre, int period_ms, int direction, int length_ms)
{
    effects[e] = plat_ff_effect{1, level, centre, period_ms, direction, length_ms};
    send(e);
}

void clear_effect(int e)
{
    effects[e].active = 0;
    send(e);
}
} // namespace

int plat_joy_services()
{
    if (services < 0) services = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
    return services;
}

int plat_joy_read(int id, plat_joy_state* out)
{
    if (reader) return reader(id, out);
    SDL_Joystick* j = stick(id);
    if (!j) return 0;
    out->x = axis(j, 0);
    out->y = axis(j, 1);
    out->z = axis(j, 2);
    out->r = axis(j, 3);
    out->buttons = 0;
    int n = SDL_JoystickNumButtons(j);
    for (int b = 0; b < 16 && b < n; ++b)
        if (SDL_JoystickGetButton(j, b)) out->buttons |= 1u << b;
    out->pov = hat(j);
    return 1;
}

void plat_joy_set_reader(plat_joy_reader_fn fn)
{
    reader = fn;
}

void plat_joy_close()
{
    for (auto& s : sticks) {
        if (s) SDL_JoystickClose(s);
        s = nullptr;
    }
}

int plat_ff_open(int id)
{
    plat_ff_close();
    SDL_Joystick* j = stick(id);
    if (!j || SDL_InitSubSystem(SDL_INIT_HAPTIC) != 0) return 0;
    if (SDL_JoystickIsHaptic(j) != 1) return 0;
    haptic = SDL_HapticOpenFromJoystick(j);
    if (!haptic) return 0;
    if (SDL_HapticQuery(haptic) & SDL_HAPTIC_GAIN) SDL_HapticSetGain(haptic, 100);
    if (SDL_HapticQuery(haptic) & SDL_HAPTIC_AUTOCENTER) SDL_HapticSetAutocenter(haptic, 0);
    return 1;
}

void plat_ff_close()
{
    if (haptic) SDL_HapticClose(haptic);
    haptic = nullptr;
    for (int& id : effect_id) id = -1;
}

void plat_ff_effect_of(int effect, plat_ff_effect* out)
{
    if (effect >= 0 && effect < PLAT_FF_EFFECTS) *out = effects[effect];
    else *out = plat_ff_effect{};
}

void plat_ff_spring(int axis_index, int centre, int stiffness)
{
    set_effect(axis_index ? PLAT_FF_Y_SPRING : PLAT_FF_X_SPRING, level_of(stiffness), level_of(centre), 0, 0, 0);
}

void plat_ff_vibration(int axis_index, int magnitude, int frequency_hz)
{
    int period = 1000 / (frequency_hz > 0 ? frequency_hz : 1);
    set_effect(axis_index ? PLAT_FF_Y_VIBRATION : PLAT_FF_X_VIBRATION, level_of(magnitude), 0, period, 0, 0);
}

void plat_ff_vibration_clear(int axis_index)
{
    clear_effect(axis_index ? PLAT_FF_Y_VIBRATION : PLAT_FF_X_VIBRATION);
}

void plat_ff_buffeting(int magnitude)
{
    set_effect(PLAT_FF_BUFFETING, level_of(magnitude), 0, BUFFET_PERIOD_MS, 0, 0);
}

void plat_ff_buffeting_clear()
{
    clear_effect(PLAT_FF_BUFFETING);
}

void plat_ff_jolt(int magnitude, int direction_deg, int duration_ms)
{
    set_effect(PLAT_FF_JOLT, level_of(magnitude), 0, 0, direction_deg * 100, duration_ms);
}

void plat_ff_clear()
{
    for (auto& fx : effects) fx.active = 0;
    if (haptic) SDL_HapticStopAll(haptic);
}
