// The welcome dialog offered at start-up.
#pragma once

#include <windows.h>

enum class WelcomeChoice { Cancelled, ExistingGraph, ExistingDataFile, LastGraph, LastDataFile };

// Asks how to begin. On a choice, "DisplayWelcome" becomes 0 when "Do not display this
// screen again" is ticked and 1 otherwise; Cancel changes nothing. The frame does the opening.
WelcomeChoice show_welcome(HWND frame);
