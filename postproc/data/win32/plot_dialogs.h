// The three modal dialogs that show the loaded plots.
#pragma once

#include <windows.h>

// "Select Current Plot": nothing happens with fewer than 2 plots. OK or a double click makes
// the chosen plot current and brings its window forward.
void show_select_current_plot(HWND owner);
// "Plot Info" of the current plot; its "Statistics..." opens show_statistics on top of it.
void show_plot_info(HWND owner);
// "Simulation Statistics" of the current plot, in the transient layout for analysis code 4.
void show_statistics(HWND owner);
