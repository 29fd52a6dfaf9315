// The native shell-operation table for the installer tests (see fake_shell_ops.h).
#include "fake_shell_ops.h"

#include <sys/stat.h>
#include <unistd.h>

#include "fake_file_ops.h"
#include "files/ascii.h"

FakeShell fake_shell;

namespace {

std::string lower(std::string s) {
  for (char& c : s) c = char(ascii_lower(static_cast<unsigned char>(c)));
  return s;
}

const char* root_name(RegRoot root) {
  switch (root) {
    case RegRoot::classes_root: return "HKCR";
    case RegRoot::current_user: return "HKCU";
    case RegRoot::local_machine: return "HKLM";
    case RegRoot::users: return "HKU";
  }
  return "?";
}

struct Handle {
  std::string path;  // as opened, original case
};

std::string path_of(RegKey key) { return static_cast<Handle*>(key)->path; }

std::string child(const std::string& parent, const char* name) {
  return name && *name ? parent + "\\" + name : parent;
}

RegKey open_key(RegRoot root, const char* path, RegAccess) {
  std::string full = child(root_name(root), path);
  if (fake_shell.denied.count(lower(full)) || !fake_shell.has_key(full)) return nullptr;
  return new Handle{full};
}

bool create_subkey(RegKey parent, const char* name) {
  fake_shell.add_key(child(path_of(parent), name));
  return true;
}

bool query_string(RegKey key, const char* value, std::string& text) {
  auto& values = fake_shell.keys[lower(path_of(key))];
  auto it = values.find(lower(value ? value : ""));
  if (it == values.end() || !it->second.is_string) return false;
  text = it->second.text.substr(0, 259);  // a 260-byte buffer
  return true;
}

bool set_string(RegKey key, const char* value, const std::string& text) {
  fake_shell.log.push_back("set: " + path_of(key) + " " + value + "=" + text);
  fake_shell.keys[lower(path_of(key))][lower(value)] = FakeValue{true, text};
  return true;
}

bool delete_subkey(RegKey parent, const char* name) {
  std::string full = lower(child(path_of(parent), name));
  if (!fake_shell.keys.count(full)) return false;
  for (auto& k : fake_shell.keys)
    if (k.first.compare(0, full.size() + 1, full + "\\") == 0) return false;  // has subkeys
  fake_shell.keys.erase(full);
  fake_shell.log.push_back("delete: " + child(path_of(parent), name));
  return true;
}

void close_key(RegKey key) { delete static_cast<Handle*>(key); }

LinkOutcome save_link(const char* link_path, const char* target, const char* working_directory,
                      const char* description) {
  fake_shell.log.push_back(std::string("link: ") + link_path + " -> " + target + " in " + working_directory +
                           " \"" + description + "\"");
  if (fake_shell.link_outcome.made && fake_shell.link_outcome.save_ok) write_host_file(host_path(link_path), "lnk");
  return fake_shell.link_outcome;
}

bool remove_directory(const char* path) { return rmdir(host_path(path).c_str()) == 0; }

void show_message(const char* text) { fake_shell.log.push_back(std::string("message: ") + text); }

bool get_env(const char* name, std::string& value) {
  auto it = fake_shell.env.find(name);
  if (it == fake_shell.env.end()) return false;
  value = it->second;
  return true;
}

bool running_under_wine() { return fake_shell.wine; }
int nt_major_version() { return fake_shell.nt_major; }

bool start_program(const std::string& command_line, const std::string& directory) {
  fake_shell.log.push_back("start: " + command_line + " in " + directory);
  return true;
}

}  // namespace

void FakeShell::reset() { *this = FakeShell(); }

void FakeShell::add_key(const std::string& path) {
  for (size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1)) keys[lower(path.substr(0, at))];
  keys[lower(path)];
}

void FakeShell::set(const std::string& path, const std::string& value, const std::string& text, bool is_string) {
  add_key(path);
  keys[lower(path)][lower(value)] = FakeValue{is_string, text};
}

bool FakeShell::has_key(const std::string& path) const {
  return path.find('\\') == std::string::npos || keys.count(lower(path)) != 0;
}

std::string FakeShell::get(const std::string& path, const std::string& value) const {
  auto k = keys.find(lower(path));
  if (k == keys.end()) return "<none>";
  auto v = k->second.find(lower(value));
  return v == k->second.end() ? "<none>" : v->second.text;
}

std::vector<std::string> FakeShell::logged(const std::string& kind) const {
  std::vector<std::string> out;
  for (const std::string& e : log)
    if (e.compare(0, kind.size() + 2, kind + ": ") == 0) out.push_back(e.substr(kind.size() + 2));
  return out;
}

ShellOps shell_ops = {open_key,      create_subkey, query_string,       set_string,       delete_subkey,
                      close_key,     save_link,     remove_directory,   show_message,     get_env,
                      running_under_wine, nt_major_version, start_program};
