// A program that passes file names to the system unchanged.

#include "base/io/easy_file.h"
#include "base/io/native_path.h"
#include "base/util/library_options.h"

#include "tests/support/library_options_scope.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

const LibraryOptionsTable kUnconverted = {
    .convertPathSeparators = false,
    .windowMoveFlags = 0x05,
    .windowResizeFlags = 0x06,
};

TEST(UnconvertedNames, SlashesReachTheSystemAsWritten)
{
    LibraryOptionsScope unconverted(kUnconverted);
    EXPECT_EQ(ToNativePath("a/b"), "a/b");

    TempDir dir;
    ASSERT_TRUE(CreateDirectoryA(dir.File("sub").c_str(), nullptr));
    ASSERT_TRUE(WriteWholeFile(dir.File("sub\\f.txt"), "x"));
    // In a "\\?\" name the system takes '/' as part of a file name.
    EasyFile file;
    EXPECT_FALSE(file.OpenRead("\\\\?\\" + dir.Path() + "/sub/f.txt"));
    EXPECT_TRUE(file.OpenRead("\\\\?\\" + dir.Path() + "\\sub\\f.txt"));
}

} // namespace
