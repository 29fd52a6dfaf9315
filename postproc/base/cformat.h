// C-style formatting of every user-visible number.
#pragma once

#include <cstdarg>
#include <string>

// printf-compatible formatting whose %e, %E, %g and %G conversions always print an exponent
// of at least three digits (1.000000e-003), on every platform and C runtime.
std::string c_format(const char *format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
std::string c_vformat(const char *format, va_list args);

// The same into a fixed buffer: at most size - 1 characters and a NUL; returns the length
// written. Longer results are cut, as the fixed-size texts of the user interface require.
size_t c_format_into(char *buffer, size_t size, const char *format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 3, 4)))
#endif
    ;
