// Stand-ins for the scenery update, the airports and the weather field until
// their issues land.
#include "world_services.h"

void update_scenery()
{
}

void build_apt(int, int)
{
}

void gen_wx_for_sec(int)
{
}

void fill_a_sector_with_ocast(int, int)
{
}

void shift_weather(int, int, int, int, int, int)
{
}

void shift_cloud(int, int, int, int, int, int)
{
}
