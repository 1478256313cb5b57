// The importer of the bundled world database, read back through the
// simulator's own loader; and the bundled database itself.
#include "navdb_fixture.h"

#include "world_data/world_import.h"

#include <cmath>
#include <cstring>
#include <iterator>
#include <set>
#include <string>

namespace {
const char* const kRunwayHeader =
    "\"id\",\"airport_ref\",\"airport_ident\",\"length_ft\",\"width_ft\",\"surface\",\"lighted\",\"closed\","
    "\"le_ident\",\"le_latitude_deg\",\"le_longitude_deg\",\"le_elevation_ft\",\"le_heading_degT\","
    "\"le_displaced_threshold_ft\",\"he_ident\",\"he_latitude_deg\",\"he_longitude_deg\",\"he_elevation_ft\","
    "\"he_heading_degT\",\"he_displaced_threshold_ft\"\n";

// airport, length, width, surface, lighted, closed; per end ident, lat, lon,
// elevation, heading.
std::string runway(const char* apt, const char* len, const char* width, const char* surface, int lit, int closed,
                   const char* le, const char* le_lat, const char* le_lon, const char* le_elev, const char* le_hdg,
                   const char* he, const char* he_lat, const char* he_lon, const char* he_elev)
{
    return std::string("1,2,\"") + apt + "\"," + len + "," + width + ",\"" + surface + "\"," + std::to_string(lit) +
           "," + std::to_string(closed) + ",\"" + le + "\"," + le_lat + "," + le_lon + "," + le_elev + "," + le_hdg +
           ",,\"" + he + "\"," + he_lat + "," + he_lon + "," + he_elev + ",,\n";
}

const char* const kNavaidHeader =
    "\"id\",\"filename\",\"ident\",\"name\",\"type\",\"frequency_khz\",\"latitude_deg\",\"longitude_deg\","
    "\"elevation_ft\",\"iso_country\",\"dme_frequency_khz\",\"dme_channel\",\"dme_latitude_deg\","
    "\"dme_longitude_deg\",\"dme_elevation_ft\",\"slaved_variation_deg\",\"magnetic_variation_deg\","
    "\"usageType\",\"power\",\"associated_airport\"\n";

std::string navaid(const char* ident, const char* name, const char* type, const char* khz, const char* elev)
{
    return std::string("7,\"file\",\"") + ident + "\",\"" + name + "\",\"" + type + "\"," + khz +
           ",47.5,-122.25," + elev + ",\"US\",,,,,,,15.5,\"HI\",\"HIGH\",\"KSEA\"\n";
}

std::string airport_json(const char* ident, const char* type, const char* name, const char* lat, const char* lon,
                         const char* elev, const char* sched, const char* gps)
{
    return std::string("  {\n    \"id\": \"1\",\n    \"ident\": \"") + ident + "\",\n    \"type\": \"" + type +
           "\",\n    \"name\": \"" + name + "\",\n    \"latitude_deg\": \"" + lat + "\",\n    \"longitude_deg\": \"" +
           lon + "\",\n    \"elevation_ft\": \"" + elev + "\",\n    \"scheduled_service\": \"" + sched +
           "\",\n    \"gps_code\": \"" + gps + "\",\n    \"local_code\": \"\",\n    \"keywords\": \"a, \\\"b\\\"\"\n  }";
}

class WorldImport : public NavFolder {
protected:
    std::filesystem::path source;

    void SetUp() override
    {
        NavFolder::SetUp();
        source = dir / "source";
        std::filesystem::create_directory(source);
    }

    void write(const char* name, const std::string& text) const
    {
        std::ofstream f(source / name, std::ios::binary);
        f << text;
    }

    int run_import(import_counts* counts) const
    {
        return import_world(source.string().c_str(), nullptr, (dir / "additional nav data").string().c_str(), counts);
    }

    // The handful of source rows, each showing one rule.
    void write_sources() const
    {
        write("airports.json",
              "[\n" +
                  airport_json("KPAR", "medium_airport", "Parallel Field", "40.0", "-100.0", "1000", "yes", "KPAR") +
                  ",\n" + airport_json("KGRS", "small_airport", "Grass Strip", "41.0", "-101.0", "", "no", "") +
                  ",\n" +
                  airport_json("AF-0005", "large_airport",
                               "\\u0141\xc3\xb3\x64\xc5\xba W\xc5\x82\x61\x64ys\xc5\x82\x61w-Reymont Airport Terminal Two",
                               "33.28", "69.8", "4204", "no", "OAKS") +
                  ",\n" + airport_json("KDRY", "medium_airport", "Closed Field", "42.0", "-102.0", "5", "yes", "") +
                  "\n]\n");
        write("runways.csv",
              std::string(kRunwayHeader) +
                  // Parallels, the longest first whatever the source order; a closed
                  // runway, a fourth one and a helipad stay out.
                  runway("KPAR", "7000", "100", "ASPH", 0, 0, "16R", "", "", "", "", "34L", "", "", "") +
                  runway("KPAR", "12000", "200", "ASP", 1, 1, "18", "40.1", "-100.1", "", "", "36", "39.9", "-100.1",
                         "") +
                  runway("KPAR", "9000", "150", "ASP", 1, 0, "16L", "40.0125", "-100.01", "990", "160.4", "34R",
                         "39.9875", "-100.0", "1010") +
                  runway("KPAR", "8000", "150", "CON", 1, 0, "16C", "40.01", "-100.0", "", "", "34C", "39.99",
                         "-100.0", "") +
                  runway("KPAR", "3000", "75", "ASP", 1, 0, "09", "", "", "", "", "27", "", "", "") +
                  runway("KPAR", "60", "60", "CON", 1, 0, "H1", "", "", "", "", "", "", "", "") +
                  // A grass strip without end coordinates, its heading given.
                  runway("KGRS", "2500", "60", "TURF", 0, 0, "18", "", "", "800", "178.6", "36", "", "", "820") +
                  runway("AF-0005", "9000", "150", "GRVL", 1, 0, "06", "33.27", "69.79", "", "", "24", "33.29",
                         "69.81", "") +
                  // Only a closed runway and a water lane: no airport.
                  runway("KDRY", "5000", "100", "ASP", 1, 1, "01", "", "", "", "", "19", "", "", "") +
                  runway("KDRY", "5000", "100", "WATER", 0, 0, "02", "", "", "", "", "20", "", "", ""));
        write("navaids.csv", std::string(kNavaidHeader) + navaid("SEA", "Seattle", "VOR-DME", "116800", "354") +
                                 navaid("AB", "Alpha-Bravo", "NDB", "373", "70") +
                                 navaid("TCN", "Tacan Only", "TACAN", "113000", "10") +
                                 navaid("XYZ", "Vortac", "VORTAC", "113100", "") +
                                 navaid("DM", "Dme Only", "DME", "111450", "10") +
                                 navaid("ND", "With Dme", "NDB-DME", "250", "") +
                                 navaid("BAD", "No Frequency", "VOR", "-1", "") +
                                 navaid("Wau_NDB_", "Too Long", "NDB", "300", ""));
    }
};
} // namespace

TEST_F(WorldImport, AirportsReadBackAsTheSourceSays)
{
    write_sources();
    import_counts counts;
    ASSERT_TRUE(run_import(&counts));
    init_country_data();
    ASSERT_EQ(env.aptmax, 2);
    EXPECT_EQ(counts.airports, 3);
    EXPECT_EQ(counts.first_run_airport_kept, 0);

    // Parallels L, C, R, longest first. Reference point: the middle of the
    // ends, or the airport's position; heading true from the low end, or
    // from the ends' positions, or from the number.
    struct Rwy {
        int num;
        char side;
        int hdng;
        float lat, lon;
        int len_m, width_m, lite;
    } par[] = {
        {16, 'L', 160, 40.0f, -100.005f, 2743, 45, 1121121},
        {16, 'C', 180, 40.0f, -100.0f, 2438, 45, 2121121},
        {16, 'R', 160, 40.0f, -100.0f, 2133, 30, 1111111},
    };
    EXPECT_STREQ(apt_id[0], "KPAR");
    EXPECT_STREQ(apt_name[0], "Parallel Field");
    for (int r = 0; r < 3; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(apt_num[0][r], par[r].num);
        EXPECT_EQ(apt_lr[0][r], par[r].side);
        EXPECT_EQ(apt_hdng[0][r], par[r].hdng);
        EXPECT_NEAR(apt_lat[0][r], par[r].lat, 1e-5);
        EXPECT_NEAR(apt_lon[0][r], par[r].lon, 1e-5);
        EXPECT_EQ(apt_len[0][r], par[r].len_m);
        EXPECT_EQ(apt_width[0][r], par[r].width_m);
        EXPECT_EQ(apt_lite[0][r], par[r].lite);
    }
    EXPECT_FLOAT_EQ(apt_h[0], 304.8f);
    EXPECT_EQ(apt_twr[0], 1);   // scheduled service

    // The grass strip, unlit; no elevation of its own but its ends'.
    EXPECT_STREQ(apt_id[1], "KGRS");
    EXPECT_EQ(apt_num[1][0], 18);
    EXPECT_EQ(apt_lr[1][0], 'x');
    EXPECT_EQ(apt_hdng[1][0], 179);
    EXPECT_FLOAT_EQ(apt_lat[1][0], 41.0f);
    EXPECT_FLOAT_EQ(apt_lon[1][0], -101.0f);
    EXPECT_EQ(apt_lite[1][0] / 1000000, 3);
    EXPECT_EQ(apt_lite[1][0], 3111111);
    EXPECT_NEAR(apt_h[1], 810 * 0.3048f, 1e-3);
    EXPECT_EQ(apt_twr[1], 0);
    EXPECT_EQ(apt_len[1][1], 0);
    EXPECT_EQ(apt_len[1][2], 0);

    // A large airport without a 4-character ident: its GPS code; the name in
    // plain letters, cut to 38 characters.
    EXPECT_STREQ(apt_id[2], "OAKS");
    EXPECT_STREQ(apt_name[2], "Lodz Wladyslaw Reymont Airport Termina");
    EXPECT_EQ(apt_lite[2][0], 5121121);
    EXPECT_EQ(apt_num[2][0], 6);
    EXPECT_EQ(apt_twr[2], 1);
}

TEST_F(WorldImport, NavaidsAndFixes)
{
    write_sources();
    import_counts counts;
    ASSERT_TRUE(run_import(&counts));
    init_country_data();
    EXPECT_EQ(counts.vors, 2);
    EXPECT_EQ(counts.ndbs, 2);
    ASSERT_EQ(env.navmax, 5);   // four navaids and the carrier's two slots
    struct Nav {
        int type;
        const char* id;
        const char* name;
        int f12;
        float h;
    } want[] = {
        {2, "AB", "Alpha-Bravo", 373, 70 * 0.3048f},
        {2, "ND", "With Dme", 250, 0},
        {3, "SEA", "Seattle", 11680, 354 * 0.3048f},
        {3, "XYZ", "Vortac", 11310, 0},
    };
    for (int n = 0; n < 4; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(nav_type[n], want[n].type);
        EXPECT_STREQ(nav_id[n], want[n].id);
        EXPECT_STREQ(nav_name[n], want[n].name);
        EXPECT_EQ(nav_f12[n], want[n].f12);
        EXPECT_NEAR(nav_h[n], want[n].h, 1e-3);
        EXPECT_FLOAT_EQ(nav_lat[n], 47.5f);
        EXPECT_FLOAT_EQ(nav_lon[n], -122.25f);
    }
    EXPECT_EQ(fix_lat[0], 99);   // no fixes yet: only the end mark
}

TEST_F(WorldImport, FilesAreTheScenerySavesLayout)
{
    write_sources();
    ASSERT_TRUE(run_import(nullptr));
    for (const char* name : {"apt_dat", "nav_dat", "fix_dat"}) {
        SCOPED_TRACE(name);
        std::ifstream f(nav_path(name), std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        ASSERT_GE(text.size(), header().size() + 3);
        EXPECT_EQ(text.substr(0, header().size()), header());
        EXPECT_EQ(text.substr(text.size() - 3), "99\n");
    }
    std::ifstream f(nav_path("fix_dat"), std::ios::binary);
    std::string fixes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    EXPECT_EQ(fixes, header() + "99\n");
}

// Which runway ends get a landing system, where its parts stand, what they
// are called and on which channel they send, and how the runway is lit.
TEST_F(WorldImport, LandingSystemsAtTheLongLitHardRunwaysOfLargeAndHomeAirports)
{
    write("airports.json",
          "[\n" + airport_json("KBIG", "large_airport", "Big Field", "40.0", "-100.0", "1000", "yes", "KBIG") + ",\n" +
              airport_json("KSML", "large_airport", "Short Large", "40.5", "-100.0", "1000", "yes", "KSML") + ",\n" +
              airport_json("KHOM", "medium_airport", "Home Base", "45.0", "-100.0", "500", "yes", "KHOM") + ",\n" +
              airport_json("KMED", "medium_airport", "Home Town", "45.3", "-100.5", "600", "yes", "KMED") + ",\n" +
              airport_json("KFAR", "medium_airport", "Far Field", "30.0", "-90.0", "20", "yes", "KFAR") + "\n]\n");
    write("runways.csv",
          std::string(kRunwayHeader) +
              // 09/27, its 27 threshold displaced by 500 ft.
              "1,2,\"KBIG\",8000,150,\"ASP\",1,0,\"09\",,,,90,,\"27\",,,,270,500\n" +
              runway("KBIG", "9000", "150", "GRASS", 1, 0, "18", "", "", "", "180", "36", "", "", "") +
              runway("KSML", "5999", "150", "ASP", 1, 0, "09", "", "", "", "90", "27", "", "", "") +
              runway("KHOM", "3000", "75", "ASP", 1, 0, "04", "", "", "", "40", "22", "", "", "") +
              runway("KMED", "6500", "150", "CON", 1, 0, "18", "", "", "", "180", "36", "", "", "") +
              runway("KMED", "7000", "150", "ASP", 0, 0, "04", "", "", "", "40", "22", "", "", "") +
              runway("KFAR", "10000", "150", "ASP", 1, 0, "13", "", "", "", "130", "31", "", "", ""));
    write("navaids.csv", std::string(kNavaidHeader) + navaid("SEA", "Seattle", "VOR-DME", "116800", "354"));
    std::string regions = (source / "regions.txt").string();
    {
        std::ofstream f(regions);
        f << "# home and margin\nKHOM 0\n";
    }
    import_counts counts;
    ASSERT_TRUE(import_world(source.string().c_str(), regions.c_str(), (dir / "additional nav data").string().c_str(),
                             &counts));
    EXPECT_EQ(counts.ils, 4);
    EXPECT_EQ(counts.ils_left_out, 0);
    init_country_data();

    // The large airport's long runway first, then the home region's medium
    // airport; channels again beyond 150 nm.
    struct Loc {
        const char* name;
        const char* id;
        int f12, hdng;
    } want[] = {
        {"Rwy 09 Big Field", "IBIG", 10810, 90},
        {"Rwy 27 Big Field", "IBIW", 10815, 270},
        {"Rwy 18 Home Town", "IMED", 10810, 180},
        {"Rwy 36 Home Town", "IMEN", 10815, 0},
    };
    ASSERT_EQ(env.navmax, 16 + 2);   // the VOR and 16 parts, then the carrier's slots
    EXPECT_EQ(nav_type[0], 3);
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(want[k].name);
        int n = 1 + k;
        EXPECT_EQ(nav_type[n], 4);
        EXPECT_STREQ(nav_name[n], want[k].name);
        EXPECT_STREQ(nav_id[n], want[k].id);
        EXPECT_EQ(nav_f12[n], want[k].f12);
        EXPECT_EQ(nav_hdng[n], want[k].hdng);
        for (int t = 1; t < 4; ++t) {   // glide slope, outer and middle marker, in that order of types
            int m = n + 4 * t;
            EXPECT_EQ(nav_type[m], t == 1 ? 6 : t + 5);
            EXPECT_STREQ(nav_id[m], want[k].id);
            EXPECT_EQ(nav_hdng[m], want[k].hdng);
            EXPECT_EQ(nav_f12[m], t == 1 ? want[k].f12 : 7500);
        }
    }
    EXPECT_STREQ(nav_name[5], "Rwy 09 Big Field GS");
    EXPECT_STREQ(nav_name[9], "Rwy 09 Big Field OM");

    // Runway 27 of Big Field, in feet east and north of its middle: the
    // localizer 1,000 ft past the west end, the glide slope 1,000 ft past
    // the displaced threshold and 400 ft to the left (south), the markers
    // 3,500 ft and 5 nm before that threshold; all at the field's elevation.
    const double ft_lat = 60 * 6076.1155, ft_lon = ft_lat * std::cos(40 * M_PI / 180);
    struct Part {
        int n;
        double east, north;
    } parts[] = {{2, -5000, 0}, {6, 2500, -400}, {10, 3500 + 5 * 6076.1155, 0}, {14, 7000, 0}};
    for (const Part& p : parts) {
        SCOPED_TRACE(nav_type[p.n]);
        EXPECT_NEAR((nav_lon[p.n] + 100) * ft_lon, p.east, 1);
        EXPECT_NEAR((nav_lat[p.n] - 40) * ft_lat, p.north, 1);
        EXPECT_NEAR(nav_h[p.n], 1000 * 0.3048f, 1e-3);
    }

    // Both ends lit for it: four-light glide-slope indicators and approach
    // lights; the grass, unlit, short and far runways as before.
    EXPECT_EQ(apt_lite[0][1], 1324324);
    EXPECT_EQ(apt_lite[0][0], 3121121);
    EXPECT_EQ(apt_lite[1][0], 1121121);
    EXPECT_EQ(apt_lite[2][0], 1121121);
    EXPECT_EQ(apt_lite[3][1], 2324324);
    EXPECT_EQ(apt_lite[3][0], 1111111);   // the medium field's unlit runway
    EXPECT_EQ(apt_lite[4][0], 1121121);
}

// The source marks some large airports' runways unlit (all of Honolulu's):
// there the long hard runways get a landing system all the same, and edge
// lights with it.
TEST_F(WorldImport, LargeAirportsGetThemWhateverTheSourceSaysOfTheirLights)
{
    write("airports.json",
          "[\n" + airport_json("PHXX", "large_airport", "Dark Field", "21.3", "-157.9", "13", "yes", "PHXX") + "\n]\n");
    write("runways.csv", std::string(kRunwayHeader) +
                             runway("PHXX", "12000", "200", "ASP", 0, 0, "08", "", "", "", "90", "26", "", "", "") +
                             runway("PHXX", "5000", "150", "ASP", 0, 0, "04", "", "", "", "40", "22", "", "", ""));
    write("navaids.csv", std::string(kNavaidHeader) + navaid("HNL", "Honolulu", "VOR-DME", "114800", "13"));
    import_counts counts;
    ASSERT_TRUE(run_import(&counts));
    EXPECT_EQ(counts.ils, 2);
    init_country_data();
    EXPECT_EQ(apt_lite[0][0], 1324324);
    EXPECT_EQ(apt_lite[0][1], 1111111);   // too short: as the source has it
}

// Forty channels: of 21 large airports side by side, each with one long lit
// runway, the one with the shortest goes without; every other end keeps a
// channel of its own.
TEST_F(WorldImport, WhereTheChannelsRunOutTheShortestRunwayGoesWithout)
{
    std::string apts = "[\n", rwys = kRunwayHeader;
    for (int k = 0; k < 21; ++k) {
        std::string id = std::string("KA") + (char)('A' + k) + "A";
        std::string lon = std::to_string(-100.0 + 0.05 * k);
        apts += airport_json(id.c_str(), "large_airport", ("Field " + id).c_str(), "40.0", lon.c_str(), "100", "yes",
                             id.c_str()) +
                (k < 20 ? ",\n" : "\n]\n");
        const char* len = k == 7 ? "6100" : "7000";
        rwys += runway(id.c_str(), len, "150", "ASP", 1, 0, "18", "", "", "", "180", "36", "", "", "");
    }
    write("airports.json", apts);
    write("runways.csv", rwys);
    write("navaids.csv", std::string(kNavaidHeader) + navaid("SEA", "Seattle", "VOR-DME", "116800", "354"));
    import_counts counts;
    ASSERT_TRUE(run_import(&counts));
    EXPECT_EQ(counts.ils, 40);
    EXPECT_EQ(counts.ils_left_out, 2);
    init_country_data();
    std::set<int> channels;
    for (int n = 0; n <= env.navmax - 2; ++n)
        if (nav_type[n] == 4) {
            EXPECT_EQ(std::string(nav_name[n]).find("KAHA"), std::string::npos);
            channels.insert(nav_f12[n]);
        }
    EXPECT_EQ(channels.size(), 40u);
    EXPECT_EQ(apt_lite[7][0], 1121121);   // lit as before, no approach lights
    EXPECT_EQ(apt_lite[6][0], 1324324);
}

TEST_F(WorldImport, MissingSourceFails)
{
    write_sources();
    std::filesystem::remove(source / "navaids.csv");
    EXPECT_FALSE(run_import(nullptr));
}

// The database the build puts into the program folder.
TEST_F(NavFolder, BundledDatabaseLoadsWithTheFirstRunAirport)
{
    copy_bounded(app_path, KORVAN_PROGRAM_DIR "/", 400);
    init_country_data();
    EXPECT_GT(env.aptmax, 4000);
    EXPECT_GT(env.navmax, 9000);
    int first_run = -1;
    for (int a = 0; a <= env.aptmax; ++a) {
        if (strncmp(apt_id[a], FIRST_RUN_AIRPORT, 4) == 0) first_run = a;
        ASSERT_GT(apt_len[a][0], 1) << apt_id[a];
        ASSERT_TRUE(apt_num[a][0] >= 1 && apt_num[a][0] <= 36) << apt_id[a];
        ASSERT_GE(strlen(apt_id[a]), 3u) << a;
        for (int r = 0; r < 3; ++r) ASSERT_TRUE(apt_len[a][r] == 0 || apt_len[a][r] <= apt_len[a][0]) << apt_id[a];
    }
    ASSERT_GE(first_run, 0);
    EXPECT_GT(apt_len[first_run][0], 3000);
    for (int n = 0; n <= env.navmax - 2; ++n) {
        // NDBs, VORs and the landing systems made from the runways.
        ASSERT_TRUE(nav_type[n] == 2 || nav_type[n] == 3 || nav_type[n] == 4 || (nav_type[n] >= 6 && nav_type[n] <= 8))
            << n;
        if (nav_type[n] == 3) {
            ASSERT_TRUE(nav_f12[n] >= 10800 && nav_f12[n] <= 11795) << nav_id[n];
        }
    }
}
