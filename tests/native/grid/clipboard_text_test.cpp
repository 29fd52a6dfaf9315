#include <gtest/gtest.h>

#include "ulmogrid/clipboard_text.h"

using Rows = std::vector<std::vector<std::string>>;

TEST(ClipboardText, CopiesTabsBetweenCellsAndCrLfAfterEachRow) {
  GridCells cells;
  ASSERT_TRUE(make_cells(cells, 4, 3));
  set_cell_text(cells, 2, 2, "v(1)");
  set_cell_text(cells, 2, 3, "5 V");
  set_cell_text(cells, 3, 3, "2.5 V");
  EXPECT_EQ(range_to_text(cells, CellRange{2, 2, 3, 3}), "v(1)\t5 V\r\n\t2.5 V\r\n");
  EXPECT_EQ(range_to_text(cells, CellRange{1, 1, 1, 1}), "\r\n");
  set_cell_text(cells, 1, 1, "tab\there");
  set_cell_text(cells, 1, 2, "say \"hi\"");
  set_cell_text(cells, 1, 3, "two\r\nlines");
  EXPECT_EQ(range_to_text(cells, CellRange{1, 1, 1, 3}),
            "\"tab\there\"\t\"say \"\"hi\"\"\"\t\"two\r\nlines\"\r\n");
}

TEST(ClipboardText, ReadsWhatSpreadsheetsPut) {
  const struct {
    const char *name;
    const char *text;
    Rows rows;
  } cases[] = {
      {"crlf with final line end", "a\tb\r\nc\td\r\n", {{"a", "b"}, {"c", "d"}}},
      {"lf without final line end", "a\tb\nc", {{"a", "b"}, {"c"}}},
      {"lone cr", "x\ry\r", {{"x"}, {"y"}}},
      {"empty cells kept", "\t\tz\r\n", {{"", "", "z"}}},
      {"blank line is an empty row", "a\r\n\r\nb", {{"a"}, {""}, {"b"}}},
      {"quoted tab and line end", "\"p\tq\"\t\"r\r\ns\"\r\n", {{"p\tq", "r\r\ns"}}},
      {"doubled quote", "\"say \"\"hi\"\"\"", {{"say \"hi\""}}},
      {"quote inside a field is text", "5\" disk\t1", {{"5\" disk", "1"}}},
      {"unclosed quote is text", "\"open\tx", {{"\"open", "x"}}},
      {"nothing", "", {}},
  };
  for (const auto &c : cases) EXPECT_EQ(text_to_rows(c.text), c.rows) << c.name;
}

TEST(ClipboardText, RoundTripsAnyCellText) {
  GridCells cells;
  ASSERT_TRUE(make_cells(cells, 2, 3));
  const char *texts[] = {"plain", "\"quoted\"", "", "a\tb", "line\nend", "1.000000E-003 V"};
  for (int i = 0; i < 6; i++) set_cell_text(cells, i / 3 + 1, i % 3 + 1, texts[i]);
  Rows rows = text_to_rows(range_to_text(cells, CellRange{1, 1, 2, 3}));
  ASSERT_EQ(rows.size(), 2u);
  for (int i = 0; i < 6; i++) EXPECT_EQ(rows[i / 3][i % 3], texts[i]) << i;
}
