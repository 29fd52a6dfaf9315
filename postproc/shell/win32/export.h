// Load Experimental Data (a graph window's command), Export to File and Export to
// Spreadsheet (the frame's).
#pragma once

#include <windows.h>

void load_experimental_data(HWND graph_window);
void export_to_file();
void export_to_spreadsheet();
