// Loading and saving the square being edited.
#include "terrain_square.h"

#include "gelvani_records.h"

#include "toolkit/HL_FILE.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/codes.h"
#include "toolkit/env_file.h"

#include <cstdio>
#include <cstring>

namespace gelvani {

namespace {
int whole_lat()
{
    return (int)msc.map_latfile;
}

int whole_lon()
{
    return (int)msc.map_lonfile;
}

int inside_square(float lat, float lon)
{
    return lon >= msc.map_lonfile && lon <= msc.map_lonfile + 1 && lat >= msc.map_latfile &&
           lat <= msc.map_latfile + 1;
}

void nav_data_path(const char* name, char* path)
{
    snprintf(path, 400, "%s", name);
    ap_dir("additional nav data", path);
}

void read_coastline()
{
    msc.map_coast_i = 0;
    memset(coast_lat, 0, sizeof coast_lat);
    memset(coast_lon, 0, sizeof coast_lon);
    char path[400];
    coast_path(path);
    if (!inf_open(path, 206, 1, 0)) {
        inf1.close();
        inf1.clear();
        return;
    }
    // A value that is not a number, or the end of the file, ends the list.
    int saved_soft = scan_soft, saved_use = inf_use;
    scan_soft = 1;
    scan_failed = 0;
    inf_use = 1;
    for (;;) {
        float lat = fltscanNOSN(path);
        float lon = fltscanNOSN(path);
        if (scan_failed) break;
        if (!inside_square(lat, lon)) continue;
        if (msc.map_coast_i >= COAST_MAX) {
            MACIBM_alert("Too many coastline points!", path, "Only the first 3000 points inside the square are shown.",
                         "", ALERT_NOTICE);
            break;
        }
        coast_lat[msc.map_coast_i] = lat;
        coast_lon[msc.map_coast_i] = lon;
        ++msc.map_coast_i;
    }
    inf1.close();
    inf1.clear();
    scan_soft = saved_soft;
    scan_failed = 0;
    inf_use = saved_use;
}

void damaged(const char* path, const char* what)
{
    flat_sea();
    clear_obstacles();
    MACIBM_alert(what, path, "The square is shown as a flat sea.", "", ALERT_NOTICE);
}
} // namespace

void flat_sea()
{
    for (int i = 0; i < GRID_I; ++i)
        for (int j = 0; j < GRID_J; ++j) {
            planelon[i][j] = msc.map_lonfile + (float)i / 59.0f;
            planelat[i][j] = msc.map_latfile + (float)j / 79.0f;
            planez[i][j] = 0;
            on_water[i][j] = 1;
        }
}

void clear_obstacles()
{
    for (int k = 0; k < OBJ_SLOTS; ++k) {
        obj_type[k] = 0;
        obj_lat[k] = obj_lon[k] = 0;
        obj_hddz[k] = 100;
        memset(obj_name[k], 0, NAME_DIM);
        strcpy(obj_name[k], "?");
    }
}

void square_path(char* path)
{
    char name[32];
    return_latlon_str_ENV(whole_lat(), whole_lon(), name, 1);
    nav_data_path(name, path);
}

void coast_path(char* path)
{
    char name[16];
    return_latlon_str_COAST(msc.map_latfile, msc.map_lonfile, name);
    char rel[32];
    snprintf(rel, sizeof rel, "coastlines/%s", name);
    nav_data_path(rel, path);
}

void read_terrain()
{
    // No obstacle of an earlier square carries over.
    clear_obstacles();
    char path[400];
    square_path(path);
    // A damaged square must not end the editor with its unsaved tables.
    int saved_soft = scan_soft;
    scan_soft = 1;
    scan_failed = 0;
    if (!env_open(path)) {
        flat_sea();
    } else {
        static env_grid grid;
        env_read_grid(&grid, path);
        int good = !scan_failed;
        for (int i = 0; i < GRID_I && good; ++i)
            for (int j = 0; j < GRID_J; ++j) {
                planelat[i][j] = grid.lat[i][j];
                planelon[i][j] = grid.lon[i][j];
                planez[i][j] = grid.elev[i][j];
                on_water[i][j] = env_is_water(grid.flags[i][j]);
            }
        int slot = 0, type = 0, outside = 0;
        while (good) {
            env_obstacle o{};
            type = env_read_obstacle(&o, path);
            if (scan_failed) good = 0;
            else if (type == 99) {
                // The end mark stays in its slot; no tool takes it for an obstacle.
                if (slot < OBJ_SLOTS) obj_type[slot] = type;
                break;
            } else if (!((type >= 1 && type <= 6) || type == 8) || slot >= OBJ_SLOTS) {
                break;
            } else if (!inside_square(o.lat, o.lon)) {
                // The save keeps only what stands in the square.
                ++outside;
            } else {
                obj_type[slot] = type;
                obj_lat[slot] = o.lat;
                obj_lon[slot] = o.lon;
                obj_hddz[slot] = o.hddz;
                if (type == 8) memcpy(obj_name[slot], o.name, NAME_DIM);
                ++slot;
            }
        }
        env_close();
        if (!good) damaged(path, "This terrain file is damaged: it ends too early!");
        else if (type != 99 && slot >= OBJ_SLOTS)
            MACIBM_alert("This terrain file holds more than 60000 obstacles!", path,
                         "Only the first 60000 are loaded.", "", ALERT_NOTICE);
        else if (type != 99)
            MACIBM_alert("This terrain file holds an obstacle of unknown type!", path,
                         "The obstacles after it are not loaded.", "", ALERT_NOTICE);
        if (good && outside > 0) {
            char line[120];
            snprintf(line, sizeof line, "%d obstacles lying outside the square were left out.", outside);
            MACIBM_alert("Some obstacles of this terrain file were not loaded:", path, line, "", ALERT_NOTICE);
        }
    }
    scan_soft = saved_soft;
    scan_failed = 0;
    read_coastline();
    msc.map_zoom = 1;
    msc.map_os_lat = msc.map_os_lon = 0;
    msc.map_dirty = 0;
    msc.obj_index = 0;
}

int write_terrain()
{
    static env_grid grid;
    static env_obstacle obs[OBJ_SLOTS];
    for (int i = 0; i < GRID_I; ++i)
        for (int j = 0; j < GRID_J; ++j) {
            grid.lat[i][j] = planelat[i][j];
            grid.lon[i][j] = planelon[i][j];
            grid.elev[i][j] = planez[i][j];
            grid.flags[i][j] = on_water[i][j] ? ENV_WATER_FLAGS : 0;
        }
    for (int k = 0; k < OBJ_SLOTS; ++k) {
        obs[k].type = obj_type[k];
        obs[k].lat = obj_lat[k];
        obs[k].lon = obj_lon[k];
        obs[k].hddz = obj_hddz[k];
        memcpy(obs[k].name, obj_name[k], NAME_DIM);
    }
    char path[400];
    square_path(path);
    if (!env_write(path, &grid, obs, OBJ_SLOTS, whole_lat(), whole_lon())) return 0;
    msc.map_dirty = 0;
    return 1;
}

} // namespace gelvani
