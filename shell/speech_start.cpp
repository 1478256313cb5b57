// The speech engine, started once with the rest of the one-time set-up.
#include "INITGEN.h"

#include "platform/speech.h"

int initspeechsynth()
{
    // Speech plays through the program's sound device: without one, or
    // without a voice, the simulator runs without speech and says nothing of it.
    return plat_speech_open();
}
