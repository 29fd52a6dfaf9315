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

const int kPollMs = 20;

struct Search {
  DWORD process_id;
  const char *class_name;
  const char *title;
  HWND found;
};

BOOL CALLBACK match_window(HWND hwnd, LPARAM data) {
  Search &s = *reinterpret_cast<Search *>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != s.process_id || !IsWindowVisible(hwnd)) return TRUE;
  char name[256];
  GetClassNameA(hwnd, name, sizeof name);
  if (strcmp(name, s.class_name) != 0) return TRUE;
  if (s.title && window_text(hwnd) != s.title) return TRUE;
  s.found = hwnd;
  return FALSE;
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
  CloseHandle(program.process.hProcess);
  CloseHandle(program.process.hThread);
  program.running = false;
  return static_cast<int>(code);
}

void end_program(Program &program) {
  if (!program.running) return;
  TerminateProcess(program.process.hProcess, 99);
  WaitForSingleObject(program.process.hProcess, 5000);
  CloseHandle(program.process.hProcess);
  CloseHandle(program.process.hThread);
  program.running = false;
}

HWND wait_for_window(const Program &program, const char *class_name, const char *title,
                     int timeout_ms) {
  for (int waited = 0; waited <= timeout_ms; waited += kPollMs) {
    Search s{program.process.dwProcessId, class_name, title, nullptr};
    EnumWindows(match_window, reinterpret_cast<LPARAM>(&s));
    if (s.found) return s.found;
    Sleep(kPollMs);
  }
  return nullptr;
}

HWND wait_for_message_box(const Program &program, int timeout_ms) {
  return wait_for_window(program, "#32770", nullptr, timeout_ms);
}

HWND find_child(HWND parent, const char *class_name) {
  return FindWindowExA(parent, nullptr, class_name, nullptr);
}

std::string window_text(HWND window) {
  char text[1024];
  int n = GetWindowTextA(window, text, sizeof text);
  return std::string(text, n > 0 ? static_cast<size_t>(n) : 0);
}

std::string message_box_text(HWND box) {
  char text[1024];
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  return text;
}

void press_button(HWND dialog, int id) { PostMessageA(dialog, WM_COMMAND, id, 0); }

std::string wait_for_text(HWND window, const std::string &starts_with, int timeout_ms) {
  std::string text;
  for (int waited = 0; waited <= timeout_ms; waited += kPollMs) {
    text = window_text(window);
    if (text.compare(0, starts_with.size(), starts_with) == 0) break;
    Sleep(kPollMs);
  }
  return text;
}

std::string windows_path(const std::string &host_path) {
  std::string path = "Z:" + host_path;
  for (char &c : path)
    if (c == '/') c = '\\';
  return path;
}

bool save_screenshot(HWND window, const std::string &path) {
  RECT r;
  GetWindowRect(window, &r);
  int width = r.right - r.left, height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return false;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void *bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  DWORD stride = ((static_cast<DWORD>(width) * 3 + 3) / 4) * 4;
  DWORD image = stride * static_cast<DWORD>(height);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info.bmiHeader;
  file.bfSize = file.bfOffBits + image;
  FILE *out = fopen(path.c_str(), "wb");
  bool ok = out && fwrite(&file, sizeof file, 1, out) == 1 &&
            fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
            fwrite(bits, 1, image, out) == image;
  if (out) fclose(out);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return ok;
}

std::vector<MenuItemReport> read_menu(HWND frame) {
  std::vector<MenuItemReport> items;
  static HMODULE probe = LoadLibraryA(windows_path(MENU_PROBE_DLL).c_str());
  HOOKPROC hook = probe ? reinterpret_cast<HOOKPROC>(GetProcAddress(probe, "menu_probe_hook")) : nullptr;
  if (!hook) return items;
  const DWORD size = 65536;
  HANDLE section = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size, "UlmoMenuProbe");
  char *view = section ? static_cast<char *>(MapViewOfFile(section, FILE_MAP_ALL_ACCESS, 0, 0, 0)) : nullptr;
  HHOOK installed = view ? SetWindowsHookExA(WH_GETMESSAGE, hook, probe, GetWindowThreadProcessId(frame, nullptr)) : nullptr;
  if (installed) {
    view[0] = '\0';
    PostMessageA(frame, RegisterWindowMessageA("UlmoMenuProbe"), 0, 0);
    for (int waited = 0; waited < 10000 && !strstr(view, ".\n"); waited += kPollMs) Sleep(kPollMs);
    for (const char *line = view; *line && *line != '.';) {
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
    UnhookWindowsHookEx(installed);
  }
  if (view) UnmapViewOfFile(view);
  if (section) CloseHandle(section);
  return items;
}

const MenuItemReport *find_menu_item(const std::vector<MenuItemReport> &menu, int id) {
  for (const MenuItemReport &item : menu)
    if (item.id == id) return &item;
  return nullptr;
}
