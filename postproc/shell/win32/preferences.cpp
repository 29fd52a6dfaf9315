// The "Preferences" dialog moves a PreferencesForm between the settings record and its
// controls; which entry a box selects and what confirming stores are preferences_form's.
// A number box that does not hold a number keeps the dialog open with that box selected,
// so that nothing the user typed is silently turned into another value.
#include "preferences.h"

#include <string>
#include <vector>

#include "resources/preferences_ids.h"
#include "shell/preferences_form.h"
#include "shell/settings.h"
#include "base/win32/font_list_win32.h"

namespace {

const int kFaceBoxes[kPreferencesFontCount] = {
    IDC_PREF_X_TITLE_FACE, IDC_PREF_Y_TITLE_FACE, IDC_PREF_X_LABEL_FACE,
    IDC_PREF_Y_LABEL_FACE, IDC_PREF_LEGEND_FACE,  IDC_PREF_TEXT_FACE};

const int kNumberBoxes[] = {IDC_PREF_GRAPH_DIGITS, IDC_PREF_TIC_MARKS, IDC_PREF_CURSOR_DIGITS};

// Face names are at most 63 characters; the box may hold one longer than that.
const int kTextLimit = 256;

// A size box follows its font box.
int size_box(int font) { return kFaceBoxes[font] + 1; }

std::string item_text(HWND box, int item) {
  char text[kTextLimit];
  LRESULT length = SendMessageA(box, CB_GETLBTEXTLEN, item, 0);
  if (length < 0 || length >= kTextLimit) return std::string();
  SendMessageA(box, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text));
  return text;
}

std::string control_text(HWND dialog, int id) {
  char text[kTextLimit];
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

void select_face(HWND box, const std::string &face) {
  std::vector<std::string> entries;
  LRESULT count = SendMessageA(box, CB_GETCOUNT, 0, 0);
  for (int i = 0; i < count; i++) entries.push_back(item_text(box, i));
  SendMessageA(box, CB_SETCURSEL, face_entry(entries, face), 0);
}

void fill_size_box(HWND box, const std::string &size) {
  for (int i = 0; i < kPointSizeCount; i++)
    SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(point_size_text(i).c_str()));
  LRESULT entry = SendMessageA(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(size.c_str()));
  SendMessageA(box, CB_SETCURSEL, entry, 0);
}

void show_form(HWND dialog, const PreferencesForm &form) {
  for (int i = 0; i < kPreferencesFontCount; i++) {
    HWND face = GetDlgItem(dialog, kFaceBoxes[i]);
    fill_font_combo(face);
    select_face(face, form.face[i]);
    fill_size_box(GetDlgItem(dialog, size_box(i)), form.size[i]);
  }
  SetDlgItemTextA(dialog, IDC_PREF_GRAPH_DIGITS, form.graph_digits.c_str());
  SetDlgItemTextA(dialog, IDC_PREF_TIC_MARKS, form.tic_marks.c_str());
  SetDlgItemTextA(dialog, IDC_PREF_CURSOR_DIGITS, form.cursor_digits.c_str());
  CheckDlgButton(dialog, IDC_PREF_DETECT_MULTIPLE, form.detect_multiple_traces ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dialog, IDC_PREF_STATUS_BAR, form.status_bar ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dialog, IDC_PREF_SAVE_SETTINGS, form.save_settings ? BST_CHECKED : BST_UNCHECKED);
  CheckRadioButton(dialog, IDC_PREF_DECIMAL, IDC_PREF_SCIENTIFIC,
                   form.decimal ? IDC_PREF_DECIMAL : IDC_PREF_SCIENTIFIC);
}

PreferencesForm read_form(HWND dialog) {
  PreferencesForm form;
  for (int i = 0; i < kPreferencesFontCount; i++) {
    form.face[i] = control_text(dialog, kFaceBoxes[i]);
    form.size[i] = control_text(dialog, size_box(i));
  }
  form.graph_digits = control_text(dialog, IDC_PREF_GRAPH_DIGITS);
  form.tic_marks = control_text(dialog, IDC_PREF_TIC_MARKS);
  form.cursor_digits = control_text(dialog, IDC_PREF_CURSOR_DIGITS);
  form.detect_multiple_traces = IsDlgButtonChecked(dialog, IDC_PREF_DETECT_MULTIPLE) == BST_CHECKED;
  form.status_bar = IsDlgButtonChecked(dialog, IDC_PREF_STATUS_BAR) == BST_CHECKED;
  form.save_settings = IsDlgButtonChecked(dialog, IDC_PREF_SAVE_SETTINGS) == BST_CHECKED;
  form.decimal = IsDlgButtonChecked(dialog, IDC_PREF_DECIMAL) == BST_CHECKED;
  return form;
}

// Dialog results: closed without storing, stored, stored and "StatusBar" changed.
enum : INT_PTR { kCancelled = IDCANCEL, kStored = IDOK, kStatusBarChanged = 100 };

void confirm(HWND dialog) {
  bool status_bar_changed = false;
  PreferencesField bad = store_preferences(read_form(dialog), settings(), status_bar_changed);
  if (bad != kNoBadField) {
    int id = static_cast<int>(bad) < static_cast<int>(kPreferencesFontCount) ? size_box(bad) : kNumberBoxes[bad - kGraphDigitsField];
    HWND box = GetDlgItem(dialog, id);
    MessageBeep(MB_ICONEXCLAMATION);
    SetFocus(box);
    SendMessageA(box, EM_SETSEL, 0, -1);
    return;
  }
  EndDialog(dialog, status_bar_changed ? kStatusBarChanged : kStored);
}

INT_PTR CALLBACK preferences_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      show_form(dialog, preferences_form(settings()));
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK) {
        confirm(dialog);
        return TRUE;
      }
      if (LOWORD(wparam) == IDCANCEL) {
        EndDialog(dialog, kCancelled);
        return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace

bool show_preferences(HWND owner) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  return DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_PREFERENCES), owner, preferences_proc, 0) ==
         kStatusBarChanged;
}
