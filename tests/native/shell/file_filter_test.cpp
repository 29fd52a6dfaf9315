#include "shell/file_filter.h"

#include <gtest/gtest.h>

namespace {

TEST(FileFilter, EverySeparatorBecomesATerminator) {
  std::string f = platform_filter("Ulmo-Dizid Files(*.out)|*.out|All Files(*.*)|*.*|");
  ASSERT_EQ(f.size(), 49u);
  EXPECT_EQ(std::string(f.c_str()), "Ulmo-Dizid Files(*.out)");
  const char *p = f.c_str();
  std::vector<std::string> parts;
  while (*p) {
    parts.push_back(p);
    p += parts.back().size() + 1;
  }
  EXPECT_EQ(parts, (std::vector<std::string>{"Ulmo-Dizid Files(*.out)", "*.out", "All Files(*.*)", "*.*"}));
}

TEST(FileFilter, TheLastCharacterIsTheSeparator) {
  // A filter may pick another separator; "|" is then an ordinary character.
  std::string f = platform_filter("A|B#*.a#");
  EXPECT_EQ(f, std::string("A|B\0*.a\0", 8));
  EXPECT_EQ(platform_filter(""), "");
}

}  // namespace
