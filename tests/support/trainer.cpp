#include "trainer.h"

#include "records/cockpit_state.h"
#include "world/coordinates.h"
#include "flight/INITPLN.h"
#include "records/flight_state.h"
#include "flight/start_placement.h"
#include "shell/INITGEN.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "world/INITNAV.h"
#include "records/world_state.h"
#include "world/world_services.h"
#include <cstring>

int load_bundled_trainer()
{
    static planestruct loaded;
    static float est_Vs;
    static int done = 0;
    if (done) {
        pln = loaded;
        msc.est_Vs = est_Vs;
        return 0;
    }
    copy_bounded(app_path, PROGRAM_DIR "/", 400);
    copy_bounded(pln.C_file, "Trainer.acf", 400);
    copy_bounded(pln.C_path, PROGRAM_DIR "/Aircraft/Trainer.acf", 400);
    load_plane();
    loaded = pln;
    est_Vs = msc.est_Vs;
    done = 1;
    return 1;
}

void standard_day()
{
    init_density_table();
    atm.temp_SL = 59;
    atm.baro = ins.baro = 29.92f;
    atm.vis_mult = 1;
    atm.vis_rep = 7 * con.nmtomtrs;
    msc.locl_time = 43200;
    startup_failures();
}

void startup_failures()
{
    rel.total_fail_entry = 0;
    for (int i = 0; i < 32; ++i) {
        rel.fail_type[i] = 1;
        rel.fail_time_max[i] = 10;
    }
}

int start_at_bundled_runway_of(const char* id, int num, char side, int typestart, int* rway)
{
    init_country_data();   // the trainer's load pointed app_path at the program folder
    int a = -1;
    for (int n = 0; n <= env.aptmax && a < 0; ++n)
        if (strncmp(apt_id[n], id, 4) == 0) a = n;
    if (a < 0) return -1;
    char other = side == 'L' ? 'R' : side == 'R' ? 'L' : side;
    int sel = -1;
    for (int k = 0; k < 3 && sel < 0; ++k) {
        if (apt_len[a][k] < 1) continue;
        if (apt_num[a][k] == num && apt_lr[a][k] == side) sel = 2 * k;
        else if (intwrap(apt_num[a][k] + 18, 1, 36) == num && apt_lr[a][k] == other) sel = 2 * k + 1;
    }
    if (sel < 0) return -1;
    *rway = sel / 2;
    env.lat_sou = round(apt_lat[a][0] - 1);
    env.lon_wes = round(apt_lon[a][0] - 1.5f);
    load_region();
    msc.typestart = typestart;
    msc.loc_apt_wrl = a;
    msc.rway_sel = sel;
    set_fltvars(9);
    // the flight step's own position, for the station search before it runs
    flt.lat = lat_with_z((float)flt.Z);
    flt.lon = lon_with_xz((float)flt.X, (float)flt.Z);
    return a;
}
