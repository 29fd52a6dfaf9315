// The About box. The logo is bitmap 4, loaded when the box opens and freed when it closes;
// without that resource the box is shown without a logo. The memory figure comes from the
// 64-bit memory status so that machines with more than 4 GB are reported right.
#include "about.h"

#include <climits>

#include "../../base/cformat.h"
#include "../../resources/dialog_ids.h"

namespace {

const int kLogoTop = 10;

HBITMAP logo = nullptr;

uint64_t total_physical_memory() {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  if (!GlobalMemoryStatusEx(&status)) return 0;
  return status.ullTotalPhys;
}

void paint_logo(HWND dialog) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(dialog, &paint);
  if (logo) {
    BITMAP info{};
    GetObjectA(logo, sizeof info, &info);
    RECT client;
    GetClientRect(dialog, &client);
    POINT at = about_logo_origin(client.right - client.left, info.bmWidth);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, logo);
    BitBlt(dc, at.x, at.y, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
  }
  EndPaint(dialog, &paint);
}

INT_PTR CALLBACK about_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      logo = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_ABOUT_LOGO));
      SetDlgItemTextA(dialog, IDC_ABOUT_MEMORY, physical_memory_text(total_physical_memory()).c_str());
      SetDlgItemTextA(dialog, IDC_ABOUT_EXTRA, "");
      return TRUE;
    case WM_PAINT:
      paint_logo(dialog);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) {
        EndDialog(dialog, 0);
        return TRUE;
      }
      break;
    case WM_DESTROY:
      if (logo) DeleteObject(logo);
      logo = nullptr;
      break;
  }
  return FALSE;
}

}  // namespace

std::string physical_memory_text(uint64_t total_bytes) {
  uint64_t kb = total_bytes / 1000;
  if (kb <= static_cast<uint64_t>(LONG_MAX)) return c_format("%ld KB", static_cast<long>(kb));
  return c_format("%llu KB", static_cast<unsigned long long>(kb));
}

POINT about_logo_origin(int client_width, int logo_width) {
  POINT at;
  at.x = (client_width - logo_width) / 2;
  at.y = kLogoTop;
  return at;
}

void show_about(HWND frame) {
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUT), frame, about_proc, 0);
}
