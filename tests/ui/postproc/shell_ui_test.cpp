// The frame of ulmogpp.exe as a user works it: the welcome dialog, the menus, recent files
// and settings across runs, the window placement, the link from the simulator.
//
// The program and this driver share one Wine prefix, so the driver reads and seeds the
// program's registry settings directly. Each scenario starts from an empty settings key; a
// program ended by end_program is killed and saves nothing, one closed by WM_CLOSE saves.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "driver.h"
#include "resources/dialog_ids.h"

namespace {

const int kWait = 20000;
const char kKey[] = "Software\\Ulmo-Software\\Ulmo-Postprocessor\\Settings";
const char kWelcome[] = "Welcome to Ulmo-Postprocessor";

std::string sample(const char *name) { return windows_path(std::string(ULMO_SAMPLES) + "/" + name); }
std::string scratch(const char *name) { return windows_path(std::string(ULMO_SCRATCH) + "/" + name); }
std::string shot(const char *name) { return std::string(ULMO_SCRATCH) + "/" + name; }

void set_text(const char *name, const std::string &value) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr), ERROR_SUCCESS);
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(value.c_str()), value.size() + 1);
  RegCloseKey(key);
}

void set_number(const char *name, DWORD value) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr), ERROR_SUCCESS);
  RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE *>(&value), sizeof value);
  RegCloseKey(key);
}

// The stored value as text ("<none>" when absent); numbers in decimal.
std::string stored(const char *name) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return "<none>";
  BYTE data[1024] = {};
  DWORD size = sizeof data - 1, type = 0;
  LONG rc = RegQueryValueExA(key, name, nullptr, &type, data, &size);
  RegCloseKey(key);
  if (rc != ERROR_SUCCESS) return "<none>";
  if (type == REG_DWORD) return std::to_string(*reinterpret_cast<DWORD *>(data));
  return reinterpret_cast<char *>(data);
}

bool grayed(const std::vector<MenuItemReport> &menu, int id) {
  const MenuItemReport *item = find_menu_item(menu, id);
  EXPECT_NE(item, nullptr) << "no menu item " << id;
  return item && (item->state & MF_GRAYED);
}

std::string item_text(const std::vector<MenuItemReport> &menu, int id) {
  const MenuItemReport *item = find_menu_item(menu, id);
  return item ? item->text : "<none>";
}

void click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
bool checked(HWND dialog, int id) { return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

class Shell : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Ulmo-Software"); }
  void TearDown() override { end_program(program); }

  // Starts the program; returns its frame once it is up.
  HWND start(const std::string &command_line) {
    end_program(program);
    if (!start_program(windows_path(ULMOGPP), command_line, program)) return nullptr;
    frame = wait_for_window(program, "AppFrame", "Ulmo-Postprocessor", kWait);
    status = frame ? find_child(frame, "Status") : nullptr;
    return frame;
  }
  HWND dialog(const char *title, int timeout = kWait) { return wait_for_window(program, "#32770", title, timeout); }
  // Closes the frame as the user does, which saves the settings.
  void close() {
    PostMessageA(frame, WM_CLOSE, 0, 0);
    ASSERT_EQ(wait_for_exit(program, kWait), 0);
  }
  void command(int id) { PostMessageA(frame, WM_COMMAND, id, 0); }
  // Whether `window` went away within the time-out (a dialog closes after its button's
  // message was handled, not when it was posted).
  static bool gone(HWND window, int timeout = kWait) {
    for (int waited = 0; IsWindow(window) && IsWindowVisible(window); waited += 20) {
      if (waited >= timeout) return false;
      Sleep(20);
    }
    return true;
  }

  Program program{};
  HWND frame = nullptr;
  HWND status = nullptr;
};

TEST_F(Shell, WelcomeDialogComesWithAnEmptyCommandLineOnly) {
  ASSERT_NE(start(""), nullptr);
  HWND welcome = dialog(kWelcome);
  ASSERT_NE(welcome, nullptr);
  EXPECT_TRUE(checked(welcome, IDC_WELCOME_EXISTING_GRAPH));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(welcome, IDC_WELCOME_LAST_GRAPH)));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(welcome, IDC_WELCOME_LAST_DATA_FILE)));
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(welcome, IDC_WELCOME_EXISTING_DATA_FILE)));
  EXPECT_TRUE(save_screenshot(GetDesktopWindow(), shot("welcome.bmp")));
  press_button(welcome, IDCANCEL);
  EXPECT_TRUE(gone(welcome));
  EXPECT_EQ(wait_for_text(status, "Data File: None", kWait), "Data File: None");
  EXPECT_EQ(wait_for_message_box(program, 500), nullptr);

  // The lines are owned here: a pointer into a temporary path would dangle by the second turn.
  for (const std::string &line : {std::string("/x"), sample("amplifier-transient.out")}) {
    ASSERT_NE(start(line), nullptr);
    EXPECT_EQ(dialog(kWelcome, 1500), nullptr) << line;
  }
}

TEST_F(Shell, WelcomeExistingDataFileOpensTheDialogAndTheFileBecomesRecent) {
  std::string path = sample("filter-ac.out");
  ASSERT_NE(start(""), nullptr);
  HWND welcome = dialog(kWelcome);
  ASSERT_NE(welcome, nullptr);
  click(welcome, IDC_WELCOME_EXISTING_DATA_FILE);
  press_button(welcome, IDOK);
  HWND open = dialog("Open");
  ASSERT_NE(open, nullptr);
  // The first filter of string 800 is chosen; the pattern "*.out" went into the list.
  HWND filter = GetDlgItem(open, 0x470);
  EXPECT_EQ(SendMessageA(filter, CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageA(filter, CB_GETCURSEL, 0, 0), 0);
  SetWindowTextA(GetDlgItem(open, 0x47c), path.c_str());   // the file-name box
  press_button(open, IDOK);
  EXPECT_EQ(wait_for_text(status, "Data File: Z", kWait), "Data File: " + path);
  std::vector<MenuItemReport> menu = read_menu(frame);
  EXPECT_EQ(item_text(menu, 10010), path);
  close();
  EXPECT_EQ(stored("File1"), path);
  EXPECT_EQ(stored("File2"), "");
  EXPECT_EQ(stored("LastDataFile"), path);
  EXPECT_EQ(stored("DisplayWelcome"), "1");

  // The next run has it in the File menu, and choosing it opens it.
  ASSERT_NE(start("/x"), nullptr);
  menu = read_menu(frame);
  EXPECT_EQ(item_text(menu, 10010), path);
  EXPECT_EQ(find_menu_item(menu, 10011), nullptr);
  command(10010);
  EXPECT_EQ(wait_for_text(status, "Data File: Z", kWait), "Data File: " + path);
}

TEST_F(Shell, WelcomeLastDataFileOpensIt) {
  std::string path = sample("amplifier-transient.out");
  set_text("LastDataFile", path);
  set_text("LastGraph", scratch("last.upg"));
  ASSERT_NE(start(""), nullptr);
  HWND welcome = dialog(kWelcome);
  ASSERT_NE(welcome, nullptr);
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(welcome, IDC_WELCOME_LAST_GRAPH)));
  ASSERT_TRUE(IsWindowEnabled(GetDlgItem(welcome, IDC_WELCOME_LAST_DATA_FILE)));
  click(welcome, IDC_WELCOME_LAST_DATA_FILE);
  press_button(welcome, IDOK);
  EXPECT_EQ(wait_for_text(status, "Data File: Z", kWait), "Data File: " + path);
}

TEST_F(Shell, WelcomeExistingGraphAndDoNotDisplayAgain) {
  ASSERT_NE(start(""), nullptr);
  HWND welcome = dialog(kWelcome);
  ASSERT_NE(welcome, nullptr);
  click(welcome, IDC_WELCOME_DONT_SHOW);
  press_button(welcome, IDOK);   // "Open an existing Graph": no data file dialog
  EXPECT_EQ(dialog("Open", 1500), nullptr);
  close();
  EXPECT_EQ(stored("DisplayWelcome"), "0");
  ASSERT_NE(start(""), nullptr);
  EXPECT_EQ(dialog(kWelcome, 1500), nullptr);
  EXPECT_EQ(window_text(status), "Data File: None");
}

TEST_F(Shell, WithSaveSettingsOffTheWelcomeChoiceIsNotKept) {
  set_number("SaveSettings", 0);
  ASSERT_NE(start(""), nullptr);
  HWND welcome = dialog(kWelcome);
  ASSERT_NE(welcome, nullptr);
  click(welcome, IDC_WELCOME_DONT_SHOW);
  press_button(welcome, IDOK);
  Sleep(300);
  close();
  EXPECT_EQ(stored("DisplayWelcome"), "<none>");
  EXPECT_EQ(stored("SaveSettings"), "0");
  EXPECT_EQ(stored("File1"), "");
  EXPECT_EQ(stored("WindowPosition"), "<none>");
  ASSERT_NE(start(""), nullptr);
  EXPECT_NE(dialog(kWelcome), nullptr);
}

TEST_F(Shell, AFailingRecentFileIsRemoved) {
  std::string missing = scratch("gone.out"), present = sample("filter-ac.out");
  DeleteFileA(missing.c_str());
  set_text("File1", missing);
  set_text("File3", present);   // the gap is closed when the list is read
  ASSERT_NE(start("/x"), nullptr);
  std::vector<MenuItemReport> menu = read_menu(frame);
  EXPECT_EQ(item_text(menu, 10010), missing);
  EXPECT_EQ(item_text(menu, 10011), present);
  command(10010);
  HWND box = wait_for_message_box(program, kWait);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(message_box_text(box), "Can't open the file '" + missing + "'");
  press_button(box, IDOK);
  EXPECT_EQ(wait_for_text(status, "Data File: None", kWait), "Data File: None");
  Sleep(300);
  menu = read_menu(frame);
  EXPECT_EQ(item_text(menu, 10010), present);
  EXPECT_EQ(find_menu_item(menu, 10011), nullptr);
  close();
  EXPECT_EQ(stored("File1"), present);
  EXPECT_EQ(stored("File2"), "");
}

TEST_F(Shell, RecentFileWithoutExtensionGetsDotOut) {
  std::string base = sample("amplifier-transient.out");
  base.resize(base.size() - 4);   // a stored path without its extension
  if (base.find('.') != std::string::npos) GTEST_SKIP() << "the samples' folder has a dot: " << base;
  set_text("File1", base);
  ASSERT_NE(start("/x"), nullptr);
  command(10010);
  EXPECT_EQ(wait_for_text(status, "Data File: Z", kWait), "Data File: " + base + ".out");
}

TEST_F(Shell, MaximizedComesBackMaximizedAndMinimizedComesBackNormal) {
  ASSERT_NE(start("/x"), nullptr);
  ShowWindow(frame, SW_MAXIMIZE);
  Sleep(300);
  close();
  EXPECT_EQ(stored("WindowPosition").substr(0, 4), "0,3,");
  ASSERT_NE(start("/x"), nullptr);
  Sleep(300);
  EXPECT_TRUE(IsZoomed(frame));
  EXPECT_TRUE(save_screenshot(GetDesktopWindow(), shot("frame-maximized.bmp")));
  ShowWindow(frame, SW_MINIMIZE);
  Sleep(300);
  close();
  // Minimized from maximized: the platform's flags say it would restore maximized.
  EXPECT_EQ(stored("WindowPosition").substr(0, 4), "2,2,");
  ASSERT_NE(start("/x"), nullptr);
  Sleep(300);
  EXPECT_FALSE(IsIconic(frame));
  EXPECT_FALSE(IsZoomed(frame));
}

TEST_F(Shell, NinePlacementNumbersAreIgnored) {
  set_text("WindowPosition", "0,1,0,0,0,0,100,100,300");
  ASSERT_NE(start("/x"), nullptr);
  RECT r;
  GetWindowRect(frame, &r);
  EXPECT_GT(r.right - r.left, 200);   // the default size, not a 200-pixel sliver
}

TEST_F(Shell, MenuEnablingWithoutAndWithData) {
  ASSERT_NE(start("/x"), nullptr);
  std::vector<MenuItemReport> menu = read_menu(frame);
  ASSERT_GT(menu.size(), 40u);
  for (int id : {10002, 10004, 14001, 10009, 10017, 12001, 14003, 14002, 11002, 10016, 15001, 12002})
    EXPECT_TRUE(grayed(menu, id)) << id;
  for (int id : {10001, 10006, 10015, 13007, 17001, 17002}) EXPECT_FALSE(grayed(menu, id)) << id;
  EXPECT_EQ(item_text(menu, 14003), "Show &Cursors\tCtrl+U");

  ASSERT_NE(start(sample("amplifier-transient.out")), nullptr);
  wait_for_text(status, "Data File: Z", kWait);
  menu = read_menu(frame);
  for (int id : {10002, 14001, 10009, 10017, 12001}) EXPECT_FALSE(grayed(menu, id)) << id;
  EXPECT_TRUE(grayed(menu, 10004));   // one plot
  EXPECT_TRUE(grayed(menu, 14003));   // no window

  // An operating point is a table plot: no Add Plot.
  ASSERT_NE(start(sample("operating-point.out")), nullptr);
  wait_for_text(status, "Data File: Z", kWait);
  EXPECT_TRUE(grayed(read_menu(frame), 12001));
}

TEST_F(Shell, SelectCurrentPlotIsOfferedForSeveralPlotsOnly) {
  ASSERT_NE(start(sample("amplifier-transient.out")), nullptr);
  wait_for_text(status, "Data File: Z", kWait);
  EXPECT_EQ(dialog("Select Current Plot", 1500), nullptr);
  command(10004);   // not with one plot, from the menu key either
  EXPECT_EQ(dialog("Select Current Plot", 1500), nullptr);

  ASSERT_NE(start(sample("several-plots.out")), nullptr);
  HWND select = dialog("Select Current Plot");
  ASSERT_NE(select, nullptr);
  HWND list = GetDlgItem(select, IDC_PLOT_LIST);
  EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 4);
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 3);   // the last plot is current
  EXPECT_TRUE(save_screenshot(GetDesktopWindow(), shot("select-current-plot.bmp")));
  SendMessageA(list, LB_SETCURSEL, 0, 0);
  press_button(select, IDOK);
  Sleep(300);
  EXPECT_FALSE(grayed(read_menu(frame), 10004));
}

TEST_F(Shell, LinkMessageLoadsTheFileAndEmptiesTheClipboard) {
  std::string path = sample("filter-ac.out");
  ASSERT_NE(start("/x"), nullptr);
  Program link{};
  ASSERT_TRUE(start_program(windows_path(ULMOLINK), "-5 \"" + path + ";1,2;db\"", link));
  EXPECT_EQ(wait_for_exit(link, kWait), 0);
  EXPECT_EQ(wait_for_text(status, "Data File: Z", kWait), "Data File: " + path);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
  CloseClipboard();
}

TEST_F(Shell, LinkMessageWithAMissingFileStillEmptiesTheClipboard) {
  std::string path = scratch("not-there.out");
  ASSERT_NE(start("/x"), nullptr);
  Program link{};
  ASSERT_TRUE(start_program(windows_path(ULMOLINK), "-6 \"" + path + ";1\"", link));
  HWND box = wait_for_message_box(program, kWait);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(message_box_text(box), "Can't open the file '" + path + "'");
  press_button(box, IDOK);
  EXPECT_EQ(wait_for_exit(link, kWait), 0);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
  CloseClipboard();
}

TEST_F(Shell, AboutBoxTellsThePhysicalMemory) {
  ASSERT_NE(start("/x"), nullptr);
  command(17002);
  HWND about = dialog("About Ulmo-Postprocessor");
  ASSERT_NE(about, nullptr);
  MEMORYSTATUSEX memory{sizeof memory};
  GlobalMemoryStatusEx(&memory);
  EXPECT_EQ(window_text(GetDlgItem(about, 301)), std::to_string(memory.ullTotalPhys / 1000) + " KB");
  EXPECT_EQ(window_text(GetDlgItem(about, 302)), "");
  EXPECT_TRUE(save_screenshot(GetDesktopWindow(), shot("about.bmp")));
  press_button(about, IDOK);
  EXPECT_TRUE(gone(about));
}

TEST_F(Shell, MenusAndPreferencesAsTheUserSeesThem) {
  ASSERT_NE(start(sample("amplifier-transient.out")), nullptr);
  wait_for_text(status, "Data File: Z", kWait);
  SetForegroundWindow(frame);
  PostMessageA(frame, WM_SYSCOMMAND, SC_KEYMENU, 'f');
  Sleep(800);
  EXPECT_TRUE(save_screenshot(GetDesktopWindow(), shot("menu-file.bmp")));
  PostMessageA(frame, WM_KEYDOWN, VK_ESCAPE, 0);
  PostMessageA(frame, WM_KEYDOWN, VK_ESCAPE, 0);
  Sleep(300);
  PostMessageA(frame, WM_CANCELMODE, 0, 0);
  Sleep(300);
  command(13007);
  HWND preferences = dialog("Preferences");
  ASSERT_NE(preferences, nullptr);
  EXPECT_TRUE(save_screenshot(GetDesktopWindow(), shot("preferences.bmp")));
  press_button(preferences, IDCANCEL);
  EXPECT_TRUE(gone(preferences));
}

TEST_F(Shell, HelpWithoutItsFileLeavesTheProgramRunning) {
  ASSERT_NE(start("/x"), nullptr);
  command(17001);
  Sleep(1500);
  EXPECT_EQ(wait_for_message_box(program, 300), nullptr);
  close();
}

}  // namespace
