// The finishing steps, in the order the user sees their effects: the predecessor's
// shortcuts go before the new ones are made, the uninstall information is written only
// once both shortcuts exist, success is reported before the registry is cleaned, and the
// simulator starts last, after a fresh installation has lost the old settings file.
#include "setup/finish.h"

#include "files/files.h"
#include "setup/registration.h"
#include "setup/settings_file.h"
#include "setup/shell_ops.h"

const char kSimulatorBaseName[] = "tesl3";
const char kShortcutName[] = "Corvex IV";
const char kShortcutDescription[] = "Halvex Corporation's Corvex IV";

namespace {

void delete_settings_file() {
  std::string path = find_settings_file();
  if (path.empty() || !exists_as_file(path)) return;
  remove_even_if_read_only(path);
}

bool make_shortcut(ShortcutPlace place, std::string& link, const std::string& install_directory) {
  std::string error =
      create_shortcut(place, link, install_directory, kSimulatorBaseName, kShortcutName, kShortcutDescription);
  if (error.empty()) return true;
  shell_ops.show_message(error.c_str());
  return false;
}

}  // namespace

std::string simulator_path(const std::string& install_directory) {
  return join_install_path(install_directory, std::string(".\\") + kSimulatorBaseName + ".exe");
}

void finish_installation(const std::string& install_directory, int update_mode) {
  const std::string simulator = simulator_path(install_directory);
  if (!exists_as_file(simulator)) return;
  remove_predecessor_shortcuts();
  std::string desktop_link, start_menu_link;
  if (!make_shortcut(ShortcutPlace::desktop, desktop_link, install_directory)) return;
  if (!make_shortcut(ShortcutPlace::start_menu, start_menu_link, install_directory)) return;
  write_uninstall_info(join_install_path(install_directory, ".\\uninstall.info"), desktop_link, start_menu_link);
  shell_ops.show_message(update_mode == 1 ? "Corvex IV has been successfully updated"
                                          : "Corvex IV has been successfully installed");
  remove_predecessor_settings();
  remove_stale_file_types();
  remove_predecessor_uninstall_entry();
  register_uninstall_entry(simulator);
  if (update_mode != 1) delete_settings_file();
  shell_ops.start_program("\"" + simulator + "\"", install_directory);
}
