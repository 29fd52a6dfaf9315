// file_dialog: the open and save dialogs of the program; see file_dialog.h.
#include "file_dialog.h"

#include <windows.h>
#include <commdlg.h>

#include "../../base/text.h"
#include "../file_filter.h"
#include "app.h"

bool file_dialog(std::string &path, bool open, int initial_name_id, const std::string &filter,
                 const char *title, unsigned long extra_flags) {
  char file[kFileDialogPathLimit + 1] = {};
  char file_title[kFileDialogTitleLimit + 1] = {};
  lstrcpynA(file, load_text(initial_name_id).c_str(), sizeof file);
  std::string filters = platform_filter(filter);
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = app().frame;
  ofn.lpstrFilter = filters.empty() ? nullptr : filters.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file;
  ofn.nMaxFile = kFileDialogPathLimit;
  ofn.lpstrFileTitle = file_title;
  ofn.nMaxFileTitle = kFileDialogTitleLimit;
  ofn.lpstrTitle = title;
  ofn.Flags = OFN_HIDEREADONLY | extra_flags;
  bool confirmed = open ? GetOpenFileNameA(&ofn) : GetSaveFileNameA(&ofn);
  if (confirmed) path = file;
  return confirmed;
}
