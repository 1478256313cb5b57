// The briefing tool's window tests: the window opened in the test's own
// program folder, events queued as the desktop sends them, and one drawn
// pixel read back.
#pragma once

#include "nimbrel_fixture.h"
#include "platform/window.h"
#include "toolkit/HL_MNW.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <unistd.h>

inline void inject(int kind, int x = 0, int y = 0)
{
    plat_event ev{kind, 0, x, y};
    plat_inject_event(&ev);
}

// A click at a point of the 800 x 600 screen, y up.
inline void click_at(float x, float y)
{
    inject(PLAT_MOUSE_MOVE, (int)x, (int)(600 - y));
    inject(PLAT_BUTTON_DOWN);
    inject(PLAT_BUTTON_UP);
}

inline void frame()
{
    inject(PLAT_NONE);
    MACIBM_event_proc();
}

// The drawn frame's pixel at (x, y), y up.
inline void pixel(float x, float y, unsigned char out[3])
{
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels((int)x, (int)y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, out);
}

// Opens the window over the four west-coast airports, in SHOT_DIR beside
// links to the program's data folders named, with settings in a scratch
// folder of its own; returns that folder, for the test to remove.
inline std::string open_briefing_window(std::initializer_list<const char*> links, const char* name)
{
    for (const char* sub : links) {
        std::error_code ec;
        std::filesystem::create_symlink(std::string(PROGRAM_DIR) + "/" + sub, std::string(SHOT_DIR) + "/" + sub, ec);
    }
    std::string config = ::testing::TempDir() + name + std::to_string(getpid());
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    plat_set_message_box_handler([](const char*, const char*) {});
    MACIBM_init();
    west_coast_airports();
    done_initing = 1;
    MACIBM_startwind(0);
    inject(PLAT_PAINT);
    for (int i = 0; i < 3; ++i) frame();
    return config;
}
