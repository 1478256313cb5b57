#include "airfoil_test_support.h"

#include "platform/window.h"
#include "tools/Sectra/airfoil_model.h"
#include "toolkit/airfoil_record.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <cstdlib>
#include <fstream>
#include <sys/stat.h>

namespace {
void no_box(const char*, const char*)
{
}
} // namespace

std::string make_program_folder()
{
    plat_set_message_box_handler(no_box);
    char tmpl[] = "/tmp/airfoil_test_XXXXXX";
    std::string root = mkdtemp(tmpl);
    mkdir((root + "/airfoils").c_str(), 0755);
    mkdir((root + "/flaps").c_str(), 0755);
    copy_bounded(app_path, (root + "/").c_str(), 400);
    return root;
}

std::vector<std::string> read_lines(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

void write_lines(const std::string& path, const std::vector<std::string>& lines)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const auto& l : lines) out << l << "\n";
}

int table_index(float angle)
{
    if (angle < -20) return (int)std::lround(angle) - 180 + 270;
    if (angle > 20) return (int)std::lround(angle) + 180 + 270;
    return (int)std::lround(angle * 10) + 270;
}

void expect_tables_equal(int EN, int RT, int Re)
{
    using sectra::cd;
    using sectra::cl;
    for (int k = 0; k <= 170; ++k) {
        ASSERT_NEAR(afl.clneg[EN][RT][Re][k], cl[170 - k], 6e-6) << "clneg " << k;
        ASSERT_NEAR(afl.clpos[EN][RT][Re][k], cl[370 + k], 6e-6) << "clpos " << k;
    }
    for (int k = 0; k <= 270; ++k) {
        ASSERT_NEAR(afl.cdneg[EN][RT][Re][k], cd[270 - k], 6e-6) << "cdneg " << k;
        ASSERT_NEAR(afl.cdpos[EN][RT][Re][k], cd[270 + k], 6e-6) << "cdpos " << k;
    }
}

void set_name(char* field, const char* name)
{
    memset(field, 0, 400);
    copy_bounded(field, name, 400);
}
