// The toolbar is one control per program, made once while the frame is created and
// destroyed with it as its child. Its buttons are never disabled: a command whose
// precondition fails does nothing, so the toolbar never needs to follow the program's state
// except for the pressed look of Display Cursors.
#include "toolbar.h"

#include <commctrl.h>

#include <string>

#include "../../base/text.h"
#include "../../resources/image_ids.h"
#include "../toolbar_buttons.h"

namespace {

HWND toolbar;

const size_t kTooltipLimit = 127;

}  // namespace

HWND create_toolbar(HWND frame) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  TBBUTTON buttons[kToolbarEntryCount] = {};
  for (int i = 0; i < kToolbarEntryCount; i++) {
    const ToolbarEntry &entry = kToolbarEntries[i];
    buttons[i].iBitmap = is_separator(entry) ? 0 : entry.image;
    buttons[i].idCommand = entry.command_id;
    buttons[i].fsState = TBSTATE_ENABLED;
    buttons[i].fsStyle = is_separator(entry) ? TBSTYLE_SEP : TBSTYLE_BUTTON;
  }
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(frame, GWLP_HINSTANCE));
  toolbar = CreateToolbarEx(frame, WS_CHILD | WS_VISIBLE | WS_BORDER | TBSTYLE_TOOLTIPS,
                            kToolbarControlId, kToolbarImageCount, instance, IDB_TOOLBAR,
                            buttons, kToolbarEntryCount, kToolbarImageSize, kToolbarImageSize,
                            kToolbarImageSize, kToolbarImageSize, sizeof(TBBUTTON));
  return toolbar;
}

void autosize_toolbar() {
  if (toolbar) SendMessageA(toolbar, TB_AUTOSIZE, 0, 0);
}

int toolbar_height() {
  RECT r;
  if (!toolbar || !GetWindowRect(toolbar, &r)) return 0;
  return r.bottom - r.top - 1;
}

void check_toolbar_button(int command_id, bool pressed) {
  if (toolbar) SendMessageA(toolbar, TB_CHECKBUTTON, command_id, MAKELPARAM(pressed ? TRUE : FALSE, 0));
}

LRESULT toolbar_notify(const NMHDR *header) {
  switch (header->code) {
    case TTN_NEEDTEXTA: {
      // The tooltip reads the text after we return, so it must outlive this call; the
      // record's own buffer holds only 80 characters.
      static char text[kTooltipLimit + 1];
      std::string tip = load_text(static_cast<int>(header->idFrom)).substr(0, kTooltipLimit);
      tip.copy(text, kTooltipLimit);
      text[tip.size()] = '\0';
      TOOLTIPTEXTA *request = reinterpret_cast<TOOLTIPTEXTA *>(const_cast<NMHDR *>(header));
      request->lpszText = text;
      request->hinst = nullptr;
      return 0;
    }
    case TBN_GETBUTTONINFOA:
      return 0;
    default:
      return 1;
  }
}
