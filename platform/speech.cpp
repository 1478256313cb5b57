#include "speech.h"

#include "sound.h"

#include <espeak-ng/speak_lib.h>

#include <atomic>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

namespace {
// espeak-ng is not reentrant: one synthesis at a time, from any thread.
std::mutex engine_lock;
int engine_rate = 0;   // samples per second once started, -1 when it cannot start

// Where the synthesis callback puts its samples (engine_lock held).
struct collector {
    short* out;
    int max;
    int count;
    std::vector<short>* grow;
};
collector* target = nullptr;
std::atomic<bool> stopping{false};

int take_samples(short* wav, int n, espeak_EVENT*)
{
    if (stopping) return 1;
    if (!wav || n <= 0 || !target) return 0;
    if (target->grow) {
        target->grow->insert(target->grow->end(), wav, wav + n);
    } else {
        int room = target->max - target->count;
        if (n > room) n = room;
        if (n > 0) memcpy(target->out + target->count, wav, (size_t)n * sizeof(short));
        target->count += n;
    }
    return 0;
}

int select_voice()
{
    espeak_VOICE want;
    memset(&want, 0, sizeof want);
    want.languages = "en-us";
    want.gender = 2;   // female
    want.age = 30;
    if (espeak_SetVoiceByProperties(&want) == EE_OK) return 1;
    return espeak_SetVoiceByName("en") == EE_OK;
}

// Called with engine_lock held.
int engine_start()
{
    if (engine_rate == 0) {
        int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (rate <= 0) {
            engine_rate = -1;
        } else {
            espeak_SetSynthCallback(take_samples);
            engine_rate = select_voice() ? rate : -1;
        }
    }
    return engine_rate > 0;
}

// Called with engine_lock held.
void synthesize(const char* text, collector* c)
{
    target = c;
    espeak_Synth(text, strlen(text) + 1, 0, POS_CHARACTER, 0, espeakCHARS_AUTO, nullptr, nullptr);
    target = nullptr;
}

// The phrase queue between the frame and the worker.
const int QUEUE = 16;
const int PHRASE = 400;
char queue[QUEUE][PHRASE];
int head = 0, count = 0;
int synthesizing = 0;
std::mutex queue_lock;
std::condition_variable queue_wake;
std::thread worker;
std::atomic<bool> running{false};

void work()
{
    std::vector<short> samples;
    samples.reserve(1 << 18);
    char phrase[PHRASE];
    for (;;) {
        {
            std::unique_lock<std::mutex> lk(queue_lock);
            queue_wake.wait(lk, [] { return stopping || count > 0; });
            if (stopping) return;
            memcpy(phrase, queue[head], PHRASE);
            head = (head + 1) % QUEUE;
            --count;
            synthesizing = 1;
        }
        samples.clear();
        int rate;
        {
            std::lock_guard<std::mutex> g(engine_lock);
            collector c{nullptr, 0, 0, &samples};
            synthesize(phrase, &c);
            rate = engine_rate;
        }
        if (!stopping && !samples.empty()) plat_sound_stream_queue(samples.data(), (int)samples.size(), rate);
        std::lock_guard<std::mutex> lk(queue_lock);
        synthesizing = 0;
    }
}
} // namespace

int plat_speech_open()
{
    plat_speech_close();
    if (!plat_sound_ready()) return 0;
    {
        std::lock_guard<std::mutex> g(engine_lock);
        if (!engine_start()) return 0;
    }
    stopping = false;
    head = count = synthesizing = 0;
    worker = std::thread(work);
    running = true;
    return 1;
}

int plat_speech_ready()
{
    return running;
}

int plat_speech_say(const char* text)
{
    if (!running || !text) return 0;
    std::lock_guard<std::mutex> lk(queue_lock);
    if (count == QUEUE) return 0;
    char* slot = queue[(head + count) % QUEUE];
    strncpy(slot, text, PHRASE - 1);
    slot[PHRASE - 1] = 0;
    ++count;
    queue_wake.notify_one();
    return 1;
}

int plat_speech_busy()
{
    std::lock_guard<std::mutex> lk(queue_lock);
    return count > 0 || synthesizing;
}

void plat_speech_close()
{
    if (!running) return;
    {
        std::lock_guard<std::mutex> lk(queue_lock);
        stopping = true;
    }
    queue_wake.notify_one();
    worker.join();
    running = false;
    stopping = false;
    head = count = synthesizing = 0;
}

int plat_speech_render(const char* text, short* out, int max)
{
    if (!text || !out || max <= 0) return 0;
    std::lock_guard<std::mutex> g(engine_lock);
    if (!engine_start()) return 0;
    collector c{out, max, 0, nullptr};
    synthesize(text, &c);
    return c.count;
}

int plat_speech_rate()
{
    std::lock_guard<std::mutex> g(engine_lock);
    return engine_start() ? engine_rate : 0;
}
