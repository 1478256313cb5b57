// Serial output read back through a pseudo-terminal pair: GPS sentences
// decoded by gpsd's own decoder, the float and motion-seat records byte by
// byte, the port re-opened on a mode change, failures that turn output off.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <termios.h>
#include <unistd.h>
#include <vector>

#include "records/flight_state.h"
#include "flight/serial_output.h"
#include "platform/serial.h"
#include "platform/window.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "records/world_state.h"

namespace {

std::string last_alert;
void record_alert(const char*, const char* text)
{
    last_alert += text;
    last_alert += "|";
}

class Serial : public testing::Test {
protected:
    int master = -1;
    std::string slave;

    void SetUp() override
    {
        fill_constants();
        std::memset(&flt, 0, sizeof flt);
        std::memset(&msc, 0, sizeof msc);
        std::memset(&set, 0, sizeof set);
        std::memset(&env, 0, sizeof env);
        plat_set_message_box_handler(record_alert);
        last_alert.clear();
        master = posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(master, 0);
        ASSERT_EQ(grantpt(master), 0);
        ASSERT_EQ(unlockpt(master), 0);
        slave = ptsname(master);
        plat_serial_name_port(slave.c_str());
        fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
        // Each test starts from serial output off.
        serial_output();
    }
    void TearDown() override
    {
        set.serout = 0;
        serial_output();
        if (master >= 0) close(master);
        plat_set_message_box_handler(nullptr);
    }
    std::vector<unsigned char> drain()
    {
        std::vector<unsigned char> got;
        unsigned char buf[4096];
        for (int tries = 0; tries < 50; ++tries) {
            ssize_t n = read(master, buf, sizeof buf);
            if (n > 0) {
                got.insert(got.end(), buf, buf + n);
                tries = 0;
            } else {
                usleep(2000);
                if (!got.empty() && tries > 5) break;
            }
        }
        return got;
    }
    // Runs frames of prd seconds of local time from t0 for a span.
    void run(float t0, float span, float prd)
    {
        for (float t = 0; t <= span; t += prd) {
            msc.locl_time = std::fmod(t0 + t, 86400.0f);
            serial_output();
        }
    }
    int slave_speed()
    {
        int fd = open(slave.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        termios t{};
        tcgetattr(fd, &t);
        close(fd);
        speed_t s = cfgetospeed(&t);
        return s == B2400 ? 2400 : s == B4800 ? 4800 : s == B38400 ? 38400 : -1;
    }
};

std::string text_of(const std::vector<unsigned char>& b)
{
    return std::string(b.begin(), b.end());
}

float float_at(const std::vector<unsigned char>& b, int k)
{
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= (uint32_t)b[4 * k + i] << (8 * i);
    float f;
    std::memcpy(&f, &u, 4);
    return f;
}

// What gpsd's decoder makes of the sentences: its "NMEA0183: GGA:" and "NMEA0183: RMC:" data lines.
std::string decoded(const std::string& sentences)
{
    std::string in = testing::TempDir() + "serial_nmea_" + std::to_string(getpid()) + ".txt";
    FILE* f = std::fopen(in.c_str(), "w");
    std::fputs(sentences.c_str(), f);
    std::fclose(f);
    std::string cmd = "gpsdecode -d -D 9 < '" + in + "' 2>&1";
    FILE* p = popen(cmd.c_str(), "r");
    std::string out;
    char line[1024];
    while (p && std::fgets(line, sizeof line, p)) out += line;
    if (p) pclose(p);
    std::remove(in.c_str());
    return out;
}

double field(const std::string& decoded, const std::string& tag, const std::string& name)
{
    size_t at = decoded.find(tag);
    if (at == std::string::npos) return NAN;
    size_t end = decoded.find('\n', at);
    size_t k = decoded.find(" " + name + "=", at);
    if (k == std::string::npos || k > end) return NAN;
    return std::atof(decoded.c_str() + k + name.size() + 2);
}

TEST_F(Serial, GpsSentencesAreReadByARealDecoder)
{
    ASSERT_EQ(std::system("command -v gpsdecode >/dev/null"), 0) << "gpsdecode (gpsd-clients) is needed";
    struct {
        double lat, lon, Y;
        float v_kts, hpath, mvar;
        const char *lat_field, *lon_field;
        double kts_sent;
    } cases[] = {
        {-33.5, -117.25, 1500, 120.5f, 45, -12, "3330.00,S", "11715.00,W", 120.5},
        {47.25, 8.5, -12.3, 1200, 359.96f, 2.5f, "4715.00,N", "00830.00,E", 999.9},
        {0.25, 179.99, 20000, 0, 0, 0, "0015.00,N", "17959.40,E", 0},
    };
    for (const auto& c : cases) {
        flt.lat = (float)c.lat;
        flt.lon = (float)c.lon;
        flt.Y = c.Y;
        flt.v = c.v_kts * con.ktstomsc;
        flt.hpath = c.hpath;
        env.mvar = c.mvar;
        set.serout = 1;
        run(1000, 2.5f, 0.05f);
        std::string got = text_of(drain());
        SCOPED_TRACE(got);
        // One sentence a second, the fix sentence first, then the course sentence.
        std::string kinds;
        for (size_t at = got.find('$'); at != std::string::npos; at = got.find('$', at + 1))
            kinds += got.substr(at + 3, 3) + " ";
        EXPECT_EQ(kinds, "GGA RMC GGA ");
        EXPECT_NE(got.find(std::string(",") + c.lat_field + "," + c.lon_field + ","), std::string::npos);

        std::string d = decoded(got);
        SCOPED_TRACE(d);
        EXPECT_NEAR(field(d, "NMEA0183: GGA:", "lat"), c.lat, 0.006);
        EXPECT_NEAR(field(d, "NMEA0183: GGA:", "lon"), c.lon, 0.006);
        EXPECT_NEAR(field(d, "NMEA0183: GGA:", "altMSL"), c.Y, 0.06);
        EXPECT_NEAR(field(d, "NMEA0183: RMC:", "lat"), c.lat, 0.006);
        EXPECT_NEAR(field(d, "NMEA0183: RMC:", "speed") / con.ktstomsc, c.kts_sent, 0.06);
        EXPECT_NEAR(field(d, "NMEA0183: RMC:", "track"), std::round(c.hpath * 10) / 10, 0.06);
        set.serout = 0;
        serial_output();
    }
    // A sentence with a broken checksum is refused by the same decoder.
    EXPECT_EQ(decoded("$GPGGA,000000.00,3330.00,S,11715.00,W,1,06,0.0,1500.0,M,0.0,M,0.0,0000*00\n").find("NMEA0183: GGA:"),
              std::string::npos);
}

TEST_F(Serial, GpsGoesOnPastMidnightAndAfterTheClockIsSetBack)
{
    set.serout = 1;
    run(86398.2f, 3, 0.1f);  // over midnight
    int over_midnight = 0;
    for (char c : text_of(drain())) over_midnight += c == '$';
    EXPECT_EQ(over_midnight, 4);  // at 86398.2, 86399.3, 0.4 and 1.5
    msc.locl_time = 3600;  // the clock set back
    serial_output();
    EXPECT_EQ(text_of(drain()).find('$'), 0u);
}

TEST_F(Serial, FloatRecordsAndTheMotionSeat)
{
    flt.vind = 150;
    flt.the = 5;
    flt.phi = -10;
    flt.hind = 304.8f;
    flt.vY = 5.08;
    flt.psi = 270;
    set.serout = 2;
    msc.locl_time = 500;
    serial_output();
    std::vector<unsigned char> rec = drain();
    ASSERT_EQ(rec.size(), 36u);
    const unsigned char marker[4] = {0x00, 0xC0, 0x79, 0xC4};  // -999.0 little-endian
    EXPECT_EQ(std::memcmp(rec.data(), marker, 4), 0);
    EXPECT_FLOAT_EQ(float_at(rec, 1), 150);
    EXPECT_FLOAT_EQ(float_at(rec, 3), -10);
    EXPECT_NEAR(float_at(rec, 4), 1000, 0.01);  // feet
    EXPECT_FLOAT_EQ(float_at(rec, 7), 270);
    EXPECT_NEAR(float_at(rec, 8), 1000, 0.1);   // feet per minute
    // Not again within 0.1 s, again after it.
    msc.locl_time = 500.05f;
    serial_output();
    EXPECT_TRUE(drain().empty());
    msc.locl_time = 500.15f;
    serial_output();
    EXPECT_EQ(drain().size(), 36u);

    flt.aY = 3.048f;
    set.serout = 5;
    msc.locl_time = 600;
    serial_output();
    rec = drain();
    ASSERT_EQ(rec.size(), 44u);
    EXPECT_NEAR(float_at(rec, 7), 10, 1e-4);  // m/s² sent as ft/s²

    struct {
        float phi, the;
        unsigned char roll, pitch;
    } seat[] = {{45, 0, 254, 127}, {0, 0, 127, 127}, {-15, 30, 63, 254}, {-90, -45, 0, 0}};
    set.serout = 3;
    for (const auto& s : seat) {
        flt.phi = s.phi;
        flt.the = s.the;
        msc.locl_time += 0.2f;
        serial_output();
        std::vector<unsigned char> b = drain();
        ASSERT_EQ(b.size(), 3u);
        EXPECT_EQ(b[0], 'P');
        EXPECT_EQ(b[1], s.roll) << s.phi;
        EXPECT_EQ(b[2], s.pitch) << s.the;
    }
}

TEST_F(Serial, AModeChangeReopensThePortAtItsSpeed)
{
    set.serout = 3;
    serial_output();
    EXPECT_EQ(slave_speed(), 2400);
    set.serout = 1;
    serial_output();
    EXPECT_EQ(slave_speed(), 4800);
    set.serout = 2;
    serial_output();
    EXPECT_EQ(slave_speed(), 38400);
    drain();
    set.serout = 4;
    msc.locl_time = 10;
    serial_output();
    EXPECT_EQ(slave_speed(), 38400);
    EXPECT_EQ(drain().size(), 40u);
    set.serout = 0;
    serial_output();
    EXPECT_FALSE(plat_serial_is_open());
    EXPECT_TRUE(last_alert.empty()) << last_alert;
}

TEST_F(Serial, FailuresGiveANoticeAndTurnOutputOff)
{
    plat_serial_name_port("/nonexistent/ttyS0");
    set.serout = 1;
    serial_output();
    EXPECT_NE(last_alert.find("Serial port error:"), std::string::npos) << last_alert;
    EXPECT_NE(last_alert.find("No such port"), std::string::npos);
    EXPECT_EQ(set.serout, 0);
    EXPECT_FALSE(plat_serial_is_open());

    // A port that is not a serial line cannot be set.
    plat_serial_name_port("/dev/null");
    last_alert.clear();
    set.serout = 2;
    serial_output();
    EXPECT_NE(last_alert.find("Hardware error"), std::string::npos) << last_alert;
    EXPECT_EQ(set.serout, 0);

    // Nobody reads: once the line is full the write comes up short, which
    // is a notice and the end of serial output, not of the program.
    plat_serial_name_port(slave.c_str());
    last_alert.clear();
    set.serout = 5;
    for (int k = 0; k < 20000 && set.serout == 5; ++k) {
        msc.locl_time = 0.2f * (k % 400000);
        serial_output();
    }
    EXPECT_EQ(set.serout, 0);
    EXPECT_NE(last_alert.find("Could not output serial port data!"), std::string::npos) << last_alert;
    EXPECT_FALSE(plat_serial_is_open());
}

} // namespace
