// The data graph: four graphs of four channels over the last 1800 samples.
#pragma once

// One sample of the chosen channels; once a flight step while graph output is on.
void update_graph();
// Data channels: values and labels of channel index to destination type
// (6 the data file, 7 the graph, 8 the cockpit read-out).
void out_dat(int type, int index, int misc_dat);
void out_label(int type, int index, int misc_dat);
// Empties the graph's history.
void clear_graph();
// Per-frame handler of the graph window (22).
void manage_grf();
