// The aircraft file: layout, round trips in both byte orders, refusals.
#include "temp_files.h"

#include "toolkit/plane_file.h"
#include "toolkit/plane_record.h"

#include <cstddef>
#include <cstring>
#include <memory>

namespace {
constexpr size_t kImage = 189548;

// Every 4-byte word different and no word a palindrome, so any reversal shows.
void fill_pattern(planestruct& p)
{
    unsigned char* b = (unsigned char*)&p;
    for (size_t i = 0; i < sizeof p; ++i) b[i] = (unsigned char)(i % 251);
}

void name_it(planestruct& p, const std::string& file, const std::string& full)
{
    copy_bounded(p.C_file, file.c_str(), 400);
    copy_bounded(p.C_path, full.c_str(), 400);
    copy_bounded(p.C_name, file.substr(0, file.size() - 4).c_str(), 400);
}

// A realistic record: text fields terminated, asi_units in its native form.
std::unique_ptr<planestruct> sample(const std::string& file, const std::string& full)
{
    auto p = std::make_unique<planestruct>();
    fill_pattern(*p);
    name_it(*p, file, full);
    copy_bounded(p->tailnum, "N1234X", 400);
    copy_bounded(p->Rafl0[4], "NACA 2412.afl", 400);
    copy_bounded(p->flap_str, "plain.flp", 400);
    // Text read from a file always ends within its field.
    for (char* s : {p->C_file, p->C_name, p->C_path, p->tailnum, p->flap_str}) s[399] = 0;
    for (int k = 0; k < 28; ++k) {
        p->Rafl0[k][399] = p->Rafl1[k][399] = p->Tafl0[k][399] = p->Tafl1[k][399] = 0;
    }
    p->asi_units = 1;
    p->Vne = 200.0f;
    return p;
}

using PlaneFile = TempFiles;

TEST_F(PlaneFile, RecordLayoutIsFixed)
{
    EXPECT_EQ(sizeof(planestruct), kImage);
    EXPECT_EQ(offsetof(planestruct, asi_units), 1608u);
    EXPECT_EQ(offsetof(planestruct, dummy5), 91160u);
    EXPECT_EQ(offsetof(planestruct, ASr2), 189544u);
}

TEST_F(PlaneFile, WrittenAndReadBackToTheByte)
{
    std::string full = path("Test Plane.acf");
    auto want = sample("Test Plane.acf", full);
    std::memcpy(&pln, want.get(), sizeof pln);
    ASSERT_EQ(write_plane_file(full.c_str()), 1);

    std::string bytes = bytes_of(full);
    ASSERT_EQ(bytes.size(), 5 + kImage);
    EXPECT_EQ(bytes.substr(0, 5), std::string("i\x2e\0\0\0", 5));
    EXPECT_EQ(std::memcmp(bytes.data() + 5, want.get(), kImage), 0);
    EXPECT_FALSE(std::filesystem::exists(full + ".tmp"));

    std::memset(&pln, 0, sizeof pln);
    ASSERT_EQ(read_plane_file("Test Plane.acf", full.c_str()), 1);
    EXPECT_EQ(std::memcmp(&pln, want.get(), kImage), 0);

    ASSERT_EQ(write_plane_file(full.c_str()), 1);
    EXPECT_TRUE(bytes_of(full) == bytes);
}

TEST_F(PlaneFile, OtherByteOrderLoadsLikeItsNativeTwin)
{
    std::string full = path("twin.acf");
    auto want = sample("twin.acf", full);

    // The twin as a machine of the other byte order writes it.
    std::memcpy(&pln, want.get(), sizeof pln);
    rev_pln_bytes();
    {
        std::ofstream f(full, std::ios::binary);
        f.write("a\0\0\0\x2e", 5);
        f.write((const char*)&pln, sizeof pln);
    }
    EXPECT_EQ(pln.asi_units, 16777216);

    std::memset(&pln, 0, sizeof pln);
    ASSERT_EQ(read_plane_file("twin.acf", full.c_str()), 1);
    EXPECT_EQ(pln.asi_units, 1);
    EXPECT_EQ(pln.Vne, 200.0f);
    EXPECT_EQ(std::memcmp(&pln, want.get(), kImage), 0);
}

TEST_F(PlaneFile, ReversalTouchesExactlyTheStoredNumbers)
{
    auto p = std::make_unique<planestruct>();
    fill_pattern(*p);
    std::memcpy(&pln, p.get(), sizeof pln);
    rev_pln_bytes();

    const unsigned char* a = (const unsigned char*)p.get();
    const unsigned char* b = (const unsigned char*)&pln;
    int changed = 0;
    for (size_t w = 0; w < kImage; w += 4) {
        if (std::memcmp(a + w, b + w, 4) == 0) continue;
        ++changed;
        EXPECT_TRUE(a[w] == b[w + 3] && a[w + 1] == b[w + 2] && a[w + 2] == b[w + 1] && a[w + 3] == b[w])
            << "word at " << w << " changed but not reversed";
    }
    // The words in the list: 17 header values, 9 x 2 instrument slots, 24 engine
    // values, 4 x 9 propeller values, 28 x (12 + 8 x 9) part values, 32 control
    // and body values, 28 x (1 + 18 x 16 x 3) body grid values, 60 mass, gear
    // and stability values.
    EXPECT_EQ(changed, 17 + 18 + 24 + 36 + 28 * (12 + 8 * 9) + 32 + 28 * (1 + 18 * 16 * 3) + 60);

    auto unchanged = [&](size_t off, size_t len) { return std::memcmp(a + off, b + off, len) == 0; };
    EXPECT_TRUE(unchanged(offsetof(planestruct, C_file), 1200));
    EXPECT_TRUE(unchanged(offsetof(planestruct, tailnum), 400));
    EXPECT_TRUE(unchanged(offsetof(planestruct, us_alt), 4));
    EXPECT_TRUE(unchanged(offsetof(planestruct, ecam), 3636 - 1672));   // ecam .. ahx2_roll
    EXPECT_TRUE(unchanged(offsetof(planestruct, miprop), 4060 - 3900));
    EXPECT_TRUE(unchanged(offsetof(planestruct, Rafl0), 48908 - 4108));
    EXPECT_TRUE(unchanged(offsetof(planestruct, in_downwash), 83964 - 51148));
    EXPECT_TRUE(unchanged(offsetof(planestruct, dummy1), 4));
    EXPECT_TRUE(unchanged(offsetof(planestruct, flapEQ), 4));
    EXPECT_TRUE(unchanged(offsetof(planestruct, flap_str), 92192 - 91180));
    EXPECT_TRUE(unchanged(offsetof(planestruct, fuseYcent), 20));
    EXPECT_TRUE(unchanged(offsetof(planestruct, Jxx_unitmass), 12));
    EXPECT_TRUE(unchanged(offsetof(planestruct, h_eqlbm), 8));
    EXPECT_TRUE(unchanged(offsetof(planestruct, ngearcon), 24));
    EXPECT_TRUE(unchanged(offsetof(planestruct, condef), 48));

    rev_pln_bytes();
    EXPECT_EQ(std::memcmp(&pln, p.get(), kImage), 0);
}

TEST_F(PlaneFile, StoredNamesGiveWayToTheOpenedOnes)
{
    std::string full = path("Real Name.acf");
    auto want = sample("Old Name.acf", "/somewhere/else/Old Name.acf");
    std::memcpy(&pln, want.get(), sizeof pln);
    ASSERT_EQ(write_plane_file(full.c_str()), 1);
    std::memset(&pln, 0, sizeof pln);
    ASSERT_EQ(read_plane_file("Real Name.acf", full.c_str()), 1);
    EXPECT_STREQ(pln.C_file, "Real Name.acf");
    EXPECT_STREQ(pln.C_path, full.c_str());
    EXPECT_STREQ(pln.C_name, "Real Name");
    EXPECT_STREQ(pln.tailnum, "N1234X");
}

TEST_F(PlaneFile, TextFieldsComeBackTerminated)
{
    std::string full = path("t.acf");
    auto p = sample("t.acf", full);
    std::memset(p->tailnum, 'T', 400);
    std::memset(p->Tafl1[27], 'A', 400);
    {
        std::ofstream f(full, std::ios::binary);
        f.write("i\x2e\0\0\0", 5);
        f.write((const char*)p.get(), sizeof *p);
    }
    ASSERT_EQ(read_plane_file("t.acf", full.c_str()), 1);
    EXPECT_EQ(std::strlen(pln.tailnum), 399u);
    EXPECT_EQ(std::strlen(pln.Tafl1[27]), 399u);
}

TEST_F(PlaneFile, MissingFileLeavesTheAircraftAlone)
{
    auto p = sample("keep.acf", path("keep.acf"));
    std::memcpy(&pln, p.get(), sizeof pln);
    EXPECT_EQ(read_plane_file("gone.acf", path("gone.acf").c_str()), 0);
    EXPECT_EQ(std::memcmp(&pln, p.get(), kImage), 0);
}

TEST_F(PlaneFile, ShortOrDamagedFileIsReportedAndRefusedWithTheAircraftUntouched)
{
    std::string full = path("bad.acf");
    auto whole = sample("bad.acf", full);
    auto odd_units = sample("bad.acf", full);
    odd_units->asi_units = 7;   // no byte order makes it 1 or 2
    const struct {
        const char* what;
        std::string header;
        const planestruct* image;
        size_t bytes;
        const char* alert;
    } cases[] = {
        {"one byte short", std::string("i\x2e\0\0\0", 5), whole.get(), kImage - 1, "An error occurred during read-in"},
        {"unreadable units", std::string("i\x2e\0\0\0", 5), odd_units.get(), kImage, "An error occurred during read-in"},
        {"version 45", std::string("i\x2d\0\0\0", 5), whole.get(), kImage, "wrong version"},
        {"empty", "", nullptr, 0, "An error occurred during read-in"},
        {"not an aircraft file", "I\n1 version\n", nullptr, 0, "An error occurred during read-in"},
    };
    auto flying = sample("keep.acf", path("keep.acf"));
    for (const auto& c : cases) {
        {
            std::ofstream f(full, std::ios::binary);
            f.write(c.header.data(), (std::streamsize)c.header.size());
            if (c.image) f.write((const char*)c.image, (std::streamsize)c.bytes);
        }
        std::memcpy(&pln, flying.get(), sizeof pln);
        last_alert.clear();
        EXPECT_EQ(read_plane_file("bad.acf", full.c_str()), -1) << c.what;
        EXPECT_NE(last_alert.find(c.alert), std::string::npos) << c.what << ": " << last_alert;
        EXPECT_NE(last_alert.find(full), std::string::npos) << c.what;
        EXPECT_EQ(std::memcmp(&pln, flying.get(), kImage), 0) << c.what;
    }
}
} // namespace
