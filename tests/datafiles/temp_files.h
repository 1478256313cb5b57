// A scratch folder per test and byte-exact file helpers.
#pragma once

#include "platform/window.h"
#include "toolkit/HL_FILE.h"
#include "toolkit/HL_TYPES.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// The text of the last alert, which goes to a message box without a window.
inline std::string last_alert;

inline void record_alert(const char*, const char* text)
{
    last_alert = text;
}

class TempFiles : public ::testing::Test {
protected:
    std::filesystem::path dir;

    void SetUp() override
    {
        char pattern[] = "/tmp/korvan_files_XXXXXX";
        dir = mkdtemp(pattern);
        // No window: alerts are message boxes, caught here.
        ogl_ready = 0;
        plat_set_message_box_handler(record_alert);
        last_alert.clear();
        inf_use = 1;
        scan_soft = 0;
        scan_failed = 0;
    }

    void TearDown() override
    {
        inf1.close();
        inf1.clear();
        inf2.close();
        inf2.clear();
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }

    std::string path(const std::string& name) const
    {
        return (dir / name).string();
    }

    std::string put(const std::string& name, const std::string& bytes) const
    {
        std::ofstream f(path(name), std::ios::binary);
        f << bytes;
        return path(name);
    }

    std::string bytes_of(const std::string& full) const
    {
        std::ifstream f(full, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    }
};
