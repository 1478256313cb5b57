// The briefing tool started on the preferences the simulator writes: it takes
// the aircraft and the airport of the last flight. The file is written by the
// simulator's own writer, a program of its own, so the tool's test never
// links the simulator.
#include "briefing.h"
#include "nimbrel_app.h"
#include "nimbrel_records.h"
#include "platform/window.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace nimbrel;

TEST(NimbrelStart, TakesTheAircraftAndAirportTheSimulatorSaved)
{
    // A program folder of the tool's own: the simulator's data, a weather file.
    std::string dir = ::testing::TempDir() + "nimbrel_prefs_" + std::to_string(getpid());
    ASSERT_EQ(std::system(("rm -rf '" + dir + "' && mkdir -p '" + dir + "'").c_str()), 0);
    ASSERT_EQ(symlink(PROGRAM_DIR "/additional nav data", (dir + "/additional nav data").c_str()), 0);
    std::ofstream(dir + "/WORLD.RWK") << "KSFO SA 1750 CLR 10 60/52/2810/012\r\n";
    ASSERT_EQ(chdir(dir.c_str()), 0);

    const int airport = 1234;
    std::string prefs = dir + "/Korvan 4.prf";
    std::string write = std::string("'" SIM_PREFS_WRITER "' '") + prefs + "' Trainer.acf '" PROGRAM_DIR
                        "/Aircraft/Trainer.acf' " + std::to_string(airport);
    ASSERT_EQ(std::system(write.c_str()), 0);

    plat_set_message_box_handler([](const char* title, const char* text) {
        ADD_FAILURE() << "unexpected alert: " << title << " " << text;
    });
    fill_constants();
    done_initing = 1;
    copy_bounded(prf_path, prefs.c_str(), 400);
    ASSERT_EQ(nimbrel_start(), 1);
    ASSERT_GT(apt_apt_max, airport);
    EXPECT_EQ(bri.dep, airport);
    EXPECT_EQ(bri.arr, airport);
    EXPECT_STREQ(pln.C_file, "Trainer.acf");
    char req[BRIEF_DIM];
    build_request(req);
    std::string hello = std::string("Hello, this is ") + pln.tailnum + ", a Trainer, planning a flight from " +
                        apt_name[airport] + " to " + apt_name[airport] + ".";
    EXPECT_EQ(std::string(req).substr(0, hello.size()), hello);
    EXPECT_NE(std::string(pln.tailnum), "");
    ASSERT_EQ(chdir("/"), 0);
    std::system(("rm -rf '" + dir + "'").c_str());
}
