// A plain visible top-level window with a client area of a given size, to paint into its DC
// as the graph window's paint does.
#pragma once

#include <windows.h>

// Shown and with its first messages handled; none when it cannot be created.
HWND create_bench_window(int client_width, int client_height);
// Handles the messages waiting for this thread's windows.
void pump_messages();
