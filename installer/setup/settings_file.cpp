// The simulator writes "tesl3.ini" into the Windows directory. Under Wine that directory
// may be WINDIR or the prefix itself; on Windows above version 5 a write without rights
// there is redirected into the user's VirtualStore, so the file is looked for where it
// really lies. Only the final fallback names a file that may not exist.
#include "setup/settings_file.h"

#include "files/files.h"
#include "setup/shell_ops.h"

namespace {

const char kSettingsFile[] = "tesl3.ini";

std::string existing(const std::string& directory) {
  std::string path = join_install_path(directory, kSettingsFile);
  return exists_as_file(path) ? path : std::string();
}

// WINDIR without its drive: "C:\windows" -> "\windows".
std::string without_drive(const std::string& path) {
  size_t colon = path.find(':');
  return colon == std::string::npos ? path : path.substr(colon + 1);
}

}  // namespace

std::string find_settings_file() {
  std::string windir, home, local_app_data;
  bool have_windir = shell_ops.get_env("WINDIR", windir);
  if (shell_ops.running_under_wine()) {
    if (have_windir) {
      std::string found = existing(windir);
      if (!found.empty()) return found;
    }
    if (shell_ops.get_env("HOME", home)) {
      std::string found = existing(join_install_path(home, ".wine"));
      if (!found.empty()) return found;
    }
  }
  if (shell_ops.nt_major_version() > 5 && have_windir && shell_ops.get_env("LOCALAPPDATA", local_app_data)) {
    std::string store = join_install_path(local_app_data, "VirtualStore");
    std::string found = existing(join_install_path(store, without_drive(windir)));
    if (!found.empty()) return found;
  }
  return have_windir ? join_install_path(windir, kSettingsFile) : std::string();
}
