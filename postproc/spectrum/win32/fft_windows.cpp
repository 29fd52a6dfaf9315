// Every trace of the active graph gets its own spectrum window, not only the one shown in the
// dialog when OK was pressed. A trace without a spectrum (no x span, too few samples) is told
// about and skipped; a graph that cannot be made removes its window silently.
#include "fft_windows.h"

#include "../../base/messages.h"
#include "../../base/win32/child_words.h"
#include "../../graph/win32/graph_window.h"
#include "../../resources/resource_ids.h"

int add_fft_plots(HWND mdi_client, HWND active, bool normalized,
                  const GraphPreferences &preferences) {
  Graph *source = window_graph(active);
  if (!source) return 0;
  std::vector<FftTraceChoice> choices = fft_trace_choices(source);
  if (choices.empty() || !run_fft_dialog(active, choices)) return 0;
  int plot_index = static_cast<int>(GetWindowLongPtrA(active, kChildPlotWord));
  int made = 0;
  for (const FftTraceChoice &choice : choices) {
    Spectrum spectrum;
    FftPlotStatus status = normalized ? normalized_fft_spectrum(choice, spectrum)
                                      : plain_fft_spectrum(choice, spectrum);
    if (status != kFftOk) {
      show_message(active, kMbIconExclamation,
                   status == kFftNoSpan ? IDS_FFT_NO_SPAN : IDS_FFT_TOO_FEW_SAMPLES,
                   choice.name.c_str());
      continue;
    }
    HWND window = create_graph_window(mdi_client, kGraphWindow, plot_index, fft_title(choice.name));
    if (!window) continue;
    Graph *graph = create_fft_graph(window, choice, spectrum, preferences);
    if (!graph) {
      SendMessageA(mdi_client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(window), 0);
      continue;
    }
    set_window_graph(window, graph);
    refresh_graph_window(window);
    made++;
  }
  return made;
}
