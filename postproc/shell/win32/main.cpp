// ulmogpp.exe: the frame window with its status bar, loading the data file named on the
// command line.
#include <windows.h>

#include "../../base/text.h"
#include "../../data/load.h"
#include "../../data/plot_list.h"
#include "../../resources/resource_ids.h"
#include "../command_line.h"
#include "../status.h"
#include "status_bar.h"
#include "ui_win32.h"

namespace {

const char kFrameClass[] = "AppFrame";

LRESULT CALLBACK frame_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      install_win32_ui(hwnd);
      create_status_bar(hwnd);
      show_status_bar(SW_SHOW);
      set_status(kStatusNoDataFile);
      return 0;
    case WM_SIZE:
      layout_status_bar(hwnd);
      return 0;
    case WM_CLOSE:
      clear_plot_list();
      DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      destroy_status_bar();
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(hwnd, message, wparam, lparam);
  }
}

bool register_frame_class(HINSTANCE instance) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = frame_proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  wc.lpszClassName = kFrameClass;
  return RegisterClassA(&wc) != 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int show_command) {
  if (!register_frame_class(instance) || !register_status_class(instance)) return 0;
  reset_plot_list();
  std::string title = load_text(IDS_APP_NAME);
  HWND frame = CreateWindowA(kFrameClass, title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                             instance, nullptr);
  if (!frame) return 0;
  ShowWindow(frame, show_command);
  UpdateWindow(frame);
  std::string path = command_line_data_path(command_line);
  if (!path.empty()) load_data_file(path.c_str());
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
