// The window classes' extra bytes: the 32-bit program keeps the platform's 4-byte words, the
// 64-bit one widens the words that the shell knows to pointers.
#include <gtest/gtest.h>
#include <windows.h>

#include "shell/win32/app.h"

namespace {

const bool k64 = sizeof(LONG_PTR) == 8;

TEST(WindowClasses, ExtraBytes) {
  // The frame tests register the classes once for the whole program; whoever comes first
  // registers them, and this test leaves them as it found them.
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA wc;
  bool registered_here = !GetClassInfoA(instance, "AppFrame", &wc);
  if (registered_here) ASSERT_TRUE(register_window_classes(instance));
  const struct {
    const char *name;
    int bytes;
  } expected[] = {
      {"AppFrame", k64 ? 8 : 4},  {"ChildGraph", k64 ? 50 : 38}, {"ChildTable", k64 ? 32 : 16},
      {"Text", 32},               {"Cursor", 8},                 {"Status", 0},
  };
  for (const auto &c : expected) {
    ASSERT_TRUE(GetClassInfoA(instance, c.name, &wc)) << c.name;
    EXPECT_EQ(wc.cbWndExtra, c.bytes) << c.name;
  }
  if (registered_here)
    for (const auto &c : expected) UnregisterClassA(c.name, instance);
}

TEST(WindowClasses, ChildWordsFollowEachOther) {
  EXPECT_EQ(kChildKindWord, 0);
  EXPECT_EQ(kChildContentWord, k64 ? 8 : 4);
  EXPECT_EQ(kChildPlotWord, k64 ? 16 : 8);
  EXPECT_EQ(kTableSpareWord, k64 ? 24 : 12);
}

}  // namespace
