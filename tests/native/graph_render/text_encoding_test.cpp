#include <gtest/gtest.h>

#include "base/text.h"
#include "canvas/text_encoding.h"

namespace {

struct Row {
  const char *name;
  const char *input;
  const char *expected;
};

TEST(Utf8FromAnsi, CodePageBytes) {
  const Row rows[] = {
      {"ASCII unchanged", "Time  [s]", "Time  [s]"},
      {"micro sign", "1.5\xB5V", "1.5\xC2\xB5V"},
      {"degree", "\xB0" "C", "\xC2\xB0" "C"},
      {"euro from the high controls", "\x80", "\xE2\x82\xAC"},
      {"en dash", "a\x96z", "a\xE2\x80\x93z"},
      {"undefined byte", "\x81", "\xEF\xBF\xBD"},
      {"y diaeresis at the top", "\xFF", "\xC3\xBF"},
      {"empty", "", ""},
  };
  for (const Row &row : rows) EXPECT_EQ(ansi_to_utf8(row.input), row.expected) << row.name;
}

TEST(XmlEscape, SpecialAndControlCharacters) {
  const Row rows[] = {
      {"markup", "a<b & c>d", "a&lt;b &amp; c&gt;d"},
      {"quotes", "\"x\" 'y'", "&quot;x&quot; &apos;y&apos;"},
      {"control character", "a\x01z", "a\xEF\xBF\xBDz"},
      {"tab kept", "a\tb", "a\tb"},
      {"UTF-8 kept", "\xC2\xB5", "\xC2\xB5"},
      {"already escaped is escaped again", "&amp;", "&amp;amp;"},
  };
  for (const Row &row : rows) EXPECT_EQ(xml_escape(row.input), row.expected) << row.name;
}

}  // namespace
