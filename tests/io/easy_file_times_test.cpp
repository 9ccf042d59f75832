#include "base/io/easy_file.h"

#include "tests/io/file_time_ticks.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

const uint64_t kSecond = 10000000;
const uint64_t kYear2001 = 126227808000000000ull; // 2001-01-01 00:00 UTC

SYSTEMTIME Local(WORD year, WORD month, WORD day, WORD hour)
{
    return SYSTEMTIME{year, month, 0, day, hour, 0, 0, 0};
}

uint64_t UtcTicksOfLocal(const SYSTEMTIME& local)
{
    FILETIME localTicks = {}, utc = {};
    SystemTimeToFileTime(&local, &localTicks);
    LocalFileTimeToFileTime(&localTicks, &utc);
    return TicksOf(utc);
}

// The stored last-access and last-write times of a file (UTC ticks). Wine
// keeps no creation time of its own on this file system (it reports the
// last-write time), so the creation time is checked only by what it leaves.
struct Times {
    uint64_t lastAccess, lastWrite;
    bool operator==(const Times& other) const
    {
        return lastAccess == other.lastAccess && lastWrite == other.lastWrite;
    }
};

void PrintTo(const Times& t, std::ostream* out)
{
    *out << "{access " << t.lastAccess << ", write " << t.lastWrite << "}";
}

const Times kInitial = {kYear2001 + kSecond, kYear2001 + 2 * kSecond};

class EasyFileTimesTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(file.OpenWrite(path, false));
        ASSERT_EQ(file.Write("data", 4), 4);
        ASSERT_TRUE(file.SetCreationFileTime(Ticks(kYear2001)));
        ASSERT_TRUE(file.SetLastAccessFileTime(Ticks(kInitial.lastAccess)));
        ASSERT_TRUE(file.SetLastWriteFileTime(Ticks(kInitial.lastWrite)));
        file.Close();
    }

    Times Stored()
    {
        EasyFile reader;
        FILETIME a = {}, w = {};
        EXPECT_TRUE(reader.OpenRead(path));
        EXPECT_TRUE(reader.GetLastAccessFileTime(a));
        EXPECT_TRUE(reader.GetLastWriteFileTime(w));
        return {TicksOf(a), TicksOf(w)};
    }

    TempDir dir;
    const std::string path = dir.File("timed");
    EasyFile file;
};

TEST_F(EasyFileTimesTest, EachSetterChangesOnlyItsOwnTime)
{
    EXPECT_EQ(Stored(), kInitial);
    const SYSTEMTIME local = Local(2010, 6, 15, 9);
    const uint64_t utc = UtcTicksOfLocal(local);
    const struct {
        bool (EasyFile::*set)(const SYSTEMTIME&);
        Times expected;
    } table[] = {
        {&EasyFile::SetCreationTime, kInitial},
        {&EasyFile::SetLastAccessTime, {utc, kInitial.lastWrite}},
        {&EasyFile::SetLastWriteTime, {kInitial.lastAccess, utc}},
    };
    for (const auto& row : table) {
        SetUp();
        ASSERT_TRUE(file.OpenWrite(path, true));
        EXPECT_TRUE((file.*row.set)(local));
        file.Close();
        EXPECT_EQ(Stored(), row.expected);
    }
}

TEST_F(EasyFileTimesTest, GettersGiveLocalCalendarTimeOrRawUtc)
{
    ASSERT_TRUE(file.OpenWrite(path, true));
    ASSERT_TRUE(file.SetLastWriteTime(Local(2015, 3, 4, 5)));
    file.Close();
    ASSERT_TRUE(file.OpenRead(path));
    SYSTEMTIME local = {};
    ASSERT_TRUE(file.GetLastWriteTime(local));
    EXPECT_EQ(local.wYear, 2015);
    EXPECT_EQ(local.wMonth, 3);
    EXPECT_EQ(local.wDay, 4);
    EXPECT_EQ(local.wHour, 5);
    FILETIME utc = {};
    ASSERT_TRUE(file.GetLastWriteFileTime(utc));
    EXPECT_EQ(TicksOf(utc), UtcTicksOfLocal(local));
    EXPECT_TRUE(file.Reader().LastWriteTime().CachedFileTime().Equal(FileTime(utc)));

    ASSERT_TRUE(file.GetCreationTime(local));
    ASSERT_TRUE(file.GetCreationFileTime(utc));
    EXPECT_EQ(TicksOf(utc), UtcTicksOfLocal(local));
}

TEST_F(EasyFileTimesTest, SeveralTimesAtOnceLandInTheirOwnPlaces)
{
    const SYSTEMTIME creation = Local(2003, 1, 2, 3), lastAccess = Local(2004, 5, 6, 7),
                     lastWrite = Local(2005, 8, 9, 10);
    ASSERT_TRUE(file.OpenWrite(path, true));
    EXPECT_TRUE(file.SetTimes(&creation, &lastAccess, &lastWrite));
    file.Close();
    EXPECT_EQ(Stored(), (Times{UtcTicksOfLocal(lastAccess), UtcTicksOfLocal(lastWrite)}));

    ASSERT_TRUE(file.OpenWrite(path, true));
    EXPECT_TRUE(file.SetTimes(nullptr, nullptr, &creation));
    file.Close();
    EXPECT_EQ(Stored(), (Times{UtcTicksOfLocal(lastAccess), UtcTicksOfLocal(creation)}));
}

TEST_F(EasyFileTimesTest, ATimeThatDoesNotConvertIsRefusedAndChangesNothing)
{
    const SYSTEMTIME badMonth = Local(2010, 13, 1, 0), good = Local(2010, 1, 1, 0);
    ASSERT_TRUE(file.OpenWrite(path, true));
    EXPECT_FALSE(file.SetLastWriteTime(badMonth));
    EXPECT_FALSE(file.SetTimes(&good, &good, &badMonth));
    file.Close();
    EXPECT_EQ(Stored(), kInitial);
}

} // namespace
