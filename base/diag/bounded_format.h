#pragma once

#include <cstdarg>
#include <cstddef>

// printf-style formatting into a fixed buffer that never overflows and always
// ends in a terminator. A result longer than the buffer is cut to fit; the cut
// never leaves half of a double-byte character (code page of the process) at
// the end. Returns the length of the text in the buffer.
//
// This exists because the runtime's secure formatter leaves the buffer full
// and unterminated when the text does not fit.
size_t FormatBoundedV(char* buffer, size_t size, const char* format, va_list args);
size_t FormatBounded(char* buffer, size_t size, const char* format, ...)
    __attribute__((format(gnu_printf, 3, 4)));

// Shortens a terminated text in place to at most maxLength bytes without
// splitting a double-byte character; returns the new length.
size_t CutText(char* text, size_t maxLength);
