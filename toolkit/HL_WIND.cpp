// Alerts. First cut: a system message box before the GL window exists; once
// it does, the lines go to stderr and "Error.out" until the in-window alert lands.
#include "HL_MNW.h"

#include "HL_FUNCT.h"

#include <cstdio>
#include <cstdlib>

void MACIBM_alert(const char* C_string1, const char* C_string2, const char* C_string3, const char* C_string4, int type)
{
    copy_bounded(g_cs1, C_string1, 400);
    copy_bounded(g_cs2, C_string2, 400);
    copy_bounded(g_cs3, C_string3, 400);
    if (type == ALERT_NUMBER) {
        int_to_str(C_string4 ? *(const int*)C_string4 : 0, g_cs4);
        type = ALERT_FATAL;
    } else {
        copy_bounded(g_cs4, C_string4, 400);
    }
    static char text[1700];
    snprintf(text, sizeof text, "%s\n\n%s\n\n%s\n\n%s", g_cs1, g_cs2, g_cs3, g_cs4);
    if (!ogl_ready) {
        plat_beep();
        plat_message_box("Omnivar Message", text);
    } else {
        fprintf(stderr, "Omnivar Message: %s\n", text);
    }
    if (err.is_open()) err << text << "\n";
    if (type == ALERT_FATAL) {
        gdone = 1;
        MACIBM_finishup();
        // A fatal alert is a failure, whatever the original exit code said.
        exit(1);
    }
}

int MACIBM_nuke_alert(const char*)
{
    return 3;
}
