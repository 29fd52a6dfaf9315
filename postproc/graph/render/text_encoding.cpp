#include "text_encoding.h"

namespace {

// Code points of 0x80..0x9F in Windows-1252; 0 where the code page defines nothing.
const unsigned kHighControls[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

const char kReplacement[] = "\xEF\xBF\xBD";

void append_utf8(std::string *out, unsigned code) {
  if (code < 0x80) {
    *out += static_cast<char>(code);
  } else if (code < 0x800) {
    *out += static_cast<char>(0xC0 | code >> 6);
    *out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    *out += static_cast<char>(0xE0 | code >> 12);
    *out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    *out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace

std::string utf8_from_ansi(const std::string &text) {
  std::string out;
  out.reserve(text.size());
  for (unsigned char byte : text) {
    unsigned code = byte;
    if (byte >= 0x80 && byte < 0xA0) code = kHighControls[byte - 0x80];
    if (code == 0 && byte != 0) {
      out += kReplacement;
      continue;
    }
    append_utf8(&out, code);
  }
  return out;
}

std::string xml_escape(const std::string &utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (unsigned char c : utf8) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      default:
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
          out += kReplacement;
        else
          out += static_cast<char>(c);
    }
  }
  return out;
}
