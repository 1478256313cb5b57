// Stand-in until aircraft loading lands: no aircraft.
#include "INITPLN.h"

void load_plane()
{
}
