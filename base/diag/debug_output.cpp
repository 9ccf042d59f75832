#include "base/diag/debug_output.h"

#include "base/diag/bounded_format.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

const char kDebugLogFileName[] = "DebugLF.DLF";

namespace {

const size_t kDebugTextSize = 2048;
const size_t kFatalTextSize = 516;
const size_t kSystemMessageSize = 4096;

// Formats into the debug text buffer and hands the text to send. A NULL
// format sends nothing.
void SendFormatted(const char* format, va_list args, void (*send)(const char* text))
{
    if (format == nullptr)
        return;
    char text[kDebugTextSize];
    FormatBoundedV(text, sizeof text, format, args);
    send(text);
}

void SendToDebugger(const char* text)
{
    OutputDebugStringA(text);
}

void AppendToDebugLog(const char* text)
{
    AppendToLogFile(kDebugLogFileName, text);
}

} // namespace

void AppendToLogFile(const char* fileName, const char* text)
{
    FILE* file = std::fopen(fileName, "a");
    if (file == nullptr)
        return;
    std::fputs(text, file);
    std::fclose(file);
}

void DebugPrintf(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    SendFormatted(format, args, SendToDebugger);
    va_end(args);
}

void DebugLogPrintf(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    SendFormatted(format, args, AppendToDebugLog);
    va_end(args);
}

void FatalError(const char* message, const char* sourceFile, int line)
{
    if (message == nullptr)
        message = "";
    if (sourceFile == nullptr)
        sourceFile = "";
    const char* backslash = std::strrchr(sourceFile, '\\');
    const char* fileName = backslash ? backslash + 1 : sourceFile;
    char text[kFatalTextSize];
    FormatBounded(text, sizeof text,
                  "復帰できないエラーが出ました。\nＯＫを押すとプログラムを終了します。\nファイル名: %s\n行数: %d\n%s",
                  fileName, line, message);
    MessageBoxA(nullptr, text, "致命的なエラー", MB_SETFOREGROUND | MB_ICONERROR);
    std::exit(-1);
}

void ReportLastError()
{
    const DWORD code = GetLastError();
    char text[kSystemMessageSize] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                   text, sizeof text, nullptr);
    text[sizeof text - 1] = '\0';
    OutputDebugStringA(text);
}
