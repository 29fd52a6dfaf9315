// The font list: one entry per exact face name, in the order offered, whole descriptions.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/font_list.h"

namespace {

LogicalFont face(const char *name, int32_t height = -16) {
  LogicalFont font;
  memset(&font, 0, sizeof font);
  font.height = height;
  font.weight = 400;
  font.char_set = 0;
  font.pitch_and_family = 0x22;
  strncpy(font.face_name, name, sizeof font.face_name - 1);
  return font;
}

class FontListTest : public ::testing::Test {
 protected:
  void TearDown() override { font_list_free(list); }
  FontList list{nullptr, 0, 0};
};

TEST(LogicalFontLayout, MatchesThePlatformsRecord) {
  EXPECT_EQ(sizeof(LogicalFont), 60u);
  EXPECT_EQ(offsetof(LogicalFont, weight), 16u);
  EXPECT_EQ(offsetof(LogicalFont, italic), 20u);
  EXPECT_EQ(offsetof(LogicalFont, pitch_and_family), 27u);
  EXPECT_EQ(offsetof(LogicalFont, face_name), 28u);
}

TEST_F(FontListTest, SkipsAFaceAlreadyPresent) {
  EXPECT_TRUE(font_list_append(list, face("Arial", -10)));
  EXPECT_TRUE(font_list_append(list, face("Times New Roman")));
  EXPECT_FALSE(font_list_append(list, face("Arial", -20)));
  ASSERT_EQ(list.count, 2);
  EXPECT_STREQ(list.fonts[0].face_name, "Arial");
  EXPECT_STREQ(list.fonts[1].face_name, "Times New Roman");
  EXPECT_EQ(list.fonts[0].height, -10);  // the first description of a face is the one kept
}

TEST_F(FontListTest, NamesCompareExactly) {
  font_list_append(list, face("Arial"));
  EXPECT_TRUE(font_list_append(list, face("arial")));
  EXPECT_TRUE(font_list_append(list, face("Arial ")));
  EXPECT_EQ(list.count, 3);
  ASSERT_NE(font_list_find(list, "arial"), nullptr);
  EXPECT_EQ(font_list_find(list, "arial"), &list.fonts[1]);
  EXPECT_EQ(font_list_find(list, "Aria"), nullptr);
  EXPECT_EQ(font_list_find(list, ""), nullptr);
}

TEST_F(FontListTest, FindGivesTheWholeDescription) {
  LogicalFont font = face("Courier New", -13);
  font.width = 7;
  font.escapement = 900;
  font.orientation = 900;
  font.weight = 700;
  font.italic = 1;
  font.underline = 1;
  font.strike_out = 1;
  font.char_set = 238;
  font.out_precision = 3;
  font.clip_precision = 2;
  font.quality = 1;
  font.pitch_and_family = 0x31;
  font_list_append(list, face("Arial"));
  font_list_append(list, font);
  const LogicalFont *found = font_list_find(list, "Courier New");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(memcmp(found, &font, sizeof font), 0);
  EXPECT_EQ(font_list_find(list, "Symbol"), nullptr);
}

TEST_F(FontListTest, AnUnterminatedNameIsCut) {
  LogicalFont font = face("");
  memset(font.face_name, 'x', sizeof font.face_name);
  font_list_append(list, font);
  ASSERT_EQ(list.count, 1);
  EXPECT_EQ(std::string(list.fonts[0].face_name), std::string(31, 'x'));
}

TEST_F(FontListTest, GrowsKeepingOrderAndRefillsAfterFree) {
  for (int i = 0; i < 300; i++) font_list_append(list, face(("Face " + std::to_string(i)).c_str(), i));
  ASSERT_EQ(list.count, 300);
  for (int i = 0; i < 300; i++) {
    EXPECT_EQ(list.fonts[i].face_name, "Face " + std::to_string(i));
    EXPECT_EQ(list.fonts[i].height, i);
  }
  font_list_free(list);
  EXPECT_EQ(list.count, 0);
  EXPECT_EQ(font_list_find(list, "Face 1"), nullptr);
  EXPECT_TRUE(font_list_append(list, face("Face 1")));
  EXPECT_EQ(list.count, 1);
}

}  // namespace
