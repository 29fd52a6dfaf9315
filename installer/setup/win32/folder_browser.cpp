// The folder browser: file-system folders only, with a status line that follows the
// selection, cut to 35 characters so that a long path can't stretch the dialog.
#include "setup/win32/folder_browser.h"

#include <objbase.h>
#include <shlobj.h>

#include "setup/dialog_logic.h"

namespace {

void show_status(HWND browser, const std::string& path) {
  std::string text = browser_status_text(path);
  SendMessageA(browser, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int CALLBACK browser_event(HWND browser, UINT message, LPARAM lparam, LPARAM data) {
  const std::string& start = *reinterpret_cast<const std::string*>(data);
  if (message == BFFM_INITIALIZED) {
    SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(start.c_str()));
    show_status(browser, start);
  } else if (message == BFFM_SELCHANGED) {
    char path[MAX_PATH] = "";
    if (SHGetPathFromIDListA(reinterpret_cast<PCIDLIST_ABSOLUTE>(lparam), path)) show_status(browser, path);
  }
  return 0;
}

}  // namespace

bool browse_for_install_directory(HWND owner, std::string& directory) {
  HRESULT initialised = CoInitialize(nullptr);
  char display[MAX_PATH] = "";
  std::string start = directory;
  BROWSEINFOA info{};
  info.hwndOwner = owner;
  info.pszDisplayName = display;
  info.lpszTitle = "Select the directory to install Corvex IV";
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT;
  info.lpfn = browser_event;
  info.lParam = reinterpret_cast<LPARAM>(&start);
  bool chosen = false;
  if (LPITEMIDLIST item = SHBrowseForFolderA(&info)) {
    char path[MAX_PATH] = "";
    if (SHGetPathFromIDListA(item, path) && path[0]) {
      directory = path;
      chosen = true;
    }
    CoTaskMemFree(item);
  }
  if (SUCCEEDED(initialised)) CoUninitialize();
  return chosen;
}
