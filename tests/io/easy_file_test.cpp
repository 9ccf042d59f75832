#include "base/io/easy_file.h"

#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

namespace {

class EasyFileTest : public testing::Test {
protected:
    std::string MakeFile(const char* name, const std::string& bytes)
    {
        const std::string path = dir.File(name);
        EXPECT_TRUE(WriteWholeFile(path, bytes));
        return path;
    }
    std::string Contents(const std::string& path)
    {
        std::string bytes;
        return ReadWholeFile(path, bytes) ? bytes : "(missing)";
    }
    TempDir dir;
    EasyFile file;
};

TEST_F(EasyFileTest, ReadMovesUpToTheCountAndReversesOnlyWhatItRead)
{
    ASSERT_TRUE(file.OpenRead(MakeFile("digits", "0123456789")));
    const struct {
        int32_t position;
        int32_t count;
        bool reverse;
        int32_t result;
        const char* buffer; // 8 bytes, '.' where nothing was written
        int32_t positionAfter;
    } table[] = {
        {7, 8, false, 3, "789.....", 10},
        {7, 8, true, 3, "987.....", 10}, // reverses the 3 bytes read, not 8
        {0, 4, true, 4, "3210....", 4},
        {5, 1, true, 1, "5.......", 6},
        {2, 0, true, 0, "........", 2},
        {2, -5, false, 0, "........", 2}, // a negative count moves nothing
        {10, 4, false, 0, "........", 10},
    };
    for (const auto& row : table) {
        char buffer[9] = "........";
        ASSERT_EQ(file.SetPosition(row.position), row.position);
        EXPECT_EQ(file.Read(buffer, row.count, row.reverse), row.result) << "at " << row.position;
        EXPECT_STREQ(buffer, row.buffer) << "at " << row.position << " count " << row.count;
        EXPECT_EQ(file.Tell(), row.positionAfter) << "at " << row.position;
    }
    EXPECT_EQ(file.Read(nullptr, 4), 0) << "no buffer, nothing read";
    EXPECT_EQ(file.Tell(), 10);
}

TEST_F(EasyFileTest, PerCallOptionsComeBackAfterEachCall)
{
    ASSERT_TRUE(file.OpenRead(MakeFile("f", "abcdef")));
    char buffer[4] = {};
    file.Read(buffer, 4, true);
    EXPECT_FALSE(file.Reader().ReverseBytes().Get());

    file.Reader().ReverseBytes().Set(true);
    file.SetPosition(0);
    EXPECT_EQ(file.Read(buffer, 2, false), 2);
    EXPECT_EQ(std::string(buffer, 2), "ab") << "the call's own choice wins";
    EXPECT_TRUE(file.Reader().ReverseBytes().Get()) << "and the earlier value comes back";
    file.Reader().ReverseBytes().Set(false);

    EXPECT_EQ(file.Peek(buffer, 3, true), 3);
    EXPECT_EQ(std::string(buffer, 3), "edc");
    EXPECT_EQ(file.Tell(), 2) << "a peek leaves the position";
    EXPECT_FALSE(file.Reader().KeepPosition().Get());
    EXPECT_FALSE(file.Reader().ReverseBytes().Get());
}

TEST_F(EasyFileTest, KeepPositionReadsWithoutMoving)
{
    ASSERT_TRUE(file.OpenRead(MakeFile("f", "abcdef")));
    file.SetPosition(1);
    file.Reader().KeepPosition().Set(true);
    char buffer[3] = {};
    EXPECT_EQ(file.Read(buffer, 3), 3);
    EXPECT_EQ(file.Read(buffer, 3), 3);
    EXPECT_EQ(std::string(buffer, 3), "bcd");
    EXPECT_EQ(file.Tell(), 1);
}

TEST_F(EasyFileTest, WriteWithKeepExistingOverwritesFromTheStart)
{
    const std::string path = MakeFile("ten", "0123456789");
    ASSERT_TRUE(file.OpenWrite(path, true));
    EXPECT_EQ(file.GetSize(), 10);
    EXPECT_EQ(file.Tell(), 0);
    EXPECT_EQ(file.Write("abcd", 4), 4);
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(Contents(path), "abcd456789");
}

TEST_F(EasyFileTest, WriteWithoutKeepExistingEmptiesTheFile)
{
    const std::string path = MakeFile("ten", "0123456789");
    ASSERT_TRUE(file.OpenWrite(path, false));
    EXPECT_EQ(file.GetSize(), 0);
    file.Close();
    EXPECT_EQ(Contents(path), "");
}

TEST_F(EasyFileTest, ReversedWriteReachesTheFileAndSparesTheCallersBuffer)
{
    const std::string path = dir.File("out");
    ASSERT_TRUE(file.OpenWrite(path, false));
    char bytes[] = "1234";
    EXPECT_EQ(file.Write(bytes, 4, true), 4);
    EXPECT_STREQ(bytes, "1234");
    EXPECT_FALSE(file.Writer().ReverseBytes().Get());
    EXPECT_EQ(file.Write(bytes, 1, true), 1);
    EXPECT_EQ(file.Write(bytes, -1), 0) << "a negative count writes nothing";
    EXPECT_EQ(file.Write(bytes, 0, true), 0);
    EXPECT_EQ(file.WriteInt32(0x04030201), 4);
    const uint8_t block[16] = {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M', 'N', 'O', 'P'};
    EXPECT_EQ(file.WriteBlock16(block), 16);
    EXPECT_EQ(file.GetSize(), 25);
    file.Close();
    EXPECT_EQ(Contents(path), std::string("43211\x01\x02\x03\x04" "ABCDEFGHIJKLMNOP", 25));
}

TEST_F(EasyFileTest, SeeksFromEachOrigin)
{
    ASSERT_TRUE(file.OpenRead(MakeFile("f", "0123456789")));
    const struct {
        int origin;
        int32_t distance;
        int32_t result;
    } table[] = {
        {0, 3, 3}, {1, 2, 5}, {2, -1, 9}, {1, 0, 9}, {3, 0, -1}, {-1, 0, -1}, {0, -1, -1},
    };
    for (const auto& row : table)
        EXPECT_EQ(file.Seek(row.origin, row.distance), row.result) << row.origin << ", " << row.distance;
    EXPECT_EQ(file = 4, 4);
    EXPECT_EQ(file += 3, 7);
    EXPECT_EQ(file -= 2, 5);
    EXPECT_EQ(file.Retreat(std::numeric_limits<int32_t>::min()), -1);
    EXPECT_EQ(file.Tell(), 5) << "a refused move stays put";
    EXPECT_EQ(file.SeekEnd(0), 10);
    EXPECT_EQ(file.SeekBegin(1), 1);
    EXPECT_EQ(file.SeekCurrent(1), 2);
}

TEST_F(EasyFileTest, GetSizeLeavesThePosition)
{
    const std::string path = dir.File("grow");
    ASSERT_TRUE(file.OpenWrite(path, false));
    file.Write("abcdef", 6);
    file.SetPosition(2);
    EXPECT_EQ(file.GetSize("ignored"), 6);
    EXPECT_EQ(file.Tell(), 2);
    ASSERT_TRUE(file.OpenRead(path));
    file.SetPosition(3);
    EXPECT_EQ(file.GetSize(), 6);
    EXPECT_EQ(file.Tell(), 3);
}

TEST_F(EasyFileTest, WithoutTheRightHalfOpenEverythingFails)
{
    char buffer[4] = {};
    SYSTEMTIME local = {};
    FILETIME utc = {};
    const uint8_t block[16] = {};
    auto expectNoReader = [&](const char* state) {
        EXPECT_EQ(file.Read(buffer, 4), -1) << state;
        EXPECT_EQ(file.Peek(buffer, 4), -1) << state;
        EXPECT_FALSE(file.GetCreationTime(local)) << state;
        EXPECT_FALSE(file.GetLastAccessTime(local)) << state;
        EXPECT_FALSE(file.GetLastWriteFileTime(utc)) << state;
    };
    auto expectNoWriter = [&](const char* state) {
        EXPECT_EQ(file.Write(buffer, 4), -1) << state;
        EXPECT_EQ(file.WriteInt32(1), 0) << state;
        EXPECT_EQ(file.WriteBlock16(block), 0) << state;
        GetSystemTime(&local);
        EXPECT_FALSE(file.SetCreationTime(local)) << state;
        EXPECT_FALSE(file.SetLastWriteFileTime(utc)) << state;
        EXPECT_FALSE(file.SetTimes(&local, &local, &local)) << state;
    };

    expectNoReader("closed");
    expectNoWriter("closed");
    EXPECT_EQ(file.Seek(0, 0), -1);
    EXPECT_EQ(file.Tell(), -1);
    EXPECT_EQ(file.GetSize(), -1);
    EXPECT_EQ(file -= 1, -1);
    EXPECT_FALSE(file.Close());
    EXPECT_EQ(file.Mode(), EasyFile::kClosed);

    ASSERT_TRUE(file.OpenWrite(dir.File("w"), false));
    EXPECT_EQ(file.Mode(), EasyFile::kWriting);
    expectNoReader("writing");
    ASSERT_TRUE(file.OpenRead(dir.File("w")));
    EXPECT_EQ(file.Mode(), EasyFile::kReading);
    expectNoWriter("reading");
    EXPECT_TRUE(file.Close());
    EXPECT_FALSE(file.Close());
}

TEST_F(EasyFileTest, OptionalRefreshesAfterEachMove)
{
    ASSERT_TRUE(file.OpenWrite(dir.File("f"), false));
    file.Write("abc", 3);
    EXPECT_EQ(file.Writer().KeptSize(), 0) << "measured at opening only";
    EXPECT_EQ(file.Writer().Position().LastPosition(), 0);
    file.Writer().SetRefreshSize(true);
    file.Writer().SetReReadPosition(true);
    file.Write("de", 2);
    EXPECT_EQ(file.Writer().KeptSize(), 5);
    EXPECT_EQ(file.Writer().Position().LastPosition(), 5);

    ASSERT_TRUE(file.OpenRead(dir.File("f")));
    char buffer[2];
    file.Reader().SetReReadPosition(true);
    file.Read(buffer, 2);
    EXPECT_EQ(file.Reader().Position().LastPosition(), 2);
}

TEST_F(EasyFileTest, BareReaderAndWriter)
{
    EasyFileWriter writer;
    EXPECT_EQ(writer.Write("x", 1), 0);
    EXPECT_EQ(writer.GetSize(), -1);
    ASSERT_TRUE(writer.Open(dir.File("設定.dat"), false));
    EXPECT_EQ(writer.Write("日本", 4), 4);
    EXPECT_TRUE(writer.Close());
    EXPECT_FALSE(writer.IsOpen());

    EasyFileReader reader;
    char buffer[8] = {};
    EXPECT_EQ(reader.Read(buffer, 4), 0);
    EXPECT_FALSE(reader.Open(""));
    ASSERT_TRUE(reader.Open(dir.File("設定.dat")));
    EXPECT_EQ(reader.GetSize(), 4);
    EXPECT_EQ(reader.Read(buffer, 8), 4);
    EXPECT_STREQ(buffer, "日本");
}

} // namespace
