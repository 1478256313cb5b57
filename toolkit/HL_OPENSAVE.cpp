// Stand-in until the file chooser lands: any open chooser closes at once.
#include "HL_MNW.h"

void OPENSAVE_update()
{
    MACIBM_startwind(0);
}
