// The update dialog (129) and the quit dialog (101), both modal to the install dialog.
#include "setup/win32/small_dialogs.h"

#include "setup/resources/setup_ids.h"

namespace {

INT_PTR CALLBACK update_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      CheckRadioButton(dialog, IDC_OVERWRITE, IDC_UPDATE, IDC_OVERWRITE);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK) {
        EndDialog(dialog, IsDlgButtonChecked(dialog, IDC_UPDATE) == BST_CHECKED ? 1 : 0);
        return TRUE;
      }
      if (LOWORD(wparam) == IDCANCEL) {
        EndDialog(dialog, -1);
        return TRUE;
      }
      break;
  }
  return FALSE;
}

INT_PTR CALLBACK quit_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_COMMAND && (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL)) {
    EndDialog(dialog, LOWORD(wparam));
    return TRUE;
  }
  return FALSE;
}

}  // namespace

int ask_update_mode(HWND owner) {
  INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_UPDATE), owner, update_proc, 0);
  return result == 0 || result == 1 ? int(result) : -1;
}

bool ask_quit(HWND owner) {
  return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_QUIT), owner, quit_proc, 0) == IDOK;
}
