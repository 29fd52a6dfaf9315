// The settings in the real (Wine) registry, and the menu resources against the command table.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>

#include "shell/commands.h"
#include "shell/settings.h"
#include "shell/win32/settings_registry.h"

namespace {

const char kKey[] = "Software\\Ulmo-Software\\Ulmo-Postprocessor\\Settings";

void delete_settings_tree() { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Ulmo-Software"); }

DWORD value_type(const char *name) {
  DWORD type = 0;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
  if (RegQueryValueExA(key, name, nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS) type = 0;
  RegCloseKey(key);
  return type;
}

std::string text_value(const char *name) {
  char buffer[1024] = {};
  DWORD size = sizeof buffer - 1;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return "<no key>";
  LONG rc = RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE *>(buffer), &size);
  RegCloseKey(key);
  return rc == ERROR_SUCCESS ? std::string(buffer) : "<none>";
}

void set_text_value(const char *name, const std::string &text) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr), ERROR_SUCCESS);
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(text.c_str()), text.size() + 1);
  RegCloseKey(key);
}

class RegistrySettings : public ::testing::Test {
 protected:
  void SetUp() override {
    delete_settings_tree();
    install_registry_settings_store();
    menu_ = CreatePopupMenu();
    AppendMenuA(menu_, MF_STRING, 10006, "Ex&it");
    install_file_menu(nullptr, menu_);
  }
  void TearDown() override {
    DestroyMenu(menu_);
    delete_settings_tree();
  }
  // The File menu as "sep" or "id:text" per item.
  std::vector<std::string> items() {
    std::vector<std::string> out;
    for (int i = 0; i < GetMenuItemCount(menu_); ++i) {
      char text[600] = {};
      GetMenuStringA(menu_, i, text, sizeof text, MF_BYPOSITION);
      if (GetMenuState(menu_, i, MF_BYPOSITION) & MF_SEPARATOR) out.push_back("sep");
      else out.push_back(std::to_string(GetMenuItemID(menu_, i)) + ":" + text);
    }
    return out;
  }
  HMENU menu_;
};

TEST_F(RegistrySettings, EmptyStoreGivesTheDefaultsAndCreatesTheKeys) {
  load_settings();
  EXPECT_EQ(settings().graph.x_title_face, "Times New Roman");
  EXPECT_EQ(settings().graph.x_label_face, "Arial");
  EXPECT_EQ(settings().graph.x_title_size, 20);
  EXPECT_EQ(settings().cursor_number_format, 1);
  EXPECT_EQ(settings().placement.right, 0);
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key), ERROR_SUCCESS);
  RegCloseKey(key);
}

TEST_F(RegistrySettings, SaveWritesDwordsAndStringsAndLoadReadsThemBack) {
  load_settings();
  settings().graph.graph_digits = 7;
  settings().graph.legend_face = "Courier New";
  settings().last_data_file = "C:\\sim\\amp.out";
  std::string path = "C:\\sim\\filter.out";
  mru_add(path);
  WindowPlacement placement = settings().placement;
  placement.show = 3;
  placement.left = 10, placement.top = 20, placement.right = 610, placement.bottom = 420;
  save_settings(placement);
  EXPECT_EQ(value_type("GraphDigits"), static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(value_type("LegendFaceName"), static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(text_value("File1"), "C:\\sim\\filter.out");
  EXPECT_EQ(text_value("File2"), "");
  EXPECT_EQ(text_value("WindowPosition"), "0,3,0,0,0,0,10,20,610,420");

  DestroyMenu(menu_);
  menu_ = CreatePopupMenu();
  install_file_menu(nullptr, menu_);
  load_settings();
  EXPECT_EQ(settings().graph.graph_digits, 7);
  EXPECT_EQ(settings().graph.legend_face, "Courier New");
  EXPECT_EQ(settings().last_data_file, "C:\\sim\\amp.out");
  EXPECT_EQ(settings().placement.show, 3u);
  EXPECT_EQ(settings().placement.right, 610);
  EXPECT_EQ(items(), (std::vector<std::string>{"sep", "10010:C:\\sim\\filter.out"}));
}

TEST_F(RegistrySettings, SaveSettingsOffWritesOnlyRecentFilesAndTheFlag) {
  load_settings();
  settings().save_settings = 0;
  settings().display_welcome = 0;
  save_settings(settings().placement);
  EXPECT_EQ(value_type("SaveSettings"), static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(value_type("File5"), static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(value_type("DisplayWelcome"), 0u);
  EXPECT_EQ(value_type("WindowPosition"), 0u);
  load_settings();
  EXPECT_EQ(settings().display_welcome, 1);
}

TEST_F(RegistrySettings, LongAndGappedValuesAreCutAndCompacted) {
  set_text_value("XTitleFaceName", std::string(100, 'F'));
  set_text_value("File2", "C:\\b.out");
  set_text_value("File4", "C:\\d.out");
  set_text_value("WindowPosition", "0,1,0,0,0,0,10,20,610");   // nine numbers
  load_settings();
  EXPECT_EQ(settings().graph.x_title_face, std::string(63, 'F'));
  EXPECT_EQ(settings().recent_count, 2);
  EXPECT_EQ(items(), (std::vector<std::string>{"10006:Ex&it", "sep", "10010:C:\\b.out", "10011:C:\\d.out"}));
  EXPECT_EQ(settings().placement.right, 0);
  mru_remove(10010);
  mru_remove(10010);
  EXPECT_EQ(items(), (std::vector<std::string>{"10006:Ex&it"}));
}

TEST_F(RegistrySettings, PlacementConvertsBothWays) {
  WindowPlacement p{sizeof(WindowPlacement), 0, 3, -1, -2, 3, 4, 5, 6, 7, 8};
  WindowPlacement q = from_platform(to_platform(p));
  EXPECT_EQ(format_window_position(q), "0,3,-1,-2,3,4,5,6,7,8");
  EXPECT_EQ(to_platform(p).length, sizeof(WINDOWPLACEMENT));
}

// Menu 1 and accelerator table 1 of the resources are the command table's.
TEST(MenuResources, MenuBarIsTheCommandTable) {
  HMENU bar = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
  ASSERT_NE(bar, nullptr);
  std::vector<HMENU> stack;
  HMENU popup = nullptr;
  int top = 0, position = 0;
  for (const MenuEntry &e : menu_bar()) {
    if (e.id == 0 && e.text) {
      char text[128] = {};
      GetMenuStringA(bar, top, text, sizeof text, MF_BYPOSITION);
      EXPECT_STREQ(text, e.text);
      popup = GetSubMenu(bar, top++);
      ASSERT_NE(popup, nullptr);
      position = 0;
    } else if (e.id == -1) {
      EXPECT_EQ(GetMenuItemCount(popup), position) << "popup " << top - 1;
    } else {
      UINT state = GetMenuState(popup, position, MF_BYPOSITION);
      if (e.id == 0) {
        EXPECT_TRUE(state & MF_SEPARATOR) << "popup " << top - 1 << " item " << position;
      } else {
        char text[128] = {};
        GetMenuStringA(popup, position, text, sizeof text, MF_BYPOSITION);
        EXPECT_EQ(GetMenuItemID(popup, position), static_cast<UINT>(e.id));
        EXPECT_STREQ(text, e.text) << e.id;
      }
      ++position;
    }
  }
  EXPECT_EQ(GetMenuItemCount(bar), top);
  DestroyMenu(bar);
}

TEST(MenuResources, AcceleratorsAreTheCommandTable) {
  HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
  ASSERT_NE(table, nullptr);
  ACCEL accels[64];
  int n = CopyAcceleratorTableA(table, accels, 64);
  std::vector<AcceleratorEntry> want = accelerator_table();
  ASSERT_EQ(static_cast<size_t>(n), want.size());
  for (int i = 0; i < n; ++i) {
    EXPECT_EQ(accels[i].cmd, want[i].id);
    EXPECT_EQ(accels[i].key, want[i].key.key) << want[i].id;
    BYTE modifiers = FVIRTKEY | (want[i].key.modifiers & kKeyCtrl ? FCONTROL : 0) |
                     (want[i].key.modifiers & kKeyShift ? FSHIFT : 0) |
                     (want[i].key.modifiers & kKeyAlt ? FALT : 0);
    EXPECT_EQ(accels[i].fVirt & ~0x80, modifiers) << want[i].id;
  }
  DestroyAcceleratorTable(table);
}

TEST(MenuResources, TableContextMenuIsCopyAndPaste) {
  HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(7));
  ASSERT_NE(menu, nullptr);
  HMENU table = GetSubMenu(menu, 1);
  ASSERT_EQ(GetMenuItemCount(table), 2);
  EXPECT_EQ(GetMenuItemID(table, 0), 11002u);
  EXPECT_EQ(GetMenuItemID(table, 1), 11003u);
  DestroyMenu(menu);
}

}  // namespace
