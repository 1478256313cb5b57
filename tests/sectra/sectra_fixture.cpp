#include "sectra_fixture.h"

#include "../support/toolkit_state.h"
#include "tools/Sectra/airfoil_model.h"
#include "tools/Sectra/edit_screen.h"
#include "tools/Sectra/part_flow.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

std::vector<int> answers;
std::vector<std::string> asked;
std::vector<std::string> chooser_paths;
std::vector<int> chooser_kinds;
std::vector<std::string> alerts;

namespace {
int next_answer(const char* name)
{
    asked.push_back(name);
    if (answers.empty()) return 3;
    int a = answers.front();
    answers.erase(answers.begin());
    return a;
}

// A chooser that picks the next scripted path: the file name and full path,
// as the toolkit's choosers set them.
int choose(int kind, char* file, char* path)
{
    chooser_kinds.push_back(kind);
    if (chooser_paths.empty()) return 0;
    std::string p = chooser_paths.front();
    chooser_paths.erase(chooser_paths.begin());
    if (p.empty()) return 0;
    copy_bounded(path, p.c_str(), 400);
    copy_bounded(file, std::filesystem::path(p).filename().c_str(), 400);
    return 1;
}
} // namespace

void SectraEditor::SetUp()
{
    namespace fs = std::filesystem;
    dir = ::testing::TempDir() + "sectra_" + std::to_string(getpid()) + "/";
    fs::remove_all(dir);
    fs::create_directories(dir);
    reset_full_screen_state();
    to_array = 1;
    gdone = 0;
    plat_set_message_box_handler([](const char*, const char* text) { alerts.push_back(text); });
    answers.clear();
    asked.clear();
    chooser_paths.clear();
    chooser_kinds.clear();
    alerts.clear();
    sectra::ask_save_changes = next_answer;
    sectra::choose_open_file = choose;
    sectra::choose_save_file = choose;
    sectra::msc.C_path[0] = 0;
    sectra::reset_to_default(sectra::DEVICE_AIRFOIL);
    sectra::mx = 250;
}

void SectraEditor::TearDown()
{
    to_array = 0;
    std::filesystem::remove_all(dir);
}

std::string SectraEditor::read_file(const std::string& path) const
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

int SectraEditor::exists(const std::string& path) const
{
    return std::filesystem::exists(path) ? 1 : 0;
}
