#include "atc_fixture.h"

#include "tests/support/toolkit_state.h"

#include "cockpit/atc.h"
#include "records/cockpit_state.h"
#include "world/coordinates.h"
#include "records/flight_state.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "records/world_state.h"
#include "world/world_services.h"
#include "tests/support/flat_window.h"

#include <cstring>

std::vector<std::string> spoken;
std::deque<int> int_draws;
std::deque<float> flt_draws;
std::vector<drawn_text> texts;
std::vector<drawn_frame> frames;
std::vector<int> windows_opened;

const std::string CALL = "Trainer november seven three eight tango kilo ";

extern "C" {
int __wrap__Z15plat_speech_sayPKc(const char* text)
{
    spoken.push_back(text);
    return 1;
}
int __wrap__Z7intrandii(int min, int max)
{
    if (int_draws.empty()) return min;
    int v = int_draws.front();
    int_draws.pop_front();
    return v;
}
float __wrap__Z7fltrandff(float min, float max)
{
    if (flt_draws.empty()) return max;
    float v = flt_draws.front();
    flt_draws.pop_front();
    return v;
}
void __wrap__Z10OGL_stringiffPKcff(int colour, float x, float y, const char* text, float width, float pitch)
{
    texts.push_back({colour, x, y, text, width, pitch});
}
void __wrap__Z13OGL_framerectiffff(int colour, float x, float y, float dx, float dy)
{
    frames.push_back({colour, x, y, dx, dy});
}
void __wrap__Z16MACIBM_startwindi(int n)
{
    windows_opened.push_back(n);
}
}

namespace {
void put_airport(int a, const char* id, const char* name, float lat, float lon, float h, int num, char lr, int hdng,
                 int len)
{
    copy_bounded(apt_id[a], id, 5);
    copy_bounded(apt_name[a], name, 40);
    apt_lat[a][0] = lat;
    apt_lon[a][0] = lon;
    apt_h[a] = h;
    apt_twr[a] = 1;
    apt_num[a][0] = num;
    apt_lr[a][0] = lr;
    apt_hdng[a][0] = hdng;
    apt_len[a][0] = len;
    for (int r = 1; r < 3; ++r) apt_len[a][r] = apt_num[a][r] = 0;
    apt_inreg[a] = 1;
}

void put_navaid(int n, int type, const char* name, float lat, float lon, float h, int hdng)
{
    nav_type[n] = type;
    copy_bounded(nav_name[n], name, 40);
    nav_lat[n] = lat;
    nav_lon[n] = lon;
    nav_h[n] = h;
    nav_hdng[n] = hdng;
    nav_inreg[n] = 1;
}
} // namespace

void AtcWorld::SetUp()
{
    reset_full_screen_state();
    spoken.clear();
    int_draws.clear();
    flt_draws.clear();
    texts.clear();
    frames.clear();
    windows_opened.clear();
    memset(&atc, 0, sizeof atc);
    memset(&fpl, 0, sizeof fpl);
    memset(&flt, 0, sizeof flt);
    memset(&msc, 0, sizeof msc);
    memset(&atm, 0, sizeof atm);
    memset(&set, 0, sizeof set);
    reset_atc_dialogue();
    // Every test starts later on the clock: the weather file's answer is kept a second.
    static float clock = 1000;
    clock += 100;
    msc.elap_time = clock;
    msc.speech_avail = 1;
    set.voice_out = 1;
    set.text_out = 1;
    atm.baro = 29.92f;
    atm.temp_SL = 59;
    atm.vis_rep = 20 * con.nmtomtrs;
    copy_bounded(pln.C_name, "Trainer", 400);
    copy_bounded(pln.tailnum, "N738TK", 400);
    pln.us_alt = 1;
    copy_bounded(app_path, "/nonexistent-korvan-folder/", 400);   // no "WORLD.RWK"

    env.lat_sou = 40;
    env.lon_wes = -100;
    flat_window(0);
    env.mvar = 0;
    env.localh_cg = 0;
    put_airport(0, "KDEP", "Departure Field", 40.5f, -99.0f, 300, 9, ' ', 90, 2000);
    put_airport(1, "KARR", "Arrival Field", 41.5f, -98.0f, 200, 27, 'L', 270, 2500);
    env.aptmax = 1;
    put_navaid(0, 4, "Arrival ILS", 41.5f, -98.02f, 200, 270);
    put_navaid(1, 6, "Arrival GS", 41.5f, -97.99f, 200, 270);
    put_navaid(2, 3, "Plains VOR", 41.0f, -98.5f, 250, 0);
    env.navmax = 2;
    msc.loc_apt_wrl = 0;
}

void AtcWorld::TearDown()
{
    apt_inreg[0] = apt_inreg[1] = 0;
    nav_inreg[0] = nav_inreg[1] = nav_inreg[2] = 0;
    env.aptmax = env.navmax = -1;
}

float AtcWorld::apt_x(int a)
{
    return X_with_latlon(apt_lat[a][0], apt_lon[a][0]);
}
float AtcWorld::apt_z(int a)
{
    return Z_with_lat(apt_lat[a][0]);
}
float AtcWorld::nav_x(int n)
{
    return X_with_latlon(nav_lat[n], nav_lon[n]);
}
float AtcWorld::nav_z(int n)
{
    return Z_with_lat(nav_lat[n]);
}
