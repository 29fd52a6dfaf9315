// The UI driver.
//
// Windows are found by enumerating the top-level windows and keeping those whose process is
// the program's; everything waits by polling, because the program runs in its own process
// and nothing tells the driver when it has drawn.
#include "driver.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// How long a program may take to end once terminated, and to answer the menu probe.
const int kEndMs = 20000;
const int kProbeMs = 10000;

struct Search {
  DWORD process_id;
  const char *class_name;
  const char *title;
  bool visible_only;
  HWND found;
};

BOOL CALLBACK match_window(HWND hwnd, LPARAM data) {
  Search &s = *reinterpret_cast<Search *>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != s.process_id || (s.visible_only && !IsWindowVisible(hwnd))) return TRUE;
  char name[256];
  GetClassNameA(hwnd, name, sizeof name);
  if (strcmp(name, s.class_name) != 0) return TRUE;
  if (s.title && window_text(hwnd) != s.title) return TRUE;
  s.found = hwnd;
  return FALSE;
}

HWND find_window(const Program &program, const char *class_name, const char *title, bool visible_only) {
  if (!program.running) return nullptr;
  Search s{program.process.dwProcessId, class_name, title, visible_only, nullptr};
  EnumWindows(match_window, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

void close_handles(Program &program) {
  CloseHandle(program.process.hProcess);
  CloseHandle(program.process.hThread);
  program.running = false;
}

// What the probe hook (menu_probe.dll) does with the message it is posted.
enum ProbeRequest : WPARAM { kReadMenu = 0, kMarkerOnly = 1, kReadPointer = 2 };

// Whether the hook has written all of its report: the lines, then "." on a line of its own.
bool report_complete(const char *report) {
  size_t n = strlen(report);
  return strcmp(report, ".\n") == 0 || (n >= 3 && strcmp(report + n - 3, "\n.\n") == 0);
}

// Posts the probe message to `window` and waits for the hook in the window's thread to write
// its report into the shared section; false on time-out.
bool probe(HWND window, ProbeRequest request, std::string &report, int timeout_ms, LPARAM argument = 0) {
  static HMODULE probe_dll = LoadLibraryA(windows_path(MENU_PROBE_DLL).c_str());
  HOOKPROC hook = probe_dll ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void *>(GetProcAddress(probe_dll, "menu_probe_hook"))) : nullptr;
  if (!hook) return false;
  const DWORD size = 65536;
  HANDLE section = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size, "UlmoMenuProbe");
  char *view = section ? static_cast<char *>(MapViewOfFile(section, FILE_MAP_ALL_ACCESS, 0, 0, 0)) : nullptr;
  HHOOK installed = view ? SetWindowsHookExA(WH_GETMESSAGE, hook, probe_dll, GetWindowThreadProcessId(window, nullptr)) : nullptr;
  bool answered = false;
  if (installed) {
    memset(view, 0, size);  // no earlier report may look like this one's end
    PostMessageA(window, RegisterWindowMessageA("UlmoMenuProbe"), request, argument);
    answered = wait_until([&] { return report_complete(view); }, timeout_ms);
    if (answered) report = view;
    UnhookWindowsHookEx(installed);
  }
  if (view) UnmapViewOfFile(view);
  if (section) CloseHandle(section);
  return answered;
}

}  // namespace

bool start_program(const std::string &exe, const std::string &arguments, Program &program,
                   const std::string &directory) {
  std::string command = "\"" + exe + "\"";
  if (!arguments.empty()) command += " " + arguments;
  std::vector<char> line(command.begin(), command.end());
  line.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  program = Program{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      directory.empty() ? nullptr : directory.c_str(), &startup, &program.process))
    return false;
  program.running = true;
  WaitForInputIdle(program.process.hProcess, 10000);
  return true;
}

int wait_for_exit(Program &program, int timeout_ms) {
  if (!program.running) return -1;
  if (WaitForSingleObject(program.process.hProcess, timeout_ms) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(program.process.hProcess, &code);
  close_handles(program);
  return static_cast<int>(code);
}

bool end_program(Program &program) {
  if (!program.running) return true;
  TerminateProcess(program.process.hProcess, 99);
  bool ended = WaitForSingleObject(program.process.hProcess, kEndMs) == WAIT_OBJECT_0;
  close_handles(program);
  return ended;
}

HWND wait_for_window(const Program &program, const char *class_name, const char *title,
                     int timeout_ms) {
  HWND found = nullptr;
  wait_until([&] { return (found = find_window(program, class_name, title, true)) != nullptr; }, timeout_ms);
  return found;
}

HWND find_any_window(const Program &program, const char *class_name, const char *title) {
  return find_window(program, class_name, title, false);
}

HWND wait_for_message_box(const Program &program, int timeout_ms) {
  return wait_for_window(program, "#32770", nullptr, timeout_ms);
}

HWND find_child(HWND parent, const char *class_name) {
  return FindWindowExA(parent, nullptr, class_name, nullptr);
}

bool wait_until_destroyed(HWND window, int timeout_ms) {
  return wait_until([&] { return !IsWindow(window); }, timeout_ms);
}

bool wait_for_posted_messages(HWND window, int timeout_ms) {
  std::string report;
  return probe(window, kMarkerOnly, report, timeout_ms);
}

std::string window_text(HWND window) {
  char text[1024];
  int n = GetWindowTextA(window, text, sizeof text);
  return std::string(text, n > 0 ? static_cast<size_t>(n) : 0);
}

std::string listed_text(HWND box, int index) {
  char name[32] = "";
  GetClassNameA(box, name, sizeof name);
  bool combo = lstrcmpiA(name, "ComboBox") == 0;
  LRESULT length = SendMessageW(box, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return "";
  std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(box, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&wide[0]));
  int n = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(n > 0 ? static_cast<size_t>(n) : 1, '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, &out[0], n, nullptr, nullptr);
  out.resize(strlen(out.c_str()));
  return out;
}

std::string message_box_text(HWND box) {
  char text[1024];
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  return text;
}

void press_button(HWND dialog, int id) { PostMessageA(dialog, WM_COMMAND, id, 0); }

std::string wait_for_text(HWND window, const std::string &starts_with, int timeout_ms) {
  std::string text;
  wait_until([&] {
    text = window_text(window);
    return text.compare(0, starts_with.size(), starts_with) == 0;
  }, timeout_ms);
  return text;
}

std::string windows_path(const std::string &host_path) {
  std::string path = "Z:" + host_path;
  for (char &c : path)
    if (c == '/') c = '\\';
  return path;
}

std::string read_pointer(HWND window, int resource) {
  std::string report;
  if (!probe(window, kReadPointer, report, kProbeMs, resource)) return "";
  return report.substr(0, report.find('\n'));
}

std::vector<MenuItemReport> read_menu(HWND frame) {
  std::vector<MenuItemReport> items;
  std::string report;
  if (!probe(frame, kReadMenu, report, kProbeMs)) return items;
  for (const char *line = report.c_str(); *line && *line != '.';) {
    const char *end = strchr(line, '\n');
    if (!end) break;
    MenuItemReport item{};
    int consumed = 0;
    if (sscanf(line, "%d %d %u%n", &item.popup, &item.id, &item.state, &consumed) >= 3) {
      const char *text = line + consumed;
      if (text < end && *text == ' ') ++text;
      item.text.assign(text, end);
      items.push_back(item);
    }
    line = end + 1;
  }
  return items;
}

const MenuItemReport *find_menu_item(const std::vector<MenuItemReport> &menu, int id) {
  for (const MenuItemReport &item : menu)
    if (item.id == id) return &item;
  return nullptr;
}
