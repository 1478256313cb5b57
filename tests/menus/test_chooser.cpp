// The file chooser over scratch folders: the type filter, the sorted and
// capped listing, walking up and down by clicks, picking a file, and the
// save chooser's name field.
#include "menus_support.h"

#include <filesystem>
#include <string>

namespace {
// Windows 998 and 999 are 320 x 568, centred.
const float OX = 240, OY = 16;

class Chooser : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_menus();
        copy_bounded(wrk_path, scratch.dir.c_str(), 400);
        file[0] = path[0] = 0;
    }
    void TearDown() override
    {
        drain_events();
        gdone = 0;
        MACIBM_startwind(0);
    }
    ScratchFolder scratch;
    char file[400];
    char path[400];
};

// One frame's click in the chooser's window coordinates.
void click_at(float x, float y)
{
    inject_click(OX, OY, x, y);
    inject_frame_end();
}
void click_row(int i)
{
    click_at(100, 528 - 10 * i);
}
void click_go_up()
{
    click_at(100, 550);
}
void close_program_window()
{
    plat_event closed{PLAT_DESTROYED, 0, 0, 0};
    plat_inject_event(&closed);
}
} // namespace

TEST(ChooserFilter, TakesNamesByTypeAndFoldersAlways)
{
    const struct {
        const char* name;
        int type, is_folder, taken;
    } cases[] = {
        {"plane.acf", 203, 0, 1}, {"PLANE.ACF", 203, 0, 1}, {"plane.Acf", 203, 0, 0}, {"planeacf", 203, 0, 1},
        {"acf", 203, 0, 1},       {"cf", 203, 0, 0},        {"", 203, 0, 0},          {"wing.afl", 200, 0, 1},
        {"flap.FLP", 201, 0, 1},  {"day.sit", 202, 0, 1},   {"day.sit", 203, 0, 0},   {"notes.txt", 206, 0, 1},
        {"x", 206, 0, 1},         {"notes.txt", 203, 0, 0}, {"Aircraft", 203, 1, 1},  {"Aircraft", 204, 1, 1},
        {"data.env", 204, 0, 0},  {".", 206, 1, 0},         {"..", 203, 1, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(takeit(c.name, c.type, c.is_folder), c.taken) << c.name << " " << c.type << " " << c.is_folder;
}

TEST_F(Chooser, ListsFiftyEntriesSortedByNameWholeNamesKept)
{
    for (int n = 0; n < 60; ++n) {
        char name[16];
        snprintf(name, sizeof name, n % 2 ? "P%02d.ACF" : "p%02d.acf", n);
        scratch.file(name);
    }
    const std::string long_name = "long " + std::string(70, 'n') + ".acf";
    for (const char* other : {"notes.txt", "mixed.Acf", "cf", "acf"}) scratch.file(other);
    scratch.file(long_name);
    scratch.folder("alpha");
    scratch.folder("Beta");
    std::filesystem::permissions(scratch.dir + "Beta", std::filesystem::perms::owner_read |
                                                           std::filesystem::perms::owner_exec);

    ASSERT_EQ(GetDirItems(203), 50);
    const char* first[] = {"acf", "alpha", "Beta", long_name.c_str(), "p00.acf", "P01.ACF"};
    for (int i = 0; i < 6; ++i) EXPECT_STREQ(g_name[i], first[i]) << i;
    EXPECT_STREQ(g_name[49], "P45.ACF");
    EXPECT_EQ(g_is_folder[0], 0);
    EXPECT_EQ(g_is_folder[1], 1);
    EXPECT_EQ(g_is_folder[2], 1);
    EXPECT_EQ(g_is_folder[3], 0);
    EXPECT_EQ(std::string(g_path[3]), scratch.dir + long_name);

    // Read again each time: a new file shows at once.
    scratch.file("aa.acf");
    ASSERT_EQ(GetDirItems(203), 50);
    EXPECT_STREQ(g_name[0], "aa.acf");
    EXPECT_STREQ(g_name[49], "p44.acf");

    // A folder that cannot be read lists nothing.
    copy_bounded(wrk_path, (scratch.dir + "missing/").c_str(), 400);
    EXPECT_EQ(GetDirItems(206), 0);
}

TEST_F(Chooser, WalksTheTreeByClicksAndPicksAFile)
{
    scratch.file("a/x.acf");
    scratch.file("a/b/y.acf");
    scratch.folder("a/b/sub");
    copy_bounded(wrk_path, (scratch.dir + "a/b/").c_str(), 400);
    MACIBM_startwind(5);

    click_row(5);      // below the last entry: nothing
    click_go_up();     // a/
    click_row(0);      // b: a/b/
    click_row(0);      // sub: a/b/sub/
    click_row(0);      // an empty list: nothing
    click_go_up();     // a/b/
    click_row(1);      // y.acf
    ASSERT_EQ(MACIBM_open(203, file, path), 1);
    EXPECT_STREQ(file, "y.acf");
    EXPECT_EQ(std::string(path), scratch.dir + "a/b/y.acf");
    EXPECT_EQ(std::string(wrk_path), scratch.dir + "a/b/");
    // The program's window was handed over, then opened again.
    EXPECT_EQ(mnw.topwin, 5);
    EXPECT_EQ(zapped, (std::vector<int>{5, 998}));
}

TEST_F(Chooser, GoingUpStopsAtTheTop)
{
    copy_bounded(wrk_path, "/usr/lib/", 400);
    click_go_up();
    click_go_up();
    click_go_up();
    close_program_window();
    EXPECT_EQ(MACIBM_open(206, file, path), 0);
    EXPECT_STREQ(wrk_path, "/");
    EXPECT_EQ(mnw.topwin, 0);
}

TEST_F(Chooser, EntriesWhosePathWouldNotFitCannotBeTaken)
{
    const std::string deep = std::string(200, 'a') + "/";
    scratch.folder(deep + std::string(190, 'b'));
    scratch.file(deep + std::string(186, 'c') + ".acf");
    const std::string start = scratch.dir + deep;
    copy_bounded(wrk_path, start.c_str(), 400);
    ASSERT_EQ(GetDirItems(203), 2);
    EXPECT_STREQ(g_path[0], "");
    EXPECT_STREQ(g_path[1], "");

    click_row(0);
    click_row(1);
    close_program_window();
    EXPECT_EQ(MACIBM_open(203, file, path), 0);
    EXPECT_EQ(std::string(wrk_path), start);
    EXPECT_STREQ(file, "");
}

TEST_F(Chooser, SaveTakesTheTypedNameInTheFolderShown)
{
    scratch.file("one.sit");
    scratch.folder("dir");
    strcpy(file, "old.sit");
    MACIBM_startwind(5);

    click_row(1);   // a listed file: its name is not taken over
    for (int i = 0; i < 7; ++i) inject_key(8);
    inject_key(13); // an empty name: Enter does nothing
    inject_frame_end();
    click_row(0);   // dir
    for (int key : {(int)'N', (int)'E', (int)'W', 13}) inject_key(key);
    inject_frame_end();
    ASSERT_EQ(MACIBM_save(202, file, path), 1);
    EXPECT_STREQ(file, "new");
    EXPECT_EQ(std::string(path), scratch.dir + "dir/new");
    EXPECT_EQ(mnw.topwin, 5);
    EXPECT_EQ(zapped, (std::vector<int>{5, 999}));
    EXPECT_EQ(return_hit, 0);
}

TEST_F(Chooser, SaveClosedByItsCloseBoxReturnsNothing)
{
    strcpy(file, "keep.sit");
    click_at(0, 570);
    EXPECT_EQ(MACIBM_save(202, file, path), 0);
    EXPECT_STREQ(file, "keep.sit");
    EXPECT_EQ(mnw.topwin, 0);
    EXPECT_EQ(zapped, std::vector<int>{999});
}
