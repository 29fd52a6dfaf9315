// Installs the Windows message box, fatal exit and status drawing into the UI table.
#pragma once

#include <windows.h>

void install_win32_ui(HWND frame);
