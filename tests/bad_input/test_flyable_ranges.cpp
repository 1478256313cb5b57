// Every value the readers accept flies: the bundled trainer with one field of
// its file at an end of the range the loader accepts (or one step inside)
// flies two seconds in the air, on the runway and on the water at full
// throttle, and every number of the flight state stays finite. A value the
// loader refuses is as good; a value that loads must fly.
#include "tests/flight/flight_fixture.h"
#include "tests/support/trainer.h"

#include "flight/FLTCALC.h"
#include "flight/INITPLN.h"
#include "flight/start_placement.h"
#include "platform/window.h"
#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "records/cockpit_state.h"
#include "records/world_state.h"
#include "shell/prefs.h"
#include "toolkit/HL_FILE.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_file.h"
#include "toolkit/plane_ranges.h"
#include "toolkit/plane_record.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

// A second passes at every look at the clock, so that a crash's pause ends
// at once.
extern "C" long __wrap__Z13plat_clock_msv()
{
    static long now = 0;
    return now += 1000;
}

namespace {
const int SHARDS = 16;

// An alert while loading is the loader's refusal: it would end the program,
// so the test takes it as thrown.
struct Refused {
    std::string text;
};
int loading = 0;

void catch_alert(const char*, const char* text)
{
    if (loading) throw Refused{text};
}

// The runs of finite-valued numbers in the flight state, by name.
struct Span {
    const char* name;
    const float* first;
    const float* last;
};

const Span spans[] = {
    {"slat", &flt.slat, &flt.slat},
    {"swee..elv_trim", &flt.swee, &flt.elv_trim},
    {"trap_accel..aZ", &flt.trap_accel, &flt.aZ},
    {"v..Qratio", &flt.v, &flt.Qratio},
    {"lat..ringDVinc", &flt.lat, &flt.ringDVinc[3][7]},
    {"v_el..vertcant", &flt.v_el[0][0], &flt.vertcant[3]},
    {"Dtq..parteqlbmthrust", &flt.Dtq[0], &flt.parteqlbmthrust[3]},
    {"egt..jatoleft", &flt.egt[0], &flt.jatoleft},
};

// The first number of the flight state that is not finite, or "".
std::string non_finite()
{
    for (const Span& s : spans)
        for (const float* v = s.first; v <= s.last; ++v)
            if (!std::isfinite(*v)) return std::string(s.name) + " [" + std::to_string(v - s.first) + "]";
    const double* doubles[] = {&flt.vX, &flt.vY, &flt.vZ, &flt.X, &flt.Y, &flt.Z};
    const char* names[] = {"vX", "vY", "vZ", "X", "Y", "Z"};
    for (int i = 0; i < 6; ++i)
        if (!std::isfinite(*doubles[i])) return names[i];
    return "";
}

enum Start { AIR, RUNWAY, WATER };
const char* const start_names[] = {"in the air", "on the runway", "on the water"};

planestruct loaded;
float loaded_Vs;

// The flat world at sea level, a standard day and the loaded aircraft.
void fresh_world(int water)
{
    clear_flight_world();
    plat_set_message_box_handler(catch_alert);
    pln = loaded;
    msc.est_Vs = loaded_Vs;
    fixture_world(0);
    fixture_atmosphere();
    if (water) memset(on_water, 1, sizeof on_water);
    set.controls_type = -1;
    set.eq_ped = 0;
    set.joy_rat_ptch = set.joy_rat_roll = set.joy_rat_hdng = 1;
    mnw.time_elapsed = 0;
}

// Puts the aircraft at the start, flies two seconds at full throttle and
// returns what first went non-finite, or "".
std::string fly_two_seconds(Start start)
{
    fresh_world(start == WATER);
    set.cus_X = 60000, set.cus_Z = -80000, set.cus_psi = 0;
    set.cus_Y = start == AIR ? 300 : 0;
    set.cus_v = start == AIR ? 50 : 0;
    set_fltvars(start == WATER ? 22 : 10);
    set.parkbrake = 0;
    for (int frame = 1; frame <= 40; ++frame) {
        for (int e = 0; e < 4; ++e) flt.throrqst[e] = 1;
        if (start == RUNWAY) env.surf_type = 27;
        mnw.time_elapsed += msc.prd;
        update_flight();
        std::string bad = non_finite();
        if (!bad.empty()) return bad + " at frame " + std::to_string(frame);
    }
    return "";
}

planestruct trainer_file;   // the bundled trainer in file units
std::string scratch;

// Loads pln (file units) as the simulator does. Returns the refusal's text,
// or "" when it loaded.
std::string load_as_simulator()
{
    std::string path = scratch + "/Test.acf";
    copy_bounded(pln.C_file, "Test.acf", 400);
    copy_bounded(pln.C_path, path.c_str(), 400);
    EXPECT_EQ(write_plane_file(path.c_str()), 1);
    planestruct design = pln;
    clear_flight_world();
    pln = design;
    plat_set_message_box_handler(catch_alert);
    copy_bounded(app_path, PROGRAM_DIR "/", 400);
    std::string why;
    loading = 1;
    try {
        load_plane();
    } catch (const Refused& r) {
        why = r.text.empty() ? "refused" : r.text;
    }
    loading = 0;
    inf1.close();
    inf1.clear();
    loaded = pln;
    loaded_Vs = msc.est_Vs;
    // No program folder while flying: a start would load the real window.
    app_path[0] = 0;
    return why;
}

// The aircraft in pln (file units) is refused by the loader or flies from
// every start. Returns what went wrong, or "".
std::string refused_or_flies(const std::string& what)
{
    if (!load_as_simulator().empty()) return "";
    for (Start s : {AIR, RUNWAY, WATER}) {
        std::string bad = fly_two_seconds(s);
        if (!bad.empty()) return what + ", " + start_names[s] + ": " + bad;
    }
    return "";
}

// The elements of a field where the flight reads it: every one the trainer
// uses (holds non-zero) of a list, the first it uses of a grid or body.
std::vector<int> used_elements(const plane_field_range& r)
{
    const float* mine = (const float*)&trainer_file + (r.first - (const float*)&pln);
    std::vector<int> used;
    for (int k = 0; k < r.count; ++k) {
        if (mine[k] == 0) continue;
        used.push_back(k);
        if (r.row) break;
    }
    if (used.empty()) used.push_back(0);
    return used;
}

// The accepted values at the ends of a range and one step inside.
std::vector<float> range_ends(const plane_field_range& r)
{
    float step = (r.hi - r.lo) * 1e-3f;
    std::vector<float> v = {r.lo, r.lo + step, r.hi - step, r.hi};
    if (r.zero_or_from > 0) {
        for (float sign : {1.0f, -1.0f}) {
            float from = sign * r.zero_or_from;
            if (from < r.lo || from > r.hi) continue;
            v.push_back(from);
            v.push_back(from + sign * step);
        }
        if (r.lo <= 0 && r.hi >= 0) v.push_back(0);
    }
    return v;
}

std::string trainer_name(const plane_field_range& r, int k)
{
    char name[120];
    snprintf(name, sizeof name, "%s[%d]", r.name, k);
    return name;
}

class FlyableRanges : public ::testing::TestWithParam<int> {
protected:
    static void SetUpTestSuite()
    {
        char pattern[] = "/tmp/korvan_flyable_XXXXXX";
        scratch = mkdtemp(pattern);
        clear_flight_world();
        ASSERT_EQ(read_plane_file("Trainer.acf", PROGRAM_DIR "/Aircraft/Trainer.acf"), 1);
        trainer_file = pln;
    }

    static void TearDownTestSuite()
    {
        std::error_code ec;
        fs::remove_all(scratch, ec);
    }
};

TEST_P(FlyableRanges, EveryAcceptedEndOfAnAircraftFieldFlies)
{
    int n;
    const plane_field_range* table = plane_field_ranges(&n);
    int flown = 0;
    for (int i = GetParam(); i < n; i += SHARDS) {
        const plane_field_range& r = table[i];
        for (int k : used_elements(r)) {
            for (float value : range_ends(r)) {
                pln = trainer_file;
                const_cast<float*>(r.first)[k] = value;
                char what[160];
                snprintf(what, sizeof what, "%s = %g", trainer_name(r, k).c_str(), (double)value);
                EXPECT_EQ(refused_or_flies(what), "");
                ++flown;
            }
        }
    }
    EXPECT_GT(flown, 0);
}

TEST_P(FlyableRanges, EveryAcceptedCountAndKindFlies)
{
    int n;
    const plane_count_range* table = plane_count_ranges(&n);
    for (int i = GetParam(); i < n; i += SHARDS) {
        const plane_count_range& r = table[i];
        for (int value = r.lo; value <= r.hi; ++value) {
            pln = trainer_file;
            const_cast<int*>(r.first)[0] = value;
            EXPECT_EQ(refused_or_flies(std::string(r.name) + " = " + std::to_string(value)), "");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shard, FlyableRanges, ::testing::Range(0, SHARDS));

// A situation as the simulator saves it: 300 m up at 50 m/s over the flat
// window, in settings every window leaves.
std::vector<std::string> saved_situation()
{
    fresh_world(0);
    atm.rain_tstm = atm.wind_tbl = atm.burst_prob = 1;
    atm.baseMSL = 3000, atm.topsMSL = 6000;
    atm.wave_length = 100, atm.wave_speed = 5, atm.wave_amp = 1;
    nav.nf[0] = nav.nf[1] = 11170;
    nav.cf[0] = nav.cf[1] = 12100;
    nav.gps_index_mode = 1;
    set.damp = 0.5f;
    flt.X = 60000, flt.Z = -80000, flt.Y = 300, flt.v = 50, flt.psi = 0;
    std::string path = scratch + "/Saved.sit";
    EXPECT_EQ(dump_prefs(path.c_str(), 202), 1);
    std::ifstream in(path);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

// The simulator's Open Situation on the flat window: read, placed, flown two
// seconds at full throttle over land or sea. Returns what went wrong,
// "refused" when the reader refused the file, or "".
std::string situation_flies(const std::vector<std::string>& lines, const std::string& what)
{
    std::string path = scratch + "/Edited.sit";
    {
        std::ofstream out(path);
        for (const auto& l : lines) out << l << '\n';
    }
    for (int water : {0, 1}) {
        fresh_world(water);
        if (grab_prefs(path.c_str(), 202, 0) != 1) return "refused";
        fixture_world(0);   // the region the situation names, as load_region would build it
        cus_to_region();
        set_fltvars(10);
        set.parkbrake = 0;
        for (int frame = 1; frame <= 40; ++frame) {
            for (int e = 0; e < 4; ++e) flt.throrqst[e] = 1;
            mnw.time_elapsed += msc.prd;
            update_flight();
            std::string bad = non_finite();
            if (!bad.empty())
                return what + (water ? ", over the sea: " : ", over land: ") + bad + " at frame " + std::to_string(frame);
        }
    }
    return "";
}

class FlyableSituations : public FlyableRanges {};

TEST_F(FlyableSituations, EveryAcceptedEndOfASituationLineFlies)
{
    pln = trainer_file;
    ASSERT_EQ(load_as_simulator(), "");
    std::vector<std::string> saved = saved_situation();
    ASSERT_EQ(saved.size(), 2u + 153u);
    EXPECT_EQ(situation_flies(saved, "as saved"), "");   // not even refused
    int line;
    double lo, hi;
    int seen = 0;
    for (int i = 0; situation_line_range(i, &line, &lo, &hi); ++i, ++seen) {
        double step = (hi - lo) * 1e-3;
        int whole = saved[1 + line].find('.') == std::string::npos;
        for (double v : {lo, lo + step, hi - step, hi}) {
            std::vector<std::string> lines = saved;
            char text[64];
            if (whole) snprintf(text, sizeof text, "%d", (int)std::lround(v));
            else snprintf(text, sizeof text, "%.6f", v);
            lines[1 + line] = text;
            std::string bad = situation_flies(lines, "line " + std::to_string(line) + " = " + text);
            if (bad != "refused") EXPECT_EQ(bad, "");
        }
    }
    EXPECT_GT(seen, 40);
}

// The third round's files, through the readers the programs use: each is
// refused or flies finite.
TEST_F(FlyableSituations, RoundThreeFilesAreRefusedOrFly)
{
    std::string round3 = std::string(BAD_INPUT_DIR) + "/round3";
    if (!fs::is_directory(round3)) GTEST_SKIP() << "no " << round3;
    int seen = 0;
    for (const auto& f : fs::directory_iterator(round3)) {
        std::string name = f.path().filename().string();
        if (name.rfind("aircraft-", 0) == 0) {
            std::string plain = scratch + "/" + name.substr(0, name.size() - 3);
            std::string cmd = "xz -dc '" + f.path().string() + "' > '" + plain + "'";
            ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
            clear_flight_world();
            ASSERT_EQ(read_plane_file("Round3.acf", plain.c_str()), 1) << name;
            EXPECT_EQ(refused_or_flies(name), "");
            ++seen;
        } else if (f.path().extension() == ".sit") {
            pln = trainer_file;
            ASSERT_EQ(load_as_simulator(), "");
            std::ifstream in(f.path());
            std::vector<std::string> lines;
            std::string line;
            while (std::getline(in, line)) lines.push_back(line);
            fresh_world(0);
            std::string bad = situation_flies(lines, name);
            if (bad != "refused") EXPECT_EQ(bad, "");
            ++seen;
        }
    }
    EXPECT_EQ(seen, 5);
}

TEST(FlyableTrainer, TheBundledTrainerFliesFromEveryStart)
{
    clear_flight_world();
    ASSERT_EQ(read_plane_file("Trainer.acf", PROGRAM_DIR "/Aircraft/Trainer.acf"), 1);
    char pattern[] = "/tmp/korvan_flyable_XXXXXX";
    scratch = mkdtemp(pattern);
    EXPECT_EQ(load_as_simulator(), "");
    for (Start s : {AIR, RUNWAY, WATER}) EXPECT_EQ(fly_two_seconds(s), "") << start_names[s];
    std::error_code ec;
    fs::remove_all(scratch, ec);
}
} // namespace
