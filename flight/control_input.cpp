// Stand-in until control input lands: the controls stay where the start
// placement, the keys and the windows put them.
#include "control_input.h"

void update_controls()
{
}
