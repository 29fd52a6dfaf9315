#include "dialog_watcher.h"

#include <cstring>
#include <vector>

#include "driver.h"

namespace {

// How long the watcher looks for its dialog, and how long a dialog may stay open after the
// script before the watcher cancels it.
const int kFindMs = 5000;
const int kLeftOpenMs = 3000;

struct Search {
  std::string title;
  HWND found;
};

BOOL CALLBACK find_dialog(HWND hwnd, LPARAM lparam) {
  Search *search = reinterpret_cast<Search *>(lparam);
  char name[16], text[256];
  GetClassNameA(hwnd, name, sizeof name);
  GetWindowTextA(hwnd, text, sizeof text);
  if (strcmp(name, "#32770") == 0 && IsWindowVisible(hwnd) &&
      (search->title.empty() || search->title == text)) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

HWND find_dialog_now(DWORD thread, const std::string &title) {
  Search search{title, nullptr};
  EnumThreadWindows(thread, find_dialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

HWND wait_for_dialog(DWORD thread, const std::string &title, int timeout_ms) {
  HWND dialog = nullptr;
  wait_until([&] { return (dialog = find_dialog_now(thread, title)) != nullptr; }, timeout_ms);
  return dialog;
}

bool wait_until_gone(DWORD thread, const std::string &title, int timeout_ms) {
  return wait_until([&] { return find_dialog_now(thread, title) == nullptr; }, timeout_ms);
}

void DialogWatcher::start(const std::string &title, std::function<void(HWND)> act) {
  ui_thread_ = GetCurrentThreadId();
  title_ = title;
  act_ = std::move(act);
  found_ = false;
  finished_ = false;
  thread_ = CreateThread(nullptr, 0, run, this, 0, nullptr);
}

DWORD WINAPI DialogWatcher::run(void *self) {
  DialogWatcher *w = static_cast<DialogWatcher *>(self);
  // Once the call has returned its dialog cannot come any more.
  HWND dialog = nullptr;
  wait_until([&] { return w->finished_ || (dialog = find_dialog_now(w->ui_thread_, w->title_)) != nullptr; }, kFindMs);
  if (dialog) {
    w->found_ = true;
    w->act_(dialog);
  }
  // Until the test's call has returned, a dialog left open would block it: cancel it.
  while (!wait_until([w] { return w->finished_.load(); }, kLeftOpenMs))
    if (HWND left = find_dialog_now(w->ui_thread_, "")) PostMessageA(left, WM_COMMAND, IDCANCEL, 0);
  return 0;
}

bool DialogWatcher::finish() {
  finished_ = true;
  if (thread_) {
    WaitForSingleObject(thread_, 60000);
    CloseHandle(thread_);
    thread_ = nullptr;
  }
  return found_;
}

DialogWatcher::~DialogWatcher() { finish(); }

std::string control_text(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  if (!control) return "<no control " + std::to_string(id) + ">";
  return window_text(control);
}

int list_count(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)); }

std::string list_entry(HWND list, int index) {
  LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR) return "<no entry>";
  std::vector<char> text(static_cast<size_t>(length) + 1);
  SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  return text.data();
}

int list_selection(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0)); }

HWND focus_of(DWORD thread) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(thread, &info)) return nullptr;
  return info.hwndFocus;
}

void click(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void double_click(HWND control, int x, int y) {
  LPARAM at = MAKELPARAM(x, y);
  PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(control, WM_LBUTTONUP, 0, at);
  PostMessageA(control, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  PostMessageA(control, WM_LBUTTONUP, 0, at);
}

void double_click_entry(HWND list, int index) {
  RECT r{};
  SendMessageA(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
  double_click(list, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

testing::AssertionResult screenshot(HWND window, const std::string &name) {
  std::string folder = windows_path(ULMO_SCREENSHOT_DIR);
  CreateDirectoryA(folder.c_str(), nullptr);
  return save_screenshot(window, GetSysColor(COLOR_BTNFACE), folder + "\\" + name + ".bmp");
}
