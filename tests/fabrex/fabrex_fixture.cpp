#include "fabrex_fixture.h"

#include "aircraft_editor/default_plane.h"
#include "aircraft_editor/editor.h"
#include "aircraft_editor/fabrex_records.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <unistd.h>

int prompt_answer = 3;
int chooser_answer = 1;
std::string chooser_file = "Test.acf";
std::vector<char> calls;
std::string chooser_folder;
static std::string chooser_dir;

extern "C" {
int __wrap__Z17MACIBM_nuke_alertPKc(const char*)
{
    calls.push_back('p');
    return prompt_answer;
}

int __wrap__Z11MACIBM_saveiPcS_(int, char* file, char* path)
{
    calls.push_back('s');
    chooser_folder = wrk_path;
    if (!chooser_answer) return 0;
    copy_bounded(file, chooser_file.c_str(), 400);
    copy_bounded(path, (chooser_dir + "/" + chooser_file).c_str(), 400);
    return 1;
}

int __wrap__Z11MACIBM_openiPcS_(int, char* file, char* path)
{
    calls.push_back('o');
    chooser_folder = wrk_path;
    if (!chooser_answer) return 0;
    copy_bounded(file, chooser_file.c_str(), 400);
    copy_bounded(path, (chooser_dir + "/" + chooser_file).c_str(), 400);
    return 1;
}
}

void Editor::SetUp()
{
    char tmpl[] = "/tmp/fabrex_XXXXXX";
    ASSERT_TRUE(mkdtemp(tmpl));
    dir = chooser_dir = tmpl;
    copy_bounded(app_path, PROGRAM_DIR "/", 400);
    fill_constants();
    prompt_answer = 3;
    chooser_answer = 1;
    chooser_file = "Test.acf";
    calls.clear();
    memset(&fabrex::msc, 0, sizeof fabrex::msc);
    pln.is_heli = 0;
    fabrex::setup_baseplane("Untitled.acf", "Untitled.acf");
    fabrex::remember_engine_type();
    gdone = 0;
}

void Editor::TearDown()
{
    std::string cmd = "rm -rf '" + dir + "'";
    (void)!system(cmd.c_str());
}

std::vector<unsigned char> read_file(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(f), {});
}
