// Airport and navaid record lines, one after another, read softly (as the
// editors read them) until the end mark or the first damage.
#include "fuzz_support.h"

#include "toolkit/HL_FILE.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/nav_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz_start_run();
    std::string path = fuzz_put("Fuzz.dat", data, size);
    inf1.open(path, std::ios::in | std::ios::binary);
    inf_is_bin = 0;
    x_eln = '\n';
    scan_soft = 1;
    fuzz_read([] {
        for (int n = 0; n < 1000 && !scan_failed; ++n) {
            int kind = intscanNOSN("Fuzz.dat");
            if (scan_failed || kind == 99) break;
            float lat[3], lon[3], h;
            int num[3], hdng[3], len[3], width[3], lite[3], twr, f12, nav_hdng;
            char lr[3], id[5], name[40];
            if (kind == 1)
                scan_apt_line(lat, lon, num, lr, hdng, len, width, lite, &h, &twr, id, name);
            else
                scan_nav_line(kind, lat, lon, &h, &f12, &nav_hdng, id, name);
        }
    });
    scan_soft = 0;
    return 0;
}
