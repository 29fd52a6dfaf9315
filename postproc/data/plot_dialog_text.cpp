// Texts of the plot dialogs, read from the plot list through the plot model only.
// A composed entry never exceeds 255 characters; a plot whose title and name together do not
// fit is listed by its whole title, never by a cut one, so nothing the file holds is hidden
// behind a truncation the user cannot see.
#include "plot_dialog_text.h"

#include "plot_list.h"
#include "plot_model.h"

std::string plot_list_entry(const std::string &title, const std::string &name) {
  if (title.size() + name.size() + 3 > kPlotEntryLimit) return title;
  return title + " (" + name + ")";
}

std::vector<std::string> plot_list_entries() {
  std::vector<std::string> entries;
  for (const PlotRecord *p = plot_list().first; p; p = p->next)
    entries.push_back(plot_list_entry(p->circuit_title ? p->circuit_title : "",
                                      p->plot_name ? p->plot_name : ""));
  return entries;
}

PlotInfoTexts current_plot_info() {
  PlotInfoTexts info;
  if (plot_count() == 0) return info;
  info.file_name = current_file_name();
  info.circuit_title = current_plot_text(kPlotTitle);
  info.simulation_date = current_plot_text(kPlotDate);
  info.plot_name = current_plot_text(kPlotName);
  return info;
}

bool current_plot_is_transient() {
  return current_statistics() && current_analysis_code() == kTransientAnalysisCode;
}

std::vector<StatisticsText> current_statistics_texts() {
  std::vector<StatisticsText> texts;
  const SimulationStatistics *s = current_statistics();
  if (!s) return texts;
  for (const StatisticsLine &line : statistics_lines(current_analysis_code()))
    texts.push_back({line, statistics_value_text(line, *s)});
  return texts;
}
