// Stand-ins until the moving map and the ATIS broadcast land: a plain path
// trail, a plain cross for the aircraft and no broadcast. Weak, so that the
// real ones take their place at link time.
#include "settings_standins.h"

#include "shell_records.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"

namespace {
float trail_x, trail_y;
}

__attribute__((weak)) void plot_path(int first, float x1, float y1, int c)
{
    int before = intwrap(c - 1, 0, PATH_SAMPLES - 1);
    if (!first && pat.inited[before] && pat.inited[c]) OGL_line(8, trail_x, trail_y, x1, y1);
    trail_x = x1;
    trail_y = y1;
}

__attribute__((weak)) void flashplane(float x, float y, float h)
{
    OGL_line(8, x - 6, y, x + 6, y);
    OGL_line(8, x, y - 6, x, y + 6);
}

__attribute__((weak)) void get_ATIS(int airport, int kind, char* text, int flag)
{
    text[0] = 0;
}
