#include "fuzz_support.h"

#include "platform/window.h"
#include "toolkit/HL_FILE.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
std::string folder;
std::string last_alert;

void refuse(const char*, const char* text)
{
    last_alert = text ? text : "";
    throw fuzz_refused{};
}

void remove_folder()
{
    std::error_code ec;
    fs::remove_all(folder, ec);
}

void make_folder()
{
    folder = (fs::temp_directory_path() / ("korvan_fuzz_" + std::to_string(getpid()))).string() + "/";
    fs::create_directories(folder + "additional nav data");
    fs::create_directories(folder + "config/korvan");
    for (const char* sub : {"airfoils", "flaps"}) {
        fs::create_directories(folder + sub);
        std::error_code ec;
        for (const auto& f : fs::directory_iterator(std::string(PROGRAM_DIR) + "/" + sub, ec))
            fs::copy_file(f.path(), folder + sub + "/" + f.path().filename().string(),
                          fs::copy_options::overwrite_existing);
    }
    atexit(remove_folder);
    setenv("XDG_CONFIG_HOME", (folder + "config").c_str(), 1);
    fill_constants();
}
} // namespace

const std::string& fuzz_last_alert()
{
    return last_alert;
}

const std::string& fuzz_folder()
{
    return folder;
}

void fuzz_start_run()
{
    if (folder.empty()) make_folder();
    plat_set_message_box_handler(refuse);
    last_alert.clear();
    copy_bounded(app_path, folder.c_str(), 400);
    ogl_ready = 0;
    done_initing = 1;
    gdone = 0;
    inf_use = 1;
    scan_soft = 0;
    scan_failed = 0;
    for (std::ifstream* s : {&inf1, &inf2}) {
        s->close();
        s->clear();
    }
}

std::string fuzz_put(const std::string& name, const uint8_t* data, size_t size)
{
    std::string path = folder + name;
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write((const char*)data, (std::streamsize)size);
    return path;
}
