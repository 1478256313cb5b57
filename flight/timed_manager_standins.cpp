// Stand-ins for what the timed managers call before the receivers land;
// weak so that the real ones take their place at link time.
#include "cockpit/cockpit_services.h"
#include "world/world_services.h"

__attribute__((weak)) void setnav(int)
{
}
