#include "app/program.h"
#include "editions/quenna/quenna_edition.h"
#include "app/settings_record.h"

#include "tests/app/settings_test_support.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <string>

namespace {

// The shared folders, spelled as the code page 932 bytes that name them on
// disk, so that a change of the source or execution character set shows;
// each level after the separator.
std::string SharedFolders(char separator)
{
    return separator + std::string("Quillmarsh") + separator +
           HexText("83 94 83 46 83 8B 83 94 83 46 81 5B 83 93 81 40 83 66 83 58 83 4E 83 67 83 62 83 76 83 41 83 4E "
                   "83 5A 83 54 83 8A 81 5B");
}
const std::string kSharedFolders = SharedFolders('\\');
const std::string kQuennaFolder = HexText("83 4E 83 47 83 93 83 69 95 D2");
// 表 (95 5C) and ソ (83 5C) end in the byte of a backslash.
const std::string kSurface = HexText("95 5C");
const std::string kSo = HexText("83 5C");

TEST(SettingsPath, JoinsTheFoldersAsCodePage932BytesWithTheEditionsSeparator)
{
    ASSERT_EQ(GetACP(), 932u) << "the trail bytes are told by the ANSI code page";
    struct Case {
        std::string documents;
        const char* editionFolder;
        SettingsPathForm form;
        std::string expected;
    };
    constexpr SettingsPathForm kBack = SettingsPathForm::kBackslashes;
    constexpr SettingsPathForm kForward = SettingsPathForm::kForwardSlashes;
    const Case cases[] = {
        {"C:\\users\\me\\Documents", "クエンナ編", kBack,
         "C:\\users\\me\\Documents" + kSharedFolders + "\\" + kQuennaFolder + "\\setting.dat"},
        // Forward slashes anywhere become backslashes.
        {"C:/users/me/Documents", "クエンナ編", kBack,
         "C:\\users\\me\\Documents" + kSharedFolders + "\\" + kQuennaFolder + "\\setting.dat"},
        // A trail byte equal to '\' (the first character) stays as it is.
        {"D:\\My Documents", "ソルビ＆ルネット編", kBack,
         "D:\\My Documents" + kSharedFolders + "\\" +
             HexText("83 5C 83 8B 83 72 81 95 83 8B 83 6C 83 62 83 67 95 D2") + "\\setting.dat"},
        // The other way round: the documents folder's separators become '/'
        // and its trail bytes stay, so a user whose folder is named with
        // such a character still has settings.
        {"C:\\users\\me\\Documents", "クエンナ編", kForward,
         "C:/users/me/Documents" + SharedFolders('/') + "/" + kQuennaFolder + "/setting.dat"},
        {"C:\\users\\" + kSurface + "\\" + kSo + kSo + "\\Documents", "クエンナ編", kForward,
         "C:/users/" + kSurface + "/" + kSo + kSo + "/Documents" + SharedFolders('/') + "/" + kQuennaFolder +
             "/setting.dat"},
        {"C:/users/" + kSurface + "/Documents", "クエンナ編", kForward,
         "C:/users/" + kSurface + "/Documents" + SharedFolders('/') + "/" + kQuennaFolder + "/setting.dat"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.documents);
        const SettingsParameters settings = {.folderWord = c.editionFolder, .stringOffsets = {}, .pathForm = c.form};
        EXPECT_EQ(SettingsFilePath(c.documents, settings), c.expected);
    }
}

TEST(SettingsPath, InitialSettingsAreTheDefaultsInTheDocumentsFolder)
{
    AdoptEdition(QuennaEdition());
    const SettingsRecord record = InitSettings();
    SettingsRecord defaults;
    defaults.keepOnTop = true;
    defaults.VoiceMode = 0;
    defaults.alarmOn = defaults.alarmFired = defaults.mailCheckOn = defaults.reportConnectionErrors = false;
    defaults.reserved.fill(0);
    defaults.alarmTime = SYSTEMTIME{};
    defaults.port = 110;
    defaults.server = defaults.user = defaults.password = "";
    ExpectSameStoredFields(record, defaults);

    char documents[MAX_PATH] = {};
    ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, documents, CSIDL_PERSONAL, FALSE));
    EXPECT_EQ(record.path, documents + kSharedFolders + "\\" + kQuennaFolder + "\\setting.dat");
}

}  // namespace
