#include <gtest/gtest.h>

#include "ulmogrid/page_layout.h"

namespace {

// Ten device units a character.
int measure(const std::string &text, void *) { return static_cast<int>(text.size()) * 10; }

GridCells cells_with(int rows, int columns, int used_rows, int used_columns) {
  GridCells cells;
  make_cells(cells, rows, columns);
  for (int r = 1; r <= used_rows; r++)
    for (int c = 1; c <= used_columns; c++) set_cell_text(cells, r, c, "x");
  return cells;
}

}  // namespace

TEST(PageLayout, ColumnsFitTheirWidestTextWithinLimits) {
  GridCells cells;
  ASSERT_TRUE(make_cells(cells, 3, 4));
  set_cell_text(cells, 1, 1, "Variables in circuit");   // 200
  set_cell_text(cells, 2, 2, "2.5 V");                  // 50
  set_cell_text(cells, 3, 4, std::string(100, 'w'));    // 1000
  std::vector<int> w = fit_column_widths(cells, measure, nullptr, 8, 40, 400);
  EXPECT_EQ(w, (std::vector<int>{208, 58, 40, 400}));
}

TEST(PageLayout, PagesGoDownThenAcrossWithTheHeadingsOnEach) {
  // 25 rows and 5 columns used of 72 x 10; a page holds a heading and 10 rows, and columns of
  // 100 beside a row-number column of 50 in a width of 360: three columns across.
  GridCells cells = cells_with(72, 10, 25, 5);
  std::vector<int> widths(10, 100);
  std::vector<GridPage> pages = paginate(cells, widths, PageGeometry{360, 110, 10, 50});
  const GridPage expected[] = {{1, 10, 1, 3}, {11, 20, 1, 3}, {21, 25, 1, 3},
                               {1, 10, 4, 5}, {11, 20, 4, 5}, {21, 25, 4, 5}};
  ASSERT_EQ(pages.size(), 6u);
  for (size_t i = 0; i < pages.size(); i++) {
    EXPECT_EQ(pages[i].first_row, expected[i].first_row) << i;
    EXPECT_EQ(pages[i].last_row, expected[i].last_row) << i;
    EXPECT_EQ(pages[i].first_column, expected[i].first_column) << i;
    EXPECT_EQ(pages[i].last_column, expected[i].last_column) << i;
  }
}

TEST(PageLayout, AColumnWiderThanThePageGetsAPageOfItsOwn) {
  GridCells cells = cells_with(3, 3, 3, 3);
  std::vector<GridPage> pages = paginate(cells, {50, 900, 50}, PageGeometry{300, 1000, 10, 50});
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[0].last_column, 1);
  EXPECT_EQ(pages[1].first_column, 2);
  EXPECT_EQ(pages[1].last_column, 2);
  EXPECT_EQ(pages[2].first_column, 3);
}

TEST(PageLayout, NothingToPrintGivesNoPages) {
  EXPECT_TRUE(paginate(cells_with(72, 10, 0, 0), std::vector<int>(10, 100), PageGeometry{1000, 1000, 10, 50}).empty());
  GridCells one = cells_with(5, 5, 1, 1);
  EXPECT_TRUE(paginate(one, std::vector<int>(5, 100), PageGeometry{1000, 15, 10, 50}).empty());   // no room for a row
  EXPECT_TRUE(paginate(one, std::vector<int>(5, 100), PageGeometry{40, 1000, 10, 50}).empty());   // nor a column
  EXPECT_EQ(paginate(one, std::vector<int>(5, 100), PageGeometry{1000, 20, 10, 50}).size(), 1u);
}
