#include "shell_records.h"

settingstruct set;
pathstruct pat;
graphstruct grf;
