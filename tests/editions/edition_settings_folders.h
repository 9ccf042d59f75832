#pragma once

#include "app/shell.h"
#include "tests/support/documents_folder_lock.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

// The settings folders of the session's documents folder, as the adopted
// edition's setting.dat path names them (with its own separator), which the
// test holds for itself and leaves as it found them: without them.
class EditionSettingsFolders : public ::testing::Test {
protected:
    // Called once the edition is adopted.
    void HoldFolders()
    {
        const std::string& path = Settings.path;
        separator_ = path.find("/Quillmarsh/") != std::string::npos ? '/' : '\\';
        const size_t maker = path.find(separator_ + std::string("Quillmarsh") + separator_);
        ASSERT_NE(maker, std::string::npos) << path;
        documents_ = path.substr(0, maker);
        maker_ = documents_ + separator_ + "Quillmarsh";
        const DWORD attributes = GetFileAttributesA(maker_.c_str());
        ASSERT_EQ(attributes, INVALID_FILE_ATTRIBUTES) << "refusing to touch an existing " << maker_;
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

    DocumentsFolderLock lock_;
    char separator_ = '\\';
    std::string documents_;
    std::string maker_;
    std::string product_;
    // Only folders this test made are removed.
    bool madeFolders_ = false;
};
