// Radio tuning steps: each part of a frequency wraps without carrying.
#include "cockpit_services.h"

#include "toolkit/HL_FUNCT.h"

#include <cstdlib>

namespace {
void step_band(int* in, int inc, int lo_mhz, int hi_mhz)
{
    int mhz = *in / 100;
    int hundredths = *in % 100;
    if (std::abs(inc) == 1000) mhz = intwrap(mhz + (inc > 0 ? 1 : -1), lo_mhz, hi_mhz);
    else if (std::abs(inc) == 50) hundredths = intwrap(hundredths + (inc > 0 ? 5 : -5), 0, 99);
    else return;
    *in = mhz * 100 + hundredths;
}
} // namespace

void NAVinc(int* in, int inc)
{
    step_band(in, inc, 108, 117);
}

void COMinc(int* in, int inc)
{
    step_band(in, inc, 118, 136);
}

void ADFinc(int* in, int inc)
{
    int hundreds = *in / 100 % 10;
    int tens = *in / 10 % 10;
    int units = *in % 10;
    int d = inc > 0 ? 1 : -1;
    switch (std::abs(inc)) {
    case 100: hundreds = intwrap(hundreds + d, 0, 9); break;
    case 10: tens = intwrap(tens + d, 0, 9); break;
    case 1: units = intwrap(units + d, 0, 9); break;
    default: return;
    }
    *in = hundreds * 100 + tens * 10 + units;
}

void XPNinc(int* in, int inc)
{
    *in += inc;
    if (*in > 7) *in = 0;
    if (*in < 0) *in = 7;
}
