#include "picture.h"

#include <cstdio>
#include <vector>

Picture::Picture(int width, int height) : width_(width), height_(height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;   // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  dc_ = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  void *bits = nullptr;
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap_) return;
  bits_ = static_cast<uint32_t *>(bits);
  original_ = SelectObject(dc_, bitmap_);
  clear();
}

Picture::~Picture() {
  if (original_) SelectObject(dc_, original_);
  if (bitmap_) DeleteObject(bitmap_);
  if (dc_) DeleteDC(dc_);
}

void Picture::clear() {
  GdiFlush();
  for (int i = 0; i < width_ * height_; i++) bits_[i] = 0xFFFFFF;
}

long long Picture::differing_pixels(const Picture &other) const {
  if (other.width_ != width_ || other.height_ != height_) return -1;
  GdiFlush();
  long long n = 0;
  for (int i = 0; i < width_ * height_; i++) n += (bits_[i] & 0xFFFFFF) != (other.bits_[i] & 0xFFFFFF);
  return n;
}

long long Picture::count_colour(COLORREF colour) const {
  GdiFlush();
  // COLORREF is 0x00BBGGRR, the DIB's pixels 0x00RRGGBB.
  uint32_t wanted = GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
  long long n = 0;
  for (int i = 0; i < width_ * height_; i++) n += (bits_[i] & 0xFFFFFF) == wanted;
  return n;
}

bool Picture::save_bmp(const std::string &path) const {
  GdiFlush();
  const int row_bytes = (width_ * 3 + 3) / 4 * 4;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width_;
  header.biHeight = height_;   // bottom-up, what every reader takes
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = row_bytes * height_;
  file.bfType = 0x4D42;   // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + header.biSizeImage;
  FILE *out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  bool ok = std::fwrite(&file, sizeof file, 1, out) == 1 &&
            std::fwrite(&header, sizeof header, 1, out) == 1;
  std::vector<unsigned char> row(row_bytes, 0);
  for (int y = height_ - 1; ok && y >= 0; y--) {
    const uint32_t *source = bits_ + static_cast<size_t>(y) * width_;
    for (int x = 0; x < width_; x++) {
      row[x * 3] = source[x] & 0xFF;              // blue
      row[x * 3 + 1] = (source[x] >> 8) & 0xFF;   // green
      row[x * 3 + 2] = (source[x] >> 16) & 0xFF;  // red
    }
    ok = std::fwrite(row.data(), 1, row.size(), out) == row.size();
  }
  return std::fclose(out) == 0 && ok;
}
