// Ids of the format dialogs (axis, tick labels, title, legend, text block) and of the
// captions they set at run time, shared by format_dialogs.rc and the code that runs them.
#pragma once

// Captions, by axis.
#define IDS_FORMAT_X_AXIS 750
#define IDS_FORMAT_Y_AXIS 751
#define IDS_FORMAT_X_LABEL 950
#define IDS_FORMAT_Y_LABEL 951
#define IDS_FORMAT_X_TITLE 2450
#define IDS_FORMAT_Y_TITLE 2451

// "Format X-Axis" / "Format Y-Axis".
#define IDD_FORMAT_AXIS 700
#define IDC_AXIS_LINEAR 701
#define IDC_AXIS_LOGARITHMIC 702
#define IDC_AXIS_BASE_GROUP 703
#define IDC_AXIS_BASE_8 704
#define IDC_AXIS_BASE_10 705
#define IDC_AXIS_AUTO_MIN 706 /* each check box is followed by its edit */
#define IDC_AXIS_MIN 707
#define IDC_AXIS_AUTO_MAX 708
#define IDC_AXIS_MAX 709
#define IDC_AXIS_AUTO_INCREMENT 710
#define IDC_AXIS_INCREMENT 711
#define IDC_AXIS_TICS_LABEL 712
#define IDC_AXIS_TICS 713
#define IDC_AXIS_TICS_SPIN 714
#define IDC_AXIS_MAJOR_SOLID 715
#define IDC_AXIS_MAJOR_DOT 716
#define IDC_AXIS_MAJOR_NONE 717
#define IDC_AXIS_MINOR_SOLID 718
#define IDC_AXIS_MINOR_DOT 719
#define IDC_AXIS_MINOR_NONE 720
#define IDC_AXIS_DISPLAY_GRID 721

// The font controls of the title, legend and text dialogs.
#define IDC_FONT_FACE 1501
#define IDC_FONT_SIZE 1502
#define IDC_FONT_BOLD 1503
#define IDC_FONT_ITALIC 1504
#define IDC_FONT_UNDERLINE 1505

// "Format Text".
#define IDD_FORMAT_TEXT 1500
#define IDC_TEXT_LEFT 1506
#define IDC_TEXT_CENTER 1507
#define IDC_TEXT_RIGHT 1508
#define IDC_BORDER 1509 /* also the legend dialog's */
#define IDC_TEXT_EDIT 1510
#define IDC_TEXT_VERTICAL 2002
#define IDC_TEXT_HORIZONTAL 2003

// "Format X-Axis Label" / "Format Y-Axis Label": font controls of their own.
#define IDD_FORMAT_LABEL 1600
#define IDC_LABEL_FACE 1601
#define IDC_LABEL_SIZE 1602
#define IDC_LABEL_BOLD 1603
#define IDC_LABEL_ITALIC 1604
#define IDC_LABEL_UNDERLINE 1605
#define IDC_LABEL_DIGITS_LABEL 1606
#define IDC_LABEL_DIGITS 1607
#define IDC_LABEL_DIGITS_SPIN 1608
#define IDC_LABEL_NOTATION_GROUP 1609
#define IDC_LABEL_SCALE_FACTORS 1610
#define IDC_LABEL_DECIMAL 1611
#define IDC_LABEL_SCIENTIFIC 1612

// "Format Legend".
#define IDD_FORMAT_LEGEND 1700
#define IDC_LEGEND_TEXT 1701
#define IDC_LEGEND_SYMBOLS 1702
#define IDC_LEGEND_SYMBOL_WITH_TEXT 1703
#define IDC_LEGEND_DISPLAY_SYMBOLS 1704
#define IDC_LEGEND_PERIOD_LABEL 1705
#define IDC_LEGEND_PERIOD 1706
#define IDC_LEGEND_PERIOD_SPIN 1707
#define IDC_LEGEND_SIZE_LABEL 1708
#define IDC_LEGEND_SIZE 1709
#define IDC_LEGEND_SIZE_SPIN 1710
#define IDC_LEGEND_COLOURS 1711
#define IDC_LEGEND_LINE_STYLES 1712
#define IDC_LEGEND_LINE_WEIGHTS 1713

// "Format X-Axis Title" / "Format Y-Axis Title".
#define IDD_FORMAT_TITLE 2401
#define IDC_TITLE_TEXT 2402
#define IDC_TITLE_SHOW 2403
