#include "base/diag/error_report.h"

#include "base/diag/bounded_format.h"
#include "base/diag/debug_output.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace {

const size_t kReportTextSize = 4096;

} // namespace

ErrorReport& ErrorReport::Instance()
{
    static ErrorReport report;
    return report;
}

void ErrorReport::Compose()
{
    char line[16];
    std::snprintf(line, sizeof line, "%d", static_cast<int>(line_));
    composed_.clear();
    if (flags_ & kWithSourceFile)
        composed_ += sourceFile_;
    if (flags_ & kWithLine)
        composed_ += std::string("(") + line + ")";
    if (flags_ & kWithExtra)
        composed_ += extra_;
    composed_ += message_.c_str();
}

void ErrorReport::Dispatch()
{
    Compose();
    if (flags_ & kToDebugger)
        OutputDebugStringA(composed_.c_str());
    if (flags_ & kToLogFile)
        AppendToLogFile(logFile_.c_str(), composed_.c_str());
    if (flags_ & kToFatalBox) {
        MessageBoxA(owner_, composed_.c_str(), caption_.c_str(), MB_SETFOREGROUND | MB_ICONERROR);
        std::exit(-1);
    }
    if (flags_ & kToBox)
        MessageBoxA(owner_, composed_.c_str(), caption_.c_str(), MB_SETFOREGROUND | MB_ICONERROR);
}

void ErrorReport::ReportV(const char* format, va_list args)
{
    char text[kReportTextSize];
    FormatBoundedV(text, sizeof text, format, args);
    message_ = text;
    Dispatch();
}

void ErrorReport::ReportAt(const char* sourceFile, int32_t line, const char* format, ...)
{
    if (format == nullptr)
        return;
    sourceFile_ = sourceFile ? sourceFile : "";
    line_ = line;
    va_list args;
    va_start(args, format);
    ReportV(format, args);
    va_end(args);
}

void ErrorReport::Report(const char* format, ...)
{
    if (format == nullptr)
        return;
    va_list args;
    va_start(args, format);
    ReportV(format, args);
    va_end(args);
}

void ErrorReport::Put(const char* text)
{
    if (text == nullptr)
        return;
    message_ = text;
    DispatchIfLineEnd();
}

void ErrorReport::Append(const char* text)
{
    if (text == nullptr)
        return;
    message_ += text;
    DispatchIfLineEnd();
}

void ErrorReport::DispatchIfLineEnd()
{
    if (message_.find('\n') != std::string::npos)
        Dispatch();
}
