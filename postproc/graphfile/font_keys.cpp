// Font keys. The style and orientation words are compared without regard to case, for files
// written by hand; any other word reads as regular and horizontal.
#include "font_keys.h"

#include <cstring>
#include <string>

#include "../base/ascii.h"
#include "../graph/graph.h"

namespace {

const int kVertical = 900;
const int kBold = 700, kNormal = 400;

}  // namespace

bool write_font_keys(ProfileFunctions &file, const char *section, const LogicalFont &font,
                     int point_size) {
  bool ok = write_number(file, section, "FontPointSize", point_size);
  char face[kFaceNameSize];
  memcpy(face, font.face_name, sizeof face);
  face[kFaceNameSize - 1] = '\0';
  ok = write_text(file, section, "FontFace", stored_text(face, false)) && ok;
  const char *style = "Regular";
  if (font.weight > kNormal) style = font.italic ? "BoldItalic" : "Bold";
  else if (font.italic == 1) style = "Italic";
  ok = write_text(file, section, "FontStyle", style) && ok;
  return write_text(file, section, "FontOrientation",
                    font.escapement == kVertical ? "Vertical" : "Horizontal") && ok;
}

bool read_font_keys(const ProfileFunctions &file, const char *section, const FontList *fonts,
                    const LogicalFont &current, StoredFont &stored) {
  std::string face = read_text(file, section, "FontFace");
  if (face.empty() || face.size() >= static_cast<size_t>(kFaceNameSize)) return false;
  int point_size = read_number(file, section, "FontPointSize", 12);
  if (point_size < 1 || point_size > kLargestPointSize) return false;
  LogicalFont font;
  if (fonts) {
    const LogicalFont *installed = font_list_find(*fonts, face.c_str());
    if (!installed) return false;
    font = *installed;
  } else {
    font = font_with_face(current, face);
    font.escapement = font.orientation = 0;
  }
  font.width = 0;
  std::string style = read_text(file, section, "FontStyle");
  bool bold_italic = equal_ignoring_case(style, "BoldItalic");
  font.weight = bold_italic || equal_ignoring_case(style, "Bold") ? kBold : kNormal;
  font.italic = bold_italic || equal_ignoring_case(style, "Italic") ? 1 : 0;
  if (equal_ignoring_case(read_text(file, section, "FontOrientation"), "Vertical"))
    font.escapement = font.orientation = kVertical;
  stored = {font, point_size};
  return true;
}
