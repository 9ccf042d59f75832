#pragma once

#include <cstdint>
#include <string>

// The numeric result of the latest fallible operation of the object that
// holds it: 0 for success, else one of the codes of Error's message table.
// Holders set 0 on entry to each fallible operation and the failure code when
// it fails; nothing is logged.
class ErrorCode {
public:
    ErrorCode() = default;
    ErrorCode(const ErrorCode&) = default;
    ErrorCode& operator=(const ErrorCode&) = default;

    // Fills the holder's message for the code; codes without a text leave it.
    virtual void SetMessage(int32_t code) = 0;
    virtual ~ErrorCode() = default;

    void SetError(int32_t code) { code_ = code; }
    int32_t GetError() const { return code_; }

private:
    int32_t code_ = 0;
};

// The failure record carried by library objects that can fail: the code,
// its message and where it happened (class, function, source file, line).
class Error : public ErrorCode {
public:
    enum Code : int32_t {
        kNullPointer = 1,
        kCreateFailed = 2,
        kSetCooperativeLevelFailed = 3,
        kLoadFailed = 4,
        kSaveFailed = 5,
        kOpenFailed = 6,
        kCloseFailed = 7,
        kLockFailed = 8,
        kLockAlready = 9,
        kUnlockFailed = 10,
        kUnlockAlready = 11,
        kGetCapsFailed = 12,
        kGetDescFailed = 13,
        kQueryInterfaceFailed = 14,
        kAreaCheckError = 15,
        kZeroError = 16,
        kNotZeroError = 17,
        kInvalidFlag = 18,
        kMemoryAllocationFailed = 19,
        kInvalidValue = 20,
        kGetFailed = 21,
        kSetFailed = 22,
    };

    void SetMessage(int32_t code) override;

    // Accepts informational text and discards it.
    void Info(const char* format, ...);

    const std::string& Message() const { return message_; }
    const std::string& ClassName() const { return className_; }
    const std::string& FunctionName() const { return functionName_; }
    const std::string& SourceFile() const { return sourceFile_; }
    int32_t Line() const { return line_; }

    void SetClassName(const std::string& name) { className_ = name; }
    void SetFunctionName(const std::string& name) { functionName_ = name; }
    void SetSourceFile(const std::string& path) { sourceFile_ = path; }
    void SetLine(int32_t line) { line_ = line; }

private:
    std::string message_;
    std::string className_;
    std::string functionName_;
    std::string sourceFile_;
    int32_t line_ = 0;
};

// Saves where an Error says it happened (class, function, source file, line)
// and puts that back when the scope ends, so a nested operation may record
// its own place without losing the caller's.
class ErrorContextGuard {
public:
    explicit ErrorContextGuard(Error& error);
    ~ErrorContextGuard();
    ErrorContextGuard(const ErrorContextGuard&) = delete;
    ErrorContextGuard& operator=(const ErrorContextGuard&) = delete;

private:
    Error* error_;
    std::string className_;
    std::string functionName_;
    std::string sourceFile_;
    int32_t line_;
};
