// The data graph: four graphs of four channels over the last 1800 samples.
#pragma once

// One sample of the chosen channels; once a flight step while graph output is on.
void update_graph();
// Empties the graph's history.
void clear_graph();
// Per-frame handler of the graph window (22).
void manage_grf();
