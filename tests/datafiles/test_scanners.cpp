// Headers, scanners, locale independence and data-file paths.
#include "temp_files.h"

#include "toolkit/HL_FUNCT.h"

#include <cstring>
#include <locale>
#include <vector>

namespace {
const char* const kHeader = "I\n1 version\n";

// A locale that writes and reads numbers with a decimal comma.
struct comma_numpunct : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

std::string with_line_ends(const std::string& s, const std::string& eol)
{
    std::string out;
    for (char c : s) {
        if (c == '\n') out += eol;
        else out += c;
    }
    return out;
}

// Runs one scanner per letter and joins the results with "|":
// i intscan, I intscanNOSN, f fltscan, F fltscanNOSN, b bolscan, B bolscanNOSN,
// w wrdscan and s strscan (with `dim`), d idscan (four characters), r rln.
std::string run_scanners(const std::string& ops, int dim)
{
    std::string out;
    char buf[64];
    for (size_t k = 0; k < ops.size(); ++k) {
        char op = ops[k];
        if (k > 0) out += "|";
        std::memset(buf, '#', sizeof buf);
        switch (op) {
        case 'i': out += std::to_string(intscan("lbl")); break;
        case 'I': out += std::to_string(intscanNOSN("lbl")); break;
        case 'b': out += std::to_string(bolscan("lbl")); break;
        case 'B': out += std::to_string(bolscanNOSN("lbl")); break;
        case 'f':
        case 'F': {
            float v = op == 'f' ? fltscan("lbl") : fltscanNOSN("lbl");
            snprintf(buf, sizeof buf, "%g", v);
            out += buf;
            break;
        }
        case 'w': wrdscan(buf, "lbl", dim); out += buf; break;
        case 's': strscan(buf, "lbl", dim); out += buf; break;
        case 'd': idscan(buf, "lbl", 5); out += buf; break;
        case 'r': rln("lbl"); break;
        }
    }
    return out;
}

struct ScanCase {
    const char* body;   // after the header; '\n' stands for the file's line end
    const char* ops;
    int dim;
    const char* expected;
};

const ScanCase kGoodCases[] = {
    {"354 version code 2\n9\n", "ii", 0, "354|9"},
    {"3 4\n", "Is", 40, "3| 4"},                      // NOSN leaves the rest of the line
    {"3 4\n5\n", "IIi", 0, "3|4|5"},
    {"2\n1\n-1\n", "bbb", 0, "0|1|0"},
    {"1 2\n", "BB", 0, "1|0"},
    {"  abcdefghij second\n", "ww", 8, "abcdef|second"},
    {"abcdefghijkl\nnext\n", "ss", 5, "abc|nex"},
    {"abcdefghijkl\nxy\n", "ss", 5, "abc|xy"},
    {"3.25\n-1.5 2\n", "fFF", 0, "3.25|-1.5|2"},
    {"1 2 3\nx\n", "is", 40, "1|x"},
    {"a\n\nb\n", "sss", 40, "a||b"},
    {"skip me\n5\n", "ri", 0, "|5"},
    {"  AB name here\n", "ds", 40, "AB|name here"},
    {"KSEAX rest\n", "ds", 40, "KSEA| rest"},      // the character after four is skipped
    {"KSEA\nX\n", "ds", 40, "KSEA|X"},            // no name: the line is done
    // End of file right after a complete value, word or line.
    {"7", "i", 0, "7"},
    {"7 ", "i", 0, "7"},
    {"1.5", "f", 0, "1.5"},
    {"last line", "s", 40, "last line"},
    {"word", "w", 40, "word"},
    {"4 9", "II", 0, "4|9"},
    {"x\n", "s", 40, "x"},
};

class Scanners : public TempFiles, public ::testing::WithParamInterface<std::string> {};

TEST_P(Scanners, ReadAlikeWithEveryLineEnd)
{
    const std::string eol = GetParam();
    for (const ScanCase& c : kGoodCases) {
        std::string file = put("t.txt", with_line_ends(std::string(kHeader) + c.body, eol));
        ASSERT_EQ(inf_open(file.c_str(), 206, 1, 0), 1) << c.body;
        EXPECT_EQ(run_scanners(c.ops, c.dim), c.expected) << "body: " << c.body;
        inf1.close();
    }
}

INSTANTIATE_TEST_SUITE_P(LineEnds, Scanners, ::testing::Values("\n", "\r\n", "\r"),
                         [](const ::testing::TestParamInfo<std::string>& i) {
                             return i.param == "\n" ? std::string("LF") : i.param == "\r" ? "CR" : "CRLF";
                         });

struct FailCase {
    const char* body;
    const char* ops;
    int dim;
};

const FailCase kFailCases[] = {
    {"", "i", 0},            // empty after the header
    {"abc\n", "i", 0},       // not a number
    {"abc\n", "f", 0},
    {"7\n", "ii", 0},        // read past the end
    {"7", "ii", 0},
    {"7", "ir", 0},
    {"word", "ww", 40},
    {"x\n", "ss", 40},
    {"x", "ss", 40},
    {"x\n", "sr", 40},
    {"   \n", "w", 40},
};

using ScannerFailures = TempFiles;

TEST_F(ScannerFailures, EndTheProgramNamingTheItem)
{
    for (const FailCase& c : kFailCases) {
        std::string file = put("t.txt", std::string(kHeader) + c.body);
        EXPECT_EXIT(
            {
                inf_open(file.c_str(), 206, 1, 0);
                run_scanners(c.ops, c.dim);
                exit(0);
            },
            ::testing::ExitedWithCode(1), "File-scanning error!.*file:.*lbl")
            << "body: " << c.body << " ops: " << c.ops;
    }
}

TEST_F(ScannerFailures, SoftScanningReportsInsteadOfEnding)
{
    std::string file = put("t.txt", std::string(kHeader) + "abc\n");
    ASSERT_EQ(inf_open(file.c_str(), 206, 1, 0), 1);
    scan_soft = 1;
    EXPECT_EQ(intscan("lbl"), 0);
    EXPECT_EQ(scan_failed, 1);
    char word[8];
    strscan(word, "lbl", 8);
    EXPECT_STREQ(word, "");
}

TEST_F(ScannerFailures, BinaryStringChecksItsByteCount)
{
    std::string file = put("t.env", std::string("i\x01\0\0\0abc", 8));
    EXPECT_EXIT(
        {
            inf_open(file.c_str(), 204, 1, 0);
            char s[8];
            strscan(s, "short name", 8);
            exit(0);
        },
        ::testing::ExitedWithCode(1), "File-scanning error!.*short name");
}

using Headers = TempFiles;

TEST_F(Headers, WrittenByteForByte)
{
    std::string text = path("a.prf");
    ASSERT_EQ(ouf_open(text.c_str(), 206, 354), 1);
    ASSERT_EQ(ouf_close(), 1);
    EXPECT_EQ(bytes_of(text), "I\n354 version\n");

    std::string bin = path("a.acf");
    ASSERT_EQ(ouf_open(bin.c_str(), 203, 46), 1);
    ASSERT_EQ(ouf_close(), 1);
    EXPECT_EQ(bytes_of(bin), std::string("i\x2e\0\0\0", 5));

    ASSERT_EQ(ouf_open(bin.c_str(), 204, -1), 1);
    ASSERT_EQ(ouf_close(), 1);
    EXPECT_EQ(bytes_of(bin), std::string("i\xff\xff\xff\xff", 5));
}

TEST_F(Headers, SaveReplacesTheOldFileOnlyWhenComplete)
{
    std::string file = put("keep.prf", "old contents");
    ASSERT_EQ(ouf_open(file.c_str(), 206, 7), 1);
    ouf << "new line\n";
    ouf.flush();
    EXPECT_EQ(bytes_of(file), "old contents");   // half a save is never in its place
    ASSERT_EQ(ouf_close(), 1);
    EXPECT_EQ(bytes_of(file), "I\n7 version\nnew line\n");
    EXPECT_FALSE(std::filesystem::exists(file + ".tmp"));
}

TEST_F(Headers, UnwritableFolderGivesNoticeAndNoFile)
{
    std::string file = path("missing/folder/x.prf");
    EXPECT_EQ(ouf_open(file.c_str(), 206, 1), 0);
    EXPECT_EQ(ouf_close(), 0);
    EXPECT_FALSE(std::filesystem::exists(file));
}

struct HeaderCase {
    std::string bytes;
    int ftype, version;
    int opens;
};

TEST_F(Headers, ReadAndChecked)
{
    const HeaderCase cases[] = {
        {"I\n354 version code 2\n", 206, 354, 1},
        {"A\n354 version\n", 206, 354, 1},
        {"I\r\n354 version\r\n", 206, 354, 1},
        {"I\r354 version\r", 206, 354, 1},
        {"I\n354 version", 206, 354, 1},      // nothing after the header
        {"I\n353 version\n", 206, 354, 0},    // wrong version, no alert
        {"X\n354 version\n", 206, 354, 0},
        {"", 206, 354, 0},
        {std::string("i\x2e\0\0\0", 5), 203, 46, 1},
        {std::string("a\0\0\0\x2e", 5), 203, 46, 1},
        {std::string("I\x2e\0\0\0", 5), 203, 46, 0},
        {std::string("i\x2f\0\0\0", 5), 203, 46, 0},
    };
    for (const HeaderCase& c : cases) {
        std::string file = put("h", c.bytes);
        EXPECT_EQ(inf_open(file.c_str(), c.ftype, c.version, 0), c.opens) << c.bytes;
        inf1.close();
    }
    EXPECT_EQ(inf_open(path("nothing here").c_str(), 206, 1, 0), 0);
}

TEST_F(Headers, TextHeaderNamesTheLineEnd)
{
    std::string file = put("cr", "I\r5 version\r1\r");
    ASSERT_EQ(inf_open(file.c_str(), 206, 5, 0), 1);
    EXPECT_EQ(x_eln, '\r');
}

TEST_F(Headers, OtherByteOrderReversesEveryValue)
{
    float f = 200.0f;
    unsigned char fb[4];
    std::memcpy(fb, &f, 4);
    rev_byte_order4(fb);
    std::string bytes = std::string("a\0\0\0\x2e\0\0\x01\x62", 9) + std::string((const char*)fb, 4);
    std::string file = put("rev.env", bytes);
    ASSERT_EQ(inf_open(file.c_str(), 204, 46, 0), 1);
    EXPECT_EQ(rev_inf_bin, 1);
    EXPECT_EQ(intscan("v"), 354);
    EXPECT_EQ(fltscan("v"), 200.0f);

    unsigned char two[2] = {1, 2};
    rev_byte_order2(two);
    EXPECT_EQ(two[0], 2);
    EXPECT_EQ(two[1], 1);
}

TEST_F(Headers, WrongVersionWithAlertEndsTheProgram)
{
    std::string file = put("old.acf", std::string("i\x2d\0\0\0", 5));
    EXPECT_EXIT(inf_open(file.c_str(), 203, 46, 1), ::testing::ExitedWithCode(1),
                "wrong version for this version of Korvan");
}

TEST_F(Headers, NumbersIgnoreTheUsersLocale)
{
    std::locale comma(std::locale::classic(), new comma_numpunct);
    std::locale old = std::locale::global(comma);
    std::string file = path("n.prf");
    ASSERT_EQ(ouf_open(file.c_str(), 206, 1), 1);
    ouf << 3.5f << "\n";
    ASSERT_EQ(ouf_close(), 1);
    EXPECT_EQ(bytes_of(file), "I\n1 version\n3.500000\n");

    ASSERT_EQ(inf_open(file.c_str(), 206, 1, 0), 1);
    inf1.imbue(comma);
    EXPECT_EQ(fltscan("n"), 3.5f);
    std::locale::global(old);
}

TEST_F(Headers, TextStringReadsTheChosenStream)
{
    std::string one = put("one", "I\n1 version\nfirst\n");
    std::string two = put("two", "second\n");
    ASSERT_EQ(inf_open(one.c_str(), 206, 1, 0), 1);
    inf2.open(two, std::ios::binary);
    inf_use = 2;
    char s[40];
    strscan(s, "two", 40);
    inf_use = 1;
    EXPECT_STREQ(s, "second");
    strscan(s, "one", 40);
    EXPECT_STREQ(s, "first");
}

using DataPaths = TempFiles;

TEST_F(DataPaths, ExactNameFirstThenAnyCase)
{
    std::filesystem::create_directories(dir / "airfoils");
    put("airfoils/NACA 0012.AFL", "x");
    copy_bounded(app_path, (dir.string() + "/").c_str(), 400);

    char p[400] = "naca 0012.afl";
    ap_dir("airfoils", p);
    EXPECT_EQ(std::string(p), path("airfoils/NACA 0012.AFL"));

    put("airfoils/naca 0012.afl", "y");
    copy_bounded(p, "naca 0012.afl", 400);
    ap_dir("airfoils", p);
    EXPECT_EQ(std::string(p), path("airfoils/naca 0012.afl"));

    // Not there at all: the plain joined path, for the caller's own failure.
    copy_bounded(p, "none.afl", 400);
    ap_dir("airfoils", p);
    EXPECT_EQ(std::string(p), path("airfoils/none.afl"));
}

TEST_F(DataPaths, JoinNeverOverrunsThePath)
{
    copy_bounded(app_path, (dir.string() + "/").c_str(), 400);
    char p[401];
    std::memset(p, 'n', 399);
    p[399] = 0;
    p[400] = '!';
    ap_dir("sounds", p);
    EXPECT_LT(std::strlen(p), 400u);
    EXPECT_EQ(p[400], '!');
}
} // namespace
