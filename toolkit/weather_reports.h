// Real-weather reports: one surface report per line of "WORLD.RWK", opened by
// a four-character station identifier.
#pragma once

// Longest report kept from a line, and the decoder's table sizes.
const int WXR_LINE_KEEP = 398;
const int WXR_FIELDS = 40;
const int WXR_FIELD_LEN = 400;
const int WXR_PARTS = 5;

// Decodes one report. Each output is written only when its field is present
// and valid, so the caller presets them all (obs_vis and obs_den to 0).
// z_time s of the day; cld_type 0 clear or scattered, 1 a ceiling; base and
// tops m above sea level; vis m; obs_vis 1 thunderstorm, 2 rain or snow,
// 3 rain with fog, 4 showers; obs_den 1..3; temp, dewp as reported; wind
// direction degrees, speed and gust increment knots; baro inHg.
void decode_wxr(const char* wxr_str, float z_report, float* z_time, int* cld_type, float* cld_base, float* cld_tops,
                float* vis, int* obs_vis, int* obs_den, float* temp, float* dewp, float* wnd_dir, float* wnd_spd,
                float* wnd_gus, float* baro);
