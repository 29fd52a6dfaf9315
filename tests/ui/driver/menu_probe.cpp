// menu_probe.dll: reads a program's menu bar from inside its process.
//
// Menus belong to the process that made them, so the driver cannot read them from outside
// under Wine. It installs this DLL's message hook on the program's window thread and posts
// the registered message "UlmoMenuProbe" to the frame; in the program, the hook sends the
// frame WM_INITMENU exactly as opening a menu does, then writes every item of every popup
// as "popup id state text" lines into the shared section of the same name. Posted with
// wParam 1 it only writes the end line: the driver then learns that the thread has taken
// every message posted before the probe. Posted with wParam 2 it names the pointer the
// thread shows: "resource N" for the program's cursor resource N (lParam), "arrow", "none"
// or "other"; cursors too belong to the process that loaded them.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string describe_menu_bar(HMENU bar) {
  std::string out;
  char text[600], line[700];
  for (int i = 0; i < GetMenuItemCount(bar); ++i) {
    HMENU popup = GetSubMenu(bar, i);
    for (int j = 0; popup && j < GetMenuItemCount(popup); ++j) {
      text[0] = '\0';
      GetMenuStringA(popup, j, text, sizeof text, MF_BYPOSITION);
      snprintf(line, sizeof line, "%d %d %u %s\n", i, static_cast<int>(GetMenuItemID(popup, j)),
               GetMenuState(popup, j, MF_BYPOSITION), text);
      out += line;
    }
  }
  return out;
}

std::string describe_pointer(int resource) {
  HCURSOR shown = GetCursor();
  if (!shown) return "none";
  if (shown == LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource)))
    return "resource " + std::to_string(resource);
  if (shown == LoadCursorA(nullptr, IDC_ARROW)) return "arrow";
  return "other";
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK menu_probe_hook(int code, WPARAM wparam, LPARAM lparam) {
  static const UINT probe = RegisterWindowMessageA("UlmoMenuProbe");
  const MSG *msg = reinterpret_cast<const MSG *>(lparam);
  if (code >= 0 && wparam == PM_REMOVE && msg->message == probe) {
    std::string report = ".\n";
    if (msg->wParam == 0) {
      HMENU bar = GetMenu(msg->hwnd);
      SendMessageA(msg->hwnd, WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0);
      report = describe_menu_bar(bar) + report;
    } else if (msg->wParam == 2) {
      report = describe_pointer(static_cast<int>(msg->lParam)) + "\n" + report;
    }
    if (HANDLE section = OpenFileMappingA(FILE_MAP_WRITE, FALSE, "UlmoMenuProbe")) {
      if (char *view = static_cast<char *>(MapViewOfFile(section, FILE_MAP_WRITE, 0, 0, 0))) {
        lstrcpynA(view, report.c_str(), 65536);
        UnmapViewOfFile(view);
      }
      CloseHandle(section);
    }
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}
