#include "cockpit_records.h"

inststruct ins;
navstruct nav;
atcstruct atc;
flightplanstruct fpl;
