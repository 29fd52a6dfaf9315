// What the format dialogs do alike with their controls: texts, check boxes, enabling, the
// shared font controls and the up/down arrows beside an edit.
#pragma once

#include <windows.h>

#include <string>

#include "../font_controls.h"

std::string item_text(HWND dialog, int id);
// Sets an edit's text and the most characters it takes (0: the platform's default).
void set_item_text(HWND dialog, int id, const std::string &text, size_t limit = 0);
bool is_checked(HWND dialog, int id);
void set_checked(HWND dialog, int id, bool on);
void enable_control(HWND dialog, int id, bool on);

// The caption from the string table.
void set_caption(HWND dialog, int string_id);

// The five font controls of a dialog: the label dialog has ids of its own.
struct FontBoxIds {
  int face, size, bold, italic, underline;
};
extern const FontBoxIds kSharedFontBoxes;   // title, legend and text dialogs

// Fills the face box with the program's font list and the size box with 8 ... 72, and
// selects and ticks what `controls` says.
void show_font_controls(HWND dialog, const FontBoxIds &ids, const FontControls &controls);
FontControls read_font_controls(HWND dialog, const FontBoxIds &ids);

// What a click on the arrows of a vertical scroll bar asks for: +1 up, -1 down, 0 anything
// else (the thumb, a page).
int arrow_step(WPARAM wparam);
// The control behind a WM_VSCROLL, by its id; 0 when none.
int scroll_bar_id(LPARAM lparam);

// Runs dialog `resource` owned by `owner` with `record` as the WM_INITDIALOG parameter;
// true when it ended with OK.
bool run_dialog(HWND owner, int resource, DLGPROC procedure, void *record);

// The record a dialog keeps in its user word.
template <typename T>
T *dialog_record(HWND dialog) {
  return reinterpret_cast<T *>(GetWindowLongPtrA(dialog, DWLP_USER));
}
void keep_dialog_record(HWND dialog, LPARAM record);
