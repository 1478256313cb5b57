// Every airport of six windows of the bundled database, built by the menu
// rebuild of the window load: finite points, centre lines inside the box
// the terrain square flattens, hangars and towers.
#include "airport_fixture.h"

#include "records/flight_state.h"
#include "toolkit/HL_FUNCT.h"

namespace {
// The box the terrain square flattens under a runway: half a width to the
// left of the centre line, four and a half to the right, the whole length,
// turned by the heading. It is centred on the runway's own reference point
// here, so that only the turn and the sides are compared.
void runway_box(int w, int r, float* xmin, float* xmax, float* zmin, float* zmax)
{
    float cx = X_with_latlon(apt_lat[w][r], apt_lon[w][r]);
    float cz = Z_with_lat(apt_lat[w][r]);
    int h = apt_hdng[w][r];
    *xmin = *zmin = 1e30f;
    *xmax = *zmax = -1e30f;
    for (float a : {-0.5f * apt_width[w][r], 4.5f * apt_width[w][r]})
        for (float b : {-0.5f * apt_len[w][r], 0.5f * apt_len[w][r]}) {
            float x = cx + a * lookup_cos[h] - b * lookup_sin[h];
            float z = cz + b * lookup_cos[h] + a * lookup_sin[h];
            *xmin = fltmin2(*xmin, x);
            *xmax = fltmax2(*xmax, x);
            *zmin = fltmin2(*zmin, z);
            *zmax = fltmax2(*zmax, z);
        }
}
} // namespace

TEST_F(Airports, BundledWindowsBuildEveryAirport)
{
    copy_bounded(app_path, KORVAN_PROGRAM_DIR "/", 400);
    init_country_data();
    const char* centres[6] = {"KSBD", "KSEA", "KJFK", "KDEN", "EGLL", "LFPG"};
    int checked_runways = 0;
    for (const char* id : centres) {
        SCOPED_TRACE(id);
        int c = -1;
        for (int a = 0; a <= env.aptmax; ++a)
            if (strncmp(apt_id[a], id, 4) == 0) c = a;
        ASSERT_GE(c, 0);
        memset(obj_type, 0, sizeof obj_type);
        msc.loc_apt_wrl = c;
        env.lat_sou = round(apt_lat[c][0] - 1);
        env.lon_wes = round(apt_lon[c][0] - 1.5f);
        load_region();
        ASSERT_GT(apt_listed, 0);
        for (int n = 0; n < apt_listed; ++n) {
            int w = apt_to_index[n];
            SCOPED_TRACE(apt_id[w]);
            int any = first_rway(w) >= 0;
            EXPECT_EQ(env.rwaymax[n] >= 0, any);
            for (int k = 0; k < 4; ++k) EXPECT_EQ(obj_type[5 * n + k], any ? 97 : 0) << k;
            EXPECT_EQ(obj_type[5 * n + 4], any && apt_twr[w] ? 1 : 0);
            for (int r = 0; r < 3; ++r) {
                if (!rway_counts(w, r)) continue;
                ++checked_runways;
                for (int i = 0; i <= 812; ++i)
                    for (int k = 0; k < 3; ++k) ASSERT_TRUE(std::isfinite(scn.rwayxyz[n][r][i][k])) << r << " " << i;
                float x1, x2, z1, z2;
                runway_box(w, r, &x1, &x2, &z1, &z2);
                for (int i = 100; i <= env.RCLSmax[n][r]; ++i) {
                    const float* p = scn.rwayxyz[n][r][i];
                    ASSERT_TRUE(p[0] >= x1 - 0.5f && p[0] <= x2 + 0.5f && p[2] >= z1 - 0.5f && p[2] <= z2 + 0.5f)
                        << "runway " << r << " light " << i;
                }
            }
        }
    }
    EXPECT_GT(checked_runways, 50);
}
