// The instrument landing systems of the bundled database, as the build makes
// them from the runways and the simulator's loader reads them back.
#include "navdb_fixture.h"

#include "toolkit/codes.h"

#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {
class BundledIls : public NavFolder {
protected:
    void SetUp() override
    {
        NavFolder::SetUp();
        copy_bounded(app_path, KORVAN_PROGRAM_DIR "/", 400);
        init_country_data();
    }

    static int airport(const char* id)
    {
        for (int a = 0; a <= env.aptmax; ++a)
            if (strncmp(apt_id[a], id, 4) == 0) return a;
        return -1;
    }

    // The navaid of `type` with the localizer n's identifier.
    static int part_of(int n, int type)
    {
        for (int m = 0; m <= env.navmax - 2; ++m)
            if (nav_type[m] == type && strcmp(nav_id[m], nav_id[n]) == 0) return m;
        return -1;
    }
};

double distance_nm(double lat1, double lon1, double lat2, double lon2)
{
    double p1 = lat1 * M_PI / 180, p2 = lat2 * M_PI / 180, dl = (lon2 - lon1) * M_PI / 180;
    double c = std::sin(p1) * std::sin(p2) + std::cos(p1) * std::cos(p2) * std::cos(dl);
    return 3440.065 * std::acos(std::fmin(1.0, std::fmax(-1.0, c)));
}

// Metres along runway k of airport a from its middle (toward its first end's
// heading) and to the right of it, on the flat of the runway's latitude.
void runway_offsets(int a, int k, double lat, double lon, double* along, double* across)
{
    double m_per_deg = 60 * 1852.0;
    double north = (lat - apt_lat[a][k]) * m_per_deg;
    double east = (lon - apt_lon[a][k]) * m_per_deg * std::cos(apt_lat[a][k] * M_PI / 180);
    double h = apt_hdng[a][k] * M_PI / 180;
    *along = east * std::sin(h) + north * std::cos(h);
    *across = east * std::cos(h) - north * std::sin(h);
}
} // namespace

// Los Angeles 25L, from its record (middle 33.935516 N 118.400887 W, heading
// 83 from 07R, 11,095 ft, no displaced threshold, field 125 ft), worked out on
// the sphere by hand: the localizer 1,000 ft past the 07R end, the glide slope
// 1,000 ft past the 25L threshold and 400 ft left of the centre line, the
// outer marker 5 nm and the middle marker 3,500 ft before the threshold.
TEST_F(BundledIls, LosAngeles25LStandsWhereWorkedOutByHand)
{
    int loc = -1;
    for (int n = 0; n <= env.navmax - 2 && loc < 0; ++n)
        if (nav_type[n] == 4 && strcmp(nav_name[n], "Rwy 25L Los Angeles International Airp") == 0) loc = n;
    ASSERT_GE(loc, 0);
    int gs = part_of(loc, 6), om = part_of(loc, 7), mm = part_of(loc, 8);
    ASSERT_GE(gs, 0);
    ASSERT_GE(om, 0);
    ASSERT_GE(mm, 0);
    struct {
        int n;
        double lat, lon, tolerance;
    } want[] = {
        {loc, 33.9333254, -118.4223719, 1e-5},
        {gs, 33.9359458, -118.3858030, 1e-5},
        {om, 33.9474847, -118.2829753, 1e-4},   // 5 nm: the flat and the sphere part by 5 m
        {mm, 33.9385386, -118.3711970, 1e-5},
    };
    for (const auto& w : want) {
        SCOPED_TRACE(nav_type[w.n]);
        EXPECT_NEAR(nav_lat[w.n], w.lat, w.tolerance);
        EXPECT_NEAR(nav_lon[w.n], w.lon, w.tolerance);
        EXPECT_EQ(nav_hdng[w.n], 263);
        EXPECT_NEAR(nav_h[w.n], 125 * 0.3048f, 1e-3);
    }
    // The glide slope shares its localizer's frequency, as the receivers
    // pair them; the markers send on 75 MHz.
    EXPECT_EQ(nav_f12[gs], nav_f12[loc]);
    EXPECT_EQ(nav_f12[om], 7500);
    EXPECT_EQ(std::string(nav_id[loc]).substr(0, 1), "I");
    EXPECT_EQ(strlen(nav_id[loc]), 4u);

    // Its runway's light code: the 25L end (the second) has a four-light
    // glide-slope indicator and approach lights, as has 07R.
    int a = airport("KLAX");
    ASSERT_GE(a, 0);
    int k = 0;
    while (k < 3 && !(apt_num[a][k] == 7 && apt_lr[a][k] == 'R')) ++k;
    ASSERT_LT(k, 3);
    int typ, gls[2], rwy[2], app[2];
    code_to_lgts(&typ, gls, rwy, app, apt_lite[a][k]);
    for (int e = 0; e < 2; ++e) {
        EXPECT_EQ(gls[e], 3);
        EXPECT_EQ(app[e], 4);
        EXPECT_EQ(rwy[e], 2);
    }
    EXPECT_EQ(typ, 28);   // concrete, as before
}

// Over the whole database: the channel plan, the 150 nm separation, each
// localizer with its glide slope and two markers, identifiers and names
// that find one station only.
TEST_F(BundledIls, ChannelsIdentifiersAndPartsOverTheWholeDatabase)
{
    std::set<int> plan;
    for (int mhz = 108; mhz <= 111; ++mhz)
        for (int tenth = 1; tenth <= 9; tenth += 2) {
            plan.insert(mhz * 100 + tenth * 10);
            plan.insert(mhz * 100 + tenth * 10 + 5);
        }
    std::vector<int> locs;
    std::map<std::string, int> ids, names;
    std::map<int, int> count_of_type;
    for (int n = 0; n <= env.navmax - 2; ++n) {
        ++count_of_type[nav_type[n]];
        if (nav_type[n] == 4) locs.push_back(n);
        names[nav_name[n]]++;
        if (nav_type[n] == 2 || nav_type[n] == 3 || nav_type[n] == 4) ids[nav_id[n]]++;
    }
    ASSERT_GT(locs.size(), 1500u);
    EXPECT_EQ(count_of_type[5], 0);
    for (int t : {6, 7, 8}) EXPECT_EQ(count_of_type[t], (int)locs.size()) << t;

    for (size_t i = 0; i < locs.size(); ++i) {
        int n = locs[i];
        SCOPED_TRACE(nav_name[n]);
        ASSERT_TRUE(plan.count(nav_f12[n])) << nav_f12[n];
        ASSERT_EQ(ids[nav_id[n]], 1) << nav_id[n];   // no VOR, NDB or other localizer
        ASSERT_EQ(names[nav_name[n]], 1);           // the controller finds it by its name
        int gs = part_of(n, 6);
        ASSERT_GE(gs, 0);
        ASSERT_EQ(nav_f12[gs], nav_f12[n]);
        ASSERT_EQ(nav_hdng[gs], nav_hdng[n]);
        ASSERT_GE(part_of(n, 7), 0);
        ASSERT_GE(part_of(n, 8), 0);
        for (size_t j = i + 1; j < locs.size(); ++j) {
            int m = locs[j];
            if (nav_f12[m] != nav_f12[n]) continue;
            ASSERT_GE(distance_nm(nav_lat[n], nav_lon[n], nav_lat[m], nav_lon[m]), 150) << nav_name[m];
        }
    }
}

// Both ends of every long hard runway of some large airports (Honolulu's too,
// which the source calls unlit) and of the home airport: a localizer on the
// centre line past the far end, on the runway's course, and the end lit for it.
TEST_F(BundledIls, LongRunwaysOfLargeAndHomeAirportsHaveThemAtBothEnds)
{
    int ends = 0;
    for (const char* id : {"KLAX", "KSFO", "EGLL", "YSSY", "PHNL", "KJFK", "KSBD"}) {
        int a = airport(id);
        ASSERT_GE(a, 0) << id;
        int ends_here = ends;
        for (int k = 0; k < 3; ++k) {
            int typ, gls[2], rwy[2], app[2];
            code_to_lgts(&typ, gls, rwy, app, apt_lite[a][k]);
            if (apt_len[a][k] < 1829 || rwy[0] < 2 || (typ != 27 && typ != 28)) continue;   // 6,000 ft
            for (int e = 0; e < 2; ++e) {
                SCOPED_TRACE(std::string(id) + " runway " + std::to_string(k) + " end " + std::to_string(e));
                EXPECT_EQ(gls[e], 3);
                int course = (apt_hdng[a][k] + 180 * e) % 360, found = 0;
                for (int n = 0; n <= env.navmax - 2; ++n) {
                    if (nav_type[n] != 4 || nav_hdng[n] != course) continue;
                    double along, across;
                    runway_offsets(a, k, nav_lat[n], nav_lon[n], &along, &across);
                    double beyond = (e == 0 ? along : -along) - apt_len[a][k] / 2.0;
                    if (std::fabs(across) < 2 && std::fabs(beyond - 304.8) < 2) found = 1;
                }
                EXPECT_TRUE(found);
                ++ends;
            }
        }
        EXPECT_GE(ends - ends_here, 2) << id << " has no landing system";
    }
    EXPECT_GE(ends, 20);
}
