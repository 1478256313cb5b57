// Stand-in until start placement lands: the aircraft sits at the window's origin
// and the other traffic is placed around it.
#include "start_placement.h"

#include "flight_records.h"
#include "world/world_services.h"

void set_fltvars(int)
{
    flt.X = flt.Y = flt.Z = 0;
    for (int t = 0; t < 10; ++t) make_a_plane(t, 1);
}
