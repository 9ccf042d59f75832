// Message boxes of the diagnostics: the fatal-error box and the reporter's
// box routes. The process-ending paths run in a child process, which reads
// its own box with a MessageBoxWatcher and writes what it saw to its output
// from an atexit handler (exit runs those, so this also shows that it does).

#include "base/diag/debug_output.h"
#include "base/diag/error_report.h"

#include "tests/support/child_boxes.h"
#include "tests/support/child_process.h"
#include "tests/support/message_box_watcher.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string Variable(const char* name)
{
    char value[4096] = {};
    GetEnvironmentVariableA(name, value, sizeof value);
    return value;
}

// The source path comes from the parent through the environment (ASCII
// only: Wine cuts double-byte texts passed that way).
TEST_CHILD(FatalErrorChild)
{
    WatchBoxesUntilExit();
    FatalError("初期化されていません", Variable("FATAL_SOURCE").c_str(), 120);
}

TEST_CHILD(FatalErrorLongMessageChild)
{
    WatchBoxesUntilExit();
    FatalError(std::string(2000, 'm').c_str(), "a.cpp", 120);
}

std::string FatalText(const std::string& fileName, const std::string& message)
{
    return "復帰できないエラーが出ました。\nＯＫを押すとプログラムを終了します。\nファイル名: " + fileName +
           "\n行数: 120\n" + message;
}

TEST(FatalError, ShowsTheFileNameLineAndMessageThenExitsWithMinusOne)
{
    ASSERT_EQ(GetACP(), 932u);
    const struct {
        const char* source;
        const char* shownName;
    } table[] = {
        {"C:\\work\\base\\graphics\\cEffect.cpp", "cEffect.cpp"},
        {"cEffect.cpp", "cEffect.cpp"},
        {"base/graphics/cEffect.cpp", "base/graphics/cEffect.cpp"}, // only a backslash separates
        {"C:\\work\\", ""},
    };
    for (const auto& row : table) {
        SetEnvironmentVariableA("FATAL_SOURCE", row.source);
        const ChildResult child = RunChild("FatalErrorChild");
        ASSERT_TRUE(child.started);
        EXPECT_FALSE(child.timedOut);
        EXPECT_EQ(child.exitCode, 0xFFFFFFFFu) << row.source;
        EXPECT_EQ(BoxesIn(child.output),
                  std::vector<std::string>{"致命的なエラー|" + FatalText(row.shownName, "初期化されていません")})
            << child.output;
    }
}

TEST(FatalError, AnOverlongMessageIsCutToTheBoxTextLimit)
{
    const ChildResult child = RunChild("FatalErrorLongMessageChild");
    EXPECT_EQ(child.exitCode, 0xFFFFFFFFu);
    const std::string start = FatalText("a.cpp", "");
    ASSERT_LT(start.size(), 515u);
    EXPECT_EQ(BoxesIn(child.output),
              std::vector<std::string>{"致命的なエラー|" + start + std::string(515 - start.size(), 'm')});
}

TEST_CHILD(FatalReportChild)
{
    WatchBoxesUntilExit();
    ErrorReport& report = ErrorReport::Instance();
    report.SetFlags(ErrorReport::kToFatalBox | ErrorReport::kToBox | ErrorReport::kWithLine);
    report.SetCaption("報告");
    report.ReportAt("r.cpp", 5, "stop");
    WriteRaw("returned");
    return 0;
}

TEST(ErrorReport, FatalBoxRouteShowsOneBoxAndExitsWithMinusOne)
{
    const ChildResult child = RunChild("FatalReportChild");
    EXPECT_EQ(child.exitCode, 0xFFFFFFFFu);
    EXPECT_EQ(BoxesIn(child.output), std::vector<std::string>{"報告|(5)stop"});
    EXPECT_EQ(child.output.find("returned"), std::string::npos);
}

TEST(ErrorReport, BoxRouteShowsTheComposedTextAndReturns)
{
    MessageBoxWatcher watcher;
    ErrorReport report;
    report.SetFlags(ErrorReport::kToBox | ErrorReport::kWithSourceFile);
    report.SetCaption("キャプション");
    report.ReportAt("s.cpp", 9, "見える %d", 1);
    ASSERT_TRUE(watcher.WaitFor(1));
    ASSERT_EQ(watcher.Boxes().size(), 1u);
    EXPECT_EQ(watcher.Boxes()[0].caption, "キャプション");
    EXPECT_EQ(watcher.Boxes()[0].text, "s.cpp見える 1");
}

} // namespace
