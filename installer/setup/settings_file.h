// Where the installed simulator keeps its settings file "tesl3.ini".
#pragma once

#include <string>

// The settings file to delete for a fresh start, or "" when there is none to name.
std::string find_settings_file();
