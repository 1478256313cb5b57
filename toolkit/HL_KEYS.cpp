// Stand-in until keyboard routing lands: letters and digits reach the program.
#include "HL_MNW.h"

void MACIBM_handlekey(int key)
{
    got_event = 1;
    char c = (char)(key & 255);
    if (c >= 'A' && c <= 'Z' && !plat_shift_down()) c = (char)(c - 'A' + 'a');
    if (mnw.topwin == 0) APPLICATION_handlekey(c);
}
