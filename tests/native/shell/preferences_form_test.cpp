// The "Preferences" dialog's rules: what its boxes show, and what OK stores.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/preferences_form.h"
#include "shell/settings.h"

namespace {

TEST(PreferencesForm, ShowsTheDefaults) {
  PreferencesForm form = preferences_form(default_settings());
  EXPECT_EQ(form.face[kXTitleFont], "Times New Roman");
  EXPECT_EQ(form.face[kYTitleFont], "Times New Roman");
  EXPECT_EQ(form.face[kXLabelFont], "Arial");
  EXPECT_EQ(form.face[kYLabelFont], "Arial");
  EXPECT_EQ(form.face[kLegendFont], "Times New Roman");
  EXPECT_EQ(form.face[kTextFont], "Times New Roman");
  const char *sizes[] = {"20", "20", "18", "18", "18", "18"};
  for (int i = 0; i < kPreferencesFontCount; i++) EXPECT_EQ(form.size[i], sizes[i]) << i;
  EXPECT_EQ(form.graph_digits, "1");
  EXPECT_EQ(form.tic_marks, "3");
  EXPECT_EQ(form.cursor_digits, "4");
  EXPECT_TRUE(form.detect_multiple_traces);
  EXPECT_TRUE(form.status_bar);
  EXPECT_TRUE(form.save_settings);
  EXPECT_FALSE(form.decimal);  // scientific by default
}

TEST(PreferencesForm, SizesNotInTheListShowTheSeventhEntry) {
  struct Row { int size; const char *shown; } rows[] = {
      {8, "8"}, {10, "10"}, {20, "20"}, {72, "72"}, {9, "20"}, {7, "20"}, {6, "20"},
      {74, "20"}, {0, "20"}, {-20, "20"}, {71, "20"}};
  for (const Row &row : rows) {
    Settings s = default_settings();
    s.graph.legend_size = row.size;
    EXPECT_EQ(preferences_form(s).size[kLegendFont], row.shown) << row.size;
  }
}

TEST(PreferencesForm, NumbersAreSignedAndFlagsFollowTheirSettings) {
  Settings s = default_settings();
  s.graph.graph_digits = -3;
  s.graph.tic_marks = 2147483647;
  s.cursor_digits = -2147483647 - 1;
  s.detect_multiple_traces = 0;
  s.status_bar = 0;
  s.save_settings = 7;
  s.cursor_number_format = 0;
  PreferencesForm form = preferences_form(s);
  EXPECT_EQ(form.graph_digits, "-3");
  EXPECT_EQ(form.tic_marks, "2147483647");
  EXPECT_EQ(form.cursor_digits, "-2147483648");
  EXPECT_FALSE(form.detect_multiple_traces);
  EXPECT_FALSE(form.status_bar);
  EXPECT_TRUE(form.save_settings);
  EXPECT_TRUE(form.decimal);
}

TEST(PointSizeList, ThirtyThreeEvenSizes) {
  EXPECT_EQ(kPointSizeCount, 33);
  EXPECT_EQ(point_size_text(0), "8");
  EXPECT_EQ(point_size_text(6), "20");
  EXPECT_EQ(point_size_text(32), "72");
  for (int i = 0; i < kPointSizeCount; i++) EXPECT_EQ(point_size_entry(8 + 2 * i), i);
}

TEST(FaceEntry, TheEqualEntryElseTheFirst) {
  std::vector<std::string> entries = {"Arial", "Courier New", "Times New Roman"};
  EXPECT_EQ(face_entry(entries, "Times New Roman"), 2);
  EXPECT_EQ(face_entry(entries, "Courier New"), 1);
  EXPECT_EQ(face_entry(entries, "Helvetica"), 0);
  EXPECT_EQ(face_entry(entries, "times new roman"), 0);  // exact, as the list compares
  EXPECT_EQ(face_entry(entries, ""), 0);
  EXPECT_EQ(face_entry({}, "Arial"), -1);
}

TEST(ParseSigned, AsTheDialogsReadNumbers) {
  struct Row { const char *text; bool ok; int32_t value; } rows[] = {
      {"0", true, 0},           {"12", true, 12},         {"-5", true, -5},
      {"+7", true, 7},          {"  42 ", true, 42},      {"007", true, 7},
      {"2147483647", true, 2147483647},                   {"-2147483648", true, -2147483647 - 1},
      {"2147483648", false, 0}, {"-2147483649", false, 0}, {"99999999999999999999", false, 0},
      {"", false, 0},           {" ", false, 0},           {"-", false, 0},
      {"1.5", false, 0},        {"3x", false, 0},          {"x3", false, 0},
      {"1 2", false, 0},        {"--1", false, 0},         {"1e3", false, 0}};
  for (const Row &row : rows) {
    int32_t value = 12345;
    EXPECT_EQ(parse_signed(row.text, value), row.ok) << '"' << row.text << '"';
    EXPECT_EQ(value, row.ok ? row.value : 12345) << '"' << row.text << '"';
  }
}

class StorePreferences : public ::testing::Test {
 protected:
  Settings s = default_settings();
  PreferencesForm form = preferences_form(default_settings());
  bool changed = true;
};

TEST_F(StorePreferences, StoresEveryBox) {
  form.face[kXTitleFont] = "Courier New";
  form.face[kYTitleFont] = "Arial";
  form.face[kXLabelFont] = "Times New Roman";
  form.face[kYLabelFont] = "Symbol";
  form.face[kLegendFont] = "Tahoma";
  form.face[kTextFont] = "Verdana";
  const char *sizes[] = {"8", "10", "12", "14", "16", "72"};
  for (int i = 0; i < kPreferencesFontCount; i++) form.size[i] = sizes[i];
  form.graph_digits = "5";
  form.tic_marks = "0";
  form.cursor_digits = "9";
  form.detect_multiple_traces = false;
  form.save_settings = false;
  form.decimal = true;
  EXPECT_EQ(store_preferences(form, s, changed), kNoBadField);
  EXPECT_FALSE(changed);
  EXPECT_EQ(s.graph.x_title_face, "Courier New");
  EXPECT_EQ(s.graph.y_title_face, "Arial");
  EXPECT_EQ(s.graph.x_label_face, "Times New Roman");
  EXPECT_EQ(s.graph.y_label_face, "Symbol");
  EXPECT_EQ(s.graph.legend_face, "Tahoma");
  EXPECT_EQ(s.graph.text_face, "Verdana");
  EXPECT_EQ(s.graph.x_title_size, 8);
  EXPECT_EQ(s.graph.y_title_size, 10);
  EXPECT_EQ(s.graph.x_label_size, 12);
  EXPECT_EQ(s.graph.y_label_size, 14);
  EXPECT_EQ(s.graph.legend_size, 16);
  EXPECT_EQ(s.graph.text_size, 72);
  EXPECT_EQ(s.graph.graph_digits, 5);
  EXPECT_EQ(s.graph.tic_marks, 0);
  EXPECT_EQ(s.cursor_digits, 9);
  EXPECT_EQ(s.detect_multiple_traces, 0);
  EXPECT_EQ(s.save_settings, 0);
  EXPECT_EQ(s.status_bar, 1);
  EXPECT_EQ(s.cursor_number_format, 0);
  form.decimal = false;
  store_preferences(form, s, changed);
  EXPECT_EQ(s.cursor_number_format, 1);
}

TEST_F(StorePreferences, APointSizeOfNineIsShownAndStoredAsTwenty) {
  s.graph.text_size = 9;
  form = preferences_form(s);
  EXPECT_EQ(form.size[kTextFont], "20");
  store_preferences(form, s, changed);
  EXPECT_EQ(s.graph.text_size, 20);
}

TEST_F(StorePreferences, NumbersWithoutRangeChecks) {
  form.graph_digits = "-1";
  form.tic_marks = "1000";
  form.cursor_digits = "-2147483648";
  EXPECT_EQ(store_preferences(form, s, changed), kNoBadField);
  EXPECT_EQ(s.graph.graph_digits, -1);
  EXPECT_EQ(s.graph.tic_marks, 1000);
  EXPECT_EQ(s.cursor_digits, -2147483647 - 1);
}

TEST_F(StorePreferences, FaceNamesAreCutToSixtyThree) {
  form.face[kLegendFont] = std::string(70, 'F');
  store_preferences(form, s, changed);
  EXPECT_EQ(s.graph.legend_face, std::string(63, 'F'));
}

TEST_F(StorePreferences, AnEmptyFontBoxKeepsItsFace) {
  // With no fonts to offer the boxes are empty; storing "" would lose the setting.
  s.graph.text_face = "Georgia";
  for (std::string &face : form.face) face.clear();
  store_preferences(form, s, changed);
  EXPECT_EQ(s.graph.text_face, "Georgia");
  EXPECT_EQ(s.graph.x_title_face, "Times New Roman");
}

TEST_F(StorePreferences, ABoxThatIsNotANumberStoresNothing) {
  struct Row { std::string PreferencesForm::*box; PreferencesField field; } rows[] = {
      {&PreferencesForm::graph_digits, kGraphDigitsField},
      {&PreferencesForm::tic_marks, kTicMarksField},
      {&PreferencesForm::cursor_digits, kCursorDigitsField}};
  for (const Row &row : rows) {
    Settings before = default_settings();
    Settings after = before;
    PreferencesForm edited = preferences_form(before);
    edited.face[kTextFont] = "Courier New";
    edited.status_bar = false;
    edited.*row.box = "abc";
    changed = true;
    EXPECT_EQ(store_preferences(edited, after, changed), row.field);
    EXPECT_FALSE(changed);
    EXPECT_EQ(after.graph.text_face, "Times New Roman");
    EXPECT_EQ(after.status_bar, 1);
  }
  form.size[kYLabelFont] = "";
  EXPECT_EQ(store_preferences(form, s, changed), static_cast<PreferencesField>(kYLabelFont));
}

TEST_F(StorePreferences, TellsWhenTheStatusBarChanged) {
  form.status_bar = false;
  EXPECT_EQ(store_preferences(form, s, changed), kNoBadField);
  EXPECT_TRUE(changed);
  EXPECT_EQ(s.status_bar, 0);
  EXPECT_EQ(store_preferences(form, s, changed), kNoBadField);
  EXPECT_FALSE(changed);
  form.status_bar = true;
  store_preferences(form, s, changed);
  EXPECT_TRUE(changed);
  EXPECT_EQ(s.status_bar, 1);
  s.status_bar = 5;  // any non-zero value shows the bar
  store_preferences(form, s, changed);
  EXPECT_FALSE(changed);
}

TEST_F(StorePreferences, ConfirmingUnchangedLeavesTheRecordAsItWas) {
  s.graph.graph_digits = -7;
  s.graph.x_label_face = "Courier New";
  s.graph.y_title_size = 36;
  s.cursor_number_format = 0;
  Settings before = s;
  store_preferences(preferences_form(s), s, changed);
  EXPECT_FALSE(changed);
  EXPECT_EQ(s.graph.graph_digits, before.graph.graph_digits);
  EXPECT_EQ(s.graph.x_label_face, before.graph.x_label_face);
  EXPECT_EQ(s.graph.y_title_size, before.graph.y_title_size);
  EXPECT_EQ(s.cursor_number_format, 0);
  EXPECT_EQ(s.graph.tic_marks, before.graph.tic_marks);
  EXPECT_EQ(s.detect_multiple_traces, before.detect_multiple_traces);
}

}  // namespace
