// The shell's folder browser for the install directory.
#pragma once

#include <windows.h>

#include <string>

// Opens the browser on `directory`; true and the chosen folder in `directory` when the user
// picked one.
bool browse_for_install_directory(HWND owner, std::string& directory);
