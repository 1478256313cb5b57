// Stand-in until the moving map lands: the window shows its frame only.
#include "moving_map.h"

void manage_map()
{
}
