// Helpers of the installer's UI scenarios (see installer_driver.h).
#include "installer_driver.h"

#include <cstdio>
#include <cstring>

namespace {

struct DialogSearch {
  DWORD process_id;
  bool visible_only;
  std::vector<HWND> found;
};

BOOL CALLBACK collect_dialog(HWND window, LPARAM data) {
  DialogSearch &s = *reinterpret_cast<DialogSearch *>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  if (pid == s.process_id && (!s.visible_only || IsWindowVisible(window)) && strcmp(name, "#32770") == 0)
    s.found.push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> program_dialogs(const Program &program, bool visible_only) {
  DialogSearch s{program.process.dwProcessId, visible_only, {}};
  EnumWindows(collect_dialog, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

HWND wait_for_dialog(const Program &program, const char *caption, HWND other, int timeout_ms) {
  HWND found = nullptr;
  std::string awaited = caption ? "a visible dialog titled \"" + std::string(caption) + "\"" : "a visible dialog";
  if (other) awaited += " besides " + describe_window(other);
  wait_until([&] {
    for (HWND w : program_dialogs(program))
      if (w != other && (!caption || window_text(w) == caption)) found = w;
    return found != nullptr;
  }, timeout_ms, awaited, [&] { return describe_program(program); });
  return found;
}

bool control_enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

bool wait_for_controls(HWND dialog, const std::vector<int> &ids, bool enabled, int timeout_ms) {
  auto states = [&] {
    std::string text;
    for (int id : ids)
      text += (text.empty() ? "" : ", ") + std::to_string(id) + (control_enabled(dialog, id) ? " enabled" : " disabled");
    return text;
  };
  return wait_until([&] {
    for (int id : ids)
      if (control_enabled(dialog, id) != enabled) return false;
    return true;
  }, timeout_ms, std::string("the controls of ") + describe_window(dialog) + " to be " + (enabled ? "enabled" : "disabled"),
                    states);
}

void type_into(HWND control, const std::string &text) {
  for (char c : text) send_message(control, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
}

std::vector<std::string> static_texts(HWND window) {
  std::vector<std::string> texts;
  for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    char name[64] = "";
    GetClassNameA(c, name, sizeof name);
    if (_stricmp(name, "Static") == 0) texts.push_back(window_text(c));
  }
  return texts;
}

std::string read_string(HKEY root, const std::string &key, const char *value) {
  HKEY k;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return "<none>";
  char buffer[1024] = "";
  DWORD type = 0, size = sizeof buffer - 1;
  LONG result = RegQueryValueExA(k, value, nullptr, &type, reinterpret_cast<BYTE *>(buffer), &size);
  RegCloseKey(k);
  if (result != ERROR_SUCCESS || type != REG_SZ) return "<none>";
  return buffer;
}

bool key_exists(HKEY root, const std::string &key) {
  HKEY k;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
  RegCloseKey(k);
  return true;
}

void write_string(HKEY root, const std::string &key, const char *value, const std::string &text) {
  HKEY k;
  if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr) != ERROR_SUCCESS) return;
  RegSetValueExA(k, value, 0, REG_SZ, reinterpret_cast<const BYTE *>(text.c_str()), DWORD(text.size() + 1));
  RegCloseKey(k);
}

std::string read_file(const std::string &path) {
  std::string bytes;
  FILE *in = fopen(path.c_str(), "rb");
  if (!in) return "<missing>";
  char block[4096];
  size_t got;
  while ((got = fread(block, 1, sizeof block, in)) > 0) bytes.append(block, got);
  fclose(in);
  return bytes;
}

void write_file(const std::string &path, const std::string &bytes) {
  for (size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
    CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
  FILE *out = fopen(path.c_str(), "wb");
  if (!out) return;
  fwrite(bytes.data(), 1, bytes.size(), out);
  fclose(out);
}

bool file_exists(const std::string &path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool directory_exists(const std::string &path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool is_read_only(const std::string &path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_READONLY);
}


std::string unified(std::string text) {
  for (size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
  return text;
}
