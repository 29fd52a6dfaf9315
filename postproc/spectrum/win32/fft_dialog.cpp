// "Add FFT Plot": per trace, the samples to transform. The choices live in a window property
// while the dialog is open; the samples field is checked as it loses the focus, so a value is
// stored only after the rule made it a power of two (or the trace's points). Text that is no
// number gives the trace its samples back. A trace list longer than the drop-down shows
// scrolls in it.
#include <cstdio>

#include "../../base/cformat.h"
#include "../../resources/spectrum_dialog_ids.h"
#include "../sample_count.h"
#include "fft_windows.h"

namespace {

const char kChoicesProperty[] = "FftTraceChoices";

struct FftDialog {
  std::vector<FftTraceChoice> *choices;
  int shown;   // the trace whose samples the field holds; -1 none
};

FftDialog *state_of(HWND dialog) {
  return reinterpret_cast<FftDialog *>(GetPropA(dialog, kChoicesProperty));
}

std::string field_text(HWND dialog, int id) {
  char text[64] = {};
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

// The field's value after the rule, written back and kept by the shown trace.
void store_samples(HWND dialog, FftDialog &s) {
  if (s.shown < 0) return;
  FftTraceChoice &c = (*s.choices)[static_cast<size_t>(s.shown)];
  c.samples = validate_samples(field_text(dialog, IDC_FFT_SAMPLES).c_str(), c.points, c.samples);
  SetDlgItemTextA(dialog, IDC_FFT_SAMPLES, c_format("%d", c.samples).c_str());
}

void show_selection(HWND dialog, FftDialog &s) {
  LRESULT i = SendDlgItemMessageA(dialog, IDC_FFT_TRACE, CB_GETCURSEL, 0, 0);
  if (i == CB_ERR || i < 0 || static_cast<size_t>(i) >= s.choices->size()) {
    s.shown = -1;
    SetDlgItemTextA(dialog, IDC_FFT_POINTS, "");
    SetDlgItemTextA(dialog, IDC_FFT_SAMPLES, "");
    return;
  }
  s.shown = static_cast<int>(i);
  const FftTraceChoice &c = (*s.choices)[static_cast<size_t>(i)];
  SetDlgItemTextA(dialog, IDC_FFT_POINTS, c_format("%d", c.points).c_str());
  SetDlgItemTextA(dialog, IDC_FFT_SAMPLES, c_format("%d", c.samples).c_str());
}

INT_PTR CALLBACK fft_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG: {
      FftDialog *s = reinterpret_cast<FftDialog *>(lparam);
      SetPropA(dialog, kChoicesProperty, s);
      HWND combo = GetDlgItem(dialog, IDC_FFT_TRACE);
      for (const FftTraceChoice &c : *s->choices)
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(c.name.c_str()));
      SendMessageA(combo, CB_SETCURSEL, 0, 0);
      show_selection(dialog, *s);
      return TRUE;
    }
    case WM_COMMAND: {
      FftDialog *s = state_of(dialog);
      if (!s) return FALSE;
      int id = LOWORD(wparam), notification = HIWORD(wparam);
      if (id == IDC_FFT_TRACE && notification == CBN_SELCHANGE) {
        store_samples(dialog, *s);
        show_selection(dialog, *s);
      } else if (id == IDC_FFT_SAMPLES && notification == EN_KILLFOCUS) {
        store_samples(dialog, *s);
      } else if (id == IDOK) {
        store_samples(dialog, *s);
        EndDialog(dialog, IDOK);
      } else if (id == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
      }
      return TRUE;
    }
    case WM_DESTROY:
      RemovePropA(dialog, kChoicesProperty);
      return FALSE;
  }
  return FALSE;
}

}  // namespace

bool run_fft_dialog(HWND owner, std::vector<FftTraceChoice> &choices) {
  std::vector<FftTraceChoice> edited = choices;
  FftDialog state{&edited, -1};
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE));
  INT_PTR pressed = DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_ADD_FFT_PLOT), owner,
                                    fft_proc, reinterpret_cast<LPARAM>(&state));
  if (pressed != IDOK) return false;
  choices = std::move(edited);
  return true;
}
