#include "base/diag/bounded_format.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

size_t CutText(char* text, size_t maxLength)
{
    // Lead and trail bytes can only be told apart by walking from the start.
    // A lead byte counts only with its trail byte; one left alone at the end
    // (the cut came between them) is dropped.
    size_t i = 0;
    while (i < maxLength && text[i] != '\0') {
        if (IsDBCSLeadByte(static_cast<BYTE>(text[i]))) {
            if (text[i + 1] == '\0' || i + 2 > maxLength)
                break;
            i += 2;
        } else {
            i += 1;
        }
    }
    text[i] = '\0';
    return i;
}

size_t FormatBoundedV(char* buffer, size_t size, const char* format, va_list args)
{
    if (buffer == nullptr || size == 0)
        return 0;
    buffer[0] = '\0';
    if (format == nullptr)
        return 0;
    const int written = std::vsnprintf(buffer, size, format, args);
    if (written < 0) {
        buffer[0] = '\0';
        return 0;
    }
    buffer[size - 1] = '\0';
    if (static_cast<size_t>(written) < size)
        return static_cast<size_t>(written);
    return CutText(buffer, size - 1);
}

size_t FormatBounded(char* buffer, size_t size, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    const size_t length = FormatBoundedV(buffer, size, format, args);
    va_end(args);
    return length;
}
