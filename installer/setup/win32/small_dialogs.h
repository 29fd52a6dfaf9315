// The two questions the install dialog asks: overwrite or update, and whether to quit.
#pragma once

#include <windows.h>

// 1 for "Update Installation", 0 for "Overwrite Installation(Recommended)", -1 on Cancel.
int ask_update_mode(HWND owner);
// True when the user answers "Yes" to "Reallly Quit installing Corvex IV?".
bool ask_quit(HWND owner);
