#include "start_support.h"

#include "tests/support/scratch_files.h"
#include "tests/support/toolkit_state.h"

#include "platform/window.h"
#include "shell/startup.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"

#include <unistd.h>

std::vector<std::string> notices;

bool any_notice(const char* words)
{
    for (const std::string& n : notices)
        if (n.find(words) != std::string::npos) return true;
    return false;
}

std::string prefs_file()
{
    std::string path = "/tmp/korvan_first_run_" + std::to_string(getpid()) + ".prf";
    static bool registered = false;
    if (!registered) remove_at_exit(path);
    registered = true;
    return path;
}

namespace {
void record_notice(const char*, const char* text)
{
    notices.push_back(text);
}

void start()
{
    notices.clear();
    plat_set_message_box_handler(record_notice);
    korvan_startup();
}
} // namespace

void start_fresh()
{
    unlink(prefs_file().c_str());
    start();
}

void start_again()
{
    start();
}

extern "C" {
// The program folder of the build, and the test's own settings file.
void __wrap__Z11MACIBM_initv()
{
    reset_full_screen_state();
    copy_bounded(app_path, PROGRAM_DIR "/", 400);
    copy_bounded(wrk_path, app_path, 400);
    copy_bounded(prf_path, prefs_file().c_str(), 400);
}
// The aircraft chooser: the user picks the bundled trainer.
int __wrap__Z11MACIBM_openiPcS_(int, char* file, char* path)
{
    copy_bounded(file, "Trainer.acf", 400);
    copy_bounded(path, PROGRAM_DIR "/Aircraft/Trainer.acf", 400);
    return 1;
}
// The window opens for real; only closing it reloads the panel's textures,
// which need the screen. Closing still does the window's work, as the
// toolkit would.
void __real__Z16MACIBM_startwindi(int n);
void __wrap__Z16MACIBM_startwindi(int n)
{
    if (n != 0) {
        __real__Z16MACIBM_startwindi(n);
        return;
    }
    if (mnw.topwin != 0) process_zap(mnw.topwin);
    mnw.topwin = 0;
}
void __wrap__Z8JOY_initv() {}
void __wrap__Z11speakstringPKc(const char*) {}
int __wrap__Z15initspeechsynthv()
{
    return 0;
}
int __wrap__Z10init_soundv()
{
    return 0;
}
}
