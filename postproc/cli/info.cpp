// ulmocli info [--json] FILE.out: every plot, its variables and its statistics, with the
// labels and formats of the statistics display. Texts are the file's own bytes, read as the
// program's code page and printed as UTF-8.
#include <cstdio>
#include <cstring>
#include <string>

#include <nlohmann/json.hpp>

#include "../base/cformat.h"
#include "../base/text.h"
#include "../data/plot_list.h"
#include "../data/plot_model.h"
#include "../data/statistics_lines.h"
#include "commands.h"

namespace {

const char *kind_name(int kind) {
  switch (kind) {
    case kPlotSinglePoint: return "single-point table";
    case kPlotVector: return "vector";
    case kPlotPoleZero: return "pole-zero";
    default: return "unknown";
  }
}

std::string utf8(const std::string &s) { return ansi_to_utf8(s); }

void print_plot_text(int index) {
  printf("Plot %d\n", index);
  printf("  Circuit title: %s\n", utf8(current_plot_text(kPlotTitle)).c_str());
  printf("  Plot name: %s\n", utf8(current_plot_text(kPlotName)).c_str());
  printf("  Simulation date: %s\n", utf8(current_plot_text(kPlotDate)).c_str());
  printf("  Kind: %d (%s)\n", current_plot_kind(), kind_name(current_plot_kind()));
  printf("  Values: %s\n", is_real_plot() ? "real" : "complex");
  printf("  Analysis code: %d\n", current_analysis_code());
  printf("  Variables: %d\n", variable_count());
  printf("  Points: %d\n", point_count());
  printf("  Index  Name  Unit  Symbol\n");
  for (int v = 0; v < variable_count(); v++) {
    std::string name, unit;
    variable_info(v, name, unit);
    printf("  %5d  %s  %s  %s\n", v, utf8(name).c_str(), unit.c_str(),
           utf8(variable_unit_symbol(v)).c_str());
  }
  int code = current_analysis_code();
  printf("  Simulation Statistics (%s)\n", code == kTransientAnalysisCode ? "transient" : "general");
  for (const StatisticsLine &line : statistics_lines(code))
    printf("    %s %s\n", line.label, statistics_value_text(line, *current_statistics()).c_str());
}

nlohmann::ordered_json plot_json(int index) {
  nlohmann::ordered_json plot;
  plot["index"] = index;
  plot["circuit_title"] = utf8(current_plot_text(kPlotTitle));
  plot["plot_name"] = utf8(current_plot_text(kPlotName));
  plot["simulation_date"] = utf8(current_plot_text(kPlotDate));
  plot["kind"] = current_plot_kind();
  plot["kind_name"] = kind_name(current_plot_kind());
  plot["values"] = is_real_plot() ? "real" : "complex";
  plot["analysis_code"] = current_analysis_code();
  plot["variable_count"] = variable_count();
  plot["point_count"] = point_count();
  nlohmann::ordered_json variables = nlohmann::ordered_json::array();
  for (int v = 0; v < variable_count(); v++) {
    std::string name, unit;
    variable_info(v, name, unit);
    variables.push_back({{"index", v}, {"name", utf8(name)}, {"unit", unit},
                         {"symbol", utf8(variable_unit_symbol(v))}});
  }
  plot["variables"] = variables;
  int code = current_analysis_code();
  nlohmann::ordered_json statistics;
  statistics["layout"] = code == kTransientAnalysisCode ? "transient" : "general";
  nlohmann::ordered_json lines = nlohmann::ordered_json::array();
  for (const StatisticsLine &line : statistics_lines(code))
    lines.push_back({{"label", line.label},
                     {"text", statistics_value_text(line, *current_statistics())}});
  statistics["lines"] = lines;
  plot["statistics"] = statistics;
  return plot;
}

}  // namespace

int run_info(int argc, char **argv) {
  bool json = false;
  const char *path = nullptr;
  for (int i = 0; i < argc; i++) {
    if (strcmp(argv[i], "--json") == 0)
      json = true;
    else if (!path)
      path = argv[i];
    else
      path = nullptr, i = argc;
  }
  if (!path) {
    return cli_usage("info");
  }
  if (!cli_load(path)) return kCliLoadFailed;
  if (json) {
    nlohmann::ordered_json file;
    file["file"] = utf8(path);
    file["plots"] = nlohmann::ordered_json::array();
    for (int i = 0; i < plot_count(); i++) {
      select_plot(i, false);
      file["plots"].push_back(plot_json(i));
    }
    printf("%s\n", file.dump(2).c_str());
    return kCliOk;
  }
  printf("File: %s\n", utf8(path).c_str());
  printf("Plots: %d\n", plot_count());
  for (int i = 0; i < plot_count(); i++) {
    select_plot(i, false);
    print_plot_text(i);
  }
  return kCliOk;
}
