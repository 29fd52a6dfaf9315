// The label dialog's data: what it shows for an axis and what OK writes back.
#include <gtest/gtest.h>

#include <cstring>

#include "base/text.h"
#include "dialogs/label_form.h"
#include "dialogs_fixture.h"
#include "graph/axis.h"
#include "graph/scaling.h"

namespace {

using LabelFormTest = DialogTest;

TEST_F(LabelFormTest, CaptionsByAxis) {
  EXPECT_EQ(load_text(label_caption(0)), "Format X-Axis Label");
  EXPECT_EQ(load_text(label_caption(1)), "Format Y-Axis Label");
}

TEST_F(LabelFormTest, OpensWithTheAxisFormat) {
  make_graph();
  set_label_digits(graph, 1, 4);
  set_label_notation(graph, 1, kNotationScientific);
  LabelForm x = label_form(graph, 0, fonts);
  LabelForm y = label_form(graph, 1, fonts);
  EXPECT_FALSE(x.logarithmic);
  EXPECT_EQ(x.font.face_entry, 0);   // Arial
  EXPECT_EQ(x.font.size_entry, 5);   // 18
  EXPECT_FALSE(x.font.bold);
  EXPECT_EQ(x.notation, kNotationScaleFactors);
  EXPECT_EQ(x.digits, "1");
  EXPECT_EQ(y.notation, kNotationScientific);
  EXPECT_EQ(y.digits, "4");
}

TEST_F(LabelFormTest, ALogarithmicAxisShowsNoNotationNorDigits) {
  make_graph(10, 1);
  set_data_range(graph, 0, 0.002, 350);
  LabelForm form = label_form(graph, 0, fonts);
  EXPECT_TRUE(form.logarithmic);
  EXPECT_EQ(form.notation, 0);
  EXPECT_EQ(form.digits, "");
  EXPECT_EQ(check_label_form(form), 0);
}

struct DigitsRow {
  const char *digits;
  int message;
};

TEST_F(LabelFormTest, DigitsAreCheckedOnALinearAxis) {
  make_graph();
  const DigitsRow rows[] = {{"20", 0}, {"0", 0}, {"", 0}, {"21", 901}, {"-1", 900}, {"x", 0}, {"300", 901}};
  for (const DigitsRow &row : rows) {
    LabelForm form = label_form(graph, 0, fonts);
    form.digits = row.digits;
    EXPECT_EQ(check_label_form(form), row.message) << row.digits;
  }
}

TEST_F(LabelFormTest, OkSetsFontNotationAndDigits) {
  make_graph();
  LabelForm form = label_form(graph, 1, fonts);
  form.font = {2, 6, true, true, false};
  form.notation = kNotationDecimal;
  form.digits = "3";
  apply_label_form(graph, 1, form, fonts);
  const TickLabelFormat &f = graph->label_format[1];
  EXPECT_STREQ(f.font.face_name, "Courier New");
  EXPECT_EQ(f.font.char_set, 238);
  EXPECT_EQ(f.font.weight, 700);
  EXPECT_EQ(f.font.italic, 1);
  EXPECT_EQ(f.font.underline, 0);
  EXPECT_EQ(f.point_size, 20);
  EXPECT_EQ(f.notation, kNotationDecimal);
  EXPECT_EQ(f.digits, 3);
  // The other axis is untouched.
  EXPECT_STREQ(graph->label_format[0].font.face_name, "Arial");
  EXPECT_EQ(graph->label_format[0].notation, kNotationScaleFactors);
}

TEST_F(LabelFormTest, OnALogarithmicAxisOkChangesOnlyTheFont) {
  make_graph(1, 10);
  set_data_range(graph, 1, 1, 1000);
  set_label_digits(graph, 1, 2);
  LabelForm form = label_form(graph, 1, fonts);
  form.font.bold = true;
  form.font.size_entry = 0;
  form.notation = kNotationDecimal;   // whatever the disabled controls held
  form.digits = "7";
  apply_label_form(graph, 1, form, fonts);
  const TickLabelFormat &f = graph->label_format[1];
  EXPECT_EQ(f.font.weight, 700);
  EXPECT_EQ(f.point_size, 8);
  EXPECT_EQ(f.notation, kNotationScaleFactors);
  EXPECT_EQ(f.digits, 2);
}

TEST_F(LabelFormTest, EmptyDigitsFieldSetsZero) {
  make_graph();
  LabelForm form = label_form(graph, 0, fonts);
  form.digits = "";
  ASSERT_EQ(check_label_form(form), 0);
  apply_label_form(graph, 0, form, fonts);
  EXPECT_EQ(graph->label_format[0].digits, 0);
}

}  // namespace
