// The body cross-section grid editor and the ellipse and total smoothings.
#include "smoothing.h"

#include "editor.h"
#include "fabrex_records.h"
#include "toolkit/HL_BTN.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/part_geometry.h"
#include "toolkit/plane_record.h"

#include <cmath>

namespace fabrex {

int nosetype, tailtype;

namespace {
int r_use;
} // namespace

float ret_y_center(int b, int s, int rdim)
{
    if (rdim < 1) return 0;
    float sum = 0;
    for (int r = 0; r < rdim; ++r) sum += pln.body_Y[b][s][r];
    return sum / rdim;
}

float ret_ave_rad(int b, int sdim, int rdim)
{
    float sum = 0;
    int n = 0;
    for (int s = 1; s <= sdim - 2; ++s) {
        float yc = ret_y_center(b, s, rdim);
        for (int r = 0; r < rdim; ++r, ++n) sum += pythag(pln.body_X[b][s][r], pln.body_Y[b][s][r] - yc);
    }
    return fltlim(n ? sum / n : 0, 0.01f, 9.9e9f);
}

void smoothit(int b, int total)
{
    const int S = f_body_s_dim(b), R = f_body_r_dim(b);
    if (S < 1 || R < 2) return;
    float (*X)[16] = pln.body_X[b];
    float (*Y)[16] = pln.body_Y[b];
    float (*Z)[16] = pln.body_Z[b];
    const float rad0 = ret_ave_rad(b, S, R);
    if (total) {
        for (int s = 1; s <= S - 2; ++s) {
            for (int r = 0; r < R; ++r) {
                float d = fallout(Z[s + 1][r] - Z[s - 1][r], -0.01f, 0.01f);
                float x = ((Z[s + 1][r] - Z[s][r]) * X[s - 1][r] + (Z[s][r] - Z[s - 1][r]) * X[s + 1][r]) / d;
                float y = ((Z[s + 1][r] - Z[s][r]) * Y[s - 1][r] + (Z[s][r] - Z[s - 1][r]) * Y[s + 1][r]) / d;
                X[s][r] += 0.1f * (x - X[s][r]);
                Y[s][r] += 0.1f * (y - Y[s][r]);
            }
        }
    }
    for (int s = 0; s < S; ++s) {
        const float yc = ret_y_center(b, s, R);
        const float a = X[s][R / 4];
        const float bb = 0.5f * (Y[s][0] - Y[s][R / 2]);
        for (int r = 0; r < R; ++r) {
            double t = 2.0 * M_PI * r / R;
            X[s][r] = 0.8f * X[s][r] + 0.2f * a * (float)std::sin(t);
            Y[s][r] = 0.8f * Y[s][r] + 0.2f * (bb * (float)std::cos(t) + yc);
        }
    }
    if (total) {
        const float k = rad0 / ret_ave_rad(b, S, R);
        for (int s = 0; s < S; ++s) {
            const float yc = ret_y_center(b, s, R);
            for (int r = 0; r < R; ++r) {
                Y[s][r] = (Y[s][r] - yc) * k + yc;
                X[s][r] *= k;
            }
        }
    }
}

void edit_body_grid(int b, float yref)
{
    const int S = f_body_s_dim(b), R = f_body_r_dim(b);
    const float br = pln.body_r[b] > 0 ? pln.body_r[b] : 0.1f;
    const float scale = 61.0f / br;
    float (*X)[16] = pln.body_X[b];
    float (*Y)[16] = pln.body_Y[b];
    float (*Z)[16] = pln.body_Z[b];
    const float mx = mnw.mx, my = mnw.my;

    // End toggles.
    const float tail_x = 66.0f * (S - 1) + 23;
    OGL_string(47, 23, yref - 76, nosetype ? "CLOSED" : " OPEN ", 100, 6);
    OGL_string(47, tail_x, yref - 76, tailtype ? "CLOSED" : " OPEN ", 100, 6);
    if (mnw.mouse_clicked && my >= yref - 83 && my <= yref - 63) {
        if (mx >= 23 && mx <= 68) nosetype = !nosetype;
        else if (mx >= tail_x && mx <= tail_x + 45) tailtype = !tailtype;
    }
    // Copy row: a station to its neighbour, never the nose or the tail.
    if (mnw.mouse_clicked && my >= yref - 80 && my <= yref - 65 && S > 2) {
        int src = intlim((int)((mx - 10) / 66), 1, S - 2);
        int dst = intlim(mx < 66 * src + 40 ? src - 1 : src + 1, 1, S - 2);
        for (int r = 0; r < R; ++r) {
            X[dst][r] = X[src][r];
            Y[dst][r] = Y[src][r];
        }
    }

    for (int s = 0; s < S; ++s) {
        const float xref = 66.0f * s + 10;
        const int closed = (s == 0 && nosetype) || (s == S - 1 && tailtype);
        float z = Z[s][0];
        if (edit_number(xref + 13, yref + 82, &z, 4, 1, -999.9f, 999.9f, z_name("this part of the fuselage")))
            for (int r = 0; r < R; ++r) Z[s][r] = z;

        if (mnw.now_dragging && fltbox(mx, my, xref, yref - 63, xref + 61, yref + 63)) {
            const float x = (mx - xref - 1) / scale, y = (my - yref + 3) / scale;
            if (closed) {
                for (int r = 0; r <= R / 2; ++r) X[s][r] = 0, Y[s][r] = y;
            } else {
                if (mnw.mouse_clicked) {
                    float best = 1e30f;
                    for (int r = 0; r <= R / 2; ++r) {
                        float d = pythag(X[s][r] - x, Y[s][r] - y);
                        if (d < best) best = d, r_use = r;
                    }
                }
                X[s][r_use] = x;
                Y[s][r_use] = y;
                if (Y[s][R / 2] > Y[s][0]) {
                    float t = Y[s][R / 2];
                    Y[s][R / 2] = Y[s][0];
                    Y[s][0] = t;
                }
            }
            // Only the section drawn on is tidied: one only shown stays as stored.
            for (int r = 0; r <= R / 2; ++r) {
                X[s][r] = fltlim(X[s][r], 0, br);
                Y[s][r] = fltlim(Y[s][r], -br, br);
            }
            X[s][0] = X[s][R / 2] = 0;
            for (int r = 1; r < R / 2; ++r) {
                X[s][R - r] = -X[s][r];
                Y[s][R - r] = Y[s][r];
            }
        }
        float px = 0, py = 0;
        for (int r = 0; r <= R / 2; ++r) {
            float x = xref + round(X[s][r] * scale), y = yref + round(Y[s][r] * scale);
            OGL_framerect(8, x - 2, y - 2, 5, 5);
            if (r > 0) OGL_line(9, px, py, x, y);
            px = x, py = y;
        }
    }
}

} // namespace fabrex
