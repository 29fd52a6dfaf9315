// "Add FFT Plot..." and "Add Normalized FFT Plot...": the dialog over the traces of the active
// graph window, then one spectrum window per trace.
#pragma once

#include <windows.h>

#include <vector>

#include "../../graph/graph.h"
#include "../fft_plot.h"

// Dialog 2301 over the choices; false when the user cancelled (the choices are then left as
// they were, and dropped by the caller).
bool run_fft_dialog(HWND owner, std::vector<FftTraceChoice> &choices);

// The whole command on the active graph window: each trace's spectrum in a new graph window
// titled "FFT(name)", in trace order. Returns the windows made.
int add_fft_plots(HWND mdi_client, HWND active, bool normalized,
                  const GraphPreferences &preferences);
