// The legend dialog: the label's text and font, the trace's symbol, colour, line style and
// weight in owner-drawn lists, and the symbol flags, period and size. The period and size
// controls follow "Display Symbols in Graph".
#include <windows.h>

#include "../../base/font_list.h"
#include "../../base/messages.h"
#include "../../resources/format_dialog_ids.h"
#include "../entry_numbers.h"
#include "../legend_form.h"
#include "dialog_controls.h"
#include "format_dialogs.h"
#include "legend_samples.h"

namespace {

struct LegendRun {
  Trace *trace;
  LegendForm form;
};

const int kSymbolCountControls[] = {IDC_LEGEND_PERIOD_LABEL, IDC_LEGEND_PERIOD, IDC_LEGEND_PERIOD_SPIN,
                                    IDC_LEGEND_SIZE_LABEL, IDC_LEGEND_SIZE, IDC_LEGEND_SIZE_SPIN};

void enable_symbol_counts(HWND dialog, bool on) {
  for (int id : kSymbolCountControls) enable_control(dialog, id, on);
}

int selection(HWND dialog, int id) { return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0)); }

void open(HWND dialog, const LegendForm &form) {
  set_item_text(dialog, IDC_LEGEND_TEXT, form.text, kLegendTextLimit);
  show_font_controls(dialog, kSharedFontBoxes, form.font);
  fill_sample_list(dialog, IDC_LEGEND_SYMBOLS, form.symbol);
  fill_sample_list(dialog, IDC_LEGEND_COLOURS, form.colour);
  fill_sample_list(dialog, IDC_LEGEND_LINE_STYLES, form.line_style);
  fill_sample_list(dialog, IDC_LEGEND_LINE_WEIGHTS, form.line_weight);
  set_checked(dialog, IDC_LEGEND_SYMBOL_WITH_TEXT, form.symbol_with_text);
  set_checked(dialog, IDC_BORDER, form.border);
  set_checked(dialog, IDC_LEGEND_DISPLAY_SYMBOLS, form.display_symbols);
  set_item_text(dialog, IDC_LEGEND_PERIOD, form.period);
  set_item_text(dialog, IDC_LEGEND_SIZE, form.size);
  enable_symbol_counts(dialog, form.display_symbols);
}

void confirm(HWND dialog, LegendRun &run) {
  LegendForm &form = run.form;
  form.text = item_text(dialog, IDC_LEGEND_TEXT);
  form.font = read_font_controls(dialog, kSharedFontBoxes);
  form.symbol = selection(dialog, IDC_LEGEND_SYMBOLS);
  form.colour = selection(dialog, IDC_LEGEND_COLOURS);
  form.line_style = selection(dialog, IDC_LEGEND_LINE_STYLES);
  form.line_weight = selection(dialog, IDC_LEGEND_LINE_WEIGHTS);
  form.symbol_with_text = is_checked(dialog, IDC_LEGEND_SYMBOL_WITH_TEXT);
  form.border = is_checked(dialog, IDC_BORDER);
  form.display_symbols = is_checked(dialog, IDC_LEGEND_DISPLAY_SYMBOLS);
  form.period = item_text(dialog, IDC_LEGEND_PERIOD);
  form.size = item_text(dialog, IDC_LEGEND_SIZE);
  if (int message = check_legend_form(form)) {
    show_message(dialog, kMbIconExclamation, message);
    return;
  }
  apply_legend_form(*run.trace, form, program_font_list());
  EndDialog(dialog, IDOK);
}

void step_edit(HWND dialog, int edit, bool up) {
  set_item_text(dialog, edit, std::to_string(step_count(read_decimal(item_text(dialog, edit)), up)));
}

INT_PTR CALLBACK legend_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      keep_dialog_record(dialog, lparam);
      open(dialog, reinterpret_cast<LegendRun *>(lparam)->form);
      return TRUE;
    // Sent while the lists are created, before WM_INITDIALOG.
    case WM_MEASUREITEM:
      measure_sample(*reinterpret_cast<MEASUREITEMSTRUCT *>(lparam));
      return TRUE;
    case WM_DRAWITEM:
      return draw_sample(*reinterpret_cast<DRAWITEMSTRUCT *>(lparam));
  }
  LegendRun *run = dialog_record<LegendRun>(dialog);
  if (!run) return FALSE;
  switch (message) {
    case WM_COMMAND:
      switch (LOWORD(wparam)) {
        case IDC_LEGEND_DISPLAY_SYMBOLS:
          if (HIWORD(wparam) == BN_CLICKED) enable_symbol_counts(dialog, is_checked(dialog, IDC_LEGEND_DISPLAY_SYMBOLS));
          return TRUE;
        case IDOK: confirm(dialog, *run); return TRUE;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
      }
      return FALSE;
    case WM_VSCROLL: {
      int step = arrow_step(wparam);
      int bar = scroll_bar_id(lparam);
      if (step && bar == IDC_LEGEND_PERIOD_SPIN) step_edit(dialog, IDC_LEGEND_PERIOD, step > 0);
      if (step && bar == IDC_LEGEND_SIZE_SPIN) step_edit(dialog, IDC_LEGEND_SIZE, step > 0);
      return TRUE;
    }
  }
  return FALSE;
}

}  // namespace

bool run_legend_dialog(HWND graph_window, Trace *trace) {
  if (!trace) return false;
  LegendRun run{trace, legend_form(*trace, program_font_list())};
  return run_dialog(graph_window, IDD_FORMAT_LEGEND, legend_proc, &run);
}
