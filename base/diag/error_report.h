#pragma once

#include <windows.h>

#include <cstdarg>
#include <cstdint>
#include <string>

// The configurable reporter: composes a report from its parts (source file,
// line, extra text, message) and routes it by its flags to the debugger
// output, a log file, or a message box. The process has one, reached through
// ErrorReport::Instance(); separate objects are for tests.
class ErrorReport {
public:
    enum Flag : uint32_t {
        kToDebugger = 0x1,       // OutputDebugStringA
        kToLogFile = 0x2,        // append to the log file
        kToFatalBox = 0x4,       // message box, then exit(-1)
        kToBox = 0x8,            // message box only
        kWithSourceFile = 0x10000,
        kWithLine = 0x20000,     // "(" line ")"
        kWithExtra = 0x40000,
    };

    static ErrorReport& Instance();

    // Both do nothing; kept so start-up code can call them in the usual order.
    void Initialize() {}
    void Initialize(uint32_t) {}

    void SetFlags(uint32_t flags) { flags_ = flags; }
    void SetLogFile(const std::string& name) { logFile_ = name; }
    void SetSourceFile(const std::string& path) { sourceFile_ = path; }
    void SetLine(int32_t line) { line_ = line; }
    void SetCaption(const std::string& text) { caption_ = text; }
    void SetExtra(const std::string& text) { extra_ = text; }
    void SetOwner(HWND owner) { owner_ = owner; }

    uint32_t Flags() const { return flags_; }
    const std::string& Message() const { return message_; }
    const std::string& Composed() const { return composed_; }

    // Rebuilds the composed text: [source file]["(" line ")"][extra] message.
    void Compose();
    // Composes, then sends the text where the flags say, in the order
    // debugger, log file, fatal box, box.
    void Dispatch();

    // The message becomes the formatted text (at most 4095 characters) and
    // is dispatched. A NULL format does nothing. ReportAt also records
    // where the report comes from.
    void ReportAt(const char* sourceFile, int32_t line, const char* format, ...)
        __attribute__((format(gnu_printf, 4, 5)));
    void Report(const char* format, ...) __attribute__((format(gnu_printf, 2, 3)));

    // Put replaces the message, Append extends it; either dispatches when
    // the message then holds a line end anywhere. The message stays after a
    // report, so later appends report the whole of it again.
    void Put(const char* text);
    void Append(const char* text);

private:
    // The message becomes the formatted text; then Dispatch.
    void ReportV(const char* format, va_list args);
    void DispatchIfLineEnd();

    uint32_t flags_ = kToDebugger;
    std::string message_;
    std::string logFile_ = "debug.txt";
    std::string sourceFile_;
    std::string extra_;
    std::string composed_;
    std::string caption_;
    int32_t line_ = 0;
    HWND owner_ = nullptr;
};
