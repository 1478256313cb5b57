#include "briefing.h"

#include "nimbrel_records.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"

#include <cmath>
#include <cstring>

namespace nimbrel {

namespace {

void app_int(char* s, int n)
{
    char num[16];
    int_to_str(n, num);
    app_C(s, num);
}

int apt_index(int i)
{
    return intlim(i, 0, apt_apt_max > 0 ? apt_apt_max - 1 : 0);
}

const char* const strength[4] = {"", " in light ", " in moderate ", " in heavy "};

void append_weather(char* s, int kind, int den, float miles)
{
    if (kind >= 1 && kind <= 4 && den >= 1 && den <= 3)
        app_C(s, kind == 1 ? (den == 1 ? " in light " : den == 2 ? " in " : " in severe ") : strength[den]);
    switch (kind) {
    case 1: app_C(s, "thunderstorms. "); break;
    case 2: app_C(s, "rain. "); break;
    case 3: app_C(s, "rain and fog. "); break;
    case 4: app_C(s, "rain showers. "); break;
    default: app_C(s, miles < 7 ? " in haze. " : ". "); break;
    }
}

const char* const openers[4][6] = {
    {"OK then, for your departure, ", "All right, for your departure, ", "OK, for your departure airport, ",
     "Let's see, for your departure area, ", "Stand by, for your departure, ", "Well, for your departure region, "},
    {"For your destination, ah, ", "For your destination, hmmm, ",
     "For your destination, let's see what I can find here, ",
     "For your destination, let's see what we've got here, ", "For your destination, hold on, ",
     "For your destination, well, "},
    {"Also, ", "Also near your destination, ", "Also in your destination area, ", "And also we have, ",
     "Let's also look at this one... ", "Lemme also give you this one... "},
    {"And finally, ", "Lastly, near your destination, ", "Let's get one last one for you here, ",
     "And finally we have, ", "Let's also look at this last one... ", "Lemme also give you this last one... "},
};
const char* const fillers[5] = {"Ah, ", "Let's see, ", "Let's see here, ", "OK... ", "Lemme see here... "};
const char* const wind_fillers[5] = {"Now for the winds... ", "Let's check the winds... ", "OK, ",
                                     "For the winds... ", "Let's see what the wind is doing... "};

void opener(char* s, int which, int r)
{
    copy_bounded(s, openers[which][intlim(r, 1, 6) - 1], BRIEF_DIM);
}

} // namespace

void spit_a_field(char* s, int i, int rnd)
{
    if (wxr_z_time[i] > 0) {
        app_C(s, "at ");
        app_int(s, (int)wxr_z_time[i]);
        app_C(s, " zulu, ");
    }
    app_C(s, wxr_name[i]);
    if (wxr_cld_type[i] == 0) {
        app_C(s, " is reporting clear skies, ");
    } else if (wxr_cld_type[i] == 1) {
        if (wxr_cld_base[i] > 0) {
            app_C(s, " is reporting skies ");
            app_int(s, (int)(wxr_cld_base[i] * con.mtrstoft));
            app_C(s, " overcast, ");
        } else {
            app_C(s, " is reporting overcast skies, ");
        }
    } else {
        app_C(s, " is not reporting sky conditions right now, ");
    }
    if (wxr_vis[i] > 0) {
        float miles = wxr_vis[i] * con.mtrstonm;
        if (miles < 0.3f) app_C(s, "visibility only one-quarter mile");
        else if (miles < 0.6f) app_C(s, "visibility about a half-mile");
        else if (miles < 0.8f) app_C(s, "visibility three-quarters");
        else if (miles < 1.1f) app_C(s, "visibility one mile");
        else {
            app_C(s, "visibility ");
            app_int(s, round(miles));
            app_C(s, " miles");
        }
        append_weather(s, wxr_obs_vis[i], wxr_obs_den[i], miles);
    } else {
        app_C(s, "visibility not reported. ");
    }
    if (rnd >= 1 && rnd <= 5) app_C(s, fillers[rnd - 1]);
    if (wxr_temp[i] > 0 && wxr_dewp[i] > 0) {
        app_C(s, "Temperature ");
        app_int(s, (int)wxr_temp[i]);
        app_C(s, ", dewpoint ");
        app_int(s, (int)wxr_dewp[i]);
        app_C(s, ". ");
    }
    if (rnd >= 1 && rnd <= 5) app_C(s, wind_fillers[rnd - 1]);
    if (wxr_wnd_dir[i] > -1 && wxr_wnd_spd[i] > -1) {
        if (wxr_wnd_spd[i] < 2) app_C(s, "Wind calm, ");
        else if (wxr_wnd_spd[i] < 5) app_C(s, "Wind light and variable, ");
        else {
            app_C(s, "Wind ");
            app_int(s, (int)wxr_wnd_dir[i]);
            app_C(s, " at ");
            // Rounded back to knots: 63 kt stored in m/s reads 63 again.
            app_int(s, round(wxr_wnd_spd[i] * con.msctokts));
            if (wxr_wnd_gus[i] > 0) {
                app_C(s, " gust ");
                app_int(s, round((wxr_wnd_spd[i] + wxr_wnd_gus[i]) * con.msctokts));
            }
            app_C(s, ", ");
        }
    }
    if (wxr_baro[i] > 0) {
        app_C(s, "barometric pressure ");
        app_int(s, round(wxr_baro[i] * 100));
        app_C(s, ". ");
    } else {
        app_C(s, "barometric pressure not reported.");
    }
}

void build_request(char* req)
{
    copy_bounded(req, "Hello, this is ", BRIEF_DIM);
    app_C(req, pln.tailnum);
    app_C(req, ", a ");
    // The aircraft name without its extension, cut so the rest still fits.
    char name[100];
    copy_bounded(name, pln.C_file, sizeof name);
    int n = (int)strlen(pln.C_file) - 4;
    if (n < (int)sizeof name) name[n > 0 ? n : 0] = 0;
    app_C(req, name);
    int d = apt_index(bri.dep), a = apt_index(bri.arr);
    app_C(req, ", planning a flight from ");
    app_C(req, apt_apt_max > 0 ? apt_name[d] : "");
    app_C(req, " to ");
    app_C(req, apt_apt_max > 0 ? apt_name[a] : "");
    app_C(req, ". Estimated time of departure will be ");
    app_int(req, (int)bri.dep_ztime);
    app_C(req, " zulu, ");
    if (bri.Vcruise > 1 && apt_apt_max > 0) {
        float dist = 60 * std::sqrt((apt_lat[a][0] - apt_lat[d][0]) * (apt_lat[a][0] - apt_lat[d][0]) +
                                    (apt_lon[a][0] - apt_lon[d][0]) * (apt_lon[a][0] - apt_lon[d][0]));
        float time = dist / bri.Vcruise + 0.6f;
        int hrs = (int)time;
        int tenths = round((time - hrs) * 10);
        if (tenths == 10) {
            ++hrs;
            tenths = 0;
        }
        app_C(req, "estimating ");
        app_int(req, hrs);
        app_C(req, ".");
        app_int(req, tenths);
        app_C(req, " hours enroute at ");
    } else {
        app_C(req, "at ");
    }
    app_int(req, (int)bri.alt);
    app_C(req, " feet, and requesting a standard.");
}

void select_stations(int* dep, int* arr1, int* arr2, int* arr3)
{
    *dep = *arr1 = *arr2 = *arr3 = 0;
    if (apt_apt_max <= 0) return;
    int d = apt_index(bri.dep), a = apt_index(bri.arr);
    float dmin = 999, m1 = 999, m2 = 999, m3 = 999;
    for (int i = 0; i < wxr_apt_max; ++i) {
        float dd = pythag(wxr_lat[i] - apt_lat[d][0], wxr_lon[i] - apt_lon[d][0]);
        if (dd < dmin) {
            dmin = dd;
            *dep = i;
        }
        float da = pythag(wxr_lat[i] - apt_lat[a][0], wxr_lon[i] - apt_lon[a][0]);
        if (da < m1) {
            m1 = da;
            *arr1 = i;
        } else if (da < m2) {
            m2 = da;
            *arr2 = i;
        } else if (da < m3) {
            m3 = da;
            *arr3 = i;
        }
    }
}

void build_briefing(int r1, int r2, int r3, int r4, int r5, int r6, int r7, int r8, char* req, char* dep1,
                    char* arr1, char* arr2, char* arr3)
{
    build_request(req);
    int sd, s1, s2, s3;
    select_stations(&sd, &s1, &s2, &s3);
    char* para[4] = {dep1, arr1, arr2, arr3};
    int rnd[4] = {r1, r2, r3, r4}, fill[4] = {r5, r6, r7, r8}, st[4] = {sd, s1, s2, s3};
    for (int p = 0; p < 4; ++p) {
        opener(para[p], p, rnd[p]);
        // With no station kept there is no report to read.
        if (wxr_apt_max > 0) spit_a_field(para[p], st[p], fill[p]);
        else app_C(para[p], "no weather reports are available right now.");
    }
}

void gen_rep(int r1, int r2, int r3, int r4, int r5, int r6, int r7, int r8)
{
    static char req[BRIEF_DIM], dep1[BRIEF_DIM], arr1[BRIEF_DIM], arr2[BRIEF_DIM], arr3[BRIEF_DIM];
    build_briefing(r1, r2, r3, r4, r5, r6, r7, r8, req, dep1, arr1, arr2, arr3);
    OGL_string(7, 79, 301, req, 640, 6);
    OGL_string(7, 79, 209, dep1, 640, 6);
    OGL_string(7, 79, 169, arr1, 640, 6);
    OGL_string(7, 79, 129, arr2, 640, 6);
    OGL_string(7, 79, 89, arr3, 640, 6);
}

} // namespace nimbrel
