#pragma once

// Diagnostic writers. Every text is formatted with printf rules into a
// bounded buffer: a longer result is cut to fit, never written past it.

// Formats (at most 2047 characters) and sends the text to the debugger
// output. A NULL format does nothing.
void DebugPrintf(const char* format, ...) __attribute__((format(gnu_printf, 1, 2)));

// Formats as DebugPrintf and appends the text, unchanged and without an added
// line end, to "DebugLF.DLF" in the working directory (created when missing).
// A NULL format does nothing; a file that cannot be opened is passed over.
void DebugLogPrintf(const char* format, ...) __attribute__((format(gnu_printf, 1, 2)));

// Shows the fatal-error box naming the file (the part of sourceFile after its
// last backslash), the line and the message, then ends the process with
// exit(-1) once the box is closed.
[[noreturn]] void FatalError(const char* message, const char* sourceFile, int line);

// Appends text, unchanged and without an added line end, to the file (text
// mode, created when missing). A file that cannot be opened is passed over.
void AppendToLogFile(const char* fileName, const char* text);

// Sends the system's text for GetLastError() to the debugger output.
void ReportLastError();

// The log file that DebugLogPrintf appends to.
extern const char kDebugLogFileName[];
