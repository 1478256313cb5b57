// The flight-plan window (25): rules, pilot's title, departure, arrival and
// cruise altitude. The plan is filed when the window closes.
#include "settings_windows.h"

#include "records/cockpit_state.h"
#include "toolkit/HL_BTN.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TEXT.h"
#include "toolkit/plane_record.h"

namespace {
// Check boxes of which at most one is set: ticking one clears the others.
void one_of(int** boxes, const float (*xy)[2], const char* const* helps, int n)
{
    for (int k = 0; k < n; ++k)
        if (inboolbtn(xy[k][0], xy[k][1], boxes[k], helps[k]) && *boxes[k])
            for (int o = 0; o < n; ++o)
                if (o != k) *boxes[o] = 0;
}
} // namespace

void manage_pln()
{
    OGL_string(22, 79, 370, pln.tailnum, 999, 6);
    OGL_string(22, 159, 370, pln.C_name, 999, 6);

    int* rules[3] = {&fpl.ifr, &fpl.vfr, &fpl.dvfr};
    static const float rules_xy[3][2] = {{10, 385}, {10, 368}, {10, 351}};
    static const char* const rules_help[3] = {
        "You have to have an instrument rating to file an IFR (Instrument Flight Rules) plan. Expect controllers "
        "to stay with you throughout the flight if you file this type of plan, and happily clear you for instrument "
        "approaches if the weather is crummy.",
        "Any pilot may file this type of plan. Controllers will only offer you visual approaches on this type of "
        "plan. Expect controllers get worried if you request an instrument approach.",
        ""};
    one_of(rules, rules_xy, rules_help, 3);

    int* titles[2] = {&fpl.mr, &fpl.mrs};
    static const float titles_xy[2][2] = {{278, 105}, {322, 105}};
    static const char* const title_help =
        "Enter your name and address on flight plan forms to allow you to be contacted if needed... this could "
        "occurr if a you commit a violation or you forget to close your flight-plan if you land out of ATC "
        "coverage.";
    static const char* const titles_help[2] = {title_help, title_help};
    one_of(titles, titles_xy, titles_help, 2);

    in4charbtn(47, 354, 366, fpl.dep_id_str);
    in4charbtn(47, 25, 160, fpl.arr_id_str);
    float alt = (float)fpl.cruise_alt;
    if (instdbtn(47, 527, 366, &alt, 5, 0, 0,
                 "ATC will expect you to maintain this altitude unless you amend your flight plan enroute."))
        fpl.cruise_alt = round(alt);
}
