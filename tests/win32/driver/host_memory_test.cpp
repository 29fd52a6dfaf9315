// Reading a memory figure "N KB" and the host's own memory size.
#include <gtest/gtest.h>

#include "host_memory.h"

namespace {

TEST(KilobytesShown, DigitsABlankAndKB) {
  EXPECT_EQ(kilobytes_shown("6170943 KB"), 6170943);
  EXPECT_EQ(kilobytes_shown("0 KB"), 0);
  EXPECT_EQ(kilobytes_shown("18446744073709551 KB"), 18446744073709551LL);   // all of 2^64 bytes
  EXPECT_EQ(kilobytes_shown("999999999999999999 KB"), 999999999999999999LL);
  EXPECT_EQ(kilobytes_shown("1000000000000000000 KB"), -1);   // beyond 18 digits
}

TEST(KilobytesShown, AnythingElseIsRefused) {
  for (const char *text : {"", "KB", " KB", "12KB", "12 kB", "12 Kb", "12 KB ", " 12 KB", "012 KB",
                           "-5 KB", "+5 KB", "1,234 KB", "1.5 KB", "12 MB", "12"})
    EXPECT_EQ(kilobytes_shown(text), -1) << '"' << text << '"';
}

TEST(HostMemory, ReadFromTheKernelInWholeKibibytes) {
  const uint64_t bytes = host_physical_memory();
  EXPECT_GT(bytes, 64ull << 20);
  EXPECT_EQ(bytes % 1024, 0u);
}

}  // namespace
