#include "base/io/easy_file.h"

#include "tests/support/debug_output_capture.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

const char kReaderWarning[] = "EasyFile: (WARN)オープンしていた読み取りファイルが強制的に閉じられました";
const char kWriterWarning[] = "EasyFile: (WARN)オープンしていた書き込みファイルが強制的に閉じられました";

class EasyFileOpenTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(WriteWholeFile(existing, "0123456789")); }
    TempDir dir;
    const std::string existing = dir.File("existing");
    EasyFile file;
};

TEST_F(EasyFileOpenTest, OpeningOverAnOpenFileWarnsOnceAboutTheHalfItClosed)
{
    const struct {
        int openFirst; // 1 read, 2 write
        bool secondIsRead;
        bool secondSucceeds;
        const char* warning;
        int modeAfter;
    } table[] = {
        {2, true, true, kWriterWarning, EasyFile::kReading},
        {2, true, false, kWriterWarning, EasyFile::kClosed},
        {1, false, true, kReaderWarning, EasyFile::kWriting},
        {1, true, true, kReaderWarning, EasyFile::kReading},
        {2, false, true, kWriterWarning, EasyFile::kWriting},
    };
    for (const auto& row : table) {
        EasyFile twice;
        ASSERT_TRUE(row.openFirst == 1 ? twice.OpenRead(existing) : twice.OpenWrite(dir.File("w"), false));
        DebugOutputCapture capture;
        const std::string second = row.secondSucceeds ? existing : dir.File("missing\\x");
        EXPECT_EQ(row.secondIsRead ? twice.OpenRead(second) : twice.OpenWrite(second, true), row.secondSucceeds);
        EXPECT_EQ(capture.Texts(), Texts{row.warning}) << row.openFirst << " then " << row.secondIsRead;
        EXPECT_EQ(twice.Mode(), row.modeAfter);
    }
}

TEST_F(EasyFileOpenTest, OpeningAClosedFileOrFailingSaysNothing)
{
    DebugOutputCapture capture;
    EXPECT_FALSE(file.OpenRead(dir.File("missing")));
    EXPECT_FALSE(file.OpenRead(""));
    EXPECT_FALSE(file.OpenWrite("", false));
    EXPECT_FALSE(file.OpenWrite(dir.File("no folder\\f"), false));
    EXPECT_TRUE(file.OpenRead(existing));
    file.Close();
    EXPECT_TRUE(file.OpenWrite(dir.File("new"), true));
    EXPECT_EQ(capture.Texts(), Texts{});
}

TEST_F(EasyFileOpenTest, AnOpenFileIsNotSharedWithOtherOpeners)
{
    ASSERT_TRUE(file.OpenRead(existing));
    EasyFile other;
    EXPECT_FALSE(other.OpenRead(existing));
    EXPECT_FALSE(other.OpenWrite(existing, true));
    EXPECT_EQ(other.Mode(), EasyFile::kClosed);
    file.Close();
    EXPECT_TRUE(other.OpenRead(existing));
}

TEST_F(EasyFileOpenTest, SlashesAreTurnedIntoBackslashesBeforeTheSystemSeesThem)
{
    // In a "\\?\" name the system takes '/' as part of a file name, so this
    // only opens when the slash was converted first.
    ASSERT_TRUE(CreateDirectoryA(dir.File("sub").c_str(), nullptr));
    ASSERT_TRUE(WriteWholeFile(dir.File("sub\\f.txt"), "sub file"));
    const std::string slashed = "\\\\?\\" + dir.Path() + "/sub/f.txt";
    ASSERT_TRUE(file.OpenRead(slashed));
    char buffer[8] = {};
    EXPECT_EQ(file.Read(buffer, 8), 8);
    EXPECT_EQ(std::string(buffer, 8), "sub file");
    ASSERT_TRUE(file.OpenWrite(slashed, true));
    file.Write("SUB", 3);
    file.Close();
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(dir.File("sub\\f.txt"), bytes));
    EXPECT_EQ(bytes, "SUB file");
}

} // namespace
