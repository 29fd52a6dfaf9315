// Samples of the legend dialog's lists, drawn through the graph's canvas on the list's own
// device context: a symbol of half-size r centred in its entry, a colour swatch framed in the
// text colour, a line in the style, a line of the entry's width. Selected entries draw on
// the highlight colour in the highlight text colour, as text entries would.
#include "legend_samples.h"

#include <algorithm>

#include "../../graph/resources.h"
#include "../../graph/trace_symbols.h"
#include "../../canvas/win32/gdi_canvas.h"
#include "../../resources/format_dialog_ids.h"
#include "../legend_form.h"

namespace {

const int kEntryHeight = 18;   // pixels; the widest line weight is 14
const int kInset = 3;

Colour system_colour(int index) {
  COLORREF c = GetSysColor(index);
  return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

int entry_count(int id) {
  switch (id) {
    case IDC_LEGEND_SYMBOLS: return kSymbolCount;
    case IDC_LEGEND_COLOURS: return kColourCount;
    case IDC_LEGEND_LINE_STYLES: return kLineStyleEntryCount;
    case IDC_LEGEND_LINE_WEIGHTS: return kLineWeightEntryCount;
    default: return 0;
  }
}

void draw_line(Canvas &canvas, const RECT &r, const Pen &pen) {
  canvas.set_pen(pen);
  int y = (r.top + r.bottom) / 2;
  canvas.move_to({static_cast<int>(r.left) + kInset, y});
  canvas.line_to({static_cast<int>(r.right) - kInset, y});
}

void draw_entry(Canvas &canvas, int id, int entry, const RECT &r, Colour ink) {
  LogicalPoint centre = {static_cast<int>(r.left + r.right) / 2, static_cast<int>(r.top + r.bottom) / 2};
  switch (id) {
    case IDC_LEGEND_SYMBOLS: {
      int half = std::max((static_cast<int>(r.bottom - r.top) - 2 * kInset) / 2, 1);
      canvas.set_pen({kPenSolid, 0, ink});
      draw_symbol(canvas, entry, centre, half, ink);
      break;
    }
    case IDC_LEGEND_COLOURS: {
      const GraphResources *resources = graph_resources();
      if (!resources || entry >= kColourCount) break;
      LogicalRect swatch = {static_cast<int>(r.left) + kInset, static_cast<int>(r.top) + kInset,
                            static_cast<int>(r.right) - kInset, static_cast<int>(r.bottom) - kInset};
      canvas.set_pen({kPenSolid, 0, ink});
      canvas.set_brush({false, resources->palette[entry]});
      canvas.rectangle(swatch);
      break;
    }
    case IDC_LEGEND_LINE_STYLES: draw_line(canvas, r, {entry, 0, ink}); break;
    case IDC_LEGEND_LINE_WEIGHTS: draw_line(canvas, r, {kPenSolid, line_weight_sample(entry), ink}); break;
  }
}

}  // namespace

void fill_sample_list(HWND dialog, int id, int entry) {
  HWND list = GetDlgItem(dialog, id);
  int count = entry_count(id);
  for (int i = 0; i < count; i++) {
    // Without strings, an owner-drawn entry's only content is this value.
    LPARAM value = id == IDC_LEGEND_LINE_WEIGHTS ? line_weight_sample(i) : i;
    SendMessageA(list, CB_ADDSTRING, 0, value);
  }
  SendMessageA(list, CB_SETCURSEL, entry, 0);
}

void measure_sample(MEASUREITEMSTRUCT &item) { item.itemHeight = kEntryHeight; }

bool draw_sample(const DRAWITEMSTRUCT &item) {
  int id = static_cast<int>(item.CtlID);
  if (!entry_count(id)) return false;
  bool selected = (item.itemState & ODS_SELECTED) != 0;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  int entry = static_cast<int>(item.itemID);
  if (entry >= 0 && entry < entry_count(id)) {
    int saved = SaveDC(item.hDC);
    {
      GdiCanvas canvas(item.hDC);
      IntersectClipRect(item.hDC, item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom);
      draw_entry(canvas, id, entry, item.rcItem, system_colour(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    }
    RestoreDC(item.hDC, saved);
  }
  if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
  return true;
}
