#include "base/io/easy_file.h"
#include "base/io/file_finder.h"

#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class FileFinderTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"a.bin", "b.bin", "c.txt"})
            ASSERT_TRUE(WriteWholeFile(dir.File(name), "x"));
    }
    TempDir dir;
};

TEST_F(FileFinderTest, WalksEveryMatchThenReportsTheEnd)
{
    FileFinder finder;
    std::vector<std::string> names;
    for (bool more = finder.First(dir.Path() + "/*.bin"); more; more = finder.Next())
        names.push_back(finder.Data().cFileName);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a.bin", "b.bin"}));
    EXPECT_TRUE(finder.AtEnd());
    EXPECT_FALSE(finder.Next());
    finder.Close();
    finder.Close();
    EXPECT_FALSE(finder.Next()) << "no search, no match";
}

TEST_F(FileFinderTest, NoMatchIsAtTheEnd)
{
    FileFinder finder;
    EXPECT_FALSE(finder.First(dir.File("*.none")));
    EXPECT_TRUE(finder.AtEnd());
    EXPECT_TRUE(finder.First(dir.File("c.txt"))) << "a new search after a failed one";
    EXPECT_FALSE(finder.AtEnd());
}

TEST_F(FileFinderTest, ExistsJoinsDirectoryAndNameAsGiven)
{
    ASSERT_TRUE(CreateDirectoryA(dir.File("sub").c_str(), nullptr));
    ASSERT_TRUE(WriteWholeFile(dir.File("subf.txt"), "x"));
    const std::string sub = dir.File("sub");
    const struct {
        std::string directory;
        const char* name;
        bool exists;
    } table[] = {
        {dir.Path() + "\\", "c.txt", true},
        {dir.Path() + "/", "c.txt", true},
        {dir.Path(), "c.txt", false},   // no separator added...
        {sub, "f.txt", true},           // ...so this finds "subf.txt" beside "sub"
        {sub + "\\", "f.txt", false},
        {dir.Path() + "\\", "*.bin", true},
        {dir.Path() + "\\", "sub", true},
        {dir.Path() + "\\", "missing", false},
    };
    for (const auto& row : table)
        EXPECT_EQ(EasyFile::Exists(row.directory, row.name), row.exists) << row.directory << " + " << row.name;
}

} // namespace
