#include "text_encoding.h"

namespace {

const char kReplacement[] = "\xEF\xBF\xBD";   // U+FFFD

}  // namespace

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
