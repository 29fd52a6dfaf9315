// Printing: the printer the program keeps, its device context that graphs and the font list
// are measured against, the print jobs of graph and table windows with their cancel dialog,
// and printer setup.
#pragma once

#include <windows.h>

#include "../../graph/layout.h"

// At start-up: the default printer's blocks, asked of the print dialog without showing it,
// and a context made from them.
void init_printer(HWND frame);
// At shutdown: the context and the kept blocks.
void release_printer();

// A new context for the kept printer, or none; the caller deletes it. A device-mode block
// naming another device than the names block is dropped: the printer's defaults apply.
HDC create_printer_context();
// The context made at start-up or by the last printer setup; none without a printer.
HDC printer_context();
// 0 no printer context, 1 a context, 2 a context whose driver exports "EXTDEVICEMODE".
int printer_availability();
// The surface the graph engine measures point sizes on while a printer is set up, or none.
const FontSurface *printer_font_surface();

// Command 10007: the print-setup dialog; on OK the new printer replaces the old one, the font
// list is rebuilt from it and every graph window lays itself out again.
void printer_setup(HWND frame, HWND mdi_client);

// Command 10005 of a graph window and of a table window. A failure that the user did not
// cause by cancelling shows "Cannot print: %s!" with the window's title.
void print_graph(HWND window);
void print_table(HWND window);

// The header of a printed graph for plot `plot_index` (none when no such plot exists), in the
// context's current font; returns its height.
int print_header(HDC dc, int plot_index);
