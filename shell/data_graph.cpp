// Stand-in until the data graph lands: nothing is sampled.
#include "data_graph.h"

void update_graph()
{
}

void clear_graph()
{
}

void manage_grf()
{
}
