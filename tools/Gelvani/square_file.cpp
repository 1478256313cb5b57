// Terrain square files: the byte layout, written little-endian whatever the
// machine, read in either byte order through the toolkit's binary scanners.
#include "square_file.h"

#include "toolkit/HL_FILE.h"
#include "toolkit/HL_TYPES.h"

#include <cstring>

namespace gelvani {

namespace {
void put_word(const unsigned char* b)
{
    // Little-endian on disk, as the header byte "i" says.
    unsigned char out[4];
    for (int k = 0; k < 4; ++k) out[k] = b[k];
    const unsigned int probe = 1;
    if (*(const unsigned char*)&probe != 1) rev_byte_order4(out);
    ouf.write((const char*)out, 4);
}

void put_int(int v)
{
    unsigned char b[4];
    memcpy(b, &v, 4);
    put_word(b);
}

void put_float(float v)
{
    unsigned char b[4];
    memcpy(b, &v, 4);
    put_word(b);
}

const char* read_path = "";
int saved_soft = 0;

int ok()
{
    return !scan_failed;
}
} // namespace

int env_write_open(const char* path)
{
    return ouf_open(path, 204, ENV_WRITE_VERSION);
}

void env_write_point(float lat, float lon, float z, int flags)
{
    put_float(lat);
    put_float(lon);
    put_float(z);
    put_int(flags);
}

void env_write_obstacle(int type, float lat, float lon, float hddz, const char* name)
{
    if (!((type >= 1 && type <= 6) || type == 8)) return;
    put_int(type);
    put_float(lat);
    put_float(lon);
    put_float(hddz);
    if (type == 8) {
        char buf[ENV_NAME_BYTES];
        memset(buf, 0, sizeof buf);
        if (name) memcpy(buf, name, strnlen(name, ENV_NAME_BYTES - 1));
        ouf.write(buf, ENV_NAME_BYTES);
    } else {
        put_int(0);
        put_int(0);
    }
}

int env_write_close()
{
    put_int(ENV_END);
    return ouf_close();
}

int env_read_open(const char* path)
{
    read_path = path;
    saved_soft = scan_soft;
    scan_soft = 1;
    scan_failed = 0;
    int saved_use = inf_use;
    inf_use = 1;
    int opened = inf_open(path, 204, 3, 0) || inf_open(path, 204, 4, 0);
    inf_use = saved_use;
    if (!opened) {
        scan_soft = saved_soft;
        scan_failed = 0;
        if (inf1.is_open()) inf1.close();
        inf1.clear();
        return 0;
    }
    return 1;
}

int env_read_point(float* lat, float* lon, float* z, int* flags)
{
    int saved_use = inf_use;
    inf_use = 1;
    *lat = fltscanNOSN(read_path);
    *lon = fltscanNOSN(read_path);
    *z = fltscanNOSN(read_path);
    *flags = intscanNOSN(read_path);
    inf_use = saved_use;
    return ok();
}

int env_read_obstacle(float* lat, float* lon, float* hddz, char* name)
{
    int saved_use = inf_use;
    inf_use = 1;
    int type = intscanNOSN(read_path);
    if (ok() && ((type >= 1 && type <= 6) || type == 8)) {
        *lat = fltscanNOSN(read_path);
        *lon = fltscanNOSN(read_path);
        *hddz = fltscanNOSN(read_path);
        if (type == 8) {
            strscan(name, read_path, ENV_NAME_BYTES);
        } else {
            intscanNOSN(read_path);
            intscanNOSN(read_path);
        }
    }
    inf_use = saved_use;
    return ok() ? type : -1;
}

void env_read_close()
{
    inf1.close();
    inf1.clear();
    scan_soft = saved_soft;
    scan_failed = 0;
}

} // namespace gelvani
