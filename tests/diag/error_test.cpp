#include "base/diag/error.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Error, EveryCodeGetsItsFixedMessage)
{
    const struct {
        int32_t code;
        const char* message;
    } table[] = {
        {1, "Pointer is null"},       {2, "Create failed"},        {3, "SetCooperativeLevel failed"},
        {4, "Load failed"},           {5, "Save failed"},          {6, "Open failed"},
        {7, "Close failed"},          {8, "Lock failed"},          {9, "Lock already"},
        {10, "UnLock failed"},        {11, "UnLock already"},      {12, "GetCaps failed"},
        {13, "GetDesc failed"},       {14, "QueryInterface failed"}, {15, "Area Check error"},
        {16, "Zero error"},           {17, "Not Zero error"},      {18, "Invalid flag"},
        {19, "Memory allocation failed"}, {20, "Invalid value;"},  {21, "Get failed"},
        {22, "Set failed"},
    };
    for (const auto& row : table) {
        Error error;
        error.SetMessage(row.code);
        EXPECT_EQ(error.Message(), row.message) << "code " << row.code;
        EXPECT_EQ(error.GetError(), 0) << "SetMessage does not touch the code";
    }
}

TEST(Error, CodesWithoutTextLeaveTheMessageAlone)
{
    for (int32_t code : {0, 23, -1, 1000}) {
        Error error;
        error.SetMessage(4);
        error.SetMessage(code);
        EXPECT_EQ(error.Message(), "Load failed") << "code " << code;
    }
}

TEST(Error, SetErrorStoresOnlyTheCode)
{
    Error error;
    EXPECT_EQ(error.GetError(), 0);
    error.SetError(Error::kOpenFailed);
    EXPECT_EQ(error.GetError(), 6);
    EXPECT_EQ(error.Message(), "");
    error.SetError(0);
    EXPECT_EQ(error.GetError(), 0);
}

TEST(Error, MessageIsReachableThroughTheBase)
{
    Error error;
    ErrorCode& base = error;
    base.SetMessage(Error::kInvalidValue);
    EXPECT_EQ(error.Message(), "Invalid value;");
}

TEST(ErrorContextGuard, PutsThePlaceBackWhenTheScopeEnds)
{
    Error error;
    error.SetClassName("Bitmap");
    error.SetFunctionName("Load");
    error.SetSourceFile("bitmap.cpp");
    error.SetLine(12);
    {
        ErrorContextGuard guard(error);
        error.SetClassName("Inner");
        error.SetFunctionName("Lock");
        error.SetSourceFile("lock.cpp");
        error.SetLine(99);
        error.SetError(Error::kLockAlready);
    }
    EXPECT_EQ(error.ClassName(), "Bitmap");
    EXPECT_EQ(error.FunctionName(), "Load");
    EXPECT_EQ(error.SourceFile(), "bitmap.cpp");
    EXPECT_EQ(error.Line(), 12);
    EXPECT_EQ(error.GetError(), Error::kLockAlready) << "the guard restores the place, not the result";
}

} // namespace
