// The resource script's menu bar and keys are written from the command table: the writer's
// forms on small tables, and lines of the real table that windres must read as designed.
#include "shell/menu_resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

bool has_line(const std::string &script, const std::string &line) {
  return script.find("\n" + line + "\n") != std::string::npos;
}

TEST(MenuResource, WritesPopupsItemsSeparatorsAndKeys) {
  std::vector<MenuEntry> menu = {
      {0, "&File", {0, 0}},
      {10001, "&Open \"x\"\\y\tCtrl+O", {kKeyCtrl, 'O'}},
      {0, nullptr, {0, 0}},
      {10006, "Ex&it\tAlt+F4", {kKeyAlt, 0x73}},
      {-1, nullptr, {0, 0}},
      {0, "&\xe9t\xe9", {0, 0}},
      {11004, "&Delete\tDel", {0, 0x2E}},
      {-1, nullptr, {0, 0}},
  };
  std::vector<AcceleratorEntry> keys = {{10001, {kKeyCtrl, 'O'}},
                                        {10006, {kKeyAlt, 0x73}},
                                        {11004, {0, 0x2E}},
                                        {13005, {kKeyAlt | kKeyShift, 'X'}},
                                        {13001, {kKeyCtrl | kKeyShift, '7'}},
                                        {13009, {kKeyCtrl | kKeyShift | kKeyAlt, 0x25}}};
  std::string script = menu_resource_script(menu, keys);
  std::string body = script.substr(script.find("IDR_MENU_BAR"));
  EXPECT_EQ(body,
            "IDR_MENU_BAR MENU\n"
            "BEGIN\n"
            "    POPUP \"&File\"\n"
            "    BEGIN\n"
            "        MENUITEM \"&Open \"\"x\"\"\\\\y\\tCtrl+O\", 10001\n"
            "        MENUITEM SEPARATOR\n"
            "        MENUITEM \"Ex&it\\tAlt+F4\", 10006\n"
            "    END\n"
            "    POPUP \"&\\351t\\351\"\n"
            "    BEGIN\n"
            "        MENUITEM \"&Delete\\tDel\", 11004\n"
            "    END\n"
            "END\n"
            "\n"
            "IDR_ACCELERATORS ACCELERATORS\n"
            "BEGIN\n"
            "    \"O\", 10001, VIRTKEY, CONTROL\n"
            "    VK_F4, 10006, VIRTKEY, ALT\n"
            "    VK_DELETE, 11004, VIRTKEY\n"
            "    \"X\", 13005, VIRTKEY, SHIFT, ALT\n"
            "    \"7\", 13001, VIRTKEY, CONTROL, SHIFT\n"
            "    37, 13009, VIRTKEY, CONTROL, SHIFT, ALT\n"
            "END\n");
  EXPECT_EQ(script.rfind("//", 0), 0u) << "the file says where it comes from";
}

TEST(MenuResource, TheCommandTableAsWindresReadsIt) {
  std::string script = menu_resource_script(menu_bar(), accelerator_table());
  const char *lines[] = {
      "    POPUP \"&File\"",
      "        MENUITEM \"&Open Datafile...\\tCtrl+O\", 10001",
      "        MENUITEM \"E&xport to Spreadsheet...\", 10017",
      "        MENUITEM \"Ex&it\\tAlt+F4\", 10006",
      "        MENUITEM \"&About Ulmo-Postprocessor...\", 17002",
      "    \"O\", 10001, VIRTKEY, CONTROL",
      "    VK_F4, 10006, VIRTKEY, ALT",
      "    VK_DELETE, 11004, VIRTKEY",
      "    \"X\", 13005, VIRTKEY, SHIFT, ALT",
      "    \"Z\", 14002, VIRTKEY, CONTROL, SHIFT",
      "    VK_F10, 15001, VIRTKEY",
      "    VK_F1, 17001, VIRTKEY",
  };
  for (const char *line : lines) EXPECT_TRUE(has_line(script, line)) << line;
  size_t popups = 0, at = 0;
  while ((at = script.find("    POPUP ", at)) != std::string::npos) popups++, at++;
  EXPECT_EQ(popups, 7u);
}

}  // namespace
