// The grid window's geometry without a window: what fits, where cells lie, which cell a
// point or a drag reaches, how the view follows the active cell, what a heading click selects.
#include "ulmogrid/viewport.h"

#include <gtest/gtest.h>

namespace {

// 100 rows of 20 px under a 20 px heading; columns 50, 60, 70, 80 then 64 (the default);
// a 40 px row-number column; a client area of 300 x 210.
GridViewport view(int top_row = 1, int left_column = 1) {
  return GridViewport{100, 8, {50, 60, 70, 80}, 64, 20, 40, 300, 210, top_row, left_column};
}

TEST(GridViewport, WhatFitsWholly) {
  const struct {
    const char *name;
    GridViewport v;
    int rows, columns;
  } rows[] = {
      {"from the first cell", view(), 9, 4},                        // 40+50+60+70+80 = 300 fits exactly
      {"from column 3", view(1, 3), 9, 3},                          // 40+70+80+64 = 254, +64 = 318
      {"tiny client", {5, 2, {500}, 64, 20, 40, 30, 25, 1, 1}, 1, 1},   // at least one of each
      {"no row height yet", {5, 2, {}, 64, 0, 0, 300, 210, 1, 1}, 210, 2},
  };
  for (const auto &r : rows) {
    EXPECT_EQ(viewport_full_rows(r.v), r.rows) << r.name;
    EXPECT_EQ(viewport_full_columns(r.v), r.columns) << r.name;
  }
  EXPECT_EQ(viewport_column_width(view(), 4), 80);
  EXPECT_EQ(viewport_column_width(view(), 5), 64);
}

TEST(GridViewport, OriginStaysWithinTheGrid) {
  const struct {
    int top, left, rows;
    int want_top, want_left;
  } rows[] = {
      {1, 1, 100, 1, 1},     {95, 2, 100, 92, 2},   // the last page of rows stays full
      {0, 0, 100, 1, 1},     {-7, 9, 100, 1, 8},    // before the first, past the last column
      {4, 1, 3, 1, 1},                              // fewer rows than a page
  };
  for (const auto &r : rows) {
    GridViewport v = view(r.top, r.left);
    v.rows = r.rows;
    clamp_viewport_origin(v);
    EXPECT_EQ(v.top_row, r.want_top) << r.top << "," << r.left;
    EXPECT_EQ(v.left_column, r.want_left) << r.top << "," << r.left;
  }
}

TEST(GridViewport, TheViewMovesAsLittleAsShowsACell) {
  const struct {
    const char *name;
    int top, left, row, column;
    int want_top, want_left;
  } rows[] = {
      {"visible already", 1, 1, 9, 3, 1, 1},
      {"one row below", 1, 1, 10, 1, 2, 1},
      {"above", 50, 1, 20, 1, 20, 1},
      {"the last row", 1, 1, 100, 1, 92, 1},
      {"column 4 ends at the edge", 1, 1, 1, 4, 1, 1},
      {"column 5 needs two columns out", 1, 1, 1, 5, 1, 3},   // from 2: 314; from 3: 254
      {"column 6", 1, 1, 1, 6, 1, 4},                     // 40+80+64+64 = 248; from 3: 318
      {"left of the view", 1, 5, 1, 2, 1, 2},
  };
  for (const auto &r : rows) {
    GridViewport v = view(r.top, r.left);
    scroll_viewport_to_show(v, r.row, r.column);
    EXPECT_EQ(v.top_row, r.want_top) << r.name;
    EXPECT_EQ(v.left_column, r.want_left) << r.name;
  }
}

TEST(GridViewport, PointsAndBoxes) {
  const struct {
    int top, left, x, y;
    int row, column;
  } rows[] = {
      {1, 1, 0, 0, 0, 0},      {1, 1, 45, 5, 0, 1},    {1, 1, 39, 25, 1, 0},
      {1, 1, 89, 39, 1, 1},    {1, 1, 90, 40, 2, 2},   {3, 2, 41, 21, 3, 2},
      {99, 1, 100, 61, -1, 2}, {1, 7, 299, 30, 1, -1},  // past the last row, past the last column
  };
  for (const auto &r : rows) {
    int row, column;
    viewport_cell_at(view(r.top, r.left), r.x, r.y, row, column);
    EXPECT_EQ(row, r.row) << r.x << "," << r.y;
    EXPECT_EQ(column, r.column) << r.x << "," << r.y;
  }
  CellBox b = viewport_cell_box(view(2, 2), 3, 3);
  EXPECT_EQ(b.left, 100);
  EXPECT_EQ(b.top, 40);
  EXPECT_EQ(b.right, 170);
  EXPECT_EQ(b.bottom, 60);
  b = viewport_cell_box(view(2, 3), 1, 1);   // left of and above the view
  EXPECT_EQ(b.left, -70);
  EXPECT_EQ(b.right, -20);
  EXPECT_EQ(b.top, 0);
}

TEST(GridViewport, ADragPastAnEdgeReachesTheCellBeyondIt) {
  const struct {
    int top, left, x, y;
    int row, column;
  } rows[] = {
      {1, 1, 100, 50, 2, 2},    // inside
      {1, 1, 100, 215, 10, 2},  // below: the row after the last full one
      {5, 1, 100, 5, 4, 2},     // above the cells: the row before the top
      {1, 5, 350, 50, 2, 9},    // right: the column after the last full one
      {1, 5, 10, 50, 2, 4},     // left of the cells
  };
  for (const auto &r : rows) {
    int row, column;
    viewport_drag_cell(view(r.top, r.left), r.x, r.y, row, column);
    EXPECT_EQ(row, r.row) << r.x << "," << r.y;
    EXPECT_EQ(column, r.column) << r.x << "," << r.y;
  }
}

TEST(GridViewport, HeadingClicks) {
  const struct {
    const char *name;
    int row, column;
    bool shift;
    bool heading;
    GridSelection want;
  } rows[] = {
      {"corner", 0, 0, false, true, {1, 1, 100, 8}},
      {"column 3", 0, 3, false, true, {100, 3, 1, 3}},
      {"shift on column 5 keeps the anchor's column", 0, 5, true, true, {100, 2, 1, 5}},
      {"row 7", 7, 0, false, true, {7, 8, 7, 1}},
      {"shift on row 9", 9, 0, true, true, {4, 8, 9, 1}},
      {"a cell is no heading", 4, 4, false, false, {4, 2, 6, 6}},
  };
  for (const auto &r : rows) {
    GridSelection s{4, 2, 6, 6};
    EXPECT_EQ(heading_click_selection(s, r.row, r.column, r.shift, 100, 8), r.heading) << r.name;
    EXPECT_EQ(s.anchor_row, r.want.anchor_row) << r.name;
    EXPECT_EQ(s.anchor_column, r.want.anchor_column) << r.name;
    EXPECT_EQ(s.active_row, r.want.active_row) << r.name;
    EXPECT_EQ(s.active_column, r.want.active_column) << r.name;
  }
}

}  // namespace
