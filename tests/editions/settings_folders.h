#pragma once

// An edition's setting.dat in the session's documents folder, where the
// program keeps it.
#include "app/edition.h"
#include "app/program.h"
#include "app/settings_record.h"
#include "app/shell.h"
#include "tests/app/settings_test_support.h"
#include "tests/support/documents_folder_lock.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>

inline bool FolderExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The settings folders of the session's documents folder, as the adopted
// edition's setting.dat path names them (with its own separator), which the
// test holds for itself and leaves as it found them (without them).
class SettingsFoldersTest : public ::testing::Test {
protected:
    // Adopts the edition: the program's own path names the documents
    // folder.
    void HoldSettingsFolders(const EditionParameters& edition)
    {
        AdoptEdition(edition);
        const std::string& path = Settings.path;
        separator_ = path.find("/Quillmarsh/") != std::string::npos ? '/' : '\\';
        const size_t maker = path.find(separator_ + std::string("Quillmarsh") + separator_);
        ASSERT_NE(maker, std::string::npos) << path;
        documents_ = path.substr(0, maker);
        maker_ = documents_ + separator_ + "Quillmarsh";
        ASSERT_FALSE(FolderExists(maker_)) << "refusing to touch an existing " << maker_;
        product_ = maker_ + separator_ + "ヴェルヴェーン　デスクトップアクセサリー";
    }
    void TearDown() override
    {
        if (madeFolders_)
            RemoveTree(maker_);
    }

    // The edition's folder, made with the folders above it.
    std::string MakeEditionFolder(const char* word)
    {
        const std::string edition = product_ + separator_ + word;
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

    // What the edition's program writes at its exit lies in its folder,
    // each string at the length word given, and loads back whole.
    void ExpectTheProgramToWriteAndLoadAt(const EditionParameters& edition, const char* word, SettingsStringOffsets at)
    {
        const std::string folder = MakeEditionFolder(word);
        ASSERT_NO_FATAL_FAILURE(SaveAsTheProgram(edition, -3000, 70000));
        EXPECT_EQ(Settings.path, folder + separator_ + "setting.dat");
        std::string file;
        ASSERT_TRUE(ReadWholeFile(folder + separator_ + "setting.dat", file));
        ASSERT_EQ(file.size(), 512000u);
        EXPECT_EQ(StringAt(file, at.server), "pop.example.jp");
        EXPECT_EQ(StringAt(file, at.user), "ユーザー名");
        EXPECT_EQ(StringAt(file, at.password), "ぱすワード");

        AdoptEdition(edition);
        int32_t x = 0, y = 0;
        ASSERT_TRUE(Settings.Load(x, y));
        EXPECT_EQ(x, -3000);
        EXPECT_EQ(y, 70000);
        EXPECT_EQ(Settings.server, "pop.example.jp");
        EXPECT_EQ(Settings.user, "ユーザー名");
        EXPECT_EQ(Settings.password, "ぱすワード");
        EXPECT_EQ(Settings.port, 995);
    }

    // The writer's file (as SaveAsTheProgram writes it), copied into the
    // reader's folder, which had none: the reader reads only its own folder,
    // then takes the fixed fields, which sit where every edition keeps them,
    // and none of the strings, which lie elsewhere in its layout.
    void ExpectAnotherEditionsFileToGiveNoStrings(const EditionParameters& reader, const char* readerWord,
                                                  const EditionParameters& writer, const char* writerWord)
    {
        const std::string writerFolder = MakeEditionFolder(writerWord);
        ASSERT_NO_FATAL_FAILURE(SaveAsTheProgram(writer, 12, 34));
        const std::string readerFile = MakeEditionFolder(readerWord) + separator_ + "setting.dat";
        DeleteFileA(readerFile.c_str());

        AdoptEdition(reader);
        int32_t x = 1, y = 2;
        EXPECT_FALSE(Settings.Load(x, y)) << "an edition reads only its own folder";
        EXPECT_EQ(x, 1);

        ASSERT_TRUE(CopyFileA((writerFolder + separator_ + "setting.dat").c_str(), readerFile.c_str(), FALSE));
        ASSERT_TRUE(Settings.Load(x, y));
        EXPECT_EQ(x, 12);
        EXPECT_EQ(y, 34);
        EXPECT_EQ(Settings.port, 995);
        EXPECT_TRUE(Settings.mailCheckOn);
        EXPECT_NE(Settings.server, "pop.example.jp");
        EXPECT_NE(Settings.user, "ユーザー名");
        EXPECT_NE(Settings.password, "ぱすワード");
    }

    DocumentsFolderLock lock_;
    char separator_ = '\\';
    std::string documents_;
    std::string maker_;
    std::string product_;
    // Only folders this test made are removed.
    bool madeFolders_ = false;
};
