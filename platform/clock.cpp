#include "clock.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const std::chrono::steady_clock::time_point process_start = std::chrono::steady_clock::now();
std::string program_folder;
std::string settings_folder;

void make_folders(const std::string& path)
{
    for (size_t i = 1; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '/') mkdir(path.substr(0, i).c_str(), 0755);
    }
}
} // namespace

long plat_clock_ms()
{
    return (long)std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now() - process_start)
        .count();
}

const char* plat_program_folder()
{
    if (program_folder.empty()) {
        char buf[4096];
        ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
        std::string exe = n > 0 ? std::string(buf, (size_t)n) : std::string("./");
        program_folder = exe.substr(0, exe.rfind('/') + 1);
    }
    return program_folder.c_str();
}

const char* plat_settings_folder()
{
    if (settings_folder.empty()) {
        const char* xdg = getenv("XDG_CONFIG_HOME");
        const char* home = getenv("HOME");
        if (xdg && *xdg) settings_folder = std::string(xdg) + "/korvan";
        else settings_folder = std::string(home && *home ? home : ".") + "/.config/korvan";
        make_folders(settings_folder);
    }
    return settings_folder.c_str();
}

int plat_claim_single_instance(const char* name)
{
    std::string path = std::string(plat_settings_folder()) + "/" + name + ".lock";
    int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return 1;  // no lock to be had: run rather than refuse
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return 0;
    }
    return 1;  // fd stays open: the lock lives as long as the process
}
