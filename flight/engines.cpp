// Stand-in until the propeller, rotor and jet models land: the engines make
// no power or thrust yet.
#include "engines.h"

#include "flight_records.h"

void props()
{
    for (int e = 0; e < 4; ++e) flt.power[e] = flt.thrust[e] = 0;
}

void jets()
{
    for (int e = 0; e < 4; ++e) flt.thrust[e] = 0;
}
