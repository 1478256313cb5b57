// What the simulator asks of the world: database, region, scene, traffic.
#pragma once

void init_country_data();
void load_region();
void build_apt(int apt_reg, int apt_wrl);
void gen_wx_for_sec(int sector);
void fill_a_sector_with_ocast(int isec, int jsec);
void shift_weather(int i1, int i2, int j1, int j2, int deli, int delj);
void shift_cloud(int i1, int i2, int j1, int j2, int deli, int delj);
void make_a_plane(int t, int initial);
// Fills object slot o: a built-in shape of height hddh, or the custom object
// "name" turned by hddh degrees (type 8).
void make_an_obs(float x, float z, float hddh, const char* name, int type, int o);
// The approach-light sequencers of the listed airports: reset 1 puts each
// moving light back to its start, else it moves one step.
void move_rabbits(int reset);
