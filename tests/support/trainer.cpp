#include "trainer.h"

#include "records/cockpit_state.h"
#include "flight/INITPLN.h"
#include "records/flight_state.h"
#include "shell/INITGEN.h"
#include "toolkit/HL_TYPES.h"
#include "toolkit/plane_record.h"
#include "records/world_state.h"

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
