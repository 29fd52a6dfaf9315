// Printed page arithmetic, kept here so that every number of a printed page is tested
// without a printer.
#include "print_layout.h"

#include "../base/cformat.h"
#include "../canvas/round.h"

namespace {

const int kHeaderPoints = 12;
const size_t kDocumentTitleLimit = 127;

}  // namespace

PagePoint graph_page_origin(int width, int height) {
  return {static_cast<int>(round_half_away(0.1 * width)), static_cast<int>(round_half_away(0.15 * height))};
}

int header_font_height(int dots_per_inch, int window_extent_height, int viewport_extent_height) {
  if (viewport_extent_height == 0) return 0;
  return static_cast<int>(round_half_away(static_cast<double>(kHeaderPoints) * dots_per_inch * window_extent_height /
                                          viewport_extent_height / 72.0));
}

std::string print_date_text(const std::tm &t) {
  static const char *const days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char *const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const char *day = t.tm_wday >= 0 && t.tm_wday < 7 ? days[t.tm_wday] : "???";
  const char *month = t.tm_mon >= 0 && t.tm_mon < 12 ? months[t.tm_mon] : "???";
  return c_format("%s %s %02d %02d:%02d:%02d %d", day, month, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec,
                  t.tm_year + 1900);
}

PrintHeader print_header_layout(int width, int x_height, const std::string &date, bool has_plot,
                                const std::string &circuit_title, const std::string &plot_name) {
  PrintHeader h{};
  const int m = width / 100, line = x_height + m;
  h.lines[0] = {"Ulmo-Dizid Graphical Postprocessor", width - m, m, true};
  h.lines[1] = {"Date: " + date, width - m, m + line, true};
  h.line_count = 2;
  if (has_plot) {
    h.lines[2] = {"Circuit: " + circuit_title, m, m, false};
    h.lines[3] = {"Analysis: " + plot_name, m, m + line, false};
    h.line_count = 4;
  }
  h.height = m + 2 * line;
  return h;
}

std::string print_document_title(const std::string &caption) {
  return caption.size() > kDocumentTitleLimit ? caption.substr(0, kDocumentTitleLimit) : caption;
}
