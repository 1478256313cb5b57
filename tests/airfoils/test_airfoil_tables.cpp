// The simulator's airfoil and flap readers, and the Reynolds blend.
#include "airfoil_test_support.h"
#include "flight/airfoil_tables.h"
#include "tools/Sectra/airfoil_files.h"
#include "tools/Sectra/airfoil_model.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/airfoil_record.h"
#include "toolkit/plane_record.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <cstring>

namespace {
class TableReaders : public ::testing::Test {
protected:
    std::string root;
    void SetUp() override { root = make_program_folder(); }
    void TearDown() override { std::filesystem::remove_all(root); }

    // Writes the editor's current part into the program folder.
    std::string save(int device, const char* folder, const char* name)
    {
        std::string path = root + "/" + folder + "/" + name;
        C_to_C(path.c_str(), sectra::msc.C_path);
        sectra::msc.device = device;
        sectra::writeoutpart();
        return path;
    }
};
} // namespace

TEST_F(TableReaders, AirfoilRoundTripGivesEqualTables)
{
    sectra::reset_to_default(sectra::DEVICE_AIRFOIL);
    afl.Bwidth = 0.3f;   // a bucket, so that the drag table is not plain
    afl.Bdepth = 0.001f;
    afl.Bloc = 0.3f;
    afl.Re[0][0][0] = 3.1f;
    sectra::generate();
    save(sectra::DEVICE_AIRFOIL, "airfoils", "Round trip.afl");

    char name[400];
    set_name(name, "Round trip.afl");
    float alpha = 0;
    grabafoil(name, 5, 1, 1, &alpha);
    EXPECT_EQ(std::string(name), root + "/airfoils/Round trip.afl");   // resolved in place
    expect_tables_equal(5, 1, 1);
    EXPECT_FLOAT_EQ(alpha, 15.0f);
    EXPECT_FLOAT_EQ(afl.trat[5][1], 0.1f);
    EXPECT_FLOAT_EQ(afl.Re[5][1][1], 3.1f);
    EXPECT_FLOAT_EQ(afl.clM[5][1][1], 0.102f);
    EXPECT_FLOAT_EQ(afl.clB[5][1][1], 0.25f);
    EXPECT_FLOAT_EQ(afl.cmal2[5][1][1], -10.0f);
    EXPECT_FLOAT_EQ(afl.cmal3[5][1][1], 16.0f);
    EXPECT_FLOAT_EQ(afl.cm1[5][1][1], 0.05f);
    EXPECT_FLOAT_EQ(afl.cm2[5][1][1], -0.05f);
    EXPECT_FLOAT_EQ(afl.cm3[5][1][1], -0.025f);
    EXPECT_FLOAT_EQ(afl.cm4[5][1][1], -0.075f);
    EXPECT_FLOAT_EQ(afl.al_zl[5][1][1], -0.25f / 0.102f);
    // Other slots are untouched.
    EXPECT_EQ(afl.Re[5][1][0], 0.0f);
    EXPECT_EQ(afl.clpos[5][0][1][0], 0.0f);
}

TEST_F(TableReaders, RowsAreTakenByCountNotByAngle)
{
    sectra::reset_to_default(sectra::DEVICE_AIRFOIL);
    std::string path = save(sectra::DEVICE_AIRFOIL, "airfoils", "Odd angles.afl");
    auto lines = read_lines(path);
    // Every row's angle becomes 7.7; the counts stay.
    for (size_t i = 5; i < lines.size(); ++i) {
        if (i >= 276 && i <= 285) continue;   // the empty lines and the eight values
        size_t from = lines[i].find_first_not_of(' ');
        lines[i] = "7.7" + lines[i].substr(lines[i].find(' ', from));
    }
    write_lines(path, lines);
    char name[400];
    set_name(name, "Odd angles.afl");
    float alpha;
    grabafoil(name, 4, 0, 0, &alpha);
    expect_tables_equal(4, 0, 0);
}

TEST_F(TableReaders, CarriageReturnLinesReadAlike)
{
    sectra::reset_to_default(sectra::DEVICE_AIRFOIL);
    std::string path = save(sectra::DEVICE_AIRFOIL, "airfoils", "crlf.afl");
    auto lines = read_lines(path);
    for (auto& l : lines) l += "\r";
    write_lines(path, lines);
    char name[400];
    set_name(name, "crlf.afl");
    float alpha;
    grabafoil(name, 6, 0, 1, &alpha);
    expect_tables_equal(6, 0, 1);
    EXPECT_FLOAT_EQ(afl.cm4[6][0][1], -0.075f);
}

TEST_F(TableReaders, AirfoilNameMatchedWithoutRegardToCase)
{
    sectra::reset_to_default(sectra::DEVICE_AIRFOIL);
    save(sectra::DEVICE_AIRFOIL, "airfoils", "NACA 2412 (popular).afl");
    char name[400];
    set_name(name, "naca 2412 (POPULAR).afl");
    float alpha;
    grabafoil(name, 7, 0, 0, &alpha);
    EXPECT_EQ(std::string(name), root + "/airfoils/NACA 2412 (popular).afl");
}

namespace {
struct bad_airfoil {
    const char* what;
    int keep_lines;         // 0: keep them all
    const char* code_line;  // replaces line 3 when set
    const char* message;
};
} // namespace

TEST_F(TableReaders, DamagedAirfoilFilesAreRefused)
{
    sectra::reset_to_default(sectra::DEVICE_AIRFOIL);
    const bad_airfoil cases[] = {
        {"a flap file", 0, "2345 device type code", "An airfoil file is corrupted! The name of the airfoil is:"},
        {"cut in the negative lift block", 100, nullptr, "An airfoil file is corrupted!"},
        {"cut in the negative drag block", 250, nullptr, "An airfoil file is corrupted!"},
        {"cut in the positive drag block", 320, nullptr, "An airfoil file is corrupted!"},
        {"cut in the positive lift block", 556, nullptr, "An airfoil file is corrupted!"},
        {"cut in the eight values", 280, nullptr, "File-scanning error!"},
    };
    for (const auto& c : cases) {
        std::string path = save(sectra::DEVICE_AIRFOIL, "airfoils", "Bad.afl");
        auto lines = read_lines(path);
        if (c.keep_lines) lines.resize(c.keep_lines);
        if (c.code_line) lines[2] = c.code_line;
        write_lines(path, lines);
        char name[400];
        set_name(name, "Bad.afl");
        float alpha;
        EXPECT_EXIT(grabafoil(name, 10, 0, 0, &alpha), ::testing::ExitedWithCode(1), c.message) << c.what;
    }
}

TEST_F(TableReaders, MissingAirfoilNamesThePart)
{
    char name[400];
    set_name(name, "Nowhere.afl");
    float alpha;
    EXPECT_EXIT(grabafoil(name, 11, 0, 0, &alpha), ::testing::ExitedWithCode(1),
                "An airfoil file could not be found!.*Nowhere.afl.*rigt h-stab");
}

TEST_F(TableReaders, FlapRoundTripFillsTheIncrementTables)
{
    sectra::reset_to_default(sectra::DEVICE_FLAP);
    save(sectra::DEVICE_FLAP, "flaps", "plain flap.flp");
    set_name(pln.flap_str, "plain flap.flp");
    read_flap_tables();
    EXPECT_EQ(std::string(pln.flap_str), root + "/flaps/plain flap.flp");
    for (int n = 0; n <= 50; ++n) {
        ASSERT_NEAR(pln.clflap[n], sectra::cl[8 * n], 6e-6) << n;
        ASSERT_NEAR(pln.cdflap[n], sectra::cd[8 * n], 6e-6) << n;
        ASSERT_NEAR(pln.cmflap[n], sectra::cm[8 * n], 6e-6) << n;
    }
    EXPECT_FLOAT_EQ(pln.clflap[50], 1.4f);
}

TEST_F(TableReaders, DamagedFlapFilesAreRefused)
{
    sectra::reset_to_default(sectra::DEVICE_FLAP);
    const bad_airfoil cases[] = {
        {"an airfoil file", 0, "1234 device type code", "An error occurred during read-in of the flaps file."},
        {"fewer than 51 rows", 40, nullptr, "An error occurred during read-in of the flaps file."},
        {"the last row cut short", 0, nullptr, "An error occurred during read-in of the flaps file."},
    };
    for (const auto& c : cases) {
        std::string path = save(sectra::DEVICE_FLAP, "flaps", "Bad.flp");
        auto lines = read_lines(path);
        if (c.keep_lines) lines.resize(c.keep_lines);
        if (c.code_line) lines[2] = c.code_line;
        if (!c.keep_lines && !c.code_line) lines[55] = "50 1.40000 0.08000";
        write_lines(path, lines);
        set_name(pln.flap_str, "Bad.flp");
        EXPECT_EXIT(read_flap_tables(), ::testing::ExitedWithCode(1), c.message) << c.what;
    }
    set_name(pln.flap_str, "None.flp");
    EXPECT_EXIT(read_flap_tables(), ::testing::ExitedWithCode(1),
                "The flap file that is required by the aircraft you are attempting to fly could not be found.");
}

TEST(ReynoldsBlend, ClampsToThePairWhicheverSlotIsLower)
{
    const struct {
        float re_lo_slot, re_hi_slot, re;
        float expected;   // blend of 10 (slot 0) and 20 (slot 1)
    } cases[] = {
        {3, 9, 6, 15},   {3, 9, 1, 10},    {3, 9, 12, 20},   // usual order
        {9, 3, 6, 15},   {9, 3, 1, 20},    {9, 3, 12, 10},   // slots swapped
        {4.5f, 4.5f, 7, 10},                                  // one table: the low slot
        {0, 99.9f, 5000, 20},
    };
    for (const auto& c : cases) {
        afl.Re[3][1][0] = c.re_lo_slot;
        afl.Re[3][1][1] = c.re_hi_slot;
        EXPECT_FLOAT_EQ(re_blend(3, 1, 10, 20, c.re), c.expected)
            << c.re_lo_slot << "/" << c.re_hi_slot << " at " << c.re;
    }
}
