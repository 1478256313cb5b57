// The editor's file flow. It holds exactly one part; nothing is dropped
// while it carries changes that did not reach a file.
#include "part_flow.h"

#include "airfoil_files.h"
#include "airfoil_model.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"

namespace sectra {

int (*ask_save_changes)(const char* name) = MACIBM_nuke_alert;
int (*choose_open_file)(int file_type, char* file, char* path) = MACIBM_open;
int (*choose_save_file)(int file_type, char* file, char* path) = MACIBM_save;

int saveasproc()
{
    if (!choose_save_file(msc.device, msc.C_file, msc.C_path)) return 0;
    msc.haveaname = 1;
    return writeoutpart();
}

int saveproc()
{
    return msc.haveaname ? writeoutpart() : saveasproc();
}

void dothing(int request, int newdevice)
{
    switch (request) {
    case DO_NEW:
    case DO_SWITCH: reset_to_default(newdevice); break;
    case DO_OPEN: {
        // A file that was not read leaves the part under its own name.
        char file[400], path[400];
        copy_bounded(file, msc.C_file, sizeof file);
        copy_bounded(path, msc.C_path, sizeof path);
        if (!choose_open_file(msc.device, msc.C_file, msc.C_path) || !readinpart()) {
            copy_bounded(msc.C_file, file, sizeof msc.C_file);
            copy_bounded(msc.C_path, path, sizeof msc.C_path);
        }
        break;
    }
    case DO_QUIT: gdone = 1; break;
    default: break;
    }
}

void donewdeal(int request, int newdevice)
{
    if (!msc.devicemod) {
        dothing(request, newdevice);
    } else {
        switch (ask_save_changes(msc.C_file)) {
        case 1:
            // A failed save keeps the changes: the action waits for another try.
            if (saveproc()) dothing(request, newdevice);
            break;
        case 2: dothing(request, newdevice); break;
        default: break;
        }
    }
    // The picture follows the device; without a window there is none to show.
    if (ogl_ready && plat_window_exists()) MACIBM_startwind(0);
}

} // namespace sectra
