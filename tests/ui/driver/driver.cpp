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

// How long a program may take to end once terminated, to answer the menu probe, and to take
// a message sent to it.
const int kEndMs = 20000;
const int kProbeMs = 10000;
const int kSendMs = 20000;
// How long a failed wait's description may wait for a box to tell its text.
const int kDescribeMs = 1000;

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

std::string in_quotes(const std::string &text) { return "\"" + text + "\""; }

std::string class_of(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

// The text a message box shows, asked for briefly: a description must not hang on a box
// whose thread is stuck.
std::string box_text_for_description(HWND box) {
  char text[1024] = "";
  DWORD_PTR copied = 0;
  HWND label = GetDlgItem(box, 0xFFFF);
  if (!label || !SendMessageTimeoutA(label, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                                     SMTO_ABORTIFHUNG, kDescribeMs, &copied))
    return "";
  return text;
}

struct ProcessWindows {
  DWORD process_id;
  std::vector<HWND> found;
};

BOOL CALLBACK collect_window(HWND hwnd, LPARAM data) {
  ProcessWindows &p = *reinterpret_cast<ProcessWindows *>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == p.process_id) p.found.push_back(hwnd);
  return TRUE;
}

DWORD process_of(HWND window) {
  DWORD pid = 0;
  if (window) GetWindowThreadProcessId(window, &pid);
  return pid;
}

// Posts the probe message to `window` and waits for the hook in the window's thread to write
// its report into the shared section; false on time-out, reported as waiting for `awaited`.
bool probe(HWND window, ProbeRequest request, std::string &report, int timeout_ms, const std::string &awaited,
           LPARAM argument = 0) {
  static HMODULE probe_dll = LoadLibraryA(windows_path(MENU_PROBE_DLL).c_str());
  HOOKPROC hook = probe_dll ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void *>(GetProcAddress(probe_dll, "menu_probe_hook"))) : nullptr;
  if (!hook) {
    report_line("[  DRIVER  ] the probe hook of " + std::string(MENU_PROBE_DLL) + " cannot be loaded, so " + awaited +
                " cannot be waited for");
    return false;
  }
  const DWORD pid = process_of(window);
  const std::string target = describe_window(window);
  const DWORD size = 65536;
  HANDLE section = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size, "UlmoMenuProbe");
  char *view = section ? static_cast<char *>(MapViewOfFile(section, FILE_MAP_ALL_ACCESS, 0, 0, 0)) : nullptr;
  HHOOK installed = view ? SetWindowsHookExA(WH_GETMESSAGE, hook, probe_dll, GetWindowThreadProcessId(window, nullptr)) : nullptr;
  bool answered = false;
  if (installed) {
    memset(view, 0, size);  // no earlier report may look like this one's end
    PostMessageA(window, RegisterWindowMessageA("UlmoMenuProbe"), request, argument);
    answered = wait_until([&] { return report_complete(view); }, timeout_ms, awaited + " of " + target,
                          [&] { return describe_windows_of(pid); });
    if (answered) report = view;
    UnhookWindowsHookEx(installed);
  } else {
    report_line("[  DRIVER  ] the probe hook cannot be set on the thread of " + target + ", so " + awaited +
                " cannot be waited for");
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
                      directory.empty() ? nullptr : directory.c_str(), &startup, &program.process)) {
    const DWORD error = GetLastError();
    report_line("[  DRIVER  ] cannot start " + command + ": error " + std::to_string(error));
    return false;
  }
  program.running = true;
  WaitForInputIdle(program.process.hProcess, 10000);
  return true;
}

int wait_for_exit(Program &program, int timeout_ms) {
  if (!program.running) return -1;
  if (WaitForSingleObject(program.process.hProcess, timeout_ms > 0 ? timeout_ms : 0) != WAIT_OBJECT_0) {
    if (timeout_ms > 0) report_timeout("the program to end", timeout_ms, describe_program(program));
    return -1;
  }
  DWORD code = 0;
  GetExitCodeProcess(program.process.hProcess, &code);
  close_handles(program);
  return static_cast<int>(code);
}

bool end_program(Program &program) {
  if (!program.running) return true;
  TerminateProcess(program.process.hProcess, 99);
  bool ended = WaitForSingleObject(program.process.hProcess, kEndMs) == WAIT_OBJECT_0;
  if (!ended) report_timeout("the terminated program to end", kEndMs, describe_program(program));
  close_handles(program);
  return ended;
}

HWND wait_for_window(const Program &program, const char *class_name, const char *title,
                     int timeout_ms) {
  HWND found = nullptr;
  std::string awaited = "a visible window of class " + in_quotes(class_name);
  if (title) awaited += " titled " + in_quotes(title);
  wait_until([&] { return (found = find_window(program, class_name, title, true)) != nullptr; }, timeout_ms,
             awaited, [&] { return describe_program(program); });
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
  const DWORD pid = process_of(window);
  return wait_until([&] { return !IsWindow(window); }, timeout_ms, "the end of " + describe_window(window),
                    [&] { return "it is still there; the windows of its process: " + describe_windows_of(pid); });
}

bool wait_for_posted_messages(HWND window, int timeout_ms) {
  std::string report;
  return probe(window, kMarkerOnly, report, timeout_ms, "the messages posted before to be taken by the thread");
}

bool wait_until_gone(HWND window, int timeout_ms) {
  return wait_until([&] { return !IsWindow(window) || !IsWindowVisible(window); }, timeout_ms,
                    describe_window(window) + " to close or hide", [&] { return describe_window(window); });
}

bool wait_until_no_window(const Program &program, const char *class_name, const char *title, int timeout_ms) {
  std::string awaited = "the program to have no window of class " + in_quotes(class_name);
  if (title) awaited += " titled " + in_quotes(title);
  return wait_until([&] { return find_window(program, class_name, title, false) == nullptr; }, timeout_ms, awaited,
                    [&] { return describe_program(program); });
}

namespace {

std::string describe_children(HWND parent) {
  std::string text;
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    text += (text.empty() ? "" : ", ") + describe_window(c);
  return text.empty() ? "no child" : text;
}

}  // namespace

HWND wait_for_child_window(HWND parent, const char *class_name, int timeout_ms) {
  HWND found = nullptr;
  wait_until([&] { return (found = FindWindowExA(parent, nullptr, class_name, nullptr)) != nullptr; }, timeout_ms,
             "a child of class " + in_quotes(class_name) + " in " + describe_window(parent),
             [&] { return describe_children(parent); });
  return found;
}

bool wait_until_no_child_window(HWND parent, const char *class_name, int timeout_ms) {
  return wait_until([&] { return FindWindowExA(parent, nullptr, class_name, nullptr) == nullptr; }, timeout_ms,
                    "no child of class " + in_quotes(class_name) + " in " + describe_window(parent),
                    [&] { return describe_children(parent); });
}

std::string describe_window(HWND window) {
  if (!window || !IsWindow(window)) return "no window";
  std::string text = in_quotes(class_of(window)) + " " + in_quotes(window_text(window));
  if (!IsWindowVisible(window)) text += " (hidden)";
  if (class_of(window) == "#32770") {
    std::string said;
    for (char c : box_text_for_description(window))   // the report stays one line
      if (c != '\r') said += c == '\n' ? std::string("\\n") : std::string(1, c);
    if (!said.empty()) text += " saying " + in_quotes(said);
  }
  return text;
}

std::string describe_windows_of(DWORD process_id) {
  ProcessWindows p{process_id, {}};
  EnumWindows(collect_window, reinterpret_cast<LPARAM>(&p));
  std::string text;
  int hidden = 0;
  for (HWND w : p.found) {
    // Hidden windows are the platform's own (input methods, COM) but for a box not yet shown.
    if (!IsWindowVisible(w) && class_of(w) != "#32770") {
      hidden++;
      continue;
    }
    text += (text.empty() ? "" : ", ") + describe_window(w);
  }
  if (text.empty()) text = "no window shown";
  return text + " (and " + std::to_string(hidden) + " hidden windows)";
}

std::string describe_program(const Program &program) {
  if (!program.running) return "no program running (it was never started, or has been ended)";
  DWORD code = 0;
  if (WaitForSingleObject(program.process.hProcess, 0) == WAIT_OBJECT_0 &&
      GetExitCodeProcess(program.process.hProcess, &code))
    return "the program ended with exit code " + std::to_string(code);
  return "the program running with " + describe_windows_of(program.process.dwProcessId);
}

namespace {

LRESULT send_bounded(HWND window, UINT message, WPARAM wparam, LPARAM lparam, bool wide) {
  DWORD_PTR result = 0;
  const std::string target = describe_window(window);   // before: the message may change it
  const LRESULT taken =
      wide ? SendMessageTimeoutW(window, message, wparam, lparam, SMTO_NORMAL, kSendMs, &result)
           : SendMessageTimeoutA(window, message, wparam, lparam, SMTO_NORMAL, kSendMs, &result);
  if (!taken && IsWindow(window)) {
    char number[16];
    snprintf(number, sizeof number, "0x%04X", message);
    report_timeout("the thread of " + target + " to take message " + number, kSendMs,
                   "the windows of its process: " + describe_windows_of(process_of(window)));
  }
  return taken ? static_cast<LRESULT>(result) : 0;
}

}  // namespace

LRESULT send_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return send_bounded(window, message, wparam, lparam, false);
}

LRESULT send_message_wide(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return send_bounded(window, message, wparam, lparam, true);
}

std::string dialog_item_text(HWND dialog, int id) {
  std::vector<char> text(16384, '\0');
  LRESULT n = send_message(GetDlgItem(dialog, id), WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  return std::string(text.data(), n > 0 ? size_t(n) : 0);
}

void set_window_text(HWND window, const std::string &text) {
  send_message(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void set_control_text(HWND dialog, int id, const std::string &text) { set_window_text(GetDlgItem(dialog, id), text); }

void click_control(HWND dialog, int id) { send_message(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

std::string window_text(HWND window) {
  char text[1024];
  int n = GetWindowTextA(window, text, sizeof text);
  return std::string(text, n > 0 ? static_cast<size_t>(n) : 0);
}

std::string listed_text(HWND box, int index) {
  char name[32] = "";
  GetClassNameA(box, name, sizeof name);
  bool combo = lstrcmpiA(name, "ComboBox") == 0;
  LRESULT length = send_message_wide(box, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return "";
  std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
  send_message_wide(box, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&wide[0]));
  int n = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(n > 0 ? static_cast<size_t>(n) : 1, '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, &out[0], n, nullptr, nullptr);
  out.resize(strlen(out.c_str()));
  return out;
}

std::string message_box_text(HWND box) { return dialog_item_text(box, 0xFFFF); }

void press_button(HWND dialog, int id) { PostMessageA(dialog, WM_COMMAND, id, 0); }

std::string wait_for_text(HWND window, const std::string &starts_with, int timeout_ms) {
  std::string text;
  wait_until([&] {
    text = window_text(window);
    return text.compare(0, starts_with.size(), starts_with) == 0;
  }, timeout_ms, "the text of " + describe_window(window) + " to start with " + in_quotes(starts_with),
             [&] { return in_quotes(text); });
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
  if (!probe(window, kReadPointer, report, kProbeMs, "the pointer's report", resource)) return "";
  return report.substr(0, report.find('\n'));
}

std::vector<MenuItemReport> read_menu(HWND frame) {
  std::vector<MenuItemReport> items;
  std::string report;
  if (!probe(frame, kReadMenu, report, kProbeMs, "the menu's report")) return items;
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
