// ulmogpp.exe: start-up in its fixed order, then the message loop until the frame is gone.
// A failing start-up step ends the program with exit code 0 and no message.
#include <windows.h>
#include <commctrl.h>

#include "../../base/status.h"
#include "../../base/text.h"
#include "../../data/plot_list.h"
#include "../../expr/expression.h"
#include "../../graph/resources.h"
#include "../../graph/win32/cursors.h"
#include "../../resources/resource_ids.h"
#include "../command_line.h"
#include "../commands.h"
#include "../settings.h"
#include "app.h"
#include "settings_registry.h"
#include "status_bar.h"
#include "graph_files.h"
#include "welcome.h"

namespace {

HWND create_frame(HINSTANCE instance) {
  std::string title = load_text(IDS_APP_NAME);
  return CreateWindowA("AppFrame", title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                       nullptr);
}

void show_frame(HWND frame, int show_command) {
  WINDOWPLACEMENT placement = to_platform(settings().placement);
  if (placement.rcNormalPosition.right == 0 || placement.rcNormalPosition.bottom == 0)
    ShowWindow(frame, show_command);
  else
    SetWindowPlacement(frame, &placement);
  show_mdi_client();
  UpdateWindow(frame);
  show_status_bar(settings().status_bar ? SW_SHOW : SW_HIDE);
  layout_frame();
}

void offer_welcome() {
  if (!settings().display_welcome) return;
  switch (show_welcome(app().frame)) {
    case WelcomeChoice::LastGraph:
      open_graph_file(settings().last_graph);
      break;
    case WelcomeChoice::LastDataFile: {
      std::string path = settings().last_data_file;
      close_all_children();
      open_data_file_by_path(path);
      show_mdi_client();
      make_folder_current(path);
      break;
    }
    case WelcomeChoice::ExistingGraph:
      PostMessageA(app().frame, WM_COMMAND, kCmdOpenGraphFile, 0);
      break;
    case WelcomeChoice::ExistingDataFile:
      PostMessageA(app().frame, WM_COMMAND, kCmdOpenDataFile, 0);
      break;
    case WelcomeChoice::Cancelled:
      break;
  }
}

// Keys typed into an edit control (a table cell edited in place) are its own: Del deletes a
// character there, Ctrl+C copies its selected text, rather than the table's commands.
bool typing_into_edit_control() {
  char name[8] = {};
  HWND focus = GetFocus();
  return focus && GetClassNameA(focus, name, sizeof name) && lstrcmpiA(name, "Edit") == 0;
}

void run_message_loop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    HWND cursor_info = cursor_info_window();
    if (cursor_info && IsDialogMessageA(cursor_info, &msg)) continue;
    if (TranslateMDISysAccel(app().mdi_client, &msg)) continue;
    if (!typing_into_edit_control() && TranslateAcceleratorA(app().frame, app().accelerators, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show_command) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  app().instance = instance;
  if (!previous && !register_window_classes(instance)) return 0;
  reset_plot_list();
  COLORREF window = GetSysColor(COLOR_WINDOW);
  create_graph_resources({GetRValue(window), GetGValue(window), GetBValue(window)}, free_expression);
  load_function_table();

  HWND frame = create_frame(instance);
  if (!frame || !app().mdi_client) return 0;
  app().accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
  if (!app().accelerators) return 0;
  set_status(kStatusNoDataFile);
  show_frame(frame, show_command);

  std::string path = command_line_data_path(command_line);
  if (path.empty() && (!command_line || !*command_line)) offer_welcome();
  else if (!path.empty()) open_data_file_by_path(path);
  DragAcceptFiles(frame, TRUE);

  run_message_loop();
  return 0;
}
