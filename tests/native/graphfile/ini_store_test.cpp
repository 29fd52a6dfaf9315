// The native store reads as the private-profile reader does, and the typed reads and writes
// over the key functions.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "graphfile/ini/ini_store.h"
#include "graphfile/profile.h"
#include "read_cases.h"

namespace {

TEST(IniStore, ReadsAsTheProfileReader) {
  for (const ReadCase &c : kReads) {
    IniStore store;
    store.parse(c.text);
    std::string value = "untouched";
    EXPECT_EQ(store.read(c.section, c.key, value), c.found) << c.name;
    if (c.found) EXPECT_EQ(value, c.value) << c.name;
  }
}

TEST(IniStore, LongLinesAreReadWhole) {
  std::string value(20000, 'x');
  IniStore store;
  store.parse("[a]\nk=" + value + "\n");
  std::string read;
  ASSERT_TRUE(store.read("a", "k", read));
  EXPECT_EQ(read, value);
}

TEST(IniStore, WritesInTheProfileForm) {
  IniStore store;
  store.write("b", "k", "1");
  store.write("a", "x", "2");
  store.write("B", "K", "3");   // the same key, another case: replaced in place
  store.write("b", "j", "4");
  EXPECT_EQ(store.text(), "[b]\r\nk=3\r\nj=4\r\n\r\n[a]\r\nx=2\r\n");
  IniStore again;
  again.parse(store.text());
  EXPECT_EQ(again.text(), store.text());
}

TEST(IniStore, SaveReplacesTheFile) {
  std::string file = ::testing::TempDir() + "ini_store_save.ini";
  IniStore first;
  first.write("a", "Min", "1");
  first.write("a", "Max", "2");
  ASSERT_TRUE(first.save(file.c_str()));
  IniStore second;
  second.write("a", "Max", "3");
  ASSERT_TRUE(second.save(file.c_str()));
  IniStore read;
  ASSERT_TRUE(read.load(file.c_str()));
  std::string value;
  EXPECT_FALSE(read.read("a", "Min", value));
  EXPECT_TRUE(read.read("a", "Max", value));
  EXPECT_EQ(value, "3");
  remove(file.c_str());
  EXPECT_FALSE(read.load(file.c_str()));
  EXPECT_FALSE(second.save((::testing::TempDir() + "no/such/folder/x.upg").c_str()));
}

TEST(ProfileReads, NumbersAsTheProfileIntegerRead) {
  IniStore store;
  store.parse("[a]\nplain=42\nneg=-7\nplus=+5\nunit=12pt\nword=abc\nempty=\nbig=99999999999\n"
              "small=-99999999999\nblank= 8\n");
  ProfileFunctions f = store.functions();
  struct {
    const char *key;
    int expected;
  } rows[] = {{"plain", 42}, {"neg", -7}, {"plus", 5}, {"unit", 12}, {"word", 0}, {"empty", -1},
              {"missing", -1}, {"big", INT_MAX}, {"small", INT_MIN}, {"blank", 8}};
  for (const auto &r : rows) EXPECT_EQ(read_number(f, "a", r.key, -1), r.expected) << r.key;
}

TEST(ProfileReads, RealsMustBeFiniteNumbers) {
  IniStore store;
  store.parse("[a]\ng=1.5e-003\nh= 2 \nbad=1.5V\nword=x\nnan=nan\ninf=inf\nempty=\n");
  ProfileFunctions f = store.functions();
  double v = 99;
  EXPECT_TRUE(read_real(f, "a", "g", v));
  EXPECT_DOUBLE_EQ(v, 1.5e-3);
  EXPECT_TRUE(read_real(f, "a", "h", v));
  EXPECT_DOUBLE_EQ(v, 2);
  for (const char *key : {"bad", "word", "nan", "inf", "empty", "missing"}) {
    v = 99;
    EXPECT_FALSE(read_real(f, "a", key, v)) << key;
    EXPECT_EQ(v, 99) << key;
  }
}

TEST(ProfileWrites, TextsThatAReadWouldChangeAreQuoted) {
  struct {
    const char *value;
    bool always;
    const char *stored;
  } rows[] = {
      {"time", false, "time"},
      {"'v(a)'", false, "\"'v(a)'\""},
      {"\"x\"", false, "\"\"x\"\""},
      {" lead", false, "\" lead\""},
      {"trail ", false, "\"trail \""},
      {"two\r\nlines", false, "two  lines"},
      {"", false, ""},
      {"", true, "\"\""},
      {"v(a)", true, "\"v(a)\""},
      {"'a' x", false, "'a' x"},
  };
  for (const auto &r : rows) {
    EXPECT_EQ(stored_text(r.value, r.always), r.stored) << r.value;
    // Whatever is stored reads back as the value (line breaks aside).
    IniStore store;
    store.parse(std::string("[a]\nk=") + r.stored + "\n");
    std::string read = "missing";
    store.read("a", "k", read);
    if (!strchr(r.value, '\n')) EXPECT_EQ(read, r.value) << r.value;
  }
  IniStore store;
  ProfileFunctions f = store.functions();
  write_real(f, "a", "r", 1e-3);
  write_real(f, "a", "s", 1234567.0);
  write_number(f, "a", "n", -12);
  EXPECT_EQ(store.text(), "[a]\r\nr=0.001\r\ns=1.23457e+006\r\nn=-12\r\n");
}

}  // namespace
