// Link text parsing; see link_request.h.
//
// Group counts (WM_APP+7) are read at each position before the last index, as the simulator
// writes them. A count that runs past the end is cut to the indices that remain, and a count
// of zero makes no window: neither may read outside the list.
#include "link_request.h"

#include <climits>
#include <cstring>

namespace {

bool is_separator(char c) { return std::strchr(" \t=(),;", c) != nullptr && c != '\0'; }

int leading_number(const std::string &token) {
  long long value = 0;
  for (char c : token) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    if (value > INT_MAX) return INT_MAX;
  }
  return static_cast<int>(value);
}

void take_token(LinkRequest &request, const std::string &token) {
  if (token[0] >= '0' && token[0] <= '9') {
    if (request.indices.size() < kLinkIndexLimit) request.indices.push_back(leading_number(token));
  } else if (token == "logx") {
    request.log_x = true;
  } else if (token == "logy") {
    request.log_y = true;
  } else {
    request.function = token;
  }
}

}  // namespace

LinkRequest parse_link_text(unsigned message, const std::string &whole) {
  LinkRequest request{message, std::string(), {}, false, false, std::string()};
  std::string text = whole.substr(0, kLinkTextLimit);
  size_t semicolon = text.find(';');
  request.path = text.substr(0, semicolon);
  if (semicolon == std::string::npos) return request;
  std::string token;
  for (size_t i = semicolon + 1; i <= text.size(); ++i) {
    char c = i < text.size() ? text[i] : ';';
    if (is_separator(c)) {
      if (!token.empty()) take_token(request, token);
      token.clear();
    } else {
      token += c;
    }
  }
  return request;
}

std::vector<LinkGroup> link_groups(const LinkRequest &request) {
  std::vector<LinkGroup> groups;
  size_t n = request.indices.size();
  if (n == 0) return groups;
  if (request.message == kLinkOneGraph) {
    groups.push_back({0, n});
  } else if (request.message == kLinkGraphPerIndex) {
    for (size_t i = 0; i < n; ++i) groups.push_back({i, 1});
  } else if (request.message == kLinkGroups) {
    size_t i = 0;
    while (i + 1 < n) {
      size_t count = request.indices[i] < 0 ? 0 : static_cast<size_t>(request.indices[i]);
      size_t start = i + 1;
      if (count > n - start) count = n - start;
      if (count > 0) groups.push_back({start, count});
      i = start + count;
    }
  }
  return groups;
}
