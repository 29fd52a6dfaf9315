// A 32-bit top-down DIB section selected into a memory DC, white to start with: a surface
// whose pixels a test can read after drawing through the GDI canvas.
#pragma once

#include <windows.h>

#include <cstdint>

#include "graph/resources.h"

class Dib {
 public:
  Dib(int width, int height);
  ~Dib();
  Dib(const Dib &) = delete;
  Dib &operator=(const Dib &) = delete;

  HDC dc() const { return dc_; }
  Colour pixel(int x, int y) const;   // flushes GDI first
  // How many pixels of the row y (x in [from, to)) have exactly this colour.
  int count_in_row(int y, int from, int to, Colour colour) const;
  int count_in_column(int x, int from, int to, Colour colour) const;

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ original_ = nullptr;
  uint32_t *bits_ = nullptr;
};

bool operator==(Colour a, Colour b);
