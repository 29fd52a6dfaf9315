// Registry store and File-menu binding of the settings; see settings_registry.h.
//
// Every access opens the key path anew and closes it again. "Software" must exist; the
// three keys below it are created when missing. A path that cannot be opened makes reads
// fail (the record keeps its default) and writes do nothing, without a message.
#include "settings_registry.h"

#include <vector>

const char kSettingsKeyPath[] = "Software\\Ulmo-Software\\Ulmo-Postprocessor\\Settings";

namespace {

HKEY open_settings_key() {
  HKEY software;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ | KEY_WRITE, &software) != ERROR_SUCCESS)
    return nullptr;
  HKEY key = software;
  for (const char *name : {"Ulmo-Software", "Ulmo-Postprocessor", "Settings"}) {
    HKEY next;
    LONG rc = RegCreateKeyExA(key, name, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &next, nullptr);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS) return nullptr;
    key = next;
  }
  return key;
}

bool read_text(const char *name, std::string &value) {
  HKEY key = open_settings_key();
  if (!key) return false;
  DWORD size = 0;
  bool ok = RegQueryValueExA(key, name, nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS;
  if (ok) {
    std::vector<char> buffer(size + 1, '\0');
    ok = RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE *>(buffer.data()),
                          &size) == ERROR_SUCCESS;
    if (ok) value.assign(buffer.data());   // up to the terminating character
  }
  RegCloseKey(key);
  return ok;
}

bool read_number(const char *name, uint32_t &value) {
  HKEY key = open_settings_key();
  if (!key) return false;
  // The stored type is not validated: any value of four bytes is taken as the number.
  DWORD number = 0, size = sizeof number;
  bool ok = RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE *>(&number),
                             &size) == ERROR_SUCCESS;
  RegCloseKey(key);
  if (ok) value = number;
  return ok;
}

void write_text(const char *name, const std::string &value) {
  HKEY key = open_settings_key();
  if (!key) return;
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
  RegCloseKey(key);
}

void write_number(const char *name, uint32_t value) {
  HKEY key = open_settings_key();
  if (!key) return;
  DWORD number = value;
  RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE *>(&number), sizeof number);
  RegCloseKey(key);
}

HWND g_frame;
HMENU g_file_menu;

void append_separator() { AppendMenuA(g_file_menu, MF_SEPARATOR, 0, nullptr); }

void remove_separator() {
  int last = GetMenuItemCount(g_file_menu) - 1;
  if (last >= 0 && (GetMenuState(g_file_menu, last, MF_BYPOSITION) & MF_SEPARATOR))
    DeleteMenu(g_file_menu, last, MF_BYPOSITION);
}

void append_item(int id, const std::string &text) {
  AppendMenuA(g_file_menu, MF_STRING, id, text.c_str());
}

void set_item_text(int id, const std::string &text) {
  ModifyMenuA(g_file_menu, id, MF_BYCOMMAND | MF_STRING, id, text.c_str());
}

void remove_item(int id) { DeleteMenu(g_file_menu, id, MF_BYCOMMAND); }

void redraw() {
  if (g_frame) DrawMenuBar(g_frame);
}

}  // namespace

void install_registry_settings_store() {
  install_settings_store({read_text, read_number, write_text, write_number});
}

void install_file_menu(HWND frame, HMENU file_menu) {
  g_frame = frame;
  g_file_menu = file_menu;
  install_recent_file_menu({append_separator, remove_separator, append_item, set_item_text,
                            remove_item, redraw});
}

WINDOWPLACEMENT to_platform(const WindowPlacement &p) {
  WINDOWPLACEMENT w{};
  w.length = sizeof w;
  w.flags = p.flags;
  w.showCmd = p.show;
  w.ptMinPosition = {p.min_x, p.min_y};
  w.ptMaxPosition = {p.max_x, p.max_y};
  w.rcNormalPosition = {p.left, p.top, p.right, p.bottom};
  return w;
}

WindowPlacement from_platform(const WINDOWPLACEMENT &w) {
  WindowPlacement p;
  p.length = sizeof p;
  p.flags = w.flags;
  p.show = w.showCmd;
  p.min_x = w.ptMinPosition.x;
  p.min_y = w.ptMinPosition.y;
  p.max_x = w.ptMaxPosition.x;
  p.max_y = w.ptMaxPosition.y;
  p.left = w.rcNormalPosition.left;
  p.top = w.rcNormalPosition.top;
  p.right = w.rcNormalPosition.right;
  p.bottom = w.rcNormalPosition.bottom;
  return p;
}
