// The resource compiler and the native table read the same script the same way.
#include <gtest/gtest.h>
#include <windows.h>

#include "base/text.h"

namespace {

struct StringEntry {
  int id;
  const char *text;
};

const StringEntry kGenerated[] = {
#include "string_table.inc"
};

TEST(StringTable, ResourcesMatchTheGeneratedTable) {
  ASSERT_GT(sizeof kGenerated / sizeof kGenerated[0], 60u);
  for (const StringEntry &e : kGenerated) EXPECT_EQ(load_text(e.id), e.text) << "string " << e.id;
}

TEST(StringTable, DegreeSignIsTheAnsiByte) {
  EXPECT_EQ(load_text(204), "\260C");
  EXPECT_EQ(load_text(18), "Ulmo-Postprocessor");
  EXPECT_EQ(load_text(12345), "");
}

}  // namespace
