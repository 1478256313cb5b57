// The header check and the generic scanners over a text or (first byte "i"
// or "a") binary file: every scanner in turn until one refuses.
#include "fuzz_support.h"

#include "toolkit/HL_FILE.h"
#include "toolkit/HL_TYPES.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    fuzz_start_run();
    int binary = data[0] == 'i' || data[0] == 'a';
    std::string path = fuzz_put("Fuzz.txt", data, size);
    fuzz_read([&] {
        if (!inf_open(path.c_str(), binary ? 203 : 206, binary ? 46 : 354, 1)) return;
        char text[40];
        for (int k = 0; k < 200; ++k) {
            switch (k % 8) {
            case 0: intscan("fuzz"); break;
            case 1: fltscan("fuzz"); break;
            case 2: intscanNOSN("fuzz"); break;
            case 3: fltscanNOSN("fuzz"); break;
            case 4: bolscan("fuzz"); break;
            case 5: wrdscan(text, "fuzz", 8); break;
            case 6: strscan(text, "fuzz", 40); break;
            default: rln("fuzz"); break;
            }
        }
    });
    return 0;
}
