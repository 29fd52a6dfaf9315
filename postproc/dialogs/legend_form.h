// The legend dialog ("Format Legend") as data: one trace with its legend label.
#pragma once

#include <string>

#include "../base/font_list.h"
#include "../graph/graph.h"
#include "font_controls.h"

const size_t kLegendTextLimit = 254;
const int kLineStyleEntryCount = 6;    // styles 0 to 5
const int kLineWeightEntryCount = 8;   // weights 0 to 7

// The pen width a line-weight entry draws its sample with.
int line_weight_sample(int entry);

struct LegendForm {
  std::string text;
  FontControls font;
  // Entries of the four lists, equal to the trace's indices; -1 when a value has no entry.
  int symbol, colour, line_style, line_weight;
  bool symbol_with_text;   // "Display Symbol with Text"
  bool border;
  bool display_symbols;    // also enables the period and size controls
  std::string period;      // the edits' texts
  std::string size;
};

LegendForm legend_form(const Trace &trace, const FontList &list);

// The message that keeps the dialog open, or 0: the period is checked first, even when no
// symbols are displayed.
int check_legend_form(const LegendForm &form);

// Writes back in this order: the label's text (cut to 254 characters), the label's font,
// the trace's symbol-with-text flag, the label's border, then the trace's colour, symbol,
// symbol size, line style, line weight, display-symbols flag and symbol period. A list left
// without a selection keeps the trace's value. The form has passed check_legend_form.
void apply_legend_form(Trace &trace, const LegendForm &form, const FontList &list);
