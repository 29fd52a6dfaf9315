// Shell registration of the installed suite: shortcuts, the predecessor's leftovers, stale
// file types, the uninstall entry and ".\uninstall.info".
#pragma once

#include <string>

// Which of the two shortcuts: they differ in their shell-folder values and error texts.
enum class ShortcutPlace { desktop, start_menu };

// Makes "<folder>\<shortcut name>.lnk" pointing at "<install dir>\<base name>.exe" with the
// install directory as working directory. link_path is set as soon as it is known, even
// when a later step fails. Returns "" on success, else the error text to show.
std::string create_shortcut(ShortcutPlace place, std::string& link_path, const std::string& install_directory,
                            const std::string& program_base_name, const std::string& shortcut_name,
                            const std::string& description);

// Removes a shortcut file or an empty shortcut folder; says so when it can't.
void remove_shortcut(const std::string& path);

void remove_predecessor_shortcuts();
void remove_predecessor_settings();
void remove_stale_file_types();
void remove_predecessor_uninstall_entry();
void register_uninstall_entry(const std::string& simulator_path);
void write_uninstall_info(const std::string& info_path, const std::string& desktop_link,
                          const std::string& start_menu_link);

// The uninstall entry's value: the simulator's full path, unquoted, then " -uninstall".
std::string uninstall_command(const std::string& simulator_path);

// The 14 file-type identifiers, in the order they are examined.
extern const char* const kStaleFileTypes[14];

extern const char kShellFoldersKey[];  // below HKEY_CURRENT_USER
extern const char kUninstallKey[];     // below HKEY_LOCAL_MACHINE
extern const char kUninstallEntryName[];
