#include "base/diag/error_report.h"

#include "tests/support/debug_output_capture.h"
#include "tests/support/temp_dir.h"
#include "tests/support/working_directory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

const char* const kNoFormat = nullptr;

TEST(ErrorReport, ComposesThePartsTheFlagsAskFor)
{
    const struct {
        uint32_t flags;
        const char* composed;
    } table[] = {
        {0x00000, "x"},
        {0x30001, "a.cpp(12)x"},
        {0x10000, "a.cppx"},
        {0x20000, "(12)x"},
        {0x40000, "E: x"},
        {0x70000, "a.cpp(12)E: x"},
        {0x0000F, "x"}, // routing bits add nothing to the text
    };
    for (const auto& row : table) {
        ErrorReport report;
        report.SetFlags(row.flags);
        report.SetSourceFile("a.cpp");
        report.SetLine(12);
        report.SetExtra("E: ");
        report.Put("x");
        report.Compose();
        EXPECT_EQ(report.Composed(), row.composed) << std::hex << row.flags;
    }
}

TEST(ErrorReport, NegativeLineIsWrittenWithItsSign)
{
    ErrorReport report;
    report.SetFlags(ErrorReport::kWithLine);
    report.SetLine(-3);
    report.Compose();
    EXPECT_EQ(report.Composed(), "(-3)");
}

TEST(ErrorReport, TheProcessHasOneReporterThatStartsOnTheDebugger)
{
    EXPECT_EQ(&ErrorReport::Instance(), &ErrorReport::Instance());
    EXPECT_EQ(ErrorReport::Instance().Flags(), ErrorReport::kToDebugger);
    EXPECT_EQ(ErrorReport().Flags(), ErrorReport::kToDebugger);
}

TEST(ErrorReport, ReportAtRecordsThePlaceAndReportKeepsIt)
{
    DebugOutputCapture capture;
    ErrorReport report;
    report.SetFlags(0x30001);
    report.ReportAt("a.cpp", 12, "value %d", 7);
    report.Report("again %s", "ok");
    report.ReportAt("b.cpp", 1, kNoFormat);
    report.Report(kNoFormat);
    EXPECT_EQ(capture.Texts(), (Texts{"a.cpp(12)value 7", "a.cpp(12)again ok"}));
    EXPECT_EQ(report.Message(), "again ok") << "a NULL format changes nothing";
}

TEST(ErrorReport, OverlongMessageIsCut)
{
    ErrorReport report;
    report.SetFlags(0);
    report.Report("%s", std::string(6000, 'z').c_str());
    EXPECT_EQ(report.Message(), std::string(4095, 'z'));
}

TEST(ErrorReport, PutAndAppendReportOnlyOnceALineEndArrives)
{
    DebugOutputCapture capture;
    ErrorReport report;
    report.Put("no line end");
    report.Put("line one\n");
    report.Append("more");
    report.Append("\nlast");
    report.Put(nullptr);
    report.Append(nullptr);
    EXPECT_EQ(capture.Texts(), (Texts{"line one\n", "line one\nmore", "line one\nmore\nlast"}));
}

class ErrorReportInTempDirectory : public testing::Test {
protected:
    TempDir dir;
    ScopedWorkingDirectory cwd{dir.Path()};
    std::string Read(const char* name) const
    {
        std::string bytes;
        return ReadWholeFile(dir.File(name), bytes) ? bytes : "(missing)";
    }
};

TEST_F(ErrorReportInTempDirectory, FlagsZeroComposesButSendsNowhere)
{
    ASSERT_TRUE(cwd.Ok());
    DebugOutputCapture capture;
    ErrorReport report;
    report.SetFlags(0);
    report.Report("quiet");
    EXPECT_EQ(report.Composed(), "quiet");
    EXPECT_EQ(capture.Texts(), Texts{});
    EXPECT_EQ(Read("debug.txt"), "(missing)");
}

TEST_F(ErrorReportInTempDirectory, LogFileRouteAppendsTheComposedTexts)
{
    ASSERT_TRUE(cwd.Ok());
    DebugOutputCapture capture;
    ErrorReport report;
    report.SetFlags(ErrorReport::kToLogFile | ErrorReport::kWithExtra);
    report.SetExtra("E: ");
    report.Report("one");
    report.Report("二");
    EXPECT_EQ(Read("debug.txt"), "E: oneE: 二");
    EXPECT_EQ(capture.Texts(), Texts{}) << "the debugger route is off";

    report.SetLogFile("other.log");
    report.Report("three");
    EXPECT_EQ(Read("other.log"), "E: three");
    EXPECT_EQ(Read("debug.txt"), "E: oneE: 二");
}

TEST_F(ErrorReportInTempDirectory, BothRoutesGetTheSameText)
{
    ASSERT_TRUE(cwd.Ok());
    DebugOutputCapture capture;
    ErrorReport report;
    report.SetFlags(ErrorReport::kToDebugger | ErrorReport::kToLogFile | ErrorReport::kWithSourceFile);
    report.SetLogFile("no such folder\\debug.txt");
    report.ReportAt("f.cpp", 3, "lost in the file");
    report.SetLogFile("debug.txt");
    report.ReportAt("f.cpp", 3, "both");
    EXPECT_EQ(capture.Texts(), (Texts{"f.cpplost in the file", "f.cppboth"}));
    EXPECT_EQ(Read("debug.txt"), "f.cppboth");
}

} // namespace
