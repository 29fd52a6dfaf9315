// Installs the Windows message box, fatal exit and status bar into the UI table.
#pragma once

#include <windows.h>

void install_win32_ui(HWND frame);
