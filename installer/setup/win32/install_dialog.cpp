// The install dialog.
//
// The dialog's data (InstallDialog) is the truth; write_data puts it into the controls and
// read_data takes the directory back, and both recompute the enabling. The licence box is
// never read back: any edit of it is undone by writing the data again. While the worker
// runs (busy) the dialog only polls the shared state on its 200 ms timer and never waits
// for the worker; the dialog owns its font, icon and timer and releases them when it ends.
#include "setup/win32/install_dialog.h"

#include <string>
#include <vector>

#include "files/files.h"
#include "payload/extract.h"
#include "payload/win32/worker_thread.h"
#include "setup/dialog_logic.h"
#include "setup/finish.h"
#include "setup/resources/setup_ids.h"
#include "setup/shell_ops.h"
#include "setup/win32/folder_browser.h"
#include "setup/win32/shell_ops_win32.h"
#include "setup/win32/small_dialogs.h"

namespace {

const UINT_PTR kProgressTimer = 1;
const UINT kProgressPeriodMs = 200;
const int kTimerAttempts = 9999;

struct InstallDialog {
  std::string licence_text = kLicenceText;
  std::string install_directory = kDefaultInstallDirectory;
  std::string status_text;
  std::string title_text;
  int accepted = 0;
  int busy = 0;
  UINT_PTR timer = 0;
  HICON icon = nullptr;
  HFONT licence_font = nullptr;
  bool asking_to_quit = false;  // the quit question is open: the finishing steps wait for its answer
};

InstallDialog state;

const int kDirectoryControls[] = {IDC_DIRECTORY_LABEL, IDC_DIRECTORY, IDC_INSTALL_NOW, IDC_BROWSE};

std::string control_text(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  int length = GetWindowTextLengthA(control);
  std::vector<char> text(size_t(length) + 1, '\0');
  GetWindowTextA(control, text.data(), length + 1);
  return std::string(text.data());
}

// Setting a text only when it differs keeps the licence box from scrolling back to the top
// on every timer tick, and its change notification from writing it again.
void set_control_text(HWND dialog, int id, const std::string& text) {
  if (control_text(dialog, id) != text) SetDlgItemTextA(dialog, id, text.c_str());
}

void apply_enabling(HWND dialog) {
  ControlEnabling e = control_enabling(state.accepted, state.busy);
  for (int id : kDirectoryControls) EnableWindow(GetDlgItem(dialog, id), e.directory_controls);
  EnableWindow(GetDlgItem(dialog, IDC_ACCEPT), e.accept_decline);
  EnableWindow(GetDlgItem(dialog, IDC_DECLINE), e.accept_decline);
  EnableWindow(GetDlgItem(dialog, IDCANCEL), e.cancel);
}

void write_data(HWND dialog) {
  set_control_text(dialog, IDC_TITLE, state.title_text);
  set_control_text(dialog, IDC_LICENCE, state.licence_text);
  set_control_text(dialog, IDC_DIRECTORY, state.install_directory);
  set_control_text(dialog, IDC_STATUS, state.status_text);
  apply_enabling(dialog);
}

void read_data(HWND dialog) {
  state.install_directory = control_text(dialog, IDC_DIRECTORY);
  apply_enabling(dialog);
}

std::string product_version() {
  char program[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return std::string();
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeA(program, &handle);
  if (size == 0) return std::string();
  std::vector<char> info(size);
  if (!GetFileVersionInfoA(program, 0, size, info.data())) return std::string();
  struct Translation {
    WORD language, code_page;
  }* translation = nullptr;
  UINT bytes = 0;
  if (!VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &bytes) ||
      bytes < sizeof *translation)
    return std::string();
  char query[64];
  wsprintfA(query, "\\StringFileInfo\\%04x%04x\\ProductVersion", translation->language, translation->code_page);
  char* value = nullptr;
  if (!VerQueryValueA(info.data(), query, reinterpret_cast<void**>(&value), &bytes) || bytes == 0) return std::string();
  return std::string(value);
}

std::string program_files_dir() {
  std::string value;
  RegKey key = shell_ops.open_key(RegRoot::local_machine, "Software\\Microsoft\\Windows\\CurrentVersion", RegAccess::read);
  if (!key) return value;
  if (!shell_ops.query_string(key, "ProgramFilesDir", value)) value.clear();
  shell_ops.close_key(key);
  return value;
}

void initialise(HWND dialog) {
  shell_message_owner = dialog;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  state.icon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_CORVEX), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  if (state.icon) SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(state.icon));
  state.title_text = title_text(product_version());
  std::string program_files = program_files_dir();
  state.install_directory = initial_install_directory(program_files, exists_as_directory(program_files));
  HDC screen = GetDC(dialog);
  int height = -MulDiv(10, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(dialog, screen);
  state.licence_font = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial");
  if (state.licence_font)
    SendDlgItemMessageA(dialog, IDC_LICENCE, WM_SETFONT, reinterpret_cast<WPARAM>(state.licence_font), FALSE);
  write_data(dialog);
}

void set_controls_enabled(HWND dialog, const std::vector<int>& ids, bool enabled) {
  for (int id : ids) EnableWindow(GetDlgItem(dialog, id), enabled);
}

void install_now(HWND dialog) {
  read_data(dialog);
  int counter = 0;
  make_directory_path(state.install_directory, counter);
  if (!exists_as_directory(state.install_directory)) {
    std::string text = "Could not create directory \"" + state.install_directory + "\"\nPlease choose another location";
    MessageBoxA(dialog, text.c_str(), "Directory Not Found", MB_OK | MB_ICONEXCLAMATION | MB_TOPMOST);
    return;
  }
  int update_mode = 0;
  if (exists_as_file(simulator_path(state.install_directory))) {
    const std::vector<int> all = {IDC_DIRECTORY_LABEL, IDC_DIRECTORY, IDC_INSTALL_NOW, IDC_BROWSE,
                                  IDC_ACCEPT,          IDC_DECLINE,   IDCANCEL};
    set_controls_enabled(dialog, all, false);
    int answer = ask_update_mode(dialog);
    set_controls_enabled(dialog, all, true);
    apply_enabling(dialog);
    if (answer < 0) return;
    update_mode = answer;
  }
  install_state.install_directory = state.install_directory;
  install_state.update_mode = update_mode;
  install_state.done.store(0);
  state.busy = 1;
  write_data(dialog);
  for (int attempt = 0; attempt < kTimerAttempts && !state.timer; ++attempt)
    state.timer = SetTimer(dialog, kProgressTimer, kProgressPeriodMs, nullptr);
  if (!state.timer || !start_extraction_worker()) {
    // Nothing would ever end the installation: say so and give the dialog back.
    if (state.timer) KillTimer(dialog, state.timer);
    state.timer = 0;
    state.busy = 0;
    write_data(dialog);
    MessageBoxA(dialog, "Trouble starting the installation.", kInstallerCaption, MB_OK | MB_ICONEXCLAMATION);
  }
}

void progress_step(HWND dialog) {
  if (install_state.done.load(std::memory_order_acquire) == 0) {
    state.status_text = install_state.status.read();
    write_data(dialog);
    UpdateWindow(dialog);
    return;
  }
  if (state.asking_to_quit) return;  // finish once the user has answered
  state.status_text.clear();
  state.busy = 0;
  write_data(dialog);
  UpdateWindow(dialog);
  KillTimer(dialog, state.timer);
  state.timer = 0;
  finish_installation(install_state.install_directory, install_state.update_mode);
  EndDialog(dialog, IDOK);
}

void cancel(HWND dialog) {
  if (state.busy == 1) {
    state.asking_to_quit = true;
    bool quit = ask_quit(dialog);
    state.asking_to_quit = false;
    if (!quit) return;
  }
  EndDialog(dialog, IDCANCEL);
}

// Commands from controls that are disabled (a posted command, Enter on a disabled default
// button) are not the user's and are dropped.
bool command_allowed(int id) {
  ControlEnabling e = control_enabling(state.accepted, state.busy);
  switch (id) {
    case IDC_INSTALL_NOW:
    case IDC_BROWSE: return e.directory_controls;
    case IDC_ACCEPT:
    case IDC_DECLINE: return e.accept_decline;
    default: return true;
  }
}

void command(HWND dialog, int id, int notification) {
  if (!command_allowed(id)) return;
  switch (id) {
    case IDC_LICENCE:
      if (notification == EN_CHANGE) write_data(dialog);
      break;
    case IDC_ACCEPT:
      state.accepted = 1;
      read_data(dialog);
      break;
    case IDC_DECLINE:
      if (state.accepted == 0) {
        cancel(dialog);
        return;
      }
      state.accepted = 0;
      read_data(dialog);
      break;
    case IDC_BROWSE: {
      read_data(dialog);
      std::string chosen = state.install_directory;
      if (browse_for_install_directory(dialog, chosen)) state.install_directory = chosen;
      write_data(dialog);
      break;
    }
    case IDC_INSTALL_NOW: install_now(dialog); break;
    case IDCANCEL: cancel(dialog); break;
  }
}

INT_PTR CALLBACK install_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      initialise(dialog);
      // Focus on "Accept" rather than the licence box, which would select all of its text.
      SetFocus(GetDlgItem(dialog, IDC_ACCEPT));
      return FALSE;
    case WM_COMMAND:
      command(dialog, LOWORD(wparam), HIWORD(wparam));
      return TRUE;
    case WM_TIMER:
      if (wparam == kProgressTimer) progress_step(dialog);
      return TRUE;
    case WM_DESTROY:
      shell_message_owner = nullptr;
      if (state.timer) KillTimer(dialog, state.timer);
      return FALSE;
  }
  return FALSE;
}

}  // namespace

void run_install_dialog(HINSTANCE instance) {
  DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_INSTALL), nullptr, install_proc, 0);
  if (state.licence_font) DeleteObject(state.licence_font);
  if (state.icon) DestroyIcon(state.icon);
}
