// Stand-ins for what the timed managers call before the receivers, the
// runway lights and the data channels land; weak so that the real ones take
// their place at link time.
#include "cockpit/cockpit_services.h"
#include "shell/data_graph.h"
#include "world/world_services.h"

__attribute__((weak)) void setnav(int)
{
}

__attribute__((weak)) void move_rabbits(int)
{
}

__attribute__((weak)) void out_dat(int, int, int)
{
}

__attribute__((weak)) void out_label(int, int, int)
{
}
