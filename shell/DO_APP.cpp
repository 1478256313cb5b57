#include "DO_APP.h"

#include "data_graph.h"
#include "moving_map.h"
#include "prefs.h"
#include "settings_windows.h"
#include "records/settings_and_recordings.h"
#include "records/cockpit_state.h"
#include "cockpit/cockpit_services.h"
#include "flight/FLTCALC.h"
#include "records/flight_state.h"
#include "flight/start_placement.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "flight/aircraft_sounds.h"
#include "toolkit/HL_SOUND.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "records/world_state.h"
#include "shell/scene_frame.h"
#include "world/world_services.h"

#include <cstring>

namespace {
// The flight as it stood when replay was entered.
struct {
    double X, Y, Z, vX, vY, vZ;
    float the, psi, phi;
} before_replay;

void run_window_handler(int window)
{
    switch (window) {
    case 1: manage_id_(); break;
    case 2: manage_nam(); break;
    case 3: manage_map(); break;
    case 4: manage_wrl(); break;
    case 5: manage_lat(); break;
    case 6: manage_whr(); break;
    case 7: manage_dat(); break;
    case 8: manage_ser(); break;
    case 9: manage_tim(); break;
    case 10: manage_ogl(); break;
    case 11: manage_spa(); break;
    case 12: manage_atm(); break;
    case 13: manage_gnd(); break;
    case 14: manage_wat(); break;
    case 15: manage_flt(); break;
    case 16: manage_wgt(); break;
    case 17: manage_rel(); break;
    case 18: manage_ins(); break;
    case 19: manage_eqp(); break;
    case 20: manage_snd(); break;
    case 21: manage_wrn(); break;
    case 22: manage_grf(); break;
    case 23: manage_iso(); break;
    case 24: manage_map(); break;
    case 25: manage_pln(); break;
    default: break;
    }
}

// The 3 x 2-degree world window with the airport near its middle.
void centre_on_airport(int a)
{
    env.lat_sou = round(apt_lat[a][0] - 1);
    env.lon_wes = round(apt_lon[a][0] - 1.5f);
}

void controller_says(const char* text)
{
    start_command_string(C_s, 1);
    app_C(C_s, text);
    speakstring(C_s);
}

void file_flight_plan()
{
    int found = -1;
    int last = intlim(env.aptmax, -1, APT_CAP - 1);
    for (int a = 0; a <= last; ++a)
        if (strncmp(apt_id[a], fpl.arr_id_str, 4) == 0) found = a;
    if (found < 0) {
        controller_says("I am unable to find an airport with that identifier. You will need to file to an airport "
                        "that I have in my computer.");
        return;
    }
    atc.plan_index = found;
    atc.ils_vec_in_progress = 0;
    if (fpl.activated) {
        controller_says("flight plan amended as requested.");
    } else {
        fpl.onfile = 1;
        fpl.activated = 0;
    }
}
} // namespace

void APPLICATION_update()
{
    static int first_frame = 1;
    if (mnw.topwin != 0) {
        run_window_handler(mnw.topwin);
        return;
    }
    if ((mnw.mouse_clicked || mnw.delay_dragging) && mnw.menu_up == -1) manage_das(mnw.mx, mnw.my);
    if (set.replay_mode == 0 && !msc.paused) update_flight();
    if (set.replay_mode != 0) replay_step();
    if (first_frame) {
        MACIBM_startwind(0);
        first_frame = 0;
    }
    update_scenery();
}

void process_zap(int window)
{
    switch (window) {
    case 1:
        gotofield(msc.apt_id_req, 0);
        break;
    case 5:
        set_up_env_with_request_latlon();
        break;
    case 7:
        set_rlt_grf_choices();
        clear_graph();
        break;
    case 12:
        for (int i = 0; i < GRID_I; ++i)
            for (int j = 0; j < GRID_J; ++j) atm.therm_on_poly[i][j] = fltrand(0, 0.99f) < atm.trml_prt;
        break;
    case 16:
        if (flt.m_total > pln.m_max) {
            mnw.topwin = 0;
            MACIBM_alert("Your total weight is above the maximum allowable weight for the airplane!",
                         "You will be breaking several Federal Aviation Regulations by flying this thing!",
                         "You SHOULD reduce your fuel or fixed load.", "", ALERT_NOTICE);
        }
        break;
    case 18:
        rel.vacuum = rel.ss_asi = rel.ss_ahz = rel.ss_alt = rel.ss_tsi = rel.ss_dgy = rel.ss_vvi = 1;
        rel.efis_1 = rel.efis_2 = rel.radios = 1;
        break;
    case 19:
        for (int e = 0; e < 4; ++e) rel.engine[e] = rel.thrgov[e] = rel.revlok[e] = rel.oilpmp[e] = 1;
        rel.fc_ail = rel.fc_elv = rel.fc_rud = rel.fc_flp = rel.fc_slt = rel.fc_thr = 1;
        for (int g = 0; g < 3; ++g) {
            rel.lagear[g] = 1;
            set.gear_time[g] = 0;
        }
        rel.esystem = rel.hydsys = rel.stbaug = rel.symflp = rel.sttrim = 1;
        rel.antice = rel.clights = rel.otto = rel.trotor = 1;
        break;
    case 20:
        stop_engine_and_windrain();
        play_engine_and_windrain();
        break;
    case 25:
        file_flight_plan();
        break;
    default:
        break;
    }
}

void gotofield(const char* id, int runway)
{
    if (get_index_from_id(id, 1, &msc.loc_apt_wrl)) {
        centre_on_airport(msc.loc_apt_wrl);
        msc.typestart = 7;
        msc.rway_sel = runway;
        load_region();
        set_fltvars(9);
        return;
    }
    mnw.topwin = 0;
    MACIBM_alert("I could not find an airport with this ID anywhere in the country!",
                 "Small airports (with a NUMBER for the first digit) are not simulated.",
                 "There are still over 6,100 airports simulated by Korvan.", "", ALERT_NOTICE);
}

void set_up_env_with_request_latlon()
{
    msc.typestart = 7;
    msc.rway_sel = 0;
    float lat = env.lat_sou + 1.0f, lon = env.lon_wes + 1.5f;
    float best = 9.9e9f;
    int last = intlim(env.aptmax, -1, APT_CAP - 1);
    for (int a = 0; a <= last; ++a) {
        float d = pythag(apt_lat[a][0] - lat, apt_lon[a][0] - lon);
        if (d < best) {
            best = d;
            msc.loc_apt_wrl = a;
        }
    }
    // The start is at that airport, so its world is loaded, not the point's.
    if (last >= 0) centre_on_airport(msc.loc_apt_wrl);
    load_region();
    set_fltvars(9);
}

namespace {
// The time of the newest recorded sample, or the present time when nothing
// is recorded: the clock runs on a little after each sample, and a replay
// clock past the newest sample finds no pair to play.
float newest_sample_time()
{
    int n = intlim(pat.cntr_record, 0, PATH_SAMPLES - 1);
    for (int k = 0; k < PATH_SAMPLES; ++k) {
        int i = (n - k + PATH_SAMPLES) % PATH_SAMPLES;
        if (pat.inited[i]) return pat.xyztppt[i][6];
    }
    return msc.elap_time;
}
} // namespace

void enter_replay()
{
    if (set.replay_mode != 0) return;
    set.replay_mode = 3;
    pat.time_play = newest_sample_time();
    before_replay = {flt.X, flt.Y, flt.Z, flt.vX, flt.vY, flt.vZ, flt.the, flt.psi, flt.phi};
}

void leave_replay()
{
    if (set.replay_mode == 0) return;
    set.replay_mode = 0;
    flt.X = before_replay.X;
    flt.Y = before_replay.Y;
    flt.Z = before_replay.Z;
    flt.vX = before_replay.vX;
    flt.vY = before_replay.vY;
    flt.vZ = before_replay.vZ;
    flt.the = before_replay.the;
    flt.psi = before_replay.psi;
    flt.phi = before_replay.phi;
}

void replay_step()
{
    static const float factors[6] = {0, -5, -1, 0, 1, 5};
    int mode = set.replay_mode;
    float factor = mode >= 1 && mode <= 5 ? factors[mode] : 0;
    float t = pat.time_play + msc.prd * factor;

    int found = 0;
    for (int i = 0; i < PATH_SAMPLES; ++i) {
        int j = i + 1 < PATH_SAMPLES ? i + 1 : 0;
        if (!pat.inited[i] || !pat.inited[j]) continue;
        const float* a = pat.xyztppt[i];
        const float* b = pat.xyztppt[j];
        if (!(a[6] <= t && t <= b[6])) continue;
        // Two samples of one time: the first stands, and nothing moves.
        float span = b[6] - a[6];
        float f = span > 0 ? interp(a[6], 0, b[6], 1, t) : 0;
        flt.X = a[0] + ((double)b[0] - a[0]) * f;
        flt.Y = a[1] + ((double)b[1] - a[1]) * f;
        flt.Z = a[2] + ((double)b[2] - a[2]) * f;
        flt.the = fltwrap(a[3] + fltwrap(b[3] - a[3], -180, 180) * f, -180, 180);
        flt.psi = fltwrap(a[4] + fltwrap(b[4] - a[4], -180, 180) * f, 0, 360);
        flt.phi = fltwrap(a[5] + fltwrap(b[5] - a[5], -180, 180) * f, -180, 180);
        flt.vX = span > 0 ? (b[0] - a[0]) / span * factor : 0;
        flt.vY = span > 0 ? (b[1] - a[1]) / span * factor : 0;
        flt.vZ = span > 0 ? (b[2] - a[2]) / span * factor : 0;
        found = 1;
    }
    if (found) pat.time_play = t;
    else set.replay_mode = 3;
}
