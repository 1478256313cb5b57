#include "terrain_build.h"

#include "world_import.h"

#include "toolkit/HL_TYPES.h"
#include "world/INITNAV.h"
#include "records/world_state.h"
#include "world/world_window.h"

#include <algorithm>
#include <cmath>
#include <netcdf.h>

namespace {
const double BIN_DEG = 2.0;
const double UNITS = 65535.0;

template <typename T>
int read_var(int nc, const char* name, std::vector<T>* out)
{
    int id, dims[4], nd;
    if (nc_inq_varid(nc, name, &id) != NC_NOERR) return 0;
    if (nc_inq_varndims(nc, id, &nd) != NC_NOERR || nd != 1) return 0;
    nc_inq_vardimid(nc, id, dims);
    size_t len;
    nc_inq_dimlen(nc, dims[0], &len);
    std::vector<int> tmp(len);
    if (nc_get_var_int(nc, id, tmp.data()) != NC_NOERR) return 0;
    out->assign(tmp.begin(), tmp.end());
    return 1;
}

int seg_points(int info)
{
    return (int)((unsigned)info >> 9);
}

int seg_level(int info)
{
    return (info >> 6) & 7;
}

int seg_closed(int info)
{
    return (info & 7) == 4 && ((info >> 3) & 7) == 4;
}

// A level-k segment crossed toggles the level between k - 1 and k.
int toggled(int level, int k)
{
    return level == k ? k - 1 : k;
}

struct crossing {
    double at;
    int level;
};

// Crossings of the bin's segments with the path from the south-west corner
// up the bin's west side to row y, then east along the row to x.
int level_in_bin(const gshhg_bins& g, int bin, double x, double y)
{
    static std::vector<crossing> up, along;
    up.clear();
    along.clear();
    const double x_path = 0.5;
    for (int s = g.first_seg[bin]; s < g.first_seg[bin] + g.n_seg[bin]; ++s) {
        int info = g.seg_info[s], n = seg_points(info), k = seg_level(info);
        int p0 = g.seg_first[s];
        int edges = seg_closed(info) ? n : n - 1;
        for (int e = 0; e < edges; ++e) {
            int a = p0 + e, b = p0 + (e + 1) % n;
            double x1 = g.dlon[a], y1 = g.dlat[a], x2 = g.dlon[b], y2 = g.dlat[b];
            if ((x1 > x_path) != (x2 > x_path)) {
                double yc = y1 + (x_path - x1) * (y2 - y1) / (x2 - x1);
                if (yc >= 0 && yc < y) up.push_back({yc, k});
            }
            if ((y1 > y) != (y2 > y)) {
                double xc = x1 + (y - y1) * (x2 - x1) / (y2 - y1);
                if (xc >= x_path && xc < x) along.push_back({xc, k});
            }
        }
    }
    auto by_at = [](const crossing& a, const crossing& b) { return a.at < b.at || (a.at == b.at && a.level < b.level); };
    std::sort(up.begin(), up.end(), by_at);
    std::sort(along.begin(), along.end(), by_at);
    int level = (g.corner_levels[bin] >> 9) & 7;
    for (const crossing& c : up) level = toggled(level, c.level);
    for (const crossing& c : along) level = toggled(level, c.level);
    return level;
}

double dist2(double lat1, double lon1, double lat2, double lon2)
{
    double c = std::cos((lat1 + lat2) * 0.5 * M_PI / 180);
    double dx = (lon2 - lon1) * c, dy = lat2 - lat1;
    return dx * dx + dy * dy;
}

// Sea shoreline points (level-1 segments) of the bins round the square.
void shoreline(const gshhg_bins& g, int lat, int lon, double margin, std::vector<height_point>* out)
{
    out->clear();
    for (double blat = lat - margin; blat <= lat + 1 + margin; blat += BIN_DEG) {
        for (double blon = lon - margin; blon <= lon + 1 + margin; blon += BIN_DEG) {
            double x, y;
            int bin = gshhg_bin_of(g, blat, blon, &x, &y);
            if (bin < 0) continue;
            int row = bin / g.bins_lon, col = bin % g.bins_lon;
            double slat = 90 - BIN_DEG * (row + 1), slon = BIN_DEG * col;
            for (int s = g.first_seg[bin]; s < g.first_seg[bin] + g.n_seg[bin]; ++s) {
                if (seg_level(g.seg_info[s]) != 1) continue;
                int n = seg_points(g.seg_info[s]);
                for (int p = g.seg_first[s]; p < g.seg_first[s] + n; ++p) {
                    double plat = slat + g.dlat[p] * BIN_DEG / UNITS;
                    double plon = slon + g.dlon[p] * BIN_DEG / UNITS;
                    if (plon > 180) plon -= 360;
                    if (plat < lat - margin || plat > lat + 1 + margin || plon < lon - margin ||
                        plon > lon + 1 + margin)
                        continue;
                    out->push_back({plat, plon, 0});
                }
            }
        }
    }
    std::sort(out->begin(), out->end(), [](const height_point& a, const height_point& b) {
        return a.lat < b.lat || (a.lat == b.lat && a.lon < b.lon);
    });
    out->erase(std::unique(out->begin(), out->end(),
                           [](const height_point& a, const height_point& b) { return a.lat == b.lat && a.lon == b.lon; }),
               out->end());
}

// One point per small cell: the nearest-shore search stays short.
std::vector<height_point> thinned(const std::vector<height_point>& pts, double cell)
{
    std::vector<height_point> out;
    long long last = -1;
    std::vector<long long> seen;
    for (const height_point& p : pts) {
        long long key = (long long)std::floor((p.lat + 90) / cell) * 100000 + (long long)std::floor((p.lon + 180) / cell);
        if (key == last || std::find(seen.end() - std::min<size_t>(seen.size(), 64), seen.end(), key) != seen.end())
            continue;
        seen.push_back(key);
        last = key;
        out.push_back(p);
    }
    return out;
}

float interpolated(double lat, double lon, const std::vector<height_point>& near, const std::vector<height_point>& shore)
{
    // The 8 nearest height points and the nearest sea shore at 0 m, weighed
    // by the inverse squared distance.
    double best[9];
    float val[9];
    int n = 0;
    for (const height_point& p : near) {
        double d = dist2(lat, lon, p.lat, p.lon);
        if (d < 1e-14) return p.h;
        int k = 7;
        if (n < 8) k = n++;
        else if (d >= best[7]) continue;
        best[k] = d, val[k] = p.h;
        for (int m = k; m > 0 && best[m] < best[m - 1]; --m) std::swap(best[m], best[m - 1]), std::swap(val[m], val[m - 1]);
    }
    double ds = 1e30;
    for (const height_point& p : shore) ds = std::min(ds, dist2(lat, lon, p.lat, p.lon));
    if (ds < 1e-14) return 0;
    if (ds < 1e30) best[n] = ds, val[n] = 0, ++n;
    double wsum = 0, hsum = 0;
    for (int k = 0; k < n; ++k) {
        double w = 1 / best[k];
        wsum += w;
        hsum += w * val[k];
    }
    return wsum > 0 ? (float)(hsum / wsum) : 0.0f;
}
} // namespace

int gshhg_load(const char* path, gshhg_bins* g)
{
    int nc;
    if (nc_open(path, NC_NOWRITE, &nc) != NC_NOERR) return 0;
    std::vector<int> lon16, lat16;
    int ok = read_var(nc, "Id_of_first_segment_in_a_bin", &g->first_seg) &&
             read_var(nc, "N_segments_in_a_bin", &g->n_seg) &&
             read_var(nc, "Embedded_node_levels_in_a_bin", &g->corner_levels) &&
             read_var(nc, "Embedded_npts_levels_exit_entry_for_a_segment", &g->seg_info) &&
             read_var(nc, "Id_of_first_point_in_a_segment", &g->seg_first) &&
             read_var(nc, "Relative_longitude_from_SW_corner_of_bin", &lon16) &&
             read_var(nc, "Relative_latitude_from_SW_corner_of_bin", &lat16);
    nc_close(nc);
    if (!ok || (int)g->first_seg.size() != g->bins_lon * g->bins_lat) return 0;
    // Stored as signed 16-bit; the offsets are unsigned.
    g->dlon.resize(lon16.size());
    g->dlat.resize(lat16.size());
    for (size_t k = 0; k < lon16.size(); ++k) g->dlon[k] = (uint16_t)lon16[k];
    for (size_t k = 0; k < lat16.size(); ++k) g->dlat[k] = (uint16_t)lat16[k];
    for (int& c : g->corner_levels) c &= 0xFFFF;
    for (int& n : g->n_seg) n &= 0xFFFF;
    return 1;
}

int gshhg_bin_of(const gshhg_bins& g, double lat, double lon, double* x, double* y)
{
    double e = std::fmod(lon + 360.0, 360.0);
    int col = (int)std::floor(e / BIN_DEG);
    int row = (int)std::floor((90 - lat) / BIN_DEG);
    if (lat <= -90) row = g.bins_lat - 1;
    if (row < 0) row = 0;
    if (row >= g.bins_lat || col < 0 || col >= g.bins_lon) return -1;
    *x = (e - col * BIN_DEG) / BIN_DEG * UNITS;
    *y = (lat - (90 - BIN_DEG * (row + 1))) / BIN_DEG * UNITS;
    return row * g.bins_lon + col;
}

int gshhg_level(const gshhg_bins& g, double lat, double lon)
{
    double x, y;
    int bin = gshhg_bin_of(g, lat, lon, &x, &y);
    if (bin < 0) return 0;
    return level_in_bin(g, bin, x, y);
}

void build_square(const gshhg_bins& g, int lat, int lon, const std::vector<height_point>& heights,
                  const std::vector<runway_flat>& runways, env_grid* grid, std::vector<height_point>* shore)
{
    static std::vector<height_point> coast, near;
    shoreline(g, lat, lon, 0.5, &coast);
    std::vector<height_point> coast_near = thinned(coast, 0.01);
    near.clear();
    for (double reach = 1; near.size() < 8 && reach <= 8; reach *= 2) {
        near.clear();
        for (const height_point& p : heights)
            if (p.lat >= lat - reach && p.lat <= lat + 1 + reach && p.lon >= lon - reach && p.lon <= lon + 1 + reach)
                near.push_back(p);
    }

    static int level[ENV_COLS][ENV_ROWS];
    for (int j = 0; j < ENV_ROWS; ++j) {
        for (int i = 0; i < ENV_COLS; ++i) {
            double plat = lat + (double)j / (ENV_ROWS - 1), plon = lon + (double)i / (ENV_COLS - 1);
            level[i][j] = gshhg_level(g, plat, plon);
            grid->lat[i][j] = (float)plat;
            grid->lon[i][j] = (float)plon;
            int water = level[i][j] % 2 == 0;
            grid->flags[i][j] = water ? ENV_WATER_FLAGS : 0;
            grid->elev[i][j] = level[i][j] == 0 ? 0.0f : interpolated(plat, plon, near, coast_near);
        }
    }

    // Runways: the cells under their boxes are land at the airport's elevation.
    float deg = 60 * con.nmtomtrs;
    for (const runway_flat& r : runways) {
        if (!(r.lat >= lat - 0.1 && r.lat <= lat + 1.1 && r.lon >= lon - 0.1 && r.lon <= lon + 1.1)) continue;
        float xlo, xhi, zlo, zhi;
        runway_box(0, 0, r.width, r.len, r.hdng, &xlo, &xhi, &zlo, &zhi);
        float c = std::cos(r.lat * con.degtorad);
        for (int i = 0; i < ENV_COLS - 1; ++i) {
            for (int j = 0; j < ENV_ROWS - 1; ++j) {
                float cx1 = (grid->lon[i][j] - r.lon) * deg * c, cx2 = (grid->lon[i + 1][j] - r.lon) * deg * c;
                float cz1 = -(grid->lat[i][j + 1] - r.lat) * deg, cz2 = -(grid->lat[i][j] - r.lat) * deg;
                if (!overlaps(cx1, cx2, xlo, xhi) || !overlaps(cz1, cz2, zlo, zhi)) continue;
                for (int a = 0; a < 2; ++a) {
                    for (int b = 0; b < 2; ++b) {
                        grid->elev[i + a][j + b] = r.h;
                        grid->flags[i + a][j + b] = 0;
                    }
                }
            }
        }
    }

    shore->clear();
    std::vector<height_point> inside;
    for (const height_point& p : coast)
        if (p.lat >= lat && p.lat <= lat + 1 && p.lon >= lon && p.lon <= lon + 1) inside.push_back(p);
    size_t step = (inside.size() + 2999) / 3000;
    for (size_t k = 0; k < inside.size(); k += std::max<size_t>(step, 1)) shore->push_back(inside[k]);
}

int database_heights(const char* runways_csv, std::vector<height_point>* heights, std::vector<runway_flat>* runways)
{
    heights->clear();
    runways->clear();
    for (int a = 0; a <= env.aptmax && a < APT_CAP; ++a) {
        heights->push_back({apt_lat[a][0], apt_lon[a][0], apt_h[a]});
        for (int r = 0; r < 3; ++r)
            if (apt_len[a][r] > 0)
                runways->push_back({apt_lat[a][r], apt_lon[a][r], apt_width[a][r], apt_len[a][r], apt_hdng[a][r], apt_h[a]});
    }
    // A navaid without an elevation in the source data reads 0: it says
    // nothing. Only the source's NDBs and VORs count: the landing systems
    // made from the runways add no height of their own.
    for (int n = 0; n <= env.navmax && n < NAV_CAP; ++n)
        if (nav_h[n] > 0 && (nav_type[n] == 2 || nav_type[n] == 3)) heights->push_back({nav_lat[n], nav_lon[n], nav_h[n]});
    std::vector<runway_end_height> ends;
    if (!read_runway_end_heights(runways_csv, &ends)) return 0;
    for (const runway_end_height& e : ends) heights->push_back({e.lat, e.lon, (float)(e.elev_ft * con.fttomtrs)});
    return 1;
}
