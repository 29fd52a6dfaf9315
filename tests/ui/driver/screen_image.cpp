#include "screen_image.h"

#include <algorithm>
#include <cstdio>

#include "wait.h"

namespace {

const int kDrawMs = 10000;
// A window's face fills at least a fifth of it, its texts and frames at least one pixel in 200.
const size_t kFaceShareDivisor = 5;
const size_t kDrawnShareDivisor = 200;

// 32-bit top-down DIB pixels (blue, green, red, unused) to COLORREF values.
std::vector<COLORREF> to_colorrefs(const std::vector<DWORD> &bgrx) {
  std::vector<COLORREF> out(bgrx.size());
  for (size_t i = 0; i < bgrx.size(); i++)
    out[i] = RGB((bgrx[i] >> 16) & 0xFF, (bgrx[i] >> 8) & 0xFF, bgrx[i] & 0xFF);
  return out;
}

BITMAPINFO top_down_32bit(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace

ScreenImage capture_screen(const RECT &area) {
  ScreenImage image;
  int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return image;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = top_down_32bit(width, height);
  void *bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY)) {
      GdiFlush();
      const DWORD *first = static_cast<const DWORD *>(bits);
      image.width = width;
      image.height = height;
      image.pixels = to_colorrefs(std::vector<DWORD>(first, first + static_cast<size_t>(width) * height));
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return image;
}

ScreenImage capture_window(HWND window) {
  // A maximized window's borders lie off the screen, which cannot be copied from.
  RECT r{}, screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, seen{};
  if (!GetWindowRect(window, &r) || !IntersectRect(&seen, &r, &screen)) return ScreenImage{};
  return capture_screen(seen);
}

ScreenImage bitmap_pixels(HBITMAP bitmap) {
  ScreenImage image;
  BITMAP info{};
  if (!GetObjectA(bitmap, sizeof info, &info)) return image;
  BITMAPINFO format = top_down_32bit(info.bmWidth, info.bmHeight);
  std::vector<DWORD> bgrx(static_cast<size_t>(info.bmWidth) * info.bmHeight);
  HDC screen = GetDC(nullptr);
  int rows = GetDIBits(screen, bitmap, 0, info.bmHeight, bgrx.data(), &format, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != info.bmHeight) return image;
  image.width = info.bmWidth;
  image.height = info.bmHeight;
  image.pixels = to_colorrefs(bgrx);
  return image;
}

bool save_bmp(const ScreenImage &image, const std::string &path) {
  if (image.width <= 0 || image.height <= 0) return false;
  // 24-bit rows, bottom row first, each padded to four bytes.
  const size_t stride = (static_cast<size_t>(image.width) * 3 + 3) / 4 * 4;
  std::vector<unsigned char> rows(stride * image.height, 0);
  for (int y = 0; y < image.height; y++)
    for (int x = 0; x < image.width; x++) {
      unsigned char *p = &rows[stride * (image.height - 1 - y) + static_cast<size_t>(x) * 3];
      COLORREF c = image.at(x, y);
      p[0] = GetBValue(c);
      p[1] = GetGValue(c);
      p[2] = GetRValue(c);
    }
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = image.width;
  header.biHeight = image.height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = static_cast<DWORD>(file.bfOffBits + rows.size());
  FILE *out = fopen(path.c_str(), "wb");
  if (!out) return false;
  bool ok = fwrite(&file, sizeof file, 1, out) == 1 && fwrite(&header, sizeof header, 1, out) == 1 &&
            fwrite(rows.data(), 1, rows.size(), out) == rows.size();
  return fclose(out) == 0 && ok;
}

POINT find_picture(const ScreenImage &image, const ScreenImage &part) {
  auto matches_at = [&](int left, int top) {
    for (int y = 0; y < part.height; y++)
      for (int x = 0; x < part.width; x++)
        if (image.at(left + x, top + y) != part.at(x, y)) return false;
    return true;
  };
  if (part.width > 0 && part.height > 0)
    for (int top = 0; top + part.height <= image.height; top++)
      for (int left = 0; left + part.width <= image.width; left++)
        if (matches_at(left, top)) return POINT{left, top};
  return POINT{-1, -1};
}

double share_of(const ScreenImage &image, COLORREF colour) {
  if (image.pixels.empty()) return 0;
  size_t n = 0;
  for (COLORREF c : image.pixels) n += c == colour;
  return static_cast<double>(n) / image.pixels.size();
}

testing::AssertionResult shows_drawn_window(const ScreenImage &image, COLORREF background) {
  if (image.pixels.empty()) return testing::AssertionFailure() << "an empty picture";
  const size_t all = image.pixels.size();
  const size_t face_pixels = static_cast<size_t>(std::count(image.pixels.begin(), image.pixels.end(), background));
  if (face_pixels * kFaceShareDivisor >= all && (all - face_pixels) * kDrawnShareDivisor >= all)
    return testing::AssertionSuccess();
  const double face = static_cast<double>(face_pixels) / all;
  char colour[16];
  snprintf(colour, sizeof colour, "#%02X%02X%02X", GetRValue(background), GetGValue(background),
           GetBValue(background));
  return testing::AssertionFailure() << image.width << "x" << image.height << " picture, " << face * 100
                                     << "% of it the face " << colour;
}

testing::AssertionResult save_screenshot(HWND window, COLORREF background, const std::string &path,
                                         bool whole_screen) {
  ScreenImage seen;
  wait_until([&] { return shows_drawn_window(seen = capture_window(window), background); }, kDrawMs);
  // Saved either way, so that a person can see what was wrong.
  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (!save_bmp(whole_screen ? capture_screen(screen) : seen, path))
    return testing::AssertionFailure() << "cannot write " << path;
  testing::AssertionResult drawn = shows_drawn_window(seen, background);
  if (!drawn) return drawn << " (" << path << ")";
  return testing::AssertionSuccess();
}
