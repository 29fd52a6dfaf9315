// The About box: its texts, the physical memory figure and the logo's place.
#include <gtest/gtest.h>
#include <windows.h>

#include <climits>
#include <cstdlib>
#include <string>

#include "dialog_watcher.h"
#include "driver.h"
#include "host_memory.h"
#include "resources/dialog_ids.h"
#include "shell/win32/about.h"

namespace {

TEST(PhysicalMemoryText, KilobytesOfThousandBytes) {
  struct Row {
    uint64_t bytes;
    const char *text;
  } rows[] = {
      {0, "0 KB"},
      {999, "0 KB"},
      {1000, "1 KB"},
      {536870912, "536870 KB"},                       // 512 MiB
      {4294967296ull, "4294967 KB"},                  // 4 GiB, beyond a 32-bit byte count
      {25769803776ull, "25769803 KB"},                // 24 GiB
      {2147483647000ull, "2147483647 KB"},            // the largest 32-bit long
      {2147483648000ull, "2147483648 KB"},            // one more: printed whole, not wrapped
      {18446744073709551615ull, "18446744073709551 KB"},
  };
  for (const Row &r : rows) EXPECT_EQ(physical_memory_text(r.bytes), r.text) << r.bytes;
}

TEST(AboutLogo, CentredTenPixelsDown) {
  struct Row {
    int client, logo, x;
  } rows[] = {{400, 200, 100}, {401, 200, 100}, {200, 200, 0}, {300, 1, 149}, {100, 200, -50}};
  for (const Row &r : rows) {
    POINT at = about_logo_origin(r.client, r.logo);
    EXPECT_EQ(at.x, r.x) << r.client << " " << r.logo;
    EXPECT_EQ(at.y, 10);
  }
}

class About : public ::testing::Test {
 protected:
  void SetUp() override { ui_thread = GetCurrentThreadId(); }
  DWORD ui_thread;
  DialogWatcher watcher;
};

TEST_F(About, TextsAndMemory) {
  std::string version, copyright, platforms, memory, extra, ok, label;
  testing::AssertionResult shot = testing::AssertionFailure() << "no picture taken";
  watcher.start("About Ulmo-Postprocessor", [&](HWND dialog) {
    version = control_text(dialog, IDC_ABOUT_VERSION);
    copyright = control_text(dialog, IDC_ABOUT_COPYRIGHT);
    platforms = control_text(dialog, IDC_ABOUT_PLATFORMS);
    memory = control_text(dialog, IDC_ABOUT_MEMORY);
    extra = control_text(dialog, IDC_ABOUT_EXTRA);
    ok = control_text(dialog, IDOK);
    // The label left of the figure.
    HWND figure = GetDlgItem(dialog, IDC_ABOUT_MEMORY);
    HWND before = GetWindow(figure, GW_HWNDPREV);
    label = before ? window_text(before) : "";
    shot = screenshot(dialog, "about");
    click(dialog, IDOK);
  });
  show_about(nullptr);
  ASSERT_TRUE(watcher.finish());
  EXPECT_TRUE(shot);
  // Against the host's own count, not the call the box makes: within 1 %, which a figure in
  // units of 1024 bytes, or one cut to 32 bits, is not.
  const double host_kilobytes = host_physical_memory() / 1000.0;
  ASSERT_GT(host_kilobytes, 0) << "the host's memory size cannot be read";
  const long long shown = kilobytes_shown(memory);
  ASSERT_GT(shown, 0) << "not \"<digits> KB\": " << memory;
  EXPECT_NEAR(static_cast<double>(shown), host_kilobytes, host_kilobytes / 100) << memory;
  EXPECT_EQ(label, "Physical Memory:");
  EXPECT_EQ(version, "Ulmo-Postprocessor Version 1.0");
  EXPECT_EQ(copyright, "Copyright (c) 2026 Ulmo-Software");
  EXPECT_EQ(platforms, "for Windows 95, 98, NT, 2000 and XP");
  EXPECT_EQ(extra, "");
  EXPECT_EQ(ok, "OK");
}

TEST_F(About, CancelClosesIt) {
  bool gone = false;
  watcher.start("About Ulmo-Postprocessor", [&](HWND dialog) {
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    gone = wait_until_gone(ui_thread, "About Ulmo-Postprocessor", 3000);
  });
  show_about(nullptr);
  ASSERT_TRUE(watcher.finish());
  EXPECT_TRUE(gone);
}

// The logo is looked for on the screen over the whole box, pixel for pixel, and must sit
// centred, 10 pixels below the top. Without bitmap 4 in the program there is nothing to look
// for (the box then paints no logo, which TextsAndMemory shows).
TEST_F(About, PaintsTheLogoCentredAtTheTop) {
  HBITMAP logo = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_ABOUT_LOGO));
  if (!logo) GTEST_SKIP() << "no bitmap 4 in this build";
  const ScreenImage expected = bitmap_pixels(logo);
  DeleteObject(logo);
  ASSERT_GT(expected.width, 0);
  POINT found{-1, -1};
  int client_width = 0;
  watcher.start("About Ulmo-Postprocessor", [&](HWND dialog) {
    RECT client;
    GetClientRect(dialog, &client);
    client_width = client.right;
    POINT origin{0, 0};
    ClientToScreen(dialog, &origin);
    const RECT area{origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
    wait_until([&] { return (found = find_picture(capture_screen(area), expected)).x >= 0; }, 10000);
    click(dialog, IDOK);
  });
  show_about(nullptr);
  ASSERT_TRUE(watcher.finish());
  ASSERT_GE(found.x, 0) << "the logo shows nowhere in the box";
  const int right_margin = client_width - (found.x + expected.width);
  EXPECT_LE(std::abs(found.x - right_margin), 1) << found.x << " left, " << right_margin << " right";
  EXPECT_EQ(found.y, 10);
}

}  // namespace
