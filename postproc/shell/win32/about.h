// The About box (dialog 300).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

void show_about(HWND frame);

// "%ld KB" of the total physical memory (bytes / 1000). A figure beyond a 32-bit long is
// printed whole in the same decimal form rather than wrapped.
std::string physical_memory_text(uint64_t total_bytes);

// Where the logo's top-left corner goes: centred in the client width, 10 pixels down.
POINT about_logo_origin(int client_width, int logo_width);
