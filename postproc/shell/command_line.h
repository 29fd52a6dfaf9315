// The data file named on the program's command line.
#pragma once

#include <string>

// The path to open at start-up, or empty: a command line in double quotes loses its first and
// last character; one that begins with "/" names no file.
std::string command_line_data_path(const char *command_line);
