#include "flight_records.h"

flightstruct flt;
miscstruct msc;
ottostruct ott;
relstruct rel;
