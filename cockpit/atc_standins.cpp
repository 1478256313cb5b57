// Stand-ins until the cockpit and ATC land: the phrase is shown, not spoken;
// the panel takes no clicks.
#include "cockpit_records.h"
#include "cockpit_services.h"
#include "toolkit/HL_TYPES.h"

void speakstring(const char* text)
{
    copy_bounded(atc.response, text, sizeof atc.response);
}

void manage_das(float, float)
{
}
