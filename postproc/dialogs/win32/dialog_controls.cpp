// Controls of the format dialogs. The face box lists the font list in its own order, so a
// face's entry in the box is its place in the list.
#include "dialog_controls.h"

#include <vector>

#include "../../base/text.h"
#include "../../base/win32/font_list_win32.h"
#include "../../resources/format_dialog_ids.h"

const FontBoxIds kSharedFontBoxes = {IDC_FONT_FACE, IDC_FONT_SIZE, IDC_FONT_BOLD, IDC_FONT_ITALIC,
                                     IDC_FONT_UNDERLINE};

std::string item_text(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  int length = GetWindowTextLengthA(control);
  if (length <= 0) return std::string();
  std::vector<char> text(static_cast<size_t>(length) + 1);
  GetWindowTextA(control, text.data(), length + 1);
  return text.data();
}

void set_item_text(HWND dialog, int id, const std::string &text, size_t limit) {
  if (limit) SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, limit, 0);
  SetDlgItemTextA(dialog, id, text.c_str());
}

bool is_checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void set_checked(HWND dialog, int id, bool on) { CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED); }

void enable_control(HWND dialog, int id, bool on) { EnableWindow(GetDlgItem(dialog, id), on); }

void set_caption(HWND dialog, int string_id) { SetWindowTextA(dialog, load_text(string_id).c_str()); }

void show_font_controls(HWND dialog, const FontBoxIds &ids, const FontControls &controls) {
  HWND face = GetDlgItem(dialog, ids.face);
  fill_font_combo(face);
  SendMessageA(face, CB_SETCURSEL, controls.face_entry, 0);
  HWND size = GetDlgItem(dialog, ids.size);
  for (int entry = 0; entry < kSizeEntryCount; entry++)
    SendMessageA(size, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(size_entry_text(entry).c_str()));
  SendMessageA(size, CB_SETCURSEL, controls.size_entry, 0);
  set_checked(dialog, ids.bold, controls.bold);
  set_checked(dialog, ids.italic, controls.italic);
  set_checked(dialog, ids.underline, controls.underline);
}

FontControls read_font_controls(HWND dialog, const FontBoxIds &ids) {
  FontControls controls;
  controls.face_entry = static_cast<int>(SendDlgItemMessageA(dialog, ids.face, CB_GETCURSEL, 0, 0));
  controls.size_entry = static_cast<int>(SendDlgItemMessageA(dialog, ids.size, CB_GETCURSEL, 0, 0));
  controls.bold = is_checked(dialog, ids.bold);
  controls.italic = is_checked(dialog, ids.italic);
  controls.underline = is_checked(dialog, ids.underline);
  return controls;
}

int arrow_step(WPARAM wparam) {
  switch (LOWORD(wparam)) {
    case SB_LINEUP: return 1;
    case SB_LINEDOWN: return -1;
    default: return 0;
  }
}

int scroll_bar_id(LPARAM lparam) {
  HWND bar = reinterpret_cast<HWND>(lparam);
  return bar ? GetDlgCtrlID(bar) : 0;
}

bool run_dialog(HWND owner, int resource, DLGPROC procedure, void *record) {
  return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource), owner, procedure,
                         reinterpret_cast<LPARAM>(record)) == IDOK;
}

void keep_dialog_record(HWND dialog, LPARAM record) { SetWindowLongPtrA(dialog, DWLP_USER, record); }
