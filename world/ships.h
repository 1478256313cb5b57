// Ships and the oil rig: drawn at their reference point (the caller has moved and, for the ships,
// turned the frame there); each also marks its deck under the aircraft for the next flight step.
#pragma once

void draw_a_carr(float xcg, float ycg, float zcg);
void draw_a_frig(float xcg, float ycg, float zcg);
void draw_a_oilr(float xcg, float ycg, float zcg);

// One textured quad inside an open quad batch, its normal from (p3 - p2) x (p2 - p1).
void CFR_3dquad(float* p1, float* p2, float* p3, float* p4);
