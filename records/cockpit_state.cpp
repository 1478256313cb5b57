#include "cockpit_state.h"

inststruct ins;
navstruct nav;
atcstruct atc;
flightplanstruct fpl;
