// What the scene frame draws: the range box around the eye, rebuilt when the
// eye, the visibility or the view turns enough, and the view wedge tested
// every frame.
#pragma once

#include "records/world_state.h"

extern int ter_inrange[GRID_I][GRID_J];
extern int obj_inrange_xyz[OBJ_CAP];
extern int obj_inrange[OBJ_CAP];
extern int apt_inrange_xyz[APT_REG_CAP];
extern int apt_inrange[APT_REG_CAP];
// Corners of the view wedge, m: the eye, then the far left and far right.
extern float x0, z0, x1, z1, x2, z2;
// The inputs of the last rebuild.
extern int old_i_view, old_j_view, old_vis_nm, old_view_oct;

// Octant 1..8 of a heading 0..359 (1 below 45 degrees).
int view_octant(int eff_psi);
// Heading whose octant cuts the range box: the aircraft's, turned by the side
// views, or the camera's in the external views other than the chase.
int octant_heading(int view, float flt_psi, float scn_psi);
// 1 when the box must be rebuilt.
int range_rebuild_due(int i_view, int j_view, int vis_nm, int oct, int typeshift);

// The box: eye +- vis in x and z, the half behind the view cut at the eye.
struct range_box {
    float xlo, xhi, zlo, zhi;
};
void make_range_box(float ex, float ez, float vis, int oct, range_box* b);
// Cloud mesh bounds of the box (scn.*_cld) and terrain bounds (scn.*_ter).
void cloud_bounds(const range_box& b);
void terrain_bounds(const range_box& b);
// Objects within 1000 m and listed airports within 5000 m of the box.
void range_objects(const range_box& b);
// The listed airport nearest (lat, lon) in plain degrees: list slot or -1.
int nearest_airport(float lat, float lon);
// The whole rebuild.
void rebuild_range(float ex, float ez, float vis, int oct);

// The view wedge from the eye along the heading psi, reaching b = 1.4142 vis.
void set_wedge(float ex, float ez, float psi, float vis);
int incone(float x, float z, float dxz);
// Where an airport stands for the culling: its first counting runway's first
// marking point; 0 when it has none.
int airport_point(int apt_reg, float* x, float* z);
// The frame's range tables from the wedge: objects, airports, terrain cells.
void wedge_ranges(float the, int abovetops, float tops);
