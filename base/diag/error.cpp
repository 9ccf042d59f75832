#include "base/diag/error.h"

namespace {

// Index = code; the texts are fixed (the trailing semicolon of 20 included).
const char* const kMessages[] = {
    nullptr,
    "Pointer is null",
    "Create failed",
    "SetCooperativeLevel failed",
    "Load failed",
    "Save failed",
    "Open failed",
    "Close failed",
    "Lock failed",
    "Lock already",
    "UnLock failed",
    "UnLock already",
    "GetCaps failed",
    "GetDesc failed",
    "QueryInterface failed",
    "Area Check error",
    "Zero error",
    "Not Zero error",
    "Invalid flag",
    "Memory allocation failed",
    "Invalid value;",
    "Get failed",
    "Set failed",
};

const int32_t kMessageCount = static_cast<int32_t>(sizeof kMessages / sizeof kMessages[0]);

} // namespace

void Error::SetMessage(int32_t code)
{
    if (code >= 1 && code < kMessageCount)
        message_ = kMessages[code];
}

void Error::Info(const char*, ...) {}

ErrorContextGuard::ErrorContextGuard(Error& error)
    : error_(&error),
      className_(error.ClassName()),
      functionName_(error.FunctionName()),
      sourceFile_(error.SourceFile()),
      line_(error.Line())
{
}

ErrorContextGuard::~ErrorContextGuard()
{
    error_->SetClassName(className_);
    error_->SetFunctionName(functionName_);
    error_->SetSourceFile(sourceFile_);
    error_->SetLine(line_);
    error_ = nullptr;
}
