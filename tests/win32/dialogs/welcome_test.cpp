// The welcome dialog worked from a watcher thread: the four choices, the disabled "last"
// choices, the check box's effect on "DisplayWelcome", and Cancel.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "dialog_watcher.h"
#include "resources/dialog_ids.h"
#include "shell/settings.h"
#include "shell/win32/welcome.h"

namespace {

const char kTitle[] = "Welcome to Ulmo-Postprocessor";

class Welcome : public ::testing::Test {
 protected:
  void SetUp() override {
    ui_thread = GetCurrentThreadId();
    set_setting_text("LastGraph", "C:\\graphs\\last.upg");
    set_setting_text("LastDataFile", "C:\\data\\last.out");
    set_setting_number("DisplayWelcome", 1);
  }
  void TearDown() override { settings() = default_settings(); }

  DWORD ui_thread;
  DialogWatcher watcher;
};

struct Radio {
  int id;
  const char *text;
};
const Radio kRadios[] = {
    {IDC_WELCOME_EXISTING_GRAPH, "Open an existing Graph"},
    {IDC_WELCOME_LAST_GRAPH, "Open your last Graph"},
    {IDC_WELCOME_EXISTING_DATA_FILE, "Open an existing Data File"},
    {IDC_WELCOME_LAST_DATA_FILE, "Open your last Data File"},
};

TEST_F(Welcome, OpensWithExistingGraphChecked) {
  std::string texts;
  int checked[4];
  bool enabled[4];
  std::string check_box, ok, cancel;
  testing::AssertionResult shot = testing::AssertionFailure() << "no picture taken";
  watcher.start(kTitle, [&](HWND dialog) {
    for (int i = 0; i < 4; i++) {
      texts += control_text(dialog, kRadios[i].id) + "|";
      checked[i] = IsDlgButtonChecked(dialog, kRadios[i].id);
      enabled[i] = IsWindowEnabled(GetDlgItem(dialog, kRadios[i].id)) != 0;
    }
    check_box = control_text(dialog, IDC_WELCOME_DONT_SHOW);
    ok = control_text(dialog, IDOK);
    cancel = control_text(dialog, IDCANCEL);
    shot = screenshot(dialog, "welcome");
    click(dialog, IDOK);
  });
  EXPECT_EQ(show_welcome(nullptr), WelcomeChoice::ExistingGraph);
  ASSERT_TRUE(watcher.finish());
  EXPECT_TRUE(shot);
  EXPECT_EQ(texts, "Open an existing Graph|Open your last Graph|Open an existing Data File|"
                   "Open your last Data File|");
  EXPECT_EQ(checked[0], BST_CHECKED);
  for (int i = 1; i < 4; i++) EXPECT_EQ(checked[i], BST_UNCHECKED) << i;
  for (int i = 0; i < 4; i++) EXPECT_TRUE(enabled[i]) << i;
  EXPECT_EQ(check_box, "Do not display this screen again");
  EXPECT_EQ(ok, "OK");
  EXPECT_EQ(cancel, "Cancel");
  EXPECT_EQ(setting_number("DisplayWelcome"), 1);
}

TEST_F(Welcome, EachChoiceByOk) {
  const WelcomeChoice expected[] = {WelcomeChoice::ExistingGraph, WelcomeChoice::LastGraph,
                                    WelcomeChoice::ExistingDataFile, WelcomeChoice::LastDataFile};
  for (int i = 0; i < 4; i++) {
    watcher.start(kTitle, [&](HWND dialog) {
      click(dialog, kRadios[i].id);
      click(dialog, IDOK);
    });
    EXPECT_EQ(show_welcome(nullptr), expected[i]) << kRadios[i].text;
    ASSERT_TRUE(watcher.finish());
  }
}

TEST_F(Welcome, EachChoiceByDoubleClick) {
  const WelcomeChoice expected[] = {WelcomeChoice::ExistingGraph, WelcomeChoice::LastGraph,
                                    WelcomeChoice::ExistingDataFile, WelcomeChoice::LastDataFile};
  for (int i = 0; i < 4; i++) {
    watcher.start(kTitle, [&](HWND dialog) { double_click(GetDlgItem(dialog, kRadios[i].id), 5, 5); });
    EXPECT_EQ(show_welcome(nullptr), expected[i]) << kRadios[i].text;
    ASSERT_TRUE(watcher.finish());
  }
}

TEST_F(Welcome, LastChoicesDisabledWhenTheirSettingIsEmpty) {
  struct Row {
    const char *graph, *data;
    bool graph_enabled, data_enabled;
  } rows[] = {
      {"", "", false, false},
      {"C:\\g.upg", "", true, false},
      {"", "C:\\d.out", false, true},
  };
  for (const Row &r : rows) {
    set_setting_text("LastGraph", r.graph);
    set_setting_text("LastDataFile", r.data);
    bool graph = true, data = true, existing_graph = false, existing_data = false;
    testing::AssertionResult shot = testing::AssertionSuccess();
    watcher.start(kTitle, [&](HWND dialog) {
      graph = IsWindowEnabled(GetDlgItem(dialog, IDC_WELCOME_LAST_GRAPH)) != 0;
      data = IsWindowEnabled(GetDlgItem(dialog, IDC_WELCOME_LAST_DATA_FILE)) != 0;
      existing_graph = IsWindowEnabled(GetDlgItem(dialog, IDC_WELCOME_EXISTING_GRAPH)) != 0;
      existing_data = IsWindowEnabled(GetDlgItem(dialog, IDC_WELCOME_EXISTING_DATA_FILE)) != 0;
      if (!r.graph_enabled && !r.data_enabled) shot = screenshot(dialog, "welcome-disabled");
      click(dialog, IDCANCEL);
    });
    EXPECT_EQ(show_welcome(nullptr), WelcomeChoice::Cancelled);
    ASSERT_TRUE(watcher.finish());
    EXPECT_EQ(graph, r.graph_enabled) << r.graph << "|" << r.data;
    EXPECT_EQ(data, r.data_enabled) << r.graph << "|" << r.data;
    EXPECT_TRUE(existing_graph);
    EXPECT_TRUE(existing_data);
    EXPECT_TRUE(shot);
  }
}

TEST_F(Welcome, CheckBoxTurnsTheWelcomeOff) {
  watcher.start(kTitle, [&](HWND dialog) {
    click(dialog, IDC_WELCOME_DONT_SHOW);
    click(dialog, IDC_WELCOME_LAST_DATA_FILE);
    click(dialog, IDOK);
  });
  EXPECT_EQ(show_welcome(nullptr), WelcomeChoice::LastDataFile);
  ASSERT_TRUE(watcher.finish());
  EXPECT_EQ(setting_number("DisplayWelcome"), 0);

  // Unticked again on the next start, a choice turns it back on.
  set_setting_number("DisplayWelcome", 5);
  watcher.start(kTitle, [&](HWND dialog) { click(dialog, IDOK); });
  EXPECT_EQ(show_welcome(nullptr), WelcomeChoice::ExistingGraph);
  ASSERT_TRUE(watcher.finish());
  EXPECT_EQ(setting_number("DisplayWelcome"), 1);
}

TEST_F(Welcome, CancelChangesNothing) {
  set_setting_number("DisplayWelcome", 7);
  watcher.start(kTitle, [&](HWND dialog) {
    click(dialog, IDC_WELCOME_DONT_SHOW);
    click(dialog, IDC_WELCOME_LAST_GRAPH);
    click(dialog, IDCANCEL);
  });
  EXPECT_EQ(show_welcome(nullptr), WelcomeChoice::Cancelled);
  ASSERT_TRUE(watcher.finish());
  EXPECT_EQ(setting_number("DisplayWelcome"), 7);
  EXPECT_EQ(setting_text("LastGraph"), "C:\\graphs\\last.upg");
}

}  // namespace
