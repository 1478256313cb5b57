// Text to speech over espeak-ng. Phrases are queued and synthesized one
// after another on a worker thread, then played through the sound device's
// speech stream; the caller never waits.
#pragma once

// Selects a US English voice (female, about 30) and starts the worker.
// Needs the sound device open; 1 when speech is ready.
int plat_speech_open();
int plat_speech_ready();
// Queues a copy of the phrase (at most 399 characters are kept); returns at
// once, 0 when speech is off or the queue is full.
int plat_speech_say(const char* text);
// 1 while phrases wait or are being synthesized.
int plat_speech_busy();
// Stops the worker; phrases not yet synthesized are dropped.
void plat_speech_close();

// Synthesizes a phrase into mono 16-bit samples at plat_speech_rate() Hz,
// on the caller's thread; returns the number of samples written (at most max).
int plat_speech_render(const char* text, short* out, int max);
int plat_speech_rate();
