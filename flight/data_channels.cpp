// The 50 data channels: the one place their values are computed, and their
// output to the data file (6), the graph ring (7) and the cockpit read-out (8).
#include "data_channels.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

namespace {

const float ABSENT = -999.0f;

int wrap(int k) { return ((k % GRAPH_SAMPLES) + GRAPH_SAMPLES) % GRAPH_SAMPLES; }

const char label_table[50][40] = {
    "FREQ /sec TIME rtio                    ",
    "TIME  sec                              ",
    "LTIM  hrs ZTIM  hrs                    ",
    "DRAT part                              ",
    " RHO sft3                              ",
    "ALPH  deg BETA  deg                    ",
    "HPTH  deg                              ",
    "VPTH  deg                              ",
    "THT1 part THT2 part THT3 part THT4 part",
    "PRP1  rpm PRP2  rpm PRP3  rpm PRP4  rpm",
    "SWP1  deg SWP2  deg HSWP  deg TVEC  deg",
    "ELEV yoke AILN yoke RUDD yoke          ",
    "ELEV surf AILN surf RUDD surf          ",
    "TRIM unit FLAP part SLAT part          ",
    "GEAR  0/1 LBRK part RBRK part SBRK 1012",
    "Vtru ktas Vind kias                    ",
    " VVI  fpm                              ",
    "MACH    #    G unit                    ",
    "   A ktas                              ",
    "   Q  psf                              ",
    "   M ftlb    L ftlb    N ftlb          ",
    "Qdot d/ss Pdot d/ss Rdot d/ss          ",
    "   Q  d/s    P  d/s    R  d/s          ",
    "PTCH  deg ROLL  deg                    ",
    "HDNG true HDNG  mag MVAR  deg          ",
    "dist   ft dist   nm                    ",
    " LAT  deg  LON  deg  ALT   ft          ",
    "   X    m    Y    m    Z    m          ",
    "POWR 1,hp POWR 2,hp POWR 3,hp POWR 4,hp",
    "THST 1,lb THST 2,lb THST 3,lb THST 4,lb",
    "NTRQ ftlb NTRQ ftlb NTRQ ftlb NTRQ ftlb",
    "RPM1  rpm RPM2  rpm RPM3  rpm RPM4  rpm",
    "PTCH  deg PTCH  deg PTCH  deg PTCH  deg",
    "PWSH   kt PWSH   kt PWSH   kt PWSH   kt",
    "MP 1 inhg MP 2 inhg MP 3 inhg MP 4 inhg",
    "N1 1 pcnt N1 2 pcnt N1 3 pcnt N1 4 pcnt",
    "FF 1 lb/h FF 2 lb/h FF 3 lb/h FF 4 lb/h",
    "LIFT   lb DRAG   lb SIDE   lb          ",
    "NORM   lb AXIL   lb SIDE   lb          ",
    "NOSE feet LEFT feet RIGT feet          ",
    " L/D  rat                              ",
    "PEF1  rat PEF2  rat PEF3  rat PEF4  rat",
    "AILN  deg AILN  deg                    ",
    "SPLR  deg SPLR  deg                    ",
    "ELEV  deg ELEV  deg                    ",
    "RUDD  deg                              ",
    "DRUD  deg DRUD  deg                    ",
    "CYCL  deg CYCL  deg                    ",
    "PALD   lb FUEL   lb JETI   lb          ",
    "EMPTY  lb GROS   lb                    ",
};

// Digits and decimals of the four values, per channel.
const signed char dig_table[50][4][2] = {
    {{4, 1}, {3, 2}}, {{4, 0}}, {{3, 1}, {3, 1}}, {{4, 3}}, {{4, 4}},
    {{4, 1}, {4, 1}}, {{4, 1}}, {{4, 1}},
    {{3, 3}, {3, 3}, {3, 3}, {3, 3}}, {{4, 0}, {4, 0}, {4, 0}, {4, 0}},
    {{3, 0}, {3, 0}, {3, 0}, {3, 0}}, {{3, 2}, {3, 2}, {3, 2}}, {{3, 2}, {3, 2}, {3, 2}},
    {{4, 2}, {3, 2}, {3, 2}}, {{1, 1}, {3, 2}, {3, 2}, {1, 1}}, {{4, 0}, {4, 0}}, {{4, 0}},
    {{4, 2}, {3, 1}}, {{3, 0}}, {{4, 0}}, {{4, 0}, {4, 0}, {4, 0}}, {{3, 0}, {3, 0}, {3, 0}},
    {{4, 1}, {4, 1}, {4, 1}}, {{3, 0}, {3, 0}}, {{3, 0}, {3, 0}, {2, 0}}, {{4, 0}, {4, 0}},
    {{3, 1}, {4, 1}, {4, 0}}, {{4, 0}, {4, 0}, {4, 0}},
    {{4, 0}, {4, 0}, {4, 0}, {4, 0}}, {{4, 0}, {4, 0}, {4, 0}, {4, 0}},
    {{4, 0}, {4, 0}, {4, 0}, {4, 0}}, {{4, 0}, {4, 0}, {4, 0}, {4, 0}},
    {{2, 0}, {2, 0}, {2, 0}, {2, 0}}, {{3, 0}, {3, 0}, {3, 0}, {3, 0}},
    {{3, 0}, {3, 0}, {3, 0}, {3, 0}}, {{3, 0}, {3, 0}, {3, 0}, {3, 0}},
    {{4, 0}, {4, 0}, {4, 0}, {4, 0}}, {{4, 0}, {4, 0}, {4, 0}}, {{4, 0}, {4, 0}, {4, 0}},
    {{3, 2}, {3, 2}, {3, 2}}, {{4, 2}}, {{4, 4}, {4, 4}, {4, 4}, {4, 4}},
    {{3, 1}, {3, 1}}, {{3, 1}, {3, 1}}, {{3, 1}, {3, 1}}, {{3, 1}}, {{3, 1}, {3, 1}},
    {{3, 1}, {3, 1}}, {{4, 0}, {4, 0}, {4, 0}}, {{4, 0}, {4, 0}},
};

bool absent(float v) { return std::fabs(v + 999.0f) <= 0.001f; }

// A quotient whose divisor is 0 is written as 0, so no NaN reaches the file.
float ratio(float num, float den) { return den != 0.0f ? num / den : 0.0f; }

// Column and row of a read-out slot.
void readout_xy(int slot, float& x0, float& y)
{
    x0 = slot < 5 ? 0.0f : 665.0f;
    y = 522.0f - 40.0f * (slot < 5 ? slot : slot - 5);
}

bool is_engine_channel(int index, bool& first_two_keep_for_heli)
{
    switch (index) {
    case 8: case 9: case 28: case 30: case 34: case 35: case 36: case 41:
        first_two_keep_for_heli = false;
        return true;
    case 29: case 31: case 32: case 33:
        first_two_keep_for_heli = true;
        return true;
    default:
        return false;
    }
}

// Decimals of v that its digits can hold: a value past the table's range
// (full throttle, 1.005, in three digits all decimals) gives up decimals
// rather than turn into the exponent form.
int fitting_decimals(float v, int digits, int decimals)
{
    double whole = std::pow(10.0, digits);
    while (decimals > 0 && std::floor(std::fabs((double)v) * std::pow(10.0, decimals) + 0.5) >= whole) --decimals;
    return decimals;
}

// The values of the engines the aircraft lacks become absent.
void clear_missing_engines(int index, float v[4])
{
    bool heli_keep = false;
    if (!is_engine_channel(index, heli_keep)) return;
    for (int k = 0; k < 4; ++k) {
        if (heli_keep && k < 2 && pln.is_heli) continue;
        if (pln.numen < k + 1) v[k] = ABSENT;
    }
}

}  // namespace

const char* channel_label(int index)
{
    return index >= 0 && index < 50 ? label_table[index] : nullptr;
}

void sub_out_dat(int type, int index, int misc_dat, float v1, float v2, float v3, float v4)
{
    float v[4] = {v1, v2, v3, v4};
    for (float& x : v) {
        if (std::isnan(x)) x = 0.0f;
        if (x > 9.9e9f) x = 9.9e9f;
        if (x < -9.9e9f) x = -9.9e9f;
    }
    clear_missing_engines(index, v);
    if (type == 6) {
        if (!trk.is_open()) return;
        char buf[40];
        for (float x : v) {
            if (absent(x)) continue;
            std::snprintf(buf, sizeof buf, "%9.2f | ", x);
            trk << buf;
        }
    } else if (type == 7) {
        if (misc_dat < 0 || misc_dat > 3 || grf.cntr < 0 || grf.cntr >= 1800) return;
        for (int k = 0; k < 4; ++k) grf.data[misc_dat][k][grf.cntr] = v[k];
    } else if (type == 8) {
        if (misc_dat < 0 || misc_dat > 9) return;
        float x0, y;
        readout_xy(misc_dat, x0, y);
        int t[4] = {0, 0, 0, 0}, d[4] = {0, 0, 0, 0};
        set_dig_dec(index, &t[0], &t[1], &t[2], &t[3], &d[0], &d[1], &d[2], &d[3]);
        for (int k = 0; k < 4; ++k)
            if (!absent(v[k])) OGL_number(47, x0 + 10 + 30 * k, y, v[k], t[k], fitting_decimals(v[k], t[k], d[k]), 6, 1);
    }
}

namespace {
// The four values of channel 0..49 as the table gives them, absent ones -999.
void channel_values(int index, float v[4])
{
    v[0] = v[1] = v[2] = v[3] = ABSENT;
    switch (index) {
    case 0: v[0] = ratio(1.0f, msc.prd); v[1] = msc.rtrat; break;
    case 1: v[0] = msc.elap_time; break;
    case 2: v[0] = msc.locl_time / 3600.0f; v[1] = msc.zulu_time / 3600.0f; break;
    case 3: v[0] = atm.crtsig; break;
    case 4: v[0] = atm.rho * con.medtoend; break;
    case 5: v[0] = flt.Alpha; v[1] = flt.Beta; break;
    case 6: v[0] = flt.hpath; break;
    case 7: v[0] = std::remainder(flt.vpath, 360.0f); break;
    case 8: for (int k = 0; k < 4; ++k) v[k] = flt.thro[k] + 0.005f; break;
    case 9: for (int k = 0; k < 4; ++k) v[k] = flt.prop[k] * con.rsctorpm; break;
    case 10: v[0] = pln.sweepnow[4]; v[1] = pln.sweepnow[6]; v[2] = pln.sweepnow[10]; v[3] = pln.vertcant[0]; break;
    case 11: v[0] = set.YK_ptch; v[1] = set.YK_roll; v[2] = set.YK_hdng; break;
    case 12: v[0] = set.FC_ptch; v[1] = set.FC_roll; v[2] = set.FC_hdng; break;
    case 13: v[0] = flt.elv_trim; v[1] = flt.flap; v[2] = flt.slat; break;
    case 14: v[0] = set.gear_handle ? 1.0f : 0.0f; v[3] = flt.sbrk; break;
    case 15: v[0] = flt.av * con.msctokts; v[1] = flt.vind; break;
    case 16: v[0] = flt.vY * con.msctofpm; break;
    case 17:
        v[0] = ratio(flt.av, atm.a);
        v[1] = std::sqrt(flt.aX * flt.aX + (flt.aY + con.g) * (flt.aY + con.g) + flt.aZ * flt.aZ) / con.g;
        break;
    case 18: v[0] = atm.a * con.msctokts; break;
    case 19: v[0] = flt.Qstatic * con.meptoenp; break;
    case 20: v[0] = flt.M * con.nmtoftlb; v[1] = flt.L * con.nmtoftlb; v[2] = flt.N * con.nmtoftlb; break;
    case 21: v[0] = flt.Qdot; v[1] = flt.Pdot; v[2] = flt.Rdot; break;
    case 22: v[0] = flt.Q; v[1] = flt.P; v[2] = flt.R; break;
    case 23: v[0] = flt.the; v[1] = flt.phi; break;
    case 24: v[0] = flt.psi; v[1] = flt.magpsi; v[2] = env.mvar; break;
    case 25: v[0] = flt.dist * con.mtrstoft; v[1] = flt.dist * con.mtrstonm; break;
    case 26: v[0] = flt.lat; v[1] = flt.lon; v[2] = flt.Y * con.mtrstoft; break;
    case 27: v[0] = flt.X; v[1] = flt.Y; v[2] = flt.Z; break;
    case 28: for (int k = 0; k < 4; ++k) v[k] = flt.power[k] * con.watttohp; break;
    case 29: for (int k = 0; k < 4; ++k) v[k] = flt.thrust[k] * con.ntntolbs; break;
    case 30: for (int k = 0; k < 4; ++k) v[k] = flt.trq[k] * con.nmtoftlb; break;
    case 31: for (int k = 0; k < 4; ++k) v[k] = flt.tac[k] * con.rsctorpm; break;
    case 32: for (int k = 0; k < 4; ++k) v[k] = flt.proppitch[k]; break;
    case 33: for (int k = 0; k < 4; ++k) v[k] = flt.DVinc[k] * con.msctokts; break;
    case 34: for (int k = 0; k < 4; ++k) v[k] = flt.mpr[k]; break;
    case 35: for (int k = 0; k < 4; ++k) v[k] = flt.n1_[k]; break;
    case 36: for (int k = 0; k < 4; ++k) v[k] = flt.ff_[k] * con.kgstolbs * 3600.0f; break;
    case 37:
        v[0] = flt.fnrmlaero * con.ntntolbs; v[1] = -flt.faxilaero * con.ntntolbs; v[2] = flt.fsideaero * con.ntntolbs;
        break;
    case 38:
        v[0] = flt.fnrmlprop * con.ntntolbs; v[1] = flt.faxilprop * con.ntntolbs; v[2] = flt.fsideprop * con.ntntolbs;
        break;
    case 39: for (int k = 0; k < 3; ++k) v[k] = pln.condef[k] * con.mtrstoft; break;
    case 40: v[0] = ratio(-flt.fnrmlaero, flt.faxilaero); break;
    case 41: for (int k = 0; k < 4; ++k) v[k] = ratio(flt.thrust[k] * flt.av, flt.power[k]); break;
    case 42: v[0] = flt.lailndef; v[1] = flt.railndef; break;
    case 43: v[0] = flt.lsplrdef; v[1] = flt.rsplrdef; break;
    case 44: v[0] = flt.lhstbdef; v[1] = flt.rhstbdef; break;
    case 45: v[0] = flt.ruddef; break;
    case 46: v[0] = flt.ldruddef; v[1] = flt.rdruddef; break;
    case 47: v[0] = pln.elevcyclic * set.FC_ptch; v[1] = pln.ailncyclic * set.FC_roll; break;
    case 48:
        v[0] = flt.m_fixed * con.kgstolbs; v[1] = flt.m_fuel * con.kgstolbs; v[2] = flt.m_jettison * con.kgstolbs;
        break;
    case 49: v[0] = pln.m_empty * con.kgstolbs; v[1] = flt.m_total * con.kgstolbs; break;
    }
}
} // namespace

void out_dat(int type, int index, int misc_dat)
{
    if (index < 0 || index >= 50) return;
    float v[4];
    channel_values(index, v);
    sub_out_dat(type, index, misc_dat, v[0], v[1], v[2], v[3]);
}

namespace {
// A label row cut into its four names (characters 0-3, 10-13, ...) and units (5-8, 15-18, ...).
void cut_label(const char* row, char name[4][5], char unit[4][5])
{
    for (int f = 0; f < 4; ++f) {
        std::memcpy(name[f], row + 10 * f, 4);
        std::memcpy(unit[f], row + 10 * f + 5, 4);
        name[f][4] = unit[f][4] = '\0';
    }
}

// The piece without its blanks, appended to out after one blank.
void append_word(char* out, int dim, const char* piece)
{
    char word[5];
    int n = 0;
    for (const char* c = piece; *c; ++c)
        if (*c != ' ') word[n++] = *c;
    word[n] = '\0';
    size_t len = std::strlen(out);
    if (n && len + 1 < (size_t)dim) std::snprintf(out + len, dim - len, "%s%s", len ? " " : "", word);
}
} // namespace

void channel_caption(int index, int room, char* out, int dim)
{
    if (dim < 1) return;
    out[0] = '\0';
    const char* row = channel_label(index);
    if (!row) return;
    char name[4][5], unit[4][5];
    cut_label(row, name, unit);
    for (int with_units = 1; with_units >= 0; --with_units) {
        out[0] = '\0';
        for (int f = 0; f < 4; ++f) {
            if (name[f][3] == ' ') continue;   // a field without a value
            append_word(out, dim, name[f]);
            if (with_units) append_word(out, dim, unit[f]);
        }
        if ((int)std::strlen(out) <= room) return;
    }
}

void sub_out_label(int type, int misc_dat, const char* row)
{
    char name[4][5], unit[4][5];
    cut_label(row, name, unit);
    if (type == 6) {
        if (!trk.is_open()) return;
        for (int f = 0; f < 4; ++f)
            for (int c = 0; c < 4; ++c) {
                if (name[f][c] == ' ') name[f][c] = '_';
                if (unit[f][c] == ' ') unit[f][c] = '_';
            }
        for (int f = 0; f < 4; ++f)
            if (name[f][3] != '_') trk << name[f] << ',' << unit[f] << " | ";
    } else if (type == 7) {
        static const int colour[4] = {4, 9, 7, 18};
        static const int dy[4] = {33, 12, -9, -30};
        for (int f = 0; f < 4; ++f) {
            OGL_string(colour[f], 14, misc_dat + dy[f], name[f], 800, 6);
            OGL_string(colour[f], 48, misc_dat + dy[f], unit[f], 800, 6);
        }
    } else if (type == 8) {
        if (misc_dat < 0 || misc_dat > 9) return;
        float x0, y;
        readout_xy(misc_dat, x0, y);
        for (int f = 0; f < 4; ++f) {
            OGL_string(47, x0 + 10 + 30 * f, y + 10, name[f], 800, 6);
            OGL_string(47, x0 + 10 + 30 * f, y - 10, unit[f], 800, 6);
        }
    }
}

void out_label(int type, int index, int misc_dat)
{
    if (index < 0 || index >= 50) return;
    if (type != 6) {
        sub_out_label(type, misc_dat, label_table[index]);
        return;
    }
    // The file names only the values its lines hold, so each value stands
    // under its own label: no missing engine, no brake without a value.
    float v[4];
    channel_values(index, v);
    clear_missing_engines(index, v);
    char row[40];
    std::memcpy(row, label_table[index], sizeof row);
    for (int f = 0; f < 4; ++f)
        if (absent(v[f])) std::memset(row + 10 * f, ' ', 10);
    sub_out_label(type, misc_dat, row);
}

void set_dig_dec(int en, int* t1, int* t2, int* t3, int* t4, int* d1, int* d2, int* d3, int* d4)
{
    if (en < 0 || en >= 50) return;
    const signed char(*r)[2] = dig_table[en];
    *t1 = r[0][0]; *t2 = r[1][0]; *t3 = r[2][0]; *t4 = r[3][0];
    *d1 = r[0][1]; *d2 = r[1][1]; *d3 = r[2][1]; *d4 = r[3][1];
}

void data_file_output()
{
    if (!set.dskout || !trk.is_open()) return;
    if (msc.cntr10 == 0) {
        trk << '\n';
        for (int c = 0; c < 60; ++c)
            if (set.Bdsk[c]) out_label(6, c, 0);
        trk << '\n';
    }
    for (int c = 0; c < 60; ++c)
        if (set.Bdsk[c]) out_dat(6, c, 0);
    trk << '\n';
}

void draw_readout()
{
    if (!set.rltout) return;
    for (int k = 0; k < 10; ++k) {
        if (set.rltsel[k] < 0) continue;
        out_label(8, set.rltsel[k], k);
        out_dat(8, set.rltsel[k], k);
    }
}

void update_graph()
{
    if (++grf.cntr >= GRAPH_SAMPLES) {
        grf.cntr = 0;
        grf.graphstruct_full = 1;
    }
    if (grf.graphstruct_full) grf.indexstart = wrap(grf.cntr + 1);
    grf.period[grf.cntr] = msc.prd;
    for (int g = 0; g < 4; ++g)
        if (set.grfsel[g] >= 0) out_dat(7, set.grfsel[g], g);
}
