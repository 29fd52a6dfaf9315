// The font controls the format dialogs share.
#include <gtest/gtest.h>

#include <cstring>

#include "dialogs/font_controls.h"
#include "dialogs_fixture.h"

namespace {

using FontControlsTest = DialogTest;

TEST(SizeEntries, EvenSizesEightToSeventyTwo) {
  ASSERT_EQ(kSizeEntryCount, 33);
  EXPECT_EQ(size_entry_text(0), "8");
  EXPECT_EQ(size_entry_text(1), "10");
  EXPECT_EQ(size_entry_text(6), "20");
  EXPECT_EQ(size_entry_text(32), "72");
  EXPECT_EQ(kTextFallbackEntry, 6);
  for (int entry = 0; entry < kSizeEntryCount; entry++) EXPECT_EQ(size_box_entry(entry_point_size(entry)), entry);
  const int unlisted[] = {9, 7, 6, 0, -8, 73, 74, 11};
  for (int size : unlisted) EXPECT_EQ(size_box_entry(size), -1) << size;
}

TEST_F(FontControlsTest, FacesAreFoundByTheirExactName) {
  EXPECT_EQ(face_box_entry(fonts, "Arial"), 0);
  EXPECT_EQ(face_box_entry(fonts, "Courier New"), 2);
  EXPECT_EQ(face_box_entry(fonts, "arial"), 3);
  EXPECT_EQ(face_box_entry(fonts, "ARIAL"), -1);
  EXPECT_EQ(face_box_entry(fonts, "Symbol"), -1);
  EXPECT_EQ(face_box_entry(fonts, ""), -1);
}

TEST_F(FontControlsTest, ControlsShowFaceSizeAndStyle) {
  LogicalFont font = listed_face("Times New Roman", -30, 0, 0);
  font.weight = 700;
  font.italic = 1;
  FontControls c = font_controls(font, 24, fonts);
  EXPECT_EQ(c.face_entry, 1);
  EXPECT_EQ(c.size_entry, 8);
  EXPECT_TRUE(c.bold);
  EXPECT_TRUE(c.italic);
  EXPECT_FALSE(c.underline);
  // Bold means a weight above 400.
  font.weight = 401;
  EXPECT_TRUE(font_controls(font, 24, fonts).bold);
  font.weight = 400;
  EXPECT_FALSE(font_controls(font, 24, fonts).bold);
  font.weight = 0;
  font.underline = 1;
  c = font_controls(font, 9, fonts);
  EXPECT_FALSE(c.bold);
  EXPECT_TRUE(c.underline);
  EXPECT_EQ(c.size_entry, -1);
  strcpy(font.face_name, "No Such Face");
  EXPECT_EQ(font_controls(font, 9, fonts).face_entry, -1);
}

TEST_F(FontControlsTest, ChosenFontIsTheListedDescriptionWithTheStyle) {
  LogicalFont current = listed_face("Arial", -50, 0, 0);
  current.weight = 700;
  FontControls c{2, 0, false, true, true};
  ChosenFont chosen = chosen_font(c, fonts, current, 18);
  LogicalFont expected = fonts.fonts[2];
  ASSERT_NE(expected.width, 0);
  expected.width = 0;   // the face's enumerated width would squeeze text of another height
  expected.weight = 400;
  expected.italic = 1;
  expected.underline = 1;
  EXPECT_EQ(memcmp(&chosen.font, &expected, sizeof expected), 0);
  EXPECT_EQ(chosen.font.escapement, 450);   // carried over from the list's description
  EXPECT_EQ(chosen.font.char_set, 238);
  EXPECT_EQ(chosen.point_size, 8);
  c = {3, 32, true, false, false};
  chosen = chosen_font(c, fonts, current, 18);
  EXPECT_STREQ(chosen.font.face_name, "arial");
  EXPECT_EQ(chosen.font.height, -14);
  EXPECT_EQ(chosen.font.weight, 700);
  EXPECT_EQ(chosen.font.italic, 0);
  EXPECT_EQ(chosen.point_size, 72);
}

TEST_F(FontControlsTest, BoxesWithoutSelectionKeepTheCurrentFaceAndSize) {
  LogicalFont current = listed_face("Unlisted Face", -50, 900, 5);
  FontControls c{-1, -1, true, false, true};
  ChosenFont chosen = chosen_font(c, fonts, current, 9);
  EXPECT_STREQ(chosen.font.face_name, "Unlisted Face");
  EXPECT_EQ(chosen.font.height, -50);
  EXPECT_EQ(chosen.font.escapement, 900);
  EXPECT_EQ(chosen.font.weight, 700);
  EXPECT_EQ(chosen.font.underline, 1);
  EXPECT_EQ(chosen.point_size, 9);
  // An entry beyond the list (the list shrank) counts as none.
  c.face_entry = fonts.count;
  c.size_entry = kSizeEntryCount;
  chosen = chosen_font(c, fonts, current, 9);
  EXPECT_STREQ(chosen.font.face_name, "Unlisted Face");
  EXPECT_EQ(chosen.point_size, 9);
}

}  // namespace
