#include "env_file.h"

#include "HL_FILE.h"
#include "HL_TYPES.h"
#include "codes.h"

#include <cmath>
#include <cstring>

int env_is_water(int flags)
{
    int b1, b2, b4, b8, b16;
    int_to_bol(&b1, &b2, &b4, &b8, &b16, flags);
    return b2 || b4;
}

int env_point_sound(float plat, float plon, float elev, int lat, int lon)
{
    // Written so that NaN fails every comparison.
    return plat >= lat - 0.001f && plat <= lat + 1.001f && plon >= lon - 0.001f && plon <= lon + 1.001f &&
           std::fabs(elev) <= ENV_ELEV_LIMIT;
}

int env_obstacle_sound(const env_obstacle* o, int lat, int lon)
{
    if (!((o->type >= 1 && o->type <= 6) || o->type == 8)) return 1;
    return o->lat >= lat - 1 && o->lat <= lat + 2 && o->lon >= lon - 1 && o->lon <= lon + 2 &&
           std::fabs(o->hddz) <= 1e5f;
}

int env_open(const char* path)
{
    inf_use = 1;
    if (inf_open(path, 204, 3, 0)) return 1;
    if (inf_open(path, 204, 4, 0)) return 1;
    inf1.close();
    inf1.clear();
    return 0;
}

void env_read_grid(env_grid* g, const char* path)
{
    for (int j = 0; j < ENV_ROWS; ++j) {
        for (int i = 0; i < ENV_COLS; ++i) {
            g->lat[i][j] = fltscan(path);
            g->lon[i][j] = fltscan(path);
            g->elev[i][j] = fltscan(path);
            g->flags[i][j] = intscan(path);
        }
    }
}

int env_read_obstacle(env_obstacle* o, const char* path)
{
    o->type = intscan(path);
    if ((o->type >= 1 && o->type <= 6) || o->type == 8) {
        o->lat = fltscan(path);
        o->lon = fltscan(path);
        o->hddz = fltscan(path);
        if (o->type == 8) {
            strscan(o->name, path, 40);
        } else {
            intscan(path);
            intscan(path);
        }
    }
    return o->type;
}

void env_close()
{
    inf1.close();
    inf1.clear();
}

namespace {
// Little-endian, as the header byte "i" says, whatever the machine.
void put4(const void* v)
{
    unsigned int u;
    memcpy(&u, v, 4);
    char b[4] = {(char)(u & 0xFF), (char)((u >> 8) & 0xFF), (char)((u >> 16) & 0xFF), (char)((u >> 24) & 0xFF)};
    ouf.write(b, 4);
}

void put_int(int v)
{
    put4(&v);
}
} // namespace

int env_write(const char* path, const env_grid* g, const env_obstacle* obs, int n_obs, int lat_file, int lon_file)
{
    if (!ouf_open(path, 204, 4)) return 0;
    for (int j = 0; j < ENV_ROWS; ++j) {
        for (int i = 0; i < ENV_COLS; ++i) {
            put4(&g->lat[i][j]);
            put4(&g->lon[i][j]);
            put4(&g->elev[i][j]);
            put_int(env_is_water(g->flags[i][j]) ? ENV_WATER_FLAGS : 0);
        }
    }
    for (int k = 0; k < n_obs; ++k) {
        const env_obstacle& o = obs[k];
        int standard = o.type >= 1 && o.type <= 6;
        if (!standard && o.type != 8) continue;
        // Edges included: an obstacle on a shared edge goes into both squares.
        if (!(o.lon >= lon_file && o.lon <= lon_file + 1 && o.lat >= lat_file && o.lat <= lat_file + 1)) continue;
        put_int(o.type);
        put4(&o.lat);
        put4(&o.lon);
        put4(&o.hddz);
        if (standard) {
            put_int(0);
            put_int(0);
        } else {
            ouf.write(o.name, 40);
        }
    }
    put_int(99);
    return ouf_close();
}
