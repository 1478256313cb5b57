// The editor in a real window, used as a designer would through its menus
// and choosers: screens only looked at leave the saved aircraft byte for
// byte as it was, and a file button's chooser leaves Save As where the
// aircraft lies.
#include "gui_input.h"

#include "aircraft_editor/default_plane.h"
#include "aircraft_editor/editor.h"
#include "aircraft_editor/fabrex_records.h"
#include "aircraft_editor/screen_table.h"
#include "platform/window.h"
#include "toolkit/HL_BTN.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {
std::string scratch;   // the designer's own folder of aircraft

// The chooser's first row, a frame after it opens.
void click_first_row()
{
    end_frame();
    click_at(240 + 100, 16 + 528);
    end_frame();
}

std::vector<char> bytes(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(f), {});
}

// The aircraft image behind the header, less its three names.
std::vector<char> aircraft_less_names(const std::string& path)
{
    std::vector<char> b = bytes(path);
    if (b.size() < sizeof(planestruct)) return b;
    const size_t names = b.size() - sizeof(planestruct);
    b.erase(b.begin() + (long)names, b.begin() + (long)(names + 3 * 400));
    return b;
}

// Where two files first differ; -1 when they are the same bytes.
long first_difference(const std::vector<char>& a, const std::vector<char>& b)
{
    for (size_t k = 0; k < a.size() && k < b.size(); ++k)
        if (a[k] != b[k]) return (long)k;
    return a.size() == b.size() ? -1 : (long)std::min(a.size(), b.size());
}

// File › Open in the designer's folder, picking its first aircraft.
void open_from_scratch()
{
    copy_bounded(wrk_path, (scratch + "/").c_str(), 400);
    click_first_row();
    APPLICATION_handlemenu(101);
    frames(2);
}

// File › Save As, taking the offered name with Enter.
void save_as_with_enter()
{
    end_frame();
    plat_event enter{PLAT_KEY_DOWN, 13, 0, 0};
    plat_inject_event(&enter);
    end_frame();
    APPLICATION_handlemenu(103);
    frames(2);
}

// Every screen of the aircraft's mode, opened from its menu and left alone.
void visit_every_screen()
{
    for (const fabrex::screen_entry* s = pln.is_heli ? fabrex::heli_screens : fabrex::plane_screens; s->id; ++s) {
        APPLICATION_handlemenu(s->id);
        frames(3);
        EXPECT_EQ(mnw.topwin, s->id);
    }
    MACIBM_startwind(0);
    frames(2);
}
} // namespace

// Open, look at every screen, save: the same bytes as the file opened,
// whether the bundled trainer or a new aircraft of either mode.
TEST(FabrexLooking, EveryScreenSeenThenSavedGivesTheFileOpened)
{
    fs::copy_file(PROGRAM_DIR "/Aircraft/Trainer.acf", scratch + "/Trainer.acf");
    open_from_scratch();
    ASSERT_EQ(std::string(pln.C_path), scratch + "/Trainer.acf");
    ASSERT_GT(pln.Croot[0], pln.Ctip[0]);   // a tapered blade
    visit_every_screen();
    EXPECT_EQ(fabrex::msc.planemod, 0);
    APPLICATION_handlemenu(102);
    frames(1);
    EXPECT_EQ(first_difference(aircraft_less_names(scratch + "/Trainer.acf"),
                               aircraft_less_names(PROGRAM_DIR "/Aircraft/Trainer.acf")),
              -1);

    for (int mode : {511, 510}) {
        APPLICATION_handlemenu(mode);
        frames(2);
        save_as_with_enter();
        const std::string path = scratch + "/Untitled.acf";
        ASSERT_EQ(std::string(pln.C_path), path) << mode;
        const std::vector<char> saved = bytes(path);
        ASSERT_GT(saved.size(), sizeof(planestruct)) << mode;
        visit_every_screen();
        APPLICATION_handlemenu(102);
        frames(1);
        EXPECT_EQ(first_difference(bytes(path), saved), -1) << mode;
    }
    fs::remove(scratch + "/Trainer.acf");
    fs::remove(scratch + "/Untitled.acf");
}

// The blade has one chord: a click on its digit sets root and tip alike.
TEST(FabrexLooking, EditingTheBladeChordSetsRootAndTip)
{
    fs::copy_file(PROGRAM_DIR "/Aircraft/Trainer.acf", scratch + "/Trainer.acf");
    open_from_scratch();
    APPLICATION_handlemenu(206);
    frames(2);
    float x, y;
    field_at(206, offsetof(planestruct, Croot), &x, &y);
    ASSERT_GT(x, 0);
    const float inches = pln.Croot[0] * 12;
    click_at(mnw.x + x + 15, mnw.y + y + 10);   // the units digit, raised
    end_frame();
    frames(2);
    for (int p = 0; p < 4; ++p) {
        EXPECT_NEAR(pln.Croot[p] * 12, inches + 1, 1e-3f) << p;
        EXPECT_FLOAT_EQ(pln.Ctip[p], pln.Croot[p]) << p;
    }
    EXPECT_EQ(fabrex::msc.planemod, 1);
    MACIBM_startwind(0);
    fabrex::msc.planemod = 0;
    fs::remove(scratch + "/Trainer.acf");
}

// A file button browses its own folder; Save As then still lands beside
// the aircraft opened, not among the airfoils or flaps.
TEST(FabrexLooking, SaveAsAfterAFileButtonLandsBesideTheAircraft)
{
    const struct {
        int id;
        size_t offset;
        const char* folder;
    } cases[] = {
        {301, offsetof(planestruct, Rafl0[5]), "airfoils"},
        {215, offsetof(planestruct, flap_str), "flaps"},
    };
    for (const auto& c : cases) {
        fs::copy_file(PROGRAM_DIR "/Aircraft/Trainer.acf", scratch + "/Trainer.acf");
        open_from_scratch();
        APPLICATION_handlemenu(c.id);
        frames(2);
        float x, y;
        field_at(c.id, c.offset, &x, &y);
        ASSERT_GT(x, 0) << c.id;
        float x1, y1, x2, y2;
        file_button_box(x, y, &x1, &y1, &x2, &y2);
        click_at(mnw.x + (x1 + x2) / 2, mnw.y + (y1 + y2) / 2);
        end_frame();
        click_first_row();
        frames(2);
        ASSERT_EQ(mnw.topwin, c.id);
        EXPECT_EQ(std::string(g_path[0]).find(std::string(app_path) + c.folder + "/"), 0u) << c.id;

        fs::remove(scratch + "/Trainer.acf");
        save_as_with_enter();
        EXPECT_EQ(std::string(pln.C_path), scratch + "/Trainer.acf") << c.id;
        EXPECT_TRUE(fs::exists(scratch + "/Trainer.acf")) << c.id;
        const std::string stray = std::string(PROGRAM_DIR) + "/" + c.folder + "/Trainer.acf";
        EXPECT_FALSE(fs::exists(stray)) << c.id;
        fs::remove(stray);
        fs::remove(scratch + "/Trainer.acf");
        MACIBM_startwind(0);
        frames(1);
    }
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // The program's data beside this test, which runs as the program would.
    for (const char* sub : {"bitmaps", "textures", "airfoils", "flaps", "Aircraft"}) {
        std::error_code ec;
        fs::create_symlink(std::string(PROGRAM_DIR) + "/" + sub, std::string(SHOT_DIR) + "/" + sub, ec);
    }
    char tmpl[] = "/tmp/fabrex_looking_XXXXXX";
    if (!mkdtemp(tmpl)) return 1;
    const std::string root = tmpl, settings = root + "/settings";
    scratch = root + "/planes";
    fs::create_directory(settings);
    fs::create_directory(scratch);
    setenv("XDG_CONFIG_HOME", settings.c_str(), 1);
    using namespace fabrex;
    MACIBM_init();
    msc.zoom = 1;
    mnw.draw_wire = 1;
    msc.psi = 250;
    msc.phi = -30;
    setup_baseplane("Untitled.acf", "Untitled.acf");
    remember_engine_type();
    done_initing = 1;
    for (int k = 0; k < 200 && !up_handled; ++k) frames(1);
    const int failed = RUN_ALL_TESTS();
    MACIBM_finishup();
    std::error_code ec;
    fs::remove_all(root, ec);
    return failed;
}
