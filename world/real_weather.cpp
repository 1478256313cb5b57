// The nearest in-region station's report in "WORLD.RWK".
#include "real_weather.h"

#include "INITNAV.h"
#include "records/world_state.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/weather_reports.h"

#include <cstring>

namespace {

// One line of inf1 without its end (CR, LF or CRLF), at most keep characters
// kept; 0 at the end of the file with nothing read.
int read_line(char* line, int keep)
{
    int n = 0, got = 0;
    for (;;) {
        int c = inf1.get();
        if (c == EOF) break;
        got = 1;
        if (c == '\n') break;
        if (c == '\r') {
            if (inf1.peek() == '\n') inf1.get();
            break;
        }
        if (n < keep) line[n++] = (char)c;
    }
    line[n] = 0;
    return got;
}

int inreg_apt[APT_CAP];

} // namespace

int get_wxr_str(char* wxr_str, float* z_report, float lat, float lon)
{
    // The region's airports once, rather than the whole database per line.
    int n_inreg = 0;
    int last = intlim(env.aptmax, -1, APT_CAP - 1);
    for (int a = 0; a <= last; ++a)
        if (apt_inreg[a]) inreg_apt[n_inreg++] = a;

    static char line[5 + WXR_LINE_KEEP + 1];
    float best = 9999;
    int found = 0;
    while (read_line(line, 5 + WXR_LINE_KEEP)) {
        if (strlen(line) < 4) continue;
        for (int k = 0; k < n_inreg; ++k) {
            int a = inreg_apt[k];
            if (memcmp(apt_id[a], line, 4) != 0) continue;
            float d = pythag(lat - apt_lat[a][0], lon - apt_lon[a][0]);
            if (d < best) {
                best = d;
                *z_report = apt_h[a];
                copy_bounded(wxr_str, strlen(line) > 5 ? line + 5 : "", WXR_LINE_KEEP + 1);
                found = 1;
            }
        }
    }
    return found;
}
