// Ids of the postprocessor's images, shared by the resource script and the code.
#pragma once

#define IDI_PROGRAM 1      /* the program and its frame window */
#define IDI_GRAPH_WINDOW 2
#define IDI_TABLE_WINDOW 3 /* table and text windows */
#define IDB_ABOUT_LOGO 4
#define IDC_GRAPH_CROSSHAIR 6
#define IDB_TOOLBAR 10012  /* ten 16 x 16 buttons side by side */
