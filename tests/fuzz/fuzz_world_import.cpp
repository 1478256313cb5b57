// The world importer: the input as one of its three source files (JSON when
// it begins with "[", the navaids when its header names a frequency, else
// the runways), the other two holding one plain record each.
#include "fuzz_support.h"

#include "world_data/world_import.h"

#include <filesystem>
#include <fstream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    fuzz_start_run();
    std::string src = fuzz_folder() + "world";
    std::filesystem::create_directories(src);
    std::ofstream(src + "/airports.json")
        << "[{\"ident\":\"KSEA\",\"type\":\"large_airport\",\"name\":\"Seattle\",\"latitude_deg\":\"47.45\","
           "\"longitude_deg\":\"-122.31\",\"elevation_ft\":\"433\",\"gps_code\":\"KSEA\"}]";
    std::ofstream(src + "/runways.csv") << "airport_ident,length_ft,width_ft,le_ident,surface\nKSEA,9000,150,16L,ASP\n";
    std::ofstream(src + "/navaids.csv") << "ident,name,type,frequency_khz,latitude_deg,longitude_deg\n"
                                           "SEA,Seattle,VORTAC,116800,47.43,-122.30\n";
    std::string head((const char*)data, size < 200 ? size : 200);
    head = head.substr(0, head.find('\n'));
    const char* name = data[0] == '[' ? "world/airports.json"
                       : head.find("frequency") != std::string::npos ? "world/navaids.csv"
                                                                       : "world/runways.csv";
    fuzz_put(name, data, size);
    import_counts counts{};
    fuzz_read([&] { import_world(src.c_str(), nullptr, fuzz_folder().c_str(), &counts); });
    return 0;
}
