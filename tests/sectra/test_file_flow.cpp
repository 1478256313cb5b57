// New, Open, Save, Save As, Quit and the device switch: the save-changes
// guard, what reaches a file, and a failed save that keeps the work.
#include "sectra_fixture.h"

#include "tools/Sectra/airfoil_model.h"
#include "tools/Sectra/part_flow.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/airfoil_record.h"
#include "toolkit/program_variant.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

using namespace sectra;

namespace {
// The user's edit: a lift intercept that no default has.
void edit_part()
{
    afl.clB[0][0][0] = 0.3125f;
    generate();
    msc.devicemod = 1;
}

int still_edited()
{
    return msc.device == DEVICE_AIRFOIL && afl.clB[0][0][0] == 0.3125f && msc.devicemod == 1;
}

void name_part(const std::string& path)
{
    copy_bounded(msc.C_path, path.c_str(), 400);
    copy_bounded(msc.C_file, std::filesystem::path(path).filename().c_str(), 400);
    msc.haveaname = 1;
}
} // namespace

TEST_F(SectraEditor, GuardAsksOnlyAboutAChangedPart)
{
    const struct {
        const char* what;
        int changed, answer, request, newdevice;
        int asks, device, kept, quits;
    } cases[] = {
        {"unchanged, Flap", 0, 0, DO_SWITCH, 201, 0, 201, 0, 0},
        {"unchanged, Airfoil again", 0, 0, DO_SWITCH, 200, 0, 200, 0, 0},
        {"unchanged, New", 0, 0, DO_NEW, 200, 0, 200, 0, 0},
        {"unchanged, Quit", 0, 0, DO_QUIT, 200, 0, 200, 1, 1},
        {"changed, Flap, Don't Save", 1, 2, DO_SWITCH, 201, 1, 201, 0, 0},
        {"changed, New, Don't Save", 1, 2, DO_NEW, 200, 1, 200, 0, 0},
        {"changed, Quit, Don't Save", 1, 2, DO_QUIT, 200, 1, 200, 1, 1},
        {"changed, Flap, Cancel", 1, 3, DO_SWITCH, 201, 1, 200, 1, 0},
        {"changed, New, Cancel", 1, 3, DO_NEW, 200, 1, 200, 1, 0},
        {"changed, Quit, Cancel", 1, 3, DO_QUIT, 200, 1, 200, 1, 0},
        {"changed, Open, Cancel", 1, 3, DO_OPEN, 200, 1, 200, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        reset_to_default(DEVICE_AIRFOIL);
        gdone = 0;
        afl.clB[0][0][0] = 0.3125f;
        generate();
        msc.devicemod = c.changed;
        asked.clear();
        chooser_kinds.clear();
        answers = {c.answer};
        donewdeal(c.request, c.newdevice);
        EXPECT_EQ(asked.size(), (size_t)c.asks);
        if (c.asks) {
            EXPECT_EQ(asked[0], "Untitled.afl");
        }
        EXPECT_EQ(msc.device, c.device);
        EXPECT_EQ(afl.clB[0][0][0] == 0.3125f, c.kept == 1);
        EXPECT_EQ(gdone, c.quits);
        EXPECT_TRUE(chooser_kinds.empty());
        if (!c.kept && c.request != DO_QUIT) {
            EXPECT_EQ(msc.devicemod, 0);
            EXPECT_EQ(msc.haveaname, 0);
            EXPECT_STREQ(msc.C_file, c.device == 201 ? "Untitled.flp" : "Untitled.afl");
        }
    }
    // After Don't Save the default flap shows its own constants.
    reset_to_default(DEVICE_AIRFOIL);
    edit_part();
    answers = {2};
    donewdeal(DO_SWITCH, DEVICE_FLAP);
    EXPECT_EQ(afl.FLPlco1, 2.0f);
    EXPECT_NEAR(cl[400], 1.4f, 1e-6);
}

TEST_F(SectraEditor, SaveAnswerWritesBeforeTheAction)
{
    // A named part is written under its name, then the action runs.
    std::string mine = dir + "Mine.afl";
    name_part(mine);
    edit_part();
    answers = {1};
    donewdeal(DO_SWITCH, DEVICE_FLAP);
    EXPECT_EQ(asked, std::vector<std::string>{"Mine.afl"});
    EXPECT_TRUE(chooser_kinds.empty());
    ASSERT_TRUE(exists(mine));
    EXPECT_NE(read_file(mine).find("constants:  0.100000 4.500000 -15.000000 15.000000 0.312500"), std::string::npos);
    EXPECT_EQ(msc.device, DEVICE_FLAP);
    EXPECT_STREQ(msc.C_file, "Untitled.flp");

    // An unnamed part asks for a name; giving none writes nothing and quits not.
    reset_to_default(DEVICE_AIRFOIL);
    gdone = 0;
    edit_part();
    answers = {1};
    chooser_paths = {""};
    donewdeal(DO_QUIT, DEVICE_AIRFOIL);
    EXPECT_EQ(chooser_kinds, std::vector<int>{200});
    EXPECT_EQ(gdone, 0);
    EXPECT_TRUE(still_edited());
    EXPECT_EQ(msc.haveaname, 0);

    // Given a name, it is written there and the editor quits.
    answers = {1};
    chooser_paths = {dir + "Saved.afl"};
    donewdeal(DO_QUIT, DEVICE_AIRFOIL);
    EXPECT_TRUE(exists(dir + "Saved.afl"));
    EXPECT_EQ(msc.haveaname, 1);
    EXPECT_EQ(msc.devicemod, 0);
    EXPECT_STREQ(msc.C_file, "Saved.afl");
    EXPECT_EQ(gdone, 1);
}

TEST_F(SectraEditor, FailedSaveKeepsTheWorkAndDropsTheAction)
{
    const std::string nowhere = dir + "no such folder/x.afl";
    const struct {
        const char* what;
        int named;
        int request;
    } cases[] = {
        {"Save, then New", 1, DO_NEW},
        {"Save, then Open", 1, DO_OPEN},
        {"Save, then Quit", 1, DO_QUIT},
        {"Save As, then Quit", 0, DO_QUIT},
        {"Save As, then Flap", 0, DO_SWITCH},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        reset_to_default(DEVICE_AIRFOIL);
        gdone = 0;
        if (c.named) name_part(nowhere);
        edit_part();
        alerts.clear();
        chooser_kinds.clear();
        answers = {1};
        chooser_paths = {c.named ? dir + "never.afl" : nowhere};
        donewdeal(c.request, c.request == DO_SWITCH ? DEVICE_FLAP : DEVICE_AIRFOIL);
        ASSERT_EQ(alerts.size(), 1u);
        EXPECT_NE(alerts[0].find("I could not save the file!"), std::string::npos);
        EXPECT_NE(alerts[0].find(nowhere), std::string::npos);
        EXPECT_TRUE(still_edited());
        EXPECT_EQ(gdone, 0);
        // Only Save As opened a chooser: Open never got to its own.
        EXPECT_EQ(chooser_kinds.size(), c.named ? 0u : 1u);
        EXPECT_FALSE(exists(dir + "no such folder"));
    }
    // Once a save goes through, the pending action goes ahead.
    name_part(dir + "x.afl");
    answers = {1};
    donewdeal(DO_QUIT, DEVICE_AIRFOIL);
    EXPECT_TRUE(exists(dir + "x.afl"));
    EXPECT_EQ(msc.devicemod, 0);
    EXPECT_EQ(gdone, 1);
}

TEST_F(SectraEditor, OpenReadsTheChosenBundledFiles)
{
    namespace fs = std::filesystem;
    std::string afl_copy = dir + "NACA 2412 (popular).afl", flp_copy = dir + "plain flap.flp";
    fs::copy_file(std::string(PROGRAM_DIR) + "/airfoils/NACA 2412 (popular).afl", afl_copy);
    fs::copy_file(std::string(PROGRAM_DIR) + "/flaps/plain flap.flp", flp_copy);

    // The chooser lists the edited device's kind; the file's kind wins.
    reset_to_default(DEVICE_FLAP);
    chooser_paths = {afl_copy};
    donewdeal(DO_OPEN, DEVICE_FLAP);
    EXPECT_EQ(chooser_kinds, std::vector<int>{201});
    EXPECT_EQ(msc.device, DEVICE_AIRFOIL);
    EXPECT_STREQ(msc.C_file, "NACA 2412 (popular).afl");
    EXPECT_EQ(msc.haveaname, 1);
    EXPECT_EQ(msc.devicemod, 0);
    // A cambered section: lift at zero angle, least drag near it.
    EXPECT_GT(cl[270], 0.15f);
    EXPECT_LT(cd[270], 0.01f);

    // Edited and saved again, the file keeps its name and layout.
    afl.almax = 16;
    generate();
    msc.devicemod = 1;
    APPLICATION_handlemenu(102);
    EXPECT_EQ(chooser_kinds.size(), 1u);
    EXPECT_EQ(msc.devicemod, 0);
    std::string saved = read_file(afl_copy);
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 557);

    // A cancelled chooser keeps the part.
    chooser_paths = {""};
    donewdeal(DO_OPEN, DEVICE_AIRFOIL);
    EXPECT_STREQ(msc.C_file, "NACA 2412 (popular).afl");
    EXPECT_EQ(afl.almax, 16.0f);

    chooser_paths = {flp_copy};
    donewdeal(DO_OPEN, DEVICE_AIRFOIL);
    EXPECT_EQ(msc.device, DEVICE_FLAP);
    EXPECT_STREQ(msc.C_file, "plain flap.flp");
    EXPECT_GT(cl[400], 0.5f);
}

TEST_F(SectraEditor, AWrongFileInOpenKeepsThePartAndItsName)
{
    std::string mine = dir + "Mine.afl", notes = dir + "notes.afl";
    name_part(mine);
    edit_part();
    {
        std::ofstream(notes) << "hello\n";
    }
    const struct {
        std::string chosen;
        const char* notice;
    } cases[] = {{notes, "Sorry, I can't open the part!!!"}, {dir + "gone.afl", "Sorry, I can't open the part!!!"}};
    for (const auto& c : cases) {
        alerts.clear();
        answers = {2};   // Don't Save: only the open stands between the part and its loss
        chooser_paths = {c.chosen};
        APPLICATION_handlemenu(101);
        ASSERT_EQ(alerts.size(), 1u) << c.chosen;
        EXPECT_NE(alerts[0].find(c.notice), std::string::npos) << alerts[0];
        EXPECT_EQ(gdone, 0);
        EXPECT_TRUE(still_edited());
        EXPECT_STREQ(msc.C_file, "Mine.afl");
        EXPECT_EQ(std::string(msc.C_path), mine);
        EXPECT_EQ(msc.haveaname, 1);
    }
    // Save still writes the part to its own file; the wrong one is untouched.
    APPLICATION_handlemenu(102);
    EXPECT_EQ(msc.devicemod, 0);
    EXPECT_NE(read_file(mine).find("1234 device type code"), std::string::npos);
    EXPECT_EQ(read_file(notes), "hello\n");
}

TEST_F(SectraEditor, MenusViewsAndCheckMarks)
{
    // Save without a name is Save As; with one it asks no more.
    edit_part();
    chooser_paths = {dir + "First.afl"};
    APPLICATION_handlemenu(102);
    EXPECT_EQ(chooser_kinds, std::vector<int>{200});
    EXPECT_TRUE(exists(dir + "First.afl"));
    edit_part();
    APPLICATION_handlemenu(102);
    EXPECT_EQ(chooser_kinds.size(), 1u);
    EXPECT_EQ(msc.devicemod, 0);
    // Save As asks every time.
    chooser_paths = {dir + "Second.afl"};
    APPLICATION_handlemenu(103);
    EXPECT_EQ(chooser_kinds.size(), 2u);
    EXPECT_STREQ(msc.C_file, "Second.afl");

    // The view changes nothing of the part.
    edit_part();
    APPLICATION_handlemenu(301);
    EXPECT_EQ(msc.view, VIEW_POLAR);
    EXPECT_TRUE(still_edited());
    EXPECT_TRUE(asked.empty());
    for (int code : {0, 100, 105, 200, 201, 202, 300, 301, 302})
        EXPECT_EQ(program_item_checked(code), code == 200 || code == 301) << code;

    // A fresh device goes back to view 300.
    answers = {2};
    APPLICATION_handlemenu(201);
    EXPECT_EQ(msc.device, DEVICE_FLAP);
    EXPECT_EQ(msc.view, VIEW_ALPHA);
    for (int code : {200, 201, 300, 301}) EXPECT_EQ(program_item_checked(code), code == 201 || code == 300) << code;

    // Quit through the menu.
    APPLICATION_handlemenu(105);
    EXPECT_EQ(gdone, 1);

    APPLICATION_handlemenu(0);
    ASSERT_FALSE(alerts.empty());
    EXPECT_NE(alerts.back().find("Version 4.64."), std::string::npos);
}
