/* The C interface of ulmogrid.dll, the grid component of table windows.
 *
 * Every operation takes the handle ulmogrd_create returned; none accepts a null handle
 * (each then returns 0 or does nothing). Texts are copied: the caller may reuse its buffer
 * as soon as a call returns. Rows and columns count from 1. */
#ifndef ULMOGRID_ULMOGRD_H
#define ULMOGRID_ULMOGRD_H

#include <windows.h>

#ifdef ULMOGRID_BUILDING
#define ULMOGRD_API __declspec(dllexport)
#else
#define ULMOGRD_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef struct UlmoGrid *ULMOGRD_HANDLE;

/* A grid of rows x columns as a child window of `parent`; null on failure. */
ULMOGRD_API ULMOGRD_HANDLE ulmogrd_create(HWND parent, int rows, int columns);
ULMOGRD_API HWND ulmogrd_get_hwnd(ULMOGRD_HANDLE grid);
ULMOGRD_API void ulmogrd_destroy(ULMOGRD_HANDLE grid);
/* Non-zero when the cell exists and took the text. */
ULMOGRD_API int ulmogrd_set_data(ULMOGRD_HANDLE grid, int row, int column, const char *text);

ULMOGRD_API int ulmogrd_can_copy(ULMOGRD_HANDLE grid);
ULMOGRD_API int ulmogrd_can_cut(ULMOGRD_HANDLE grid);
ULMOGRD_API int ulmogrd_can_paste(ULMOGRD_HANDLE grid);
ULMOGRD_API int ulmogrd_can_undo(ULMOGRD_HANDLE grid);
ULMOGRD_API int ulmogrd_can_redo(ULMOGRD_HANDLE grid);

/* Each acts on the selection and the clipboard; non-zero when it did. */
ULMOGRD_API int ulmogrd_copy(ULMOGRD_HANDLE grid);
ULMOGRD_API int ulmogrd_cut(ULMOGRD_HANDLE grid);
ULMOGRD_API int ulmogrd_paste(ULMOGRD_HANDLE grid);
ULMOGRD_API int ulmogrd_undo(ULMOGRD_HANDLE grid);
ULMOGRD_API int ulmogrd_redo(ULMOGRD_HANDLE grid);
ULMOGRD_API int ulmogrd_select_all(ULMOGRD_HANDLE grid);
ULMOGRD_API void ulmogrd_set_focus(ULMOGRD_HANDLE grid);

/* Printing on a printer context whose document the caller starts and ends: the number of
 * pages (0: nothing to print), then each page (started and ended here; non-zero on
 * success), then the end. */
ULMOGRD_API int ulmogrd_print_begin(ULMOGRD_HANDLE grid, HDC printer);
ULMOGRD_API int ulmogrd_print_page(ULMOGRD_HANDLE grid);
ULMOGRD_API void ulmogrd_print_end(ULMOGRD_HANDLE grid);

#ifdef __cplusplus
}
#endif

#endif
