// Stand-ins until the cockpit and ATC land: the panel takes no clicks; a
// phrase starts without a call sign.
#include "cockpit_records.h"
#include "cockpit_services.h"

void manage_das(float, float)
{
}

void start_command_string(char* string, int)
{
    string[0] = 0;
}
