// A 32-bit top-down DIB section in a memory DC: a paint target whose pixels can be compared
// and saved.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

class Picture {
 public:
  Picture(int width, int height);   // white
  ~Picture();
  Picture(const Picture &) = delete;
  Picture &operator=(const Picture &) = delete;

  bool valid() const { return bits_ != nullptr; }
  HDC dc() const { return dc_; }
  void clear();   // white again
  // Pixels whose colour differs between two pictures of the same size; -1 when the sizes differ.
  long long differing_pixels(const Picture &other) const;
  // Pixels of exactly this colour.
  long long count_colour(COLORREF colour) const;
  // A 24-bit BMP file; false when it cannot be written.
  bool save_bmp(const std::string &path) const;

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ original_ = nullptr;
  uint32_t *bits_ = nullptr;   // 0x00RRGGBB, row 0 at the top
};
