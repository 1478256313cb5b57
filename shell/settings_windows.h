// Per-frame handlers of the simulator's settings windows, by window number.
#pragma once

void manage_id_();   // 1 airport by identifier
void manage_nam();   // 2 airport by name
void manage_wrl();   // 4 world map
void manage_lat();   // 5 latitude and longitude
void manage_whr();   // 6 find me
void manage_dat();   // 7 data output
void manage_ser();   // 8 serial output
void manage_tim();   // 9 time of day
void manage_ogl();   // 10 rendering options
void manage_spa();   // 11 weather: space
void manage_atm();   // 12 weather: atmosphere
void manage_gnd();   // 13 weather: ground
void manage_wat();   // 14 water
void manage_flt();   // 15 joystick and flight mode
void manage_wgt();   // 16 weights and fuel
void manage_rel();   // 17 realistic reliability
void manage_ins();   // 18 instrument reliability
void manage_eqp();   // 19 equipment reliability
void manage_snd();   // 20 sound
void manage_wrn();   // 21 warnings
void manage_iso();   // 23 isometric region
void manage_pln();   // 25 flight plan
