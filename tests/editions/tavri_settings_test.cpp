// Tavri's setting.dat: its own folder, its own string offsets, and a
// server's room smaller than the settings dialog lets the user type.
#include "app/program.h"
#include "app/settings_record.h"
#include "app/shell.h"
#include "editions/pelmo/pelmo_edition.h"
#include "editions/tavri/tavri_edition.h"
#include "tests/editions/settings_folders.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

constexpr uint32_t kServerOffset = 195468;
constexpr uint32_t kUserOffset = 412036;
constexpr uint32_t kPasswordOffset = 221456;
// From the server's data to the password's length word.
constexpr size_t kServerRoom = kPasswordOffset - kServerOffset - 4;

class TavriSettingsFile : public SettingsFoldersTest {
protected:
    void SetUp() override { HoldSettingsFolders(TavriEdition()); }
};

TEST_F(TavriSettingsFile, IsWrittenInItsFolderAtItsStringOffsets)
{
    const std::string folder = MakeEditionFolder("タヴリ編");
    ASSERT_NO_FATAL_FAILURE(SaveAsTheProgram(TavriEdition(), 4000, -20));
    EXPECT_EQ(Settings.path, folder + "\\setting.dat");
    std::string file;
    ASSERT_TRUE(ReadWholeFile(folder + "\\setting.dat", file));
    ASSERT_EQ(file.size(), 512000u);
    EXPECT_EQ(StringAt(file, kServerOffset), "pop.example.jp");
    EXPECT_EQ(StringAt(file, kUserOffset), "ユーザー名");
    EXPECT_EQ(StringAt(file, kPasswordOffset), "ぱすワード");

    AdoptEdition(TavriEdition());
    int32_t x = 0, y = 0;
    ASSERT_TRUE(Settings.Load(x, y));
    EXPECT_EQ(x, 4000);
    EXPECT_EQ(y, -20);
    EXPECT_EQ(Settings.server, "pop.example.jp");
    EXPECT_EQ(Settings.user, "ユーザー名");
    EXPECT_EQ(Settings.password, "ぱすワード");
    EXPECT_EQ(Settings.port, 995);
}

// The server's bytes end where the password's length word begins. A longer
// name is cut to the room without splitting a double-byte character: one
// single-byte character first puts every pair at an odd place, so the last
// pair would straddle the room's (even) end.
TEST_F(TavriSettingsFile, AServerNameLongerThanItsRoomIsCutAtACharacterBoundary)
{
    static_assert(kServerRoom == 25984, "the room the offsets leave");
    const std::string folder = MakeEditionFolder("タヴリ編");
    std::string server = "m";
    while (server.size() <= kServerRoom + 10)
        server += "ソ"; // its second byte is 0x5C
    const std::string user(40000, 'u');
    const std::string password = "パスワード" + std::string(30000, 'p');

    AdoptEdition(TavriEdition());
    Settings.server = server;
    Settings.user = user;
    Settings.password = password;
    ASSERT_TRUE(SaveSettingsAtExit());

    std::string file;
    ASSERT_TRUE(ReadWholeFile(folder + "\\setting.dat", file));
    EXPECT_EQ(StringAt(file, kServerOffset), server.substr(0, kServerRoom - 1));
    EXPECT_EQ(StringAt(file, kPasswordOffset), password) << "its length word is whole";

    AdoptEdition(TavriEdition());
    int32_t x = 0, y = 0;
    ASSERT_TRUE(Settings.Load(x, y));
    EXPECT_EQ(Settings.server, server.substr(0, kServerRoom - 1));
    EXPECT_EQ(Settings.user, user);
    EXPECT_EQ(Settings.password, password);
}

TEST_F(TavriSettingsFile, APelmoFileInItsFolderGivesItNoStrings)
{
    const std::string pelmoFolder = MakeEditionFolder("ペルモ編");
    ASSERT_NO_FATAL_FAILURE(SaveAsTheProgram(PelmoEdition(), 12, 34));
    const std::string tavriFolder = MakeEditionFolder("タヴリ編");

    AdoptEdition(TavriEdition());
    int32_t x = 1, y = 2;
    EXPECT_FALSE(Settings.Load(x, y)) << "Tavri reads only its own folder";

    ASSERT_TRUE(CopyFileA((pelmoFolder + "\\setting.dat").c_str(), (tavriFolder + "\\setting.dat").c_str(), FALSE));
    ASSERT_TRUE(Settings.Load(x, y));
    EXPECT_EQ(x, 12);
    EXPECT_EQ(y, 34);
    EXPECT_EQ(Settings.port, 995);
    EXPECT_NE(Settings.server, "pop.example.jp");
    EXPECT_NE(Settings.user, "ユーザー名");
    EXPECT_NE(Settings.password, "ぱすワード");
}

} // namespace
