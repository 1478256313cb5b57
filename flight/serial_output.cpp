// Stand-in until serial output lands: nothing is sent.
#include "serial_output.h"

void serial_output()
{
}
