// Ids of the plot dialogs, the welcome dialog and the About box, shared by dialogs.rc and
// the code that runs them.
#pragma once

#include "image_ids.h"

// "Select Current Plot".
#define IDD_SELECT_PLOT 400
#define IDC_PLOT_LIST 410

// "Plot Info": four sunken fields and the button that opens the statistics.
#define IDD_PLOT_INFO 401
#define IDC_INFO_FILE_NAME 411
#define IDC_INFO_TITLE 412
#define IDC_INFO_DATE 413
#define IDC_INFO_PLOT_NAME 414
#define IDC_INFO_STATISTICS 415

// "Simulation Statistics": general and transient layouts. Each line has a label and a value
// field; the field of counter n is IDC_STAT_COUNTER + n, that of time n IDC_STAT_TIME + n, and
// a label's id is its field's id plus IDC_STAT_LABEL_OFFSET.
#define IDD_STATISTICS_GENERAL 402
#define IDD_STATISTICS_TRANSIENT 403
#define IDC_STAT_COUNTER 420
#define IDC_STAT_TIME 430
#define IDC_STAT_LABEL_OFFSET 20

// Welcome dialog.
#define IDD_WELCOME 2701
#define IDC_WELCOME_EXISTING_GRAPH 2702
#define IDC_WELCOME_LAST_GRAPH 2703
#define IDC_WELCOME_EXISTING_DATA_FILE 2704
#define IDC_WELCOME_LAST_DATA_FILE 2705
#define IDC_WELCOME_DONT_SHOW 2706

// About box; its logo is the bitmap IDB_ABOUT_LOGO.
#define IDD_ABOUT 300
#define IDC_ABOUT_MEMORY 301
#define IDC_ABOUT_EXTRA 302
#define IDC_ABOUT_VERSION 303
#define IDC_ABOUT_COPYRIGHT 304
#define IDC_ABOUT_PLATFORMS 305

// "Add Plot" and "X-Axis Expression": the expression builder's controls. Button b of
// IDC_TOKEN_FIRST .. IDC_TOKEN_LAST appends the token of code 803 - b.
#define IDD_ADD_PLOT 800
#define IDD_X_AXIS_EXPRESSION 801
#define IDC_TRACE_LIST 802
#define IDC_VARIABLE_LIST 803
#define IDC_TOKEN_FIRST 804
#define IDC_TOKEN_LAST 828
#define IDC_CONSTANT_BUTTON 829
#define IDC_CONSTANT_TEXT 830
#define IDC_ADD_EXPRESSION 831
#define IDC_DELETE_LAST 832
#define IDC_EXPRESSION_TEXT 833
#define IDC_NEW_PLOT 834
#define IDC_OVERLAY_PLOT 835
#define IDC_X_AXIS_TEXT 836

// The cancel dialog of a print job: the document, the device and its port.
#define IDD_PRINT_CANCEL 600
#define IDC_PRINT_DOCUMENT 601
#define IDC_PRINT_DEVICE 602
#define IDC_PRINT_PORT 603
