#include "file_filter.h"

std::string platform_filter(const std::string &filter) {
  if (filter.empty()) return filter;
  std::string result = filter;
  const char separator = filter.back();
  for (char &c : result)
    if (c == separator) c = '\0';
  // The platform reads pairs until an empty string: the last separator ended the last
  // pattern, and std::string supplies the terminator of the list.
  return result;
}
