// The texts of the three plot dialogs, computed from the plot list so that the dialogs only
// place them: the "Select Current Plot" entries, the "Plot Info" fields and the statistics
// lines of the current plot.
#pragma once

#include <string>
#include <vector>

#include "statistics_lines.h"

// Longest entry "title (name)" a plot gets; a longer one is listed by its title alone.
const size_t kPlotEntryLimit = 255;

// "title (name)", or the title alone when len(title) + len(name) + 3 >= 256.
std::string plot_list_entry(const std::string &title, const std::string &name);

// One entry per plot of the list, in file order.
std::vector<std::string> plot_list_entries();

// "Plot Info" of the current plot; every field empty when there is none.
struct PlotInfoTexts {
  std::string file_name;
  std::string circuit_title;
  std::string simulation_date;
  std::string plot_name;
};
PlotInfoTexts current_plot_info();

// One line of "Simulation Statistics" as shown: its label, its value text and the line it
// is (so the dialog can find the control that shows it).
struct StatisticsText {
  StatisticsLine line;
  std::string value;
};

// The statistics lines of the current plot in display order, with the layout they belong to;
// empty when there is no current plot.
std::vector<StatisticsText> current_statistics_texts();
bool current_plot_is_transient();
