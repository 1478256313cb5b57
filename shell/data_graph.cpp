// The data graph: four strips of up to four curves over 10 s of the ring grf,
// with auto-scale and the values under the mouse.
#include "data_graph.h"

#include <cmath>

#include "records/flight_state.h"
#include "flight/data_channels.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_BTN.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/HL_TYPES.h"

namespace {

const int curve_colour[4] = {4, 9, 7, 18};
const float AXIS_X0 = 105, PIX_PER_SEC = 50;
const int AXIS_COLUMNS = 500;

float gscale[4];
int oldx[4][4], oldy[4][4];
int timeCTR1, timeCTR2;
int XofCTR[GRAPH_SAMPLES];
int CTRofX[AXIS_COLUMNS + 1];

int wrap(int k) { return ((k % GRAPH_SAMPLES) + GRAPH_SAMPLES) % GRAPH_SAMPLES; }
bool absent(float v) { return std::fabs(v + 999.0f) <= 0.01f; }
float base_y(int g) { return 90.0f * g + 85.0f; }

}  // namespace

void clear_graph()
{
    for (int s = 0; s < GRAPH_SAMPLES; ++s) {
        grf.period[s] = 999.0f;
        for (auto& graph : grf.data)
            for (auto& curve : graph) curve[s] = -999.0f;
    }
    grf.indexstart = 0;
    grf.graphstruct_full = 0;
}

void graph_point(float x, float y, int timeCTR, int varCTR, int selectCTR, int started)
{
    float v = grf.data[selectCTR][varCTR][timeCTR];
    if (absent(v)) return;
    int px = (int)std::lround(x);
    int py = (int)std::lround(y + v * gscale[selectCTR]);
    int c = curve_colour[varCTR];
    if (started) {
        OGL_line(c, oldx[selectCTR][varCTR], oldy[selectCTR][varCTR], px, py);
        OGL_line(c, oldx[selectCTR][varCTR], oldy[selectCTR][varCTR] + 1, px, py + 1);
    }
    oldx[selectCTR][varCTR] = px;
    oldy[selectCTR][varCTR] = py;
}

void plot_grf_numbers(float x, float y, float v1, float v2, float v3, float v4, int index, int type)
{
    int t[4] = {3, 3, 3, 3}, d[4] = {0, 0, 0, 0};
    set_dig_dec(index, &t[0], &t[1], &t[2], &t[3], &d[0], &d[1], &d[2], &d[3]);
    const float v[4] = {v1, v2, v3, v4};
    if (type == 1) {
        const float dy[4] = {24, 3, -18, -39};
        for (int k = 0; k < 4; ++k)
            if (!absent(v[k])) OGL_number(curve_colour[k], x, y + dy[k], v[k], t[k], d[k], 6, 1);
    } else if (type == 2) {
        const float dy[3] = {32, -3, -38};
        for (int k = 0; k < 3; ++k)
            if (!absent(v[k])) OGL_number(6, x, y + dy[k], v[k], t[0], d[0], 6, 1);
    }
}

// The walk of the time axis: from the slot `from` with `elapsed` seconds so
// far, forward until the elapsed time reaches `until`; false when it runs into
// the newest sample first (the slot just before the oldest).
static bool walk_to(int& slot, float& elapsed, float until)
{
    int last = wrap(grf.indexstart - 1);
    while (elapsed < until) {
        if (slot == last) return false;
        elapsed += grf.period[slot];
        slot = wrap(slot + 1);
    }
    return true;
}

void manage_grf()
{
    for (int g = 0; g < 4; ++g) {
        int ch = set.grfsel[g];
        if (ch < 0) continue;
        float m = 1.0f;
        for (auto& curve : grf.data[g])
            for (float v : curve)
                if (!absent(v) && std::fabs(v) > m) m = std::fabs(v);
        gscale[g] = 33.0f / m;
        plot_grf_numbers(80, base_y(g), 40.0f / gscale[g], 0.0f, -40.0f / gscale[g], -999.0f, ch, 2);
        out_label(7, ch, (int)base_y(g));
    }
    instdbtn_range(47, 110, 19, &grf.lefttime, 2, 0, 0, 89,
                   "This is the time index for the left-hand side of the graph.");
    for (int i = 0; i < 10; ++i) OGL_number(6, 98 + 50 * i, 406, grf.lefttime + i, 3, 0, 6, 0);

    int slot = grf.indexstart;
    float elapsed = 0;
    bool more = walk_to(slot, elapsed, grf.lefttime);
    timeCTR1 = slot;
    if (more) walk_to(slot, elapsed, grf.lefttime + 10.0f);
    timeCTR2 = slot;
    // the span in ring order, unwrapped: all 1800 slots when it closes on itself
    int end = timeCTR2;
    if (end < timeCTR1) end += GRAPH_SAMPLES;

    float x = AXIS_X0;
    int col = 0;
    for (int k = timeCTR1; k <= end; ++k) {
        int s = wrap(k);
        XofCTR[s] = (int)x;
        float nx = x + grf.period[s] * PIX_PER_SEC;
        if (nx > AXIS_X0 + AXIS_COLUMNS) nx = AXIS_X0 + AXIS_COLUMNS;
        if (nx < AXIS_X0) nx = AXIS_X0;
        for (; col <= (int)(nx - AXIS_X0) && col <= AXIS_COLUMNS; ++col) CTRofX[col] = s;
        x = nx;
    }
    for (; col <= AXIS_COLUMNS; ++col) CTRofX[col] = wrap(end);

    if (more) {
        for (int g = 0; g < 4; ++g) {
            if (set.grfsel[g] < 0) continue;
            for (int c = 0; c < 4; ++c)
                // each curve starts afresh, so it never joins last frame's point
                for (int k = timeCTR1, started = 0; k <= end; ++k) {
                    int s = wrap(k);
                    if (absent(grf.data[g][c][s])) continue;
                    graph_point(XofCTR[s], base_y(g), s, c, g, started);
                    started = 1;
                }
        }
    }

    int column = (int)std::lround(mnw.mx - AXIS_X0);
    if (column < 0) column = 0;
    if (column > AXIS_COLUMNS) column = AXIS_COLUMNS;
    int s = CTRofX[column];
    OGL_number(6, 396, 20, grf.lefttime + column / PIX_PER_SEC, 3, 1, 7, 0);
    for (int g = 0; g < 4; ++g)
        if (set.grfsel[g] >= 0)
            plot_grf_numbers(30, base_y(g), grf.data[g][0][s], grf.data[g][1][s], grf.data[g][2][s],
                             grf.data[g][3][s], set.grfsel[g], 1);
}
