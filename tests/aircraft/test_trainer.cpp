// The bundled trainer: what the first run flies. It must load without a
// word, be symmetric, and carry the published figures of its type.
#include "aircraft_fixture.h"

#include "aircraft_editor/trainer_design.h"
#include "flight/INITPLN.h"
#include "records/flight_state.h"
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

// Control surfaces' share of the parts they sit on: the chord ratio of the
// flagged elements' area.
float flagged_area(int first, int last, int (*flags)[8], float crat)
{
    float S = 0;
    for (int p = first; p <= last; ++p)
        for (int e = 0; e < pln.els[p]; ++e)
            if (flags[p][e]) S += crat * pln.s[p][e];
    return S;
}

TEST_F(Trainer, CarriesThePublishedFiguresOfItsType)
{
    const float SQFT = FT * FT, LB = 0.4535925f;
    float S = sum_area(4, 7), b = 2 * (pln.semilen[4] + pln.semilen[6]);
    float mean_chord = S / b;
    float le = pln.Zarm[4] - 0.25f * pln.Croot[4];   // the wing's straight leading edge
    float fuse_front = 0, fuse_back = 0, cabin_w = 0, cabin_h = 0;
    for (int s = 0; s < 11; ++s) {
        fuse_front = std::fmin(fuse_front, pln.body_Z[18][s][0]);
        fuse_back = std::fmax(fuse_back, pln.body_Z[18][s][0]);
        cabin_w = std::fmax(cabin_w, 2 * pln.body_X[18][s][4]);
        cabin_h = std::fmax(cabin_h, pln.body_Y[18][s][0] - pln.body_Y[18][s][8]);
    }
    // The rudder's trailing edge at the fin's tip is the rearmost point.
    float fin_tip_te = get_wing_Zarm(12, pln.semilen[12]) + 0.75f * pln.Ctip[12];
    float fin_height = get_wing_Yarm(12, pln.semilen[12]) - pln.Yarm[12];
    float fin_le_sweep = std::atan((get_wing_Zarm(12, pln.semilen[12]) - 0.25f * pln.Ctip[12] -
                                    (pln.Zarm[12] - 0.25f * pln.Croot[12])) / fin_height) * con.radtodeg;
    const struct {
        const char* what;
        float derived, published, within;
    } figures[] = {
        {"span, ft", b / FT, 36.0f, 0.01f},
        {"wing area, sq ft", S / SQFT, 174, 2},
        {"root chord, ft", pln.Croot[4] / FT, 5.3f, 0.01f},
        {"tip chord, ft", pln.Ctip[6] / FT, 3.7f, 0.01f},
        {"aspect ratio", b * b / S, 7.45f, 0.1f},
        {"dihedral, deg", pln.dihed[4], 1.73f, 0.01f},
        {"washout, deg", pln.anginc[4][0] - pln.anginc[6][5], 2.75f, 0.01f},   // element centres: 3 at the tip itself
        {"ailerons, sq ft", flagged_area(4, 7, pln.ailn, pln.ailn_crat) / SQFT, 18.3f, 1},
        {"flaps at 0.30 chord, sq ft", flagged_area(4, 7, pln.flap, 0.30f) / SQFT, 21.2f, 1.5f},
        {"horizontal tail, sq ft", sum_area(10, 11) / SQFT, 38.0f, 0.5f},
        {"horizontal tail span, ft", 2 * pln.semilen[10] / FT, 11.33f, 0.01f},
        {"vertical tail, sq ft", sum_area(12, 12) / SQFT, 18.8f, 0.3f},
        {"fin leading-edge sweep, deg", fin_le_sweep, 35, 0.5f},
        {"fuselage length, ft", (fuse_back - fuse_front) / FT, 26.9f, 0.05f},
        {"overall length, ft", (fin_tip_te - fuse_front) / FT, 27.2f, 0.05f},
        {"cabin width, ft", cabin_w / FT, 3.3f, 0.05f},
        {"cabin height, ft", cabin_h / FT, 4.5f, 0.05f},
        {"power, hp", pln.pmax / con.hptowatt, 160, 0.01f},
        {"rpm", pln.omegamax * con.rsctorpm, 2700, 0.5f},
        {"propeller, in", 2 * pln.semilen[0] / FT * 12, 75, 0.01f},
        {"empty weight, lb", pln.m_empty / LB, 1450, 0.1f},
        {"maximum weight, lb", pln.m_max / LB, 2300, 0.1f},
        {"centre of gravity, % of mean chord", 100 * (0 - le) / mean_chord, 17.5f, 2.5f},
        // Drag areas: the fuselage in the propeller's wake (some 10 % faster
        // than the air at cruise), the struts and main legs in the free stream.
        {"fuselage drag at cruise, sq ft", pln.fuse_cd * pln.fuse_s_frn * 1.21f / SQFT, 1.76f, 0.05f},
        {"struts, main legs and wheels drag, sq ft", pln.fuse_cd * pln.misc_s / SQFT, 1.8f, 0.05f},
        {"all but the lifting surfaces at cruise, sq ft",
         (pln.fuse_cd * (pln.fuse_s_frn * 1.21f + pln.misc_s) + 3 * 0.25f * 1.6f * pln.wheelrad * pln.wheelrad) / SQFT,
         3.8f, 0.1f},
    };
    for (const auto& f : figures) EXPECT_NEAR(f.derived, f.published, f.within) << f.what;

    EXPECT_STREQ(pln.flap_str, (std::string(PROGRAM_DIR) + "/flaps/single-slotted flap.flp").c_str());
    EXPECT_EQ(pln.numen, 1);
    EXPECT_FLOAT_EQ(pln.numblades[0], 2);
    EXPECT_EQ(pln.varpitchEQ, 0);
    EXPECT_EQ(pln.entype, 1);
    // A tapered blade, wider at the hub.
    EXPECT_GT(pln.Croot[0], 1.5f * pln.Ctip[0]);
    // Tricycle gear, fixed, with the nose wheel ahead of the centre of gravity.
    EXPECT_EQ(pln.gear_type, 3);
    EXPECT_EQ(pln.gear_retract, 0);
    EXPECT_LT(pln.ngearZ, 0);
    EXPECT_GT(pln.mgearZ, 0);
    EXPECT_NEAR(2 * pln.mgearX / FT, 8.25f, 1e-3);
    // The fuselage in the propeller's wake; one body for the struts and
    // legs, on the centre line, out of it; the wheels without fairings.
    EXPECT_EQ(pln.fusewash, 1);
    EXPECT_TRUE(have_this_part(23));
    EXPECT_FALSE(have_this_part(24));
    EXPECT_EQ(pln.fair_eq, 0);
    // A high wing: above the cabin's centroid by more than its half height.
    EXPECT_GT(pln.Yarm[4] - pln.fuseYcent, 2 * FT);
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
