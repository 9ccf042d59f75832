// Pelmo's setting.dat: its own folder, its own string offsets.
#include "app/edition.h"
#include "app/program.h"
#include "app/settings_record.h"
#include "app/shell.h"
#include "base/util/byte_reader.h"
#include "editions/pelmo/pelmo_edition.h"
#include "editions/quenna/quenna_edition.h"
#include "tests/support/documents_folder_lock.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

bool FolderExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The settings folders of the session's documents folder, which the test
// holds for itself and leaves as it found them (without them).
class PelmoSettingsFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The program's own path names the documents folder.
        AdoptEdition(PelmoEdition());
        const size_t maker = Settings.path.find("\\Quillmarsh\\");
        ASSERT_NE(maker, std::string::npos) << Settings.path;
        maker_ = Settings.path.substr(0, maker) + "\\Quillmarsh";
        ASSERT_FALSE(FolderExists(maker_)) << "refusing to touch an existing " << maker_;
        product_ = maker_ + "\\ヴェルヴェーン　デスクトップアクセサリー";
    }
    void TearDown() override
    {
        if (madeFolders_)
            RemoveTree(maker_);
    }

    // The edition's folder, made with the folders above it.
    std::string MakeEditionFolder(const char* word)
    {
        const std::string edition = product_ + "\\" + word;
        madeFolders_ = true;
        for (const std::string& level : {maker_, product_, edition})
            CreateDirectoryA(level.c_str(), nullptr);
        return edition;
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

    DocumentsFolderLock lock_;
    std::string maker_;
    std::string product_;
    // Only folders this test made are removed.
    bool madeFolders_ = false;
};

// The string at a length word: the length, then that many bytes.
std::string StringAt(const std::string& file, uint32_t offset)
{
    ByteReader reader(file.data(), file.size());
    int32_t length = -1;
    if (!reader.I32LEAt(offset, length) || length < 0 || !reader.Fits(offset + 4, static_cast<size_t>(length)))
        return "(no string)";
    std::string text(static_cast<size_t>(length), '\0');
    reader.BytesAt(offset + 4, &text[0], text.size());
    return text;
}

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
