#include "base/util/rect.h"

#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

// Three overlapping entries and one apart:
//   0: (0, 0, 10, 10)   1: (5, 5, 20, 20)   2: (5, 5, 20, 20)   3: (100, 100, 110, 110)
RectList FourEntries()
{
    RectList list;
    list.Add(0, 0, 10, 10);
    list.Add(5, 5, 20, 20);
    list.Add(5, 5, 20, 20);
    list.Add(100, 100, 110, 110);
    return list;
}

std::string Flags(const RectList& list)
{
    std::string flags;
    for (int32_t i = 0; i < list.Count(); ++i)
        flags += list.IsEnabled(i) ? '1' : '0';
    return flags;
}

TEST(RectList, EntriesKeepTheirOrderAndRangeIsChecked)
{
    RectList list = FourEntries();
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(Flags(list), "1111") << "added entries are enabled";
    ASSERT_NE(list.At(3), nullptr);
    EXPECT_EQ(list.At(3)->ToString(), "{ 100 100 110 110 }");

    Rect out(1, 1, 1, 1);
    EXPECT_TRUE(list.GetRect(1, &out));
    EXPECT_EQ(out.ToString(), "{ 5 5 20 20 }");
    EXPECT_FALSE(list.GetRect(1, nullptr));
    EXPECT_TRUE(list.SetRect(1, -1, -2, 3, 4));
    list.GetRectOr0(out, 1);
    EXPECT_EQ(out.ToString(), "{ -1 -2 3 4 }");

    for (int32_t bad : {-1, 4, INT32_MIN, INT32_MAX}) {
        EXPECT_FALSE(list.IsIndex(bad));
        EXPECT_EQ(list.At(bad), nullptr);
        Rect untouched(7, 7, 7, 7);
        EXPECT_FALSE(list.GetRect(bad, &untouched));
        EXPECT_EQ(untouched.ToString(), "{ 7 7 7 7 }");
        list.GetRectOr0(untouched, bad);
        EXPECT_EQ(untouched.ToString(), "{ 0 0 0 0 }");
        EXPECT_FALSE(list.SetRect(bad, 0, 0, 1, 1));
        EXPECT_FALSE(list.IsEnabled(bad));
    }
    EXPECT_EQ(list.Count(), 4);

    EXPECT_TRUE(list.Reserve(100));
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.At(0), nullptr);
}

TEST(RectList, SetEnabledRanges)
{
    const struct {
        int32_t first, end;
        const char* flagsAfterDisabling;
    } cases[] = {
        {-1, -1, "0000"}, // every entry
        {2, -1, "1101"},  // only entry 2
        {1, 3, "1001"},   // [1, 3)
        {-5, 2, "0011"},  // a negative first counts from 0
        {2, 99, "1100"},  // end cut to the count
        {4, -1, "1111"},  // one past the end: nothing
        {3, 1, "1111"},   // empty range
    };
    for (const auto& c : cases) {
        RectList list = FourEntries();
        EXPECT_TRUE(list.SetEnabled(c.first, c.end, false));
        EXPECT_EQ(Flags(list), c.flagsAfterDisabling) << c.first << ", " << c.end;
        EXPECT_TRUE(list.SetEnabled(c.first, c.end, true));
        EXPECT_EQ(Flags(list), "1111") << c.first << ", " << c.end;
    }
}

TEST(RectList, HitTestFindsTheFirstEnabledEntry)
{
    RectList list = FourEntries();
    const struct {
        int32_t x, y, index;
    } cases[] = {{0, 0, 0}, {7, 7, 0}, {10, 10, 1}, {19, 19, 1}, {20, 20, -1}, {105, 100, 3}, {50, 50, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(list.HitTest(c.x, c.y), c.index) << c.x << "," << c.y;

    list.SetEnabled(0, 2, false);
    EXPECT_EQ(list.HitTest(7, 7), 2) << "disabled entries are passed over";
    list.SetEnabled(-1, -1, false);
    EXPECT_EQ(list.HitTest(7, 7), -1);
    EXPECT_EQ(list.HitTest(105, 105), -1);
    EXPECT_EQ(RectList().HitTest(0, 0), -1);
}

TEST(RectList, SaveWritesTheCountAndTheRectsLittleEndian)
{
    TempDir dir;
    RectList list;
    list.Add(1, 2, 3, 4);
    list.Add(-1, 0x100, 0x7FFFFFFF, INT32_MIN);
    list.SetEnabled(0, -1, false); // flags are not stored

    // Forward slashes and a name with 0x5C trail bytes both reach the file.
    const std::string path = dir.Path() + "/表ソ.rct";
    ASSERT_TRUE(list.Save(path));
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(dir.File("表ソ.rct"), bytes));
    const std::string expected("\x02\x00\x00\x00"
                               "\x01\x00\x00\x00\x02\x00\x00\x00\x03\x00\x00\x00\x04\x00\x00\x00"
                               "\xFF\xFF\xFF\xFF\x00\x01\x00\x00\xFF\xFF\xFF\x7F\x00\x00\x00\x80",
                               36);
    EXPECT_EQ(bytes, expected);

    // Saving again replaces the file.
    RectList one;
    one.Add(9, 9, 9, 9);
    ASSERT_TRUE(one.Save(path));
    ASSERT_TRUE(ReadWholeFile(dir.File("表ソ.rct"), bytes));
    EXPECT_EQ(bytes.size(), 20u);
}

TEST(RectList, SaveRefusesAnEmptyListAndAPathThatDoesNotOpen)
{
    TempDir dir;
    std::string bytes;
    EXPECT_FALSE(RectList().Save(dir.File("empty.rct")));
    EXPECT_FALSE(ReadWholeFile(dir.File("empty.rct"), bytes)) << "no file is made for an empty list";

    RectList list;
    list.Add(0, 0, 1, 1);
    EXPECT_FALSE(list.Save(dir.File("missing\\folder.rct")));
    EXPECT_FALSE(list.Save(""));
}

} // namespace
