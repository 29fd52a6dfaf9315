// The text dialog's data: one text block.
#include <gtest/gtest.h>

#include <string>

#include "dialogs/text_form.h"
#include "dialogs_fixture.h"

namespace {

class TextFormTest : public DialogTest {
 protected:
  TextBlock block{};
  void SetUp() override {
    DialogTest::SetUp();
    block.font = listed_face("Times New Roman", -40, 0, 0);
    block.point_size = 18;
    block.text = "gain";
  }
};

TEST_F(TextFormTest, OpensWithTheBlock) {
  block.font.italic = 1;
  block.border = true;
  block.justification = kJustifyCentre;
  TextForm form = text_form(block, fonts);
  EXPECT_EQ(form.text, "gain");
  EXPECT_EQ(form.font.face_entry, 1);
  EXPECT_EQ(form.font.size_entry, 5);
  EXPECT_TRUE(form.font.italic);
  EXPECT_EQ(form.justification, kJustifyCentre);
  EXPECT_FALSE(form.vertical);
  EXPECT_TRUE(form.border);
}

TEST_F(TextFormTest, JustificationOtherThanLeftOrCentreShowsRight) {
  const int shown[][2] = {{0, 0}, {1, 1}, {2, 2}, {3, 2}, {-1, 2}, {100, 2}};
  for (const auto &row : shown) {
    block.justification = row[0];
    EXPECT_EQ(text_form(block, fonts).justification, row[1]) << row[0];
  }
}

TEST_F(TextFormTest, AnyEscapementShowsVertical) {
  block.font.escapement = 900;
  EXPECT_TRUE(text_form(block, fonts).vertical);
  block.font.escapement = 1;
  EXPECT_TRUE(text_form(block, fonts).vertical);
  block.font.escapement = 0;
  EXPECT_FALSE(text_form(block, fonts).vertical);
}

TEST_F(TextFormTest, ANinePointBlockOpensWithTwentyAndOkSetsTwenty) {
  block.point_size = 9;
  TextForm form = text_form(block, fonts);
  EXPECT_EQ(form.font.size_entry, 6);
  apply_text_form(block, form, fonts);
  EXPECT_EQ(block.point_size, 20);
}

TEST_F(TextFormTest, OkWritesTextFontBorderAndJustification) {
  TextForm form = text_form(block, fonts);
  form.text = "phase margin";
  form.font = {0, 2, true, false, true};
  form.vertical = true;
  form.border = true;
  form.justification = kJustifyRight;
  apply_text_form(block, form, fonts);
  EXPECT_EQ(block.text, "phase margin");
  EXPECT_STREQ(block.font.face_name, "Arial");
  EXPECT_EQ(block.font.escapement, 900);
  EXPECT_EQ(block.font.orientation, 900);
  EXPECT_EQ(block.font.weight, 700);
  EXPECT_EQ(block.font.underline, 1);
  EXPECT_EQ(block.point_size, 12);
  EXPECT_TRUE(block.border);
  EXPECT_EQ(block.justification, kJustifyRight);
  // Back to horizontal with a face whose description leans: the dialog's choice wins.
  form.vertical = false;
  form.font.face_entry = 2;
  form.justification = kJustifyLeft;
  apply_text_form(block, form, fonts);
  EXPECT_EQ(block.font.escapement, 0);
  EXPECT_EQ(block.font.orientation, 0);
  EXPECT_EQ(block.justification, kJustifyLeft);
}

TEST_F(TextFormTest, TextIsCutTo254Characters) {
  block.text = std::string(255, 'b');
  TextForm form = text_form(block, fonts);
  EXPECT_EQ(form.text.size(), 254u);
  form.text = std::string(400, 'c');
  apply_text_form(block, form, fonts);
  EXPECT_EQ(block.text, std::string(254, 'c'));
}

}  // namespace
