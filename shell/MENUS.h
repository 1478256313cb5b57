// The simulator's menus: the fixed menus and the region's airports, runways,
// VORs and NDBs, rebuilt after every region load.
#pragma once

#include "world/region_lists.h"

// Title of the airport-diagram window: the airport's name and identifier.
extern char diagram_title[400];

// The id of "Reset Flight Path" in the Output menu, after the airport diagrams.
int reset_path_item();
