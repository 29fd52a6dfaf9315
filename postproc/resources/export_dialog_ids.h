// Ids of the export dialogs, shared by export_dialogs.rc and the code that runs them.
#pragma once

// "Export": where the data comes from.
#define IDD_EXPORT_CHOICE 2501
#define IDC_EXPORT_RAW_DATA 2502
#define IDC_EXPORT_ACTIVE_WINDOW 2503

// "Export Raw Data": the current plot's variables.
#define IDD_EXPORT_RAW_DATA 1300
#define IDC_EXPORT_VARIABLES 1301

// "Export Traces": the active graph's traces.
#define IDD_EXPORT_TRACES 2601
#define IDC_EXPORT_TRACE_LIST 2602
