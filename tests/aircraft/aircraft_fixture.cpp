#include "aircraft_fixture.h"

#include "aircraft_editor/trainer_design.h"
#include "records/cockpit_state.h"
#include "flight/INITPLN.h"
#include "records/flight_state.h"
#include "platform/window.h"
#include "toolkit/HL_FILE.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/airfoil_record.h"
#include "toolkit/plane_file.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>

std::vector<std::string> caught_alerts;

namespace {
// A death test's child ends inside the test, before TearDown: its scratch
// folder goes when the process does.
std::string scratch;

void remove_scratch()
{
    std::error_code ec;
    if (!scratch.empty()) std::filesystem::remove_all(scratch, ec);
}

// Printed as well, so that a death test sees the alert that ended it.
void catch_alert(const char*, const char* text)
{
    fprintf(stderr, "ALERT[%s]\n", text);
    caught_alerts.push_back(text);
}
} // namespace

void AircraftTest::SetUp()
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    char pattern[] = "/tmp/korvan_aircraft_XXXXXX";
    dir = mkdtemp(pattern);
    static int registered = atexit(remove_scratch);
    (void)registered;
    scratch = dir;
    caught_alerts.clear();
    plat_set_message_box_handler(catch_alert);
    ogl_ready = 0;
    gdone = 0;
    fill_constants();
    copy_bounded(app_path, PROGRAM_DIR "/", 400);
    memset(&flt, 0, sizeof flt);
    memset(&msc, 0, sizeof msc);
    memset(&env, 0, sizeof env);
    memset(&ins, 0, sizeof ins);
    trk.close();
    trk.clear();
    trk.open(dir + "/Korvan.out", std::ios::out | std::ios::trunc);
    trk.setf(std::ios::fixed, std::ios::floatfield);
}

void AircraftTest::TearDown()
{
    trk.close();
    trk.clear();
    inf1.close();
    inf1.clear();
    remove_scratch();
    scratch.clear();
}

void AircraftTest::trainer()
{
    fabrex::build_trainer((dir + "/Test.acf").c_str());
}

void AircraftTest::rectangular_wing()
{
    trainer();
    for (int p : {6, 7}) pln.semilen[p] = 0;
    for (int p : {4, 5}) {
        pln.semilen[p] = 10;
        pln.Croot[p] = pln.Ctip[p] = 5;
        pln.sweep1[p] = 0;
        pln.dihed[p] = 0;
    }
}

void AircraftTest::load(const std::string& name)
{
    std::string path = dir + "/" + name;
    copy_bounded(pln.C_file, name.c_str(), 400);
    copy_bounded(pln.C_path, path.c_str(), 400);
    ASSERT_EQ(write_plane_file(path.c_str()), 1);
    load_plane();
    trk.flush();
}

std::vector<std::string> AircraftTest::log_lines()
{
    trk.flush();
    std::ifstream in(dir + "/Korvan.out", std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

int AircraftTest::log_has(const std::string& line)
{
    for (const auto& l : log_lines())
        if (l == line) return 1;
    return 0;
}

std::string AircraftTest::own_program_folder()
{
    namespace fs = std::filesystem;
    std::string root = dir + "/program";
    for (const char* sub : {"airfoils", "flaps"}) {
        fs::create_directories(root + "/" + sub);
        for (const auto& f : fs::directory_iterator(std::string(PROGRAM_DIR) + "/" + sub))
            fs::copy_file(f.path(), root + "/" + sub + "/" + f.path().filename().string());
    }
    copy_bounded(app_path, (root + "/").c_str(), 400);
    return root;
}

std::string alert_pattern(const std::vector<std::string>& lines)
{
    std::string out;
    for (const auto& l : lines) {
        if (l.empty()) continue;
        if (!out.empty()) out += "(.|\n)*";
        for (char c : l) {
            if (strchr("\\^$.|?*+()[]{}", c)) out += '\\';
            out += c;
        }
    }
    return out;
}

std::string alert_text(const std::vector<std::string>& lines)
{
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i) out += (i ? "\n\n" : "") + lines[i];
    return out;
}

::testing::AssertionResult refused_at_start_up(const std::function<void()>& load, const std::string& pattern)
{
    caught_alerts.clear();
    chooser_gives.clear();
    chooser_opened = 0;
    gdone = 0;
    done_initing = 0;
    load();
    gdone = 0;
    if (caught_alerts.size() != 1) return ::testing::AssertionFailure() << caught_alerts.size() << " alerts";
    if (!std::regex_search(caught_alerts[0], std::regex(pattern)))
        return ::testing::AssertionFailure() << "the alert was: " << caught_alerts[0];
    if (chooser_opened != 1) return ::testing::AssertionFailure() << "the chooser opened " << chooser_opened << " times";
    return ::testing::AssertionSuccess();
}
