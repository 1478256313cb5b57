#include "drawing_support.h"

#include "tests/support/toolkit_state.h"

#include "records/cockpit_state.h"
#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FILE.h"
#include "toolkit/HL_FUNCT.h"
#include "records/world_state.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

std::vector<int> zapped;
std::vector<std::string> boxes;

// The tests link the simulator as it is and watch its process_zap through the
// linker's --wrap, which sends the toolkit's calls here first.
extern "C" void __real__Z11process_zapi(int old_window);
extern "C" void __wrap__Z11process_zapi(int old_window)
{
    zapped.push_back(old_window);
    __real__Z11process_zapi(old_window);
}

namespace {
void record_box(const char*, const char* text)
{
    boxes.push_back(text);
}

void put16(std::string& b, unsigned v)
{
    b += (char)(v & 255);
    b += (char)((v >> 8) & 255);
}

void put32(std::string& b, unsigned v)
{
    put16(b, v & 0xffff);
    put16(b, v >> 16);
}
} // namespace

void reset_toolkit()
{
    reset_full_screen_state();
    ins.r_rat = ins.g_rat = ins.b_rat = 1;
    set.view_is_fullscreen = 0;
    atm.temp_SL = 59;
    flt.lat = 45;
    ogl_res = 2;
    ogl_ready = 0;
    done_initing = 1;
    // Window 0 builds the panel and the menu windows show their backgrounds
    // from the bundled bitmaps.
    copy_bounded(app_path, PROGRAM_DIR "/", 400);
    gdone = 0;
    to_array = 0;
    return_hit = 0;
    x_eln = '\n';
    g_cs1[0] = g_cs2[0] = g_cs3[0] = g_cs4[0] = 0;
    zapped.clear();
    boxes.clear();
    plat_event ev;
    while (plat_poll_event(&ev)) {
    }
    plat_set_message_box_handler(record_box);
    clear_canvas();
}

std::array<unsigned char, 3> pixel(int x, int y)
{
    const unsigned char* p = rgb_array + (y * 800 + x) * 3;
    return {p[0], p[1], p[2]};
}

std::array<unsigned char, 3> colour_bytes(int c)
{
    std::array<unsigned char, 3> b;
    for (int k = 0; k < 3; ++k) b[k] = (unsigned char)round(col_rgb[c][k] * 255);
    return b;
}

bool lit(int x, int y)
{
    auto p = pixel(x, y);
    return p[0] || p[1] || p[2];
}

int count_lit()
{
    int n = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) n += lit(x, y);
    return n;
}

std::vector<unsigned char> snapshot()
{
    return std::vector<unsigned char>(rgb_array, rgb_array + sizeof rgb_array);
}

void clear_canvas()
{
    memset(rgb_array, 0, sizeof rgb_array);
}

void inject_click(float ox, float oy, float x, float y)
{
    plat_event move{PLAT_MOUSE_MOVE, 0, (int)(ox + x), (int)(600 - (oy + y))};
    plat_event down{PLAT_BUTTON_DOWN, 0, 0, 0};
    plat_inject_event(&move);
    plat_inject_event(&down);
}

void inject_key(int code)
{
    plat_event key{PLAT_KEY_DOWN, code, 0, 0};
    plat_inject_event(&key);
}

void write_bmp(const std::string& path, const bmp_layout& s)
{
    const int row = (std::abs(s.w) * 3 + 3) / 4 * 4;
    const int rows = std::abs(s.h);
    std::string b(s.magic, 2);
    put32(b, 54 + row * rows);
    put16(b, 0);
    put16(b, 0);
    put32(b, s.off);
    put32(b, 40);
    put32(b, (unsigned)s.w);
    put32(b, (unsigned)s.h);
    put16(b, 1);
    put16(b, (unsigned)s.bits);
    put32(b, (unsigned)s.comp);
    for (int k = 0; k < 5; ++k) put32(b, 0);
    b.resize(s.header_bytes);
    if (s.header_bytes == 54) {
        for (unsigned k = 54; s.fill_to_off && k < s.off; ++k) b += (char)0x77;
        const int written = s.pixel_rows < 0 ? rows : s.pixel_rows;
        for (int i = 0; i < written; ++i) {
            for (int j = 0; j < std::abs(s.w); ++j) {
                std::array<unsigned char, 3> c = s.colour ? s.colour(j, i) : std::array<unsigned char, 3>{10, 20, 30};
                b += (char)c[2];
                b += (char)c[1];
                b += (char)c[0];
            }
            // Padding that no reader may take for pixels.
            for (int k = std::abs(s.w) * 3; k < row; ++k) b += (char)0xEE;
        }
    }
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(b.data(), (std::streamsize)b.size());
}

ProgramFolder::ProgramFolder()
{
    char pattern[] = "/tmp/korvan_draw_XXXXXX";
    dir = std::string(mkdtemp(pattern)) + "/";
    for (const char* sub : {"textures", "bitmaps/Korvan", "additional nav data/objects"})
        std::filesystem::create_directories(dir + sub);
    // The panel and window backgrounds, which every opening of a simulator
    // window paints, are the bundled ones.
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(PROGRAM_DIR "/bitmaps/Korvan", ec))
        std::filesystem::create_symlink(e.path(), dir + "bitmaps/Korvan/" + e.path().filename().string(), ec);
    copy_bounded(app_path, dir.c_str(), 400);
}

ProgramFolder::~ProgramFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    copy_bounded(app_path, PROGRAM_DIR "/", 400);
}
