// The bundled trainer: what the first run flies. It must load without a
// word, be symmetric, and carry the published figures of its type.
#include "aircraft_fixture.h"

#include "aircraft_editor/trainer_design.h"
#include "flight/INITPLN.h"
#include "flight/flight_records.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/part_geometry.h"
#include "toolkit/plane_file.h"
#include "toolkit/plane_record.h"

#include <cmath>
#include <fstream>
#include <iterator>

namespace {
const std::string BUNDLED = std::string(PROGRAM_DIR) + "/Aircraft/Trainer.acf";

std::string bytes_of(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

class Trainer : public AircraftTest {
protected:
    void SetUp() override
    {
        AircraftTest::SetUp();
        copy_bounded(pln.C_file, fabrex::TRAINER_FILE, 400);
        copy_bounded(pln.C_path, BUNDLED.c_str(), 400);
        load_plane();
    }

    float sum_area(int first, int last)
    {
        float S = 0;
        for (int p = first; p <= last; ++p)
            for (int e = 0; e < pln.els[p]; ++e) S += pln.s[p][e];
        return S;
    }
};

const float FT = 0.3048f;

TEST_F(Trainer, LoadsFromTheProgramFolderWithoutAWord)
{
    EXPECT_TRUE(caught_alerts.empty());
    EXPECT_STREQ(pln.C_name, "Trainer");
    EXPECT_TRUE(log_has("Simulating Trainer.acf"));
    EXPECT_TRUE(log_has("Final radii of gyration are then as follows:"));
    EXPECT_NEAR(pln.the_eqlbm, 0, 0.5f);
    EXPECT_GT(msc.est_Vs, 25);
    EXPECT_LT(msc.est_Vs, 35);
}

TEST_F(Trainer, IsTheBuildOfTheCurrentDesign)
{
    std::string bundled = bytes_of(BUNDLED);
    ASSERT_EQ(bundled.size(), 5u + sizeof(planestruct));
    fabrex::build_trainer(BUNDLED.c_str());
    std::string again = dir + "/Trainer.acf";
    ASSERT_EQ(write_plane_file(again.c_str()), 1);
    EXPECT_TRUE(bytes_of(again) == bundled);
}

TEST_F(Trainer, CarriesThePublishedFiguresOfItsType)
{
    EXPECT_NEAR(2 * (pln.semilen[4] + pln.semilen[6]) / FT, 36.08f, 0.01f);
    float wing_sqft = sum_area(4, 7) / (FT * FT);
    EXPECT_GT(wing_sqft, 172);
    EXPECT_LT(wing_sqft, 177);
    EXPECT_NEAR(pln.pmax / con.hptowatt, 160, 0.01f);
    EXPECT_NEAR(2 * pln.semilen[0] / FT * 12, 75, 0.01f);
    EXPECT_EQ(pln.numen, 1);
    EXPECT_FLOAT_EQ(pln.numblades[0], 2);
    EXPECT_EQ(pln.varpitchEQ, 0);
    EXPECT_EQ(pln.entype, 1);
    EXPECT_NEAR(pln.m_max / 0.4535925f, 2300, 0.1f);
    EXPECT_NEAR(pln.m_empty / 0.4535925f, 1430, 0.1f);
    // Tricycle gear, fixed, with the nose wheel ahead of the centre of gravity.
    EXPECT_EQ(pln.gear_type, 3);
    EXPECT_EQ(pln.gear_retract, 0);
    EXPECT_LT(pln.ngearZ, 0);
    EXPECT_GT(pln.mgearZ, 0);
    EXPECT_NEAR(2 * pln.mgearX / FT, 8.25f, 1e-3);
    // A high wing: above the cabin's centroid by more than its half height.
    EXPECT_GT(pln.Yarm[4] - pln.fuseYcent, 2 * FT);
    // Four seats' worth of cabin: wider than 3 ft.
    EXPECT_GT(2 * pln.body_X[18][5][4], 3 * FT);
}

TEST_F(Trainer, BalancedAndStableByItsTailVolumes)
{
    float S = sum_area(4, 7), b = 2 * (pln.semilen[4] + pln.semilen[6]);
    float mac = S / b;
    // The centre of gravity at about a fifth of the root chord.
    float cg_chord = (0 - (pln.Zarm[4] - 0.25f * pln.Croot[4])) / pln.Croot[4];
    EXPECT_GT(cg_chord, 0.15f);
    EXPECT_LT(cg_chord, 0.30f);
    float Vh = sum_area(10, 11) * (pln.Zarm[10] - pln.Zarm[4]) / (S * mac);
    EXPECT_GT(Vh, 0.5f);
    EXPECT_LT(Vh, 0.8f);
    float fin_arm = get_wing_Zarm(12, get_wing_rarm(12, 1)) - pln.Zarm[4];
    float Vv = sum_area(12, 12) * fin_arm / (S * b);
    EXPECT_GT(Vv, 0.03f);
    EXPECT_LT(Vv, 0.06f);
}

TEST_F(Trainer, LeftAndRightAreMirrorImages)
{
    for (int left : {4, 6, 10}) {
        int right = left + 1;
        SCOPED_TRACE(left);
        EXPECT_FLOAT_EQ(pln.Xarm[left], -pln.Xarm[right]);
        EXPECT_FLOAT_EQ(pln.AR[left], pln.AR[right]);
        EXPECT_FLOAT_EQ(pln.e[left], pln.e[right]);
        EXPECT_FLOAT_EQ(pln.alpha_max[left], pln.alpha_max[right]);
        EXPECT_FLOAT_EQ(pln.spec_wash[left], pln.spec_wash[right]);
        for (int e = 0; e < 8; ++e) {
            EXPECT_FLOAT_EQ(pln.s[left][e], pln.s[right][e]);
            EXPECT_FLOAT_EQ(pln.anginc[left][e], pln.anginc[right][e]);
            EXPECT_EQ(pln.ailn[left][e], pln.ailn[right][e]);
            EXPECT_EQ(pln.flap[left][e], pln.flap[right][e]);
            EXPECT_EQ(pln.elev[left][e], pln.elev[right][e]);
            EXPECT_EQ(pln.in_propwash[left][0][e], pln.in_propwash[right][0][e]);
        }
    }
}
} // namespace
