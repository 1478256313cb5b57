#include "ksbd_world.h"

#include "trainer.h"

#include "world/coordinates.h"
#include "records/flight_state.h"
#include "flight/start_placement.h"
#include "platform/window.h"
#include "shell/prefs.h"
#include "records/settings_and_recordings.h"
#include "toolkit/DRPLANE.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TEXTURE.h"
#include "toolkit/HL_TYPES.h"
#include "world/INITNAV.h"
#include "world/world_services.h"
#include "tests/support/scratch_files.h"

#include <cstdlib>
#include <string>
#include <unistd.h>

void start_at_ksbd()
{
    static bool started = false;
    if (started) return;
    started = true;
    std::string dir = "/tmp/ksbd_world_" + std::to_string(getpid());
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    remove_at_exit(dir);
    plat_set_message_box_handler([](const char*, const char*) {});
    MACIBM_init();
    load_bundled_trainer();   // points app_path at the program folder
    load_plane_geo(1, 0);     // the aircraft's shape, as the flight's first tick builds it
    standard_day();
    init_country_data();
    first_run_defaults();   // KSBD and its default weather
    load_region();
    load_scene_textures();
    done_initing = 1;
}

void load_scene_textures()
{
    // The window's own textures (letters, cursor, panel faces) are the
    // toolkit's; these are the ones the flight's reload brings in.
    for (int k = 0; k < texture_table_count; ++k) {
        const texture_entry& t = texture_table[k];
        if (t.number >= 14 && t.number <= 78) OGL_texbmp(TEX_FROM_FOLDER, t.number, t.option, t.name);
    }
}

void park_at_ksbd()
{
    first_run_defaults();
    msc.typestart = 7;
    set_fltvars(9);
    // the flight step keeps these; paused, it does not run
    flt.lat = lat_with_z((float)flt.Z);
    flt.lon = lon_with_xz((float)flt.X, (float)flt.Z);
    msc.paused = 1;
    mnw.topwin = 0;
    set.view_type = 500;
    set.view_is_fullscreen = 0;
    set.replay_mode = 0;
}
