#include <gtest/gtest.h>

#include <string>

#include "base/ascii.h"

namespace {

TEST(Ascii, FoldsOnlyTheTwentySixLetters) {
  EXPECT_EQ(ascii_lower('A'), 'a');
  EXPECT_EQ(ascii_lower('Z'), 'z');
  EXPECT_EQ(ascii_lower('a'), 'a');
  EXPECT_EQ(ascii_lower('@'), '@');   // just before 'A'
  EXPECT_EQ(ascii_lower('['), '[');   // just after 'Z'
  EXPECT_EQ(ascii_lower('\xC9'), '\xC9');   // Windows-1252 E acute has no case here
  EXPECT_TRUE(is_ascii_digit('0'));
  EXPECT_TRUE(is_ascii_digit('9'));
  EXPECT_FALSE(is_ascii_digit('/'));
  EXPECT_FALSE(is_ascii_digit(':'));
  EXPECT_FALSE(is_ascii_digit('\xB2'));   // superscript two
}

TEST(Ascii, EqualIgnoringCase) {
  struct Case {
    const char *a, *b;
    bool equal;
  } const cases[] = {
      {"V(OUT)", "v(out)", true}, {"", "", true},          {"abc", "abd", false},
      {"abc", "ab", false},       {"ab", "abc", false},    {"\xC9t\xE9", "\xE9t\xE9", false},
      {"[x]", "{x}", false},      {"\xB0" "C", "\xB0" "c", true},
  };
  for (const Case &c : cases) EXPECT_EQ(equal_ignoring_case(c.a, c.b), c.equal) << c.a << " " << c.b;
  // Lengths come from the views, not from a terminator.
  EXPECT_FALSE(equal_ignoring_case(std::string("a\0b", 3), std::string("a\0c", 3)));
  EXPECT_TRUE(equal_ignoring_case(std::string("a\0B", 3), std::string("A\0b", 3)));
}

TEST(Ascii, StartsWithIgnoringCaseStopsAtTheEndOfTheText) {
  EXPECT_TRUE(starts_with_ignoring_case("MEGohm", "meg"));
  EXPECT_TRUE(starts_with_ignoring_case("mEg", "MEG"));
  EXPECT_TRUE(starts_with_ignoring_case("x", ""));
  EXPECT_FALSE(starts_with_ignoring_case("me", "meg"));    // text ends first
  EXPECT_FALSE(starts_with_ignoring_case("", "m"));
  EXPECT_FALSE(starts_with_ignoring_case("mil", "meg"));
  // Nothing past the terminator is read: the buffer ends right after it.
  const char buffer[3] = {'u', 'P', '\0'};
  EXPECT_TRUE(starts_with_ignoring_case(buffer, "up"));
  EXPECT_FALSE(starts_with_ignoring_case(buffer, "upg"));
}

}  // namespace
