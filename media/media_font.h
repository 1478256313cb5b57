// Lettering in pictures with the toolkit's 5 x 7 dot font, so that what the
// textures and bitmaps say looks like the suite's own text.
#pragma once

#include "media_image.h"

// Width of a text at a dot size: 5 dots a character, `pitch` dots apart.
float text_width(const char* s, float dot, float pitch_dots = 6);

// Text with its lower-left corner at (x, y); each dot a dot x dot square,
// characters pitch_dots dots apart. Dots of a glyph that touch merge, so a
// large dot size gives solid strokes.
void pic_text(picture& p, colour c, float x, float y, const char* s, float dot, float pitch_dots = 6);
// The same, centred on (cx, cy).
void pic_text_centred(picture& p, colour c, float cx, float cy, const char* s, float dot, float pitch_dots = 6);
// Text centred on (cx, cy) and turned by heading degrees clockwise (its
// upright is then along the heading), for dial cards.
void pic_text_turned(picture& p, colour c, float cx, float cy, const char* s, float dot, float heading);
