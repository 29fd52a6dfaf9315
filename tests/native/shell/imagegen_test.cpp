// The image generator run as the build runs it: art text in, icon, cursor and bitmap files
// out, and a clear complaint with the line number for art it cannot draw.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string scratch(const std::string &name) { return std::string(SCRATCH_DIR) + "/" + name; }

// Runs the tool on `art`; returns its exit status, with its complaint in `message`.
int draw(const std::string &art, const std::string &out, std::string *message = nullptr) {
  std::ofstream(scratch("art.txt")) << art;
  std::string command = std::string(IMAGEGEN) + " " + scratch("art.txt") + " " + out + " 2>" + scratch("err.txt");
  int status = system(command.c_str());
  if (message) {
    std::ifstream err(scratch("err.txt"));
    std::stringstream text;
    text << err.rdbuf();
    *message = text.str();
  }
  return status;
}

std::string read_file(const std::string &path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream data;
  data << file.rdbuf();
  return data.str();
}

unsigned u16(const std::string &d, size_t at) {
  return static_cast<uint8_t>(d[at]) | static_cast<uint8_t>(d[at + 1]) << 8;
}
uint32_t u32(const std::string &d, size_t at) { return u16(d, at) | static_cast<uint32_t>(u16(d, at + 2)) << 16; }

const char kIcon[] =
    "kind icon\n"
    "colour . none\n"
    "colour k 0 0 0\n"
    "colour r 255 0 0\n"
    "image 16 16\n"
    "r...............\n"
    "................\n"
    "................\n"
    "................\n"
    "................\n"
    "................\n"
    "................\n"
    "................\n"
    "................\n"
    "................\n"
    "................\n"
    "................\n"
    "................\n"
    "................\n"
    "................\n"
    "kkkkkkkkkkkkkkkk\n";

TEST(Imagegen, IconGetsItsImageDoubled) {
  std::string out = scratch("t.ico");
  ASSERT_EQ(draw(kIcon, out), 0);
  std::string d = read_file(out);
  EXPECT_EQ(u16(d, 0), 0u);
  EXPECT_EQ(u16(d, 2), 1u);  // icon
  ASSERT_EQ(u16(d, 4), 2u);  // 16 and 32
  EXPECT_EQ(static_cast<uint8_t>(d[6]), 16);
  EXPECT_EQ(static_cast<uint8_t>(d[22]), 32);
  EXPECT_EQ(u16(d, 6 + 6), 32u);  // bits per pixel
  uint32_t first = u32(d, 6 + 12), second = u32(d, 22 + 12);
  EXPECT_EQ(u32(d, 6 + 8), 40u + 16 * 16 * 4 + 16 * 4);
  EXPECT_EQ(first + u32(d, 6 + 8), second);
  EXPECT_EQ(d.size(), second + u32(d, 22 + 8));
  EXPECT_EQ(u32(d, first + 8), 32u);  // twice the height: colour rows and mask
  // Rows are stored bottom-up: the black bottom row first, the red pixel in the last row.
  size_t pixels = first + 40;
  EXPECT_EQ(u32(d, pixels), 0xFF000000u);
  EXPECT_EQ(u32(d, pixels + 15 * 64), 0xFFFF0000u);
  EXPECT_EQ(u32(d, pixels + 15 * 64 + 4), 0u);  // transparent
  size_t mask = pixels + 16 * 16 * 4;
  EXPECT_EQ(static_cast<uint8_t>(d[mask]), 0x00);         // bottom row opaque
  EXPECT_EQ(static_cast<uint8_t>(d[mask + 15 * 4]), 0x7F); // top row: only the red pixel
}

TEST(Imagegen, CursorKeepsItsHotSpot) {
  std::string art = "kind cursor\ncolour . none\ncolour k 0 0 0\nhotspot 2 1\nimage 4 4\n....\n..k.\n....\n....\n";
  std::string out = scratch("t.cur");
  ASSERT_EQ(draw(art, out), 0);
  std::string d = read_file(out);
  EXPECT_EQ(u16(d, 2), 2u);
  EXPECT_EQ(u16(d, 4), 1u);
  EXPECT_EQ(u16(d, 6 + 4), 2u);
  EXPECT_EQ(u16(d, 6 + 6), 1u);
}

TEST(Imagegen, BitmapStripWithItsColourTable) {
  std::string art =
      "kind bitmap\ncolour . 192 192 192\ncolour b 0 0 192\nscale 2\n"
      "image 2 1\nb.\n"
      "image 3 1\n..b\n";
  std::string out = scratch("t.bmp");
  ASSERT_EQ(draw(art, out), 0);
  std::string d = read_file(out);
  ASSERT_EQ(d.substr(0, 2), "BM");
  EXPECT_EQ(u32(d, 2), d.size());
  EXPECT_EQ(u32(d, 18), 10u);  // (2 + 3) x 2
  EXPECT_EQ(u32(d, 22), 2u);
  EXPECT_EQ(u16(d, 28), 8u);
  EXPECT_EQ(u32(d, 46), 2u);                       // colours
  EXPECT_EQ(u32(d, 54), 0x00C0C0C0u);              // entry 0: the background
  EXPECT_EQ(u32(d, 58), 0x000000C0u);              // entry 1: blue, stored B G R 0
  uint32_t offset = u32(d, 10);
  EXPECT_EQ(offset, 54u + 8);
  const char row[] = {1, 1, 0, 0, 0, 0, 0, 0, 1, 1};
  for (int y = 0; y < 2; y++)
    for (int x = 0; x < 10; x++) EXPECT_EQ(d[offset + y * 12 + x], row[x]) << x << "," << y;
}

TEST(Imagegen, ArtItCannotDrawIsRefusedWithItsLine) {
  struct Row { const char *art; const char *complaint; } rows[] = {
      {"kind icon\ncolour . none\nimage 16 2\n................\n...............\n", ":5: row has 15 pixels, not 16"},
      {"kind bitmap\ncolour . 1 2 3\nimage 2 1\n.x\n", ":4: no colour for 'x'"},
      {"kind bitmap\ncolour . none\nimage 1 1\n.\n", "bitmaps have no transparent colour"},
      {"kind bitmap\ncolour . 1 2 300\n", ":2: colour needs R G B of 0..255, or none"},
      {"kind bitmap\ncolour . 1 2 3\ncolour . 4 5 6\n", ":3: colour '.' given twice"},
      {"kind cursor\ncolour . none\nhotspot 4 0\nimage 4 1\n....\n", "hot spot outside the image"},
      {"kind icon\ncolour . none\nimage 8 8\n........\n........\n........\n........\n........\n........\n........\n........\n",
       "icon images are 16 x 16 or 32 x 32"},
      {"kind bitmap\ncolour . 1 2 3\nimage 2 3\n..\n", ":3: the image ends early"},
      {"kind sprite\n", ":1: kind is icon, cursor or bitmap"},
      {"colour . 1 2 3\n", "no kind given"},
      {"kind bitmap\nframe 3\n", ":2: unknown directive 'frame'"},
  };
  for (const Row &row : rows) {
    std::string message;
    remove(scratch("bad.bmp").c_str());
    EXPECT_NE(draw(row.art, scratch("bad.bmp"), &message), 0) << row.art;
    EXPECT_NE(message.find(row.complaint), std::string::npos) << message;
    EXPECT_FALSE(std::ifstream(scratch("bad.bmp")).good()) << "no file for refused art";
  }
}

}  // namespace
