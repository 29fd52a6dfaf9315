// The four keys a font is stored with in any section that has one.
#pragma once

#include "../base/font_list.h"
#include "../base/logical_font.h"
#include "profile.h"

struct StoredFont {
  LogicalFont font;
  int point_size;
};

// FontPointSize, FontFace, FontStyle, FontOrientation, in this order; false when the store
// refused one.
bool write_font_keys(ProfileFunctions &file, const char *section, const LogicalFont &font,
                     int point_size);

// The font the keys describe, over the installed face of that name: width 0, weight 700 for
// "Bold" and "BoldItalic" (else 400), italic for "Italic" and "BoldItalic", escapement and
// orientation 900 for "Vertical". False, so that the element keeps its font, when the face is
// missing or not installed, or the point size is not one a font can have. `fonts` null takes
// any face, over `current` (a renderer without the platform's font list).
bool read_font_keys(const ProfileFunctions &file, const char *section, const FontList *fonts,
                    const LogicalFont &current, StoredFont &stored);

const int kLargestPointSize = 1638;   // the platform's largest font height in points
