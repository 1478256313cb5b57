// Stand-in until the panel's clicks land: of the panel only the parking
// brake takes clicks, so that an aircraft can leave its start.
#include "cockpit_records.h"
#include "cockpit_services.h"

#include "flight/flight_records.h"
#include "shell/shell_records.h"
#include "toolkit/HL_FUNCT.h"

void manage_das(float x, float y)
{
    if (fltbox(x, y, osrad + 494, 5, osrad + 564, 20)) {
        set.parkbrake = set.parkbrake < 0.01f ? 1.0f : 0.0f;
        if (flt.cat_stage == 3) flt.cat_stage = 4;
    }
}
