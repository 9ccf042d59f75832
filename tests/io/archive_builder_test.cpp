#include "tools/pack_archive/archive_builder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/io/pack_file.h"
#include "tests/io/archive_fixtures.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(ArchiveBuilder, PacksWhatShrinksAndStoresTheRestPlain)
{
    TempDir dir;
    const std::string path = dir.File("built.pac");
    const std::vector<ArchiveItem> items = {
        {"text\\a.ttp", Pattern(2000, 1)},
        {"noise.wav", Noise(50000, 2)},
        {"empty", ""},
    };
    std::string archive;
    std::string error;
    ASSERT_TRUE(BuildArchive(items, true, archive, error)) << error;
    ASSERT_TRUE(WriteWholeFile(path, archive));
    for (const ArchiveItem& item : items) {
        SCOPED_TRACE(item.name);
        PackFile pack;
        ASSERT_TRUE(pack.LoadByName(path, item.name, false));
        const std::string stored(reinterpret_cast<const char*>(pack.Data()), pack.LoadedSize());
        EXPECT_EQ(stored.compare(0, 4, "ZLC3") == 0, item.name != "noise.wav");
        ASSERT_TRUE(pack.LoadByName(path, item.name, true));
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(pack.Data()), pack.LoadedSize()), item.bytes);
    }
}

TEST(ArchiveBuilder, NamesMustFitTheirField)
{
    std::string archive;
    std::string error;
    EXPECT_TRUE(BuildArchive({{std::string(55, 'a'), "x"}}, false, archive, error));
    EXPECT_FALSE(BuildArchive({{std::string(56, 'a'), "x"}}, false, archive, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(BuildArchive({{"", "x"}}, false, archive, error));
}

TEST(ArchiveBuilder, FolderFilesAreNamedByTheirPathInNameOrder)
{
    TempDir dir;
    ASSERT_TRUE(CreateDirectoryA(dir.File("sub").c_str(), nullptr));
    ASSERT_TRUE(WriteWholeFile(dir.File("sub\\b.txt"), "B"));
    ASSERT_TRUE(WriteWholeFile(dir.File("c.txt"), "C"));
    ASSERT_TRUE(WriteWholeFile(dir.File("a.txt"), ""));
    std::vector<ArchiveItem> items;
    std::string error;
    ASSERT_TRUE(CollectFolder(dir.Path(), items, error)) << error;
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].name, "a.txt");
    EXPECT_EQ(items[1].name, "c.txt");
    EXPECT_EQ(items[2].name, "sub\\b.txt");
    EXPECT_EQ(items[2].bytes, "B");
    EXPECT_FALSE(CollectFolder(dir.File("missing"), items, error));
}

} // namespace
