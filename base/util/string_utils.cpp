#include "base/util/string_utils.h"

#include <windows.h>

#include <cctype>
#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <cwchar>
#include <mbctype.h>

namespace {

constexpr size_t kPathBufferSize = 260;
constexpr size_t kFormatBufferSize = 4096;
constexpr size_t kFormat256Size = 256;

// Formats into buffer[0, size). The runtime's secure formatter treats an
// overflow as an invalid parameter, which either ends the process or (under
// some runtimes) leaves the buffer full and unterminated; a bounded format
// with the overflow turned into an empty result is what callers can rely on.
int FormatInto(char* buffer, size_t size, const char* format, va_list args)
{
    const int written = std::vsnprintf(buffer, size, format, args);
    if (written < 0 || static_cast<size_t>(written) >= size) {
        buffer[0] = '\0';
        return -1;
    }
    return written;
}

// Steps over one character: a double-byte pair whole, any other byte alone.
const char* NextCharacter(const char* text)
{
    return text + (IsDbcsPair(text) ? 2 : 1);
}

bool IsWideHexDigit(wchar_t unit)
{
    return (unit >= L'0' && unit <= L'9') || (unit >= L'A' && unit <= L'F') || (unit >= L'a' && unit <= L'f') ||
           (unit >= 0xFF10 && unit <= 0xFF19) || (unit >= 0xFF21 && unit <= 0xFF26) ||
           (unit >= 0xFF41 && unit <= 0xFF46);
}

// Sums the hexadecimal digits of [begin, end) from the last one backwards;
// other characters are skipped and only the last eight digits count.
template <typename Char, typename IsDigit, typename DigitValue>
uint32_t SumHexDigitsBackwards(const Char* begin, const Char* end, IsDigit isDigit, DigitValue digitValue)
{
    uint32_t sum = 0;
    unsigned shift = 0;
    for (const Char* p = end; p != begin && shift < 32;) {
        --p;
        if (isDigit(*p)) {
            sum |= static_cast<uint32_t>(digitValue(*p)) << shift;
            shift += 4;
        }
    }
    return sum;
}

} // namespace

int IsDbcsPair(const char* text)
{
    const unsigned char lead = static_cast<unsigned char>(text[0]);
    if (!_ismbblead(lead))
        return 0;
    const unsigned char trail = static_cast<unsigned char>(text[1]);
    return trail != '\0' && _ismbbtrail(trail) ? 1 : 0;
}

const char* PathFileName(const char* path)
{
    if (!path)
        return nullptr;
    const char* name = path;
    for (const char* p = path; *p; p = NextCharacter(p)) {
        if (*p == '\\' && !IsDbcsPair(p))
            name = p + 1;
    }
    return name;
}

const char* PathDirectory(const char* path)
{
    static char directory[kPathBufferSize];
    if (!path)
        return nullptr;
    size_t length = static_cast<size_t>(PathFileName(path) - path);
    if (length >= kPathBufferSize)
        length = 0;
    std::memcpy(directory, path, length);
    directory[length] = '\0';
    return directory;
}

const char* AfterFirstDot(const char* text)
{
    if (!text)
        return nullptr;
    for (const char* p = text; *p; p = NextCharacter(p)) {
        if (*p == '.' && !IsDbcsPair(p))
            return p + 1;
    }
    return nullptr;
}

const char* HexString(uint32_t value)
{
    static char text[12];
    std::snprintf(text, sizeof text, "0x%08x", static_cast<unsigned>(value));
    return text;
}

int WideToAnsi(char* destination, const wchar_t* source, int destinationBytes)
{
    const int written = WideCharToMultiByte(CP_ACP, 0, source, -1, destination, destinationBytes, nullptr, nullptr);
    // A conversion that ran out of room has filled the buffer without a
    // terminator.
    if (written == 0 && destination && destinationBytes > 0)
        destination[0] = '\0';
    return written;
}

int AnsiToWide(wchar_t* destination, const char* source, int destinationUnits)
{
    const int written = MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, source, -1, destination, destinationUnits);
    if (written == 0 && destination && destinationUnits > 0)
        destination[0] = L'\0';
    return written;
}

const char* WideToAnsiStatic(const wchar_t* source)
{
    static char text[kPathBufferSize];
    WideToAnsi(text, source, static_cast<int>(sizeof text));
    return text;
}

const wchar_t* AnsiToWideStatic(const char* source)
{
    static wchar_t text[kPathBufferSize];
    AnsiToWide(text, source, static_cast<int>(kPathBufferSize));
    return text;
}

int HexDigitValue(char digit)
{
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    return digit - '0';
}

uint32_t ParseHex(const char* text)
{
    if (text[0] == '0' && text[1] == 'x')
        text += 2;
    return SumHexDigitsBackwards(
        text, text + std::strlen(text), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; },
        HexDigitValue);
}

int WideHexDigitValue(wchar_t digit)
{
    if (digit >= 0xFF10 && digit <= 0xFF19)
        return digit - 0xFF10;
    if (digit >= 0xFF21 && digit <= 0xFF26)
        return digit - 0xFF21 + 10;
    if (digit >= 0xFF41 && digit <= 0xFF46)
        return digit - 0xFF41 + 10;
    if (digit >= L'A' && digit <= L'F')
        return digit - L'A' + 10;
    if (digit >= L'a' && digit <= L'f')
        return digit - L'a' + 10;
    return digit - L'0';
}

uint32_t ParseWideHex(const wchar_t* text)
{
    // Fullwidth zero followed by fullwidth small x.
    if (text[0] == 0xFF10 && text[1] == 0xFF58)
        text += 2;
    return SumHexDigitsBackwards(text, text + std::wcslen(text), IsWideHexDigit, WideHexDigitValue);
}

const char* FormatString(const char* format, ...)
{
    static char text[kFormatBufferSize];
    if (!format)
        return nullptr;
    va_list args;
    va_start(args, format);
    FormatInto(text, sizeof text, format, args);
    va_end(args);
    return text;
}

int CopyString260(char* destination, const char* source)
{
    if (!destination)
        return EINVAL;
    destination[0] = '\0';
    if (!source)
        return EINVAL;
    const size_t length = std::strlen(source);
    if (length >= kPathBufferSize)
        return ERANGE;
    std::memcpy(destination, source, length + 1);
    return 0;
}

int FormatString256(char* destination, const char* format, ...)
{
    if (!destination)
        return -1;
    if (!format) {
        destination[0] = '\0';
        return -1;
    }
    va_list args;
    va_start(args, format);
    const int written = FormatInto(destination, kFormat256Size, format, args);
    va_end(args);
    return written;
}
