// The Windows table of shell operations and the window that owns its message boxes.
#pragma once

#include <windows.h>

// The install dialog while it is up; message boxes of the finishing steps belong to it.
extern HWND shell_message_owner;

extern const char kInstallerCaption[];  // "Corvex IV Installation"
