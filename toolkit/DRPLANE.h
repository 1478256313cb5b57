// The aircraft's drawable geometry: surface points, normals and texture
// coordinates of every part built from pln, its paint bitmaps and templates,
// and the drawing at a position and attitude.
#pragma once

const int GEO_PARTS = 28;
const int GEO_STATIONS = 18;
const int GEO_POINTS = 16;

// Per part, station and point: body metres, unit normals, texture (s, t).
extern float a_xyz[GEO_PARTS][GEO_STATIONS][GEO_POINTS][3];
extern float n_xyz[GEO_PARTS][GEO_STATIONS][GEO_POINTS][3];
extern float st[GEO_PARTS][GEO_STATIONS][GEO_POINTS][2];
// Drawn angle of the propeller blades, degrees, kept from frame to frame.
extern float track_ang;

// Texture numbers of the aircraft's parts.
enum {
    TEX_FUSE = 0, TEX_NACE = 1, TEX_MISC = 2, TEX_FAIR = 3, TEX_STRT = 4, TEX_PROP = 5,
    TEX_WNG1 = 6, TEX_WNG2 = 7, TEX_WNG3 = 8, TEX_HSTB = 9, TEX_VST1 = 10, TEX_VST2 = 11, TEX_PYLN = 12,
    TEX_TIRE = 13, TEX_METAL = 14, TEX_HAND = 82
};

void load_pln(float xi, float yi, float zi, float* xyzout);
// new_tex also loads the part bitmaps beside the aircraft file; dump_map also
// writes the paint templates "start ... .bmp" into the current folder.
void load_plane_geo(int new_tex, int dump_map);
// Draws the aircraft at (x, y, z), pitch, heading and roll in degrees.
void plot_plane(float x, float y, float z, float the, float psi, float phi);
void disc(float xc, float yc, float zc, float xh, float xt, float rh, float rt, int t);
void wheel(int en, float xa, float ya, float za, float r, float xh, float xt, float rh, float rt);
void heavy_light(float x, float y, float z, float r, float g, float b, float ps);

// A paint template's size for a part: base height and shape ratio (limited as
// the part kind asks) give the width; sides halved to fit 512.
void template_size(int base_h, float ratio, int lifting, int* w, int* h);
