// What the simulator asks of the world: database, region, scene, traffic.
#pragma once

void init_country_data();
void load_region();
void update_scenery();
void build_apt(int apt_reg, int apt_wrl);
void gen_wx_for_sec(int sector);
void make_a_plane(int t, int initial);
