// The data graph: four graphs of four channels over the last 1800 samples.
#pragma once

#include "flight/data_channels.h"

// Empties the graph's history; the newest-sample index stays.
void clear_graph();
// One point of curve varCTR of graph selectCTR at ring slot timeCTR, joined
// to the curve's previous point when started.
void graph_point(float x, float y, int timeCTR, int varCTR, int selectCTR, int started);
// The four values under the mouse (type 1) or the three scale numbers (type 2).
void plot_grf_numbers(float x, float y, float v1, float v2, float v3, float v4, int index, int type);
// Per-frame handler of the graph window (22).
void manage_grf();
