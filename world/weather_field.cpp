#include "weather_field.h"

#include "records/world_state.h"
#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_TYPES.h"

#include <GL/gl.h>
#include <cmath>

float cloudxyz[CLOUD_I][CLOUD_J][3];
float cloudrgb[CLOUD_I][CLOUD_J][3];
float prec_x[PREC_CAP], prec_y[PREC_CAP], prec_z[PREC_CAP];
int quickdrop;
float ogl_brat_ter = 1;

namespace {
const int WX_I = 631, WX_J = 421;
const int WX_BLOCK = 210, CLOUD_BLOCK = 16;

// Moves blocks of a grid of idim x jdim points of tdim floats, far end first.
void shift_grid(float* g, int idim, int jdim, int tdim, int per, int i1, int i2, int j1, int j2, int deli,
                int delj)
{
    int ilo = i1 * per, ihi = i2 * per, jlo = j1 * per, jhi = j2 * per;
    int istep = deli > 0 ? -1 : 1, jstep = delj > 0 ? -1 : 1;
    for (int i = istep < 0 ? ihi : ilo; i >= ilo && i <= ihi; i += istep) {
        for (int j = jstep < 0 ? jhi : jlo; j >= jlo && j <= jhi; j += jstep) {
            int ti = i + deli, tj = j + delj;
            if (i < 0 || i >= idim || j < 0 || j >= jdim || ti < 0 || ti >= idim || tj < 0 || tj >= jdim) continue;
            for (int t = 0; t < tdim; ++t) g[(ti * jdim + tj) * tdim + t] = g[(i * jdim + j) * tdim + t];
        }
    }
}

// Rain streak steps by view: (x - 400) scaled, or sideways, or straight down.
void rain_step(int view, float x, float y, float sfac, float fall, float* dx, float* dy)
{
    *dx = *dy = 0;
    switch (view) {
    case 500: case 501: case 502: case 520: case 521:
        *dx = (x - 400) * sfac * 0.01f;
        *dy = (1 - y * 0.005f) * sfac + fall;
        break;
    case 516:
        *dx = (x - 400) * sfac * 0.01f;
        *dy = (2 - y * 0.005f) * sfac + fall;
        break;
    case 504: case 506: case 508:
        *dx = -2 * sfac;
        *dy = fall;
        break;
    case 505: case 507: case 509:
        *dx = 2 * sfac;
        *dy = fall;
        break;
    case 511:
        *dy = -4 * sfac + fall;
        break;
    case 513: case 514: case 517: case 518:
        *dy = 0.1f;
        break;
    default:
        break;
    }
}

// Snow flake steps by view: streaming out of the flow centre, or sideways.
void snow_step(int view, float x, float y, float d, float cx, float cy, float vfac, float* dx, float* dy)
{
    float fallv = msc.prd * -4000 / d;
    float r = vfac / d;
    float side = flt.av * msc.prd * 400 / d;
    *dx = 0;
    *dy = fallv;
    switch (view) {
    case 500: case 501: case 502: case 516: case 517: case 520: case 521:
        *dx = (x - cx) * r;
        *dy = (y - cy) * r + fallv;
        break;
    case 504: case 506: case 508:
        *dx = -side;
        break;
    case 505: case 507: case 509:
        *dx = side;
        break;
    default:
        break;
    }
}

int in_rect(float x, float y, float x1, float y1, float x2, float y2)
{
    return x >= x1 && x <= x2 && y >= y1 && y <= y2;
}

void respawn_flake(int i, float x1, float x2, float bottom, float top)
{
    prec_x[i] = fltrand(x1, x2);
    prec_y[i] = fltrand(bottom, top);
    prec_z[i] = fltrand(10, 100);
}

int move_rain(int last, float x1, float y1, float x2, float y2, float xy[][2])
{
    if (intrand(1, 10) == 5 && ++quickdrop > last) quickdrop = 0;
    float sfac = std::sqrt(fltlim(flt.vind - 1, 0, 999)) * msc.prd * 5;
    float fall = msc.prd * -15;
    int n = 0;
    for (int i = 0; i <= last; ++i) {
        float x = prec_x[i], y = prec_y[i], dx, dy;
        rain_step(set.view_type, x, y, sfac, fall, &dx, &dy);
        if (i == quickdrop) {
            dy *= 8;
            dx *= 5;
        }
        if (in_rect(x, y, x1, y1, x2, y2)) {
            xy[n][0] = x;
            xy[n][1] = y;
            xy[n + 1][0] = x + dx;
            xy[n + 1][1] = y + dy;
            n += 2;
            prec_x[i] = x + dx;
            prec_y[i] = y + dy;
        } else {
            prec_x[i] = fltrand(x1, x2);
            prec_y[i] = fltrand(y1, y2);
        }
    }
    return n;
}

int move_snow(int last, float x1, float y1, float x2, float y2, float xy[][2])
{
    if (set.view_type == 511) return 0;
    float top = y2;
    float bottom = (float)intlim((int)interp(0, y2 - 1, 20, y1, flt.av), (int)y1, (int)(y2 - 1));
    float cx = con.cntrx - flt.Beta * 15, cy = con.cntry - flt.Alpha * 15;
    if (set.view_type == 501) cy += 60;
    if (set.view_type == 502) cy += 120;
    float vfac = flt.av * msc.prd * 2;
    int n = 0;
    for (int i = 0; i <= last; ++i) {
        // A flake at no distance (the arrays start at zero) would divide by it.
        if (!(prec_z[i] >= 10)) respawn_flake(i, x1, x2, bottom, top);
        float dx, dy;
        snow_step(set.view_type, prec_x[i], prec_y[i], prec_z[i], cx, cy, vfac, &dx, &dy);
        prec_x[i] += dx;
        prec_y[i] += dy;
        prec_z[i] -= flt.av * msc.prd;
        if (prec_z[i] >= 10 && prec_z[i] <= 100 && in_rect(prec_x[i], prec_y[i], x1, y1, x2, y2)) {
            xy[n][0] = prec_x[i];
            xy[n][1] = prec_y[i];
            ++n;
        } else {
            respawn_flake(i, x1, x2, bottom, top);
        }
    }
    return n;
}
} // namespace

void fractalize(int i1_sec, int j1_sec, int i2_sec, int j2_sec, float* z, int jdim, int tdim, int t_os,
                float delzlo, float delzhi, int level1, int level2)
{
    auto Z = [=](int i, int j) -> float& { return z[(i * jdim + j) * tdim + t_os]; };
    for (int level = level1; level <= level2; ++level) {
        int divmax = round(std::pow(2.0f, (float)level));
        float part = 1.0f / divmax;
        int deli = (int)((i2_sec - i1_sec) * part);
        int delj = (int)((j2_sec - j1_sec) * part);
        for (int idiv = 0; idiv < divmax; ++idiv) {
            for (int jdiv = 0; jdiv < divmax; ++jdiv) {
                int i1 = i1_sec + idiv * deli, i2 = i1 + deli;
                int j1 = j1_sec + jdiv * delj, j2 = j1 + delj;
                int ic = (i1 + i2) / 2, jc = (j1 + j2) / 2;
                Z(ic, jc) += fltrand(delzlo, delzhi) * part;
                for (int i = i1 + 1; i < i2; ++i) {
                    if (i == ic) continue;
                    Z(i, jc) = i < ic ? interp(i1, Z(i1, jc), ic, Z(ic, jc), i) : interp(ic, Z(ic, jc), i2, Z(i2, jc), i);
                }
                for (int j = j1 + 1; j < j2; ++j) {
                    if (j == jc) continue;
                    Z(ic, j) = j < jc ? interp(j1, Z(ic, j1), jc, Z(ic, jc), j) : interp(jc, Z(ic, jc), j2, Z(ic, j2), j);
                }
                for (int i = i1 + 1; i < i2; ++i) {
                    if (i == ic) continue;
                    for (int j = j1 + 1; j < j2; ++j) {
                        if (j == jc) continue;
                        float along_i = i < ic ? interp(i1, Z(i1, j), ic, Z(ic, j), i) : interp(ic, Z(ic, j), i2, Z(i2, j), i);
                        float along_j = j < jc ? interp(j1, Z(i, j1), jc, Z(i, jc), j) : interp(jc, Z(i, jc), j2, Z(i, j2), j);
                        Z(i, j) = 0.5f * (along_i + along_j);
                    }
                }
            }
        }
    }
}

void gen_wx_for_sec(int q)
{
    if (q < 0 || q > 5) return;
    int i0 = (q % 3) * WX_BLOCK;
    int j0 = q < 3 ? WX_BLOCK : 0;   // rows count from the north edge
    for (int i = i0; i <= i0 + WX_BLOCK; ++i)
        for (int j = j0; j <= j0 + WX_BLOCK; ++j) atm.wxr[i][j] = 0;
    fractalize(i0, j0, i0 + WX_BLOCK, j0 + WX_BLOCK, &atm.wxr[0][0], WX_J, 1, 0, -3, 3, 1, 4);
    for (int i = i0; i <= i0 + WX_BLOCK; ++i)
        for (int j = j0; j <= j0 + WX_BLOCK; ++j) atm.wxr[i][j] = fltlim(atm.wxr[i][j], 0, 1);
}

void fill_a_sector_with_ocast(int isec, int jsec)
{
    if (isec < 0 || isec > 4 || jsec < 0 || jsec > 3) return;
    const float deltaz = 1000 * con.fttomtrs * 0.5f;
    int i0 = isec * CLOUD_BLOCK, j0 = jsec * CLOUD_BLOCK;
    for (int i = i0; i <= i0 + CLOUD_BLOCK; ++i)
        for (int j = j0; j <= j0 + CLOUD_BLOCK; ++j) cloudxyz[i][j][1] = -deltaz;
    fractalize(i0, j0, i0 + CLOUD_BLOCK, j0 + CLOUD_BLOCK, &cloudxyz[0][0][0], CLOUD_J, 3, 1, -2 * deltaz,
               2 * deltaz, 1, 4);
    for (int i = i0; i <= i0 + CLOUD_BLOCK; ++i) {
        for (int j = j0; j <= j0 + CLOUD_BLOCK; ++j) {
            float* p = cloudxyz[i][j];
            p[0] = env.lox + (i - 16) * (env.hix - env.lox) / 48;
            p[2] = env.hiz - (j - 16) * (env.hiz - env.loz) / 32;
            float grey = 0.4f + 0.6f * (p[1] + 2 * deltaz) / (2 * deltaz);
            cloudrgb[i][j][0] = cloudrgb[i][j][1] = cloudrgb[i][j][2] = grey;
        }
    }
}

void shift_weather(int i1, int i2, int j1, int j2, int deli, int delj)
{
    shift_grid(&atm.wxr[0][0], WX_I, WX_J, 1, WX_BLOCK, i1, i2, j1, j2, deli, delj);
}

void shift_cloud(int i1, int i2, int j1, int j2, int deli, int delj)
{
    shift_grid(&cloudxyz[0][0][0], CLOUD_I, CLOUD_J, 3, CLOUD_BLOCK, i1, i2, j1, j2, deli, delj);
    shift_grid(&cloudrgb[0][0][0], CLOUD_I, CLOUD_J, 3, CLOUD_BLOCK, i1, i2, j1, j2, deli, delj);
}

int set_prec_rat()
{
    float eye = con.VIEW_xyz[1];
    float cld;
    if (atm.topsMSL != atm.baseMSL)
        cld = fltlim(interp(atm.topsMSL, 0, atm.baseMSL, 1, eye), 0, 1);
    else
        cld = eye < atm.baseMSL ? 1.0f : 0.0f;
    float lev = atm.level / 4;
    float stm = (atm.rain_tstm - 1) / 4;
    atm.prec_rat = 0.5f * cld * (lev + stm);
    int max_prec = intlim((int)(atm.prec_rat * PREC_CAP), 0, PREC_CAP - 1);
    return max_prec > 0 ? max_prec : -1;
}

int move_precip(float x1, float y1, float x2, float y2, float xy[][2], int* lines)
{
    int last = set_prec_rat();
    *lines = atm.temp_SL > 32;
    if (last < 0) return 0;
    return *lines ? move_rain(last, x1, y1, x2, y2, xy) : move_snow(last, x1, y1, x2, y2, xy);
}

void do_window_precip(float x1, float y1, float x2, float y2)
{
    static float xy[2 * PREC_CAP][2];
    int lines = 0;
    int n = move_precip(x1, y1, x2, y2, xy, &lines);
    if (n == 0) return;
    float grey = ogl_brat_ter * (lines ? 0.9f : 1.0f);
    OGL_setstate(0, 0, 0, 0);
    glColor3f(grey, grey, grey);
    glBegin(lines ? GL_LINES : GL_POINTS);
    for (int k = 0; k < n; ++k) glVertex2f(xy[k][0] + mnw.x + 0.5f, xy[k][1] + mnw.y + 0.5f);
    glEnd();
}
