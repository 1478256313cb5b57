#include "briefing.h"
#include "nimbrel_fixture.h"
#include "toolkit/plane_record.h"

#include <gtest/gtest.h>

using namespace nimbrel;

namespace {

// One station with nothing reported, at index i.
void blank_station(int i, const char* name)
{
    decode_station("", i);
    strcpy(wxr_name[i], name);
}

std::string field(int i, int rnd)
{
    char s[BRIEF_DIM] = "";
    spit_a_field(s, i, rnd);
    return s;
}

} // namespace

TEST(NimbrelBriefing, RequestWithoutCruiseSpeedAndWithAnEstimate)
{
    west_coast_airports();
    strcpy(pln.tailnum, "N1234");
    strcpy(pln.C_file, "Trainer.acf");
    bri = {0, 1, 5000, 0, 1205};
    char req[BRIEF_DIM];
    build_request(req);
    EXPECT_STREQ(req, "Hello, this is N1234, a Trainer, planning a flight from Los Angeles Intl to San Francisco "
                      "Intl. Estimated time of departure will be 1205 zulu, at 5000 feet, and requesting a standard.");
    // 60 * sqrt(3.68^2 + 3.96^2) = 324.3 nm at 120 kt: 2.70 + 0.6 h.
    bri.Vcruise = 120;
    build_request(req);
    EXPECT_NE(std::string(req).find("zulu, estimating 3.3 hours enroute at 5000 feet"), std::string::npos) << req;
    // A name too long for the paragraph is cut, the paragraph still ends.
    memset(pln.C_file, 'A', 390);
    pln.C_file[390] = 0;
    build_request(req);
    EXPECT_LT(strlen(req), (size_t)BRIEF_DIM);
    EXPECT_NE(std::string(req).find("requesting a standard."), std::string::npos);
}

TEST(NimbrelBriefing, StationSentences)
{
    west_coast_airports();
    blank_station(0, "Nowhere Field");
    EXPECT_EQ(field(0, 1), "Nowhere Field is not reporting sky conditions right now, visibility not reported. Ah, "
                           "Now for the winds... barometric pressure not reported.");
    EXPECT_EQ(field(0, 7), "Nowhere Field is not reporting sky conditions right now, visibility not reported. "
                           "barometric pressure not reported.");

    struct {
        const char* report;
        const char* expected;
    } cases[] = {
        {"SA 1156 CLR 10 61/50/2719/992",
         "at 1156 zulu, San Francisco Intl is reporting clear skies, visibility 10 miles. Temperature 61, dewpoint "
         "50. Wind 270 at 19, barometric pressure 2992. "},
        {"SA 1156 CLR 5 61/50/2706/992",
         "at 1156 zulu, San Francisco Intl is reporting clear skies, visibility 5 miles in haze. Temperature 61, "
         "dewpoint 50. Wind light and variable, barometric pressure 2992. "},
        {"SA 1156 CLR 10 61/50/2763G70/992",
         "at 1156 zulu, San Francisco Intl is reporting clear skies, visibility 10 miles. Temperature 61, dewpoint "
         "50. Wind 270 at 63 gust 70, barometric pressure 2992. "},
    };
    for (auto& c : cases) {
        decode_station(c.report, 1);
        strcpy(wxr_name[1], "San Francisco Intl");
        EXPECT_EQ(field(1, 9), c.expected);
    }
    // 10 m/s from 270 is 19 kt.
    wxr_wnd_spd[1] = 10;
    wxr_wnd_gus[1] = 0;
    EXPECT_NE(field(1, 9).find("Wind 270 at 19, "), std::string::npos);
}

TEST(NimbrelBriefing, DestinationSlotsCascadeInTableOrder)
{
    west_coast_airports();
    // Destination KSFO; distances fall along the table then rise.
    const float lat[5] = {33.94f, 37.36f, 37.72f, 37.62f, 36.0f};
    wxr_apt_max = 5;
    for (int i = 0; i < 5; ++i) {
        blank_station(i, "S");
        wxr_lat[i] = lat[i];
        wxr_lon[i] = -122.37f;
    }
    bri.dep = 0;
    bri.arr = 1;
    int d, a1, a2, a3;
    select_stations(&d, &a1, &a2, &a3);
    EXPECT_EQ(d, 0);    // nearest the departure
    EXPECT_EQ(a1, 3);   // each new nearest took slot 1 and passed nothing down
    EXPECT_EQ(a2, 4);
    EXPECT_EQ(a3, 0);   // never filled: the first station
}

TEST(NimbrelBriefing, NoStationsOrAirportsSayNoReports)
{
    west_coast_airports();
    wxr_apt_max = 0;
    apt_apt_max = 0;
    bri.dep = 7;
    bri.arr = 14999;
    char req[BRIEF_DIM], p[4][BRIEF_DIM];
    build_briefing(2, 3, 4, 5, 1, 1, 1, 1, req, p[0], p[1], p[2], p[3]);
    EXPECT_STREQ(p[0], "All right, for your departure, no weather reports are available right now.");
    EXPECT_STREQ(p[3], "Let's also look at this last one... no weather reports are available right now.");
}
