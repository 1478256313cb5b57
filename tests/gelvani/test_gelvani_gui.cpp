// The scenery editor on a real screen: it starts on a square with a coast,
// a hill and obstacles over the bundled databases and draws the map where
// the projection puts it; the tools' list and numeric entry answer clicks.
// Leaves a screenshot (PPM) in the build folder.
#include "tools/Gelvani/edit_screens.h"
#include "tools/Gelvani/gelvani_program.h"
#include "tools/Gelvani/gelvani_records.h"
#include "tools/Gelvani/map_view.h"
#include "tools/Gelvani/terrain_square.h"
#include "tools/Gelvani/tool_helpers.h"

#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/env_file.h"

#include "../support/close_request.h"
#include "../support/screenshot.h"
#include "tests/support/scratch_files.h"
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

using namespace gelvani;

namespace {
std::vector<unsigned char> shot(800 * 600 * 3);

void take_screenshot(const char* name)
{
    ::take_screenshot(SCREENSHOT_DIR, name, shot);
}

const unsigned char* pixel(int x, int y)
{
    return shot.data() + (y * 800 + x) * 3;
}

// A program folder of our own: the bundled textures, bitmaps and databases,
// and a square with sea to the west, land with a hill to the east.
std::string make_folder()
{
    namespace fs = std::filesystem;
    std::string dir = ::testing::TempDir() + "gelvani_gui_" + std::to_string(getpid()) + "/";
    fs::remove_all(dir);
    remove_at_exit(dir);
    std::string nav = dir + "additional nav data/";
    fs::create_directories(nav + "+030-120");
    fs::create_directories(nav + "coastlines");
    std::string prog = std::string(PROGRAM_DIR) + "/";
    fs::create_symlink(prog + "textures", dir + "textures");
    fs::create_symlink(prog + "bitmaps", dir + "bitmaps");
    fs::copy_file(prog + "additional nav data/apt_dat", nav + "apt_dat");
    fs::copy_file(prog + "additional nav data/nav_dat", nav + "nav_dat");
    return dir;
}

void write_square()
{
    set_defaults();
    clear_obstacles();
    flat_sea();
    for (int i = 0; i < GRID_I; ++i)
        for (int j = 0; j < GRID_J; ++j) {
            float shore = 20 + 6 * std::sin(j / 9.0f);
            on_water[i][j] = i < shore;
            float d = std::hypot((float)(i - 42), (float)(j - 40) * 0.75f);
            planez[i][j] = on_water[i][j] ? 0 : 40 + 900 * std::exp(-d * d / 90);
        }
    const int types[] = {2, 3, 4, 5, 6, 8};
    for (int k = 0; k < 6; ++k) {
        obj_type[k] = types[k];
        obj_lat[k] = 33.2f + 0.1f * k;
        obj_lon[k] = -118.3f;
        obj_hddz[k] = 200;
    }
    ASSERT_EQ(write_terrain(), 1);
}
} // namespace

TEST(GelvaniOnScreen, StartsOnASquareAndDrawsItsMap)
{
    std::string dir = make_folder();
    setenv("XDG_CONFIG_HOME", (dir + "config").c_str(), 1);
    plat_set_message_box_handler([](const char*, const char* text) { fprintf(stderr, "%s\n", text); });
    MACIBM_init();
    ASSERT_EQ(ogl_ready, 1);
    snprintf(app_path, sizeof app_path, "%s", dir.c_str());
    program_load_textures();
    write_square();

    load_everything();
    done_initing = 1;
    EXPECT_EQ(msc.edit_mode, EDIT_TERRAIN);
    EXPECT_GT(msc.aptmax, 1000);
    EXPECT_GT(msc.navmax, 1000);
    EXPECT_EQ(obj_type[5], 8);
    EXPECT_EQ(obj_type[6], 99);
    // An airport of our own on the hill's flank, its runway along 090.
    int a = ++msc.aptmax;
    apt_lat[a][0] = 33.5f, apt_lon[a][0] = -118.45f, apt_hdng[a][0] = 90, apt_len[a][0] = 9000, apt_width[a][0] = 150;

    MACIBM_startwind(0);
    mnw.mx = 400, mnw.my = 300;
    mnw.mouse_clicked = 0;
    OGL_plot_background();
    APPLICATION_update();
    take_screenshot("gelvani_map");

    // The map fills its area: sea at the west edge, the hill's top bright green.
    EXPECT_NEAR(ret_x(-119), 168, 1e-3);
    EXPECT_NEAR(ret_y(34), 555, 1e-3);
    const unsigned char* sea = pixel(175, 300);
    EXPECT_LT(sea[0], 60);
    EXPECT_GT(sea[2], sea[1] + 40);
    int hx = (int)std::lround(ret_x(planelon[42][40]) + 3), hy = (int)std::lround(ret_y(planelat[42][40]) + 3);
    const unsigned char* top = pixel(hx, hy);
    EXPECT_GT(top[1], 150);
    EXPECT_GT(top[1], top[0] + 80);
    // The runway in colour 9 over the land.
    const unsigned char* rwy = pixel((int)ret_x(-118.45f), (int)ret_y(33.5f) - 1);
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(rwy[k], (int)(col_rgb[9][k] * 255), 12);
    // Outside the map area nothing of the map is drawn.
    const unsigned char* left = pixel(100, 200);
    EXPECT_FALSE(left[2] > left[1] + 40 && left[2] > 100);

    // Texture mode shows the terrain textures.
    APPLICATION_handlemenu(205);
    EXPECT_EQ(msc.draw_tex, 1);
    MACIBM_startwind(0);
    OGL_plot_background();
    APPLICATION_update();
    take_screenshot("gelvani_map_textures");

    MACIBM_finishup();
}

TEST(GelvaniOnScreen, NameListAndNumericEntryAnswerClicks)
{
    static char names[10][40];
    static char ids[10][5];
    for (int k = 0; k < 10; ++k) {
        snprintf(names[k], 40, "Entry %d", k);
        snprintf(ids[k], 5, "E%d", k);
    }
    MACIBM_init();
    MACIBM_startwind(0);
    mnw.x = mnw.y = 0;

    // The -10 band wraps 8 back to 8 over ten entries.
    int index = 8;
    mnw.mx = 100, mnw.my = 300 + 50;
    mnw.mouse_clicked = 1;
    plot_name_list(90, 300, &names[0][0], &ids[0][0], &index, 0, 9);
    EXPECT_EQ(index, 8);
    mnw.my = 300 - 5;
    plot_name_list(90, 300, &names[0][0], &ids[0][0], &index, 0, 9);
    EXPECT_EQ(index, 9);
    mnw.my = 300 - 25;
    plot_name_list(90, 300, &names[0][0], &ids[0][0], &index, 0, 9);
    EXPECT_EQ(index, 2);
    // An empty range leaves the index alone.
    index = 4;
    plot_name_list(90, 300, &names[0][0], &ids[0][0], &index, 0, -1);
    EXPECT_EQ(index, 4);

    // Three digits 0..360 at 355: the upper half of the leftmost digit gives 455, held at 360.
    float v = 355;
    mnw.mx = 205, mnw.my = 100 + 5;
    EXPECT_EQ(instdbtn_range(7, 200, 100, &v, 3, 0, 0, 360, "help"), 1);
    EXPECT_EQ(v, 360);
    mnw.mx = 225, mnw.my = 100 - 5;
    EXPECT_EQ(instdbtn_range(7, 200, 100, &v, 3, 0, 0, 360, "help"), 1);
    EXPECT_EQ(v, 359);
    EXPECT_STREQ(mnw.help_message, "help");
    mnw.mouse_clicked = 0;
    MACIBM_finishup();
}

namespace {
// One frame of the program with this mouse state.
void frame(float x, float y, int clicked)
{
    mnw.mx = x, mnw.my = y;
    mnw.mouse_clicked = clicked;
    mnw.now_dragging = clicked;
    OGL_plot_background();
    APPLICATION_update();
    mnw.mouse_clicked = 0;
    mnw.now_dragging = 0;
}

void mode(int item)
{
    APPLICATION_handlemenu(item);
    MACIBM_startwind(0);
}

// The program started on a folder of our own, holding the test square.
void start_program()
{
    std::string dir = make_folder();
    setenv("XDG_CONFIG_HOME", (dir + "config").c_str(), 1);
    plat_set_message_box_handler([](const char*, const char* text) { fprintf(stderr, "%s\n", text); });
    MACIBM_init();
    snprintf(app_path, sizeof app_path, "%s", dir.c_str());
    program_load_textures();
    write_square();
    load_everything();
    done_initing = 1;
}
} // namespace

TEST(GelvaniOnScreen, RaiseAHillPlaceAnObstacleAndAnAirportThenSave)
{
    start_program();
    mode(200);

    // The control point on the land east of the coast, a 5 x 5 block box, then 3000 ft up.
    frame(18, 370, 1);   // tool 1
    frame(14, 131, 1);   // resolution 4
    EXPECT_EQ(msc.map_mode, 1);
    EXPECT_EQ(msc.map_res, 4);
    frame(ret_x(-118.25f), ret_y(33.25f), 1);
    int ic = msc.map_ic_elev, jc = msc.map_jc_elev;
    float before = planez[ic][jc];
    for (int k = 0; k < 3; ++k) frame(57 + 15, 316, 1);
    EXPECT_NEAR(planez[ic][jc] * con.mtrstoft, std::round(before * con.mtrstoft) + 3000, 1);
    // The box slopes up to the point and keeps its edges.
    EXPECT_GT(planez[ic - 3][jc], planez[msc.map_i1_elev][jc]);
    EXPECT_EQ(msc.map_dirty, 1);
    take_screenshot("gelvani_hill_blocks");
    // Single points show the slopes cell by cell.
    frame(14, 71, 1);
    EXPECT_EQ(msc.map_res, 99);
    frame(400, 300, 0);
    take_screenshot("gelvani_hill");

    // A tower and a custom obstacle beside the hill.
    mode(201);
    frame(14, 358, 1);
    EXPECT_EQ(msc.obj_mode, 2);
    frame(ret_x(-118.4f), ret_y(33.3f), 1);
    int tower = msc.obj_index;
    EXPECT_EQ(obj_type[tower], 2);
    frame(14, 283, 1);
    frame(ret_x(-118.1f), ret_y(33.15f), 1);
    EXPECT_EQ(obj_type[msc.obj_index], 8);
    frame(400, 300, 0);
    take_screenshot("gelvani_obstacles");

    // A new airport with one runway east of the hill.
    mode(202);
    frame(400, 360, 1);
    int a = msc.apt_index;
    ASSERT_EQ(a, msc.aptmax);
    EXPECT_STREQ(apt_name[a], "Untitled");
    apt_lat[a][0] = 33.3f, apt_lon[a][0] = -118.05f, apt_num[a][0] = 9, apt_hdng[a][0] = 90;
    apt_len[a][0] = 6000, apt_width[a][0] = 100;
    for (const char* p = "Hill Field"; *p; ++p) APPLICATION_handlekey(*p);
    frame(560, 200, 1);   // PAPI at end 2
    EXPECT_EQ(apt_lite[a][0], 1111311);
    frame(400, 300, 0);
    take_screenshot("gelvani_airport");
    EXPECT_EQ(msc.apt_dirty, 1);

    // A VOR on the hill.
    mode(203);
    frame(41, 284, 1);
    EXPECT_EQ(selected_type, 3);
    frame(400, 360, 1);
    int n = msc.nav_index;
    EXPECT_EQ(nav_type[n], 3);
    nav_lat[n] = 33.25f, nav_lon[n] = -118.25f, nav_f12[n] = 11380;
    frame(400, 300, 0);
    take_screenshot("gelvani_navaid");

    // Saved, the square reads back through the one reader the simulator uses.
    mode(200);
    frame(400, 300, 0);
    take_screenshot("gelvani_map_with_airport");
    ASSERT_EQ(writeout(EDIT_TERRAIN, 0), 1);
    ASSERT_EQ(writeout(EDIT_AIRPORTS, 0), 1);
    ASSERT_EQ(writeout(EDIT_NAVAIDS, 0), 1);
    char path[400];
    square_path(path);
    static env_grid grid;
    ASSERT_EQ(env_open(path), 1);
    env_read_grid(&grid, path);
    EXPECT_EQ(grid.elev[ic][jc], planez[ic][jc]);
    env_obstacle o;
    int types = 0;
    while (env_read_obstacle(&o, path) != 99) types = types * 10 + o.type;
    env_close();
    EXPECT_EQ(types, 23456828);   // the six of the square, then the tower and the custom one
    EXPECT_EQ(msc.map_dirty, 0);
    EXPECT_EQ(msc.apt_dirty, 0);
    MACIBM_finishup();
}

TEST(GelvaniOnScreen, ObstacleScreenShowsTheMapsViewButtons)
{
    start_program();

    // The buttons' corner, x 104 to 159 and y 458 to 553.
    auto buttons = [] {
        std::vector<unsigned char> part;
        for (int y = 456; y <= 555; ++y)
            for (int x = 102; x <= 161; ++x) part.insert(part.end(), pixel(x, y), pixel(x, y) + 3);
        return part;
    };
    mode(200);
    frame(400, 300, 0);
    take_screenshot("gelvani_terrain_buttons");
    std::vector<unsigned char> terrain = buttons();
    mode(201);
    frame(400, 300, 0);
    take_screenshot("gelvani_obstacle_buttons");
    std::vector<unsigned char> obstacles = buttons();
    // The same buttons as on the terrain screen, with their frames and letters.
    EXPECT_TRUE(obstacles == terrain);
    int light = 0, shade = 0, letters = 0;
    for (size_t k = 0; k < obstacles.size(); k += 3) {
        light += obstacles[k] >= 200;
        shade += obstacles[k] > 40 && obstacles[k] <= 60;
        letters += obstacles[k] < 20;
    }
    EXPECT_GT(light, 100);
    EXPECT_GT(shade, 100);
    EXPECT_GT(letters, 20);

    // And they answer there: IN, then N.
    frame(131, 545, 1);
    EXPECT_NEAR(msc.map_zoom, 1.2f, 1e-6);
    float lat = msc.map_os_lat;
    frame(131, 504, 1);
    EXPECT_NEAR(msc.map_os_lat, lat + 0.1f / 1.2f, 1e-6);
    MACIBM_finishup();
}

namespace {
// Input as the desktop sends it, in drawing units of the 800 x 600 screen.
void queue(int kind, float x = 0, float y = 0)
{
    plat_event e{kind, 0, (int)x, (int)(600 - y)};
    plat_inject_event(&e);
}

// A click at (x, y), taken by the next frame.
void queue_click(float x, float y)
{
    queue(PLAT_MOUSE_MOVE, x, y);
    queue(PLAT_BUTTON_DOWN);
    queue(PLAT_BUTTON_UP);
    queue(PLAT_NONE);
}

// A press at (x, y) that drags across the map and is let go there, one
// step a frame.
void queue_press_and_drag(float x, float y)
{
    queue(PLAT_MOUSE_MOVE, x, y);
    queue(PLAT_BUTTON_DOWN);
    queue(PLAT_NONE);
    queue(PLAT_MOUSE_MOVE, x + 40, y + 60);
    queue(PLAT_NONE);
    queue(PLAT_MOUSE_MOVE, x + 90, y + 120);
    queue(PLAT_NONE);
    queue(PLAT_BUTTON_UP);
    queue(PLAT_NONE);
}

// The O.K. of a notice (400 x 195, centred) and the Cancel of the prompt
// (300 x 100, centred), both over the map.
const float OK_X = 200 + 200, OK_Y = 203 + 22;
const float CANCEL_X = 250 + 230, CANCEL_Y = 250 + 22;

void run_frames(int n)
{
    for (int k = 0; k < n; ++k) MACIBM_event_proc();
}

std::string file_bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string square_file()
{
    char path[400];
    square_path(path);
    return path;
}

// Everything of the square a press could move.
std::vector<float> square_points()
{
    std::vector<float> v;
    for (int i = 0; i < GRID_I; ++i)
        for (int j = 0; j < GRID_J; ++j) v.insert(v.end(), {planelat[i][j], planelon[i][j], planez[i][j]});
    for (int k = 0; k < 8; ++k) v.insert(v.end(), {obj_lat[k], obj_lon[k]});
    return v;
}

std::vector<std::string> asked;
int answer_cancel(const char* name)
{
    asked.push_back(name);
    return 3;
}

// The program on the test square, its window painted; each of the notices
// its reading gives is answered by a press on O.K. that drags on.
void start_and_load(const std::string& apt_dat, const std::string& nav_dat, float outside_lat, int notices)
{
    std::string dir = make_folder();
    setenv("XDG_CONFIG_HOME", (dir + "config").c_str(), 1);
    std::filesystem::create_directories(dir + "config/korvan");
    plat_set_message_box_handler([](const char*, const char* text) { fprintf(stderr, "%s\n", text); });
    MACIBM_init();
    snprintf(app_path, sizeof app_path, "%s", dir.c_str());
    program_load_textures();
    write_square();
    if (outside_lat) {
        // Another tool wrote the first obstacle north of the square.
        std::string b = file_bytes(square_file());
        memcpy(&b[76805 + 4], &outside_lat, 4);
        std::ofstream(square_file(), std::ios::binary) << b;
    }
    std::string nav = dir + "additional nav data/";
    if (!apt_dat.empty()) std::ofstream(nav + "apt_dat", std::ios::binary) << apt_dat;
    if (!nav_dat.empty()) std::ofstream(nav + "nav_dat", std::ios::binary) << nav_dat;
    queue(PLAT_PAINT);
    for (int k = 0; k < notices; ++k) queue_press_and_drag(OK_X, OK_Y);
    ask_save_changes = MACIBM_nuke_alert;
    load_everything();
    done_initing = 1;
}
} // namespace

// The press that closes a notice belongs to the notice: held and dragged
// over the map, it moves neither a grid point (Move Points) nor the selected
// obstacle (Move), and the square stays as read: Quit asks nothing and the
// file is untouched.
TEST(GelvaniOnScreen, APressThatClosesANoticeMovesNothing)
{
    const std::string header = "I\n354 version\n354 version code 2\n";
    const std::string apt = "1 33.940000 -118.400000 25 L 263 12091 150 2123111 33.950000 -118.400000 0 x 0 0 0 0 "
                            "33.960000 -118.400000 0 x 0 0 0 0 125 1 KLAX Los Angeles Intl\n";
    const std::string nav = "3 33.900000 -118.400000 100.0 113 50 0 LAX Los Angeles\n";
    std::string apt_bad = apt, nav_bad = nav;
    apt_bad.replace(apt_bad.find("KLAX"), 4, std::string("K\0AX", 4));
    nav_bad.replace(nav_bad.find("LAX"), 3, std::string("\0AX", 3));
    const struct {
        const char* name;
        std::string apt_dat, nav_dat;
        float outside_lat;
        int notices, screen, tool;
    } cases[] = {
        {"records left out", header + apt + apt_bad + "99\n", header + nav + nav_bad + "99\n", 0, 2, 200, 0},
        {"obstacle outside", header + apt + "99\n", header + nav + "99\n", 35.0f, 1, 200, 0},
        {"obstacle outside, Move tool", header + apt + "99\n", header + nav + "99\n", 35.0f, 1, 201, 99},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        start_and_load(c.apt_dat, c.nav_dat, c.outside_lat, c.notices);
        const std::string saved = file_bytes(square_file());
        const std::vector<float> read = square_points();
        msc.edit_mode = c.screen;
        msc.obj_mode = c.tool;
        msc.obj_index = 0;
        MACIBM_startwind(0);
        // The rest of the last press, on the screen beneath.
        run_frames(12);
        EXPECT_TRUE(square_points() == read);
        EXPECT_EQ(msc.map_dirty, 0);
        asked.clear();
        ask_save_changes = answer_cancel;
        APPLICATION_handlemenu(104);
        EXPECT_TRUE(asked.empty());
        EXPECT_EQ(gdone, 1);
        EXPECT_EQ(file_bytes(square_file()), saved);
        MACIBM_finishup();
    }
}

// Cancel on the save prompt that stepping to the next square brings, after
// an obstacle was edited: the press ends at the prompt. No grid point moves
// and the square saved after it holds the same bytes as one saved before.
TEST(GelvaniOnScreen, CancelOnTheSavePromptMovesNothing)
{
    start_and_load("", "", 0, 0);
    run_frames(2);
    // The first obstacle one foot higher, on the obstacle screen.
    mode(201);
    queue_click(149, 260);
    run_frames(2);
    ASSERT_EQ(msc.map_dirty, 1);
    ASSERT_EQ(writeout(EDIT_TERRAIN, 0), 1);
    const std::string before = file_bytes(square_file());
    msc.map_dirty = 1;
    const std::vector<float> points = square_points();

    // Back on the terrain screen, LAT +1, then Cancel held and dragged.
    mode(200);
    run_frames(1);
    queue(PLAT_MOUSE_MOVE, 75, 539);
    queue(PLAT_BUTTON_DOWN);
    queue(PLAT_NONE);
    queue(PLAT_BUTTON_UP);
    queue(PLAT_NONE);
    queue_press_and_drag(CANCEL_X, CANCEL_Y);
    run_frames(14);
    EXPECT_STREQ(g_cs1, "Save changes to Terrain file first?");
    EXPECT_EQ(msc.map_latfile, 33);
    EXPECT_TRUE(square_points() == points);
    ASSERT_EQ(writeout(EDIT_TERRAIN, 0), 1);
    EXPECT_EQ(file_bytes(square_file()), before);
    MACIBM_finishup();
}

// Closed from the desktop with the terrain edited, the editor asks as its
// Quit does: Cancel keeps it running with the edit, Save writes the square
// and ends it.
TEST(GelvaniOnScreen, ClosingTheWindowAsksToSaveTheTerrain)
{
    start_and_load("", "", 0, 0);
    run_frames(2);
    const std::string before = file_bytes(square_file());
    // Move Points: a press on the map moves the nearest point.
    queue_click(500, 300);
    run_frames(2);
    ASSERT_EQ(msc.map_dirty, 1);

    queue_close_and_answer(3);
    run_frames(4);
    EXPECT_STREQ(g_cs1, "Save changes to Terrain file first?");
    EXPECT_EQ(gdone, 0);
    EXPECT_EQ(msc.map_dirty, 1);
    EXPECT_EQ(file_bytes(square_file()), before);

    queue_close_and_answer(1);
    run_frames(4);
    EXPECT_EQ(gdone, 1);
    EXPECT_EQ(msc.map_dirty, 0);
    EXPECT_NE(file_bytes(square_file()), before);
    MACIBM_finishup();
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
