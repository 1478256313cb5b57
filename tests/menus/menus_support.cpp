#include "menus_support.h"

#include "tests/support/toolkit_state.h"

#include "records/flight_state.h"
#include "toolkit/HL_GRAPH.h"
#include "records/world_state.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <ostream>

std::vector<callback_call> calls;
std::vector<int> zapped;

// The tests link the simulator as it is and watch its callbacks through the
// linker's --wrap, which sends the toolkit's calls here first.
extern "C" {
void __real__Z11process_zapi(int old_window);
void __wrap__Z11process_zapi(int old_window)
{
    zapped.push_back(old_window);
    __real__Z11process_zapi(old_window);
}
void __wrap__Z22APPLICATION_handlemenui(int code)
{
    calls.push_back({'m', code});
}
void __wrap__Z21APPLICATION_handlekeyc(char c)
{
    calls.push_back({'k', c});
}
void __wrap__Z14freeviews_keysi(int code)
{
    calls.push_back({'v', code});
}
void __wrap__Z12function_keyi(int code)
{
    calls.push_back({'f', code});
}
void __wrap__Z8yoke_keyi(int code)
{
    calls.push_back({'y', code});
}
}

std::ostream& operator<<(std::ostream& os, const callback_call& c)
{
    return os << c.kind << ":" << c.value;
}

namespace {
void record_box(const char*, const char*)
{
}
} // namespace

void reset_menus()
{
    reset_full_screen_state();
    ogl_ready = 0;
    up_handled = 0;
    done_initing = 1;
    // Window 0 builds the panel from the bundled bitmaps.
    copy_bounded(app_path, PROGRAM_DIR "/", 400);
    gdone = 0;
    to_array = 0;
    return_hit = 0;
    select_ind = select_ctr = 0;
    g_cs1[0] = g_cs2[0] = g_cs3[0] = g_cs4[0] = 0;
    calls.clear();
    zapped.clear();
    drain_events();
    plat_set_injected_keymods(0, 0);
    plat_set_message_box_handler(record_box);
    memset(rgb_array, 0, sizeof rgb_array);
    daylight_world();
}

void daylight_world()
{
    flt.lat = env.lat_sou + 1.0f;
    flt.lon = env.lon_wes + 1.5f;
    msc.locl_time = 12 * 3600;
}

void inject_move(float ox, float oy, float x, float y)
{
    plat_event move{PLAT_MOUSE_MOVE, 0, (int)(ox + x), (int)(600 - (oy + y))};
    plat_inject_event(&move);
}

void inject_press()
{
    plat_event down{PLAT_BUTTON_DOWN, 0, 0, 0};
    plat_event up{PLAT_BUTTON_UP, 0, 0, 0};
    plat_inject_event(&down);
    plat_inject_event(&up);
}

void inject_click(float ox, float oy, float x, float y)
{
    inject_move(ox, oy, x, y);
    inject_press();
}

void inject_key(int code)
{
    plat_event key{PLAT_KEY_DOWN, code, 0, 0};
    plat_inject_event(&key);
}

void inject_frame_end()
{
    plat_event none{PLAT_NONE, 0, 0, 0};
    plat_inject_event(&none);
}

void drain_events()
{
    // Frame ends read as empty polls, so poll past the whole queue.
    plat_event ev;
    for (int i = 0; i < 100; ++i) plat_poll_event(&ev);
}

std::array<unsigned char, 3> pixel(int x, int y)
{
    const unsigned char* p = rgb_array + (y * 800 + x) * 3;
    return {p[0], p[1], p[2]};
}

std::array<unsigned char, 3> colour_bytes(int c)
{
    std::array<unsigned char, 3> b;
    for (int k = 0; k < 3; ++k) b[k] = (unsigned char)std::lround(col_rgb[c][k] * 255);
    return b;
}

ScratchFolder::ScratchFolder()
{
    char pattern[] = "/tmp/korvan_menus_XXXXXX";
    dir = std::string(mkdtemp(pattern)) + "/";
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ec;
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(dir, ec);
}

void ScratchFolder::file(const std::string& relative) const
{
    std::filesystem::create_directories(std::filesystem::path(dir + relative).parent_path());
    std::ofstream(dir + relative) << "x";
}

void ScratchFolder::folder(const std::string& relative) const
{
    std::filesystem::create_directories(dir + relative);
}
