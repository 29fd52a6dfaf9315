// The machine's memory as told by the host's kernel rather than by the Windows API, to check
// the figures a program reads through that API.
#pragma once

#include <cstdint>
#include <string>

// The physical memory in bytes from MemTotal of /proc/meminfo (seen through Wine's drive Z:);
// 0 when it cannot be read.
uint64_t host_physical_memory();

// The number of kilobytes in a memory figure such as "6170943 KB"; -1 unless the text is
// exactly digits (no leading zero), a blank and "KB".
long long kilobytes_shown(const std::string &text);
