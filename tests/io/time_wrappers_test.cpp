#include "base/util/time_wrappers.h"

#include "tests/io/file_time_ticks.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

SYSTEMTIME Date(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second, WORD ms,
                WORD dayOfWeek = 0)
{
    return SYSTEMTIME{year, month, dayOfWeek, day, hour, minute, second, ms};
}

const uint64_t kUnixEpochTicks = 116444736000000000ull; // 1970-01-01 00:00 in FILETIME ticks

TEST(FileTime, ComparesAsOneSixtyFourBitCount)
{
    const struct {
        uint64_t a, b;
        bool less, equal, greater;
    } table[] = {
        {1, 2, true, false, false},
        {2, 1, false, false, true},
        {5, 5, false, true, false},
        {0xFFFFFFFFull, 0x100000000ull, true, false, false}, // the high word counts first
        {0x100000001ull, 0x1FFFFFFFFull, true, false, false},
    };
    for (const auto& row : table) {
        const FileTime a(Ticks(row.a)), b(Ticks(row.b));
        EXPECT_EQ(a.Less(b), row.less) << row.a << " " << row.b;
        EXPECT_EQ(a.Equal(b), row.equal) << row.a << " " << row.b;
        EXPECT_EQ(a.Greater(b), row.greater) << row.a << " " << row.b;
    }
    EXPECT_EQ(TicksOf(FileTime().Value()), 0u) << "a new value is zero";
}

TEST(SystemTime, ComparesThroughFileTime)
{
    const SYSTEMTIME zero = {};
    const struct {
        SYSTEMTIME a, b;
        bool less, equal, greater;
    } table[] = {
        {zero, zero, false, true, false}, // neither converts: both count as 0
        {Date(2024, 2, 29, 13, 0, 0, 0, 4), Date(2024, 2, 29, 13, 0, 0, 0, 1), false, true, false}, // day of week
        {Date(2024, 2, 29, 13, 0, 0, 1), Date(2024, 2, 29, 13, 0, 0, 2), true, false, false},       // milliseconds
        {Date(2024, 1, 1, 0, 0, 0, 0), Date(2023, 12, 31, 23, 59, 59, 999), false, false, true},
        {Date(2024, 13, 1, 0, 0, 0, 0), Date(1601, 1, 1, 0, 0, 0, 1), true, false, false}, // month 13 is 0
    };
    for (const auto& row : table) {
        const SystemTime a(row.a), b(row.b);
        EXPECT_EQ(a.Less(b), row.less) << row.a.wYear << "-" << row.a.wMonth;
        EXPECT_EQ(a.Equal(b), row.equal) << row.a.wYear << "-" << row.a.wMonth;
        EXPECT_EQ(a.Greater(b), row.greater) << row.a.wYear << "-" << row.a.wMonth;
    }
}

TEST(TimeWrappers, ConvertBetweenCalendarAndTicks)
{
    SystemTime epoch(Date(1970, 1, 1, 0, 0, 0, 0));
    EXPECT_EQ(TicksOf(epoch.ToFileTime()), kUnixEpochTicks);
    FILETIME filled = Ticks(99);
    epoch.ToFileTime(filled);
    EXPECT_EQ(TicksOf(filled), kUnixEpochTicks);

    FileTime ticks;
    ticks.AssignFromSystemTime(Date(2024, 2, 29, 13, 45, 30, 250));
    SystemTime back;
    back.AssignFromFileTime(ticks.Value());
    const SYSTEMTIME& b = back.Value();
    EXPECT_EQ(b.wYear, 2024);
    EXPECT_EQ(b.wMonth, 2);
    EXPECT_EQ(b.wDay, 29);
    EXPECT_EQ(b.wDayOfWeek, 4) << "the system fills in the day of the week";
    EXPECT_EQ(b.wHour, 13);
    EXPECT_EQ(b.wMinute, 45);
    EXPECT_EQ(b.wSecond, 30);
    EXPECT_EQ(b.wMilliseconds, 250);
}

TEST(TimeWrappers, RefusedConversionsGiveZero)
{
    FileTime ticks(Ticks(5));
    ticks.AssignFromSystemTime(Date(2024, 13, 40, 0, 0, 0, 0));
    EXPECT_EQ(TicksOf(ticks.Value()), 0u);

    const FileTime tooLate(Ticks(0x8000000000000000ull));
    const SYSTEMTIME refused = tooLate.ToSystemTime();
    EXPECT_EQ(refused.wYear, 0);
    EXPECT_EQ(refused.wMonth, 0);
    EXPECT_EQ(refused.wDay, 0);
    SystemTime assigned(Date(2000, 1, 1, 0, 0, 0, 0));
    assigned.AssignFromFileTime(tooLate.Value());
    EXPECT_EQ(assigned.Value().wYear, 0);
}

TEST(TimeWrappers, LocalAndUtcConversionsAreInverse)
{
    const FileTime utc(Ticks(kUnixEpochTicks + 1234567890123ull));
    const FileTime local = utc.UtcToLocal();
    EXPECT_TRUE(local.LocalToUtc().Equal(utc));

    FileTime viaAssign;
    viaAssign.AssignLocalFromUtc(utc.Value());
    EXPECT_TRUE(viaAssign.Equal(local));
    viaAssign.AssignUtcFromLocal(local.Value());
    EXPECT_TRUE(viaAssign.Equal(utc));

    FileTime filled;
    utc.UtcToLocal(filled);
    EXPECT_TRUE(filled.Equal(local));
    local.LocalToUtc(filled);
    EXPECT_TRUE(filled.Equal(utc));
}

TEST(SystemTime, NowAndLocalNowReadTheClock)
{
    SYSTEMTIME systemBefore, localBefore;
    GetSystemTime(&systemBefore);
    GetLocalTime(&localBefore);
    SystemTime now, localNow;
    now.Now();
    localNow.LocalNow();
    const uint64_t nowTicks = TicksOf(now.ToFileTime());
    const uint64_t localTicks = TicksOf(localNow.ToFileTime());
    auto soonAfter = [](uint64_t later, uint64_t earlier) { return later >= earlier && later - earlier < 20000000; };
    EXPECT_TRUE(soonAfter(nowTicks, TicksOf(SystemTime(systemBefore).ToFileTime())));
    EXPECT_TRUE(soonAfter(localTicks, TicksOf(SystemTime(localBefore).ToFileTime())));
    // Local time is UTC shifted by the zone, as the file-time conversion says.
    EXPECT_TRUE(soonAfter(localTicks + 10000000, TicksOf(FileTime(now.ToFileTime()).UtcToLocal().Value())));
}

} // namespace
