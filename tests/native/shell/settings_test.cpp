#include "shell/settings.h"

#include <gtest/gtest.h>

#include <map>

namespace {

std::map<std::string, std::string> g_texts;
std::map<std::string, uint32_t> g_numbers;
std::vector<std::string> g_menu;   // "sep" or "id:text", in menu order

bool read_text(const char *n, std::string &v) {
  auto it = g_texts.find(n);
  if (it == g_texts.end()) return false;
  v = it->second;
  return true;
}
bool read_number(const char *n, uint32_t &v) {
  auto it = g_numbers.find(n);
  if (it == g_numbers.end()) return false;
  v = it->second;
  return true;
}
void write_text(const char *n, const std::string &v) { g_texts[n] = v; }
void write_number(const char *n, uint32_t v) { g_numbers[n] = v; }

size_t find_item(int id) {
  for (size_t i = 0; i < g_menu.size(); ++i)
    if (g_menu[i].compare(0, 6, std::to_string(id) + ":") == 0) return i;
  return g_menu.size();
}
void append_separator() { g_menu.push_back("sep"); }
void remove_separator() { g_menu.pop_back(); }
void append_item(int id, const std::string &t) { g_menu.push_back(std::to_string(id) + ":" + t); }
void set_item_text(int id, const std::string &t) { g_menu.at(find_item(id)) = std::to_string(id) + ":" + t; }
void remove_item(int id) { g_menu.erase(g_menu.begin() + find_item(id)); }
void redraw() {}

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_texts.clear();
    g_numbers.clear();
    g_menu = {"Exit"};
    install_settings_store({read_text, read_number, write_text, write_number});
    install_recent_file_menu({append_separator, remove_separator, append_item, set_item_text,
                              remove_item, redraw});
    load_settings();
  }
};

}  // namespace

TEST_F(SettingsTest, EmptyStoreGivesDefaults) {
  const Settings &s = settings();
  EXPECT_EQ("Times New Roman", s.graph.x_title_face);
  EXPECT_EQ("Arial", s.graph.y_label_face);
  EXPECT_EQ(20, s.graph.x_title_size);
  EXPECT_EQ(18, s.graph.x_label_size);
  EXPECT_EQ(1, s.graph.graph_digits);
  EXPECT_EQ(3, s.graph.tic_marks);
  EXPECT_EQ(4, s.cursor_digits);
  EXPECT_EQ(1, s.cursor_number_format);
  EXPECT_EQ(1, s.status_bar);
  EXPECT_EQ(1, s.display_welcome);
  EXPECT_EQ(0, s.placement.right);
  EXPECT_EQ(0, s.recent_count);
}

TEST_F(SettingsTest, WindowPositionNeedsTenNumbers) {
  WindowPlacement p = parse_window_position("2,3,-1,-1,-4,-4,10,20,300,400");
  EXPECT_EQ(0u, p.flags);
  EXPECT_EQ(3u, p.show);
  EXPECT_EQ(400, p.bottom);
  EXPECT_EQ("0,3,-1,-1,-4,-4,10,20,300,400", format_window_position(p));
  EXPECT_EQ(0, parse_window_position("0,1,-1,-1,-4,-4,10,20,300").right);
  EXPECT_EQ(1u, parse_window_position("0,2,0,0,0,0,1,2,3,4").show);  // minimized comes back normal
}

TEST_F(SettingsTest, SaveSettingsRuleAndRoundTrip) {
  std::string path = "a.out";
  mru_add(path);
  settings().display_welcome = 0;
  settings().save_settings = 0;
  save_settings(WindowPlacement{});
  EXPECT_EQ("a.out", g_texts["File1"]);
  EXPECT_EQ("", g_texts["File5"]);
  EXPECT_EQ(0u, g_numbers["SaveSettings"]);
  EXPECT_EQ(0u, g_numbers.count("DisplayWelcome"));
  g_menu = {"Exit"};
  load_settings();
  EXPECT_EQ(1, settings().display_welcome);
  EXPECT_EQ(0, settings().save_settings);
  EXPECT_EQ((std::vector<std::string>{"Exit", "sep", "10010:a.out"}), g_menu);
  settings().save_settings = 1;
  settings().graph.tic_marks = 7;
  save_settings(parse_window_position("0,3,0,0,0,0,1,2,3,4"));
  EXPECT_EQ(7u, g_numbers["TicMarks"]);
  EXPECT_EQ("0,3,0,0,0,0,1,2,3,4", g_texts["WindowPosition"]);
}

TEST_F(SettingsTest, LongTextsAreCutAndGapsCompacted) {
  g_texts["XTitleFaceName"] = std::string(80, 'F');
  g_texts["File2"] = "b.out";
  g_texts["File4"] = "d.out";
  g_menu = {"Exit"};
  load_settings();
  EXPECT_EQ(63u, settings().graph.x_title_face.size());
  EXPECT_EQ((std::vector<std::string>{"Exit", "sep", "10010:b.out", "10011:d.out"}), g_menu);
}

TEST_F(SettingsTest, RecentFileListOperations) {
  for (const char *p : {"1.out", "2.out", "3.out", "4.out", "5.out", "6"}) {
    std::string s = p;
    mru_add(s);
  }
  EXPECT_EQ("6.out", settings().recent[0]);
  EXPECT_EQ("2.out", settings().recent[4]);
  EXPECT_EQ(5, settings().recent_count);
  std::string again = "4.out";
  mru_add(again);
  EXPECT_EQ("6.out", settings().recent[0]);
  mru_promote(again);
  EXPECT_EQ("4.out", settings().recent[0]);
  EXPECT_EQ("6.out", settings().recent[1]);
  EXPECT_EQ("10010:4.out", g_menu[2]);
  EXPECT_EQ(7u, g_menu.size());
  mru_remove(10011);
  EXPECT_EQ(4, settings().recent_count);
  EXPECT_EQ((std::vector<std::string>{"Exit", "sep", "10010:4.out", "10011:5.out", "10012:3.out",
                                      "10013:2.out"}), g_menu);
}

TEST_F(SettingsTest, RemovingOnlyEntryRestoresMenu) {
  std::string p = "only.out";
  mru_add(p);
  mru_remove(10010);
  EXPECT_EQ((std::vector<std::string>{"Exit"}), g_menu);
  EXPECT_EQ(0, settings().recent_count);
}

TEST(PointSizes, OddSizeShowsTwenty) {
  EXPECT_EQ(6, point_size_entry(9));
  EXPECT_EQ(0, point_size_entry(8));
  EXPECT_EQ(32, point_size_entry(72));
}
