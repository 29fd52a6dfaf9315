// load_text for builds without resources: the string table compiled from ulmogpp.rc.
#include <algorithm>
#include <iterator>

#include "text.h"

namespace {

struct StringEntry {
  int id;
  const char *text;
};

const StringEntry kStrings[] = {
#include "string_table.inc"
};

}  // namespace

std::string load_text(int id) {
  auto it = std::find_if(std::begin(kStrings), std::end(kStrings),
                         [id](const StringEntry &e) { return e.id == id; });
  if (it == std::end(kStrings)) return std::string();
  std::string text = it->text;
  if (text.size() > 255) text.resize(255);
  return text;
}
