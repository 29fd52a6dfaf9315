// In-place decompression of a packed payload member that the worker has written to disk.
#pragma once

#include <string>

// Replaces the gzip file at path by its decompressed content. Returns "" on success, else
// the error text.
std::string gunzip_in_place(const std::string& path);
