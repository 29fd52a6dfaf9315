// Dialog 2801. The check boxes dim their dependent controls at once; "OK" reads the fields
// and keeps the dialog open on settings that no computation could use.
#include <cstdio>

#include "../../base/messages.h"
#include "../../resources/resource_ids.h"
#include "../../resources/spectrum_dialog_ids.h"
#include "../monitor_form.h"
#include "monitor_window.h"

namespace {

const int kFileNameLimit = 511;

struct MonitorDialog {
  MonitorSettings *settings;
  BrowseForFile browse;
};

bool checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void dim(HWND dialog) {
  for (const ControlState &c : monitor_dimming(checked(dialog, IDC_MONITOR_PSD),
                                               checked(dialog, IDC_MONITOR_AVERAGING),
                                               checked(dialog, IDC_MONITOR_SNDR)))
    EnableWindow(GetDlgItem(dialog, c.id), c.enabled);
}

void show(HWND dialog, const MonitorSettings &s) {
  SendDlgItemMessageA(dialog, IDC_MONITOR_FILE, EM_LIMITTEXT, kFileNameLimit, 0);
  SetDlgItemTextA(dialog, IDC_MONITOR_FILE, s.file_name.c_str());
  SetDlgItemTextA(dialog, IDC_MONITOR_FREQUENCY, monitor_frequency_text(s.sampling_frequency).c_str());
  SetDlgItemTextA(dialog, IDC_MONITOR_LENGTH, monitor_unsigned_text(s.sequence_length).c_str());
  SetDlgItemTextA(dialog, IDC_MONITOR_OSR, monitor_unsigned_text(s.oversampling_ratio).c_str());
  CheckDlgButton(dialog, IDC_MONITOR_PSD, s.psd ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dialog, IDC_MONITOR_AVERAGING, s.averaging ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dialog, IDC_MONITOR_HANN, s.hann ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dialog, IDC_MONITOR_SNDR, s.calculate_sndr ? BST_CHECKED : BST_UNCHECKED);
  dim(dialog);
}

int32_t unsigned_field(HWND dialog, int id) {
  BOOL ok = FALSE;
  UINT v = GetDlgItemInt(dialog, id, &ok, FALSE);
  return ok && v <= 0x7fffffffu ? static_cast<int32_t>(v) : 0;
}

// Reads the fields into `s`; false (after telling why) when they cannot be used.
bool read(HWND dialog, MonitorSettings &s) {
  char text[kFileNameLimit + 1] = {};
  GetDlgItemTextA(dialog, IDC_MONITOR_FILE, text, sizeof text);
  s.file_name = text;
  s.psd = checked(dialog, IDC_MONITOR_PSD);
  s.averaging = checked(dialog, IDC_MONITOR_AVERAGING);
  s.hann = checked(dialog, IDC_MONITOR_HANN);
  s.calculate_sndr = checked(dialog, IDC_MONITOR_SNDR);
  s.sequence_length = unsigned_field(dialog, IDC_MONITOR_LENGTH);
  s.oversampling_ratio = unsigned_field(dialog, IDC_MONITOR_OSR);
  char frequency[64] = {};
  GetDlgItemTextA(dialog, IDC_MONITOR_FREQUENCY, frequency, sizeof frequency);
  double fs = 0;
  if (!read_monitor_frequency(frequency, fs)) fs = 0;
  s.sampling_frequency = fs;
  MonitorSettingsCheck check = check_monitor_settings(s);
  if (check == kSettingsOk) return true;
  show_message(dialog, kMbIconExclamation, monitor_settings_message(check));
  return false;
}

INT_PTR CALLBACK monitor_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrA(dialog, DWLP_USER, lparam);
      show(dialog, *reinterpret_cast<MonitorDialog *>(lparam)->settings);
      return TRUE;
    }
    case WM_COMMAND: {
      auto *d = reinterpret_cast<MonitorDialog *>(GetWindowLongPtrA(dialog, DWLP_USER));
      if (!d) return FALSE;
      switch (LOWORD(wparam)) {
        case IDC_MONITOR_PSD:
        case IDC_MONITOR_AVERAGING:
        case IDC_MONITOR_SNDR:
          dim(dialog);
          return TRUE;
        case IDC_MONITOR_BROWSE: {
          std::string path;
          if (d->browse && d->browse(dialog, path))
            SetDlgItemTextA(dialog, IDC_MONITOR_FILE, path.c_str());
          return TRUE;
        }
        case IDOK: {
          MonitorSettings edited = *d->settings;
          if (!read(dialog, edited)) return TRUE;
          *d->settings = edited;
          EndDialog(dialog, IDOK);
          return TRUE;
        }
        case IDCANCEL:
          EndDialog(dialog, IDCANCEL);
          return TRUE;
      }
      return FALSE;
    }
  }
  return FALSE;
}

}  // namespace

bool run_monitor_dialog(HWND owner, MonitorSettings &settings, BrowseForFile browse) {
  MonitorDialog state{&settings, browse};
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE));
  return DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MONITOR_FILE), owner, monitor_proc,
                         reinterpret_cast<LPARAM>(&state)) == IDOK;
}
