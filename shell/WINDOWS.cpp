// The simulator's window opener. First cut: the window bookkeeping without
// drawing; the backdrop and the frames come with the drawing layer.
#include "toolkit/HL_FUNCT.h"
#include "toolkit/HL_MNW.h"

namespace {
void window_size(int index, float* dx, float* dy)
{
    switch (index) {
    case 996: *dx = 400; *dy = 195; break;
    case 997: *dx = 300; *dy = 100; break;
    case 998:
    case 999: *dx = 320; *dy = 568; break;
    default: *dx = 800; *dy = 600; break;
    }
}
} // namespace

void MACIBM_startwind(int index)
{
    // A repaint of the open window rebuilds it; nothing closes, no click is lost.
    int repaint = index == mnw.topwin;
    int pending_click = mnw.mouse_clicked;
    if (!repaint && mnw.topwin != 0 && index != 996) process_zap(mnw.topwin);
    window_size(index, &mnw.dx, &mnw.dy);
    mnw.menu_up = -1;
    mnw.topwin = index;
    mnw.x = (float)round((800 - mnw.dx) / 2);
    mnw.y = (float)round((600 - mnw.dy) / 2);
    select_ind = 0;
    to_array = 1;
    got_event = 1;
    mnw.mouse_clicked = repaint ? pending_click : 0;
    if (index == 0 && !done_initing) MACIBM_showinit(0);
    to_array = 0;
}
