#include "HL_TYPES.h"

#include <cstring>

menuwindowstruct mnw;
constantstruct con;
float lookup_sin[361];
float lookup_cos[361];
float col_rgb[80][3];

std::ifstream inf1, inf2;
std::ofstream ouf, err, trk;
int inf_use = 1;

char app_path[400];
char wrk_path[400];
char prf_path[400];
char res_path[400];

int gdone;
int ogl_ready;
int is_3dfx;
int done_initing;
int return_hit;
int got_event;
int up_handled;
int to_array;
int select_ctr;
int select_ind;
char g_cs1[400], g_cs2[400], g_cs3[400], g_cs4[400];
char C_s[400];

void copy_bounded(char* dst, const char* src, int dim)
{
    if (!dst || dim <= 0) return;
    if (!src) src = "";
    size_t n = strnlen(src, (size_t)dim - 1);
    memmove(dst, src, n);
    dst[n] = 0;
}
