// The graph as a metafile picture: on the clipboard (Copy Graph) and in a .wmf file.
#pragma once

#include <windows.h>

#include <functional>

#include "../../canvas/canvas.h"

// Draws the picture; the canvas's window is already (0, 0) + (width, height), so the drawing
// sets no mapping of its own (a metafile's viewport belongs to whoever plays it).
using DrawPicture = std::function<void(Canvas &canvas)>;

// Records a metafile of the logical space width x height: text in the system window-text
// colour on the window colour, a black pen of width 0, then `draw`. None when GDI fails.
HMETAFILE record_graph_metafile(int width, int height, const DrawPicture &draw);

// The picture's size in hundredths of a millimetre: 10000 wide, trunc(height / width x 10000)
// high. False for an empty logical space.
bool metafile_picture_size(int width, int height, LONG *x_ext, LONG *y_ext);

// Replaces the clipboard's contents with the recorded picture as CF_METAFILEPICT
// (MM_ANISOTROPIC). False, with nothing left allocated, when any step fails.
bool copy_graph_to_clipboard(HWND owner, int width, int height, const DrawPicture &draw);

// Writes the same picture as a placeable metafile file (.wmf), 100 mm wide like the clipboard
// picture. False when recording or writing fails; a partly written file is removed.
bool save_graph_metafile(const char *path, int width, int height, const DrawPicture &draw);
