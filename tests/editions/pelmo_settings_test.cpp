// Pelmo's setting.dat: its own folder, its own string offsets.
#include "app/edition.h"
#include "app/program.h"
#include "app/settings_record.h"
#include "app/shell.h"
#include "base/util/byte_reader.h"
#include "editions/pelmo/pelmo_edition.h"
#include "editions/quenna/quenna_edition.h"
#include "tests/app/settings_test_support.h"
#include "tests/editions/edition_settings_folders.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

// Pelmo's settings folders, held by the test.
class PelmoSettingsFile : public EditionSettingsFolders {
protected:
    void SetUp() override
    {
        // The program's own path names the documents folder.
        AdoptEdition(PelmoEdition());
        ASSERT_NO_FATAL_FAILURE(HoldFolders());
    }

    // What an exit of the edition's program writes.
    void SaveAsTheProgram(const EditionParameters& edition, int32_t x, int32_t y)
    {
        AdoptEdition(edition);
        Settings.server = "pop.example.jp";
        Settings.user = "ユーザー名";
        Settings.password = "ぱすワード";
        Settings.port = 995;
        Settings.mailCheckOn = true;
        Shell.WindowX = x;
        Shell.WindowY = y;
        ASSERT_TRUE(SaveSettingsAtExit());
    }
};

TEST_F(PelmoSettingsFile, IsWrittenInItsFolderAtItsStringOffsets)
{
    const std::string folder = MakeEditionFolder("ペルモ編");
    ASSERT_NO_FATAL_FAILURE(SaveAsTheProgram(PelmoEdition(), -3000, 70000));
    EXPECT_EQ(Settings.path, folder + "\\setting.dat");
    std::string file;
    ASSERT_TRUE(ReadWholeFile(folder + "\\setting.dat", file));
    ASSERT_EQ(file.size(), 512000u);
    EXPECT_EQ(StringAt(file, 398745), "pop.example.jp");
    EXPECT_EQ(StringAt(file, 179850), "ユーザー名");
    EXPECT_EQ(StringAt(file, 80456), "ぱすワード");

    AdoptEdition(PelmoEdition());
    int32_t x = 0, y = 0;
    ASSERT_TRUE(Settings.Load(x, y));
    EXPECT_EQ(x, -3000);
    EXPECT_EQ(y, 70000);
    EXPECT_EQ(Settings.server, "pop.example.jp");
    EXPECT_EQ(Settings.user, "ユーザー名");
    EXPECT_EQ(Settings.password, "ぱすワード");
    EXPECT_EQ(Settings.port, 995);
}

TEST_F(PelmoSettingsFile, IsNotQuennasAndAQuennaFileGivesItNoStrings)
{
    const std::string quennaFolder = MakeEditionFolder("クエンナ編");
    ASSERT_NO_FATAL_FAILURE(SaveAsTheProgram(QuennaEdition(), 12, 34));
    const std::string pelmoFolder = MakeEditionFolder("ペルモ編");

    AdoptEdition(PelmoEdition());
    int32_t x = 1, y = 2;
    EXPECT_FALSE(Settings.Load(x, y)) << "Pelmo reads only its own folder";
    EXPECT_EQ(x, 1);

    // Quenna's file, copied into Pelmo's folder: the fixed fields sit where
    // every edition keeps them, the strings elsewhere.
    ASSERT_TRUE(CopyFileA((quennaFolder + "\\setting.dat").c_str(), (pelmoFolder + "\\setting.dat").c_str(), FALSE));
    ASSERT_TRUE(Settings.Load(x, y));
    EXPECT_EQ(x, 12);
    EXPECT_EQ(y, 34);
    EXPECT_EQ(Settings.port, 995);
    EXPECT_TRUE(Settings.mailCheckOn);
    EXPECT_NE(Settings.server, "pop.example.jp");
    EXPECT_NE(Settings.user, "ユーザー名");
    EXPECT_NE(Settings.password, "ぱすワード");
}

} // namespace
