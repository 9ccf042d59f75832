// With the separator conversion off, the archive lookup compares names
// exactly as they are passed.
#include "base/io/pack_file.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/library_options_scope.h"
#include "tests/support/temp_dir.h"
#include "tools/pack_archive/archive_builder.h"

namespace {

TEST(PackFileUnconvertedNames, SlashesAreNotTurnedIntoBackslashes)
{
    LibraryOptionsScope unconverted({.convertPathSeparators = false, .windowMoveFlags = 0x05, .windowResizeFlags = 0x06});
    TempDir dir;
    const std::string path = dir.File("names.pac");
    std::string archive;
    std::string error;
    ASSERT_TRUE(BuildArchive({{"images\\a.bmz", "a"}, {"plain/b.bmz", "b"}}, false, archive, error)) << error;
    ASSERT_TRUE(WriteWholeFile(path, archive));
    PackFile pack;
    EXPECT_FALSE(pack.FindEntry(path, "images/a.bmz"));
    EXPECT_TRUE(pack.FindEntry(path, "IMAGES\\a.bmz"));
    EXPECT_TRUE(pack.FindEntry(path, "plain/B.bmz"));
}

} // namespace
