// Screen pictures: finding a picture in another, the drawn-window check, BMP files read back
// by the platform, and a window of known colour captured from the screen.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "driver.h"

namespace {

const COLORREF kFace = RGB(192, 192, 192), kInk = RGB(0, 0, 0), kRed = RGB(200, 30, 40);

ScreenImage filled(int width, int height, COLORREF colour) {
  ScreenImage image;
  image.width = width;
  image.height = height;
  image.pixels.assign(static_cast<size_t>(width) * height, colour);
  return image;
}

void set(ScreenImage &image, int x, int y, COLORREF colour) { image.pixels[static_cast<size_t>(y) * image.width + x] = colour; }

// A 2x2 picture with four different pixels.
ScreenImage tile() {
  ScreenImage part = filled(2, 2, kInk);
  set(part, 1, 0, kRed);
  set(part, 0, 1, RGB(1, 2, 3));
  set(part, 1, 1, RGB(4, 5, 6));
  return part;
}

void put(ScreenImage &image, const ScreenImage &part, int left, int top) {
  for (int y = 0; y < part.height; y++)
    for (int x = 0; x < part.width; x++) set(image, left + x, top + y, part.at(x, y));
}

TEST(FindPicture, WhereItShowsWhole) {
  ScreenImage image = filled(7, 5, kFace);
  put(image, tile(), 5, 3);   // against the bottom-right corner
  POINT at = find_picture(image, tile());
  EXPECT_EQ(at.x, 5);
  EXPECT_EQ(at.y, 3);
}

TEST(FindPicture, TheTopmostThenLeftmostOfSeveral) {
  ScreenImage image = filled(8, 6, kFace);
  put(image, tile(), 1, 4);
  put(image, tile(), 5, 1);
  put(image, tile(), 2, 1);
  POINT at = find_picture(image, tile());
  EXPECT_EQ(at.x, 2);
  EXPECT_EQ(at.y, 1);
}

TEST(FindPicture, NowhereWhenAPixelDiffersOrItDoesNotFit) {
  ScreenImage image = filled(6, 6, kFace);
  put(image, tile(), 2, 2);
  set(image, 3, 3, RGB(4, 5, 7));
  EXPECT_EQ(find_picture(image, tile()).x, -1);
  EXPECT_EQ(find_picture(filled(1, 5, kInk), filled(2, 1, kInk)).x, -1);
  EXPECT_EQ(find_picture(filled(3, 3, kInk), ScreenImage{}).x, -1);
}

TEST(ShowsDrawnWindow, TheFaceAndSomethingOnIt) {
  ScreenImage image = filled(100, 10, kFace);
  EXPECT_FALSE(shows_drawn_window(image, kFace)) << "a bare face";
  for (int x = 0; x < 4; x++) set(image, x, 0, kInk);   // 0.4 % ink
  EXPECT_FALSE(shows_drawn_window(image, kFace)) << "next to nothing on the face";
  set(image, 4, 0, kInk);   // 0.5 %
  EXPECT_TRUE(shows_drawn_window(image, kFace));
  EXPECT_DOUBLE_EQ(share_of(image, kFace), 0.995);
  EXPECT_DOUBLE_EQ(share_of(image, kInk), 0.005);
  ScreenImage black = filled(100, 10, kInk);
  for (int x = 0; x < 100; x++) set(black, x, 0, kFace);   // 10 % face
  EXPECT_FALSE(shows_drawn_window(black, kFace)) << "not drawn: mostly black";
  for (int x = 0; x < 100; x++) set(black, x, 1, kFace);   // 20 % face
  EXPECT_TRUE(shows_drawn_window(black, kFace));
  EXPECT_FALSE(shows_drawn_window(ScreenImage{}, kFace));
}

TEST(SaveBmp, ThePlatformReadsBackTheSamePixels) {
  ScreenImage image = filled(3, 2, kFace);   // rows of 9 bytes, padded to 12
  set(image, 0, 0, kRed);
  set(image, 2, 0, RGB(0, 0, 255));
  set(image, 1, 1, RGB(0, 255, 0));
  const std::string path = windows_path(std::string(ULMO_SCRATCH) + "/round-trip.bmp");
  ASSERT_TRUE(save_bmp(image, path));
  HBITMAP read = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                                   LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  ASSERT_NE(read, nullptr);
  ScreenImage back = bitmap_pixels(read);
  DeleteObject(read);
  EXPECT_EQ(back.width, 3);
  EXPECT_EQ(back.height, 2);
  EXPECT_EQ(back.pixels, image.pixels);
  EXPECT_FALSE(save_bmp(ScreenImage{}, path));
}

LRESULT CALLBACK plain_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcA(window, message, wparam, lparam);
}

TEST(CaptureWindow, AWindowOfKnownColourAsTheScreenShowsIt) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  wc.lpfnWndProc = plain_proc;
  wc.hInstance = instance;
  wc.hbrBackground = CreateSolidBrush(kRed);
  wc.lpszClassName = "CaptureTestWindow";
  ASSERT_TRUE(RegisterClassA(&wc));
  HWND window = CreateWindowExA(WS_EX_TOPMOST, "CaptureTestWindow", "", WS_POPUP | WS_VISIBLE, 20, 30, 120, 80,
                                nullptr, nullptr, instance, nullptr);
  ASSERT_NE(window, nullptr);
  ScreenImage seen;
  EXPECT_TRUE(wait_until([&] {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    seen = capture_window(window);
    return share_of(seen, kRed) == 1.0;
  }, 10000)) << share_of(seen, kRed) * 100 << "% red";
  EXPECT_EQ(seen.width, 120);
  EXPECT_EQ(seen.height, 80);
  // Off the screen's left and top edges only the part on it is captured.
  SetWindowPos(window, nullptr, -50, -20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  seen = capture_window(window);
  EXPECT_EQ(seen.width, 70);
  EXPECT_EQ(seen.height, 60);
  DestroyWindow(window);
  UnregisterClassA("CaptureTestWindow", instance);
  DeleteObject(wc.hbrBackground);
}

}  // namespace
