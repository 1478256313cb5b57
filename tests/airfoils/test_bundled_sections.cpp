// The bundled airfoils and flap: the model's tables against the published
// figures they were made from, and the files the build wrote, read back by
// the simulator's readers.
#include "airfoil_test_support.h"
#include "flight/airfoil_tables.h"
#include "tools/Sectra/airfoil_model.h"
#include "tools/Sectra/bundled_sections.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/airfoil_record.h"
#include "toolkit/plane_record.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <sys/stat.h>

using namespace sectra;

namespace {
// The attached-flow figures agree within a few percent.
const float SHARE = 0.03f;

float lift_at(float angle)
{
    return cl[table_index(angle)];
}

int exists(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}
} // namespace

TEST(BundledSections, ModelTablesMatchThePublishedFigures)
{
    for (int i = 0; i < bundled_airfoil_count; ++i) {
        const published_section& s = bundled_airfoils[i];
        SCOPED_TRACE(s.file);
        load_bundled_airfoil(s);

        // Straight part: slope, zero-lift angle and the lift along the line.
        EXPECT_NEAR((lift_at(5) - lift_at(-5)) / 10, s.a0, SHARE * s.a0);
        for (int k = table_index(-8); k < table_index(8); ++k)
            if (cl[k] <= 0 && cl[k + 1] > 0) {
                float zero = step_angle(k) + 0.1f * -cl[k] / (cl[k + 1] - cl[k]);
                EXPECT_NEAR(zero, s.al_zl, 0.1f);
            }
        for (float a = -8; a <= 8; a += 2) {
            float published = s.a0 * (a - s.al_zl);
            EXPECT_NEAR(lift_at(a), published, SHARE * std::fabs(published) + 0.005f) << "at " << a;
        }

        // Maximum lift and where it is reached; the curve rises to it smoothly.
        int top = table_index(10);
        for (int k = table_index(10); k <= table_index(20); ++k)
            if (cl[k] > cl[top]) top = k;
        EXPECT_NEAR(cl[top], s.clmax, SHARE * s.clmax);
        EXPECT_NEAR(step_angle(top), s.al_stall, 0.3f);
        for (int k = table_index(10); k < top; ++k) ASSERT_GT(cl[k + 1], cl[k]) << "at " << step_angle(k);
        EXPECT_GT(afl.Lpow, 1.0f);

        // Least drag at the published lift, and the drag at 10 degrees.
        int least = table_index(-10);
        for (int k = table_index(-10); k <= table_index(10); ++k)
            if (cd[k] < cd[least]) least = k;
        EXPECT_NEAR(cd[least], s.cd_min, SHARE * s.cd_min);
        EXPECT_NEAR(cl[least], s.cl_cdmin, 0.02f);
        EXPECT_NEAR(cd[table_index(10)], s.cd_10, SHARE * s.cd_10);

        // Quarter-chord moment over the attached range.
        for (float a = s.al_stall_neg + 1; a <= s.al_stall - 1; a += 1)
            EXPECT_NEAR(cm[table_index(a)], s.cm_c4, 0.005f) << "at " << a;
    }
}

TEST(BundledSections, TheDefaultAircraftsSectionsAtTwoReynoldsNumbers)
{
    const char* sections[] = {"Clark-Y (good propeller)", "NACA 2412 (popular)", "NACA 0009 (symmetrical)"};
    for (const char* name : sections) {
        float lo = 1e9f, hi = 0;
        int found = 0;
        for (int i = 0; i < bundled_airfoil_count; ++i)
            if (std::string(bundled_airfoils[i].file).rfind(name, 0) == 0) {
                ++found;
                lo = std::fmin(lo, bundled_airfoils[i].Re);
                hi = std::fmax(hi, bundled_airfoils[i].Re);
            }
        EXPECT_EQ(found, 2) << name;
        EXPECT_GE(hi, 2.5f * lo) << name;
        EXPECT_TRUE(exists(std::string(PROGRAM_DIR) + "/airfoils/" + name + ".afl")) << name;
    }
    EXPECT_TRUE(exists(std::string(PROGRAM_DIR) + "/flaps/plain flap.flp"));
    EXPECT_TRUE(exists(std::string(PROGRAM_DIR) + "/flaps/single-slotted flap.flp"));
}

TEST(BundledSections, BuiltFilesReadBackThroughTheSimulator)
{
    copy_bounded(app_path, PROGRAM_DIR "/", 400);
    for (int i = 0; i < bundled_airfoil_count; ++i) {
        const published_section& s = bundled_airfoils[i];
        SCOPED_TRACE(s.file);
        load_bundled_airfoil(s);
        char name[400];
        set_name(name, s.file);
        float alpha = 0;
        grabafoil(name, 4, 0, 1, &alpha);
        expect_tables_equal(4, 0, 1);
        EXPECT_FLOAT_EQ(alpha, s.al_stall);
        EXPECT_FLOAT_EQ(afl.Re[4][0][1], s.Re);
        EXPECT_FLOAT_EQ(afl.trat[4][0], s.trat);
        EXPECT_NEAR(afl.al_zl[4][0][1], s.al_zl, 0.001f);
    }
}

TEST(BundledFlap, EachMatchesThePublishedFiguresAndReadsBack)
{
    for (int i = 0; i < bundled_flap_count; ++i) {
        const published_flap& f = *bundled_flaps[i];
        SCOPED_TRACE(f.file);
        load_bundled_flap(f);
        float per_deg = cl[8] / (8.0f / 400 * f.full_deflection);
        EXPECT_NEAR(per_deg, f.dcl_per_deg, SHARE * f.dcl_per_deg);
        EXPECT_NEAR(cl[200], f.dcl_half, 1e-4);
        EXPECT_NEAR(cl[400], f.dcl_full, 1e-4);
        EXPECT_NEAR(cd[400], f.dcd_full, 1e-5);
        EXPECT_NEAR(cd[200], f.dcd_full / 4, 1e-5);
        for (int c = 8; c <= 400; c += 8) {
            ASSERT_GT(cl[c], cl[c - 8]) << "x " << c / 400.0f;   // more flap, more lift
            ASSERT_NEAR(cm[c] / cl[c], f.dcm_per_dcl, 1e-4);
        }

        copy_bounded(app_path, PROGRAM_DIR "/", 400);
        set_name(pln.flap_str, f.file);
        read_flap_tables();
        for (int n = 0; n <= 50; ++n) {
            ASSERT_NEAR(pln.clflap[n], cl[8 * n], 6e-6) << n;
            ASSERT_NEAR(pln.cdflap[n], cd[8 * n], 6e-6) << n;
            ASSERT_NEAR(pln.cmflap[n], cm[8 * n], 6e-6) << n;
        }
    }
}
