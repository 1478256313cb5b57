// The aircraft's drawable geometry and its drawing. Every part's points are
// kept relative to the part's origin (get_body_os) so that the drawing can
// turn propellers, nacelles and swept wings about it.
#include "DRPLANE.h"

#include "HL_FILE.h"
#include "HL_FUNCT.h"
#include "HL_GRAPH.h"
#include "HL_TEXTURE.h"
#include "HL_TYPES.h"
#include "part_geometry.h"
#include "plane_record.h"
#include "program_variant.h"
#include "terrain_helpers.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdio>
#include <cstring>

float a_xyz[GEO_PARTS][GEO_STATIONS][GEO_POINTS][3];
float n_xyz[GEO_PARTS][GEO_STATIONS][GEO_POINTS][3];
float st[GEO_PARTS][GEO_STATIONS][GEO_POINTS][2];
float track_ang;

namespace {

const int MAX_BLADES = 9;
const int SECTION_POINTS = 12;

// Chord fraction of each section point: trailing edge, over the top to the
// leading edge at 6, back under; and the side (+1 top, -1 bottom).
const float section_f[SECTION_POINTS] = {1, 0.75f, 0.5f, 0.3f, 0.15f, 0.05f, 0, 0.05f, 0.15f, 0.3f, 0.5f, 0.75f};
const float section_side[SECTION_POINTS] = {0, 1, 1, 1, 1, 1, 0, -1, -1, -1, -1, -1};

// Half thickness over chord of a 12 % symmetric section.
float half_thickness(float f)
{
    return 0.6f * (0.2969f * std::sqrt(f) - 0.126f * f - 0.3516f * f * f + 0.2843f * f * f * f - 0.1015f * f * f * f * f);
}

int blades(int p)
{
    return intlim((int)pln.numblades[p], 0, MAX_BLADES);
}

// Station and point counts actually built; past the tables nothing is kept.
int s_dim(int p)
{
    if (p <= 3) return 2 * blades(p);
    return intlim(f_body_s_dim(p), 0, GEO_STATIONS);
}

int r_dim(int p)
{
    return intlim(f_body_r_dim(p), 0, GEO_POINTS);
}

int is_lifting(int p)
{
    return p >= 4 && p <= 17;
}

int els_of(int p)
{
    return intlim(pln.els[p], 1, GEO_STATIONS - 1);
}

// Chordwise extent of a lifting part, leading edge to trailing edge, along z.
void chord_extent(int p, float* zmin, float* zmax)
{
    float z0 = get_wing_Zarm(p, 0) - pln.Zarm[p], z1 = get_wing_Zarm(p, pln.semilen[p]) - pln.Zarm[p];
    *zmin = fltmin2(z0 - 0.25f * pln.Croot[p], z1 - 0.25f * pln.Ctip[p]);
    *zmax = fltmax2(z0 + 0.75f * pln.Croot[p], z1 + 0.75f * pln.Ctip[p]);
}

void build_propeller(int p)
{
    int nb = blades(p);
    float R = pln.semilen[p], hub = 0.1f * R;
    for (int n = 1; n <= nb; ++n) {
        int a = intwrap(n * 360 / nb, 0, 359);
        float c = lookup_cos[a], s = lookup_sin[a];
        int s0 = 2 * (n - 1);
        float half[2] = {pln.Croot[p] * 0.5f, pln.Ctip[p] * 0.5f};
        float rad[2] = {hub, R};
        for (int k = 0; k < 2; ++k)
            for (int r = 0; r < 2; ++r) {
                float side = r == 0 ? -half[k] : half[k];
                float* v = a_xyz[p][s0 + k][r];
                v[0] = c * rad[k] - s * side;
                v[1] = s * rad[k] + c * side;
                v[2] = 0;
                st[p][s0 + k][r][0] = (float)k;
                st[p][s0 + k][r][1] = (float)r;
            }
    }
}

void build_lifting(int p)
{
    int els = els_of(p);
    float zmin, zmax;
    chord_extent(p, &zmin, &zmax);
    float zrange = zmax - zmin > 1e-6f ? zmax - zmin : 1;
    float dih = pln.dihed[p] * con.degtorad;
    // Thickness is across the part's own plane.
    float up[3] = {-latsign(p) * std::sin(dih), std::cos(dih), 0};
    for (int s = 0; s <= els; ++s) {
        float frac = (float)s / els, len = frac * pln.semilen[p];
        float x = get_wing_Xarm(p, len) - pln.Xarm[p];
        float y = get_wing_Yarm(p, len) - pln.Yarm[p];
        float zq = get_wing_Zarm(p, len) - pln.Zarm[p];
        float c = interp(0, pln.Croot[p], 1, pln.Ctip[p], frac);
        for (int r = 0; r < SECTION_POINTS; ++r) {
            float f = section_f[r], t = section_side[r] * half_thickness(f) * c;
            float z = zq - 0.25f * c + f * c;
            float* v = a_xyz[p][s][r];
            v[0] = x + up[0] * t;
            v[1] = y + up[1] * t;
            v[2] = z;
            st[p][s][r][0] = (z - zmin) / zrange;
            st[p][s][r][1] = frac;
        }
    }
}

// Girth of a body station, round the closed ring of points.
float girth(int p, int s, int n)
{
    float g = 0;
    for (int r = 0; r < n; ++r) {
        int q = (r + 1) % n;
        g += pythag3(pln.body_X[p][s][q] - pln.body_X[p][s][r], pln.body_Y[p][s][q] - pln.body_Y[p][s][r],
                     pln.body_Z[p][s][q] - pln.body_Z[p][s][r]);
    }
    return g;
}

void body_extent(int p, float* zmin, float* zrange, float* gmax)
{
    int ns = s_dim(p), nr = r_dim(p);
    *zmin = pln.body_Z[p][0][0];
    float zmax = *zmin;
    *gmax = 0;
    for (int s = 0; s < ns; ++s) {
        *zmin = fltmin2(*zmin, pln.body_Z[p][s][0]);
        zmax = fltmax2(zmax, pln.body_Z[p][s][0]);
        *gmax = fltmax2(*gmax, girth(p, s, nr));
    }
    *zrange = zmax - *zmin;
}

// Bodies: s along the length, t round the girth centred on the bottom, so
// that the bitmap shows the body's side silhouette.
void build_body(int p)
{
    int ns = s_dim(p), nr = r_dim(p);
    float zmin, zrange, gmax;
    body_extent(p, &zmin, &zrange, &gmax);
    for (int s = 0; s < ns; ++s) {
        float g = girth(p, s, nr), cum = 0;
        for (int r = 0; r < nr; ++r) {
            float* v = a_xyz[p][s][r];
            v[0] = pln.body_X[p][s][r];
            v[1] = pln.body_Y[p][s][r];
            v[2] = pln.body_Z[p][s][r];
            if (r > 0) cum += pythag3(v[0] - a_xyz[p][s][r - 1][0], v[1] - a_xyz[p][s][r - 1][1], v[2] - a_xyz[p][s][r - 1][2]);
            st[p][s][r][0] = zrange > 1e-6f ? (pln.body_Z[p][s][0] - zmin) / zrange : (ns > 1 ? (float)s / (ns - 1) : 0);
            st[p][s][r][1] = gmax > 1e-6f ? 0.5f + (cum - g / 2) / gmax : (float)r / nr;
        }
    }
}

// Whether a part's outer faces wind counter-clockwise: the right-hand and
// upright lifting parts, and the bodies, whose rings run down the right side;
// the others wind the toolkit's clockwise way.
int front_ccw(int p)
{
    return p == 5 || p == 7 || p == 9 || p == 11 || p == 12 || p == 13 || p >= 18;
}

// Normals out of the front faces, the ones drawn and lit.
void build_normals(int p)
{
    int ns = s_dim(p), nr = r_dim(p);
    for (int s = 0; s < ns; ++s)
        for (int r = 0; r < nr; ++r) {
            int s1 = intlim(s + 1, 0, ns - 1), s0 = intlim(s - 1, 0, ns - 1);
            int r1 = p <= 3 ? intlim(r + 1, 0, nr - 1) : (r + 1) % nr;
            int r0 = p <= 3 ? intlim(r - 1, 0, nr - 1) : (r + nr - 1) % nr;
            if (p <= 3) {   // a blade's own two stations
                s0 = s - s % 2;
                s1 = s0 + 1;
            }
            float a[3], b[3];
            for (int k = 0; k < 3; ++k) {
                a[k] = a_xyz[p][s1][r][k] - a_xyz[p][s0][r][k];
                b[k] = a_xyz[p][s][r1][k] - a_xyz[p][s][r0][k];
            }
            find_normal_vects(a, b, n_xyz[p][s][r]);
            if (!front_ccw(p))
                for (int k = 0; k < 3; ++k) n_xyz[p][s][r][k] = -n_xyz[p][s][r][k];
        }
}

const char* const tex_suffix[14] = {" prop", " wng1", " wng2", " wng3", " hstb", " vst1", " vst2",
                                    " pyln", " fuse", " nace", " misc", " fair", " strt", " hand"};
const int tex_number[14] = {TEX_PROP, TEX_WNG1, TEX_WNG2, TEX_WNG3, TEX_HSTB, TEX_VST1, TEX_VST2,
                            TEX_PYLN, TEX_FUSE, TEX_NACE, TEX_MISC, TEX_FAIR, TEX_STRT, TEX_HAND};

void load_part_bitmaps()
{
    char base[400], name[400];
    copy_bounded(base, pln.C_path, sizeof base);
    size_t n = strlen(base);
    base[n > 4 ? n - 4 : 0] = 0;
    int have_hand = 0;
    for (int k = 0; k < 14; ++k) {
        C_plus_C(base, tex_suffix[k], name);
        int got = OGL_texbmp(TEX_FROM_PATH, tex_number[k], TEX_PLAIN, name);
        if (tex_number[k] == TEX_HAND) have_hand = got;
    }
    if (!have_hand) OGL_texbmp(TEX_FROM_FOLDER, TEX_HAND, TEX_PLAIN, "hand");
    OGL_texbmp(TEX_FROM_FOLDER, TEX_TIRE, TEX_PLAIN, "tire");
    OGL_texbmp(TEX_FROM_FOLDER, TEX_METAL, TEX_PLAIN, "metal");
}

// ---- paint templates ----

void put_le(FILE* f, unsigned v, int bytes)
{
    for (int k = 0; k < bytes; ++k) fputc((int)((v >> (8 * k)) & 255), f);
}

// 1 when the bitmap point (s, t) lies on the part's surface; grey for it.
int lifting_grey(int p, float s, float t)
{
    int els = els_of(p);
    float zmin, zmax;
    chord_extent(p, &zmin, &zmax);
    float zrange = zmax - zmin > 1e-6f ? zmax - zmin : 1;
    float len = t * pln.semilen[p];
    float zq = get_wing_Zarm(p, len) - pln.Zarm[p];
    float c = interp(0, pln.Croot[p], 1, pln.Ctip[p], t);
    float s_le = (zq - 0.25f * c - zmin) / zrange, s_te = (zq + 0.75f * c - zmin) / zrange;
    if (s < s_le || s > s_te) return 0;
    int el = intlim((int)(t * els), 0, els - 1);
    int ctrl = pln.ailn[p][el] || pln.elev[p][el] || pln.rudd[p][el] || pln.flap[p][el];
    return ctrl ? 150 : 250;
}

int body_grey(int p, float s, float t, float zmin, float zrange, float gmax)
{
    int ns = s_dim(p), nr = r_dim(p);
    if (ns < 2 || gmax <= 1e-6f) return 250;
    float z = zmin + s * zrange;
    for (int k = 0; k + 1 < ns; ++k) {
        float z0 = pln.body_Z[p][k][0], z1 = pln.body_Z[p][k + 1][0];
        if (z < fltmin2(z0, z1) || z > fltmax2(z0, z1)) continue;
        float g = z1 != z0 ? interp(z0, girth(p, k, nr), z1, girth(p, k + 1, nr), z) : fltmax2(girth(p, k, nr), girth(p, k + 1, nr));
        return std::fabs(t - 0.5f) <= g / (2 * gmax) ? 250 : 0;
    }
    return 0;
}

// 1 when the whole file was written.
int write_template(int p, int base_h, const char* file)
{
    int lifting = is_lifting(p);
    float ratio, zmin = 0, zrange = 1, gmax = 0;
    if (lifting) {
        float cmin, cmax;
        chord_extent(p, &cmin, &cmax);
        ratio = pln.semilen[p] > 1e-6f ? (cmax - cmin) / pln.semilen[p] : 1;
    } else {
        body_extent(p, &zmin, &zrange, &gmax);
        ratio = gmax > 1e-6f ? zrange / gmax : 1;
    }
    int w, h;
    template_size(base_h, ratio, lifting, &w, &h);
    FILE* f = fopen(file, "wb");
    if (!f) return 0;
    fputc('B', f);
    fputc('M', f);
    put_le(f, (unsigned)(w * h * 3 + 54), 4);
    put_le(f, 0, 2);
    put_le(f, 0, 2);
    put_le(f, 54, 4);
    put_le(f, 40, 4);
    put_le(f, (unsigned)w, 4);
    put_le(f, (unsigned)h, 4);
    put_le(f, 1, 2);
    put_le(f, 24, 2);
    for (int k = 0; k < 6; ++k) put_le(f, 0, 4);
    static unsigned char row[512 * 3];
    for (int y = 0; y < h; ++y) {
        float t = (y + 0.5f) / h;
        for (int x = 0; x < w; ++x) {
            float s = (x + 0.5f) / w;
            int g = lifting ? lifting_grey(p, s, t) : body_grey(p, s, t, zmin, zrange, gmax);
            row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = (unsigned char)g;
        }
        fwrite(row, 1, (size_t)w * 3, f);
    }
    int written = !ferror(f);
    return fclose(f) == 0 && written;
}

void write_templates()
{
    struct tpl { int part, base_h; const char* file; };
    int pylon = pln.numen >= 1 && pln.numen <= 4 ? pln.numen + 13 : -1;
    const tpl list[11] = {{5, 512, "start wng1.bmp"},  {7, 512, "start wng2.bmp"},  {9, 512, "start wng3.bmp"},
                          {11, 256, "start hstb.bmp"}, {12, 256, "start vst1.bmp"}, {13, 256, "start vst2.bmp"},
                          {pylon, 256, "start pyln.bmp"}, {18, 256, "start fuse.bmp"}, {19, 64, "start nace.bmp"},
                          {23, 64, "start misc.bmp"}, {25, 64, "start fair.bmp"}};
    // A folder that takes none of them gets one notice, not eleven.
    for (const tpl& t : list)
        if (t.part >= 0 && have_this_part(t.part) && !write_template(t.part, t.base_h, t.file)) {
            save_notice(t.file);
            return;
        }
}

// ---- drawing ----

void vertex(int p, int s, int r, float t_override = -1)
{
    glNormal3f(n_xyz[p][s][r][0], n_xyz[p][s][r][1], n_xyz[p][s][r][2]);
    glTexCoord2f(st[p][s][r][0], t_override >= 0 ? t_override : st[p][s][r][1]);
    glVertex3f(a_xyz[p][s][r][0], a_xyz[p][s][r][1], a_xyz[p][s][r][2]);
}

// The part's quads; bodies and sections close round their ring.
void draw_surface(int p)
{
    int ns = s_dim(p), nr = r_dim(p);
    int wire = mnw.draw_wire;
    for (int s = 0; s + 1 < ns; ++s) {
        if (p <= 3 && s % 2) continue;   // between two blades
        int rings = p <= 3 ? nr - 1 : nr;
        for (int r = 0; r < rings; ++r) {
            int q = (r + 1) % nr;
            // The body's seam: the ring's last quad runs back to the top at the bitmap's far side.
            float tq = p >= 18 && q == 0 ? 1 - st[p][s][0][1] : -1;
            float tq1 = p >= 18 && q == 0 ? 1 - st[p][s + 1][0][1] : -1;
            glBegin(wire ? GL_LINE_LOOP : GL_QUADS);
            vertex(p, s, r);
            vertex(p, s + 1, r);
            vertex(p, s + 1, q, tq1);
            vertex(p, s, q, tq);
            glEnd();
        }
    }
}

// Both sides of a wing, all propellers, pylons and nacelles share one bitmap.
int part_texture(int p)
{
    if (p <= 3) return TEX_PROP;
    if (p <= 5) return TEX_WNG1;
    if (p <= 7) return TEX_WNG2;
    if (p <= 9) return TEX_WNG3;
    if (p <= 11) return TEX_HSTB;
    if (p == 12) return TEX_VST1;
    if (p == 13) return TEX_VST2;
    if (p <= 17) return TEX_PYLN;
    if (p == 18) return TEX_FUSE;
    if (p <= 22) return TEX_NACE;
    if (p <= 24) return TEX_MISC;
    return TEX_FAIR;
}

void draw_part(int p)
{
    float ox = 0, oy = 0, oz = 0;
    get_body_os(p, &ox, &oy, &oz);
    if (!mnw.draw_wire) OGL_bindtex(part_texture(p));
    glPushMatrix();
    glTranslatef(ox, oy, oz);
    int engine = p <= 3 ? p : p >= 19 && p <= 22 ? p - 19 : -1;
    if (engine >= 0) {
        glRotatef(pln.sidecant[engine], 0, 1, 0);
        glRotatef(pln.vertcant[engine], 1, 0, 0);
    }
    if (p <= 3) glRotatef(pln.propdir[p] < 0 ? -track_ang : track_ang, 0, 0, 1);
    if (p >= 4 && p <= 13 && pln.varsweepEQ[p])
        glRotatef((pln.sweepnow[p] - pln.sweep1[p]) * (p % 2 ? -1.0f : 1.0f), 0, 1, 0);
    int reversed = front_ccw(p);
    if (reversed) glFrontFace(GL_CCW);
    draw_surface(p);
    if (reversed) glFrontFace(GL_CW);
    glPopMatrix();
}

void draw_gear()
{
    if (pln.gear_type <= 2) return;
    for (int g = 0; g < 3; ++g) {
        if (!pln.gear_stat[g]) continue;
        float x = 0, y = 0, z = 0;
        get_body_os(25 + g, &x, &y, &z);
        float r = pln.wheelrad;
        wheel(g, x, y, z, r, 0.3f * r, 0.25f * r, 0.4f * r, r);
    }
}

void draw_lights(float ps)
{
    float tip[3];
    for (int p : {4, 5}) {
        if (!have_this_part(p)) continue;
        float ox = 0, oy = 0, oz = 0;
        get_body_os(p, &ox, &oy, &oz);
        int s = s_dim(p) - 1;
        tip[0] = a_xyz[p][s][6][0] + ox;
        tip[1] = a_xyz[p][s][6][1] + oy;
        tip[2] = a_xyz[p][s][6][2] + oz;
        if (p == 4) heavy_light(tip[0], tip[1], tip[2], 1, 0, 0, ps);
        else heavy_light(tip[0], tip[1], tip[2], 0, 1, 0, ps);
    }
    int last = s_dim(18) - 1;
    if (last >= 0) heavy_light(a_xyz[18][last][0][0], a_xyz[18][last][0][1], a_xyz[18][last][0][2], 1, 1, 1, ps);
    // The beacon on the fuselage's top flashes.
    if (program_light_pulse() > 0.5f && s_dim(18) > 5) heavy_light(a_xyz[18][5][0][0], a_xyz[18][5][0][1], a_xyz[18][5][0][2], 1, 0.2f, 0.2f, ps);
}

} // namespace

void load_pln(float xi, float yi, float zi, float* xyzout)
{
    xyzout[0] = xi;
    xyzout[1] = yi;
    xyzout[2] = zi;
}

void template_size(int base_h, float ratio, int lifting, int* w, int* h)
{
    ratio = lifting ? fltmin2(ratio, 1) : fltmax2(ratio, 1);
    int H = base_h, W;
    if (ratio < 0.167f) W = H / 8;
    else if (ratio < 0.375f) W = H / 4;
    else if (ratio < 0.75f) W = H / 2;
    else if (ratio < 1.5f) W = H;
    else if (ratio < 3) W = H * 2;
    else W = H * 4;
    while (W > 512 || H > 512) {
        W /= 2;
        H /= 2;
    }
    if (W == 512 && H == 512) {
        W /= 2;
        H /= 2;
    }
    *w = W;
    *h = H;
}

void load_plane_geo(int new_tex, int dump_map)
{
    for (int p = 14; p <= 17; ++p) pln.els[p] = 1;
    memset(a_xyz, 0, sizeof a_xyz);
    memset(n_xyz, 0, sizeof n_xyz);
    memset(st, 0, sizeof st);
    for (int p = 0; p < GEO_PARTS; ++p) {
        if (!have_this_part(p)) continue;
        if (p <= 3) build_propeller(p);
        else if (is_lifting(p)) build_lifting(p);
        else build_body(p);
        build_normals(p);
    }
    // Textures need a GL context.
    if (new_tex && ogl_ready) load_part_bitmaps();
    if (dump_map) write_templates();
}

void plot_plane(float x, float y, float z, float the, float psi, float phi)
{
    float dist = pythag3(x - con.VIEW_xyz[0], y - con.VIEW_xyz[1], z - con.VIEW_xyz[2]);
    if (dist > program_view_range()) return;
    float zoom = program_view_zoom();
    if (!(zoom > 1e-6f)) zoom = 1;
    float near_rat = dist * con.mtrstonm / zoom;
    float ps = fltlim(interp(1, 1, 2, 0, near_rat), 1, 2);
    track_ang += 0.3f * 330 / fltlim(pln.numblades[0], 2, MAX_BLADES);
    track_ang = fltwrap(track_ang, 0, 360);

    glPushMatrix();
    glTranslatef(x, y, z);
    glRotatef(-psi, 0, 1, 0);
    glRotatef(-the, -1, 0, 0);
    glRotatef(-phi, 0, 0, 1);
    if (near_rat < 1) {
        if (mnw.draw_wire) {
            OGL_setstate(0, 0, 0, 1);
            glColor3f(0.5f, 1, 0.5f);
        } else {
            OGL_setstate(o_fog, 1, 1, 1);
            glColor3f(1, 1, 1);
        }
        // Both sides of every face: a body may be an open tube (the editor's
        // default fuselage), seen from behind only from within, and a blade
        // is one sheet. The inside is lit on its own side.
        glDisable(GL_CULL_FACE);
        glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);
        for (int p = 0; p < GEO_PARTS; ++p)
            if (have_this_part(p)) draw_part(p);
        if (!mnw.draw_wire) draw_gear();
        glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_FALSE);
        glEnable(GL_CULL_FACE);
    }
    if (program_plane_lights()) draw_lights(ps);
    glPopMatrix();
}

void heavy_light(float x, float y, float z, float r, float g, float b, float ps)
{
    OGL_setstate(o_fog, 0, 0, 1);
    glPointSize(ps);
    glColor3f(r, g, b);
    glBegin(GL_POINTS);
    glVertex3f(x, y, z);
    glEnd();
    glPointSize(1);
}

void disc(float xc, float yc, float zc, float xh, float xt, float rh, float rt, int t)
{
    // Profile across the tyre: hub face, sidewall, tread, sidewall, hub face.
    const float px[6] = {-xh, -xh, -xt, xt, xh, xh};
    const float pr[6] = {0, rh, rt, rt, rh, 0};
    const float band[6] = {0, 0.3f, 0.4f, 0.6f, 0.7f, 1};
    OGL_bindtex(t);
    for (int seg = 0; seg < 12; ++seg) {
        int a0 = seg * 30, a1 = a0 + 30;
        float c0 = lookup_cos[a0], s0 = lookup_sin[a0], c1 = lookup_cos[a1], s1 = lookup_sin[a1];
        glBegin(GL_QUADS);
        for (int k = 0; k < 5; ++k) {
            glTexCoord2f(band[k], 0);
            glVertex3f(xc + px[k], yc + pr[k] * s0, zc + pr[k] * c0);
            glTexCoord2f(band[k], 1);
            glVertex3f(xc + px[k], yc + pr[k] * s1, zc + pr[k] * c1);
            glTexCoord2f(band[k + 1], 1);
            glVertex3f(xc + px[k + 1], yc + pr[k + 1] * s1, zc + pr[k + 1] * c1);
            glTexCoord2f(band[k + 1], 0);
            glVertex3f(xc + px[k + 1], yc + pr[k + 1] * s0, zc + pr[k + 1] * c0);
        }
        glEnd();
    }
}

void wheel(int en, float xa, float ya, float za, float r, float xh, float xt, float rh, float rt)
{
    float dx = 0, dz = 0;
    if (pln.gear_type == 4 || pln.gear_type == 6) dx = 0.6f * r;
    if (pln.gear_type == 5 || pln.gear_type == 6) dz = 1.1f * r;
    for (int i = -1; i <= 1; i += 2)
        for (int k = -1; k <= 1; k += 2) {
            if ((dx == 0 && i > 0) || (dz == 0 && k > 0)) continue;
            disc(xa + i * dx, ya, za + k * dz, xh, xt, rh, rt, TEX_TIRE);
        }
}
