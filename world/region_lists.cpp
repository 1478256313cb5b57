#include "region_lists.h"

int apt_to_index[REGION_LIST_CAP];
int vor_to_index[REGION_LIST_CAP];
int ndb_to_index[REGION_LIST_CAP];
int apt_listed, vor_listed, ndb_listed;
