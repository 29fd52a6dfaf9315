// Enumeration and lookup over the portable list; the list's record has LOGFONTA's layout,
// and the conversions go field by field so that the two types stay independent.
#include "font_list_win32.h"

#include <cstring>

#include "shell/font_list.h"

static_assert(sizeof(LOGFONTA) == sizeof(LogicalFont), "logical fonts are 60 bytes");
static_assert(LF_FACESIZE == kLogicalFaceSize, "face names are 32 bytes");

namespace {

LogicalFont from_logfont(const LOGFONTA &lf) {
  LogicalFont font;
  font.height = lf.lfHeight;
  font.width = lf.lfWidth;
  font.escapement = lf.lfEscapement;
  font.orientation = lf.lfOrientation;
  font.weight = lf.lfWeight;
  font.italic = lf.lfItalic;
  font.underline = lf.lfUnderline;
  font.strike_out = lf.lfStrikeOut;
  font.char_set = lf.lfCharSet;
  font.out_precision = lf.lfOutPrecision;
  font.clip_precision = lf.lfClipPrecision;
  font.quality = lf.lfQuality;
  font.pitch_and_family = lf.lfPitchAndFamily;
  memcpy(font.face_name, lf.lfFaceName, sizeof font.face_name);
  font.face_name[kLogicalFaceSize - 1] = '\0';
  return font;
}

LOGFONTA to_logfont(const LogicalFont &font) {
  LOGFONTA lf;
  lf.lfHeight = font.height;
  lf.lfWidth = font.width;
  lf.lfEscapement = font.escapement;
  lf.lfOrientation = font.orientation;
  lf.lfWeight = font.weight;
  lf.lfItalic = font.italic;
  lf.lfUnderline = font.underline;
  lf.lfStrikeOut = font.strike_out;
  lf.lfCharSet = font.char_set;
  lf.lfOutPrecision = font.out_precision;
  lf.lfClipPrecision = font.clip_precision;
  lf.lfQuality = font.quality;
  lf.lfPitchAndFamily = font.pitch_and_family;
  memcpy(lf.lfFaceName, font.face_name, sizeof lf.lfFaceName);
  return lf;
}

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

void fill_font_combo(HWND combo) {
  const FontList &list = program_font_list();
  for (int i = 0; i < list.count; i++)
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(list.fonts[i].face_name));
}

std::optional<LOGFONTA> find_font(const char *face_name) {
  const LogicalFont *font = font_list_find(program_font_list(), face_name);
  if (!font) return std::nullopt;
  return to_logfont(*font);
}

void free_font_list() { font_list_free(program_font_list()); }
