// Airfoil and flap files as the editor writes and reads them.
#include "airfoil_test_support.h"
#include "tools/Sectra/airfoil_files.h"
#include "tools/Sectra/airfoil_model.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/airfoil_record.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

using namespace sectra;

namespace {
class PartFiles : public ::testing::Test {
protected:
    std::string root;
    void SetUp() override
    {
        root = make_program_folder();
        // A fresh run of the editor: the stream has its initial precision.
        ouf.precision(6);
    }
    void TearDown() override { std::filesystem::remove_all(root); }
    std::string save(int device, const char* name)
    {
        std::string path = root + "/" + name;
        C_to_C(path.c_str(), msc.C_path);
        msc.device = device;
        writeoutpart();
        return path;
    }
};

int exists(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

const char* const first_constants =
    "constants:  0.100000 4.500000 -15.000000 15.000000 0.250000 0.102000 1.400000 1.600000 0.100000 0.800000 "
    "1.400000 0.200000 0.006500 0.011400 2.300000 -10.000000 16.000000 0.050000 -0.050000 -0.025000 -0.075000 "
    "0.000000 0.000000 2.000000 0.000000";
} // namespace

TEST_F(PartFiles, DefaultAirfoilLineByLine)
{
    reset_to_default(DEVICE_AIRFOIL);
    msc.devicemod = 1;
    auto lines = read_lines(save(DEVICE_AIRFOIL, "Untitled.afl"));
    ASSERT_EQ(lines.size(), 557u);
    EXPECT_EQ(msc.devicemod, 0);
    const struct {
        int line;
        const char* text;
    } cases[] = {
        {1, "I"},
        {2, "363 version"},
        {3, "1234 device type code"},
        {4, first_constants},
        {5, "index     cl         cd"},
        {176, "-10.0 -0.77000  0.01041"},   // last row of the negative lift block
        {177, "-9.9  0.01032"},             // first row of the negative drag block
        {276, " 0.0  0.00650"},             // 0.0 ends the negative drag block ...
        {277, ""},
        {278, "0.10200   clM"},
        {279, "0.25000   clB"},
        {280, "-10.00000 cmal2"},
        {281, "16.00000 cmal3"},
        {282, "0.05000   cm1"},
        {283, "-0.05000   cm2"},
        {284, "-0.02500   cm3"},
        {285, "-0.07500   cm4"},
        {286, ""},
        {287, " 0.0  0.00650"},             // ... and begins the positive one
        {292, " 0.5  0.00652"},
        {387, "10.0  1.27000  0.01140"},
        {487, "20.0  0.70000  0.02935"},
        {488, "21.0  0.69000  0.04722"},
    };
    for (const auto& c : cases) EXPECT_EQ(lines[c.line - 1], c.text) << "line " << c.line;
    EXPECT_EQ(lines[5].substr(0, 6), "-90.0 ");
    EXPECT_EQ(lines[556].substr(0, 5), "90.0 ");
    EXPECT_EQ(lines[556].substr(lines[556].size() - 9), "  1.28000");
}

TEST_F(PartFiles, PrecisionCarriesOverWithinARun)
{
    reset_to_default(DEVICE_AIRFOIL);
    auto first = read_lines(save(DEVICE_AIRFOIL, "a.afl"));
    EXPECT_EQ(first[3], first_constants);
    auto second = read_lines(save(DEVICE_AIRFOIL, "b.afl"));
    EXPECT_EQ(second[3].substr(0, 38), "constants:  0.10000 4.50000 -15.00000 ");
    // Everything after the constants line is the same either way.
    for (size_t i = 4; i < first.size(); ++i) ASSERT_EQ(first[i], second[i]) << "line " << i + 1;

    reset_to_default(DEVICE_FLAP);
    auto flap = read_lines(save(DEVICE_FLAP, "c.flp"));
    EXPECT_EQ(flap[3], "constants: 2.00000 0.00000 -0.60000 0.04000 0.04000 0.00000 -0.60000 -0.10000 -0.10000");
    EXPECT_EQ(flap[55], "50 1.40000 0.08000 -0.80000");
}

TEST_F(PartFiles, DefaultFlapFirstInARun)
{
    reset_to_default(DEVICE_FLAP);
    auto lines = read_lines(save(DEVICE_FLAP, "Untitled.flp"));
    ASSERT_EQ(lines.size(), 56u);
    EXPECT_EQ(lines[0], "I");
    EXPECT_EQ(lines[1], "363 version");
    EXPECT_EQ(lines[2], "2345 device type code");
    EXPECT_EQ(lines[3], "constants: 2.000000 0.000000 -0.600000 0.040000 0.040000 0.000000 -0.600000 -0.100000 -0.100000");
    EXPECT_EQ(lines[4], "def cl cd cm");
    EXPECT_EQ(lines[30], "25 0.925000 0.030000 -0.337500");   // half deflection: cl[200]
    EXPECT_EQ(lines[55], "50 1.400000 0.080000 -0.800000");
}

TEST_F(PartFiles, ReadBackGivesTheSameConstantsAndRegeneratesTables)
{
    reset_to_default(DEVICE_AIRFOIL);
    afl.trat[0][0] = 0.12f;
    afl.Re[0][0][0] = 8.9f;
    afl.clM[0][0][0] = 0.107f;
    afl.clB[0][0][0] = 0.2247f;
    afl.almax = 16.5f;
    afl.Bwidth = 0.3f;
    afl.Bdepth = 0.001f;
    afl.Bloc = 0.3f;
    afl.cm4[0][0][0] = -0.1f;
    generate();
    float saved[25];
    float* c[25] = {&afl.trat[0][0], &afl.Re[0][0][0], &afl.almin, &afl.almax, &afl.clB[0][0][0],
                    &afl.clM[0][0][0], &afl.Lpow, &afl.Lstall, &afl.Ldrop1, &afl.Ldrop2,
                    &afl.Lpowstl, &afl.DminCL, &afl.Dmin, &afl.Dal10, &afl.Dpow,
                    &afl.cmal2[0][0][0], &afl.cmal3[0][0][0], &afl.cm1[0][0][0], &afl.cm2[0][0][0], &afl.cm3[0][0][0],
                    &afl.cm4[0][0][0], &afl.Bwidth, &afl.Bdepth, &afl.Bpower, &afl.Bloc};
    for (int i = 0; i < 25; ++i) saved[i] = *c[i];
    float lift[541], drag[541];
    for (int k = 0; k < 541; ++k) {
        lift[k] = cl[k];
        drag[k] = cd[k];
    }
    std::string path = save(DEVICE_AIRFOIL, "Mine.afl");

    // Hold a changed flap, then open the airfoil file.
    reset_to_default(DEVICE_FLAP);
    afl.FLPlco1 = 3;
    msc.devicemod = 1;
    C_to_C("Mine.afl", msc.C_file);
    C_to_C(path.c_str(), msc.C_path);
    readinpart();
    EXPECT_EQ(msc.device, DEVICE_AIRFOIL);
    EXPECT_EQ(afl.FLPlco1, 2.0f);   // the switch set the defaults first
    EXPECT_EQ(msc.haveaname, 1);
    EXPECT_EQ(msc.devicemod, 0);
    EXPECT_STREQ(msc.C_file, "Mine.afl");
    for (int i = 0; i < 25; ++i) EXPECT_NEAR(*c[i], saved[i], 5e-7) << "constant " << i;
    for (int k = 0; k < 541; ++k) {
        ASSERT_NEAR(cl[k], lift[k], 1e-5) << "entry " << k;
        ASSERT_NEAR(cd[k], drag[k], 1e-6) << "entry " << k;
    }
    // Saved again, the file is the same.
    ouf.precision(6);
    auto again = read_lines(save(DEVICE_AIRFOIL, "Again.afl"));
    EXPECT_EQ(again, read_lines(path));
}

TEST_F(PartFiles, FlapReadBackSwitchesDevice)
{
    reset_to_default(DEVICE_FLAP);
    afl.FLPlco1 = 1.8f;
    afl.FLPlco2 = -0.78f;
    afl.FLPmco3 = 0.008f;
    std::string path = save(DEVICE_FLAP, "Mine.flp");
    reset_to_default(DEVICE_AIRFOIL);
    C_to_C(path.c_str(), msc.C_path);
    readinpart();
    EXPECT_EQ(msc.device, DEVICE_FLAP);
    EXPECT_FLOAT_EQ(afl.FLPlco1, 1.8f);
    EXPECT_FLOAT_EQ(afl.FLPlco2, -0.78f);
    EXPECT_FLOAT_EQ(afl.FLPmco3, 0.008f);
    EXPECT_NEAR(cl[400], 1.8f - 0.78f - 0.6f, 1e-6);
}

TEST_F(PartFiles, NonFiniteTablesAreNotSaved)
{
    reset_to_default(DEVICE_AIRFOIL);
    afl.clM[0][0][0] = 0;   // no angle of least drag
    generate();
    msc.devicemod = 1;
    std::string path = root + "/Broken.afl";
    testing::internal::CaptureStderr();
    save(DEVICE_AIRFOIL, "Broken.afl");
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(exists(path));
    EXPECT_FALSE(exists(path + ".tmp"));
    EXPECT_EQ(msc.devicemod, 1);
    EXPECT_NE(said.find("I did not save the part"), std::string::npos);

    // An existing file is left as it was.
    reset_to_default(DEVICE_AIRFOIL);
    std::string good = save(DEVICE_AIRFOIL, "Kept.afl");
    auto before = read_lines(good);
    afl.almin = -10;   // 0/0 at -10 degrees
    generate();
    testing::internal::CaptureStderr();
    save(DEVICE_AIRFOIL, "Kept.afl");
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(read_lines(good), before);
}

TEST_F(PartFiles, StallAtTwentySaves)
{
    reset_to_default(DEVICE_AIRFOIL);
    afl.almax = 20;
    generate();
    auto lines = read_lines(save(DEVICE_AIRFOIL, "Late stall.afl"));
    ASSERT_EQ(lines.size(), 557u);
    EXPECT_EQ(lines[486], "20.0  1.50000  0.02935");
}

TEST_F(PartFiles, FailedSaveKeepsTheMarkAndWritesNothing)
{
    reset_to_default(DEVICE_AIRFOIL);
    msc.devicemod = 1;
    C_to_C((root + "/no such folder/x.afl").c_str(), msc.C_path);
    testing::internal::CaptureStderr();
    EXPECT_EQ(writeoutpart(), 0);
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("I could not save the file!"), std::string::npos);
    // Nothing reached a file, so the part still holds unsaved work.
    EXPECT_EQ(msc.devicemod, 1);
    EXPECT_FALSE(exists(root + "/no such folder"));
    // The next save starts clean.
    auto lines = read_lines(save(DEVICE_AIRFOIL, "Next.afl"));
    ASSERT_EQ(lines.size(), 557u);
    EXPECT_EQ(lines[0], "I");
    EXPECT_EQ(lines[2], "1234 device type code");
    EXPECT_EQ(msc.devicemod, 0);
}

TEST_F(PartFiles, AWrongOrMissingFileIsRefusedAndThePartStays)
{
    const struct {
        const char* what;
        std::vector<std::string> lines;   // none: no file at all
        const char* notice;
    } cases[] = {
        {"missing", {}, "Sorry, I can't open the part!!!"},
        {"not a data file", {"just some notes"}, "Sorry, I can't open the part!!!"},
        {"another version", {"I", "362 version", "1234 device type code", "constants:  0.1"},
         "The following file is the wrong version for this version of Korvan:"},
        {"another kind", {"I", "363 version", "1235 device type code", "constants:  0.1"},
         "This does not appear to be a valid file type for Sectra!"},
        {"damaged constants", {"I", "363 version", "2345 device type code", "constants: 2.0 0.0 oops"},
         "File-scanning error!"},
        {"cut short", {"I", "363 version", "1234 device type code", "constants:  0.1 4.5"}, "File-scanning error!"},
    };
    for (const auto& c : cases) {
        // A changed, named airfoil is being edited.
        reset_to_default(DEVICE_AIRFOIL);
        afl.clB[0][0][0] = 0.3125f;
        generate();
        float lift = cl[270];
        msc.devicemod = 1;
        msc.haveaname = 1;
        C_to_C("Mine.afl", msc.C_file);
        std::string path = root + "/wrong.flp";
        if (!c.lines.empty()) write_lines(path, c.lines);
        else remove(path.c_str());
        C_to_C(path.c_str(), msc.C_path);

        testing::internal::CaptureStderr();
        EXPECT_EQ(readinpart(), 0) << c.what;
        std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find(c.notice), std::string::npos) << c.what << ": " << said;
        EXPECT_EQ(gdone, 0) << c.what;
        EXPECT_EQ(msc.device, DEVICE_AIRFOIL) << c.what;
        EXPECT_EQ(afl.clB[0][0][0], 0.3125f) << c.what;
        EXPECT_EQ(afl.FLPlco1, 2.0f) << c.what;
        EXPECT_EQ(cl[270], lift) << c.what;
        EXPECT_EQ(msc.devicemod, 1) << c.what;
        EXPECT_STREQ(msc.C_file, "Mine.afl") << c.what;
    }
}
