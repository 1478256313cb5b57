// New, Open, Save and Save As with the save-changes guard.
#include "editor.h"

#include "default_plane.h"
#include "fabrex_records.h"
#include "prop_design.h"
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/plane_file.h"
#include "toolkit/plane_ranges.h"
#include "toolkit/plane_record.h"

#include <cstring>

namespace fabrex {

int do_new_thing()
{
    if (!msc.planemod) return 1;
    switch (MACIBM_nuke_alert(pln.C_file)) {
    case 1: return writeout(0);
    case 2: return 1;
    default: return 0;
    }
}

int writeout(int save_as)
{
    if (!msc.planenamed || save_as) {
        if (!MACIBM_save(203, pln.C_file, pln.C_path)) return 0;
        msc.planenamed = 1;
    }
    int n = (int)strlen(pln.C_file);
    copy_bounded(pln.C_name, pln.C_file, n > 4 ? n - 4 + 1 : 1);
    // A file that could not be written is not saved: the aircraft stays
    // modified and whatever waited on the save does not run.
    return write_plane_file(pln.C_path);
}

void openplane()
{
    char file[400], path[400];
    copy_bounded(file, pln.C_file, 400);
    copy_bounded(path, pln.C_path, 400);
    if (!MACIBM_open(203, file, path)) return;
    open_plane_file(file, path);
}

int open_plane_file(const char* file, const char* path)
{
    // read_plane_file reads into a scratch record first and reports a short
    // or damaged file itself; the aircraft being edited stays as it was.
    static planestruct edited;
    edited = pln;
    int read = read_plane_file(file, path);
    if (read == 0) {
        MACIBM_alert("I am unable to open the airplane! Sorry!!!", "I am trying to open:", file,
                     "The actual file-opening has failed. inf_open failed after string selected!", ALERT_FATAL);
        return 0;
    }
    if (read < 0) return 0;
    // The editor draws only what the simulator would load.
    if (const char* why = plane_range_fault()) {
        pln = edited;
        MACIBM_alert("This aircraft has an unflyable design!", why,
                     "Fabrex cannot open it: the aircraft being edited stays as it was.", path, ALERT_NOTICE);
        return 0;
    }
    for (int p = 0; p <= 17; ++p) {
        assign_foil_thickness(pln.Rafl0[p], p, 0);
        assign_foil_thickness(pln.Tafl0[p], p, 1);
    }
    load_plane_geo(1, 0);
    remember_engine_type();
    msc.planemod = 0;
    msc.planenamed = 1;
    return 1;
}

} // namespace fabrex
