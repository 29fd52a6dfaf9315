// File-dialog filters: "Name(*.x)|*.x|All Files(*.*)|*.*|", whose last character is the
// separator of its parts.
#pragma once

#include <string>

// The filter in the platform's form: every separator becomes a terminating character, and
// the list ends with two of them. An empty filter stays empty.
std::string platform_filter(const std::string &filter);
