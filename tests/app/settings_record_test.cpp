#include "app/program.h"
#include "editions/quenna/quenna_edition.h"
#include "app/settings_record.h"

#include "tests/app/settings_test_support.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <string>

namespace {

// The shared folders, spelled as the code page 932 bytes that name them on
// disk, so that a change of the source or execution character set shows.
const std::string kSharedFolders =
    "\\Quillmarsh\\" +
    HexText("83 94 83 46 83 8B 83 94 83 46 81 5B 83 93 81 40 83 66 83 58 83 4E 83 67 83 62 83 76 83 41 83 4E "
            "83 5A 83 54 83 8A 81 5B");
const std::string kQuennaFolder = HexText("83 4E 83 47 83 93 83 69 95 D2");

TEST(SettingsPath, JoinsTheFoldersAsCodePage932Bytes)
{
    struct Case {
        const char* documents;
        const char* editionFolder;
        std::string expected;
    };
    const Case cases[] = {
        {"C:\\users\\me\\Documents", "クエンナ編",
         "C:\\users\\me\\Documents" + kSharedFolders + "\\" + kQuennaFolder + "\\setting.dat"},
        // Forward slashes anywhere become backslashes.
        {"C:/users/me/Documents", "クエンナ編",
         "C:\\users\\me\\Documents" + kSharedFolders + "\\" + kQuennaFolder + "\\setting.dat"},
        // A trail byte equal to '\' (the first character) stays as it is.
        {"D:\\My Documents", "ソルビ＆ルネット編",
         "D:\\My Documents" + kSharedFolders + "\\" +
             HexText("83 5C 83 8B 83 72 81 95 83 8B 83 6C 83 62 83 67 95 D2") + "\\setting.dat"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.documents);
        EXPECT_EQ(SettingsFilePath(c.documents, c.editionFolder), c.expected);
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
