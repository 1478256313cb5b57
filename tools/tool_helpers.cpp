#include "tool_helpers.h"

#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/HL_TYPES.h"

#include <cmath>
#include <cstring>

namespace tools {

namespace {
void show_help(float x, float y, const char* help)
{
    mnw.help_x1 = x;
    mnw.help_y2 = y - 20;
    strncpy(mnw.help_message, help ? help : "", sizeof mnw.help_message - 1);
    mnw.help_message[sizeof mnw.help_message - 1] = 0;
}
} // namespace

int instdbtn_range(int color, float x, float y, float* var, int dig, int dec, float lo, float hi, const char* help)
{
    dig = intlim(dig, 1, 7);
    float old = *var;
    if (mnw.mouse_clicked)
        for (int k = 0; k < dig; ++k)
            if (fltbox(mnw.mx, mnw.my, x + 10 * k, y - 14, x + 10 * (k + 1), y + 20)) {
                float step = (float)(std::pow(10.0, dig - 1 - k) / std::pow(10.0, dec));
                *var += mnw.my >= y + 3 ? step : -step;
                break;
            }
    *var = fltlim(*var, lo, hi);
    OGL_number(color, x + 3, y, *var, dig, dec, 10, lo < 0 ? 1 : 0);
    if (fltbox(mnw.mx, mnw.my, x, y - 14, x + 10 * (dig + 1), y + 20)) show_help(x, y, help);
    return *var != old ? 1 : 0;
}

} // namespace tools
