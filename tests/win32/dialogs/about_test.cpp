// The About box: its texts, the physical memory figure and the logo's place.
#include <gtest/gtest.h>
#include <windows.h>

#include <climits>
#include <string>

#include "dialog_watcher.h"
#include "driver.h"
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
    screenshot(dialog, "about");
    click(dialog, IDOK);
  });
  show_about(nullptr);
  ASSERT_TRUE(watcher.finish());
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  ASSERT_TRUE(GlobalMemoryStatusEx(&status));
  EXPECT_EQ(memory, std::to_string(status.ullTotalPhys / 1000) + " KB");
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

// The logo's pixels on the screen where the box paints it; without bitmap 4 in the program
// there is nothing to compare (the box then paints no logo, which TextsAndMemory shows).
TEST_F(About, PaintsTheLogo) {
  HBITMAP logo = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_ABOUT_LOGO));
  if (!logo) GTEST_SKIP() << "no bitmap 4 in this build";
  BITMAP info{};
  GetObjectA(logo, sizeof info, &info);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, logo);
  const int probes[][2] = {{info.bmWidth / 2, info.bmHeight / 2}, {1, 1},
                           {info.bmWidth - 2, info.bmHeight - 2}, {info.bmWidth / 4, info.bmHeight / 3}};
  COLORREF expected[4], seen[4];
  for (int i = 0; i < 4; i++) expected[i] = GetPixel(memory, probes[i][0], probes[i][1]);
  watcher.start("About Ulmo-Postprocessor", [&](HWND dialog) {
    Sleep(300);
    RECT client;
    GetClientRect(dialog, &client);
    POINT at = about_logo_origin(client.right, info.bmWidth);
    ClientToScreen(dialog, &at);
    for (int i = 0; i < 4; i++) seen[i] = GetPixel(screen, at.x + probes[i][0], at.y + probes[i][1]);
    click(dialog, IDOK);
  });
  show_about(nullptr);
  ASSERT_TRUE(watcher.finish());
  for (int i = 0; i < 4; i++) EXPECT_EQ(seen[i], expected[i]) << i;
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  DeleteObject(logo);
}

}  // namespace
