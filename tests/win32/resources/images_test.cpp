// The images of the resource script as the program loads them: their sizes, the cursor's hot
// spot, and pixels that say the right picture is in the right place.
#include <gtest/gtest.h>
#include <windows.h>

#include "resources/image_ids.h"

namespace {

HINSTANCE module() { return GetModuleHandleA(nullptr); }

// The colour of one pixel of a bitmap, read through a memory device context.
COLORREF pixel(HBITMAP bitmap, int x, int y) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  COLORREF colour = GetPixel(dc, x, y);
  SelectObject(dc, old);
  DeleteDC(dc);
  return colour;
}

SIZE bitmap_size(HBITMAP bitmap) {
  BITMAP info{};
  GetObjectA(bitmap, sizeof info, &info);
  return SIZE{info.bmWidth, info.bmHeight};
}

TEST(Images, IconsCarrySixteenAndThirtyTwo) {
  for (int id : {IDI_PROGRAM, IDI_GRAPH_WINDOW, IDI_TABLE_WINDOW}) {
    EXPECT_NE(LoadIconA(module(), MAKEINTRESOURCEA(id)), nullptr) << "icon " << id;
    for (int size : {16, 32}) {
      HICON icon = static_cast<HICON>(LoadImageA(module(), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
      ASSERT_NE(icon, nullptr) << "icon " << id << " at " << size;
      ICONINFO info{};
      ASSERT_TRUE(GetIconInfo(icon, &info));
      EXPECT_EQ(bitmap_size(info.hbmColor).cx, size) << "icon " << id;
      EXPECT_EQ(bitmap_size(info.hbmColor).cy, size) << "icon " << id;
      DeleteObject(info.hbmColor);
      DeleteObject(info.hbmMask);
      DestroyIcon(icon);
    }
  }
}

// Draws an icon on grey and reads it back: transparency shows the grey, the art its colours.
COLORREF icon_pixel(int id, int size, int x, int y) {
  HICON icon = static_cast<HICON>(LoadImageA(module(), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP canvas = CreateCompatibleBitmap(screen, size, size);
  HGDIOBJ old = SelectObject(dc, canvas);
  RECT all{0, 0, size, size};
  HBRUSH grey = CreateSolidBrush(RGB(128, 128, 128));
  FillRect(dc, &all, grey);
  DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  COLORREF colour = GetPixel(dc, x, y);
  SelectObject(dc, old);
  DeleteObject(grey);
  DeleteObject(canvas);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  DestroyIcon(icon);
  return colour;
}

TEST(Images, ProgramIconIsAFramedGraph) {
  EXPECT_EQ(icon_pixel(IDI_PROGRAM, 16, 0, 0), RGB(128, 128, 128));  // cut corner
  EXPECT_EQ(icon_pixel(IDI_PROGRAM, 16, 8, 0), RGB(0, 0, 0));        // frame
  EXPECT_EQ(icon_pixel(IDI_PROGRAM, 16, 14, 1), RGB(255, 255, 255)); // paper
  EXPECT_EQ(icon_pixel(IDI_PROGRAM, 16, 2, 13), RGB(0, 0, 0));       // the axes' corner
  EXPECT_EQ(icon_pixel(IDI_PROGRAM, 32, 31, 31), RGB(128, 128, 128));
}

TEST(Images, WindowIconsHaveATitleBar) {
  for (int id : {IDI_GRAPH_WINDOW, IDI_TABLE_WINDOW}) {
    EXPECT_EQ(icon_pixel(id, 16, 5, 0), RGB(128, 128, 128)) << id;  // above the window
    EXPECT_EQ(icon_pixel(id, 16, 5, 3), RGB(0, 0, 192)) << id;      // title bar
    EXPECT_EQ(icon_pixel(id, 16, 0, 10), RGB(0, 0, 0)) << id;       // frame
  }
  EXPECT_EQ(icon_pixel(IDI_GRAPH_WINDOW, 16, 3, 13), RGB(0, 0, 0));     // x axis
  EXPECT_EQ(icon_pixel(IDI_TABLE_WINDOW, 16, 5, 7), RGB(128, 128, 128)); // grid line
}

TEST(Images, CrosshairCursorHasItsHotSpotInTheMiddle) {
  HCURSOR cursor = LoadCursorA(module(), MAKEINTRESOURCEA(IDC_GRAPH_CROSSHAIR));
  ASSERT_NE(cursor, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(cursor, &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 15u);
  EXPECT_EQ(info.yHotspot, 15u);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
}

TEST(Images, ToolbarStripIsTenButtonsOnButtonGrey) {
  HBITMAP strip = static_cast<HBITMAP>(LoadImageA(module(), MAKEINTRESOURCEA(IDB_TOOLBAR), IMAGE_BITMAP, 0, 0, 0));
  ASSERT_NE(strip, nullptr);
  EXPECT_EQ(bitmap_size(strip).cx, 160);
  EXPECT_EQ(bitmap_size(strip).cy, 16);
  for (int button = 0; button < 10; button++)
    EXPECT_EQ(pixel(strip, button * 16, 15), RGB(192, 192, 192)) << "button " << button;
  EXPECT_EQ(pixel(strip, 0 * 16 + 2, 8), RGB(128, 128, 0));   // Open: the folder's back
  EXPECT_EQ(pixel(strip, 0 * 16 + 5, 11), RGB(255, 255, 0));  // and its front
  EXPECT_EQ(pixel(strip, 1 * 16 + 7, 7), RGB(0, 0, 192));     // Select Current Plot: the marked entry
  EXPECT_EQ(pixel(strip, 2 * 16 + 12, 2), RGB(192, 0, 0));    // Load Experimental Data: a point
  EXPECT_EQ(pixel(strip, 4 * 16 + 11, 7), RGB(0, 128, 0));    // Print: the lamp
  EXPECT_EQ(pixel(strip, 5 * 16 + 12, 0), RGB(0, 128, 0));    // Add Plot: the plus
  EXPECT_EQ(pixel(strip, 6 * 16 + 5, 4), RGB(0, 0, 0));       // Add Text: the letter
  EXPECT_EQ(pixel(strip, 7 * 16 + 15, 15), RGB(0, 0, 0));     // Zoom: the handle
  EXPECT_EQ(pixel(strip, 8 * 16 + 5, 1), RGB(192, 0, 0));     // Display Cursors: a cursor line
  EXPECT_EQ(pixel(strip, 9 * 16 + 5, 2), RGB(0, 0, 192));     // Help: the question mark
  DeleteObject(strip);
}

TEST(Images, AboutLogo) {
  HBITMAP logo = LoadBitmapA(module(), MAKEINTRESOURCEA(IDB_ABOUT_LOGO));
  ASSERT_NE(logo, nullptr);
  EXPECT_EQ(bitmap_size(logo).cx, 200);
  EXPECT_EQ(bitmap_size(logo).cy, 60);
  EXPECT_EQ(pixel(logo, 0, 0), RGB(192, 192, 192));   // its frame
  EXPECT_EQ(pixel(logo, 100, 58), RGB(255, 255, 255));
  EXPECT_EQ(pixel(logo, 54, 5), RGB(0, 0, 128));      // the top of the name's first letter
  DeleteObject(logo);
}

}  // namespace
