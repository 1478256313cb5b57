// The preferences and situation file: every line round trips, the reader's
// deliberate differences, damaged files and the channel choices.
#include "temp_files.h"

#include "records/cockpit_state.h"
#include "records/flight_state.h"
#include "shell/prefs.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_TEXTURE.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <cmath>
#include <cstring>
#include <sstream>
#include <vector>

namespace {
std::vector<std::string> lines_of(const std::string& text)
{
    std::vector<std::string> out;
    std::stringstream s(text);
    std::string line;
    while (std::getline(s, line)) out.push_back(line);
    return out;
}

std::string joined(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& l : lines) out += l + "\n";
    return out;
}

class Prefs : public TempFiles {
protected:
    void SetUp() override
    {
        TempFiles::SetUp();
        std::memset(&set, 0, sizeof set);
        std::memset(&msc, 0, sizeof msc);
        std::memset(&atm, 0, sizeof atm);
        std::memset(&nav, 0, sizeof nav);
        std::memset(&ins, 0, sizeof ins);
        std::memset(&flt, 0, sizeof flt);
        std::memset(&rel, 0, sizeof rel);
        std::memset(&env, 0, sizeof env);
        std::memset(&pln, 0, sizeof pln);
        env.aptmax = 14999;
        env.navmax = 19999;
        env.lox = -150000;
        env.hiz = 110000;
    }

    // A world where every value of the file is set and none is a default.
    void fill_everything()
    {
        copy_bounded(pln.C_file, "Twin Otter.acf", 400);
        copy_bounded(pln.C_path, "/home/pilot/Korvan/Aircraft/Twin Otter.acf", 400);
        msc.loc_apt_wrl = 4321;
        msc.rway_sel = 3;
        msc.locl_time = 45000.5f;
        atm.temp_SL = 71.25f;
        ins.baro = 29.5f;
        atm.baro = 30.125f;
        atm.rain_tstm = 2.5f;
        atm.wind_tbl = 1.75f;
        atm.burst_prob = 1.5f;
        atm.cld_type = 0;
        atm.topsMSL = 3048.0f;
        atm.baseMSL = 1524.5f;
        atm.vis_rep = 12964.0f;
        atm.wnddir = 270.5f;
        atm.wndspd = 12.25f;
        atm.shrdir = 15.0f;
        atm.shrspd = 3.5f;
        atm.tbl = 1.5f;
        atm.wave_amp = 2.5f;
        atm.wave_length = 40.0f;
        atm.wave_speed = 4.5f;
        atm.wave_dir = 135;
        atm.meteorite_code = 3;
        atm.rway_fric_rat = 0.625f;
        atm.trml_prt = 0.5f;
        atm.trml_vvi = 2.0f;
        msc.sound_on = 1;
        set.voice_out = 0;
        set.text_out = 1;
        msc.warn_frame = 0;
        msc.warn_overspeed = 1;
        msc.warn_flaps = 1;
        msc.warn_bb = 0;
        for (int i = 0; i < 60; ++i) {
            set.Bdsk[i] = i % 2;
            set.Brlt[i] = i == 3 || i == 17;
            set.Bgrf[i] = i == 5;
        }
        set.serout = 4;
        set.damp = 0.375f;
        set.joy_rat_ptch = 0.5f;
        set.joy_rat_hdng = 0.625f;
        set.joy_rat_roll = 0.75f;
        set.eq_ped = 1;
        set.eq_avi = 0;
        set.eq_thr = 1;
        set.eq_col = 1;
        set.NZptch = 0.05f;
        set.NZroll = 0.0625f;
        for (int i = 0; i < 22; ++i) set.joy_response[i] = (i * 7) % 31;
        nav.nf[0] = 11030;
        nav.nf[1] = 11795;
        nav.cf[0] = 11880;
        nav.cf[1] = 13290;
        nav.obs[0] = 123.5f;
        nav.obs[1] = 4.25f;
        nav.adff = 338;
        nav.dmesel = 1;
        nav.gps_index_mode = 3;
        nav.gps_index = 2105;
        nav.gps_apt_index = 1650;
        nav.gps_vor_index = 2105;
        nav.gps_ndb_index = 704;
        nav.gps_id[0] = 19;
        nav.gps_id[1] = 5;
        nav.gps_id[2] = 1;
        nav.gps_id[3] = 36;
        msc.prd = 0.04f;
        msc.logtime = 1;
        rel.total_fail_entry = 0.25f;
        ogl_res = 4;
        ogl_trees = 1;
        flt.X = env.lox + 1234.5;
        flt.Z = env.hiz - 2048.25;
        flt.psi = 287.5f;
        flt.Y = 914.5;
        flt.v = 61.75f;
    }

    std::string dumped()
    {
        std::string file = path("Korvan 4.prf");
        EXPECT_EQ(dump_prefs(file.c_str(), 206), 1);
        return file;
    }
};

TEST_F(Prefs, AllLinesRoundTrip)
{
    fill_everything();
    std::string file = dumped();
    std::vector<std::string> lines = lines_of(bytes_of(file));
    ASSERT_EQ(lines.size(), 2u + 153u);
    EXPECT_EQ(lines[0], "I");
    EXPECT_EQ(lines[1], "466 version");
    EXPECT_EQ(lines[2], "Twin Otter.acf");
    EXPECT_EQ(lines[4], "4321");
    EXPECT_EQ(lines[6], "45000.500000");
    EXPECT_EQ(lines[25], "135");                // wave direction, an int
    EXPECT_EQ(lines[28], "1");                  // sound on
    EXPECT_EQ(lines[2 + 33], "0 0 0");          // channel 0
    EXPECT_EQ(lines[2 + 36], "1 1 0");          // channel 3
    EXPECT_EQ(lines[2 + 38], "1 0 1");          // channel 5
    EXPECT_EQ(lines[2 + 148], "1234.500000");   // X from the region's west edge
    EXPECT_EQ(lines[2 + 149], "-2048.250000");
    EXPECT_EQ(lines[2 + 152], "61.750000");

    std::memset(&set, 0, sizeof set);
    std::memset(&msc, 0, sizeof msc);
    std::memset(&atm, 0, sizeof atm);
    std::memset(&nav, 0, sizeof nav);
    std::memset(&ins, 0, sizeof ins);
    std::memset(&rel, 0, sizeof rel);
    std::memset(&pln, 0, sizeof pln);
    ogl_res = ogl_trees = 0;
    flt.dist = 99;

    apt_lat[4321][0] = 34.1f;
    apt_lon[4321][0] = -117.2f;
    ASSERT_EQ(grab_prefs(file.c_str(), 206, 0), 1);
    apt_lat[4321][0] = apt_lon[4321][0] = 0;
    EXPECT_STREQ(pln.C_file, "Twin Otter.acf");
    EXPECT_STREQ(pln.C_path, "/home/pilot/Korvan/Aircraft/Twin Otter.acf");
    EXPECT_EQ(msc.loc_apt_wrl, 4321);
    // The region to load lies around the airport; the nearest-field searches
    // start from its corner.
    EXPECT_EQ(env.lat_sou, 33);
    EXPECT_EQ(env.lon_wes, -119);
    EXPECT_EQ(flt.lat, 33.0f);
    EXPECT_EQ(flt.lon, -119.0f);
    EXPECT_EQ(msc.rway_sel, 3);
    EXPECT_EQ(msc.locl_time, 45000.5f);
    EXPECT_EQ(atm.temp_SL, 71.25f);
    EXPECT_EQ(ins.baro, 29.5f);
    EXPECT_EQ(atm.baro, 30.125f);
    EXPECT_EQ(atm.rain_tstm, 2.5f);
    EXPECT_EQ(atm.wind_tbl, 1.75f);
    EXPECT_EQ(atm.burst_prob, 1.5f);
    EXPECT_EQ(atm.cld_type, 0);
    EXPECT_EQ(atm.topsMSL, 3048.0f);
    EXPECT_EQ(atm.baseMSL, 1524.5f);
    EXPECT_EQ(atm.vis_rep, 12964.0f);
    EXPECT_EQ(atm.wnddir, 270.5f);
    EXPECT_EQ(atm.wndspd, 12.25f);
    EXPECT_EQ(atm.shrdir, 15.0f);
    EXPECT_EQ(atm.shrspd, 3.5f);
    EXPECT_EQ(atm.tbl, 1.5f);
    EXPECT_EQ(atm.wave_amp, 2.5f);
    EXPECT_EQ(atm.wave_length, 40.0f);
    EXPECT_EQ(atm.wave_speed, 4.5f);
    EXPECT_EQ(atm.wave_dir, 135);
    EXPECT_EQ(atm.meteorite_code, 3);
    EXPECT_EQ(atm.rway_fric_rat, 0.625f);
    EXPECT_EQ(atm.trml_prt, 0.0f);   // thermals come back off
    EXPECT_EQ(atm.trml_vvi, 0.0f);
    EXPECT_EQ(msc.sound_on, 1);
    EXPECT_EQ(set.voice_out, 0);
    EXPECT_EQ(set.text_out, 1);
    EXPECT_EQ(msc.warn_frame, 0);
    EXPECT_EQ(msc.warn_overspeed, 1);
    EXPECT_EQ(msc.warn_flaps, 1);
    EXPECT_EQ(msc.warn_bb, 0);
    for (int i = 0; i < 60; ++i) {
        EXPECT_EQ(set.Bdsk[i], 0) << i;   // disk output never starts from a file
        EXPECT_EQ(set.Brlt[i], i == 3 || i == 17 ? 1 : 0) << i;
        EXPECT_EQ(set.Bgrf[i], i == 5 ? 1 : 0) << i;
    }
    EXPECT_EQ(set.serout, 4);
    EXPECT_EQ(set.damp, 0.375f);
    EXPECT_EQ(set.joy_rat_ptch, 0.5f);
    EXPECT_EQ(set.joy_rat_hdng, 0.625f);
    EXPECT_EQ(set.joy_rat_roll, 0.75f);
    EXPECT_EQ(set.eq_ped, 1);
    EXPECT_EQ(set.eq_avi, 0);
    EXPECT_EQ(set.eq_thr, 1);
    EXPECT_EQ(set.eq_col, 1);
    EXPECT_EQ(set.NZptch, 0.05f);
    EXPECT_EQ(set.NZroll, 0.0625f);
    for (int i = 0; i < 22; ++i) EXPECT_EQ(set.joy_response[i], (i * 7) % 31) << i;
    EXPECT_EQ(nav.nf[0], 11030);
    EXPECT_EQ(nav.nf[1], 11795);
    EXPECT_EQ(nav.cf[0], 11880);
    EXPECT_EQ(nav.cf[1], 13290);
    EXPECT_EQ(nav.obs[0], 123.5f);
    EXPECT_EQ(nav.obs[1], 4.25f);
    EXPECT_EQ(nav.adff, 338);
    EXPECT_EQ(nav.dmesel, 1);
    EXPECT_EQ(nav.gps_index_mode, 3);
    EXPECT_EQ(nav.gps_index, 2105);
    EXPECT_EQ(nav.gps_apt_index, 1650);
    EXPECT_EQ(nav.gps_vor_index, 2105);
    EXPECT_EQ(nav.gps_ndb_index, 704);
    EXPECT_EQ(nav.gps_id[0], 19);
    EXPECT_EQ(nav.gps_id[3], 36);
    EXPECT_EQ(msc.prd, 0.04f);
    EXPECT_EQ(msc.logtime, 1);
    EXPECT_EQ(rel.total_fail_entry, 0.25f);
    EXPECT_EQ(ogl_res, 4);
    EXPECT_EQ(ogl_trees, 1);
    EXPECT_EQ(set.cus_X, 1234.5f);
    EXPECT_EQ(set.cus_Z, -2048.25f);
    EXPECT_EQ(set.cus_psi, 287.5f);
    EXPECT_EQ(set.cus_Y, 914.5f);
    EXPECT_EQ(set.cus_v, 61.75f);
    // The reader ends by deriving the channel choices.
    EXPECT_EQ(set.rltsel[0], 3);
    EXPECT_EQ(set.rltsel[1], 17);
    EXPECT_EQ(set.rltsel[2], -1);
    EXPECT_EQ(set.grfsel[0], 5);
    EXPECT_EQ(set.dskout, 0);
    EXPECT_EQ(flt.dist, 0.0f);

    // Once the saved region is loaded the start position is absolute again.
    env.lox = -90000;
    env.hiz = 70000;
    cus_to_region();
    EXPECT_EQ(set.cus_X, -90000 + 1234.5f);
    EXPECT_EQ(set.cus_Z, 70000 - 2048.25f);

    // Written again, the file is the same but for what the reader changes on purpose.
    flt.X = env.lox + 1234.5;
    flt.Z = env.hiz - 2048.25;
    std::string again = path("again.sit");
    ASSERT_EQ(dump_prefs(again.c_str(), 202), 1);
    std::vector<std::string> second = lines_of(bytes_of(again));
    ASSERT_EQ(second.size(), lines.size());
    for (size_t k = 0; k < lines.size(); ++k) {
        if (k >= 2 + 33 && k <= 2 + 92) continue;   // disk flags come back off
        EXPECT_EQ(second[k], lines[k]) << "line " << k - 1;
    }
    EXPECT_EQ(second[2 + 36], "0 1 0");
}

TEST_F(Prefs, ReaderLimitsAndConvertsWhatItTakes)
{
    fill_everything();
    std::vector<std::string> lines = lines_of(bytes_of(dumped()));
    auto line = [&](int n) -> std::string& { return lines[1 + n]; };   // n counts from 1 after the header
    line(24) = "200.9";      // wave direction: truncated
    line(27) = "2";          // a boolean of 2 is false
    line(35) = "2 -1 7";     // channel flags: any non-zero is on, disk never
    line(144) = "0.5";       // frame period limited to 0.1 s
    std::string file = put("edited.prf", joined(lines));
    ASSERT_EQ(grab_prefs(file.c_str(), 206, 0), 1);
    EXPECT_EQ(atm.wave_dir, 200);
    EXPECT_EQ(msc.sound_on, 0);
    EXPECT_EQ(set.Bdsk[1], 0);
    EXPECT_EQ(set.Brlt[1], 1);
    EXPECT_EQ(set.Bgrf[1], 1);
    EXPECT_EQ(msc.prd, 0.1f);

    line(144) = "0.001";
    put("edited.prf", joined(lines));
    ASSERT_EQ(grab_prefs(file.c_str(), 206, 0), 1);
    EXPECT_EQ(msc.prd, 0.01f);
}

TEST_F(Prefs, IndicesOutOfRangeAreNotTaken)
{
    fill_everything();
    std::vector<std::string> lines = lines_of(bytes_of(dumped()));
    auto line = [&](int n) -> std::string& { return lines[1 + n]; };
    line(3) = "15000";    // airport beyond the database
    line(4) = "6";        // runway choice beyond three runways
    line(94) = "9";       // serial mode
    line(105) = "31";     // joystick action code
    line(126) = "-1";
    line(134) = "2";      // DME receiver
    line(137) = "15000";  // GPS airport
    line(138) = "-3";     // GPS VOR
    line(147) = "9";      // texture resolution
    std::string file = put("edited.prf", joined(lines));
    ASSERT_EQ(grab_prefs(file.c_str(), 206, 0), 1);
    EXPECT_EQ(msc.loc_apt_wrl, 0);
    EXPECT_EQ(msc.rway_sel, 0);
    EXPECT_EQ(set.serout, 0);
    EXPECT_EQ(set.joy_response[0], 0);
    EXPECT_EQ(set.joy_response[21], 0);
    EXPECT_EQ(set.joy_response[1], 7);
    EXPECT_EQ(nav.dmesel, 0);
    EXPECT_EQ(nav.gps_apt_index, 0);
    EXPECT_EQ(nav.gps_vor_index, 0);
    EXPECT_EQ(nav.gps_ndb_index, 704);
    EXPECT_EQ(ogl_res, 2);

    // An empty database holds no airport at all: index 0.
    env.aptmax = -1;
    line(3) = "12";
    put("edited.prf", joined(lines));
    ASSERT_EQ(grab_prefs(file.c_str(), 206, 0), 1);
    EXPECT_EQ(msc.loc_apt_wrl, 0);

    // GPS targets past the navaids loaded (not only past the capacity) fall back to 0.
    env.navmax = 2000;
    put("edited.prf", joined(lines));
    ASSERT_EQ(grab_prefs(file.c_str(), 206, 0), 1);
    EXPECT_EQ(nav.gps_index_mode, 3);
    EXPECT_EQ(nav.gps_index, 0);
    EXPECT_EQ(nav.gps_ndb_index, 704);
}

TEST_F(Prefs, DamagedFileChangesNothingAndSaysSo)
{
    fill_everything();
    std::string text = bytes_of(dumped());
    std::vector<std::string> lines = lines_of(text);
    std::memset(&msc, 0, sizeof msc);
    std::memset(&pln, 0, sizeof pln);

    std::vector<std::string> cut(lines.begin(), lines.begin() + 2 + 100);
    std::vector<std::string> garbled = lines;
    garbled[2 + 60] = "x y z";
    std::vector<std::string> to_channel(lines.begin(), lines.begin() + 2 + 35);
    const std::string damaged[] = {
        joined(cut),                                  // cut short
        joined(garbled),                              // a non-number
        joined(to_channel) + "1 0",                   // cut inside a line
        "I\n466 version\n",                           // header only
        "I\n",                                        // not even a version
    };
    for (const std::string& d : damaged) {
        last_alert.clear();
        std::string file = put("damaged.prf", d);
        EXPECT_EQ(grab_prefs(file.c_str(), 206, 0), 0);
        EXPECT_NE(last_alert.find("damaged or incomplete"), std::string::npos);
        EXPECT_NE(last_alert.find("first-run settings"), std::string::npos);
        EXPECT_EQ(msc.loc_apt_wrl, 0);
        EXPECT_STREQ(pln.C_file, "");
    }

    // After a failed read the scanners are strict again.
    EXPECT_EQ(scan_soft, 0);
}

TEST_F(Prefs, MissingOrForeignFileIsQuietlyRefused)
{
    fill_everything();
    std::string text = bytes_of(dumped());
    std::memset(&msc, 0, sizeof msc);
    const std::string foreign[] = {
        "I\n464 version\n",                 // another version
        "I\n-1 version\nz\n\n\n",           // what disabling the preferences writes
        "not a settings file",
    };
    for (const std::string& f : foreign) {
        std::string file = put("other.prf", f);
        EXPECT_EQ(grab_prefs(file.c_str(), 206, 0), 0);
    }
    EXPECT_EQ(grab_prefs(path("none.prf").c_str(), 206, 0), 0);
    EXPECT_EQ(last_alert, "");
    EXPECT_EQ(msc.loc_apt_wrl, 0);
}

// Whatever the simulator holds at a quit, the file it writes is one the next
// start reads: nothing the reader would refuse is written, and an aircraft
// whose world window went off the earth is kept at its airport.
TEST_F(Prefs, WhatTheWriterSavesTheReaderTakes)
{
    con.nmtomtrs = 1852.0f;
    con.degtorad = 0.017453293f;
    apt_lat[4321][0] = 34.1f;
    apt_lon[4321][0] = -117.2f;
    apt_h[4321] = 350;
    const struct {
        const char* name;
        void (*spoil)();
    } cases[] = {
        {"world window off the earth", [] { flt.X = env.lox + 3.0e7; flt.Z = env.hiz - 2.0e7; }},
        {"below the earth", [] { flt.Y = -1.0e6; }},
        {"a wind beyond the window's", [] { atm.wndspd = 150; }},
        {"a radio out of its band", [] { nav.nf[0] = 0; }},
        {"not a number", [] { atm.temp_SL = std::nanf(""); }},
    };
    for (const auto& c : cases) {
        fill_everything();
        c.spoil();
        std::string file = dumped();
        last_alert.clear();
        EXPECT_EQ(grab_prefs(file.c_str(), 206, 0), 1) << c.name;
        EXPECT_EQ(last_alert, "") << c.name;
        EXPECT_EQ(msc.locl_time, 45000.5f) << c.name;
        EXPECT_EQ(msc.loc_apt_wrl, 4321) << c.name;
    }
    // The aircraft off the earth is saved at its airport, where the reader
    // puts the region: 1.8 degrees east and 1.1 north of the region's corner.
    fill_everything();
    flt.X = env.lox + 3.0e7;
    ASSERT_EQ(grab_prefs(dumped().c_str(), 206, 0), 1);
    EXPECT_NEAR(set.cus_X, 1.8f * 111120 * std::cos(34.1f * con.degtorad), 50);
    EXPECT_NEAR(set.cus_Z, -1.1f * 111120, 50);
    EXPECT_EQ(set.cus_Y, 350.0f);
    apt_lat[4321][0] = apt_lon[4321][0] = apt_h[4321] = 0;
}

TEST_F(Prefs, LastLineWithoutLineEndAndCrlfReadWhole)
{
    fill_everything();
    std::string text = bytes_of(dumped());
    std::string crlf;
    for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    crlf.resize(crlf.size() - 2);
    std::memset(&set, 0, sizeof set);
    std::string file = put("crlf.prf", crlf);
    ASSERT_EQ(grab_prefs(file.c_str(), 206, 0), 1);
    EXPECT_EQ(set.cus_v, 61.75f);
    EXPECT_EQ(set.joy_response[1], 7);
    EXPECT_STREQ(pln.C_file, "Twin Otter.acf");
}

TEST_F(Prefs, LongPathStaysInsideItsField)
{
    fill_everything();
    std::vector<std::string> lines = lines_of(bytes_of(dumped()));
    lines[3] = std::string(600, 'p');
    std::string file = put("long.prf", joined(lines));
    ASSERT_EQ(grab_prefs(file.c_str(), 206, 0), 1);
    EXPECT_EQ(std::strlen(pln.C_path), 399u);
    EXPECT_EQ(msc.loc_apt_wrl, 4321);
}

TEST_F(Prefs, AvionicsSwitchResetsTheRadios)
{
    fill_everything();
    set.eq_avi = 1;
    std::string file = dumped();
    ASSERT_EQ(grab_prefs(file.c_str(), 206, 0), 1);
    EXPECT_EQ(nav.nf[0], 11170);
    EXPECT_EQ(nav.nf[1], 11170);
    EXPECT_EQ(nav.cf[0], 12100);
    EXPECT_EQ(nav.cf[1], 12100);
    EXPECT_EQ(nav.adff, 210);
}

TEST_F(Prefs, ChannelChoicesTakeTheFirstOnes)
{
    for (int j = 0; j < 60; ++j) {
        set.Brlt[j] = j >= 20 && j < 35;   // fifteen for the cockpit
        set.Bgrf[j] = j % 7 == 6;          // 6, 13, 20, 27, ...
    }
    set.Bdsk[59] = 1;
    grf.cntr = 500;
    grf.data[3][3][1799] = 5;
    set_rlt_grf_choices();
    for (int k = 0; k < 10; ++k) EXPECT_EQ(set.rltsel[k], 20 + k);
    const int graphs[4] = {6, 13, 20, 27};
    for (int k = 0; k < 4; ++k) EXPECT_EQ(set.grfsel[k], graphs[k]);
    EXPECT_EQ(set.dskout, 1);
    EXPECT_EQ(set.rltout, 1);
    EXPECT_EQ(set.grfout, 1);
    EXPECT_EQ(grf.cntr, -1);
    EXPECT_EQ(grf.data[3][3][1799], -999.0f);
    EXPECT_EQ(grf.data[0][0][0], -999.0f);

    for (int j = 0; j < 60; ++j) set.Brlt[j] = set.Bgrf[j] = set.Bdsk[j] = 0;
    set.Brlt[59] = 1;
    set_rlt_grf_choices();
    EXPECT_EQ(set.rltsel[0], 59);
    EXPECT_EQ(set.rltsel[1], -1);
    EXPECT_EQ(set.grfsel[0], -1);
    EXPECT_EQ(set.dskout, 0);
    EXPECT_EQ(set.grfout, 0);
}

TEST_F(Prefs, FirstRunDefaults)
{
    con.fttomtrs = 0.3048f;
    con.nmtomtrs = 1852.0f;
    set.rltsel[0] = 0;
    set.grfsel[0] = 0;
    env.aptmax = 20;
    copy_bounded(apt_id[7], "KSBD", 5);
    copy_bounded(apt_id[9], "KSBD", 5);
    apt_lat[9][0] = 34.1f;
    apt_lon[9][0] = -117.2f;
    first_run_defaults();
    EXPECT_EQ(msc.loc_apt_wrl, 9);   // the last of that name
    EXPECT_EQ(env.lat_sou, 33);
    EXPECT_EQ(env.lon_wes, -119);
    EXPECT_EQ(msc.rway_sel, 0);
    apt_id[7][0] = apt_id[9][0] = 0;
    apt_lat[9][0] = apt_lon[9][0] = 0;
    for (int k = 0; k < 10; ++k) EXPECT_EQ(set.rltsel[k], -1);   // no channel, not channel 0
    for (int k = 0; k < 4; ++k) EXPECT_EQ(set.grfsel[k], -1);
    EXPECT_EQ(msc.locl_time, 57600.0f);
    EXPECT_FLOAT_EQ(atm.topsMSL, 1524.0f);
    EXPECT_FLOAT_EQ(atm.baseMSL, 1219.2f);
    EXPECT_FLOAT_EQ(atm.vis_rep, 12964.0f);
    EXPECT_EQ(msc.warn_flaps, 0);
    EXPECT_EQ(msc.warn_bb, 1);
    const int buttons[22] = {2, 1, 5, 6, 22, 21, 19, 20, 15, 16, 11, 12, 10, 9, 17, 18, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < 22; ++i) EXPECT_EQ(set.joy_response[i], buttons[i]) << i;
    EXPECT_EQ(nav.gps_apt_index, 1600);
    EXPECT_EQ(nav.gps_vor_index, 2100);
    EXPECT_EQ(nav.gps_ndb_index, 700);
    EXPECT_EQ(msc.prd, 0.05f);
    EXPECT_EQ(ogl_res, 2);

    // No such airport: the first one.
    first_run_defaults();
    EXPECT_EQ(msc.loc_apt_wrl, 0);

    // The defaults written and read back are the defaults (in a database that holds them).
    env.aptmax = 14999;
    std::string file = dumped();
    std::memset(&nav, 0, sizeof nav);
    ASSERT_EQ(grab_prefs(file.c_str(), 206, 0), 1);
    EXPECT_EQ(nav.gps_apt_index, 1600);
    EXPECT_EQ(set.joy_response[15], 18);
}
} // namespace
