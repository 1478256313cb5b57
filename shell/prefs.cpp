// Stand-in until preferences land: no file is read; the first-run defaults
// keep what start-up set.
#include "prefs.h"

#include "world/world_records.h"

int grab_prefs(const char*, int, int)
{
    return 0;
}

void hardprefs()
{
    env.lat_sou = 0;
    env.lon_wes = 0;
}
