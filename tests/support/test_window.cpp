#include "test_window.h"

#include "platform/window.h"
#include "toolkit/HL_MNW.h"

void open_test_window()
{
    static bool started = false;
    if (started) return;
    plat_set_message_box_handler([](const char*, const char*) {});
    MACIBM_init();
    started = true;
}
