// The welcome dialog. It only reports the choice; opening the graph or data file is the
// frame's, so the dialog is gone before any file dialog or message box appears. The "last"
// choices are offered only while their setting names a file.
#include "welcome.h"

#include "../../resources/dialog_ids.h"
#include "../settings.h"

namespace {

struct RadioChoice {
  int control;
  WelcomeChoice choice;
};

const RadioChoice kChoices[] = {
    {IDC_WELCOME_EXISTING_GRAPH, WelcomeChoice::ExistingGraph},
    {IDC_WELCOME_LAST_GRAPH, WelcomeChoice::LastGraph},
    {IDC_WELCOME_EXISTING_DATA_FILE, WelcomeChoice::ExistingDataFile},
    {IDC_WELCOME_LAST_DATA_FILE, WelcomeChoice::LastDataFile},
};

WelcomeChoice choice_of(int control) {
  for (const RadioChoice &c : kChoices)
    if (c.control == control) return c.choice;
  return WelcomeChoice::Cancelled;
}

int checked_choice_control(HWND dialog) {
  for (const RadioChoice &c : kChoices)
    if (IsDlgButtonChecked(dialog, c.control) == BST_CHECKED) return c.control;
  return 0;
}

void init_welcome(HWND dialog) {
  CheckRadioButton(dialog, IDC_WELCOME_EXISTING_GRAPH, IDC_WELCOME_LAST_DATA_FILE,
                   IDC_WELCOME_EXISTING_GRAPH);
  EnableWindow(GetDlgItem(dialog, IDC_WELCOME_LAST_GRAPH), !setting_text("LastGraph").empty());
  EnableWindow(GetDlgItem(dialog, IDC_WELCOME_LAST_DATA_FILE),
               !setting_text("LastDataFile").empty());
}

// Stores the check box and closes with the choice of `control`.
void choose(HWND dialog, int control) {
  WelcomeChoice choice = choice_of(control);
  if (choice == WelcomeChoice::Cancelled) return;   // no radio button is checked: stay open
  bool dont_show = IsDlgButtonChecked(dialog, IDC_WELCOME_DONT_SHOW) == BST_CHECKED;
  set_setting_number("DisplayWelcome", dont_show ? 0 : 1);
  EndDialog(dialog, static_cast<INT_PTR>(choice));
}

INT_PTR CALLBACK welcome_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      init_welcome(dialog);
      return TRUE;
    case WM_COMMAND: {
      int control = LOWORD(wparam);
      if (control == IDOK) {
        choose(dialog, checked_choice_control(dialog));
        return TRUE;
      }
      if (control == IDCANCEL) {
        EndDialog(dialog, static_cast<INT_PTR>(WelcomeChoice::Cancelled));
        return TRUE;
      }
      if (HIWORD(wparam) == BN_DOUBLECLICKED && choice_of(control) != WelcomeChoice::Cancelled &&
          IsWindowEnabled(GetDlgItem(dialog, control))) {
        choose(dialog, control);
        return TRUE;
      }
      break;
    }
  }
  return FALSE;
}

}  // namespace

WelcomeChoice show_welcome(HWND frame) {
  INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_WELCOME),
                                   frame, welcome_proc, 0);
  if (result <= 0) return WelcomeChoice::Cancelled;
  return static_cast<WelcomeChoice>(result);
}
