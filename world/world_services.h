// What the simulator asks of the world: database, region, scene, traffic.
#pragma once

void init_country_data();
void load_region();
// A flat window of ground at height h whose south-west corner is
// (env.lat_sou, env.lon_wes), at x = 0, z = 0.
void flat_window(float h);
void update_scenery();
void build_apt(int apt_reg, int apt_wrl);
void gen_wx_for_sec(int sector);
void make_a_plane(int t, int initial);
// The approach-light sequencers of the listed airports: reset 1 puts each
// moving light back to its start, else it moves one step.
void move_rabbits(int reset);
