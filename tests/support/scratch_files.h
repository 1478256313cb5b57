// Scratch files and folders the tests make under the temporary folder.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

// Removes `path` (a folder with all it holds, or a file) when this process
// ends normally, whether its tests passed or failed midway. A death test's
// forked child inherits the list but leaves the parent's files alone.
inline void remove_at_exit(const std::string& path)
{
    struct Entry {
        pid_t owner;
        std::string path;
    };
    static std::vector<Entry> entries;
    static bool registered = false;
    if (!registered) {
        registered = true;
        std::atexit([] {
            for (const Entry& e : entries) {
                if (e.owner != getpid()) continue;
                std::error_code ec;
                std::filesystem::remove_all(e.path, ec);
            }
        });
    }
    entries.push_back({getpid(), path});
}
