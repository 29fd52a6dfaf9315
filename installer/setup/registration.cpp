// Shell registration: what the installer leaves in and removes from the desktop shell.
//
// All registry work is best effort: a key that is missing or can't be opened leaves the
// other steps to run, and nothing here reports a registry failure. Only the shortcut
// texts and the "Trouble removing link" message reach the user. Every key opened here is
// closed here.
#include "setup/registration.h"

#include <cstdio>

#include "files/ascii.h"
#include "files/files.h"
#include "setup/shell_ops.h"

const char* const kStaleFileTypes[14] = {
    "ACS.Document",   "ASC.Document",     "Asy.Document",   "Cir.document",    "ECS.Document",
    "Net.Document",   "Raw.Document",     "Sp.Document",    "Corvex Netlist",  "Corvex Schematic",
    "Corvex.Netlist", "Corvex.Schematic", "Corvex.Symbol",  "Corvex.Rawfile",
};

const char kShellFoldersKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const char kUninstallEntryName[] = "Corvex IV";

namespace {

// The predecessor kept only its "1.0" settings below this; its shortcut folder and link had
// these names in both program menus.
const char kPredecessorCompany[] = "Software\\Halvex Corporation";
const char kPredecessorProduct[] = "Tessal CAD III";
const char kPredecessorLink[] = "Tessal CAD III\\TesCAD III.lnk";

std::string read_string(RegRoot root, const char* path, const char* value) {
  std::string text;
  RegKey key = shell_ops.open_key(root, path, RegAccess::read);
  if (!key) return text;
  if (!shell_ops.query_string(key, value, text)) text.clear();
  shell_ops.close_key(key);
  return text;
}

void delete_subkey(RegRoot root, const std::string& path, const char* name) {
  RegKey key = shell_ops.open_key(root, path.c_str(), RegAccess::all);
  if (!key) return;
  shell_ops.delete_subkey(key, name);
  shell_ops.close_key(key);
}

void remove_from_program_menu(const std::string& folder) {
  if (folder.empty()) return;
  std::string link = join_install_path(folder, kPredecessorLink);
  if (exists_as_file(link)) remove_shortcut(link);
  std::string menu = join_install_path(folder, kPredecessorProduct);
  if (exists_as_directory(menu)) remove_shortcut(menu);
}

std::string default_value(const std::string& key_path) {
  return read_string(RegRoot::classes_root, key_path.c_str(), nullptr);
}

void remove_file_type(const std::string& id) {
  const RegRoot root = RegRoot::classes_root;
  delete_subkey(root, id + "\\shell\\open\\ddeexec", "Application");
  for (const char* verb : {"open", "print", "printto"}) {
    delete_subkey(root, id + "\\shell\\" + verb, "ddeexec");
    delete_subkey(root, id + "\\shell\\" + verb, "command");
  }
  for (const char* verb : {"open", "print", "printto"}) delete_subkey(root, id + "\\shell", verb);
  delete_subkey(root, id, "DefaultIcon");
  delete_subkey(root, id, "shell");
  delete_subkey(root, "", id.c_str());
}

}  // namespace

std::string create_shortcut(ShortcutPlace place, std::string& link_path, const std::string& install_directory,
                            const std::string& program_base_name, const std::string& shortcut_name,
                            const std::string& description) {
  const bool desktop = place == ShortcutPlace::desktop;
  RegKey key = shell_ops.open_key(RegRoot::current_user, kShellFoldersKey, RegAccess::read);
  if (!key) return "Could't find startup Shell Folder location";
  std::string folder;
  if (!shell_ops.query_string(key, desktop ? "Desktop" : "Start Menu", folder)) folder.clear();
  if (!desktop && folder.empty() && !shell_ops.query_string(key, "Common Start Menu", folder)) folder.clear();
  shell_ops.close_key(key);
  if (folder.empty()) return desktop ? "Could't find Desktop location" : "Could't find Start Menu";

  link_path = folder + "\\" + shortcut_name + ".lnk";
  std::string target = install_directory + "\\" + program_base_name + ".exe";
  LinkOutcome outcome =
      shell_ops.save_link(link_path.c_str(), target.c_str(), install_directory.c_str(), description.c_str());
  if (!outcome.made) return std::string();  // no link object on this system: no shortcut, no complaint
  if (!outcome.save_ok) return desktop ? "Trouble saving link in desktop." : "Trouble saving link in startup menu.";
  if (!outcome.set_path_ok)
    return desktop ? "Trouble making link in desktop: SetPath() failed!"
                   : "Trouble making link in Start Menu: SetPath() failed!";
  return std::string();
}

// Nothing at the path is nothing to remove, not a failure.
void remove_shortcut(const std::string& path) {
  if (exists_as_file(path)) {
    if (remove_even_if_read_only(path) || !exists_as_file(path)) return;
  } else if (exists_as_directory(path)) {
    if (shell_ops.remove_directory(path.c_str())) return;
    file_ops.set_read_only(path.c_str(), false);
    if (shell_ops.remove_directory(path.c_str()) || !exists_as_directory(path)) return;
  } else {
    return;
  }
  std::string text = "Trouble removing link:\n\n" + path +
                     "\n\nYou will have to delete this by hand with the correct permisssions";
  shell_ops.show_message(text.c_str());
}

void remove_predecessor_shortcuts() {
  remove_from_program_menu(read_string(RegRoot::local_machine,
                                       "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                                       "Common Programs"));
  remove_from_program_menu(read_string(
      RegRoot::users, ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Programs"));
}

void remove_predecessor_settings() {
  const RegRoot root = RegRoot::local_machine;
  delete_subkey(root, std::string(kPredecessorCompany) + "\\" + kPredecessorProduct, "1.0");
  delete_subkey(root, kPredecessorCompany, kPredecessorProduct);
  delete_subkey(root, "Software", "Halvex Corporation");
}

void remove_stale_file_types() {
  for (const char* id : kStaleFileTypes)
    if (ascii_icontains(default_value(std::string(id) + "\\DefaultIcon"), "\\tesl3.exe,")) remove_file_type(id);
  for (int i = 0; i < 4; ++i) {
    const std::string id = kStaleFileTypes[i];
    if (!ascii_icontains(default_value(id), "Corvex")) continue;
    delete_subkey(RegRoot::classes_root, id, "ShellNew");
    delete_subkey(RegRoot::classes_root, "", id.c_str());
  }
}

void remove_predecessor_uninstall_entry() { delete_subkey(RegRoot::local_machine, kUninstallKey, kPredecessorProduct); }

std::string uninstall_command(const std::string& simulator_path) { return simulator_path + " -uninstall"; }

void register_uninstall_entry(const std::string& simulator_path) {
  RegKey uninstall = shell_ops.open_key(RegRoot::local_machine, kUninstallKey, RegAccess::create_subkey);
  if (!uninstall) return;
  shell_ops.create_subkey(uninstall, kUninstallEntryName);
  shell_ops.close_key(uninstall);
  std::string entry_path = std::string(kUninstallKey) + "\\" + kUninstallEntryName;
  RegKey entry = shell_ops.open_key(RegRoot::local_machine, entry_path.c_str(), RegAccess::set_value);
  if (!entry) return;
  shell_ops.set_string(entry, "DisplayName", kUninstallEntryName);
  shell_ops.set_string(entry, "UninstallString", uninstall_command(simulator_path));
  shell_ops.close_key(entry);
}

void write_uninstall_info(const std::string& info_path, const std::string& desktop_link,
                          const std::string& start_menu_link) {
  FILE* out = file_ops.open(info_path.c_str(), "w");
  if (!out) return;
  fprintf(out, "Link:%s\n", desktop_link.c_str());
  fprintf(out, "Link:%s\n", start_menu_link.c_str());
  fclose(out);
}
