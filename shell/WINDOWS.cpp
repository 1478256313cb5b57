// The simulator's window opener: every window change of the simulator goes
// through it.
#include "toolkit/HL_GRAPH.h"
#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TEXTURE.h"
#include "settings_windows.h"

void MACIBM_startwind(int index)
{
    const char* title = "";
    float dx = 400, dy = 300;
    if (!settings_window(index, &title, &dx, &dy)) toolkit_window(index, &title, &dx, &dy);
    open_window_begin(index, dx, dy);
    if (index == 0) {
        draw_menu_bar();
        MACIBM_draw_menubar();
    } else {
        draw_window_frame(title, dx, dy, index != 996 && index != 997 && index != 998);
        draw_toolkit_window(index);
    }
    if (index == 0 && !done_initing) {
        // Until the bundled pictures exist, start up without the picture
        // rather than stopping on it.
        if (texbmp_exists(BMP_TO_CANVAS, 0, startup_picture)) OGL_texbmp(BMP_TO_CANVAS, 0, 0, startup_picture);
        MACIBM_showinit(0);
    }
    open_window_end();
}
