#include "world_fixture.h"

#include "platform/window.h"
#include "shell/startup.h"
#include "toolkit/HL_FILE.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/codes.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

int texbmp_calls;

extern "C" int __wrap__Z10OGL_texbmpiiiPKc(int, int, int, const char*)
{
    ++texbmp_calls;
    return 1;
}

namespace {
void alert_to_stderr(const char*, const char* text)
{
    fprintf(stderr, "%s\n", text);
}
} // namespace

void regular_square(env_grid* g, int lat, int lon, float h, int water)
{
    for (int i = 0; i < ENV_COLS; ++i) {
        for (int j = 0; j < ENV_ROWS; ++j) {
            g->lat[i][j] = lat + (float)j / (ENV_ROWS - 1);
            g->lon[i][j] = lon + (float)i / (ENV_COLS - 1);
            g->elev[i][j] = h;
            g->flags[i][j] = water ? ENV_WATER_FLAGS : 0;
        }
    }
}

std::string file_bytes(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void WorldFolder::SetUp()
{
    char pattern[] = "/tmp/korvan_world_XXXXXX";
    dir = mkdtemp(pattern);
    std::filesystem::create_directories(dir / "additional nav data" / "objects");
    copy_bounded(app_path, (dir.string() + "/").c_str(), 400);
    clear_global_state();
    fill_constants();
    fill_trig_tables();
    plat_set_message_box_handler(alert_to_stderr);
    ogl_ready = 0;
    done_initing = 1;
    inf_use = 1;
    scan_soft = 0;
    env.aptmax = env.navmax = -1;
    memset(obj_type, 0, sizeof obj_type);
    memset(scn.fire_on, 0, sizeof scn.fire_on);
    obj_counter = OBJ_FIRST_SQUARE_SLOT;
    current_tex_numb = 0;
    texbmp_calls = 0;
}

void WorldFolder::TearDown()
{
    inf1.close();
    inf1.clear();
    inf2.close();
    inf2.clear();
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
}

std::string WorldFolder::square_path(int lat, int lon) const
{
    char name[40];
    return_latlon_str_ENV(lat, lon, name, 1);
    return (dir / "additional nav data" / name).string();
}

void WorldFolder::write_square(int lat, int lon, const env_grid& g, const std::vector<env_obstacle>& obs) const
{
    std::string path = square_path(lat, lon);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    ASSERT_EQ(env_write(path.c_str(), &g, obs.data(), (int)obs.size(), lat, lon), 1);
}

void WorldFolder::put(const std::string& name, const std::string& text) const
{
    std::ofstream f(dir / "additional nav data" / name, std::ios::binary);
    f << text;
}

int WorldFolder::add_airport(float lat, float lon, float h, int hdng, int len, int width)
{
    int a = ++env.aptmax;
    apt_lat[a][0] = lat;
    apt_lon[a][0] = lon;
    apt_h[a] = h;
    apt_hdng[a][0] = hdng;
    apt_len[a][0] = len;
    apt_width[a][0] = width;
    apt_len[a][1] = apt_len[a][2] = 0;
    return a;
}
