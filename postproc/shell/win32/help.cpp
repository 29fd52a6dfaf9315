// Help: "ulmogpp.chm" beside the executable, shown by the HTML Help viewer.
//
// The viewer library is found through the registered path of its control class, else by
// name; its display-topic entry point is ordinal 14. When either is missing help does
// nothing, silently, until the program is restarted.
#include <windows.h>

#include <string>

#include "app.h"

namespace {

using HtmlHelpFunction = HWND(WINAPI *)(HWND, LPCSTR, UINT, DWORD_PTR);
const WORD kHtmlHelpOrdinal = 14;   // the viewer's entry point
const UINT kDisplayTopic = 0;
const char kControlKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";

std::string registered_viewer_path() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kControlKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return "";
  char value[MAX_PATH] = {};
  DWORD size = sizeof value - 1, type = 0;
  LONG rc = RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE *>(value), &size);
  RegCloseKey(key);
  if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return "";
  if (type == REG_SZ) return value;
  char expanded[MAX_PATH] = {};
  DWORD n = ExpandEnvironmentStringsA(value, expanded, sizeof expanded);
  return n > 0 && n <= sizeof expanded ? expanded : "";
}

HtmlHelpFunction find_viewer() {
  std::string path = registered_viewer_path();
  HMODULE library = path.empty() ? nullptr : LoadLibraryA(path.c_str());
  if (!library) library = LoadLibraryA("hhctrl.ocx");
  if (!library) return nullptr;
  FARPROC entry = GetProcAddress(library, MAKEINTRESOURCEA(kHtmlHelpOrdinal));
  return reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void *>(entry));
}

std::string help_file_path() {
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, sizeof exe);
  std::string path = exe;
  size_t slash = path.rfind('\\');
  return path.substr(0, slash == std::string::npos ? 0 : slash + 1) + "ulmogpp.chm";
}

}  // namespace

void show_help() {
  static bool tried = false;
  static HtmlHelpFunction viewer = nullptr;
  if (!tried) {
    tried = true;
    viewer = find_viewer();
  }
  if (viewer) viewer(app().frame, help_file_path().c_str(), kDisplayTopic, 0);
}
