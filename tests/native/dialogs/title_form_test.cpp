// The title dialog's data.
#include <gtest/gtest.h>

#include <string>

#include "base/text.h"
#include "dialogs/title_form.h"
#include "dialogs_fixture.h"
#include "graph/axis.h"

namespace {

using TitleFormTest = DialogTest;

TEST_F(TitleFormTest, CaptionsByAxis) {
  EXPECT_EQ(load_text(title_caption(0)), "Format X-Axis Title");
  EXPECT_EQ(load_text(title_caption(1)), "Format Y-Axis Title");
}

TEST_F(TitleFormTest, OpensWithTheTextWithoutItsUnit) {
  make_graph();
  TitleForm x = title_form(graph, 0, fonts);
  EXPECT_EQ(graph->title[0].text, "Time  [s]");
  EXPECT_EQ(x.text, "Time");
  EXPECT_TRUE(x.show);
  EXPECT_EQ(x.font.face_entry, 1);   // Times New Roman
  EXPECT_EQ(x.font.size_entry, 6);   // 20
  set_title_display(graph, 1, false);
  TitleForm y = title_form(graph, 1, fonts);
  EXPECT_EQ(y.text, "Y Axis Title");
  EXPECT_FALSE(y.show);
}

TEST_F(TitleFormTest, OkKeepsTheUnitAndTheXFaceDirection) {
  make_graph();
  TitleForm form = title_form(graph, 0, fonts);
  form.text = "Delay";
  form.font = {2, 3, false, false, true};
  form.show = false;
  apply_title_form(graph, 0, form, fonts);
  const AxisTitle &t = graph->title[0];
  EXPECT_EQ(t.text, "Delay  [s]");
  EXPECT_EQ(title_unit(graph, 0), "s");
  EXPECT_STREQ(t.font.face_name, "Courier New");
  EXPECT_EQ(t.font.escapement, 450);   // the list entry's, on the x axis
  EXPECT_EQ(t.font.orientation, 450);
  EXPECT_EQ(t.font.underline, 1);
  EXPECT_EQ(t.font.weight, 400);
  EXPECT_EQ(t.point_size, 14);
  EXPECT_FALSE(t.display);
}

TEST_F(TitleFormTest, TheYTitleStaysVerticalWhateverFontIsChosen) {
  make_graph();
  for (int face = 0; face < fonts.count; face++) {
    TitleForm form = title_form(graph, 1, fonts);
    form.font.face_entry = face;
    apply_title_form(graph, 1, form, fonts);
    EXPECT_STREQ(graph->title[1].font.face_name, fonts.fonts[face].face_name);
    EXPECT_EQ(graph->title[1].font.escapement, 900) << face;
    EXPECT_EQ(graph->title[1].font.orientation, 900) << face;
  }
}

TEST_F(TitleFormTest, TextIsCutTo511Characters) {
  make_graph();
  set_title_unit(graph, 1, "V");
  TitleForm form = title_form(graph, 1, fonts);
  form.text = std::string(600, 'a');
  apply_title_form(graph, 1, form, fonts);
  EXPECT_EQ(title_text(graph, 1), std::string(511, 'a'));
  EXPECT_EQ(title_unit(graph, 1), "V");
}

}  // namespace
