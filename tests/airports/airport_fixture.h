// Airports written as database lines, read by the database loader and built
// in a flat window around them.
#pragma once

#include "tests/navdb/navdb_fixture.h"

#include "world/coordinates.h"
#include "shell/MENUS.h"
#include "world/runways.h"
#include "world/world_services.h"
#include "tests/support/flat_window.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

// One runway placed by its offset in metres north and east of the fixture's
// base point; length 0 leaves the slot unused.
struct fixture_rway {
    float north_m = 0, east_m = 0;
    int hdng = 0;
    int len_ft = 0, width_ft = 0;
    int lite = 1121121;
};

class Airports : public NavFolder {
protected:
    static constexpr float base_lat = 34.1f, base_lon = -117.2f;

    void SetUp() override
    {
        NavFolder::SetUp();
        fill_trig_tables();
        memset(&scn, 0, sizeof scn);
        memset(obj_type, 0, sizeof obj_type);
        memset(obj_xyz, 0, sizeof obj_xyz);
    }

    static std::string airport(const std::vector<fixture_rway>& rways, int tower = 1, const char* id = "KTST")
    {
        std::string line = "1 ";
        char buf[200];
        for (int r = 0; r < 3; ++r) {
            fixture_rway w = r < (int)rways.size() ? rways[r] : fixture_rway{};
            float lat = base_lat + w.north_m / (60 * 1852.0f);
            float lon = base_lon + w.east_m / (60 * 1852.0f * std::cos(base_lat * 0.0174533f));
            if (w.len_ft == 0) lat = lon = 0;
            snprintf(buf, sizeof buf, " %.6f %.6f %d x %d %d %d %d", lat, lon, w.len_ft ? 18 : 0, w.hdng, w.len_ft,
                     w.width_ft, w.lite);
            line += buf;
        }
        return line + " 1000 " + std::to_string(tower) + " " + id + " Test Field\n";
    }

    // Reads the airports and opens the flat window around the base point.
    void load(const std::string& lines)
    {
        put_database(lines, "", "");
        init_country_data();
        env.lat_sou = 33;
        env.lon_wes = -119;
        flat_window(304.8f);
    }

    void build(int a, int w)
    {
        apt_to_index[a] = w;
        build_apt(a, w);
    }

    static float X(int w, int r) { return X_with_latlon(apt_lat[w][r], apt_lon[w][r]); }
    static float Z(int w, int r) { return Z_with_lat(apt_lat[w][r]); }
    static const float* pt(int a, int r, int i) { return scn.rwayxyz[a][r][i]; }
    static bool cleared(int a, int r, int i) { return pt(a, r, i)[0] == 0 && pt(a, r, i)[2] == 0; }
};
