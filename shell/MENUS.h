// The simulator's menus: the fixed menus and the region's airports, runways,
// VORs and NDBs, rebuilt after every region load.
#pragma once

// List position (0..89) of a region menu entry to its database index.
const int REGION_LIST_CAP = 90;
extern int apt_to_index[REGION_LIST_CAP];
extern int vor_to_index[REGION_LIST_CAP];
extern int ndb_to_index[REGION_LIST_CAP];

// Airports, VORs and NDBs actually listed by the last menu build. The counts
// in env end at 0 for an empty list; these tell an empty list from one entry.
extern int apt_listed, vor_listed, ndb_listed;

// Title of the airport-diagram window: the airport's name and identifier.
extern char diagram_title[400];

// The id of "Reset Flight Path" in the Output menu, after the airport diagrams.
int reset_path_item();
