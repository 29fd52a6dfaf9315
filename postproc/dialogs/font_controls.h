// The font controls every format dialog shares: a face box over the font list, a point-size
// box of the even sizes 8 to 72, and the check boxes Bold, Italic and Underline.
#pragma once

#include <string>

#include "../base/font_list.h"
#include "../base/logical_font.h"

const int kSizeEntryCount = 33;     // 8, 10, ... 72
const int kTextFallbackEntry = 6;   // "20": what the text dialog shows for a size not listed

// The size of a size-box entry, and its text.
int entry_point_size(int entry);
std::string size_entry_text(int entry);
// The entry that shows `point_size`, or -1 when the list has none.
int size_box_entry(int point_size);
// The face box's entry for `face` (the box lists the font list in its order; names compare
// exactly), or -1.
int face_box_entry(const FontList &list, const char *face);

struct FontControls {
  int face_entry;   // -1: no selection
  int size_entry;   // -1: no selection
  bool bold, italic, underline;
};

// What the controls show for a font: its face and size selected when listed, Bold when the
// weight is above 400.
FontControls font_controls(const LogicalFont &font, int point_size, const FontList &list);

struct ChosenFont {
  LogicalFont font;
  int point_size;
};

// The font the controls describe: the whole description of the chosen face from the list,
// then weight 700 or 400, italic, underline and the chosen size. A box left without a
// selection keeps what `current` has there (its face, its size).
ChosenFont chosen_font(const FontControls &controls, const FontList &list, const LogicalFont &current,
                       int current_point_size);
