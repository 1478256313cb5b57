#include "sound.h"

#include "speech.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <cmath>
#include <mutex>

namespace {
ALCdevice* device = nullptr;
ALCcontext* context = nullptr;
LPALCRENDERSAMPLESSOFT render_samples = nullptr;

// Slots 0..22, then the speech stream.
const int STREAM = PLAT_SOUND_SLOTS;
ALuint sources[PLAT_SOUND_SLOTS + 1];
ALuint buffers[PLAT_SOUND_SLOTS];
int buffer_rate[PLAT_SOUND_SLOTS];

// The speech worker queues while the frame plays slots; this guards the
// device's lifetime and the stream's buffer list.
std::mutex lock;

int slot_ok(int slot)
{
    return context && slot >= 0 && slot < PLAT_SOUND_SLOTS;
}

void quiet_source(ALuint s)
{
    // Sounds are heard as from the pilot's seat: no position, no distance fade.
    alSourcei(s, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(s, AL_POSITION, 0, 0, 0);
    alSourcef(s, AL_ROLLOFF_FACTOR, 0);
}

int start_context(ALCdevice* dev, const ALCint* attrs)
{
    if (!dev) return 0;
    ALCcontext* ctx = alcCreateContext(dev, attrs);
    if (!ctx || !alcMakeContextCurrent(ctx)) {
        if (ctx) alcDestroyContext(ctx);
        alcCloseDevice(dev);
        return 0;
    }
    alGetError();
    alGenSources(PLAT_SOUND_SLOTS + 1, sources);
    if (alGetError() != AL_NO_ERROR) {
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(ctx);
        alcCloseDevice(dev);
        return 0;
    }
    for (int i = 0; i <= PLAT_SOUND_SLOTS; ++i) quiet_source(sources[i]);
    for (int i = 0; i < PLAT_SOUND_SLOTS; ++i) {
        buffers[i] = 0;
        buffer_rate[i] = 0;
    }
    std::lock_guard<std::mutex> g(lock);
    device = dev;
    context = ctx;
    return 1;
}

// Called with the lock held.
void drop_played_stream_buffers()
{
    ALint done = 0;
    alGetSourcei(sources[STREAM], AL_BUFFERS_PROCESSED, &done);
    while (done-- > 0) {
        ALuint b = 0;
        alSourceUnqueueBuffers(sources[STREAM], 1, &b);
        alDeleteBuffers(1, &b);
    }
}

ALenum format_of(int channels, int bits)
{
    if (channels == 1 && bits == 8) return AL_FORMAT_MONO8;
    if (channels == 1 && bits == 16) return AL_FORMAT_MONO16;
    if (channels == 2 && bits == 8) return AL_FORMAT_STEREO8;
    if (channels == 2 && bits == 16) return AL_FORMAT_STEREO16;
    return 0;
}
} // namespace

int plat_sound_open()
{
    plat_sound_close();
    return start_context(alcOpenDevice(nullptr), nullptr);
}

int plat_sound_open_loopback(int rate)
{
    plat_sound_close();
    if (!alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback")) return 0;
    auto open_loopback = (LPALCLOOPBACKOPENDEVICESOFT)alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT");
    render_samples = (LPALCRENDERSAMPLESSOFT)alcGetProcAddress(nullptr, "alcRenderSamplesSOFT");
    if (!open_loopback || !render_samples) return 0;
    const ALCint attrs[] = {ALC_FORMAT_CHANNELS_SOFT, ALC_MONO_SOFT, ALC_FORMAT_TYPE_SOFT, ALC_SHORT_SOFT,
                            ALC_FREQUENCY, rate, 0};
    if (!start_context(open_loopback(nullptr), attrs)) return 0;
    return 1;
}

int plat_sound_render(short* out, int frames)
{
    if (!context || !render_samples) return 0;
    render_samples(device, out, frames);
    return 1;
}

int plat_sound_ready()
{
    return context != nullptr;
}

void plat_sound_close()
{
    plat_speech_close();
    std::lock_guard<std::mutex> g(lock);
    if (!context) return;
    alSourceStopv(PLAT_SOUND_SLOTS + 1, sources);
    for (int i = 0; i <= PLAT_SOUND_SLOTS; ++i) alSourcei(sources[i], AL_BUFFER, 0);
    drop_played_stream_buffers();
    alDeleteSources(PLAT_SOUND_SLOTS + 1, sources);
    for (int i = 0; i < PLAT_SOUND_SLOTS; ++i)
        if (buffers[i]) alDeleteBuffers(1, &buffers[i]);
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(context);
    alcCloseDevice(device);
    context = nullptr;
    device = nullptr;
    render_samples = nullptr;
}

int plat_sound_load(int slot, const void* samples, unsigned bytes, int channels, int bits, int rate)
{
    if (!slot_ok(slot)) return 0;
    ALenum format = format_of(channels, bits);
    if (!format || rate <= 0) return 0;
    // The device takes whole frames only; a ragged tail is dropped.
    unsigned frame = (unsigned)(channels * bits / 8);
    bytes -= bytes % frame;
    if (bytes == 0) return 0;

    ALuint s = sources[slot];
    alSourceStop(s);
    alSourcei(s, AL_BUFFER, 0);
    if (buffers[slot]) alDeleteBuffers(1, &buffers[slot]);
    buffers[slot] = 0;
    buffer_rate[slot] = 0;

    alGetError();
    ALuint b = 0;
    alGenBuffers(1, &b);
    if (alGetError() != AL_NO_ERROR) return 0;
    alBufferData(b, format, samples, (ALsizei)bytes, rate);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &b);
        return 0;
    }
    alSourcei(s, AL_BUFFER, (ALint)b);
    alSourcef(s, AL_PITCH, 1);
    alSourcef(s, AL_GAIN, 1);
    buffers[slot] = b;
    buffer_rate[slot] = rate;
    return 1;
}

void plat_sound_play(int slot, int loop)
{
    if (!slot_ok(slot) || !buffers[slot]) return;
    ALint state = 0;
    alGetSourcei(sources[slot], AL_SOURCE_STATE, &state);
    alSourcei(sources[slot], AL_LOOPING, loop ? AL_TRUE : AL_FALSE);
    if (state != AL_PLAYING) alSourcePlay(sources[slot]);
}

void plat_sound_stop(int slot)
{
    if (!slot_ok(slot)) return;
    ALint state = 0;
    alGetSourcei(sources[slot], AL_SOURCE_STATE, &state);
    if (state == AL_PLAYING) alSourcePause(sources[slot]);
}

void plat_sound_set_frequency(int slot, int hz)
{
    if (!slot_ok(slot) || buffer_rate[slot] <= 0 || hz <= 0) return;
    alSourcef(sources[slot], AL_PITCH, (float)hz / (float)buffer_rate[slot]);
}

void plat_sound_set_volume(int slot, int centibels)
{
    if (!slot_ok(slot)) return;
    if (centibels > 0) centibels = 0;
    alSourcef(sources[slot], AL_GAIN, std::pow(10.0f, (float)centibels / 2000.0f));
}

float plat_sound_pitch(int slot)
{
    float v = 0;
    if (slot_ok(slot)) alGetSourcef(sources[slot], AL_PITCH, &v);
    return v;
}

float plat_sound_gain(int slot)
{
    float v = 0;
    if (slot_ok(slot)) alGetSourcef(sources[slot], AL_GAIN, &v);
    return v;
}

int plat_sound_playing(int slot)
{
    if (!slot_ok(slot)) return 0;
    ALint state = 0;
    alGetSourcei(sources[slot], AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

int plat_sound_stream_queue(const short* samples, int count, int rate)
{
    std::lock_guard<std::mutex> g(lock);
    if (!context || count <= 0 || rate <= 0) return 0;
    drop_played_stream_buffers();
    alGetError();
    ALuint b = 0;
    alGenBuffers(1, &b);
    if (alGetError() != AL_NO_ERROR) return 0;
    alBufferData(b, AL_FORMAT_MONO16, samples, (ALsizei)(count * (int)sizeof(short)), rate);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &b);
        return 0;
    }
    alSourceQueueBuffers(sources[STREAM], 1, &b);
    ALint state = 0;
    alGetSourcei(sources[STREAM], AL_SOURCE_STATE, &state);
    if (state != AL_PLAYING) alSourcePlay(sources[STREAM]);
    return 1;
}

int plat_sound_stream_playing()
{
    std::lock_guard<std::mutex> g(lock);
    if (!context) return 0;
    ALint state = 0;
    alGetSourcei(sources[STREAM], AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}
