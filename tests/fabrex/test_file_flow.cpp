// New, Open, Save, Save As and Quit with the save-changes guard.
#include "fabrex_fixture.h"

#include "aircraft_editor/default_plane.h"
#include "aircraft_editor/editor.h"
#include "aircraft_editor/fabrex_records.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_file.h"
#include "toolkit/plane_record.h"
#include "platform/window.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <unistd.h>

using fabrex::msc;

namespace {
const size_t HEADER = 5;
const size_t FILE_SIZE = HEADER + sizeof(planestruct);
// The name and path fields: C_file, C_name and C_path, 400 bytes each.
const size_t NAMES_END = HEADER + 1200;

int count(char c)
{
    return (int)std::count(calls.begin(), calls.end(), c);
}

void write_raw(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream(path, std::ios::binary).write((const char*)bytes.data(), (std::streamsize)bytes.size());
}
} // namespace

TEST_F(Editor, SaveWritesTheHeaderAndTheRecordAndAsksForANameOnlyOnce)
{
    EXPECT_EQ(sizeof(planestruct), 189548u);
    msc.planemod = 1;
    APPLICATION_handlemenu(102);
    EXPECT_EQ(count('s'), 1);
    EXPECT_EQ(msc.planemod, 0);
    EXPECT_EQ(msc.planenamed, 1);
    std::vector<unsigned char> f = read_file(path("Test.acf"));
    ASSERT_EQ(f.size(), FILE_SIZE);
    EXPECT_EQ(std::vector<unsigned char>(f.begin(), f.begin() + 5), (std::vector<unsigned char>{0x69, 0x2E, 0, 0, 0}));
    EXPECT_STREQ((const char*)&f[HEADER + 400], "Test");

    APPLICATION_handlemenu(102);   // named now: no dialog
    EXPECT_EQ(count('s'), 1);
    APPLICATION_handlemenu(103);   // Save As always asks
    EXPECT_EQ(count('s'), 2);
}

TEST_F(Editor, GuardAnswers)
{
    const struct {
        int answer, chooser, quits, prompts, saves;
    } cases[] = {
        {3, 1, 0, 1, 0},   // Cancel
        {2, 1, 1, 1, 0},   // Don't Save
        {1, 1, 1, 1, 1},   // Save: named, then quit
        {1, 0, 0, 1, 1},   // Save with the dialog cancelled
    };
    for (const auto& c : cases) {
        calls.clear();
        gdone = 0;
        msc.planemod = 1;
        msc.planenamed = 0;
        prompt_answer = c.answer;
        chooser_answer = c.chooser;
        APPLICATION_handlemenu(105);
        EXPECT_EQ(gdone, c.quits) << "answer " << c.answer << " chooser " << c.chooser;
        EXPECT_EQ(count('p'), c.prompts);
        EXPECT_EQ(count('s'), c.saves);
    }
    // Nothing unsaved: no question.
    calls.clear();
    gdone = 0;
    msc.planemod = 0;
    APPLICATION_handlemenu(105);
    EXPECT_EQ(gdone, 1);
    EXPECT_TRUE(calls.empty());
}

TEST_F(Editor, AFailedSaveKeepsTheChangesAndThePendingCommandDoesNotRun)
{
    chooser_file = "no such folder/Test.acf";
    msc.planemod = 1;
    APPLICATION_handlemenu(102);
    EXPECT_EQ(msc.planemod, 1);
    prompt_answer = 1;
    APPLICATION_handlemenu(105);
    EXPECT_EQ(gdone, 0);
}

TEST_F(Editor, AByteSwappedFileOpensToTheSameRecord)
{
    pln.Vne = 180;
    pln.numen = 2;
    pln.body_Y[18][3][5] = -1.25f;
    APPLICATION_handlemenu(103);
    planestruct saved = pln;
    // The twin: the same record in the other byte order.
    rev_pln_bytes();
    std::vector<unsigned char> twin(HEADER);
    std::vector<unsigned char> f = read_file(path("Test.acf"));
    std::copy(f.begin(), f.begin() + HEADER, twin.begin());
    twin.insert(twin.end(), (const unsigned char*)&pln, (const unsigned char*)&pln + sizeof pln);
    write_raw(path("Twin.acf"), twin);
    pln = saved;

    fabrex::setup_baseplane("Untitled.acf", "Untitled.acf");
    chooser_file = "Twin.acf";
    APPLICATION_handlemenu(101);
    EXPECT_STREQ(pln.C_file, "Twin.acf");
    EXPECT_EQ(std::string(pln.C_path), path("Twin.acf"));
    EXPECT_EQ(msc.planemod, 0);
    EXPECT_EQ(msc.planenamed, 1);
    EXPECT_EQ(memcmp((const char*)&pln + 1200, (const char*)&saved + 1200, sizeof pln - 1200), 0);
}

TEST_F(Editor, ADamagedFileLeavesTheEditedAircraftAsItWas)
{
    std::vector<unsigned char> good = {0x69, 0x2E, 0, 0, 0};
    good.resize(FILE_SIZE);
    std::vector<unsigned char> short_file(good.begin(), good.begin() + 3000);
    std::vector<unsigned char> wrong_version = good;
    wrong_version[1] = 0x2D;
    std::vector<unsigned char> not_aircraft(FILE_SIZE, 'x');
    const struct {
        const char* name;
        const std::vector<unsigned char>& bytes;
    } files[] = {{"Short.acf", short_file}, {"Old.acf", wrong_version}, {"Text.acf", not_aircraft}};
    for (const auto& f : files) {
        fabrex::setup_baseplane("Untitled.acf", "Untitled.acf");
        pln.Vne = 123;
        msc.planemod = 0;
        msc.planenamed = 0;
        write_raw(path(f.name), f.bytes);
        chooser_file = f.name;
        APPLICATION_handlemenu(101);
        EXPECT_STREQ(pln.C_file, "Untitled.acf") << f.name;
        EXPECT_EQ(pln.Vne, 123) << f.name;
        EXPECT_EQ(msc.planenamed, 0) << f.name;   // the next Save still asks for a name
    }
}

// Values the simulator's loader refuses: the editor refuses them too, with a
// notice, before its drawing divides or loops by them.
TEST_F(Editor, AFileTheSimulatorWouldRefuseLeavesTheEditedAircraftAsItWas)
{
    std::vector<std::string> alerts;
    plat_set_message_box_handler(nullptr);
    static std::vector<std::string>* seen;
    seen = &alerts;
    plat_set_message_box_handler([](const char*, const char* text) { seen->push_back(text); });
    const struct {
        const char* name;
        void (*change)();
        const char* reason;
    } files[] = {
        {"Blades.acf", [] { pln.numblades[0] = std::numeric_limits<float>::infinity(); }, "numblades[0] of inf"},
        {"Elements.acf", [] { pln.els[4] = std::numeric_limits<int>::max(); }, "must have 1 to 8 elements"},
        {"Gear.acf", [] { pln.gearrat = 1e-30f; }, "gearrat of 1e-30"},
    };
    for (const auto& f : files) {
        fabrex::setup_baseplane("Untitled.acf", "Untitled.acf");
        f.change();
        ASSERT_EQ(write_plane_file(path(f.name).c_str()), 1);
        fabrex::setup_baseplane("Untitled.acf", "Untitled.acf");
        pln.Vne = 123;
        msc.planemod = 1;   // edited: the guard asks, and is told not to save
        msc.planenamed = 0;
        prompt_answer = 2;
        alerts.clear();
        chooser_file = f.name;
        APPLICATION_handlemenu(101);
        EXPECT_STREQ(pln.C_file, "Untitled.acf") << f.name;
        EXPECT_EQ(pln.Vne, 123) << f.name;
        EXPECT_EQ(msc.planemod, 1) << f.name;
        ASSERT_EQ(alerts.size(), 1u) << f.name;
        EXPECT_NE(alerts[0].find("This aircraft has an unflyable design!"), std::string::npos) << alerts[0];
        EXPECT_NE(alerts[0].find(f.reason), std::string::npos) << alerts[0];
    }
    plat_set_message_box_handler(nullptr);
}

TEST_F(Editor, TheBundledTrainerOpenedAndSavedIsUnchangedApartFromItsNames)
{
    std::vector<unsigned char> original = read_file(PROGRAM_DIR "/Aircraft/Trainer.acf");
    ASSERT_EQ(original.size(), FILE_SIZE);
    write_raw(path("Trainer.acf"), original);
    chooser_file = "Trainer.acf";
    APPLICATION_handlemenu(101);
    chooser_file = "Copy.acf";
    APPLICATION_handlemenu(103);
    std::vector<unsigned char> copy = read_file(path("Copy.acf"));
    ASSERT_EQ(copy.size(), FILE_SIZE);
    EXPECT_TRUE(std::equal(original.begin(), original.begin() + HEADER, copy.begin()));
    size_t differ = 0;
    for (size_t k = NAMES_END; k < FILE_SIZE; ++k)
        if (original[k] != copy[k] && ++differ <= 20) ADD_FAILURE() << "record offset " << k - HEADER;
    EXPECT_EQ(differ, 0u);
}

TEST_F(Editor, OpeningKeepsTheAircraftsFuelConsumptionWhateverTheEngineScreenLastSaw)
{
    pln.entype = 3;
    pln.sfc = 0.7f;
    APPLICATION_handlemenu(103);
    APPLICATION_handlemenu(100);   // unsaved? no: saved just now
    EXPECT_EQ(pln.entype, 1);
    APPLICATION_handlemenu(101);
    EXPECT_EQ(pln.entype, 3);
    fabrex::derive_engine_sfc();
    EXPECT_FLOAT_EQ(pln.sfc, 0.7f);
    pln.entype = 5;   // a change on the screen takes the type's default
    fabrex::derive_engine_sfc();
    EXPECT_FLOAT_EQ(pln.sfc, 0.55f);
}

TEST_F(Editor, HelicopterModeAsksFirstAndStartsAFreshHelicopter)
{
    msc.planemod = 1;
    prompt_answer = 3;
    APPLICATION_handlemenu(511);
    EXPECT_EQ(pln.is_heli, 0);
    prompt_answer = 2;
    APPLICATION_handlemenu(511);
    EXPECT_EQ(pln.is_heli, 1);
    EXPECT_EQ(msc.planemod, 0);
    EXPECT_STREQ(pln.C_file, "Untitled.acf");
    pln.is_heli = 0;
}

// The paint templates land in the working folder after the notice that
// promises them; a template that cannot be written is a notice of its own.
TEST_F(Editor, PaintTemplatesAreWrittenOrTheFailureIsANotice)
{
    static std::vector<std::string> boxes;
    plat_set_message_box_handler([](const char*, const char* text) { boxes.push_back(text); });
    char here[4096];
    ASSERT_TRUE(getcwd(here, sizeof here));
    ASSERT_EQ(chdir(dir.c_str()), 0);

    boxes.clear();
    APPLICATION_handlemenu(523);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rfind("I shall now create a bitmap called 'start fuse.bmp'", 0), 0u);
    std::vector<unsigned char> fuse = read_file(path("start fuse.bmp"));
    ASSERT_GT(fuse.size(), 54u);
    EXPECT_EQ(fuse[0], 'B');

    // A folder where the fuselage's template goes.
    std::filesystem::remove(path("start fuse.bmp"));
    std::filesystem::create_directory(path("start fuse.bmp"));
    boxes.clear();
    APPLICATION_handlemenu(523);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].rfind("I could not save the file!", 0), 0u);
    EXPECT_NE(boxes[1].find("start fuse.bmp"), std::string::npos);

    ASSERT_EQ(chdir(here), 0);
    plat_set_message_box_handler(nullptr);
}
