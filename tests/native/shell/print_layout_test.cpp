#include "shell/print_layout.h"

#include <gtest/gtest.h>

TEST(PrintLayout, GraphOriginIsATenthAcrossAndMoreThanASeventhDown) {
  const struct {
    int w, h, x, y;
  } rows[] = {
      {4960, 7016, 496, 1052},   // A4 at 600 dpi: 1052.4 rounds down
      {2550, 3300, 255, 495},    // Letter at 300 dpi
      {5, 10, 1, 2},             // 0.5 and 1.5 round away from zero
      {0, 0, 0, 0},
  };
  for (const auto &r : rows) {
    PagePoint p = graph_page_origin(r.w, r.h);
    EXPECT_EQ(p.x, r.x) << r.w;
    EXPECT_EQ(p.y, r.y) << r.h;
  }
}

TEST(PrintLayout, HeaderFontIsTwelvePointsThroughTheMapping) {
  EXPECT_EQ(header_font_height(600, 1, 1), 100);
  EXPECT_EQ(header_font_height(300, 1, 1), 50);
  EXPECT_EQ(header_font_height(96, 7, 1), 112);
  EXPECT_EQ(header_font_height(100, 1, 1), 17);   // 16.67
  EXPECT_EQ(header_font_height(600, 1, 0), 0);
}

TEST(PrintLayout, DateHasTheRuntimesFormWithATwoDigitDay) {
  std::tm t{};
  t.tm_wday = 1;
  t.tm_mon = 11;
  t.tm_mday = 7;
  t.tm_hour = 21;
  t.tm_min = 30;
  t.tm_sec = 0;
  t.tm_year = 126;
  EXPECT_EQ(print_date_text(t), "Mon Dec 07 21:30:00 2026");
  t.tm_wday = 0;
  t.tm_mon = 0;
  t.tm_mday = 31;
  t.tm_hour = 9;
  t.tm_min = 5;
  t.tm_sec = 7;
  t.tm_year = 99;
  EXPECT_EQ(print_date_text(t), "Sun Jan 31 09:05:07 1999");
}

TEST(PrintLayout, HeaderLinesAndTheirPlaces) {
  // 4960 wide: margin 49; an "X" 83 high: lines 132 apart.
  PrintHeader h = print_header_layout(4960, 83, "Mon Dec 07 21:30:00 2026", true, "Second-order section",
                                      "Pole-Zero Analysis");
  ASSERT_EQ(h.line_count, 4);
  const HeaderLine expected[] = {
      {"Ulmo-Dizid Graphical Postprocessor", 4911, 49, true},
      {"Date: Mon Dec 07 21:30:00 2026", 4911, 181, true},
      {"Circuit: Second-order section", 49, 49, false},
      {"Analysis: Pole-Zero Analysis", 49, 181, false},
  };
  for (int i = 0; i < 4; i++) {
    EXPECT_EQ(h.lines[i].text, expected[i].text) << i;
    EXPECT_EQ(h.lines[i].x, expected[i].x) << i;
    EXPECT_EQ(h.lines[i].y, expected[i].y) << i;
    EXPECT_EQ(h.lines[i].right_aligned, expected[i].right_aligned) << i;
  }
  EXPECT_EQ(h.height, 49 + 2 * 132);
  PrintHeader bare = print_header_layout(4960, 83, "d", false, "ignored", "ignored");
  EXPECT_EQ(bare.line_count, 2);
  EXPECT_EQ(bare.height, h.height);
}

TEST(PrintLayout, DocumentTitleIsAtMost127Characters) {
  EXPECT_EQ(print_document_title("short"), "short");
  EXPECT_EQ(print_document_title(std::string(127, 'a')).size(), 127u);
  EXPECT_EQ(print_document_title(std::string(200, 'b')), std::string(127, 'b'));
}
