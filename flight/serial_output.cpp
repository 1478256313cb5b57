#include "serial_output.h"

#include "records/flight_state.h"
#include "platform/serial.h"
#include "records/settings_and_recordings.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "records/world_state.h"

#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstring>

float serial_dat[20];

namespace {
int mode_in_force = 0;
float last_sentence = 0, last_record = 0;
int fix_next = 1;
char nmea_str[400];

const char* const WRITE_FAILED = "Could not output serial port data!";

void serial_off(const char* line1, const char* line2)
{
    plat_serial_close();
    mode_in_force = set.serout = 0;
    MACIBM_alert(line1, line2, "", "", ALERT_NOTICE);
}

int baud_of(int mode)
{
    static const int baud[6] = {0, 4800, 38400, 2400, 38400, 38400};
    return baud[intlim(mode, 0, 5)];
}

// Opens the port at the mode's speed; 0 (and serial off) when it cannot.
int open_port(int mode)
{
    int code = plat_serial_open();
    if (code < 0) {
        const char* why = code == -2   ? "Already open          "
                          : code == -4 ? "Cannot allocate memory"
                          : code == -10 ? "Hardware error        "
                                        : "No such port          ";
        serial_off("Serial port error:", why);
        return 0;
    }
    code = plat_serial_speed(baud_of(mode));
    if (code < 0) {
        serial_off("Baud-rate error:  ", code == -12 ? "Unsupported baud rate " : "No such port          ");
        return 0;
    }
    return 1;
}

// Due when more than `every` seconds of local time have passed; the local
// clock wraps at midnight and can be set back, and output goes on then too.
int due(float* last, float every)
{
    float d = msc.locl_time - *last;
    if (d <= every && d >= 0) return 0;
    *last = msc.locl_time;
    return 1;
}

// ddmm.hh,H or dddmm.hh,H of an angle, truncated.
int angle_field(char* out, int size, double deg, int deg_digits, char pos, char neg)
{
    double a = std::fabs(deg);
    int whole = (int)a;
    double minutes = (a - whole) * 60;
    int m = (int)minutes;
    int hundredths = (int)((minutes - m) * 100);
    return std::snprintf(out, (size_t)size, "%0*d%02d.%02d,%c", deg_digits, whole, m, hundredths, deg > 0 ? pos : neg);
}

// A tenths value 0..9999 as ddd.d.
int tenths_field(char* out, int size, float v)
{
    int n = intlim(round(v * 10), 0, 9999);
    return std::snprintf(out, (size_t)size, "%03d.%d", n / 10, n % 10);
}

// The NMEA sentence around a body: "$" body "*" checksum, line feed.
void sentence(char* out, int size, const char* body)
{
    unsigned sum = 0;
    for (const char* c = body; *c; ++c) sum ^= (unsigned char)*c;
    std::snprintf(out, (size_t)size, "$%s*%02X\n", body, sum & 0xFF);
}

void send_sentence()
{
    if (fix_next) nmea_fix_sentence(nmea_str, sizeof nmea_str);
    else nmea_course_sentence(nmea_str, sizeof nmea_str);
    fix_next = !fix_next;
    int n = (int)std::strlen(nmea_str);
    if (plat_serial_write((const unsigned char*)nmea_str, n) < n) serial_off(WRITE_FAILED, "");
}

int seat_byte(float deg)
{
    float r = fltlim(deg / 30, -1, 1);
    return (int)std::floor(r * 127 + 127);
}

void send_seat()
{
    unsigned char bytes[3] = {'P', (unsigned char)seat_byte(flt.phi), (unsigned char)seat_byte(flt.the)};
    for (unsigned char b : bytes)
        if (plat_serial_write(&b, 1) != 1) {
            serial_off("Could not output serial port data to Rock-n-Ride!", "");
            return;
        }
}

void send_record(int mode)
{
    float* d = serial_dat;
    int dim = 0;
    d[dim++] = -999.0f;
    if (mode == 2) {
        for (float v : {flt.vind, flt.the, flt.phi, flt.hind * con.mtrstoft, flt.R, flt.Beta, flt.psi,
                        (float)flt.vY * con.msctofpm})
            d[dim++] = v;
    } else if (mode == 4) {
        for (float v : {msc.elap_time, flt.the, flt.psi, flt.phi, flt.lon, flt.lat, (float)flt.X * con.mtrstoft,
                        (float)flt.Y * con.mtrstoft, (float)flt.Z * con.mtrstoft})
            d[dim++] = v;
    } else {
        for (float v : {flt.v * con.msctokts, flt.Alpha, flt.Qdot, flt.Rdot, flt.Pdot, flt.aX * con.mtrstoft,
                        flt.aY * con.mtrstoft, flt.aZ * con.mtrstoft, flt.onground ? 1.0f : 0.0f,
                        (float)msc.key_pressed})
            d[dim++] = v;
    }
    if (!serial_out(dim)) serial_off(WRITE_FAILED, "");
}
} // namespace

void nmea_fix_sentence(char* out, int size)
{
    char lat[32], lon[32], body[200];
    angle_field(lat, sizeof lat, flt.lat, 2, 'N', 'S');
    angle_field(lon, sizeof lon, flt.lon, 3, 'E', 'W');
    double alt = flt.Y;
    if (!(std::fabs(alt) < 999999)) alt = 0;
    std::snprintf(body, sizeof body, "GPGGA,000000.00,%s,%s,1,06,0.0,%.1f,M,0.0,M,0.0,0000", lat, lon, alt);
    sentence(out, size, body);
}

void nmea_course_sentence(char* out, int size)
{
    char lat[32], lon[32], speed[16], course[16], var[16], body[200];
    angle_field(lat, sizeof lat, flt.lat, 2, 'N', 'S');
    angle_field(lon, sizeof lon, flt.lon, 3, 'E', 'W');
    tenths_field(speed, sizeof speed, flt.v * con.msctokts);
    tenths_field(course, sizeof course, flt.hpath);
    tenths_field(var, sizeof var, std::fabs(env.mvar));
    std::snprintf(body, sizeof body, "GPRMC,000000.00,A,%s,%s,%s,%s,000000,%s,%c", lat, lon, speed, course, var,
                  env.mvar > 0 ? 'W' : 'E');
    sentence(out, size, body);
}

int serial_out(int dim)
{
    unsigned char bytes[20 * 4];
    dim = intlim(dim, 0, 20);
    for (int k = 0; k < dim; ++k) {
        // The record is little-endian whatever the machine.
        uint32_t u;
        std::memcpy(&u, &serial_dat[k], 4);
        for (int b = 0; b < 4; ++b) bytes[4 * k + b] = (unsigned char)(u >> (8 * b));
    }
    return plat_serial_write(bytes, 4 * dim) == 4 * dim;
}

void serial_output()
{
    // A mode outside the six (a damaged preferences file) sends nothing.
    int wanted = set.serout >= 1 && set.serout <= 5 ? set.serout : 0;
    if (wanted != mode_in_force) {
        if (mode_in_force != 0) plat_serial_close();
        mode_in_force = wanted;
        if (mode_in_force != 0) {
            fix_next = 1;
            if (!open_port(mode_in_force)) return;
        }
    }
    switch (mode_in_force) {
    case 1:
        if (due(&last_sentence, 1)) send_sentence();
        break;
    case 3:
        if (due(&last_record, 0.1f)) send_seat();
        break;
    case 2:
    case 4:
    case 5:
        if (due(&last_record, 0.1f)) send_record(mode_in_force);
        break;
    default: break;
    }
}
