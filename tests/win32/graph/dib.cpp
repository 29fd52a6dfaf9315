#include "dib.h"

Dib::Dib(int width, int height) : width_(width), height_(height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;   // top-down: row 0 first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  dc_ = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  void *bits = nullptr;
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<uint32_t *>(bits);
  original_ = SelectObject(dc_, bitmap_);
  for (int i = 0; i < width * height; i++) bits_[i] = 0xFFFFFF;
}

Dib::~Dib() {
  SelectObject(dc_, original_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

Colour Dib::pixel(int x, int y) const {
  GdiFlush();
  uint32_t v = bits_[y * width_ + x];
  return {static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)};
}

int Dib::count_in_row(int y, int from, int to, Colour colour) const {
  int n = 0;
  for (int x = from; x < to; x++) n += pixel(x, y) == colour;
  return n;
}

int Dib::count_in_column(int x, int from, int to, Colour colour) const {
  int n = 0;
  for (int y = from; y < to; y++) n += pixel(x, y) == colour;
  return n;
}

bool operator==(Colour a, Colour b) { return a.red == b.red && a.green == b.green && a.blue == b.blue; }
