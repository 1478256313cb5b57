// The one-cycle force dump: its header and the build-up's trace lines on a
// one-element aircraft against a file checked by hand, and one dump per
// request through the flight step.
#include "tests/aero/aero_fixture.h"

#include "flight/FLTCALC.h"
#include "records/flight_state.h"
#include "flight/force_buildup.h"
#include "flight/force_dump.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/airfoil_record.h"
#include "toolkit/plane_record.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

class ForceDump : public AeroTest {
protected:
    std::string path;
    void SetUp() override
    {
        AeroTest::SetUp();
        clear_aero_world();
        path = testing::TempDir() + "force_dump_" + std::to_string(getpid()) + ".out";
        trk.close();
        trk.clear();
        trk.open(path, std::ios::out | std::ios::trunc | std::ios::binary);
        trk.setf(std::ios::fixed, std::ios::floatfield);
    }
    void TearDown() override
    {
        trk.close();
        trk.clear();
        std::remove(path.c_str());
    }
    std::string written()
    {
        trk.flush();
        std::ifstream in(path, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
};

// The right wing alone, as one element with an aileron, on the fuselage.
void one_element_aircraft()
{
    int p = 5;
    pln.Xarm[p] = 0.3f;
    pln.semilen[p] = 5;
    pln.Croot[p] = pln.Ctip[p] = 1.5f;
    pln.els[p] = 1;
    pln.s[p][0] = 7.5f;
    pln.mac[p][0] = 1.5f;
    pln.AR[p] = 6.67f;
    pln.e[p] = 0.8f;
    pln.al_D_al0[p] = pln.cl_D_cl0[p] = pln.cm_D_cm0[p] = 1;
    pln.alpha_max[p] = 15;
    pln.anginc[p][0] = 2;
    synthetic_foil(p);
    pln.ailn[p][0] = 1;
    pln.ailn_crat = 0.2f;
    flt.railndef = 5;
    pln.fuse_cd = 0.1f;
    pln.fuse_s_frn = 0.8f;
    pln.fuse_s_sid = pln.fuse_s_top = 4;
    pln.m_empty = 600;
    pln.Jxx_unitmass = 2.5f;
    pln.Jyy_unitmass = 3;
    pln.Jzz_unitmass = 2;
    flt.m_total = 600;
    set_air(50, 4, 0);
    set_rates(0, 2, 0);
    flt.Y = 1500;
    flt.psi = 90;
    flt.ahpath = 90;
    msc.cntr = 42;
}

int count(const std::string& text, const std::string& what)
{
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

TEST_F(ForceDump, OneElementAircraftMatchesTheCheckedFile)
{
    one_element_aircraft();
    set.cycout = 1;
    force_dump_header();
    set_a();
    set.cycout = 0;
    std::string got = written();

    std::ifstream in(std::string(OUTPUTS_DIR) + "/one_element_dump.out", std::ios::binary);
    std::stringstream want;
    want << in.rdbuf();
    if (got != want.str()) {
        std::ofstream keep(testing::TempDir() + "one_element_dump_" + std::to_string(getpid()) + ".actual", std::ios::binary);
        keep << got;
    }
    EXPECT_EQ(got, want.str()) << "kept in " << testing::TempDir() << "one_element_dump_" << getpid() << ".actual";

    // The pieces the header and the trace promise, whatever the file holds.
    EXPECT_EQ(got.rfind("\n" + std::string(100, '\xA5') + "\n", 0), 0u);
    EXPECT_NE(got.find("\xA5\xA5\xA5" "AT TIME COUNTER     42" + std::string(75, '\xA5') + "\n"), std::string::npos);
    EXPECT_NE(got.find("h       =  1500 meters.\n"), std::string::npos);
    EXPECT_NE(got.find("\xA5\xA5\xA5RIGHT WING 1"), std::string::npos);
    EXPECT_NE(got.find("\n   AILERON RESULTS FOR  0.20 CHORD SURFACE, DEFLECTED  5.00 DEG:\n"), std::string::npos);
    EXPECT_EQ(count(got, "RUNNING AERODYNAMIC FORCE"), 2);  // after the element, after the bodies
    EXPECT_EQ(count(got, "GRAND TOTALS AT END OF FORCE AND MOMENT BUILD-UP"), 1);
}

TEST_F(ForceDump, TwoRequestsBeforeOneStepGiveOneDumpOfTheFirstHalfStep)
{
    one_element_aircraft();
    set.cycoutwaiting = 1;
    set.cycoutwaiting = 1;
    update_flight();
    update_flight();
    std::string got = written();
    EXPECT_EQ(count(got, "AT TIME COUNTER"), 1);
    EXPECT_EQ(count(got, "GRAND TOTALS AT END OF FORCE AND MOMENT BUILD-UP"), 1);
    EXPECT_EQ(set.cycout, 0);
    EXPECT_EQ(set.cycoutwaiting, 0);
}

} // namespace
