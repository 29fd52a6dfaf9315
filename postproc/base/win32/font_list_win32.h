// The program's font list as the platform sees it: built from a device's faces, shown in
// combo boxes, looked up as a LOGFONT.
#pragma once

#include <windows.h>

#include <optional>

// Offers every face the device enumerates to the list, after freeing the old one.
void build_font_list(HDC device);
// Adds every face name of the list to the combo box, in the list's order.
void fill_font_combo(HWND combo);
// The description of the face with exactly this name, or nothing.
std::optional<LOGFONTA> find_font(const char *face_name);
void free_font_list();
