// The controller: the flight-plan phases from clearance delivery to the ramp,
// the replies to the pilot's requests, and radar vectors onto an ILS or
// localizer repeated until the aircraft is established.
#include "atc.h"
#include "records/cockpit_state.h"
#include "cockpit_services.h"

#include "world/coordinates.h"
#include "records/flight_state.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "world/INITNAV.h"
#include "records/world_state.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {
const float NEVER = 9.9e9f;

float handoff_time = NEVER;
float time_next_trans = NEVER;
int on_random = 0;
float time_next_ils_vec = 0;
int old_hdg_des = 0, old_alt_des = 0;

int wrap180(int d)
{
    return intwrap(d, -179, 180);
}

float now()
{
    return msc.elap_time;
}

int feet(float m)
{
    return round(m * con.mtrstoft);
}

// Bearing (degrees true, 0..360) and distance (nm) from the aircraft to a
// point of the world frame; z runs south.
float bearing_to(float x, float z)
{
    float b = std::atan2(x - (float)flt.X, -(z - (float)flt.Z)) * con.radtodeg;
    return b < 0 ? b + 360 : b;
}

float nm_to(float x, float z)
{
    return pythag(x - (float)flt.X, z - (float)flt.Z) * con.mtrstonm;
}

float apt_x(int a)
{
    return X_with_latlon(apt_lat[a][0], apt_lon[a][0]);
}

float apt_z(int a)
{
    return Z_with_lat(apt_lat[a][0]);
}

int last_apt()
{
    return intlim(env.aptmax, -1, APT_CAP - 1);
}

// The airport nearest a position by degree distance, the first of equals;
// in_region limits the search to the loaded region. -1 when there is none.
int nearest_apt(float lat, float lon, int in_region)
{
    int best = -1;
    float best_d = 0;
    for (int a = 0; a <= last_apt(); ++a) {
        if (in_region && !apt_inreg[a]) continue;
        float d = pythag(apt_lat[a][0] - lat, apt_lon[a][0] - lon);
        if (best < 0 || d < best_d) {
            best = a;
            best_d = d;
        }
    }
    return best;
}

int on_ground_at_tower()
{
    int a = msc.loc_apt_wrl;
    return flt.onground && a >= 0 && a <= last_apt() && apt_twr[a];
}

void app_wind(char* s)
{
    app_wind_string(s, (int)atm.wnddir, (int)atm.wndspd, (int)atm.shrdir, (int)atm.shrspd);
}

void say_to_pilot(const char* text)
{
    char s[400];
    start_command_string(s, 1);
    app_C(s, text);
    speakstring(s);
}

void close_plan()
{
    fpl.onfile = 0;
    fpl.activated = 0;
}

void app_clock(char* s, float sec)
{
    int hrs, min;
    sec_to_hrs_min(sec, &hrs, &min);
    app_int(s, hrs % 24);
    app_C(s, " ");
    app_int(s, min);
}

void clearance()
{
    int loc = msc.loc_apt_wrl;
    float elev = loc >= 0 && loc <= last_apt() ? apt_h[loc] : 0;
    int init = intnear(feet(elev) + 2000, 500);
    int cruise = intnear(fpl.cruise_alt, 1000);
    if (cruise - 500 < init) init = cruise - 500;
    fpl.init_alt = init;
    fpl.cruise_alt = cruise;

    char s[400];
    start_command_string(s, 1);
    int towered = on_ground_at_tower();
    if (flt.onground && towered) {
        if (fpl.ifr) {
            app_C(s, "cleared as filed maintain at or below ");
            app_int(s, init);
            app_C(s, " expect ");
            app_int(s, cruise);
            app_C(s, " 10 minutes after departure. Departure will be on ");
        } else {
            app_C(s, "you are cleared as filed maintain at or below ");
            app_int(s, init);
            app_C(s, " initially, expect higher after that. Departure will be on ");
        }
        app_rand_freq(s);
        app_C(s, " squawk ");
        app_squawk(s);
        app_C(s, " advise when ready to taxi.");
    } else if (flt.onground) {
        if (fpl.ifr) {
            app_C(s, "cleared as filed maintain at or below ");
            app_int(s, init);
            app_C(s, " expect ");
            app_int(s, cruise);
            app_C(s, " 10 minutes after that. Contact center on ");
            app_rand_freq(s);
            app_C(s, " when airborne, squawk ");
            app_squawk(s);
            app_C(s, " time now ");
            app_clock(s, msc.zulu_time);
            app_C(s, " Z, clearance void if not off by ");
            app_clock(s, msc.zulu_time + 600);
            app_C(s, " Z.");
        } else {
            app_C(s, "cleared as filed. Contact center on ");
            app_rand_freq(s);
            app_C(s, " when airborne. Squawk ");
            app_squawk(s);
            app_C(s, ".");
        }
    } else {
        app_C(s, "cleared as filed contact center ");
        app_rand_freq(s);
        app_C(s, ".");
    }
    speakstring(s);
    if (flt.onground && towered) {
        atc.plan_phase = 3;
    } else {
        atc.plan_phase = 5;
        atc.waiting_new_frq = 1;
    }
}

// The first en-route check that applies.
void en_route_check()
{
    int dest = atc.plan_index;
    const char* name = apt_name[dest];
    char s[400];
    start_command_string(s, 1);
    float descent_nm = interp(0, 20, 30000, 120, (float)flt.Y * con.mtrstoft);
    if (nm_to(apt_x(dest), apt_z(dest)) < descent_nm) {
        app_C(s, "contact ");
        app_C(s, name);
        app_C(s, " approach on ");
        app_rand_freq(s);
        speakstring(s);
        atc.plan_phase = 6;
        atc.waiting_new_frq = 1;
        return;
    }
    int hind = feet(flt.hind);
    int cruise = fpl.cruise_alt;
    if ((hind > cruise + 200 && flt.vY > -2) || (hind < cruise - 200 && flt.vY < 2)) {
        app_C(s, "your flight plan calls for ");
        app_int(s, cruise);
        if (fpl.mr) app_C(s, " feet while enroute, Sir. I will need you to ");
        else if (fpl.mrs) app_C(s, " feet while enroute, Madam. I will need you to ");
        else app_C(s, " feet while enroute. I will need you to ");
        app_C(s, hind < cruise ? "climb" : "descend");
        app_C(s, " and maintain that altitude. You may amend your plan if you want a different altitude.");
        speakstring(s);
        return;
    }
    if (flt.vind > 250 && (float)flt.Y * con.mtrstoft < 10000) {
        app_C(s, "I will need you to stay below 2 5 0 knots while below ten thousand feet.");
        speakstring(s);
        return;
    }
    if (on_random) {
        on_random = 0;
        app_C(s, "proceed back on course to ");
        app_C(s, name);
        speakstring(s);
        return;
    }
    on_random = make_random_call(1, 1);
}

// On the approach check-in: vectors to the destination's ILS or localizer,
// or an approach of the pilot's choice and the plan closed.
void approach_clearance()
{
    int r, dir, found, n;
    get_active_rway(atc.plan_index, &r, &dir, &found, &n);
    if (fpl.ifr && found) {
        char req[400] = "";
        app_C(req, nav_type[n] == 4 ? "request I L S " : "request localizer ");
        app_C(req, nav_name[n]);
        controller_respond(req);
        return;
    }
    say_to_pilot(fpl.ifr ? "cleared full approach of your choice." : "cleared visual approach of your choice.");
    close_plan();
}

// Request types.
enum { REQ_TAXI = 2, REQ_TAKEOFF, REQ_VECTORS, REQ_LANDING, REQ_ILS, REQ_LOC, REQ_EMERGENCY, REQ_WIND, REQ_UNKNOWN };

// The request type, and where the name starts (-1 none). 0 when the text
// has no "request" ending within its first 256 characters.
int classify(const char* request, int* name_at)
{
    *name_at = -1;
    if (strncmp(request, "win", 3) == 0) return REQ_WIND;
    if (strncmp(request, "dec", 3) == 0) return REQ_EMERGENCY;
    int len = (int)strnlen(request, 400);
    int k = -1;
    for (int c = 7; c <= 256 && c <= len; ++c)
        if (strncmp(request + c - 7, "request", 7) == 0) {
            k = c;
            break;
        }
    if (k < 0) return 0;
    // k is the blank after "request"; the three letters after it decide.
    struct kind {
        const char* word;
        int type, offset;
    };
    static const kind kinds[] = {{"tax", REQ_TAXI, 6},     {"tak", REQ_TAKEOFF, 9}, {"vec", REQ_VECTORS, 9},
                                 {"lan", REQ_LANDING, 9},  {"I L", REQ_ILS, 7},     {"loc", REQ_LOC, 11}};
    if (k + 4 <= len)
        for (const kind& t : kinds)
            if (strncmp(request + k + 1, t.word, 3) == 0) {
                *name_at = intmin2(k + t.offset, len);
                return t.type;
            }
    return REQ_UNKNOWN;
}

int find_name(const char* name, int navaid)
{
    if (navaid) {
        int last = intlim(env.navmax, -1, NAV_CAP - 1);
        for (int n = 0; n <= last; ++n)
            if (strcmp(nav_name[n], name) == 0) return n;
    } else {
        for (int a = 0; a <= last_apt(); ++a)
            if (strcmp(apt_name[a], name) == 0) return a;
    }
    return -1;
}

void app_vectors(char* s, float x, float z, const char* name, const char* between)
{
    app_turn_string(s, round(bearing_to(x, z) + env.mvar), 5);
    app_C(s, " vectors ");
    app_C(s, name);
    app_C(s, between);
    app_int(s, round(nm_to(x, z)));
    app_C(s, " miles from your current position.");
}

// Vectors onto localizer n, or the intercept clearance once established.
void ils_vectoring(int n, const char* request, const char* name, char* s)
{
    float ax = X_with_latlon(nav_lat[n], nav_lon[n]), az = Z_with_lat(nav_lat[n]);
    int L = nav_hdng[n];
    int B = round(bearing_to(ax, az));
    float D = nm_to(ax, az);
    if (std::abs(wrap180(B - L)) < 8 && std::abs(wrap180((int)(flt.psi - L))) < 45 && D > 5 && D < 20) {
        atc.ils_vec_in_progress = 0;
        app_C(s, "intercept localizer ");
        app_altimeter_string(s, atm.baro);
        app_C(s, " cleared ");
        app_C(s, name);
        app_C(s, " contact tower.");
        fpl.onfile = fpl.activated = 1;
        atc.waiting_new_frq = 1;
        atc.plan_phase = 7;
        int a = nearest_apt(nav_lat[n], nav_lon[n], 1);
        if (a >= 0) atc.plan_index = a;
        speakstring(s);
        return;
    }
    if (now() < time_next_ils_vec) return;
    time_next_ils_vec = now() + fltrand(15, 30);

    float nm = con.nmtomtrs;
    int Li = intwrap(L, 0, 359);
    float gx = ax - 9 * nm * lookup_sin[Li], gz = az + 9 * nm * lookup_cos[Li];
    int left = wrap180(B - L) > 0;
    int C = intwrap(left ? L - 90 : L + 90, 0, 359);
    // The turn circle never shrinks below half a mile, even at taxi speeds.
    float r = fltmax2(interp(100, 2, 200, 4, flt.vind), 0.5f);
    float cx = gx + 1.1f * r * nm * lookup_sin[C], cz = gz - 1.1f * r * nm * lookup_cos[C];
    int V = round(bearing_to(cx, cz));
    float d = nm_to(cx, cz);
    int offset = d > r ? round(std::asin(r / d) * con.radtodeg) : round(interp(0, 180, r, 90, d));
    V = intwrap(left ? V + offset : V - offset, 0, 359);

    int alt = feet(n >= 0 ? nav_h[n] : 0) + (D < 15 ? 3000 : D < 30 ? 5000 : 10000);
    if (fpl.cruise_alt > 0) alt = intmin2(alt, fpl.cruise_alt);
    float ground = env.localh_cg * con.mtrstoft;
    if (alt < ground + 1000) alt = (int)ground + 3000;

    int first = !atc.ils_vec_in_progress;
    int said = vector_me((int)(V + env.mvar), 5, alt, 100, first, s);
    if (first) {
        atc.ils_vec_in_progress = 1;
        if (request != atc.ils_command) copy_bounded(atc.ils_command, request, sizeof atc.ils_command);
        app_C(s, "vectors ");
        app_C(s, name);
        app_C(s, ", if you would like another approach instead just tell me");
    }
    app_C(s, ".");
    if (said) speakstring(s);
    else make_random_call(0, 0);
}
} // namespace

void reset_atc_dialogue()
{
    handoff_time = NEVER;
    time_next_trans = NEVER;
    on_random = 0;
    time_next_ils_vec = 0;
    old_hdg_des = old_alt_des = 0;
    reset_LSO();
}

void handle_plan(int ack)
{
    int phase = atc.plan_phase;
    if (phase != 4) handoff_time = NEVER;
    int dest = atc.plan_index;
    const char* name = apt_name[dest];
    char s[400];
    start_command_string(s, 1);
    switch (phase) {
    case 0:
        clearance();
        return;
    case 3:
        if ((float)flt.Y - env.localh_cg > 200) {
            app_C(s, "contact departure.");
            speakstring(s);
            atc.plan_phase = 4;
            atc.waiting_new_frq = 1;
        }
        return;
    case 4:
        if (ack) {
            app_C(s, "radar contact. Climb to ");
            app_int(s, fpl.cruise_alt);
            app_C(s, " approved, proceed on course to ");
            app_C(s, name);
            app_C(s, ".");
            speakstring(s);
            handoff_time = now() + fltrand(15, 45);
        } else if (now() > handoff_time) {
            app_C(s, "contact center ");
            app_rand_freq(s);
            app_C(s, ".");
            speakstring(s);
            handoff_time = NEVER;
            atc.plan_phase = 5;
            atc.waiting_new_frq = 1;
        }
        return;
    case 5:
        if (atc.waiting_new_frq && !ack) return;
        if (ack) {
            app_C(s, "roger proceed on course to ");
            app_C(s, name);
            app_C(s, " ");
            app_altimeter_string(s, atm.baro);
            app_C(s, ". ");
            if (fltrand(0, 1) < 0.3f) {
                app_C(s, " Reset transponder squawk ");
                app_squawk(s);
                app_C(s, ".");
            }
            speakstring(s);
            time_next_trans = now() + fltrand(15, 45);
        } else if (now() > time_next_trans) {
            en_route_check();
            time_next_trans = now() + fltrand(15, 30);
        }
        return;
    case 6:
        if (atc.waiting_new_frq && !ack) return;
        if (ack) approach_clearance();
        if (!atc.ils_vec_in_progress && apt_twr[dest] && atc.plan_phase == 6 &&
            nm_to(apt_x(dest), apt_z(dest)) < 10) {
            start_command_string(s, 1);
            app_C(s, " contact ");
            app_C(s, name);
            app_C(s, " tower on ");
            app_rand_freq(s);
            speakstring(s);
            atc.plan_phase = 7;
            atc.waiting_new_frq = 1;
        }
        return;
    case 7:
        if (ack) {
            app_wind(s);
            app_C(s, ", cleared to land ");
            app_current_rway_string(s, dest);
            app_C(s, " ");
            app_C(s, name);
            app_C(s, ".");
            speakstring(s);
            atc.plan_phase = 8;
        }
        return;
    case 8:
        if (flt.onground && flt.v < 10) {
            app_C(s, "make next turn-off contact ground ");
            app_ground_freq(s);
            app_C(s, " when clear.");
            speakstring(s);
            atc.plan_phase = 9;
            atc.waiting_new_frq = 1;
        }
        return;
    case 9:
        if (ack) {
            app_C(s, "taxi to the ramp.");
            speakstring(s);
            close_plan();
        }
        return;
    default:
        return;
    }
}

void controller_respond(const char* request)
{
    int name_at;
    int type = classify(request, &name_at);
    if (type == 0) return;

    char name[400] = "";
    int target = -1;
    if (type >= REQ_TAXI && type <= REQ_LOC) {
        copy_bounded(name, request + name_at, sizeof name);
        size_t n = strlen(name);
        if (n > 0 && name[n - 1] == '.') name[n - 1] = 0;
        if (!name[0]) return;   // an empty name would match an unnamed slot
        target = find_name(name, type == REQ_ILS || type == REQ_LOC);
        if (target < 0) return;
    }
    if (type == REQ_EMERGENCY) {
        target = nearest_apt(flt.lat, flt.lon, 1);
        if (target < 0) target = nearest_apt(flt.lat, flt.lon, 0);
        if (target < 0) return;
        copy_bounded(name, apt_name[target], sizeof name);
    }

    char s[400];
    start_command_string(s, 1);
    float x = 0, z = 0;
    if (target >= 0 && type != REQ_ILS && type != REQ_LOC) {
        x = apt_x(target);
        z = apt_z(target);
    }
    switch (type) {
    case REQ_TAXI:
        app_C(s, "taxi ");
        app_current_rway_string(s, target);
        app_C(s, ".");
        break;
    case REQ_TAKEOFF:
        app_C(s, "fly runway heading cleared for take off ");
        app_current_rway_string(s, target);
        app_C(s, ".");
        break;
    case REQ_VECTORS:
        app_vectors(s, x, z, name, ". They are about ");
        break;
    case REQ_LANDING:
        app_wind(s);
        app_C(s, ", cleared to land ");
        app_current_rway_string(s, target);
        app_C(s, " ");
        app_C(s, name);
        app_C(s, ".");
        break;
    case REQ_ILS:
    case REQ_LOC:
        ils_vectoring(target, request, name, s);
        return;
    case REQ_EMERGENCY:
        app_C(s, "squawk 7 7 0 0 ");
        app_vectors(s, x, z, name, ", they are about ");
        fpl.activated = 0;
        atc.plan_phase = 0;
        break;
    case REQ_WIND:
        app_wind(s);
        app_C(s, ".");
        break;
    default:
        app_C(s, "say again please");
        break;
    }
    speakstring(s);
}

int vector_me(int hdg_des, int hdg_near, int alt_des, int alt_near, int force_message, char* string)
{
    hdg_des = intnear(hdg_des, hdg_near);
    int hdg_change = std::abs(hdg_des - old_hdg_des) > 5;
    int ground = feet(env.localh_cg);
    if (alt_des < ground + 1500) alt_des = ground + 1500;
    alt_des = intnear(alt_des, alt_near);
    int hind = feet(flt.hind);
    int alt_change = force_message || (hind > alt_des + 200 && flt.vY > -2) ||
                     (hind < alt_des - 200 && flt.vY < 2) || alt_des != old_alt_des;
    if (hdg_change || force_message) {
        old_hdg_des = hdg_des;
        app_turn_string(string, hdg_des, hdg_near);
        app_C(string, " ");
    }
    if (alt_change) {
        old_alt_des = alt_des;
        app_C(string, hind < alt_des ? "climb and maintain " : "descend and maintain ");
        app_int(string, alt_des);
        app_C(string, " feet ");
    }
    return hdg_change || alt_change || force_message;
}
