#include "logical_font.h"

#include <cstring>

static_assert(LF_FACESIZE == kFaceNameSize, "face names are 32 bytes");

LOGFONTA to_logfont(const LogicalFont &font) {
  LOGFONTA lf{};
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
  std::memcpy(lf.lfFaceName, font.face_name, sizeof lf.lfFaceName);
  lf.lfFaceName[kFaceNameSize - 1] = '\0';
  return lf;
}

LogicalFont from_logfont(const LOGFONTA &lf) {
  LogicalFont font{};
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
  std::memcpy(font.face_name, lf.lfFaceName, sizeof font.face_name);
  font.face_name[kFaceNameSize - 1] = '\0';
  return font;
}
