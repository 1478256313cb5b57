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

// A true modulo: any distance outside the range lands inside it.
int wrap_into(int v, int lo, int hi)
{
    int n = hi - lo + 1;
    int r = (v - lo) % n;
    if (r < 0) r += n;
    return lo + r;
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

void plot_name_list(float os_x, float os_y, const char* name, const char* id, int* center_index, int ind1, int ind2)
{
    if (ind2 < ind1) return;
    if (fltbox(mnw.mx, mnw.my, os_x, os_y - 62, os_x + 315, os_y + 68) && (mnw.mouse_clicked || mnw.delay_dragging)) {
        static const struct {
            float lo, hi;
            int step;
        } bands[] = {{38, 68, -10}, {28, 38, -3}, {18, 28, -2}, {8, 18, -1},
                     {-12, -2, 1}, {-22, -12, 2}, {-32, -22, 3}, {-62, -32, 10}};
        float dy = mnw.my - os_y;
        for (const auto& b : bands)
            if (dy >= b.lo && dy <= b.hi) {
                *center_index += b.step;
                break;
            }
    }
    *center_index = wrap_into(*center_index, ind1, ind2);
    // A name or ID that fills its array has no end of its own.
    static char row_name[41], row_id[6];
    for (int c = -3; c <= 3; ++c) {
        int k = wrap_into(*center_index + c, ind1, ind2);
        int colour = 46 + std::abs(c);
        float y = os_y - 10 * c;
        memcpy(row_name, name + 40 * k, 40);
        // Cut short of the identifier by a letter's width, and never wrapped
        // onto the next row.
        row_name[37] = 0;
        memcpy(row_id, id + 5 * k, 5);
        OGL_string(colour, os_x + 8, y, row_name, 228, 6);
        OGL_string(colour, os_x + 238, y, row_id, 40, 6);
    }
    OGL_framerect(46, os_x + 5, os_y - 2, 259, 10);
}

} // namespace tools
