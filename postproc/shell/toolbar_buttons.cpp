// The toolbar table. Every image of the bitmap appears once and in order; a button's
// tooltip is the string whose id is its command id, so the table holds no texts.
#include "toolbar_buttons.h"

#include "commands.h"

namespace {
const ToolbarEntry kSeparator = {-1, 0};
}

const ToolbarEntry kToolbarEntries[kToolbarEntryCount] = {
    kSeparator,
    {0, kCmdOpenDataFile},
    {1, kCmdSelectCurrentPlot},
    {2, kCmdLoadExperimentalData},
    kSeparator,
    {3, kCmdCopy},             // the tooltip says "Copy Graph"
    kSeparator,
    {4, kCmdPrint},
    kSeparator,
    {5, kCmdAddPlot},
    {6, kCmdAddText},
    kSeparator,
    {7, kCmdZoom},
    {8, kCmdShowCursors},      // the tooltip says "Display Cursors"
    kSeparator,
    {9, kCmdHelpContents},
};
