// The settings store in the per-user registry and the File menu's recent-file items.
#pragma once

#include <windows.h>

#include "../settings.h"

// HKCU "Software\Ulmo-Software\Ulmo-Postprocessor\Settings".
extern const char kSettingsKeyPath[];

// Installs the registry as the store of load_settings and save_settings.
void install_registry_settings_store();

// Installs `file_menu` (the File popup, whose handle stays the same while a maximized child
// puts its system menu in front of it) as the recent-file menu; `frame` is redrawn.
void install_file_menu(HWND frame, HMENU file_menu);

// Conversions between the record's placement and the platform's.
WINDOWPLACEMENT to_platform(const WindowPlacement &placement);
WindowPlacement from_platform(const WINDOWPLACEMENT &placement);
