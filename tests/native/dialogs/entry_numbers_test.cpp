// Whole numbers of the format dialogs: reading an edit, the arrows, the refusing messages.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "base/text.h"
#include "dialogs/entry_numbers.h"

namespace {

struct ReadRow {
  const char *text;
  int value;
};

const ReadRow kReads[] = {
    {"7", 7},           {"", 0},          {"  12", 12},        {"-1", -1},
    {"+3", 3},          {"21", 21},       {"3abc", 3},         {"abc", 0},
    {"- 4", 0},         {"\t5", 5},       {"1.9", 1},          {"10m", 10},
    {"007", 7},         {"2147483647", INT_MAX},               {"2147483648", INT_MAX},
    {"99999999999999999999", INT_MAX},    {"-2147483648", INT_MIN},
    {"-99999999999999999999", INT_MIN},
};

TEST(ReadDecimal, LeadingDigitsElseZero) {
  for (const ReadRow &row : kReads) EXPECT_EQ(read_decimal(row.text), row.value) << '"' << row.text << '"';
}

struct StepRow {
  int value;
  bool up;
  int result;
};

TEST(StepDigits, StopsAtZeroAndTwenty) {
  const StepRow rows[] = {
      {0, true, 1},   {19, true, 20},  {20, true, 20}, {25, true, 25}, {-3, true, -2},
      {1, false, 0},  {0, false, 0},   {20, false, 19}, {25, false, 24}, {-3, false, -3},
  };
  for (const StepRow &row : rows) EXPECT_EQ(step_digits(row.value, row.up), row.result) << row.value << row.up;
}

TEST(StepCount, UpWithoutLimitDownNotBelowOne) {
  const StepRow rows[] = {
      {1, true, 2},    {0, true, 1},    {-5, true, -4},   {1000, true, 1001}, {INT_MAX, true, INT_MAX},
      {3, false, 2},   {2, false, 1},   {1, false, 1},    {0, false, 0},      {-2, false, -2},
  };
  for (const StepRow &row : rows) EXPECT_EQ(step_count(row.value, row.up), row.result) << row.value << row.up;
}

TEST(DigitsMessage, RefusesBelowZeroAndAboveTwenty) {
  EXPECT_EQ(digits_message(0), 0);
  EXPECT_EQ(digits_message(20), 0);
  EXPECT_EQ(digits_message(7), 0);
  EXPECT_EQ(digits_message(-1), 900);
  EXPECT_EQ(digits_message(21), 901);
  EXPECT_EQ(digits_message(INT_MIN), 900);
  EXPECT_EQ(digits_message(read_decimal("")), 0);   // an empty field counts as 0
  EXPECT_EQ(load_text(900), "Number of digits can't be less than zero");
  EXPECT_EQ(load_text(901), "Number of digits can't be greater than 20");
}

TEST(SymbolMessage, PeriodFirstThenSize) {
  EXPECT_EQ(symbol_message(1, 1), 0);
  EXPECT_EQ(symbol_message(0, 3), 1200);
  EXPECT_EQ(symbol_message(3, 0), 1201);
  EXPECT_EQ(symbol_message(0, 0), 1200);   // only the period's message
  EXPECT_EQ(symbol_message(-4, -4), 1200);
  EXPECT_EQ(symbol_message(INT_MAX, 1), 0);
  EXPECT_EQ(load_text(1200), "Symbol period can't be less than one");
  EXPECT_EQ(load_text(1201), "Symbol size can't be less than one");
}

}  // namespace
