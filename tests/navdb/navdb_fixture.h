// A scratch program folder with its "additional nav data", for the database
// loader and the importer.
#pragma once

#include "toolkit/HL_FILE.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

inline void navdb_quiet_box(const char*, const char*) {}

class NavFolder : public ::testing::Test {
protected:
    std::filesystem::path dir;

    void SetUp() override
    {
        char pattern[] = "/tmp/korvan_navdb_XXXXXX";
        dir = mkdtemp(pattern);
        std::filesystem::create_directory(dir / "additional nav data");
        copy_bounded(app_path, (dir.string() + "/").c_str(), 400);
        plat_set_message_box_handler(navdb_quiet_box);
        fill_constants();
        ogl_ready = 1;     // alerts go to stderr
        done_initing = 1;  // no progress display without a window
        inf_use = 1;
        scan_soft = 0;
        env.aptmax = env.navmax = -7;
    }

    void TearDown() override
    {
        inf1.close();
        inf1.clear();
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }

    std::string nav_path(const std::string& name) const
    {
        return (dir / "additional nav data" / name).string();
    }

    void put(const std::string& name, const std::string& bytes) const
    {
        std::ofstream f(nav_path(name), std::ios::binary);
        f << bytes;
    }

    static std::string header()
    {
        return "I\n354 version\n354 version code 2\n";
    }

    // The three files, each with its header, the given records and the end mark.
    void put_database(const std::string& apts, const std::string& navs, const std::string& fixes) const
    {
        put("apt_dat", header() + apts + "99\n");
        put("nav_dat", header() + navs + "99\n");
        put("fix_dat", header() + fixes + "99\n");
    }
};

// One airport line as the scenery editor writes it: one runway, two unused.
inline std::string apt_line(const char* id, const char* name, int len_ft = 5000, int width_ft = 150,
                            const char* elev_ft = "1000")
{
    return std::string("1  47.449889 -122.311778 16 L 163 ") + std::to_string(len_ft) + " " +
           std::to_string(width_ft) +
           " 1121121   0.000000    0.000000  0 x   0      0   0 1111111"
           "   0.000000    0.000000  0 x   0      0   0 1111111 " +
           elev_ft + " 1 " + id + " " + name + "\n";
}

// One navaid line: a VOR of 116.80 MHz unless the type says otherwise.
inline std::string nav_line(const char* id, const char* name, int type = 3, const char* f1 = "116",
                            const char* f2 = "80")
{
    return std::to_string(type) + "  47.435000 -122.309000    354.0      " + f1 + "       " + f2 + "    0 " +
           id + " " + name + "\n";
}
