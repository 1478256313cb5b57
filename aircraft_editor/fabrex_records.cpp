#include "fabrex_records.h"

namespace fabrex {
miscstruct msc;
flightstruct flt;
}
