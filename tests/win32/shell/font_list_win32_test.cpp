// The font list built from the screen's faces, shown in a combo box and looked up.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <set>
#include <string>

#include "base/font_list.h"
#include "base/win32/font_list_win32.h"

namespace {

class ScreenFonts : public ::testing::Test {
 protected:
  void SetUp() override {
    HDC screen = GetDC(nullptr);
    build_font_list(screen);
    ReleaseDC(nullptr, screen);
  }
  void TearDown() override { free_font_list(); }
};

TEST_F(ScreenFonts, OneEntryPerFaceIncludingArial) {
  const FontList &list = program_font_list();
  ASSERT_GT(list.count, 2);
  std::set<std::string> seen;
  for (int i = 0; i < list.count; i++)
    EXPECT_TRUE(seen.insert(list.fonts[i].face_name).second) << list.fonts[i].face_name;
  EXPECT_TRUE(seen.count("Arial"));
  EXPECT_TRUE(seen.count("Times New Roman"));
}

TEST_F(ScreenFonts, FindGivesADescriptionThatMakesTheFace) {
  std::optional<LOGFONTA> arial = find_font("Arial");
  ASSERT_TRUE(arial.has_value());
  EXPECT_STREQ(arial->lfFaceName, "Arial");
  EXPECT_FALSE(find_font("No Such Face").has_value());
  EXPECT_FALSE(find_font("arial").has_value());  // exact names

  HFONT font = CreateFontIndirectA(&*arial);
  ASSERT_NE(font, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  char face[LF_FACESIZE];
  GetTextFaceA(dc, sizeof face, face);
  EXPECT_STREQ(face, "Arial");
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(font);
}

TEST_F(ScreenFonts, RebuildingReplacesTheList) {
  int count = program_font_list().count;
  HDC screen = GetDC(nullptr);
  build_font_list(screen);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(program_font_list().count, count);
  free_font_list();
  EXPECT_EQ(program_font_list().count, 0);
  EXPECT_FALSE(find_font("Arial").has_value());
}

// Every face in the list's order (enumeration order), even in a box that sorts what it is
// given: the first entry is the fallback for a face the list lacks.
TEST_F(ScreenFonts, ComboHoldsEveryFaceInTheListsOrder) {
  const FontList &list = program_font_list();
  ASSERT_GT(list.count, 2);
  for (DWORD sort : {0ul, static_cast<DWORD>(CBS_SORT)}) {
    HWND combo = CreateWindowA("COMBOBOX", "", WS_POPUP | CBS_DROPDOWNLIST | sort, 0, 0, 200, 200, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(combo, nullptr);
    fill_font_combo(combo);
    ASSERT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), list.count);
    char text[64];
    for (int i = 0; i < list.count; i++) {
      SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
      EXPECT_STREQ(text, list.fonts[i].face_name) << (sort ? "sorting box, entry " : "entry ") << i;
    }
    DestroyWindow(combo);
  }
}

}  // namespace
