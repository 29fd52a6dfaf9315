// Copy Graph: the metafile picture on the clipboard, played back, and saved as a .wmf file
// for an outside reader (check_wmf.sh).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "dib.h"
#include "graph/win32/copy_graph.h"

namespace {

const Colour kRed{255, 0, 0};

struct SizeRow {
  const char *name;
  int width, height;
  bool ok;
  LONG x_ext, y_ext;
};

TEST(MetafilePictureSize, TenThousandWideAndTruncatedHeight) {
  const SizeRow rows[] = {
      {"twice as wide as high", 2000, 1000, true, 10000, 5000},
      {"screen page", 7000, 5000, true, 10000, 7142},     // 7142.857 truncated
      {"taller than wide", 3, 10, true, 10000, 33333},
      {"one unit", 1, 1, true, 10000, 10000},
      {"no width", 0, 5, false, 0, 0},
      {"negative height", 10, -1, false, 0, 0},
  };
  for (const SizeRow &row : rows) {
    LONG x = 0, y = 0;
    EXPECT_EQ(metafile_picture_size(row.width, row.height, &x, &y), row.ok) << row.name;
    EXPECT_EQ(x, row.x_ext) << row.name;
    EXPECT_EQ(y, row.y_ext) << row.name;
  }
}

// A red line across the middle of a 2:1 logical space.
void draw_middle_line(Canvas &canvas) {
  canvas.set_pen({kPenSolid, 0, kRed});
  canvas.move_to({0, 500});
  canvas.line_to({2000, 500});
}

// Plays `metafile` stretched over a DIB of width x height, as a reader of the picture would.
void play(HMETAFILE metafile, const Dib &dib, int width, int height) {
  SetMapMode(dib.dc(), MM_ANISOTROPIC);
  SetViewportExtEx(dib.dc(), width, height, nullptr);
  SetWindowExtEx(dib.dc(), width, height, nullptr);
  ASSERT_TRUE(PlayMetaFile(dib.dc(), metafile));
}

class ClipboardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner_ = CreateWindowA("STATIC", "copy graph test", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner_, nullptr);
  }
  void TearDown() override { DestroyWindow(owner_); }
  HWND owner_ = nullptr;
};

TEST_F(ClipboardTest, HoldsAnAnisotropicMetafilePictureThatDrawsTheGraph) {
  // Something else on the clipboard first: Copy Graph replaces it.
  ASSERT_TRUE(OpenClipboard(owner_));
  EmptyClipboard();
  HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, 6);
  std::memcpy(GlobalLock(text), "hello", 6);
  GlobalUnlock(text);
  ASSERT_NE(SetClipboardData(CF_TEXT, text), nullptr);
  CloseClipboard();

  ASSERT_TRUE(copy_graph_to_clipboard(owner_, 2000, 1000, draw_middle_line));

  ASSERT_TRUE(OpenClipboard(owner_));
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
  HANDLE data = GetClipboardData(CF_METAFILEPICT);
  ASSERT_NE(data, nullptr);
  METAFILEPICT *picture = static_cast<METAFILEPICT *>(GlobalLock(data));
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->mm, MM_ANISOTROPIC);
  EXPECT_EQ(picture->xExt, 10000);
  EXPECT_EQ(picture->yExt, 5000);
  ASSERT_NE(picture->hMF, nullptr);
  Dib dib(200, 100);
  play(picture->hMF, dib, 200, 100);
  GlobalUnlock(data);
  CloseClipboard();
  EXPECT_GE(dib.count_in_row(50, 0, 200, kRed), 198);
  EXPECT_EQ(dib.count_in_row(48, 0, 200, kRed), 0);
}

TEST_F(ClipboardTest, EmptyLogicalSpaceFailsAndLeavesTheClipboard) {
  ASSERT_TRUE(OpenClipboard(owner_));
  EmptyClipboard();
  HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, 6);
  std::memcpy(GlobalLock(text), "hello", 6);
  GlobalUnlock(text);
  SetClipboardData(CF_TEXT, text);
  CloseClipboard();
  bool drawn = false;
  EXPECT_FALSE(copy_graph_to_clipboard(owner_, 0, 1000, [&](Canvas &) { drawn = true; }));
  EXPECT_FALSE(drawn);
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
}

TEST(GraphMetafile, AMappingSetWhileRecordingKeepsThePlayersViewport) {
  // A viewport recorded into the picture would shrink it to 10 x 10 pixels wherever it plays.
  HMETAFILE metafile = record_graph_metafile(2000, 1000, [](Canvas &canvas) {
    canvas.set_mapping({{0, 0}, {2000, 1000}, {0, 0}, {10, 10}});
    draw_middle_line(canvas);
  });
  ASSERT_NE(metafile, nullptr);
  Dib dib(200, 100);
  play(metafile, dib, 200, 100);
  DeleteMetaFile(metafile);
  EXPECT_GE(dib.count_in_row(50, 0, 200, kRed), 198);
}

TEST(GraphMetafile, LongPolylineRecordedWhole) {
  // Longer than a 16-bit point count: the end of the line must still be in the picture.
  std::vector<LogicalPoint> points(70000);
  for (size_t i = 0; i < points.size(); i++) points[i] = {static_cast<int>(i / 35), 50};
  HMETAFILE metafile = record_graph_metafile(2000, 100, [&](Canvas &canvas) {
    canvas.set_pen({kPenSolid, 0, kRed});
    canvas.polyline(points.data(), points.size());
  });
  ASSERT_NE(metafile, nullptr);
  Dib dib(200, 10);
  play(metafile, dib, 200, 10);
  DeleteMetaFile(metafile);
  EXPECT_GE(dib.count_in_row(5, 0, 200, kRed), 198);
  EXPECT_TRUE(dib.pixel(198, 5) == kRed);
}

// The texts check_wmf.sh looks for in wmf2svg's reading of the saved file.
const char *const kTexts[] = {"1.5k", "-2.0", "Time  [s]", "100m"};

TEST(GraphMetafile, SavedAsAPlaceableFile) {
  const std::string path = std::string(GRAPH_SCRATCH) + "/graph.wmf";
  std::remove(path.c_str());
  bool saved = save_graph_metafile(path.c_str(), 7000, 5000, [](Canvas &canvas) {
    LogicalFont font{};
    font.height = -200;
    font.weight = 400;
    std::strcpy(font.face_name, "Arial");
    canvas.set_font(font);
    canvas.set_text_colour({0, 0, 0});
    canvas.set_text_align(kAlignCenter | kAlignTop);
    canvas.rectangle({700, 500, 6300, 4500});
    int y = 1000;
    for (const char *text : kTexts) {
      canvas.text_out({3500, y}, text);
      y += 500;
    }
    canvas.intersect_clip({701, 501, 6300, 4500});
    canvas.set_pen({kPenDash, 0, kRed});
    canvas.move_to({700, 4000});
    canvas.line_to({6300, 1000});
    canvas.reset_clip();
  });
  ASSERT_TRUE(saved);
  FILE *file = std::fopen(path.c_str(), "rb");
  ASSERT_NE(file, nullptr);
  unsigned char header[22 + 18];
  size_t got = std::fread(header, 1, sizeof header, file);
  std::fclose(file);
  ASSERT_EQ(got, sizeof header);
  auto word = [&](int at) { return header[at] | header[at + 1] << 8; };
  EXPECT_EQ(word(0) | word(2) << 16, static_cast<int>(0x9AC6CDD7));
  EXPECT_EQ(word(10), 7000);   // right
  EXPECT_EQ(word(12), 5000);   // bottom
  EXPECT_EQ(word(14), 1778);   // 7000 units over 100 mm
  int checksum = 0;
  for (int i = 0; i < 10; i++) checksum ^= word(2 * i);
  EXPECT_EQ(word(20), checksum);
  EXPECT_EQ(word(24), 9);      // the metafile header follows: 9 words long
}

}  // namespace
