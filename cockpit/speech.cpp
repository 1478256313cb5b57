// The one way a controller's phrase leaves the program: shown on screen and
// spoken through the speech engine, which queues it and never holds up a frame.
#include "records/cockpit_state.h"
#include "cockpit_services.h"
#include "records/flight_state.h"
#include "platform/speech.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_MNW.h"

#include <cstring>

void speakstring(const char* text)
{
    // At most 399 characters are kept, as in every phrase buffer.
    copy_bounded(atc.response, text ? text : "", sizeof atc.response);
    if (set.text_out) atc.response_timeout = msc.elap_time + 0.1f * (float)strlen(atc.response);
    if (msc.speech_avail && set.voice_out && !plat_speech_say(atc.response))
        MACIBM_alert("Can't speak ATC command!", "", "", "", 0);
}
