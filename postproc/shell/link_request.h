// The simulator's link text: "path;tokens", parsed into a request that the graph builder
// takes over. Pure text handling; the clipboard and the messages live in the Win32 half.
#pragma once

#include <string>
#include <vector>

// The three link messages, WM_APP+5..7.
const unsigned kAppMessageBase = 0x8000;                // the platform's WM_APP
const unsigned kLinkOneGraph = kAppMessageBase + 5;      // one graph, one trace per index
const unsigned kLinkGraphPerIndex = kAppMessageBase + 6; // one graph per index
const unsigned kLinkGroups = kAppMessageBase + 7;        // counted groups, one graph per group

const size_t kLinkTextLimit = 1023;
const size_t kLinkIndexLimit = 128;

struct LinkRequest {
  unsigned message;
  std::string path;               // the text before the first ";"
  std::vector<int> indices;       // variable indices, at most 128
  bool log_x, log_y;
  std::string function;           // last function token, empty for none
};

struct LinkGroup {
  size_t start, count;            // a run of `indices`
};

// Parses clipboard text; text longer than 1023 characters is cut there.
LinkRequest parse_link_text(unsigned message, const std::string &text);

// The graph windows a request asks for, as runs of its indices.
std::vector<LinkGroup> link_groups(const LinkRequest &request);
