// The shared font controls. The face box holds the font list in the list's order, so an
// entry's index is its place in the list and faces that differ only in case stay apart.
#include "font_controls.h"

#include <cstring>
#include <string>

namespace {

const int kSmallestSize = 8;
const int kBold = 700, kNormal = 400;

}  // namespace

int entry_point_size(int entry) { return kSmallestSize + 2 * entry; }

std::string size_entry_text(int entry) { return std::to_string(entry_point_size(entry)); }

int size_box_entry(int point_size) {
  for (int entry = 0; entry < kSizeEntryCount; entry++)
    if (entry_point_size(entry) == point_size) return entry;
  return -1;
}

int face_box_entry(const FontList &list, const char *face) {
  const LogicalFont *found = font_list_find(list, face);
  return found ? static_cast<int>(found - list.fonts) : -1;
}

FontControls font_controls(const LogicalFont &font, int point_size, const FontList &list) {
  char face[kFaceNameSize];
  memcpy(face, font.face_name, sizeof face);
  face[kFaceNameSize - 1] = '\0';
  return {face_box_entry(list, face), size_box_entry(point_size), font.weight > kNormal,
          font.italic != 0, font.underline != 0};
}

ChosenFont chosen_font(const FontControls &controls, const FontList &list, const LogicalFont &current,
                       int current_point_size) {
  bool listed = controls.face_entry >= 0 && controls.face_entry < list.count;
  ChosenFont chosen{listed ? list.fonts[controls.face_entry] : current, current_point_size};
  // An enumerated face carries the average width of the size it was enumerated at; kept, it
  // would squeeze or stretch the text once the height follows the point size.
  if (listed) chosen.font.width = 0;
  chosen.font.weight = controls.bold ? kBold : kNormal;
  chosen.font.italic = controls.italic ? 1 : 0;
  chosen.font.underline = controls.underline ? 1 : 0;
  if (controls.size_entry >= 0 && controls.size_entry < kSizeEntryCount)
    chosen.point_size = entry_point_size(controls.size_entry);
  return chosen;
}
