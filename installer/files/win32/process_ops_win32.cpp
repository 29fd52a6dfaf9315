// The worker's messages, pauses and exit on Windows.
//
// Message boxes are owned by no window: the worker shows them from its own thread, and the
// dialog's window belongs to another.
#include <windows.h>

#include "files/process_ops.h"

namespace {

const char kCaption[] = "Corvex IV Installation";

void show_message(const char* text) { MessageBoxA(nullptr, text, kCaption, MB_OK); }

void end_process(int exit_code) { ExitProcess(UINT(exit_code)); }

void sleep_ms(unsigned milliseconds) { Sleep(milliseconds); }

}  // namespace

ProcessOps process_ops = {show_message, end_process, sleep_ms};
