// The 50 data channels and their three destinations: 6 the data file
// "Korvan.out", 7 the graph ring grf, 8 the cockpit read-out.
#pragma once

// One sample of the chosen channels; once a flight step while graph output is on.
void update_graph();
// Data channels: values and labels of channel index to destination type
// (6 the data file, 7 the graph, 8 the cockpit read-out).
void out_dat(int type, int index, int misc_dat);
void out_label(int type, int index, int misc_dat);

// Clamps, applies the engine-count rules and writes the four values;
// misc_dat is the graph (7) or the read-out slot (8). -999 is absent.
void sub_out_dat(int type, int index, int misc_dat, float v1, float v2, float v3, float v4);
// Writes the four names and units of a 40-character label row.
void sub_out_label(int type, int misc_dat, const char* row);
// Digits (t) and decimals (d) of the four values of channel en; other
// channel numbers leave them untouched.
void set_dig_dec(int en, int* t1, int* t2, int* t3, int* t4, int* d1, int* d2, int* d3, int* d4);
// The label row of a channel 0..49, else nullptr.
const char* channel_label(int index);
// The channel's label in one line of at most room characters where it can:
// each field's name and unit, or else the names alone. Empty for no channel.
void channel_caption(int index, int room, char* out, int dim);
// One event tick of the data file: a blank line and the label line on every
// tenth tick, then the values of the channels chosen for the file.
void data_file_output();
// The cockpit read-out of the channels chosen for it; every frame of the scene.
void draw_readout();
