// The station search over a small navaid table around an aircraft at 35 N,
// 116.5 W in the fixture's window.
#include "flight_fixture.h"

#include "records/cockpit_state.h"
#include "cockpit/cockpit_services.h"
#include "world/coordinates.h"
#include "records/flight_state.h"
#include "toolkit/HL_TYPES.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

const float LAT = 35, LON = -116.5f;

struct navaid {
    int type;
    float dlat, dlon;   // from the aircraft, degrees
    int f12, hdng;
    const char* id;
};

struct Receivers : FlightTest {
    void SetUp() override
    {
        FlightTest::SetUp();
        rel.radios = 1;
        place(0);
    }
    static void place(float feet)
    {
        flt.lat = LAT;
        flt.lon = LON;
        flt.X = X_with_latlon(LAT, LON);
        flt.Z = Z_with_lat(LAT);
        flt.Y = feet * con.fttomtrs;
    }
    static void database(const std::vector<navaid>& list)
    {
        env.navmax = (int)list.size() - 1;
        for (size_t n = 0; n < list.size(); ++n) {
            const navaid& a = list[n];
            nav_type[n] = a.type;
            nav_lat[n] = LAT + a.dlat;
            nav_lon[n] = LON + a.dlon;
            nav_h[n] = 100 + (float)n;
            nav_f12[n] = a.f12;
            nav_hdng[n] = a.hdng;
            std::memset(::nav_id[n], 0, 5);
            std::memcpy(::nav_id[n], a.id, std::strlen(a.id));
        }
    }
    static std::string heard(int slot)
    {
        return std::string(nav.nav_id[slot], 4);
    }
};

} // namespace

TEST_F(Receivers, NavSearchTable)
{
    struct {
        const char* what;
        std::vector<navaid> db;
        float feet;
        int good;
        const char* id;
        int ilsgs;
    } cases[] = {
        {"nearer VOR", {{3, 0, 0.5f, 11390, 0, "FAR"}, {3, 0.3f, 0, 11390, 0, "NEA"}}, 0, 1, "NEA\0", 9},
        {"equal range: lower index", {{3, 0, 0.4f, 11390, 0, "ONE"}, {3, 0.4f, 0, 11390, 0, "TWO"}}, 0, 1, "ONE\0", 9},
        {"other frequency", {{3, 0, 0.4f, 11400, 0, "OTH"}}, 0, 0, "", 0},
        {"localizer from behind, VOR heard",
         {{4, 0.2f, 0, 11390, 180, "IBAK"}, {3, 0, 0.6f, 11390, 0, "VOR"}}, 0, 1, "VOR\0", 9},
        {"localizer from behind alone", {{4, 0.2f, 0, 11390, 180, "IBAK"}}, 0, 0, "", 0},
        {"localizer ahead", {{5, 0.2f, 0, 11390, 10, "ILOC"}}, 0, 1, "ILOC", 0},
        {"localizer and VOR: the VOR", {{4, 0.2f, 0, 11390, 0, "ILOC"}, {3, 0, 0.6f, 11390, 0, "VOR"}}, 0, 1, "VOR\0", 9},
        {"glide slope", {{4, 0.2f, 0, 11390, 0, "IGS"}, {6, 0.19f, 0.01f, 11390, 0, ""}}, 0, 1, "IGS\0", 3},
        {"VOR 0.9 deg at 0 ft", {{3, 0.9f, 0, 11390, 0, "VOR"}}, 0, 0, "", 0},
        {"VOR 0.88 deg at 0 ft", {{3, 0.88f, 0, 11390, 0, "VOR"}}, 0, 1, "VOR\0", 9},
        {"VOR 3.10 deg at 30000 ft", {{3, 0, 3.10f, 11390, 0, "VOR"}}, 30000, 1, "VOR\0", 9},
        {"VOR 3.12 deg at 30000 ft", {{3, 0, 3.12f, 11390, 0, "VOR"}}, 30000, 0, "", 0},
        {"VOR 4.21 deg at 45000 ft", {{3, 0, 4.21f, 11390, 0, "VOR"}}, 45000, 1, "VOR\0", 9},
        {"VOR 4.23 deg at 45000 ft", {{3, 0, 4.23f, 11390, 0, "VOR"}}, 45000, 0, "", 0},
    };
    for (auto& c : cases) {
        database(c.db);
        place(c.feet);
        nav.nf[1] = 11390;
        nav.goodnav[1] = 1;   // a lock from before is dropped when nothing is heard
        nav.ilsgs[1] = 0;
        std::memset(nav.nav_id[1], 0, 4);
        setnav(1);
        EXPECT_EQ(nav.goodnav[1], c.good) << c.what;
        if (!c.good) continue;
        EXPECT_EQ(heard(1), std::string(c.id, 4)) << c.what;
        EXPECT_EQ(nav.ilsgs[1], c.ilsgs) << c.what;
    }
}

TEST_F(Receivers, TunedStationPositionsAndCourse)
{
    database({{4, 0.2f, 0, 11010, 0, "IGS"}, {6, 0.19f, 0.01f, 11010, 0, ""}});
    nav.nf[0] = 11010;
    setnav(0);
    ASSERT_EQ(nav.goodnav[0], 1);
    EXPECT_FLOAT_EQ(nav.vorX[0], X_with_latlon(LAT + 0.2f, LON));
    EXPECT_FLOAT_EQ(nav.vorZ[0], Z_with_lat(LAT + 0.2f));
    EXPECT_FLOAT_EQ(nav.vorY[0], 100);
    EXPECT_FLOAT_EQ(nav.gsZ[0], Z_with_lat(LAT + 0.19f));
    EXPECT_FLOAT_EQ(nav.gsY[0], 101);
    EXPECT_FLOAT_EQ(nav.ilscrs[0], 0);
    // The localizer lies north, about 22 km away.
    EXPECT_NEAR(flt.Z - nav.vorZ[0], 0.2 * 111000, 1000);
}

TEST_F(Receivers, AdfTakesTheNearestBeaconOnItsFrequency)
{
    database({{2, 0.3f, 0, 210, 0, "FAR"}, {2, 0, -0.2f, 210, 0, "NEAR"}, {2, 0.1f, 0, 211, 0, "OTH"},
              {3, 0.05f, 0, 210, 0, "VOR"}});
    nav.adff = 210;
    setnav(4);
    EXPECT_EQ(nav.goodnav[4], 1);
    EXPECT_EQ(heard(4), "NEAR");
    EXPECT_FLOAT_EQ(nav.adfX, X_with_latlon(LAT, LON - 0.2f));
}

TEST_F(Receivers, FailedRadiosHearNothingWhileTheGpsWorks)
{
    database({{3, 0.1f, 0, 11390, 0, "VOR"}, {2, 0.1f, 0, 210, 0, "NDB"}});
    nav.nf[0] = nav.nf[1] = 11390;
    nav.adff = 210;
    nav.goodnav[0] = nav.goodnav[1] = nav.goodnav[4] = 1;
    rel.radios = 0;
    nav.gps_index_mode = 3;
    nav.gps_index = 0;
    nav.gps_dis = 0;
    for (int w : {0, 1, 4, 5}) setnav(w);
    EXPECT_EQ(nav.goodnav[0] + nav.goodnav[1] + nav.goodnav[4], 0);
    EXPECT_NEAR(nav.gps_dis, 0.1 * 111000, 500);
    EXPECT_NEAR(std::fmod(nav.gps_crs + 180, 360) - 180, 0, 0.5);   // due north
}

TEST_F(Receivers, GpsCourseReferencedAtEachNewTarget)
{
    env.aptmax = 0;
    apt_lat[0][0] = LAT;
    apt_lon[0][0] = LON + 0.2f;
    database({{3, 0.2f, 0, 11390, 0, "VOR"}, {2, -0.2f, 0, 210, 0, "NDB"}});
    msc.init_time = 2;   // just after the start the course is referenced
    nav.gps_index_mode = 3;
    nav.gps_index = 0;
    setnav(5);
    EXPECT_FLOAT_EQ(nav.gps_lock_crs, nav.gps_crs);
    EXPECT_FLOAT_EQ(nav.hdef[0], 0);
    msc.init_time = 100;

    // Two nautical miles east of the course toward the VOR: left of it by 2 nm, needle -8.
    flt.X += 2 * con.nmtomtrs;
    setnav(5);
    EXPECT_NEAR(nav.hdef[0], -8, 0.15);

    // Another target, here the airport and then the NDB: no deflection from the old course.
    for (int mode : {1, 2}) {
        nav.gps_index_mode = mode;
        nav.gps_index = mode == 1 ? 0 : 1;
        setnav(5);
        EXPECT_FLOAT_EQ(nav.hdef[0], 0) << mode;
        EXPECT_FLOAT_EQ(nav.gps_lock_crs, nav.gps_crs) << mode;
    }
    EXPECT_NEAR(nav.gps_crs, 180 + 9.5, 1);

    // Within 5 s of the start the course follows the direct track.
    msc.init_time = 2;
    flt.X += 5000;
    setnav(5);
    EXPECT_FLOAT_EQ(nav.hdef[0], 0);

    // A target beyond the loaded table is no target.
    msc.init_time = 100;
    nav.gps_index = 7;
    nav.gps_dis = -1;
    setnav(5);
    EXPECT_EQ(nav.gps_dis, -1);
}
