// The frame's toolbar: the platform's toolbar control with the buttons of toolbar_buttons.h.
#pragma once

#include <windows.h>

// Control id 3242, a border and tooltips, ten 16 x 16 images from bitmap 10012.
HWND create_toolbar(HWND frame);
void autosize_toolbar();
// The toolbar's window height minus 1 (the MDI client overlaps its bottom border); 0 without one.
int toolbar_height();
void check_toolbar_button(int command_id, bool pressed);
// The frame's whole answer to WM_NOTIFY: a tooltip's text request is answered with the string
// whose id is the button's command id (at most 127 characters) and 0; a button-info request
// gives 0; everything else 1.
LRESULT toolbar_notify(const NMHDR *header);
