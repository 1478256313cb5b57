#include "commands_support.h"

#include "tests/support/toolkit_state.h"

#include "records/cockpit_state.h"
#include "flight/INITPLN.h"
#include "records/flight_state.h"
#include "platform/window.h"
#include "shell/MENUS.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <cstring>
#include <ostream>

std::vector<request> requests;
std::vector<std::string> notices;
int chooser_answer;
int refuse_plane;
int grab_answer;
int clicks_reach_panel;
std::string dumped_path;

extern "C" {
void __wrap__Z11set_fltvarsi(int type)
{
    requests.push_back({'s', (float)type, 0});
}
void __wrap__Z16MACIBM_startwindi(int n)
{
    requests.push_back({'w', (float)n, 0});
}
void __real__Z10manage_dasff(float x, float y);
void __wrap__Z10manage_dasff(float x, float y)
{
    requests.push_back({'c', x, y});
    if (clicks_reach_panel) __real__Z10manage_dasff(x, y);
}
void __wrap__Z16plot_atc_optionsi(int picked)
{
    requests.push_back({'a', (float)picked, 0});
}
void __wrap__Z10load_planev()
{
    requests.push_back({'p', 0, 0});
    plane_refused = refuse_plane;
}
void __wrap__Z11load_regionv()
{
    requests.push_back({'r', 0, 0});
}
int __wrap__Z11MACIBM_openiPcS_(int type, char* file, char* path)
{
    requests.push_back({'o', (float)type, 0});
    // The aircraft chooser hands back another aircraft's names.
    if (chooser_answer && type == 203) {
        copy_bounded(file, "Chosen", 400);
        copy_bounded(path, "/tmp/Chosen", 400);
    }
    return chooser_answer;
}
int __wrap__Z11MACIBM_saveiPcS_(int type, char* file, char* path)
{
    requests.push_back({'v', (float)type, 0});
    if (chooser_answer) copy_bounded(path, (std::string("/tmp/") + file).c_str(), 400);
    return chooser_answer;
}
int __wrap__Z10grab_prefsPKcii(const char*, int type, int)
{
    requests.push_back({'g', (float)type, 0});
    return grab_answer;
}
int __wrap__Z10dump_prefsPKci(const char* path, int type)
{
    requests.push_back({'d', (float)type, 0});
    dumped_path = path;
    return 1;
}
void __wrap__Z11play_bufferii(int slot, int loop)
{
    requests.push_back({'b', (float)slot, (float)loop});
}
}

std::ostream& operator<<(std::ostream& os, const request& r)
{
    return os << r.kind << "(" << r.a << "," << r.b << ")";
}

std::vector<float> requested(char kind)
{
    std::vector<float> out;
    for (const request& r : requests)
        if (r.kind == kind) out.push_back(r.a);
    return out;
}

namespace {
void record_notice(const char*, const char* text)
{
    std::string s = text;
    for (size_t p; (p = s.find("\n\n")) != std::string::npos;) s.replace(p, 2, "|");
    notices.push_back(s);
}

void airport(int a, const char* id, const char* name, float lat, float lon)
{
    copy_bounded(apt_id[a], id, 5);
    copy_bounded(apt_name[a], name, 40);
    for (int k = 0; k < 3; ++k) {
        apt_lat[a][k] = lat;
        apt_lon[a][k] = lon;
        apt_len[a][k] = 0;
        apt_num[a][k] = 0;
        apt_lr[a][k] = 'x';
    }
    apt_h[a] = 100;
}

void runway(int a, int k, int number, char side, int length)
{
    apt_num[a][k] = number;
    apt_lr[a][k] = side;
    apt_len[a][k] = length;
    apt_hdng[a][k] = number * 10;
}

void navaid(int i, int type, const char* name, float lat, float lon)
{
    nav_type[i] = type;
    copy_bounded(nav_name[i], name, 40);
    copy_bounded(nav_id[i], "XXX", 5);
    nav_lat[i] = lat;
    nav_lon[i] = lon;
    nav_h[i] = 250;
}
} // namespace

void fixture_region()
{
    env.lat_sou = 34;
    env.lon_wes = -118;
    env.lox = 0;
    env.hix = 276000;
    env.loz = -222000;
    env.hiz = 0;
    airport(0, "KALF", "Alpha Field Municipal Airport", 35, -117);
    runway(0, 0, 9, 'L', 2000);
    runway(0, 1, 9, 'R', 1500);
    airport(1, "KFAR", "Far Away", 45, -100);
    runway(1, 0, 18, 'x', 2000);
    airport(2, "ROOF", "Rooftop", 35.5f, -116.5f);
    runway(2, 0, 4, 'x', 100);
    env.aptmax = 2;
    navaid(0, 3, "Alpha VOR", 35.1f, -117.1f);
    navaid(1, 2, "Beta NDB", 35.2f, -117.2f);
    navaid(2, 3, "Outside VOR", 40, -100);
    navaid(3, 4, "Alpha Localizer", 35, -117);
    env.navmax = 3;
    for (int a = 0; a <= env.aptmax; ++a) apt_inreg[a] = a != 1;
    for (int i = 0; i <= env.navmax; ++i) nav_inreg[i] = i != 2;
}

void CommandsTest::SetUp()
{
    reset_full_screen_state();
    ogl_ready = 0;
    gdone = 0;
    plat_set_message_box_handler(record_notice);
    memset(&flt, 0, sizeof flt);
    memset(&msc, 0, sizeof msc);
    memset(&ott, 0, sizeof ott);
    memset(&set, 0, sizeof set);
    memset(&env, 0, sizeof env);
    memset(&scn, 0, sizeof scn);
    memset(&pln, 0, sizeof pln);
    memset(&nav, 0, sizeof nav);
    memset(&atc, 0, sizeof atc);
    memset(&ins, 0, sizeof ins);
    memset(apt_inreg, 0, sizeof apt_inreg);
    memset(nav_inreg, 0, sizeof nav_inreg);
    for (int g = 0; g < 4; ++g) set.grfsel[g] = -1;
    msc.est_Vs = 25;
    msc.prd = 0.05f;
    scn.zoom = 1;
    copy_bounded(prf_path, "/tmp/Korvan 4.prf", 400);
    requests.clear();
    notices.clear();
    chooser_answer = 0;
    refuse_plane = 0;
    grab_answer = 0;
    clicks_reach_panel = 0;
    dumped_path.clear();
    fixture_region();
    APPLICATION_setupmenus();
}
