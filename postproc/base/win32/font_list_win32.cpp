// Enumeration and lookup over the portable list; the list's record has LOGFONTA's layout,
// and the conversions (base) go field by field so that the two types stay independent.
#include "font_list_win32.h"

#include <cstring>

#include "../font_list.h"
#include "logical_font.h"

static_assert(sizeof(LOGFONTA) == sizeof(LogicalFont), "logical fonts are 60 bytes");

namespace {

int CALLBACK offer_face(const LOGFONTA *lf, const TEXTMETRICA *, DWORD, LPARAM) {
  font_list_append(program_font_list(), from_logfont(*lf));
  return 1;
}

}  // namespace

void build_font_list(HDC device) {
  free_font_list();
  // One call for every face in every character set; the list keeps the first of each name.
  LOGFONTA all{};
  all.lfCharSet = DEFAULT_CHARSET;
  EnumFontFamiliesExA(device, &all, offer_face, 0, 0);
}

// Inserted at the end rather than added: a box that sorts would otherwise put the faces in
// alphabetical order, and its first entry, the fallback, would not be the first enumerated.
void fill_font_combo(HWND combo) {
  const FontList &list = program_font_list();
  for (int i = 0; i < list.count; i++)
    SendMessageA(combo, CB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(list.fonts[i].face_name));
}

std::optional<LOGFONTA> find_font(const char *face_name) {
  const LogicalFont *font = font_list_find(program_font_list(), face_name);
  if (!font) return std::nullopt;
  return to_logfont(*font);
}

void free_font_list() { font_list_free(program_font_list()); }
