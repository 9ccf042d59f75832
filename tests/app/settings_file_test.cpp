#include "app/settings_layout.h"
#include "app/program.h"
#include "app/settings_record.h"
#include "editions/quenna/quenna_edition.h"

#include "tests/app/settings_test_support.h"
#include "tests/support/documents_folder_lock.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstdlib>
#include <string>

namespace {

// setting.dat of the reference edition.
class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override { AdoptEdition(QuennaEdition()); }
};

bool FolderExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

struct Loaded {
    bool ok;
    SettingsRecord record;
    int32_t x = 111;
    int32_t y = 222;
};

Loaded LoadFrom(const std::string& path)
{
    Loaded loaded{};
    loaded.record.path = path;
    loaded.ok = loaded.record.Load(loaded.x, loaded.y);
    return loaded;
}

TEST_F(SettingsFile, SavesAFullFileThatLoadsBack)
{
    TempDir folder;
    SettingsRecord record = DistinctSettings();
    record.path = folder.File("setting.dat");
    ASSERT_TRUE(SaveSettings(record, -300, 2000));
    std::string first;
    ASSERT_TRUE(ReadWholeFile(record.path, first));
    EXPECT_EQ(first.size(), kSettingsFileSize);

    // Saving again draws new filler over the same values.
    ASSERT_TRUE(SaveSettings(record, -300, 2000));
    std::string second;
    ASSERT_TRUE(ReadWholeFile(record.path, second));
    EXPECT_EQ(second.size(), kSettingsFileSize);
    EXPECT_NE(first, second);

    const Loaded loaded = LoadFrom(record.path);
    EXPECT_TRUE(loaded.ok);
    ExpectSameStoredFields(loaded.record, record);
    EXPECT_EQ(loaded.x, -300);
    EXPECT_EQ(loaded.y, 2000);
}

TEST_F(SettingsFile, CarriesTheReservedBytesFromFileToFile)
{
    TempDir folder;
    SettingsRecord stored;
    for (size_t i = 0; i < stored.reserved.size(); ++i)
        stored.reserved[i] = static_cast<uint8_t>(0xF0 - 3 * i);
    const std::vector<uint8_t> block =
        EncodeSettings(stored, 1, 2, QuennaEdition().settings.stringOffsets, [] { return std::rand(); });
    ASSERT_TRUE(WriteWholeFile(folder.File("old.dat"), std::string(block.begin(), block.end())));

    Loaded loaded = LoadFrom(folder.File("old.dat"));
    ASSERT_TRUE(loaded.ok);
    loaded.record.path = folder.File("new.dat");
    ASSERT_TRUE(SaveSettings(loaded.record, loaded.x, loaded.y));
    std::string written;
    ASSERT_TRUE(ReadWholeFile(loaded.record.path, written));
    ASSERT_EQ(written.size(), kSettingsFileSize);
    EXPECT_EQ(written.substr(17, 16), std::string(block.begin() + 17, block.begin() + 33));
}

TEST_F(SettingsFile, AMissingFolderOrFileLeavesTheDefaultsAndCreatesNothing)
{
    TempDir folder;
    const std::string missingFolder = folder.File("absent");
    for (const std::string& path : {missingFolder + "\\setting.dat", folder.File("setting.dat"), std::string()}) {
        SCOPED_TRACE(path);
        const Loaded loaded = LoadFrom(path);
        EXPECT_FALSE(loaded.ok);
        ExpectSameStoredFields(loaded.record, SettingsRecord{});
        EXPECT_EQ(loaded.x, 111);
        EXPECT_EQ(loaded.y, 222);
    }
    SettingsRecord record = DistinctSettings();
    record.path = missingFolder + "\\setting.dat";
    EXPECT_FALSE(SaveSettings(record, 0, 0));
    EXPECT_FALSE(FolderExists(missingFolder));
}

TEST_F(SettingsFile, AShortFileGivesOnlyWhatItHolds)
{
    // 40 bytes hold the window position and the flags but not the port, and
    // a reader that decoded its whole buffer would take a port of 0.
    TempDir folder;
    const std::vector<uint8_t> block = EncodeSettings(DistinctSettings(), 7, 8, QuennaEdition().settings.stringOffsets,
                                                      [] { return std::rand(); });
    ASSERT_TRUE(WriteWholeFile(folder.File("setting.dat"), std::string(block.begin(), block.begin() + 40)));
    const Loaded loaded = LoadFrom(folder.File("setting.dat"));
    EXPECT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.x, 7);
    EXPECT_EQ(loaded.y, 8);
    EXPECT_EQ(loaded.record.mailCheckOn, true);
    EXPECT_EQ(loaded.record.port, 110);
    EXPECT_EQ(loaded.record.server, "");
}

// The real path, in the documents folder of the test's own Wine home.
TEST_F(SettingsFile, UsesTheEditionFolderOnlyWhenItExists)
{
    DocumentsFolderLock lock;
    char documents[MAX_PATH] = {};
    ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, documents, CSIDL_PERSONAL, FALSE));
    const std::string maker = std::string(documents) + "\\Quillmarsh";
    ASSERT_FALSE(FolderExists(maker)) << "refusing to touch an existing " << maker;

    SettingsRecord record = InitSettings();
    record.server = "mail.example.jp";
    int32_t x = 5, y = 6;
    EXPECT_FALSE(record.Load(x, y));
    EXPECT_FALSE(SaveSettings(record, 10, 20));
    EXPECT_FALSE(FolderExists(maker)) << "no folder is created";

    const std::string product = maker + "\\ヴェルヴェーン　デスクトップアクセサリー";
    const std::string edition = product + "\\クエンナ編";
    for (const std::string& level : {maker, product, edition})
        ASSERT_TRUE(CreateDirectoryA(level.c_str(), nullptr));
    EXPECT_TRUE(SaveSettings(record, 10, 20));
    const Loaded loaded = LoadFrom(edition + "\\setting.dat");
    EXPECT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.record.server, "mail.example.jp");
    EXPECT_EQ(loaded.x, 10);
    EXPECT_EQ(loaded.y, 20);
    RemoveTree(maker);
}

}  // namespace
