// The simulator's per-frame dispatcher. First cut: the scene update only.
#include "toolkit/HL_MNW.h"
#include "world/world_services.h"

void APPLICATION_update()
{
    update_scenery();
}

void process_zap(int)
{
}
