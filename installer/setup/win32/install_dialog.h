// The install dialog (resource 100): licence, directory, installation and its progress.
#pragma once

#include <windows.h>

// Shows the dialog modally until the installation ends or the user leaves.
void run_install_dialog(HINSTANCE instance);
