// The install dialog's decisions that need no window: which controls are enabled, the
// texts it builds, and its starting directory.
#pragma once

#include <string>

// Enabled state of the install dialog's controls for one (accepted, busy) pair.
struct ControlEnabling {
  bool directory_controls;  // 1005, 1001, 1002 and "Install Now" (1007)
  bool accept_decline;      // 1003 and 1004
  bool cancel;              // always
};

ControlEnabling control_enabling(int accepted, int busy);

// "Installs Corvex IV <product version>"
std::string title_text(const std::string& product_version);

extern const char kDefaultInstallDirectory[];  // "C:\Program Files\HVX\CorvexIV"

// "<ProgramFilesDir>\HVX\CorvexIV" when that value names an existing directory, else the
// default.
std::string initial_install_directory(const std::string& program_files_dir, bool exists_as_directory);

// The folder browser's status: at most 35 characters of the path, then "..." if cut.
std::string browser_status_text(const std::string& path);

// The licence agreement shown in the read-only licence box, lines ending in "\r\n".
extern const char kLicenceText[];
