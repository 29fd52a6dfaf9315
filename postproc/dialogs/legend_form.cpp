// The legend dialog writes through the trace properties, as the graph file does, so that the
// checks on indices there hold for values from the dialog too.
#include "legend_form.h"

#include "../graph/properties.h"
#include "../graph/resources.h"
#include "entry_numbers.h"

namespace {

int entry_or_none(int value, int count) { return value >= 0 && value < count ? value : -1; }

void set_flag(Trace &trace, int code, bool on) { set_trace_property(&trace, code, number_value(on ? 1 : 0)); }

// A list without a selection leaves the property as it is.
void set_entry(Trace &trace, int code, int entry) {
  if (entry >= 0) set_trace_property(&trace, code, number_value(entry));
}

}  // namespace

int line_weight_sample(int entry) { return 2 * entry; }

LegendForm legend_form(const Trace &trace, const FontList &list) {
  const LegendLabel &label = trace.legend;
  LegendForm form;
  form.text = label.text;
  form.font = font_controls(label.font, label.point_size, list);
  form.symbol = entry_or_none(trace.symbol_index, kSymbolCount);
  form.colour = entry_or_none(trace.colour_index, kColourCount);
  form.line_style = entry_or_none(trace.line_style, kLineStyleEntryCount);
  form.line_weight = entry_or_none(trace.line_weight, kLineWeightEntryCount);
  form.symbol_with_text = trace.display_symbols_with_text;
  form.border = label.border;
  form.display_symbols = trace.display_symbols;
  form.period = std::to_string(trace.symbol_period);
  form.size = std::to_string(trace.symbol_size);
  return form;
}

int check_legend_form(const LegendForm &form) {
  return symbol_message(read_decimal(form.period), read_decimal(form.size));
}

void apply_legend_form(Trace &trace, const LegendForm &form, const FontList &list) {
  PropertyValue text{};
  text.text = form.text.substr(0, kLegendTextLimit);
  set_trace_property(&trace, kTraceLegendText, text);
  ChosenFont chosen = chosen_font(form.font, list, trace.legend.font, trace.legend.point_size);
  PropertyValue font{};
  font.font = chosen.font;
  font.point_size = chosen.point_size;
  set_trace_property(&trace, kTraceLegendFont, font);
  set_flag(trace, kTraceSymbolsWithText, form.symbol_with_text);
  set_flag(trace, kTraceLegendBorder, form.border);
  set_entry(trace, kTraceColourIndex, form.colour);
  set_entry(trace, kTraceSymbolIndex, form.symbol);
  set_trace_property(&trace, kTraceSymbolSize, number_value(read_decimal(form.size)));
  set_entry(trace, kTraceLineStyle, form.line_style);
  set_entry(trace, kTraceLineWeight, form.line_weight);
  set_flag(trace, kTraceDisplaySymbols, form.display_symbols);
  set_trace_property(&trace, kTraceSymbolPeriod, number_value(read_decimal(form.period)));
}
