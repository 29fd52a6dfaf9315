// The font list: the faces that the "Preferences" and format dialogs offer, one entry per
// distinct face name in the order the device enumerated them, each with the whole logical
// font description of its face.
#pragma once

#include <cstdint>

#include "logical_font.h"

struct FontList {
  LogicalFont *fonts;
  int count;
  int capacity;
};

// Termination code of the one allocation here (the list growing).
const int kFontListOutOfMemory = 1900;

// The program's list, built from the printer (or the screen) and freed at shutdown.
FontList &program_font_list();

// Appends `font` unless a face of the same name (exact comparison) is present; a face name
// too long for the field is cut. Returns whether it was appended. An allocation failure
// ends the program (out of memory 1900).
bool font_list_append(FontList &list, const LogicalFont &font);
// The entry whose face name equals `face_name` exactly, or null.
const LogicalFont *font_list_find(const FontList &list, const char *face_name);
// Frees the entries; the list is then empty and may be filled again.
void font_list_free(FontList &list);
