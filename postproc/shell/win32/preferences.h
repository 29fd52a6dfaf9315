// The "Preferences" dialog (2201) over the program's settings record.
#pragma once

#include <windows.h>

// Modal. OK stores the dialog into the record, Cancel leaves it alone. Returns true when OK
// changed "StatusBar"; the frame then shows or hides the status bar and lays itself out.
bool show_preferences(HWND owner);
