// Pictures of what the screen shows, for checking that a window has drawn itself and for
// saving as BMP files a person can look at.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The pixels of a screen area, top row first, as COLORREF values.
struct ScreenImage {
  int width = 0, height = 0;
  std::vector<COLORREF> pixels;
  COLORREF at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// What the screen shows in `area` (screen coordinates) now.
ScreenImage capture_screen(const RECT &area);
// The part of the window's rectangle that is on the screen, as the screen shows it now.
ScreenImage capture_window(HWND window);
// The pixels of a bitmap, as they are drawn on a screen of the same depth.
ScreenImage bitmap_pixels(HBITMAP bitmap);
bool save_bmp(const ScreenImage &image, const std::string &path);

// Where `part` first shows whole, pixel for pixel, inside `image` (its top-left corner);
// {-1, -1} when it is nowhere.
POINT find_picture(const ScreenImage &image, const ScreenImage &part);

// The share (0 to 1) of the image's pixels that have `colour`.
double share_of(const ScreenImage &image, COLORREF colour);
// The image shows a window that has drawn itself: its face, `background`, covers at least a
// fifth of it and other colours (texts, frames, controls) at least one pixel in 200. A window
// not yet drawn, or a bare face, fails.
testing::AssertionResult shows_drawn_window(const ScreenImage &image, COLORREF background);

// Waits until `window` shows on the screen as drawn (shows_drawn_window), then saves the
// window, or the whole screen when `whole_screen`, as a BMP file at `path` (host path).
testing::AssertionResult save_screenshot(HWND window, COLORREF background, const std::string &path,
                                         bool whole_screen = false);
