// The aircraft's drawn geometry: surfaces, paint templates and the drawing
// as a record of its GL calls.
#include "flight_fixture.h"
#include "manager_support.h"

#include "records/flight_state.h"
#include "toolkit/DRPLANE.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/part_geometry.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

struct PlaneGeo : FlightTest {
    std::string dir, old_dir;
    void SetUp() override
    {
        FlightTest::SetUp();
        load_trainer();
        char cwd[400];
        old_dir = getcwd(cwd, sizeof cwd);
        char pattern[] = "/tmp/korvan_geo_XXXXXX";
        dir = mkdtemp(pattern);
        ASSERT_EQ(chdir(dir.c_str()), 0);
        gl_calls = gl_record();
        atm.vis_eff = 20000;
        scn.zoom = 1;
    }
    void TearDown() override
    {
        ASSERT_EQ(chdir(old_dir.c_str()), 0);
        std::system(("rm -rf '" + dir + "'").c_str());
    }
    static std::string read(const std::string& name)
    {
        std::ifstream in(name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static unsigned le(const std::string& b, int at, int bytes)
    {
        unsigned v = 0;
        for (int k = bytes - 1; k >= 0; --k) v = v * 256 + (unsigned char)b[at + k];
        return v;
    }
};

} // namespace

TEST(TemplateSize, Table)
{
    struct { int base; float ratio; int lifting, w, h; } cases[] = {
        {512, 0.1f, 1, 64, 512}, {512, 0.2f, 1, 128, 512}, {512, 0.5f, 1, 256, 512}, {512, 1, 1, 256, 256},
        {512, 4, 1, 256, 256},   // lifting parts at most 1
        {256, 5, 0, 512, 128},   // 1024 x 256 halved
        {256, 2, 0, 512, 256},   {64, 4, 0, 256, 64},    {64, 0.2f, 0, 64, 64},   // bodies at least 1
        {256, 1.2f, 0, 256, 256},
    };
    for (auto& c : cases) {
        int w, h;
        template_size(c.base, c.ratio, c.lifting, &w, &h);
        EXPECT_EQ(w, c.w) << c.base << " " << c.ratio;
        EXPECT_EQ(h, c.h) << c.base << " " << c.ratio;
        EXPECT_EQ(w % 4, 0);
    }
}

TEST_F(PlaneGeo, TemplatesForTheTrainersParts)
{
    load_plane_geo(0, 1);
    for (const char* name : {"start wng1.bmp", "start hstb.bmp", "start vst1.bmp", "start fuse.bmp"}) {
        std::string b = read(name);
        ASSERT_GE(b.size(), 54u) << name;
        unsigned w = le(b, 18, 4), h = le(b, 22, 4);
        EXPECT_EQ(b.substr(0, 2), "BM");
        EXPECT_EQ(le(b, 2, 4), w * h * 3 + 54) << name;
        EXPECT_EQ(b.size(), w * h * 3 + 54) << name;
        EXPECT_EQ(le(b, 6, 4), 0u);
        EXPECT_EQ(le(b, 10, 4), 54u);
        EXPECT_EQ(le(b, 14, 4), 40u);
        EXPECT_EQ(le(b, 26, 2), 1u);
        EXPECT_EQ(le(b, 28, 2), 24u);
        for (int at = 30; at < 54; ++at) EXPECT_EQ(b[at], 0) << name << " byte " << at;
        // Grey levels only: covered, control surface, uncovered; the part covers some of it.
        int n250 = 0, n150 = 0, n0 = 0;
        for (size_t k = 54; k < b.size(); k += 3) {
            unsigned char g = (unsigned char)b[k];
            EXPECT_TRUE(g == 0 || g == 150 || g == 250);
            EXPECT_EQ(b[k], b[k + 1]);
            n250 += g == 250;
            n150 += g == 150;
            n0 += g == 0;
        }
        EXPECT_GT(n250 + n150, 0) << name;
        if (std::string(name) == "start fuse.bmp") {
            EXPECT_GT(n0, 0) << name;   // the silhouette, not the whole bitmap
        }
    }
    // The wing carries ailerons: some of it is marked.
    std::string wing = read("start wng1.bmp");
    EXPECT_NE(wing.find(std::string(3, (char)150), 54), std::string::npos);
    // A template exactly for the parts the trainer has.
    struct { int part; const char* name; } kinds[] = {{7, "start wng2.bmp"}, {9, "start wng3.bmp"},
                                                      {13, "start vst2.bmp"}, {23, "start misc.bmp"},
                                                      {19, "start nace.bmp"}, {25, "start fair.bmp"}};
    for (auto& k : kinds) EXPECT_EQ(std::ifstream(k.name).good(), have_this_part(k.part) != 0) << k.name;
}

TEST_F(PlaneGeo, SurfacesLieOnTheAircraft)
{
    load_plane_geo(0, 0);
    // Every point within the span of the reference point (the tail of a
    // trainer lies aft by more than half its span).
    float span = 2 * (pln.semilen[4] + pln.semilen[5]);
    for (int p = 0; p < GEO_PARTS; ++p) {
        if (!have_this_part(p)) continue;
        for (int s = 0; s < f_body_s_dim(p) && s < GEO_STATIONS; ++s)
            for (int r = 0; r < f_body_r_dim(p); ++r) {
                float ox = 0, oy = 0, oz = 0;
                get_body_os(p, &ox, &oy, &oz);
                const float* v = a_xyz[p][s][r];
                EXPECT_LT(std::fabs(v[0] + ox), span) << p;
                EXPECT_LT(std::fabs(v[1] + oy), span) << p;
                EXPECT_LT(std::fabs(v[2] + oz), span) << p;
                const float* n = n_xyz[p][s][r];
                EXPECT_NEAR(n[0] * n[0] + n[1] * n[1] + n[2] * n[2], 1, 1e-3) << p;
                EXPECT_GE(st[p][s][r][0], -1e-4f);
                EXPECT_LE(st[p][s][r][0], 1 + 1e-4f);
                EXPECT_GE(st[p][s][r][1], -1e-4f);
                EXPECT_LE(st[p][s][r][1], 1 + 1e-4f);
            }
    }
    // The right wing's tip lies outboard on the right, the left's on the left.
    int tip = pln.els[5];
    EXPECT_GT(a_xyz[5][tip][6][0], 0.9f * pln.semilen[5]);
    EXPECT_LT(a_xyz[4][tip][6][0], -0.9f * pln.semilen[4]);
}

TEST_F(PlaneGeo, BladeCountsAndZoomStayInBounds)
{
    for (float blades : {0.0f, 2.0f, 9.0f, 40.0f}) {
        pln.numblades[0] = blades;
        load_plane_geo(0, 0);
        float before = track_ang;
        scn.zoom = 0;   // never divides
        con.VIEW_xyz[0] = 10;
        plot_plane(0, 0, 0, 5, 90, 10);
        EXPECT_TRUE(std::isfinite(track_ang)) << blades;
        EXPECT_GE(track_ang, 0);
        EXPECT_LE(track_ang, 360);
        float step = 0.3f * 330 / std::min(std::max(blades, 2.0f), 9.0f);
        EXPECT_NEAR(std::fmod(track_ang - before + 360, 360), step, 1e-3) << blades;
        for (float ps : gl_calls.point_sizes) EXPECT_TRUE(std::isfinite(ps));
    }
    // Forty blades draw nine.
    EXPECT_NE(a_xyz[0][17][1][0], 0);
}

TEST_F(PlaneGeo, DrawingRecord)
{
    load_plane_geo(0, 0);
    con.VIEW_xyz[0] = 30000;   // beyond the effective visibility: nothing
    plot_plane(0, 0, 0, 0, 0, 0);
    EXPECT_EQ(gl_calls.begins, 0);

    con.VIEW_xyz[0] = 20;
    plot_plane(0, 0, 0, 0, 0, 0);
    EXPECT_EQ(gl_calls.begins, gl_calls.ends);
    EXPECT_GT(gl_calls.begins, 100);
    for (float t : gl_calls.texcoords) {
        EXPECT_GE(t, -1e-4f);
        EXPECT_LE(t, 1 + 1e-4f);
    }
    // Lights at full size close by.
    ASSERT_FALSE(gl_calls.point_sizes.empty());
    EXPECT_NEAR(gl_calls.point_sizes[0], 2, 0.02f);
    size_t full = gl_calls.vertices.size();

    // Far off on the map scale only the lights are drawn, at size 1.
    gl_calls = gl_record();
    con.VIEW_xyz[0] = 15000;
    plot_plane(0, 0, 0, 0, 0, 0);
    EXPECT_LT(gl_calls.vertices.size(), full / 10);
    EXPECT_GT(gl_calls.vertices.size(), 0u);
    EXPECT_FLOAT_EQ(gl_calls.point_sizes[0], 1);

    // The attitude's rotations in order: heading, pitch, roll.
    gl_calls = gl_record();
    con.VIEW_xyz[0] = 20;
    plot_plane(0, 0, 0, 5, 90, 10);
    ASSERT_GE(gl_calls.rotations.size(), 12u);
    EXPECT_FLOAT_EQ(gl_calls.rotations[0], -90);
    EXPECT_FLOAT_EQ(gl_calls.rotations[2], 1);
    EXPECT_FLOAT_EQ(gl_calls.rotations[4], -5);
    EXPECT_FLOAT_EQ(gl_calls.rotations[5], -1);
    EXPECT_FLOAT_EQ(gl_calls.rotations[8], -10);
    EXPECT_FLOAT_EQ(gl_calls.rotations[11], 1);
}

// Every drawn face is lit on the side it shows: the normals at its corners
// leave its front side. And the bodies show their outside: the front sides of
// the fuselage's faces look away from its stations' centres.
TEST_F(PlaneGeo, FacesAreLitOnTheSideTheyShow)
{
    load_plane_geo(0, 0);
    con.VIEW_xyz[0] = 20;
    plot_plane(0, 0, 0, 0, 0, 0);
    const std::vector<float>& v = gl_calls.vertices;
    const std::vector<float>& n = gl_calls.normals;
    int faces = 0, fuselage = 0;
    for (size_t q = 0; q + 4 <= gl_calls.quads.size(); q += 4) {
        if (!gl_calls.quads[q] || !gl_calls.given[q]) continue;   // the tyres are not lit by normals
        const float* a = &v[3 * q];
        const float e1[3] = {v[3 * q + 3] - a[0], v[3 * q + 4] - a[1], v[3 * q + 5] - a[2]};
        const float e3[3] = {v[3 * q + 9] - a[0], v[3 * q + 10] - a[1], v[3 * q + 11] - a[2]};
        float front[3] = {e1[1] * e3[2] - e1[2] * e3[1], e1[2] * e3[0] - e1[0] * e3[2], e1[0] * e3[1] - e1[1] * e3[0]};
        if (!gl_calls.ccw[q])
            for (float& c : front) c = -c;
        if (front[0] * front[0] + front[1] * front[1] + front[2] * front[2] < 1e-8f) continue;   // a closed end
        ++faces;
        // Smoothed corners of a thin body's creases may stand nearly across
        // their face; a face lit from behind has them all pointing back.
        const float fl = std::sqrt(front[0] * front[0] + front[1] * front[1] + front[2] * front[2]);
        float lit = 0;
        for (int k = 0; k < 4; ++k) {
            const float* nk = &n[3 * (q + k)];
            const float nl = std::sqrt(nk[0] * nk[0] + nk[1] * nk[1] + nk[2] * nk[2]);
            const float c = (nk[0] * front[0] + nk[1] * front[1] + nk[2] * front[2]) / (fl * nl);
            EXPECT_GT(c, -0.5f) << "face " << q / 4 << " corner " << k;
            lit += c;
        }
        EXPECT_GT(lit, 0) << "face " << q / 4;
        // The fuselage's faces: their first corner is a point of its stations.
        for (int s = 0; s < f_body_s_dim(18); ++s)
            for (int r = 0; r < f_body_r_dim(18); ++r) {
                if (a[0] != a_xyz[18][s][r][0] || a[1] != a_xyz[18][s][r][1] || a[2] != a_xyz[18][s][r][2]) continue;
                float cx = 0, cy = 0;
                for (int k = 0; k < f_body_r_dim(18); ++k) {
                    cx += a_xyz[18][s][k][0] / f_body_r_dim(18);
                    cy += a_xyz[18][s][k][1] / f_body_r_dim(18);
                }
                ++fuselage;
                EXPECT_GT(front[0] * (a[0] - cx) + front[1] * (a[1] - cy), 0) << "fuselage station " << s << " point " << r;
            }
    }
    EXPECT_GT(faces, 100);
    EXPECT_GT(fuselage, 100);
}

// The editor's File › New fuselage is a tube open at both ends, and a blade
// is one sheet: seen from behind, from within the tube's line, every face of
// them shows its back. So every face of the aircraft is drawn with both
// sides, and the scene's culling is back on after it.
TEST_F(PlaneGeo, EveryFaceIsDrawnFromBothSides)
{
    // the default tube: 6 ft across, point 0 on top, round the right side first
    for (int s = 0; s < f_body_s_dim(18); ++s)
        for (int r = 0; r < f_body_r_dim(18); ++r) {
            const float a = 2 * con.pi * r / f_body_r_dim(18);
            pln.body_Z[18][s][r] = 2.0f * s * con.fttomtrs;
            pln.body_X[18][s][r] = 3 * std::sin(a) * con.fttomtrs;
            pln.body_Y[18][s][r] = 3 * std::cos(a) * con.fttomtrs;
        }
    load_plane_geo(0, 0);
    con.VIEW_xyz[0] = 20;
    plot_plane(0, 0, 0, 0, 0, 0);
    int faces = 0, one_sided = 0;
    for (size_t q = 0; q + 4 <= gl_calls.quads.size(); q += 4) {
        if (!gl_calls.quads[q]) continue;
        ++faces;
        one_sided += gl_calls.culled[q];
    }
    EXPECT_GT(faces, 100);
    EXPECT_EQ(one_sided, 0);
    EXPECT_EQ(gl_culling_now(), 1);
}
