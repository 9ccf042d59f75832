#pragma once

// An edition's setting.dat in the session's documents folder, where the
// program keeps it.
#include "app/edition.h"
#include "app/program.h"
#include "app/settings_record.h"
#include "app/shell.h"
#include "base/util/byte_reader.h"
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

// The string at a length word of a setting.dat image: the length, then that
// many bytes.
inline std::string StringAt(const std::string& file, uint32_t offset)
{
    ByteReader reader(file.data(), file.size());
    int32_t length = -1;
    if (!reader.I32LEAt(offset, length) || length < 0 || !reader.Fits(offset + 4, static_cast<size_t>(length)))
        return "(no string)";
    std::string text(static_cast<size_t>(length), '\0');
    reader.BytesAt(offset + 4, &text[0], text.size());
    return text;
}

// The settings folders of the session's documents folder, which the test
// holds for itself and leaves as it found them (without them).
class SettingsFoldersTest : public ::testing::Test {
protected:
    // Adopts the edition: the program's own path names the documents
    // folder.
    void HoldSettingsFolders(const EditionParameters& edition)
    {
        AdoptEdition(edition);
        const size_t maker = Settings.path.find("\\Quillmarsh\\");
        ASSERT_NE(maker, std::string::npos) << Settings.path;
        documents_ = Settings.path.substr(0, maker);
        maker_ = documents_ + "\\Quillmarsh";
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
    std::string documents_;
    std::string maker_;
    std::string product_;
    // Only folders this test made are removed.
    bool madeFolders_ = false;
};
