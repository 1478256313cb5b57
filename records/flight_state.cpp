#include "flight_state.h"

flightstruct flt;
miscstruct msc;
ottostruct ott;
relstruct rel;
