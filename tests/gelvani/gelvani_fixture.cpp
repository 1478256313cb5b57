#include "gelvani_fixture.h"

#include "tools/Gelvani/gelvani_program.h"
#include "tools/Gelvani/gelvani_records.h"
#include "tools/Gelvani/terrain_square.h"

#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "tests/support/scratch_files.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

std::vector<std::string> GelvaniFolder::alerts;

void GelvaniFolder::SetUp()
{
    static int n = 0;
    dir = ::testing::TempDir() + "gelvani_" + std::to_string(getpid()) + "_" + std::to_string(n++) + "/";
    std::filesystem::remove_all(dir);
    remove_at_exit(dir);
    std::filesystem::create_directories(nav_dir() + "+030-120");
    std::filesystem::create_directories(nav_dir() + "coastlines");
    snprintf(app_path, sizeof app_path, "%s", dir.c_str());
    snprintf(prf_path, sizeof prf_path, "%sGelvani.prf", dir.c_str());
    alerts.clear();
    plat_set_message_box_handler([](const char*, const char* text) {
        alerts.push_back(text);
        fprintf(stderr, "%s\n", text);
    });
    gdone = 0;
    gelvani::set_defaults();
    gelvani::clear_obstacles();
    gelvani::flat_sea();
    gelvani::ask_save_changes = MACIBM_nuke_alert;
}

std::vector<unsigned char> read_bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

void write_bytes(const std::string& path, const std::vector<unsigned char>& b)
{
    std::ofstream(path, std::ios::binary).write((const char*)b.data(), (std::streamsize)b.size());
}

std::string read_text(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void write_text(const std::string& path, const std::string& s)
{
    std::ofstream(path, std::ios::binary) << s;
}
