// The airfoil editor's callbacks, menus and window opener.
#include "sectra_app.h"

#include "airfoil_model.h"
#include "edit_screen.h"
#include "part_flow.h"
#include "tools/tool_program.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TYPES.h"

namespace sectra {

const char* backdrop_name()
{
    return msc.device == DEVICE_FLAP ? "FLP" : "AFL";
}

int sectra_main()
{
    MACIBM_init();
    for (int i = 0; i < 121; ++i) MACIBM_showinit(1);
    reset_to_default(DEVICE_AIRFOIL);
    return tool_run();
}

} // namespace sectra

using namespace sectra;

void APPLICATION_setupmenus()
{
    MACIBM_create_menu(0, -1, "About");
    MACIBM_append_menu(0, 0, "About", "Check on the version number.");
    MACIBM_create_menu(1, -1, "File");
    MACIBM_append_menu(1, 100, "New", "Create a new airfoil or flap.");
    MACIBM_append_menu(1, 101, "Open", "Open an airfoil or flap.");
    MACIBM_append_menu(1, 102, "Save", "Save an airfoil or flap under it's current file name.");
    MACIBM_append_menu(1, 103, "Save As", "Save an airfoil or flap uner a new file name");
    MACIBM_append_menu(1, 104, "-", "");
    MACIBM_append_menu(1, 105, "Quit", "Quit Sectra.");
    MACIBM_create_menu(2, -1, "Part");
    MACIBM_append_menu(2, 200, "Airfoil", "Create or edit an airfoil.");
    MACIBM_append_menu(2, 201, "Flap", "Create or edit a flap.");
    MACIBM_create_menu(3, -1, "View");
    MACIBM_append_menu(3, 300, "Cl Cd Cm VS. Alpha", "View with alpha on the X-axis.");
    MACIBM_append_menu(3, 301, "Cd Cm VS. Cl", "View with Cl on the X-axis.");
}

void APPLICATION_update()
{
    edit_screen();
}

void APPLICATION_handlekey(char) {}

void APPLICATION_handlemenu(int choice)
{
    switch (choice) {
    case 0: MACIBM_alert("", "", "", "", ALERT_ABOUT); break;
    case 100: donewdeal(DO_NEW, msc.device); break;
    case 101: donewdeal(DO_OPEN, msc.device); break;
    case 102: saveproc(); break;
    case 103: saveasproc(); break;
    case 105: donewdeal(DO_QUIT, msc.device); break;
    case 200:
    case 201: donewdeal(DO_SWITCH, choice); break;
    case 300:
    case 301: msc.view = choice; break;
    default: break;
    }
}

void process_zap(int) {}

// Closing the window from the desktop is Quit, with its save question.
void program_window_closed()
{
    donewdeal(DO_QUIT, msc.device);
}

void MACIBM_startwind(int index)
{
    tool_startwind(index, 800, 600, backdrop_name(), 0);
}
