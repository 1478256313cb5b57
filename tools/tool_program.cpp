#include "tool_program.h"

#include "toolkit/HL_MNW.h"
#include "toolkit/HL_TEXTURE.h"
#include "toolkit/HL_TYPES.h"

int tool_run()
{
    done_initing = 1;
    MACIBM_startwind(0);
    while (!gdone) MACIBM_event_proc();
    MACIBM_finishup();
    return 0;
}

void tool_startwind(int index, float dx, float dy, const char* backdrop, int backdrop_optional)
{
    const char* title = "";
    toolkit_window(index, &title, &dx, &dy);
    open_window_begin(index, dx, dy);
    if (index == 0) {
        draw_menu_bar();
        if (!done_initing) {
            if (texbmp_exists(BMP_TO_CANVAS, 0, startup_picture)) OGL_texbmp(BMP_TO_CANVAS, 0, 0, startup_picture);
            MACIBM_showinit(0);
        } else if (!backdrop_optional || texbmp_exists(BMP_TO_CANVAS, 0, backdrop)) {
            // A missing picture is fatal ("Can't open bitmap!").
            OGL_texbmp(BMP_TO_CANVAS, 0, 0, backdrop);
        }
        MACIBM_draw_menubar();
    } else {
        draw_window_frame(title, dx, dy, index != 996 && index != 997 && index != 998);
        draw_toolkit_window(index);
    }
    open_window_end();
}
