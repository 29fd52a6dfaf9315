// A logical font description in the platform's 60-byte layout: what the font list keeps per
// face, what graphs keep per label and title, and what the platform's font creation takes.
#pragma once

#include <cstdint>

const int kFaceNameSize = 32;  // with its terminating character

struct LogicalFont {
  int32_t height;
  int32_t width;
  int32_t escapement;
  int32_t orientation;
  int32_t weight;
  uint8_t italic;
  uint8_t underline;
  uint8_t strike_out;
  uint8_t char_set;
  uint8_t out_precision;
  uint8_t clip_precision;
  uint8_t quality;
  uint8_t pitch_and_family;
  char face_name[kFaceNameSize];  // always terminated
};
static_assert(sizeof(LogicalFont) == 60, "the platform's logical font is 60 bytes");
