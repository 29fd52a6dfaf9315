// The graph's texts are bytes of the Windows ANSI code page; files written natively want
// UTF-8, and XML wants its special characters escaped.
#pragma once

#include <string>

// Windows-1252 to UTF-8. Bytes the code page leaves undefined become U+FFFD.
std::string utf8_from_ansi(const std::string &text);

// UTF-8 text as XML character data or attribute value: & < > " ' escaped, and control
// characters, which XML 1.0 cannot hold, replaced by U+FFFD.
std::string xml_escape(const std::string &utf8);
