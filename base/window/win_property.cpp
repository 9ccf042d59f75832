#include "base/window/win_property.h"

#include "base/window/window_control.h"

#include <cstdarg>

#include "base/diag/bounded_format.h"

bool WinString::Format(const char* format, ...)
{
    if (format == nullptr)
        return false;
    char text[4096];
    va_list args;
    va_start(args, format);
    FormatBoundedV(text, sizeof text, format, args);
    va_end(args);
    return SetText(text);
}
