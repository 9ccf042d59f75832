#include "base/io/file_bool.h"
#include "base/io/file_seeker.h"

#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

TEST(FileBool, PushAndPopRestoreNestedValues)
{
    FileBool option;
    EXPECT_FALSE(option.Get());
    option.Push();
    option.Set(true);
    option.Push();
    option.Set(false);
    option.Pop();
    EXPECT_TRUE(option.Get());
    option.Pop();
    EXPECT_FALSE(option.Get());
}

TEST(FileBool, PopWithNothingSavedChangesNothing)
{
    FileBool option(true);
    option.Pop();
    EXPECT_TRUE(option.Get());
    StackReadWriteProperty<bool>& base = option;
    base.Set(false);
    base.Pop();
    EXPECT_FALSE(option.Get());
}

TEST(FileSeeker, UnboundSeeksGiveZeroAndPopWithNothingSavedStays)
{
    FileSeeker seeker;
    EXPECT_EQ(seeker.SeekBegin(5), 0);
    EXPECT_EQ(seeker.SeekEnd(0), 0);
    EXPECT_EQ(seeker -= 3, 0);
    EXPECT_EQ(seeker.RefreshSize(), 0);

    TempDir dir;
    ASSERT_TRUE(WriteWholeFile(dir.File("f"), "0123456789"));
    HANDLE file = CreateFileA(dir.File("f").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    seeker.SetHandle(file);
    EXPECT_EQ(seeker = 4, 4);
    seeker.PopPosition();
    EXPECT_EQ(seeker.Tell(), 4);
    seeker.PushPosition();
    seeker += 3;
    seeker.PushPosition();
    EXPECT_EQ(seeker.RefreshSize(), 10);
    EXPECT_EQ(seeker.Tell(), 7);
    seeker.SeekBegin(1);
    seeker.PopPosition();
    EXPECT_EQ(seeker.Tell(), 7);
    seeker.PopPosition();
    EXPECT_EQ(seeker.Tell(), 4);
    EXPECT_EQ(seeker.LastPosition(), 4);
    CloseHandle(file);
}

} // namespace
