#include "settings_and_recordings.h"

settingstruct set;
pathstruct pat;
graphstruct grf;
