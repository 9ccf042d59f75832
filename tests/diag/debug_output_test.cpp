#include "base/diag/debug_output.h"

#include "tests/support/debug_output_capture.h"
#include "tests/support/temp_dir.h"
#include "tests/support/working_directory.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// A NULL format through a variable, as a caller's data would arrive.
const char* const kNoFormat = nullptr;

TEST(DebugPrintf, SendsTheFormattedTextToTheDebugger)
{
    DebugOutputCapture capture;
    DebugPrintf("EasyFile: %s %d", "テスト", 42);
    DebugPrintf(kNoFormat);
    DebugPrintf("%s", "");
    EXPECT_EQ(capture.Texts(), (Texts{"EasyFile: テスト 42", ""}));
}

TEST(DebugPrintf, CutsALongTextToItsBuffer)
{
    DebugOutputCapture capture;
    const std::string longText(3000, 'x');
    DebugPrintf("%s", longText.c_str());
    EXPECT_EQ(capture.Texts(), (Texts{std::string(2047, 'x')}));
}

class InTempDirectory : public testing::Test {
protected:
    TempDir dir;
    ScopedWorkingDirectory cwd{dir.Path()};
    std::string LogFile() const { return dir.File(kDebugLogFileName); }
};

using DebugLogPrintf_ = InTempDirectory;

TEST_F(DebugLogPrintf_, AppendsEachTextWithNothingBetween)
{
    ASSERT_TRUE(cwd.Ok());
    DebugLogPrintf("first %d", 1);
    DebugLogPrintf("二番目");
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(LogFile(), bytes));
    EXPECT_EQ(bytes, "first 1二番目");
}

TEST_F(DebugLogPrintf_, KeepsWhatTheFileAlreadyHeld)
{
    ASSERT_TRUE(cwd.Ok());
    ASSERT_TRUE(WriteWholeFile(LogFile(), "old;"));
    DebugLogPrintf("new");
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(LogFile(), bytes));
    EXPECT_EQ(bytes, "old;new");
}

TEST_F(DebugLogPrintf_, NullFormatCreatesNoFile)
{
    ASSERT_TRUE(cwd.Ok());
    DebugLogPrintf(kNoFormat);
    EXPECT_EQ(GetFileAttributesA(LogFile().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(DebugLogPrintf_, LongTextIsCutAndAFileThatCannotOpenIsPassedOver)
{
    ASSERT_TRUE(cwd.Ok());
    DebugLogPrintf("%s", std::string(5000, 'y').c_str());
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(LogFile(), bytes));
    EXPECT_EQ(bytes, std::string(2047, 'y'));

    // A folder in the log file's place: the write is skipped without harm.
    ASSERT_TRUE(DeleteFileA(LogFile().c_str()));
    ASSERT_TRUE(CreateDirectoryA(LogFile().c_str(), nullptr));
    DebugLogPrintf("lost");
    EXPECT_NE(GetFileAttributesA(LogFile().c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST(ReportLastError, SendsTheSystemTextOfTheLastError)
{
    char expected[4096] = {};
    ASSERT_GT(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, ERROR_FILE_NOT_FOUND,
                             MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), expected, sizeof expected, nullptr),
              0u);
    DebugOutputCapture capture;
    SetLastError(ERROR_FILE_NOT_FOUND);
    ReportLastError();
    EXPECT_EQ(capture.Texts(), (Texts{expected}));
}

} // namespace
