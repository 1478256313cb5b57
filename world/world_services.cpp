// Stand-in for the scenery update until the scene frame lands.
#include "world_services.h"

void update_scenery()
{
}
