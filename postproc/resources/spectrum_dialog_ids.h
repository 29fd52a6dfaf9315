// Ids of the spectrum dialogs, "Add FFT Plot" and "Monitor File On Disk and Plot", shared by
// spectrum_dialogs.rc and the code that runs them.
#pragma once

// "Add FFT Plot".
#define IDD_ADD_FFT_PLOT 2301
#define IDC_FFT_TRACE 802
#define IDC_FFT_POINTS 2302
#define IDC_FFT_SAMPLES 2303

// "Monitor File On Disk and Plot".
#define IDD_MONITOR_FILE 2801
#define IDC_MONITOR_FILE 201
#define IDC_MONITOR_BROWSE 2803
#define IDC_MONITOR_PSD 2804
#define IDC_MONITOR_FREQUENCY_LABEL 2807
#define IDC_MONITOR_FREQUENCY 2802
#define IDC_MONITOR_FREQUENCY_UNIT 2813
#define IDC_MONITOR_AVERAGING 2805
#define IDC_MONITOR_LENGTH_LABEL 2808
#define IDC_MONITOR_LENGTH 2806
#define IDC_MONITOR_HANN 2809
#define IDC_MONITOR_SNDR 2810
#define IDC_MONITOR_OSR_LABEL 2811
#define IDC_MONITOR_OSR 2812
