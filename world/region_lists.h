// The region's listed airports, VORs and NDBs: the menus fill them after
// every region load, the world and the cockpit look the database up by them.
#pragma once

// List position (0..89) of a region menu entry to its database index.
const int REGION_LIST_CAP = 90;
extern int apt_to_index[REGION_LIST_CAP];
extern int vor_to_index[REGION_LIST_CAP];
extern int ndb_to_index[REGION_LIST_CAP];

// Airports, VORs and NDBs actually listed by the last menu build. The counts
// in env end at 0 for an empty list; these tell an empty list from one entry.
extern int apt_listed, vor_listed, ndb_listed;
