// XML wants its special characters escaped (the graph's ANSI texts become UTF-8 first, through
// ansi_to_utf8 of base/text.h).
#pragma once

#include <string>

// UTF-8 text as XML character data or attribute value: & < > " ' escaped, and control
// characters, which XML 1.0 cannot hold, replaced by U+FFFD.
std::string xml_escape(const std::string &utf8);
