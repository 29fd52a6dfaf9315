#include "window.h"

namespace {

const char kClassName[] = "UlmoPaintBench";

}  // namespace

HWND create_bench_window(int client_width, int client_height) {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = DefWindowProcA;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  window_class.lpszClassName = kClassName;
  RegisterClassA(&window_class);
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  RECT frame{0, 0, client_width, client_height};
  AdjustWindowRect(&frame, style, FALSE);
  HWND window = CreateWindowA(kClassName, "Paint benchmark", style, 0, 0, frame.right - frame.left,
                              frame.bottom - frame.top, nullptr, nullptr,
                              window_class.hInstance, nullptr);
  if (!window) return nullptr;
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  pump_messages();
  return window;
}

void pump_messages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}
