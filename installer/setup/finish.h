// The install dialog's finishing steps once the extraction worker is done.
#pragma once

#include <string>

extern const char kSimulatorBaseName[];  // "tesl3"
extern const char kShortcutName[];       // "Corvex IV"
extern const char kShortcutDescription[];

// "<install directory>\tesl3.exe"
std::string simulator_path(const std::string& install_directory);

// Registers the installation with the shell, reports success and starts the simulator, in
// that order; does nothing when the simulator isn't in the install directory. A shortcut
// that can't be made is reported and ends the steps there.
void finish_installation(const std::string& install_directory, int update_mode);
