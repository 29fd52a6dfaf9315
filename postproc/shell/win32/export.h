// Load Experimental Data (a graph window's command), Export to File and Export to
// Spreadsheet (the frame's).
#pragma once

#include <windows.h>

struct SpreadsheetTable;

void load_experimental_data(HWND graph_window);
void export_to_file();
void export_to_spreadsheet();

// Opens a table window showing `table`; installed by the table windows. Until then a
// spreadsheet export stops after its choices.
using SpreadsheetOpener = void (*)(const SpreadsheetTable &table);
void set_spreadsheet_opener(SpreadsheetOpener opener);
