// The font list is one array that grows by doubling; it owns its entries, and
// font_list_free releases them. Face names are compared byte for byte, as the platform
// enumerates them: two faces that differ only in case are two entries.
#include "font_list.h"

#include <cstdlib>
#include <cstring>

#include "messages.h"

FontList &program_font_list() {
  static FontList list{nullptr, 0, 0};
  return list;
}

const LogicalFont *font_list_find(const FontList &list, const char *face_name) {
  for (int i = 0; i < list.count; i++)
    if (strcmp(list.fonts[i].face_name, face_name) == 0) return &list.fonts[i];
  return nullptr;
}

namespace {

void grow(FontList &list) {
  int capacity = list.capacity ? list.capacity * 2 : 64;
  void *fonts = realloc(list.fonts, sizeof(LogicalFont) * static_cast<size_t>(capacity));
  if (!fonts) out_of_memory(kFontListOutOfMemory);
  list.fonts = static_cast<LogicalFont *>(fonts);
  list.capacity = capacity;
}

}  // namespace

bool font_list_append(FontList &list, const LogicalFont &font) {
  LogicalFont entry = font;
  entry.face_name[kFaceNameSize - 1] = '\0';
  if (font_list_find(list, entry.face_name)) return false;
  if (list.count == list.capacity) grow(list);
  list.fonts[list.count++] = entry;
  return true;
}

void font_list_free(FontList &list) {
  free(list.fonts);
  list = FontList{nullptr, 0, 0};
}
