// Ivrel's setting.dat: its own folder, a path with '/' between every level,
// its own string offsets and rooms, and the base at offsets 0 and 4.
#include "app/edition.h"
#include "app/program.h"
#include "app/settings_layout.h"
#include "app/settings_record.h"
#include "app/shell.h"
#include "base/util/byte_reader.h"
#include "editions/ivrel/ivrel_edition.h"
#include "editions/quenna/quenna_edition.h"
#include "tests/app/settings_test_support.h"
#include "tests/editions/settings_folders.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

int32_t WordAt(const std::string& file, size_t offset)
{
    ByteReader reader(file.data(), file.size());
    int32_t value = 0;
    reader.I32LEAt(offset, value);
    return value;
}

// Ivrel's settings folders, held by the test.
class IvrelSettingsFile : public SettingsFoldersTest {
protected:
    void SetUp() override { HoldSettingsFolders(IvrelEdition()); }
};

// The documents folder's separators become '/' as well, and the path is
// handed to the system so.
TEST_F(IvrelSettingsFile, IsWrittenInItsFolderAtItsStringOffsetsWithTheBaseFirst)
{
    EXPECT_EQ(documents_.find('\\'), std::string::npos) << documents_;
    const std::string folder = MakeEditionFolder("イヴレル編");
    EXPECT_EQ(Settings.path, folder + "/setting.dat");
    Settings.server = "pop.example.jp";
    Settings.user = "ユーザー名";
    Settings.password = "ぱすワード";
    Settings.port = 995;
    Shell.WindowX = -3000;
    Shell.WindowY = 70000;
    ASSERT_TRUE(SaveSettingsAtExit());

    std::string file;
    ASSERT_TRUE(ReadWholeFile(folder + "/setting.dat", file));
    ASSERT_EQ(file.size(), 512000u);
    EXPECT_EQ(WordAt(file, 0), -3000) << "the base";
    EXPECT_EQ(WordAt(file, 4), 70000);
    EXPECT_EQ(StringAt(file, 102543), "pop.example.jp");
    EXPECT_EQ(StringAt(file, 342856), "ユーザー名");
    EXPECT_EQ(StringAt(file, 445879), "ぱすワード");

    AdoptEdition(IvrelEdition());
    int32_t x = 0, y = 0;
    ASSERT_TRUE(Settings.Load(x, y));
    EXPECT_EQ(x, -3000);
    EXPECT_EQ(y, 70000);
    EXPECT_EQ(Settings.server, "pop.example.jp");
    EXPECT_EQ(Settings.user, "ユーザー名");
    EXPECT_EQ(Settings.password, "ぱすワード");
    EXPECT_EQ(Settings.port, 995);
}

TEST_F(IvrelSettingsFile, AQuennaFileGivesItNoStrings)
{
    AdoptEdition(QuennaEdition());
    const std::string quennaFolder = MakeEditionFolder("クエンナ編");
    Settings.server = "pop.example.jp";
    Settings.user = "ユーザー名";
    Settings.password = "ぱすワード";
    Settings.port = 995;
    ASSERT_TRUE(SaveSettings(Settings, 12, 34));
    const std::string ivrelFolder = MakeEditionFolder("イヴレル編");

    AdoptEdition(IvrelEdition());
    int32_t x = 1, y = 2;
    EXPECT_FALSE(Settings.Load(x, y)) << "Ivrel reads only its own folder";
    ASSERT_TRUE(CopyFileA((quennaFolder + "/setting.dat").c_str(), (ivrelFolder + "/setting.dat").c_str(), FALSE));
    ASSERT_TRUE(Settings.Load(x, y));
    EXPECT_EQ(x, 12);
    EXPECT_EQ(y, 34);
    EXPECT_EQ(Settings.port, 995);
    EXPECT_NE(Settings.server, "pop.example.jp");
    EXPECT_NE(Settings.user, "ユーザー名");
    EXPECT_NE(Settings.password, "ぱすワード");
}

// Each string has room up to the next one (the password up to the end of
// the file); a longer one is cut at a character boundary and the others
// stay whole.
TEST(IvrelSettingsLayout, AStringLongerThanItsRoomIsNeverWrittenPastIt)
{
    const SettingsStringPlaces places = PlaceSettingsStrings(IvrelEdition().settings.stringOffsets);
    EXPECT_EQ(places.server.room, 240309u);
    EXPECT_EQ(places.user.room, 103019u);
    EXPECT_EQ(places.password.room, 66117u);

    SettingsRecord record;
    record.server = std::string(240309, 's') + "more";
    // Two bytes each: 103020 bytes, of which the last character would
    // straddle the end of the room.
    for (int i = 0; i < 51510; ++i)
        record.user += "あ";
    record.password = std::string(70000, 'p');
    const std::vector<uint8_t> block =
        EncodeSettings(record, 1, 2, IvrelEdition().settings.stringOffsets, [] { return 0x5A; });
    const std::string file(block.begin(), block.end());
    ASSERT_EQ(file.size(), 512000u);
    EXPECT_EQ(StringAt(file, 102543), std::string(240309, 's'));
    const std::string user = StringAt(file, 342856);
    EXPECT_EQ(user.size(), 103018u) << "cut before the double-byte character that does not fit";
    EXPECT_EQ(user, record.user.substr(0, 103018));
    EXPECT_EQ(StringAt(file, 445879), std::string(66117, 'p'));
    EXPECT_EQ(WordAt(file, 342856), 103018) << "the user's length word is its own";
    EXPECT_EQ(WordAt(file, 445879), 66117);
}

// A documents folder whose name holds a character ending in the byte of a
// backslash (表 is 95 5C) still gives settings: that byte is no separator.
TEST(IvrelSettingsPath, AFolderNamedWithATrailByteOf5CStillHoldsTheSettings)
{
    AdoptEdition(IvrelEdition());
    TempDir root;
    const std::string documents = root.Path() + "\\表ソ";
    ASSERT_TRUE(CreateDirectoryA(documents.c_str(), nullptr));
    SettingsRecord record;
    record.path = SettingsFilePath(documents, IvrelEdition().settings);
    // The temporary folder's name is plain ASCII.
    std::string rootForward = root.Path();
    std::replace(rootForward.begin(), rootForward.end(), '\\', '/');
    EXPECT_EQ(record.path, rootForward + "/表ソ/Quillmarsh/ヴェルヴェーン　デスクトップアクセサリー/イヴレル編/setting.dat")
        << "only the separators turned, the trail bytes 5C kept";
    std::string level = documents;
    for (const char* part : {"Quillmarsh", "ヴェルヴェーン　デスクトップアクセサリー", "イヴレル編"}) {
        level += std::string("\\") + part;
        ASSERT_TRUE(CreateDirectoryA(level.c_str(), nullptr)) << level;
    }
    record.server = "mail.example";
    ASSERT_TRUE(SaveSettings(record, 5, 6));
    EXPECT_NE(GetFileAttributesA((level + "\\setting.dat").c_str()), INVALID_FILE_ATTRIBUTES) << "in its folder";

    SettingsRecord read;
    read.path = record.path;
    int32_t x = 0, y = 0;
    ASSERT_TRUE(read.Load(x, y));
    EXPECT_EQ(x, 5);
    EXPECT_EQ(y, 6);
    EXPECT_EQ(read.server, "mail.example");
}

} // namespace
