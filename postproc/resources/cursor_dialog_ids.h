// Ids of the "Cursor Info" window (dialog 900), shared by cursor_dialog.rc and the cursors.
#pragma once

#define IDD_CURSOR_INFO 900
#define IDC_CURSOR_ONE 901
#define IDC_CURSOR_TWO 902
#define IDC_CURSOR_ONE_VALUE 903
#define IDC_CURSOR_TWO_VALUE 904
#define IDC_CURSOR_DIFFERENCE 905
// The measurements of the trace nearest to cursor 1 between the cursors.
#define IDC_SPAN_TRACE 910
#define IDC_SPAN_MINIMUM 911
#define IDC_SPAN_MAXIMUM 912
#define IDC_SPAN_MEAN 913
#define IDC_SPAN_RMS 914
#define IDC_SPAN_PEAK_TO_PEAK 915
