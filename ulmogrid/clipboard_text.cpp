// Tab-separated text both ways.
//
// Quoting follows the spreadsheets' own convention for text on the clipboard: a field
// that starts with a double quote runs to the matching quote, "" standing for one quote
// inside it. A quote in the middle of an unquoted field is an ordinary character.
#include "clipboard_text.h"

namespace {

bool needs_quotes(const std::string &text) {
  return text.find_first_of("\t\r\n\"") != std::string::npos;
}

void append_field(std::string &out, const std::string &text) {
  if (!needs_quotes(text)) {
    out += text;
    return;
  }
  out += '"';
  for (char ch : text) {
    if (ch == '"') out += '"';
    out += ch;
  }
  out += '"';
}

}  // namespace

std::string range_to_text(const GridCells &cells, const CellRange &range) {
  std::string out;
  for (int r = range.top; r <= range.bottom; r++) {
    for (int c = range.left; c <= range.right; c++) {
      if (c > range.left) out += '\t';
      append_field(out, cell_text(cells, r, c));
    }
    out += "\r\n";
  }
  return out;
}

std::vector<std::vector<std::string>> text_to_rows(const std::string &text) {
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> row;
  std::string field;
  bool row_open = false;   // something of the current line has been read
  size_t i = 0, n = text.size();
  auto end_row = [&]() {
    row.push_back(field);
    field.clear();
    rows.push_back(std::move(row));
    row.clear();
    row_open = false;
  };
  while (i < n) {
    char ch = text[i];
    if (ch == '"' && field.empty()) {
      // A quoted field: up to the closing quote, "" being a quote.
      size_t j = i + 1;
      std::string quoted;
      bool closed = false;
      while (j < n) {
        if (text[j] == '"') {
          if (j + 1 < n && text[j + 1] == '"') {
            quoted += '"';
            j += 2;
            continue;
          }
          closed = true;
          j++;
          break;
        }
        quoted += text[j++];
      }
      if (closed) {
        field = quoted;
        i = j;
        row_open = true;
        continue;
      }
      // No closing quote: the quote was ordinary text.
    }
    if (ch == '\t') {
      row.push_back(field);
      field.clear();
      row_open = true;
      i++;
    } else if (ch == '\r' || ch == '\n') {
      end_row();
      i += (ch == '\r' && i + 1 < n && text[i + 1] == '\n') ? 2 : 1;
    } else {
      field += ch;
      row_open = true;
      i++;
    }
  }
  if (row_open || !row.empty()) end_row();
  return rows;
}
