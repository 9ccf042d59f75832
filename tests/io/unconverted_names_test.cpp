// The editions that pass file names to the system unchanged: this program
// links its own library options in place of the reference edition's.

#include "base/io/easy_file.h"
#include "base/io/native_path.h"
#include "base/util/library_options.h"

#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

const LibraryOptionsTable& LibraryOptions()
{
    static const LibraryOptionsTable options = [] {
        LibraryOptionsTable table;
        table.convertPathSeparators = false;
        return table;
    }();
    return options;
}

namespace {

TEST(UnconvertedNames, SlashesReachTheSystemAsWritten)
{
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
