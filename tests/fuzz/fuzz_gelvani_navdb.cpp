// Gelvani's airport and navaid databases: the input read as "apt_dat" and as
// "nav_dat", saved, and read again. What was accepted comes back as it was
// read: the same records, identifiers and names, numbers within the
// precision the lines are written with.
#include "fuzz_support.h"

#include "tools/Gelvani/gelvani_records.h"
#include "tools/Gelvani/nav_files.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

using namespace gelvani;

namespace {
struct airports {
    int max;
    float lat[APT_SLOTS][3], lon[APT_SLOTS][3], h[APT_SLOTS];
    int num[APT_SLOTS][3], hdng[APT_SLOTS][3], len[APT_SLOTS][3], width[APT_SLOTS][3], lite[APT_SLOTS][3];
    char lr[APT_SLOTS][3];
    int twr[APT_SLOTS];
    char id[APT_SLOTS][5], name[APT_SLOTS][NAME_DIM];
};

struct navaids {
    int max;
    int type[NAV_SLOTS], f12[NAV_SLOTS], hdng[NAV_SLOTS];
    float lat[NAV_SLOTS], lon[NAV_SLOTS], h[NAV_SLOTS];
    char id[NAV_SLOTS][5], name[NAV_SLOTS][NAME_DIM];
};

airports apt_read;
navaids nav_read;

void keep(airports& a)
{
    a.max = msc.aptmax;
    for (int k = 0; k <= a.max; ++k) {
        memcpy(a.lat[k], apt_lat[k], sizeof a.lat[k]);
        memcpy(a.lon[k], apt_lon[k], sizeof a.lon[k]);
        memcpy(a.num[k], apt_num[k], sizeof a.num[k]);
        memcpy(a.hdng[k], apt_hdng[k], sizeof a.hdng[k]);
        memcpy(a.len[k], apt_len[k], sizeof a.len[k]);
        memcpy(a.width[k], apt_width[k], sizeof a.width[k]);
        memcpy(a.lite[k], apt_lite[k], sizeof a.lite[k]);
        memcpy(a.lr[k], apt_lr[k], sizeof a.lr[k]);
        a.h[k] = apt_h[k];
        a.twr[k] = apt_twr[k];
        memcpy(a.id[k], apt_id[k], sizeof a.id[k]);
        memcpy(a.name[k], apt_name[k], sizeof a.name[k]);
    }
}

void keep(navaids& n)
{
    n.max = msc.navmax;
    for (int k = 0; k <= n.max; ++k) {
        n.type[k] = nav_type[k];
        n.f12[k] = nav_f12[k];
        n.hdng[k] = nav_hdng[k];
        n.lat[k] = nav_lat[k];
        n.lon[k] = nav_lon[k];
        n.h[k] = nav_h[k];
        memcpy(n.id[k], nav_id[k], sizeof n.id[k]);
        memcpy(n.name[k], nav_name[k], sizeof n.name[k]);
    }
}

// The same number, give or take the last digit the line keeps.
int near(float a, float b, float step)
{
    if (a == b) return 1;
    return std::fabs(a - b) <= step * (1 + 1e-6f * std::fabs(a) / step);
}

int text_same(const char* a, const char* b, int dim)
{
    return strncmp(a, b, (size_t)dim) == 0;
}

void same_airports(const airports& a)
{
    if (msc.aptmax != a.max) abort();
    for (int k = 0; k <= a.max; ++k) {
        for (int r = 0; r < 3; ++r) {
            if (!near(apt_lat[k][r], a.lat[k][r], 1e-6f) || !near(apt_lon[k][r], a.lon[k][r], 1e-6f)) abort();
            if (apt_num[k][r] != a.num[k][r] || apt_hdng[k][r] != a.hdng[k][r] || apt_len[k][r] != a.len[k][r] ||
                apt_width[k][r] != a.width[k][r] || apt_lite[k][r] != a.lite[k][r] || apt_lr[k][r] != a.lr[k][r])
                abort();
        }
        if (!near(apt_h[k], a.h[k], 1) || (apt_twr[k] != 0) != (a.twr[k] != 0)) abort();
        if (!text_same(apt_id[k], a.id[k], 5) || !text_same(apt_name[k], a.name[k], NAME_DIM)) abort();
    }
}

void same_navaids(const navaids& n)
{
    if (msc.navmax != n.max) abort();
    for (int k = 0; k <= n.max; ++k) {
        if (nav_type[k] != n.type[k] || nav_f12[k] != n.f12[k] || nav_hdng[k] != n.hdng[k]) abort();
        if (!near(nav_lat[k], n.lat[k], 1e-6f) || !near(nav_lon[k], n.lon[k], 1e-6f) || !near(nav_h[k], n.h[k], 0.1f))
            abort();
        if (!text_same(nav_id[k], n.id[k], 5) || !text_same(nav_name[k], n.name[k], NAME_DIM)) abort();
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz_start_run();
    for (const char* name : {"apt_dat", "nav_dat"})
        fuzz_put(std::string("additional nav data/") + name, data, size);
    set_nav_paths();
    // Slots past the last record must not hold an earlier run's navaids.
    memset(nav_type, 0, sizeof nav_type);
    if (fuzz_read(load_airports)) {
        keep(apt_read);
        if (!fuzz_read(write_airports) || !fuzz_read(load_airports)) abort();
        same_airports(apt_read);
    }
    fuzz_start_run();
    if (fuzz_read(load_navaids)) {
        keep(nav_read);
        if (!fuzz_read(write_navaids) || !fuzz_read(load_navaids)) abort();
        same_navaids(nav_read);
    }
    return 0;
}
