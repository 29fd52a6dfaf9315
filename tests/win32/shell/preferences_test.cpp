// The "Preferences" dialog worked as a user would: a watcher thread finds it by its title,
// reads and changes its boxes and presses OK or Cancel while the test's thread runs it.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <utility>

#include "base/font_list.h"
#include "base/win32/font_list_win32.h"
#include "resources/preferences_ids.h"
#include "shell/settings.h"
#include "shell/win32/preferences.h"
#include "wait.h"

namespace {

std::string text_of(HWND dialog, int id) {
  char text[256];
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

LRESULT selection(HWND dialog, int id) { return SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0); }

void choose(HWND dialog, int id, const char *entry) {
  LRESULT i = SendDlgItemMessageA(dialog, id, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                  reinterpret_cast<LPARAM>(entry));
  ASSERT_GE(i, 0) << entry;
  SendDlgItemMessageA(dialog, id, CB_SETCURSEL, i, 0);
}

void set_check(HWND dialog, int id, bool on) {
  SendDlgItemMessageA(dialog, id, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

void press(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

HWND focus_of(HWND dialog) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) ? info.hwndFocus : nullptr;
}

std::pair<int, int> selection_of(HWND edit) {
  DWORD start = 0, end = 0;
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {static_cast<int>(start), static_cast<int>(end)};
}

struct Watcher {
  std::function<void(HWND)> script;
  bool found = false;
};

HWND find_dialog() {
  HWND dialog = FindWindowA("#32770", "Preferences");
  DWORD process = 0;
  if (dialog) GetWindowThreadProcessId(dialog, &process);
  return process == GetCurrentProcessId() && IsWindowVisible(dialog) ? dialog : nullptr;
}

DWORD WINAPI watch(void *arg) {
  Watcher *watcher = static_cast<Watcher *>(arg);
  HWND dialog = nullptr;
  if (!wait_until([&] { return (dialog = find_dialog()) != nullptr; }, 10000)) return 1;
  watcher->found = true;
  pause_for_a_look();
  watcher->script(dialog);
  return 0;
}

class Preferences : public ::testing::Test {
 protected:
  void SetUp() override {
    HDC screen = GetDC(nullptr);
    build_font_list(screen);
    ReleaseDC(nullptr, screen);
    settings() = default_settings();
  }
  void TearDown() override { free_font_list(); }

  // Runs the dialog with `script` working it; returns what show_preferences returned.
  bool run(std::function<void(HWND)> script) {
    Watcher watcher{std::move(script)};
    HANDLE thread = CreateThread(nullptr, 0, watch, &watcher, 0, nullptr);
    bool result = show_preferences(nullptr);
    WaitForSingleObject(thread, 15000);
    CloseHandle(thread);
    EXPECT_TRUE(watcher.found);
    return result;
  }
};

TEST_F(Preferences, OpensWithTheSettings) {
  settings().graph.text_size = 9;
  settings().graph.y_label_face = "No Such Face";
  settings().graph.graph_digits = -2;
  settings().detect_multiple_traces = 0;
  Settings before = settings();
  std::string shown[6], sizes[6], numbers[3];
  LRESULT y_label_entry = -1, text_size_entry = -1, size_count = 0, face_count = 0;
  bool checks[5];
  EXPECT_FALSE(run([&](HWND d) {
    const int faces[6] = {IDC_PREF_X_TITLE_FACE, IDC_PREF_Y_TITLE_FACE, IDC_PREF_X_LABEL_FACE,
                          IDC_PREF_Y_LABEL_FACE, IDC_PREF_LEGEND_FACE, IDC_PREF_TEXT_FACE};
    for (int i = 0; i < 6; i++) {
      shown[i] = text_of(d, faces[i]);
      sizes[i] = text_of(d, faces[i] + 1);
    }
    y_label_entry = selection(d, IDC_PREF_Y_LABEL_FACE);
    text_size_entry = selection(d, IDC_PREF_TEXT_SIZE);
    size_count = SendDlgItemMessageA(d, IDC_PREF_LEGEND_SIZE, CB_GETCOUNT, 0, 0);
    face_count = SendDlgItemMessageA(d, IDC_PREF_LEGEND_FACE, CB_GETCOUNT, 0, 0);
    numbers[0] = text_of(d, IDC_PREF_GRAPH_DIGITS);
    numbers[1] = text_of(d, IDC_PREF_TIC_MARKS);
    numbers[2] = text_of(d, IDC_PREF_CURSOR_DIGITS);
    checks[0] = IsDlgButtonChecked(d, IDC_PREF_DETECT_MULTIPLE);
    checks[1] = IsDlgButtonChecked(d, IDC_PREF_STATUS_BAR);
    checks[2] = IsDlgButtonChecked(d, IDC_PREF_SAVE_SETTINGS);
    checks[3] = IsDlgButtonChecked(d, IDC_PREF_DECIMAL);
    checks[4] = IsDlgButtonChecked(d, IDC_PREF_SCIENTIFIC);
    press(d, IDCANCEL);
  }));
  EXPECT_EQ(shown[0], "Times New Roman");
  EXPECT_EQ(shown[1], "Times New Roman");
  EXPECT_EQ(shown[2], "Arial");
  EXPECT_EQ(y_label_entry, 0);  // a face not in the list shows the first entry
  EXPECT_EQ(shown[3], program_font_list().fonts[0].face_name);   // the first enumerated
  EXPECT_EQ(shown[4], "Times New Roman");
  EXPECT_EQ(shown[5], "Times New Roman");
  EXPECT_EQ(sizes[0], "20");
  EXPECT_EQ(sizes[2], "18");
  EXPECT_EQ(sizes[5], "20");  // 9 is not in the list
  EXPECT_EQ(text_size_entry, 6);
  EXPECT_EQ(size_count, 33);
  EXPECT_GT(face_count, 2);
  EXPECT_EQ(numbers[0], "-2");
  EXPECT_EQ(numbers[1], "3");
  EXPECT_EQ(numbers[2], "4");
  EXPECT_FALSE(checks[0]);
  EXPECT_TRUE(checks[1]);
  EXPECT_TRUE(checks[2]);
  EXPECT_FALSE(checks[3]);
  EXPECT_TRUE(checks[4]);
  // Cancel changes nothing.
  EXPECT_EQ(settings().graph.text_size, 9);
  EXPECT_EQ(settings().graph.y_label_face, "No Such Face");
  EXPECT_EQ(settings().graph.graph_digits, before.graph.graph_digits);
}

TEST_F(Preferences, OkStoresWhatTheUserChose) {
  settings().graph.text_size = 9;
  EXPECT_TRUE(run([](HWND d) {
    choose(d, IDC_PREF_X_TITLE_FACE, "Arial");
    choose(d, IDC_PREF_LEGEND_FACE, "Courier New");
    choose(d, IDC_PREF_LEGEND_SIZE, "36");
    choose(d, IDC_PREF_X_LABEL_SIZE, "8");
    SetDlgItemTextA(d, IDC_PREF_GRAPH_DIGITS, "-2");
    SetDlgItemTextA(d, IDC_PREF_TIC_MARKS, "1000");
    SetDlgItemTextA(d, IDC_PREF_CURSOR_DIGITS, "7");
    set_check(d, IDC_PREF_DETECT_MULTIPLE, false);
    set_check(d, IDC_PREF_STATUS_BAR, false);
    set_check(d, IDC_PREF_SCIENTIFIC, false);
    set_check(d, IDC_PREF_DECIMAL, true);
    press(d, IDOK);
  }));
  const Settings &s = settings();
  EXPECT_EQ(s.graph.x_title_face, "Arial");
  EXPECT_EQ(s.graph.y_title_face, "Times New Roman");
  EXPECT_EQ(s.graph.legend_face, "Courier New");
  EXPECT_EQ(s.graph.legend_size, 36);
  EXPECT_EQ(s.graph.x_label_size, 8);
  EXPECT_EQ(s.graph.x_title_size, 20);
  EXPECT_EQ(s.graph.text_size, 20);  // shown as 20, stored as 20
  EXPECT_EQ(s.graph.graph_digits, -2);
  EXPECT_EQ(s.graph.tic_marks, 1000);
  EXPECT_EQ(s.cursor_digits, 7);
  EXPECT_EQ(s.detect_multiple_traces, 0);
  EXPECT_EQ(s.status_bar, 0);
  EXPECT_EQ(s.save_settings, 1);
  EXPECT_EQ(s.cursor_number_format, 0);
}

TEST_F(Preferences, OkWithTheStatusBarUnchangedReturnsFalse) {
  EXPECT_FALSE(run([](HWND d) {
    SetDlgItemTextA(d, IDC_PREF_TIC_MARKS, "5");
    press(d, IDOK);
  }));
  EXPECT_EQ(settings().graph.tic_marks, 5);
  settings().status_bar = 0;
  EXPECT_TRUE(run([](HWND d) {
    set_check(d, IDC_PREF_STATUS_BAR, true);
    press(d, IDOK);
  }));
  EXPECT_EQ(settings().status_bar, 1);
}

TEST_F(Preferences, CancelChangesNothing) {
  EXPECT_FALSE(run([](HWND d) {
    choose(d, IDC_PREF_TEXT_FACE, "Arial");
    SetDlgItemTextA(d, IDC_PREF_GRAPH_DIGITS, "9");
    set_check(d, IDC_PREF_STATUS_BAR, false);
    press(d, IDCANCEL);
  }));
  EXPECT_EQ(settings().graph.text_face, "Times New Roman");
  EXPECT_EQ(settings().graph.graph_digits, 1);
  EXPECT_EQ(settings().status_bar, 1);
}

TEST_F(Preferences, ABoxThatIsNotANumberKeepsTheDialogOpen) {
  bool refused = false, still_open = false;
  std::string after;
  run([&](HWND d) {
    SetDlgItemTextA(d, IDC_PREF_CURSOR_DIGITS, "four");
    SetDlgItemTextA(d, IDC_PREF_GRAPH_DIGITS, "3");
    press(d, IDOK);
    // OK was handled once the refused box has the focus with its text selected.
    HWND box = GetDlgItem(d, IDC_PREF_CURSOR_DIGITS);
    refused = wait_until([&] { return focus_of(d) == box && selection_of(box) == std::make_pair(0, 4); }, 10000);
    still_open = IsWindow(d) && IsWindowVisible(d);
    after = text_of(d, IDC_PREF_CURSOR_DIGITS);
    SetDlgItemTextA(d, IDC_PREF_CURSOR_DIGITS, "6");
    press(d, IDOK);
  });
  EXPECT_TRUE(refused) << "the box that is not a number is not focused and selected";
  EXPECT_TRUE(still_open);
  EXPECT_EQ(after, "four");
  EXPECT_EQ(settings().cursor_digits, 6);
  EXPECT_EQ(settings().graph.graph_digits, 3);
}

}  // namespace
