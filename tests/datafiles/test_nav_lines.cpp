// Airport and navaid record lines: exact layout and round trips.
#include "temp_files.h"

#include "toolkit/nav_lines.h"

#include <cstring>
#include <vector>

namespace {
struct Airport {
    float lat[3], lon[3];
    int num[3];
    char lr[3];
    int hdng[3], len[3], width[3], lite[3];
    float h;
    int twr;
    char id[5];
    char name[40];
};

struct Navaid {
    int type;
    float lat, lon, h;
    int f12, hdng;
    char id[5];
    char name[40];
};

Airport airport(const char* id, const char* name, int hdng0, char lr0)
{
    Airport a{};
    float lat[3] = {47.5f, 47.25f, -33.125f};
    float lon[3] = {-122.25f, -122.5f, 151.0625f};
    for (int r = 0; r < 3; ++r) {
        a.lat[r] = lat[r];
        a.lon[r] = lon[r];
        a.num[r] = 16 + r;
        a.lr[r] = "LRC"[r];
        a.hdng[r] = 164 + 10 * r;
        a.len[r] = 11900 - r;
        a.width[r] = 150 + r;
        a.lite[r] = 3000000 + 1234 * r;
    }
    a.hdng[0] = hdng0;
    a.lr[0] = lr0;
    a.h = 433;
    a.twr = 1;
    copy_bounded(a.id, id, 5);
    copy_bounded(a.name, name, 40);
    return a;
}

Navaid navaid(int type, float lat, float lon, float h, int f12, int hdng, const char* id, const char* name)
{
    Navaid n{type, lat, lon, h, f12, hdng, "", ""};
    copy_bounded(n.id, id, 5);
    copy_bounded(n.name, name, 40);
    return n;
}

void dump(const Airport& a)
{
    dump_apt_line(a.lat, a.lon, a.num, a.lr, a.hdng, a.len, a.width, a.lite, a.h, a.twr, a.id, a.name);
}

void dump(const Navaid& n)
{
    dump_nav_line(n.type, n.lat, n.lon, n.h, n.f12, n.hdng, n.id, n.name);
}

using NavLines = TempFiles;

TEST_F(NavLines, WrittenWithTheExactFieldWidths)
{
    std::string file = path("apt_dat");
    ASSERT_EQ(ouf_open(file.c_str(), 206, 354), 1);
    Airport a = airport("KSEA", "Seattle Tacoma Intl", 164, 'L');
    a.lr[1] = ' ';
    a.lr[2] = 0;
    a.twr = 7;
    dump(a);
    dump(Navaid{3, 47.5f, -122.25f, 355.5f, 11630, 19, "SEA", "SEATTLE VORTAC"});
    dump(Navaid{2, -1.5f, 10.0f, 0.0f, 338, 0, "AB", "BEACON"});
    ouf << 99 << "\n";
    ASSERT_EQ(ouf_close(), 1);
    EXPECT_EQ(bytes_of(file),
              "I\n354 version\n"
              "1  47.500000 -122.250000 16 L 164  11900 150 3000000 "
              " 47.250000 -122.500000 17 x 174  11899 151 3001234 "
              "-33.125000  151.062500 18 x 184  11898 152 3002468 "
              "   433 1 KSEA Seattle Tacoma Intl\n"
              "3  47.500000 -122.250000    355.5      116       30   19  SEA SEATTLE VORTAC\n"
              "2  -1.500000   10.000000      0.0      338        0    0   AB BEACON\n"
              "99\n");
}

TEST_F(NavLines, FirstRunwayFieldsLeadTheLine)
{
    std::string file = path("apt_dat");
    ASSERT_EQ(ouf_open(file.c_str(), 206, 354), 1);
    Airport a = airport("KSEA", "Seattle", 164, 'L');
    a.lat[0] = 47.449889f;
    a.lon[0] = -122.311778f;
    dump(a);
    ASSERT_EQ(ouf_close(), 1);
    std::string line = bytes_of(file).substr(std::strlen("I\n354 version\n"));
    EXPECT_EQ(line.substr(0, 2), "1 ");
    EXPECT_EQ(line.substr(2, 10), " 47.449890");
    EXPECT_EQ(line.substr(12, 13), " -122.311775 ");
}

// Writes the records, ends with 99, reads them back as the database loader does.
void round_trip(const std::string& file, const std::vector<Airport>& apts, const std::vector<Navaid>& navs,
                const std::string& eol, std::vector<Airport>& apts_back, std::vector<Navaid>& navs_back)
{
    ASSERT_EQ(ouf_open(file.c_str(), 206, 354), 1);
    for (const Airport& a : apts) dump(a);
    for (const Navaid& n : navs) dump(n);
    ouf << "99\n";
    ASSERT_EQ(ouf_close(), 1);
    if (eol != "\n") {
        std::ifstream in(file, std::ios::binary);
        std::string s((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()), out;
        for (char c : s) out += c == '\n' ? eol : std::string(1, c);
        std::ofstream(file, std::ios::binary) << out;
    }
    ASSERT_EQ(inf_open(file.c_str(), 206, 354, 0), 1);
    for (;;) {
        int type = intscanNOSN("type");
        if (type == 99) break;
        if (type == 1) {
            Airport a{};
            scan_apt_line(a.lat, a.lon, a.num, a.lr, a.hdng, a.len, a.width, a.lite, &a.h, &a.twr, a.id, a.name);
            apts_back.push_back(a);
        } else {
            Navaid n{};
            n.type = type;
            scan_nav_line(type, &n.lat, &n.lon, &n.h, &n.f12, &n.hdng, n.id, n.name);
            navs_back.push_back(n);
        }
    }
    inf1.close();
}

class NavRoundTrip : public TempFiles, public ::testing::WithParamInterface<std::string> {};

TEST_P(NavRoundTrip, RecordsComeBackAsWritten)
{
    const char* fifty = "An airport name that runs to fifty characters long";
    std::vector<Airport> apts = {
        airport("KSEA", "Seattle Tacoma Intl", 164, 'L'),
        airport("KSBD", "", 360, 'R'),            // heading 360 reads 0, empty name
        airport("AB", "Short Field", -10, ' '),   // short identifier, blank side letter
        airport("K", fifty, 725, 0),
    };
    std::vector<Navaid> navs = {
        navaid(3, 47.5f, -122.25f, 355.5f, 11630, 19, "SEAX", "SEATTLE VORTAC"),
        navaid(2, -1.5f, 10.0f, 12.0f, 338, -10, "AB", "BEACON"),
        navaid(4, 0.25f, 0.5f, 1.5f, 10970, 360, "ISEA", "ILS 16R"),
        navaid(7, 1.0f, 2.0f, 3.0f, 7500, 45, "X", fifty),
    };
    std::vector<Airport> apts_back;
    std::vector<Navaid> navs_back;
    round_trip(path("apt_dat"), apts, navs, GetParam(), apts_back, navs_back);
    ASSERT_EQ(apts_back.size(), apts.size());
    ASSERT_EQ(navs_back.size(), navs.size());

    const int want_hdng[] = {164, 0, 350, 5};
    const char want_lr[] = {'L', 'R', 'x', 'x'};
    for (size_t i = 0; i < apts.size(); ++i) {
        const Airport &a = apts[i], &b = apts_back[i];
        SCOPED_TRACE(a.id);
        for (int r = 0; r < 3; ++r) {
            EXPECT_EQ(b.lat[r], a.lat[r]);
            EXPECT_EQ(b.lon[r], a.lon[r]);
            EXPECT_EQ(b.num[r], a.num[r]);
            EXPECT_EQ(b.len[r], a.len[r]);
            EXPECT_EQ(b.width[r], a.width[r]);
            EXPECT_EQ(b.lite[r], a.lite[r]);
        }
        EXPECT_EQ(b.hdng[0], want_hdng[i]);
        EXPECT_EQ(b.lr[0], want_lr[i]);
        EXPECT_EQ(b.lr[1], 'R');
        EXPECT_EQ(b.h, a.h);
        EXPECT_EQ(b.twr, 1);
        EXPECT_STREQ(b.id, a.id);
        EXPECT_EQ(std::string(b.name), std::string(a.name).substr(0, 38));
    }

    const int want_f12[] = {11630, 338, 10970, 7500};
    const int want_nav_hdng[] = {19, 350, 0, 45};
    for (size_t i = 0; i < navs.size(); ++i) {
        const Navaid &a = navs[i], &b = navs_back[i];
        SCOPED_TRACE(a.id);
        EXPECT_EQ(b.type, a.type);
        EXPECT_EQ(b.lat, a.lat);
        EXPECT_EQ(b.lon, a.lon);
        EXPECT_EQ(b.h, a.h);
        EXPECT_EQ(b.f12, want_f12[i]);
        EXPECT_EQ(b.hdng, want_nav_hdng[i]);
        EXPECT_STREQ(b.id, a.id);
        EXPECT_EQ(std::string(b.name), std::string(a.name).substr(0, 38));
    }
}

INSTANTIATE_TEST_SUITE_P(LineEnds, NavRoundTrip, ::testing::Values("\n", "\r\n", "\r"),
                         [](const ::testing::TestParamInfo<std::string>& i) {
                             return i.param == "\n" ? std::string("LF") : i.param == "\r" ? "CR" : "CRLF";
                         });

TEST_F(NavLines, LastLineWithoutLineEndReadsWhole)
{
    std::string file = put("nav_dat", "I\n354 version\n3 1.0 2.0 3.0 116 30 90 ABCD The Name");
    ASSERT_EQ(inf_open(file.c_str(), 206, 354, 0), 1);
    Navaid n{};
    n.type = intscanNOSN("type");
    scan_nav_line(n.type, &n.lat, &n.lon, &n.h, &n.f12, &n.hdng, n.id, n.name);
    EXPECT_EQ(n.f12, 11630);
    EXPECT_STREQ(n.id, "ABCD");
    EXPECT_STREQ(n.name, "The Name");
}

TEST_F(NavLines, LineEndingEarlyNamesTheItem)
{
    std::string file = put("apt_dat", "I\n354 version\n1 47.0 -122.0 16 L 164\n");
    EXPECT_EXIT(
        {
            inf_open(file.c_str(), 206, 354, 0);
            intscanNOSN("type");
            Airport a{};
            scan_apt_line(a.lat, a.lon, a.num, a.lr, a.hdng, a.len, a.width, a.lite, &a.h, &a.twr, a.id, a.name);
            exit(0);
        },
        ::testing::ExitedWithCode(1), "File-scanning error!.*scan apt apt_len");
}
} // namespace
